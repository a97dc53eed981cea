#!/usr/bin/env python3
"""Hand-made Quake files for tests/engines/run.sh; none of them is id's data.

  quake_files.py demo PATH LETTER   a demo that prints KAVRIN_DEMO_<LETTER>, then ends
  quake_files.py wad PATH           a gfx.wad holding a blank console font
  quake_files.py pak PATH           a pak of the pictures QuakeSpasm stops without
  quake_files.py pop PATH           the gfx/pop.lmp QuakeSpasm's registered check wants
"""
import struct
import sys

SVC_DISCONNECT = 2
SVC_STUFFTEXT = 9
TYP_MIPTEX = 68  # the lump type gfx.wad gives its console font


def demo(letter):
    # The CD track line, then messages: length, three view angles, bytes.
    # The stuffed echo marks the demo's start in the log; the disconnect ends
    # it as a recorded demo ends, which is what moves the loop to the next.
    messages = (
        bytes([SVC_STUFFTEXT]) + f"echo KAVRIN_DEMO_{letter}\n".encode() + b"\0",
        bytes([SVC_DISCONNECT]),
    )
    out = b"-1\n"
    for message in messages:
        out += struct.pack("<i3f", len(message), 0.0, 0.0, 0.0) + message
    return out


def wad():
    # Engines of the QuakeSpasm line stop at once without gfx.wad and its
    # 128 x 128 "conchars" lump; a loose gfx.wad is read even as shareware.
    conchars = bytes(128 * 128)
    header_size = 12
    lump = struct.pack("<iiibbbb16s", header_size, len(conchars), len(conchars), TYP_MIPTEX, 0, 0, 0, b"conchars")
    return b"WAD2" + struct.pack("<ii", 1, header_size + len(conchars)) + conchars + lump


def pak():
    # QuakeSpasm stops at once without these three, all black here. Unless
    # it finds the registered game it reads a file in a subfolder such as
    # gfx/ only from a pak file, never loose from a folder; and any pak0.pak
    # but id's marks the game modified, which the shareware game refuses.
    # Its own quakespasm.pak, in the base folder, it reads without that mark.
    files = {
        "gfx/palette.lmp": bytes(256 * 3),
        "gfx/colormap.lmp": bytes(64 * 256),  # 64 light levels of 256 colours
        "gfx/conback.lmp": struct.pack("<ii", 8, 8) + bytes(64),  # width, height, pixels
    }
    header_size = 12
    data, directory = b"", b""
    for name, content in files.items():
        directory += struct.pack("<56sii", name.encode(), header_size + len(data), len(content))
        data += content
    return b"PACK" + struct.pack("<ii", header_size + len(data), len(directory)) + data + directory


# QuakeSpasm's registered check compares gfx/pop.lmp, read as 128
# big-endian shorts, with this table from its own GPL source (Quake/common.c).
POP = (
    0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000, 0x0000,
    0x0000, 0x0000, 0x6600, 0x0000, 0x0000, 0x0000, 0x6600, 0x0000,
    0x0000, 0x0066, 0x0000, 0x0000, 0x0000, 0x0000, 0x0067, 0x0000,
    0x0000, 0x6665, 0x0000, 0x0000, 0x0000, 0x0000, 0x0065, 0x6600,
    0x0063, 0x6561, 0x0000, 0x0000, 0x0000, 0x0000, 0x0061, 0x6563,
    0x0064, 0x6561, 0x0000, 0x0000, 0x0000, 0x0000, 0x0061, 0x6564,
    0x0064, 0x6564, 0x0000, 0x6469, 0x6969, 0x6400, 0x0064, 0x6564,
    0x0063, 0x6568, 0x6200, 0x0064, 0x6864, 0x0000, 0x6268, 0x6563,
    0x0000, 0x6567, 0x6963, 0x0064, 0x6764, 0x0063, 0x6967, 0x6500,
    0x0000, 0x6266, 0x6769, 0x6a68, 0x6768, 0x6a69, 0x6766, 0x6200,
    0x0000, 0x0062, 0x6566, 0x6666, 0x6666, 0x6666, 0x6562, 0x0000,
    0x0000, 0x0000, 0x0062, 0x6364, 0x6664, 0x6362, 0x0000, 0x0000,
    0x0000, 0x0000, 0x0000, 0x0062, 0x6662, 0x0000, 0x0000, 0x0000,
    0x0000, 0x0000, 0x0000, 0x0061, 0x6661, 0x0000, 0x0000, 0x0000,
    0x0000, 0x0000, 0x0000, 0x0000, 0x6500, 0x0000, 0x0000, 0x0000,
    0x0000, 0x0000, 0x0000, 0x0000, 0x6400, 0x0000, 0x0000, 0x0000,
)


def pop():
    return struct.pack(">128H", *POP)


def main(argv):
    if len(argv) == 4 and argv[1] == "demo" and len(argv[3]) == 1:
        data = demo(argv[3])
    elif len(argv) == 3 and argv[1] == "wad":
        data = wad()
    elif len(argv) == 3 and argv[1] == "pak":
        data = pak()
    elif len(argv) == 3 and argv[1] == "pop":
        data = pop()
    else:
        sys.exit(__doc__)
    with open(argv[2], "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main(sys.argv)
