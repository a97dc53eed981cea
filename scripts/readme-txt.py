#!/usr/bin/env python3
"""Writes README.txt, the text Windows users get, from README.md's player part.

    scripts/readme-txt.py README.md VERSION >README.txt

The player part runs from the top of README.md to the line
"<!-- README.txt ends here -->"; lines between "<!-- not in README.txt -->"
and "<!-- /not in README.txt -->" are left out. The text is meant for
Notepad: ASCII, CR LF line ends, lines of at most 76 characters, headings
underlined, Markdown's marks taken away. A link to a heading becomes the
heading's name in quotes. README.txt ships without README.md and is read
without a browser, so a link may only lead to a heading of the player part.
Lines between "<!-- README.txt only" and "-->", hidden on the project's
page, go into README.txt alone. What it cannot render (a table, a link
elsewhere, a character outside ASCII) stops it with a message, so a
release is never built with a README.txt that reads wrong.
"""
import re
import sys
import textwrap

END = "<!-- README.txt ends here -->"
SKIP_FROM = "<!-- not in README.txt -->"
SKIP_TO = "<!-- /not in README.txt -->"
ONLY_FROM = "<!-- README.txt only"
ONLY_TO = "-->"
WIDTH = 76
UNDERLINES = {1: "=", 2: "-", 3: "~"}
FOOTER = "Kavrin is free software under the MIT licence: see LICENSE.txt."


class Unrenderable(Exception):
    pass


def anchor(heading):
    """The anchor GitHub gives a heading: lower case, punctuation dropped."""
    text = re.sub(r"[^\w\- ]", "", heading.strip().lower())
    return text.replace(" ", "-")


def headings(lines):
    found = {}
    fenced = False
    for line in lines:
        if line.startswith("```"):
            fenced = not fenced
        match = None if fenced else re.match(r"^(#{1,6}) +(.*?) *$", line)
        if match:
            found.setdefault(anchor(match.group(2)), match.group(2))
    return found


# Blanks inside a code span: a path or a command is never broken across lines.
KEEP_TOGETHER = "\x01"


def inline(text, player):
    """Text without Markdown's marks. Code spans keep their text whole; a
    lone character in one is put in single quotes, so that `;` reads as ';'."""
    spans = []

    def code(match):
        content = match.group(1)
        if len(content) == 1 and not content.isalnum():
            content = "'%s'" % content
        spans.append(content.replace(" ", KEEP_TOGETHER))
        return "\x00%d\x00" % (len(spans) - 1)

    def link(match):
        label, target = match.group(1), match.group(2)
        heading = player.get(target[1:]) if target.startswith("#") else None
        if heading is None:
            raise Unrenderable("a link to what README.txt does not hold: " + target)
        name = '"%s"' % heading
        return name if label == heading else "%s (%s)" % (label, name)

    text = re.sub(r"`([^`]*)`", code, text)
    text = re.sub(r"!\[([^\]]*)\]\(([^)]*)\)", "", text)
    text = re.sub(r"\[([^\]]+)\]\(([^)]+)\)", link, text)
    text = re.sub(r"\*\*(.+?)\*\*", r"\1", text)
    # Italics name what Windows shows: buttons, boxes, menu items.
    text = re.sub(r"(?<![\w*])\*([^*\s][^*]*?)\*(?![\w*])", r'"\1"', text)
    text = re.sub(r"\\([\\`*_{}\[\]()#+\-.!|<>])", r"\1", text)
    if re.search(r"\*\*|\]\(", text):
        raise Unrenderable("Markdown left over: " + text[:60])
    return re.sub("\x00(\\d+)\x00", lambda match: spans[int(match.group(1))], text)


def wrap(text, first, rest):
    lines = textwrap.wrap(text, WIDTH, initial_indent=first, subsequent_indent=rest,
                          break_long_words=False, break_on_hyphens=False) or [first.rstrip()]
    return [line.replace(KEEP_TOGETHER, " ") for line in lines]


def render(lines, player):
    out = []
    block = []  # (indent of the item's text, marker, words) or paragraph

    def blank():
        if out and out[-1] != "":
            out.append("")

    def flush():
        if not block:
            return
        kind, indent, marker, words = block[0], block[1], block[2], " ".join(block[3])
        text = inline(words, player)
        if kind == "item":
            out.extend(wrap(text, " " * indent + marker, " " * (indent + len(marker))))
        else:
            out.extend(wrap(text, " " * indent, " " * indent))
        block.clear()

    fence = None
    for number, line in enumerate(lines, 1):
        try:
            if fence is not None:
                if line.strip().startswith("```"):
                    fence = None
                    blank()
                else:
                    out.append(" " * fence + line.strip() if line.strip() else "")
                continue
            stripped = line.strip()
            if stripped.startswith("```"):
                flush()
                # Code four columns in from the text it belongs to.
                lead = len(line) - len(line.lstrip())
                fence = (block_indent(out, lead)) + 4
                blank()
                continue
            if not stripped:
                flush()
                blank()
                continue
            if re.fullmatch(r"<!--.*-->", stripped):
                continue
            if stripped.startswith("|"):
                raise Unrenderable("a table: write it as a list")
            if stripped.startswith(">") or stripped.startswith("<"):
                raise Unrenderable("a quote or HTML: " + stripped[:40])
            if re.fullmatch(r"!\[[^\]]*\]\([^)]*\)", stripped):
                flush()
                continue
            heading = re.match(r"^(#{1,3}) +(.*?) *$", line)
            if heading:
                flush()
                blank()
                if heading.group(1) != "#":
                    out.append("")
                title = inline(heading.group(2), player)
                out.extend([title, UNDERLINES[len(heading.group(1))] * len(title), ""])
                continue
            item = re.match(r"^( *)([-*]|\d+\.) +(.*)$", line)
            if item:
                flush()
                lead = len(item.group(1))
                marker = "- " if item.group(2) in "-*" else item.group(2) + " "
                block[:] = ["item", 2 + lead, marker, [item.group(3)]]
                continue
            if block:
                block[3].append(stripped)
            else:
                lead = len(line) - len(line.lstrip())
                block[:] = ["para", block_indent(out, lead) if lead else 0, "", [stripped]]
        except Unrenderable as problem:
            raise Unrenderable("README.md line %d: %s" % (number, problem))
    flush()
    while out and out[-1] == "":
        out.pop()
    return out


def block_indent(out, lead):
    """The column text indented by `lead` in Markdown starts at here."""
    return 2 + lead if lead else 0


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: readme-txt.py README.md VERSION")
    with open(sys.argv[1], encoding="utf-8") as source:
        lines = source.read().splitlines()
    if END not in lines:
        sys.exit("readme-txt.py: README.md has no line " + END)
    part = lines[: lines.index(END)]
    kept, skipping, only = [], False, False
    for line in part:
        if line.strip() == SKIP_FROM:
            skipping = True
        elif line.strip() == SKIP_TO:
            skipping = False
        elif line.strip() == ONLY_FROM:
            only = True
        elif only and line.strip() == ONLY_TO:
            only = False
        elif not skipping:
            kept.append(line)
    player = headings(kept)
    if not kept or not kept[0].startswith("# "):
        sys.exit("readme-txt.py: README.md does not start with its title")
    kept[0] = "%s %s" % (kept[0], sys.argv[2])
    try:
        text = render(kept, player) + ["", "", FOOTER]
    except Unrenderable as problem:
        sys.exit("readme-txt.py: " + str(problem))
    for number, line in enumerate(text, 1):
        if not line.isascii():
            sys.exit("readme-txt.py: README.txt line %d is not ASCII: %s" % (number, line))
    sys.stdout.buffer.write(("\r\n".join(text) + "\r\n").encode("ascii"))


if __name__ == "__main__":
    main()
