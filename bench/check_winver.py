#!/usr/bin/python3
"""Checks that a PE32 program runs on Windows 95 and NT 4.0, on a Pentium.

Reads the normal and the delay-loaded imports of the file and looks each one
up in a table of the first Windows release that exports it; disassembles the
executable sections and looks for instructions an i586 (no MMX) lacks.
Ends with "winver: N passed, M failed"; exit status 0 only when all pass.

    bench/check_winver.py PATH.scr [--table bench/winver_exports.tsv]
"""
import argparse
import collections
import os
import re
import struct
import subprocess
import sys

OBJDUMP = "i686-w64-mingw32-objdump"
LINES = ("9x", "nt")
RELEASES = {
    "9x": ["95", "95osr2", "98", "98se", "me"],
    "nt": ["3.1", "3.5", "3.51", "4.0", "5.0", "5.1", "5.2", "6.0", "6.1", "6.2", "6.3", "10.0"],
}
SHOWN = {"95osr2": "95 OSR2", "98se": "98 SE", "me": "Me"}

# A Pentium without MMX faults on these: P6 (cmov, fcomi, 0F 1F nop), MMX, SSE, later.
I586_LACKS = re.compile(
    r"^(cmov\w*|fcmov\w*|fu?comip?|emms|ldmxcsr|stmxcsr|[slm]fence|clflush\w*|prefetch\w*"
    r"|movnti|fxsave|fxrstor|sysenter|sysexit|rdpmc|nopl|nopw|endbr32"
    r"|popcnt|lzcnt|tzcnt|movbe|crc32\w*|ud2)( |$)|^nop |%[xyz]?mm\d")
# Prefixes objdump prints before the mnemonic.
PREFIXES = {"lock", "rep", "repe", "repz", "repne", "repnz", "data16", "addr16",
            "cs", "ds", "es", "fs", "gs", "ss", "bnd", "notrack"}


class BadFile(Exception):
    pass


class Image:
    """A PE32 file: headers, sections, imports."""

    def __init__(self, path):
        with open(path, "rb") as f:
            self.data = data = f.read()
        if data[:2] != b"MZ" or len(data) < 0x40:
            raise BadFile("no MZ header")
        pe = self.u32(0x3C)
        if data[pe:pe + 4] != b"PE\0\0":
            raise BadFile("no PE signature")
        machine, nsections = struct.unpack_from("<HH", data, pe + 4)
        optsize = struct.unpack_from("<H", data, pe + 20)[0]
        opt = pe + 24
        if machine != 0x14C or self.u16(opt) != 0x10B:
            raise BadFile("not a PE32 i386 image")
        self.image_base = self.u32(opt + 28)
        ndirs = self.u32(opt + 92)
        self.dirs = [struct.unpack_from("<II", data, opt + 96 + 8 * i) for i in range(min(ndirs, 16))]
        self.sections = []
        table = opt + optsize
        for i in range(nsections):
            s = table + 40 * i
            name = data[s:s + 8].rstrip(b"\0").decode("ascii", "replace")
            vsize, rva, rawsize, rawoff = struct.unpack_from("<IIII", data, s + 8)
            flags = self.u32(s + 36)
            self.sections.append((name, rva, max(vsize, rawsize), rawsize, rawoff, flags))
        if not self.sections:
            raise BadFile("no sections")

    def u16(self, off):
        if off < 0 or off + 2 > len(self.data):
            raise BadFile("read past the end of the file")
        return struct.unpack_from("<H", self.data, off)[0]

    def u32(self, off):
        if off < 0 or off + 4 > len(self.data):
            raise BadFile("read past the end of the file")
        return struct.unpack_from("<I", self.data, off)[0]

    def offset(self, rva):
        """File offset of RVA, or None when the file holds no byte for it."""
        for _, start, size, rawsize, rawoff, _ in self.sections:
            if start <= rva < start + size:
                if rva - start < rawsize and rawoff + rva - start < len(self.data):
                    return rawoff + rva - start
                return None
        return None

    def string(self, rva, limit=256):
        off = self.offset(rva)
        if off is None:
            return None
        end = self.data.find(b"\0", off, off + limit)
        if end < 0:
            return None
        try:
            return self.data[off:end].decode("ascii")
        except UnicodeDecodeError:
            return None

    def thunks(self, rva):
        """Names (or ordinal numbers) of a zero-terminated import name table."""
        names = []
        while True:
            off = self.offset(rva)
            if off is None:
                raise BadFile("import name table at RVA %#x outside the file" % rva)
            entry = self.u32(off)
            if entry == 0:
                return names
            if entry & 0x80000000:
                names.append(entry & 0xFFFF)
            else:
                name = self.string(entry + 2)
                if not name:
                    raise BadFile("import name at RVA %#x unreadable" % (entry + 2))
                names.append(name)
            rva += 4

    def imports(self):
        """(dll, name-or-ordinal) from the import directory."""
        rva = self.dirs[1][0] if len(self.dirs) > 1 else 0
        found = []
        if rva == 0:
            return found
        while True:
            off = self.offset(rva)
            if off is None:
                raise BadFile("import directory at RVA %#x outside the file" % rva)
            lookup, _, _, name_rva, iat = struct.unpack_from("<IIIII", self.data, off)
            if name_rva == 0 and iat == 0:
                return found
            dll = self.string(name_rva)
            if not dll:
                raise BadFile("import DLL name at RVA %#x unreadable" % name_rva)
            found += [(dll, n) for n in self.thunks(lookup or iat)]
            rva += 20

    def delay_descriptors(self):
        """Delay descriptors found by their shape, as (rva, dll, names).

        GNU ld leaves the data-directory entry empty, so every section is
        scanned for 32-byte records with the RVA attribute whose DLL name,
        module handle, IAT and name table lie in the image and whose name
        table holds import names (RVA-based descriptors only, as MSVC since
        7.0 and dlltool write them).
        """
        found = []
        for _, start, _, rawsize, rawoff, _ in self.sections:
            for off in range(rawoff, rawoff + rawsize - 31, 4):
                attrs, name_rva, module, iat, names_rva = struct.unpack_from("<IIIII", self.data, off)
                if attrs != 1 or not (name_rva and module and iat and names_rva):
                    continue
                dll = self.string(name_rva)
                if not dll or not re.fullmatch(r"[\w.-]+\.dll", dll, re.I):
                    continue
                if self.offset(names_rva) is None or not self.inside(module) or not self.inside(iat):
                    continue
                try:
                    names = self.thunks(names_rva)
                except BadFile:
                    continue
                if names and all(isinstance(n, int) or re.fullmatch(r"[\w@?$]+", n) for n in names):
                    found.append((start + off - rawoff, dll, names))
        return found

    def inside(self, rva):
        return any(start <= rva < start + size for _, start, size, _, _, _ in self.sections)


def read_table(path):
    """Rows keyed by (dll, function), the targets and the accepted prereqs."""
    rows, targets, accepted = {}, {}, set()
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            m = re.match(r"#\s*(default-targets|accepted-prereqs):(.*)", line)
            if m and m.group(1) == "default-targets":
                for item in m.group(2).split():
                    key, _, release = item.partition(":")
                    if key not in RELEASES or release not in RELEASES[key]:
                        raise ValueError("line %d: bad target %r" % (number, item))
                    targets[key] = release
            elif m:
                accepted |= {a.strip().lower() for a in m.group(2).replace(",", " ").split()}
            if not line.strip() or line.startswith("#"):
                continue
            cols = line.split("\t")
            if len(cols) != 7:
                raise ValueError("line %d: %d columns, not 7" % (number, len(cols)))
            dll, function, first_9x, first_nt, stub, prereq, _ = cols
            for key, first in (("9x", first_9x), ("nt", first_nt)):
                if first != "never" and first not in RELEASES[key]:
                    raise ValueError("line %d: unknown %s release %r" % (number, key, first))
            rows[(dll.lower(), function)] = {"9x": first_9x, "nt": first_nt,
                                             "stub": stub == "yes", "prereq": prereq}
    if set(targets) != set(LINES):
        raise ValueError("no default-targets line naming 9x and nt")
    return rows, targets, accepted


def shown(key, release):
    if key == "nt":
        return "NT " + release
    return SHOWN.get(release, release)


def target_name(key, release):
    return ("Windows " if key == "9x" else "") + shown(key, release)


def prereq_for(text, key, target):
    """The update text that applies to TARGET, or None ("95/NT4: IE 5" -> "IE 5")."""
    if text == "-":
        return None
    m = re.match(r"([\w.]+(?:/[\w.]+)*):\s*(.*)", text)
    if not m:
        return text
    for scope in m.group(1).lower().split("/"):
        if key == "nt" and scope.startswith("nt"):
            version = scope[2:]
            if (version if "." in version else version + ".0") == target:
                return m.group(2)
        elif key == "9x" and scope == target:
            return m.group(2)
    return None


def judge(rows, accepted, key, target, dll, function, notes):
    """Why (dll, function) is missing on TARGET, or None when it is there."""
    if isinstance(function, int):
        return "imported by ordinal %d, the table has names only" % function
    dll_row = rows.get((dll, "*"))
    row = rows.get((dll, function))
    if dll_row is None:
        return "no row for %s in the table" % dll
    if row is None:
        return "no row in the table"
    if key == "9x" and (row["stub"] or dll_row["stub"]):
        return "9x stub"
    order = RELEASES[key]
    for name, r in ((dll, dll_row), ("%s!%s" % (dll, function), row)):
        first = r[key]
        if first != "never" and order.index(first) <= order.index(target):
            continue
        update = prereq_for(r["prereq"], key, target)
        if update and accepted & {dll, name.lower()}:
            notes.add("%s: %s counts as present (accepted prereq: %s)"
                      % (target_name(key, target), name, update))
            continue
        if update:
            return "needs " + update
        if first == "never":
            return "never on " + ("9x" if key == "9x" else "NT")
        return "not before " + shown(key, first)
    return None


def disassemble(image, path, skip):
    """Offending instructions as (address, mnemonic, text), and the number checked."""
    names = [s[0] for s in image.sections if s[5] & 0x20000020 and s[3]]
    if not names:
        raise BadFile("no executable section")
    cmd = [OBJDUMP, "-D"] + [a for n in names for a in ("-j", n)] + [path]
    out = subprocess.run(cmd, capture_output=True, text=True)
    if out.returncode != 0:
        raise BadFile("%s failed: %s" % (OBJDUMP, out.stderr.strip()))
    seen = set(re.findall(r"^Disassembly of section (\S+):", out.stdout, re.M))
    if seen != set(names):
        raise BadFile("%s disassembled %s, not %s" % (OBJDUMP, sorted(seen), names))
    bad, checked = [], 0
    for line in out.stdout.splitlines():
        fields = line.split("\t")
        if len(fields) < 3 or not fields[2].strip():
            continue
        address = int(fields[0].strip().rstrip(":"), 16)
        if any(lo <= address < hi for lo, hi in skip):
            continue
        checked += 1
        words = fields[2].split()
        while len(words) > 1 and words[0] in PREFIXES:
            words.pop(0)
        text = " ".join(words)
        if I586_LACKS.search(text):
            bad.append((address, words[0], text))
    if checked == 0:
        raise BadFile("no instructions in %s" % ", ".join(names))
    return bad, checked, names


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("program")
    parser.add_argument("--table", default=os.path.join(here, "winver_exports.tsv"))
    args = parser.parse_args()

    findings, summary = [], []
    try:
        rows, targets, accepted = read_table(args.table)
    except (OSError, ValueError) as e:
        findings.append("FAIL cannot read the table %s: %s" % (args.table, e))
        rows, targets, accepted = None, {"9x": "95", "nt": "4.0"}, set()
    checks = ["imports for " + target_name(k, targets[k]) for k in LINES] + ["instructions for i586"]
    failed = set() if rows is not None else {0, 1}

    try:
        image = Image(args.program)
        normal = image.imports()
        descriptors = image.delay_descriptors()
    except (OSError, BadFile, struct.error) as e:
        findings.append("FAIL cannot read %s: %s" % (args.program, e))
        return report(findings, [], checks, {0, 1, 2})

    delayed = [(dll, n) for _, dll, names in descriptors for n in names]
    for label, imports in (("normal imports", normal), ("delay-loaded imports", delayed)):
        dlls = collections.Counter(dll.lower() for dll, _ in imports)
        summary.append("%d %s from %s" % (len(imports), label,
                                         ", ".join("%s (%d)" % kv for kv in sorted(dlls.items())) or "no DLL"))
    directory = image.dirs[13] if len(image.dirs) > 13 else (0, 0)
    summary.append("%d delay descriptors found by their shape at RVA %s; data-directory entry %s"
                   % (len(descriptors), ", ".join("%#x" % d[0] for d in descriptors) or "-",
                      "RVA %#x" % directory[0] if directory[0] else "empty"))

    if rows is not None:
        notes = set()
        marked = [(dll, n, "") for dll, n in normal] + [(dll, n, " (delay-loaded)") for dll, n in delayed]
        for index, key in enumerate(LINES):
            for dll, function, how in sorted(set(marked), key=lambda m: (m[0].lower(), str(m[1]))):
                why = judge(rows, accepted, key, targets[key], dll.lower(), function, notes)
                if why:
                    failed.add(index)
                    findings.append("FAIL %s: %s!%s%s: %s" % (
                        target_name(key, targets[key]), dll.lower(), function, how, why))
        summary += sorted(notes)

    skip = [(image.image_base + rva, image.image_base + rva + 32) for rva, _, _ in descriptors]
    try:
        bad, checked, sections = disassemble(image, args.program, skip)
        for address, mnemonic, text in bad:
            findings.append("FAIL i586: %#x: %s" % (address, text))
        counts = collections.Counter(m for _, m, _ in bad)
        if bad:
            failed.add(2)
            findings.append("FAIL i586: instructions a Pentium lacks: %d (%s)" % (
                len(bad), ", ".join("%s %d" % kv for kv in sorted(counts.items()))))
        summary.append("%d instructions checked in %s" % (checked, ", ".join(sections)))
    except (OSError, BadFile) as e:
        failed.add(2)
        findings.append("FAIL i586: cannot disassemble: %s" % e)

    return report(findings, summary, checks, failed)


def report(findings, summary, checks, failed):
    for line in findings + summary:
        print(line)
    for index, check in enumerate(checks):
        print("%s %s" % ("FAIL" if index in failed else "pass", check))
    print("winver: %d passed, %d failed" % (len(checks) - len(failed), len(failed)))
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
