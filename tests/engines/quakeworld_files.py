#!/usr/bin/env python3
"""Hand-made QuakeWorld files for tests/engines/run.sh; none of them is id's data.

  quakeworld_files.py base ID1           what ezQuake stops without: black pictures
  quakeworld_files.py qwd PATH LETTER    a .qwd demo that prints KAVRIN_DEMO_<LETTER>
  quakeworld_files.py mvd PATH LETTER    the same as an .mvd demo
  quakeworld_files.py args LINE          LINE's words as ezQuake's Windows build
                                         splits its command line, each ended by a NUL

Each demo prints its letter, then the server data, then ends as a recorded
demo ends. Without a map the client never becomes active, so ezQuake reads
the whole demo at once: it lasts a frame or two, not its recorded time.
"""
import os
import struct
import sys

SVC_NOP = 1
SVC_DISCONNECT = 2
SVC_PRINT = 8
SVC_SERVERDATA = 11
PRINT_HIGH = 2
PROTOCOL_VERSION = 28
SPECTATOR = 128
DEM_READ = 1
DEM_ALL = 6
TYP_QPIC = 66
TYP_MIPTEX = 68  # the lump type gfx.wad gives its console font
WEAPONS = ("shotgun", "sshotgun", "nailgun", "snailgun", "rlaunch", "srlaunch", "lightng")
# The status bar's pictures ezQuake looks up in gfx.wad, and the loose ones
# the menus and the screen ask for; a missing one stops it at start.
WAD_PICTURES = (
    ["disc", "backtile", "ram", "net", "turtle"]
    + [f"{kind}_{n}" for n in list(range(10)) + ["minus"] for kind in ("num", "anum")]
    + ["num_colon", "num_slash"]
    + [f"{kind}_{w}" for kind in ("inv", "inv2", "inva1", "inva2", "inva3", "inva4", "inva5") for w in WEAPONS]
    + [f"sb_{item}" for item in ("shells", "nails", "rocket", "cells", "armor1", "armor2", "armor3", "key1",
                                 "key2", "invis", "invuln", "suit", "quad", "sigil1", "sigil2", "sigil3", "sigil4")]
    + [f"face{part}{n}" for n in range(1, 6) for part in ("", "_p")]
    + ["face_invis", "face_invul2", "face_inv2", "face_quad", "sbar", "ibar", "scorebar"]
)
LOOSE_PICTURES = (
    ["pause", "loading", "ttl_main", "mainmenu", "ttl_sgl", "qplaque", "sp_menu", "p_load", "p_save",
     "p_multi", "ranking", "complete", "inter", "finale"]
    + [f"box_{part}" for part in ("tl", "ml", "bl", "tm", "mm", "mm2", "bm", "tr", "mr", "br")]
    + [f"menudot{n}" for n in range(1, 7)]
)


def picture(width, height):
    return struct.pack("<ii", width, height) + bytes(width * height)


def wad():
    # ezQuake cuts the ammo counters out of "ibar" at fixed places: a smaller
    # one makes it write past its buffer.
    lumps = [(b"conchars", TYP_MIPTEX, bytes(128 * 128))]
    lumps += [(name.encode(), TYP_QPIC, picture(320, 24) if name == "ibar" else picture(8, 8))
              for name in WAD_PICTURES]
    header_size = 12
    data, directory = b"", b""
    for name, kind, content in lumps:
        directory += struct.pack("<iiibbbb16s", header_size + len(data), len(content), len(content), kind, 0, 0, 0, name)
        data += content
    return b"WAD2" + struct.pack("<ii", len(lumps), header_size + len(data)) + data + directory


def base(id1):
    files = {
        "gfx.wad": wad(),
        "gfx/palette.lmp": bytes(256 * 3),
        "gfx/colormap.lmp": bytes(64 * 256),
        "gfx/conback.lmp": picture(320, 200),  # the size ezQuake insists on
    }
    files.update({f"gfx/{name}.lmp": picture(8, 8) for name in LOOSE_PICTURES})
    os.makedirs(os.path.join(id1, "gfx"), exist_ok=True)
    for name, content in files.items():
        with open(os.path.join(id1, name), "wb") as out:
            out.write(content)


def string(text):
    return text.encode() + b"\0"


def messages(letter, mvd):
    # The server data names "qw" as the game folder, so playing the demo
    # keeps the client in qw, where Kavrin's scripts lie. An .mvd carries the
    # demo's start time where a .qwd carries the player's slot.
    viewer = struct.pack("<f", 0.0) if mvd else bytes([SPECTATOR])
    movevars = struct.pack("<10f", 800, 100, 320, 500, 10, 0.7, 10, 4, 1, 1)
    serverdata = (bytes([SVC_SERVERDATA]) + struct.pack("<ii", PROTOCOL_VERSION, 1) + string("qw") + viewer
                  + string("kavrin") + movevars)
    return [bytes([SVC_PRINT, PRINT_HIGH]) + string(f"KAVRIN_DEMO_{letter}\n"), serverdata, bytes([SVC_NOP]),
            bytes([SVC_DISCONNECT]) + string("EndOfDemo")]


def qwd(letter):
    # Each message: its time, dem_read, its length, then the packet with
    # the netchan's sequence numbers, as the client recorded it.
    out = b""
    for sequence, message in enumerate(messages(letter, False), 1):
        packet = struct.pack("<ii", sequence, 0) + message
        out += struct.pack("<fBi", 0.0, DEM_READ, len(packet)) + packet
    return out


def mvd(letter):
    # Each message: milliseconds since the last, dem_all, its length, the message.
    return b"".join(struct.pack("<BBi", 0, DEM_ALL, len(m)) + m for m in messages(letter, True))


def windows_args(line):
    # As sys_win.c's ParseCommandLine: bytes up to 32 and above 126 part
    # words; a word that starts with a quote runs to the next quote, which
    # is dropped, and a backslash escapes nothing; at most 49 words.
    words, i, data = [], 0, line
    while i < len(data) and len(words) < 49:
        while i < len(data) and (data[i] <= 32 or data[i] > 126):
            i += 1
        if i == len(data):
            break
        if data[i] == ord('"'):
            end = data.find(b'"', i + 1)
            end = len(data) if end < 0 else end
            words.append(data[i + 1:end])
        else:
            end = i
            while end < len(data) and 32 < data[end] <= 126:
                end += 1
            words.append(data[i:end])
        i = end + 1
    return words


def main(argv):
    if len(argv) == 3 and argv[1] == "base":
        base(argv[2])
        return
    if len(argv) == 3 and argv[1] == "args":
        sys.stdout.buffer.write(b"".join(word + b"\0" for word in windows_args(os.fsencode(argv[2]))))
        return
    if len(argv) == 4 and argv[1] in ("qwd", "mvd") and len(argv[3]) == 1:
        data = qwd(argv[3]) if argv[1] == "qwd" else mvd(argv[3])
    else:
        sys.exit(__doc__)
    with open(argv[2], "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main(sys.argv)
