#!/usr/bin/env python3
"""Hand-made Quake II files for tests/engines/run.sh; none of them is id's data.

  quake2_files.py pics BASEQ2          the black pictures both engines start with
  quake2_files.py map PATH             the smallest map Q2PRO loads
  quake2_files.py demo PATH LETTER     a demo for Yamagi's demo server
  quake2_files.py q2pro-demo PATH LETTER [gz]
                                       a demo for Q2PRO's client, gzipped with gz

Each demo prints KAVRIN_DEMO_<LETTER> as it starts, lasts about a second,
then ends as a recorded demo ends.
"""
import gzip
import os
import struct
import sys

SVC_NOP = 6
SVC_PRINT = 10
SVC_STUFFTEXT = 11
SVC_SERVERDATA = 12
SVC_CONFIGSTRING = 13
SVC_PLAYERINFO = 17
SVC_PACKETENTITIES = 18
SVC_FRAME = 20
PRINT_HIGH = 2
PROTOCOL_VERSION = 34
CS_MODELS = 32
PS_FOV = 1 << 11
CONTENTS_SOLID = 1
MAP_NAME = "maps/kavrin.bsp"
FRAMES = 10  # one second at the servers' 10 frames a second


def string(text):
    return text.encode() + b"\0"


def blocks(messages):
    # A demo is messages, each after its little-endian length; -1 ends it.
    return b"".join(struct.pack("<i", len(m)) + m for m in messages) + struct.pack("<i", -1)


def start_print(letter):
    return bytes([SVC_PRINT, PRINT_HIGH]) + string(f"KAVRIN_DEMO_{letter}\n")


def demo(letter):
    # Yamagi's server relays the file's blocks to its client as they are:
    # the client prints the first, and each no-op block takes one frame.
    return blocks([start_print(letter)] + [bytes([SVC_NOP])] * FRAMES)


def q2pro_demo(letter):
    # Q2PRO's client plays a demo only as the engine records one: the server
    # data, the map, "precache", then frames with a field of view. Without
    # the map's checksum it only warns ("Local map version differs").
    first = (bytes([SVC_SERVERDATA]) + struct.pack("<iiB", PROTOCOL_VERSION, 1, 0) + string("")
             + struct.pack("<h", 0) + string("kavrin")
             + bytes([SVC_CONFIGSTRING]) + struct.pack("<h", CS_MODELS + 1) + string(MAP_NAME)
             + start_print(letter)
             + bytes([SVC_STUFFTEXT]) + string("precache\n"))
    frames = [bytes([SVC_FRAME]) + struct.pack("<iiBB", n, -1, 0, 0)
              + bytes([SVC_PLAYERINFO]) + struct.pack("<HBi", PS_FOV, 90, 0)
              + bytes([SVC_PACKETENTITIES, 0, 0])
              for n in range(1, FRAMES + 1)]
    return blocks([first] + frames)


def bsp():
    # One plane splitting an empty leaf (in front, where the view stands)
    # from the solid leaf 0, one node, one model and one area: what Q2PRO's
    # map loader asks of a world.
    lumps = {
        0: string('{\n"classname" "worldspawn"\n}\n'),
        1: struct.pack("<4fi", 0.0, 0.0, 1.0, 0.0, 2),
        4: struct.pack("<iii6hHH", 0, ~1, ~0, -64, -64, -64, 64, 64, 64, 0, 0),
        8: struct.pack("<ihh6hHHHH", CONTENTS_SOLID, -1, 0, -64, -64, -64, 64, 64, 0, 0, 0, 0, 0)
         + struct.pack("<ihh6hHHHH", 0, 0, 0, -64, -64, 0, 64, 64, 64, 0, 0, 0, 0),
        13: struct.pack("<9fiii", -64, -64, -64, 64, 64, 64, 0, 0, 0, 0, 0, 0),
        17: struct.pack("<ii", 0, 0),
    }
    header_size = 8 + 19 * 8
    directory, data = b"", b""
    for lump in range(19):
        content = lumps.get(lump, b"")
        directory += struct.pack("<ii", header_size + len(data), len(content))
        data += content + bytes(-len(content) % 4)
    return b"IBSP" + struct.pack("<i", 38) + directory + data


def pcx(width, height):
    # 8-bit, run-length coded per line in runs of at most 63, all black.
    header = struct.pack("<BBBBhhhhhh48sBBhh58s", 0x0A, 5, 1, 8, 0, 0, width - 1, height - 1,
                         width, height, bytes(48), 0, 1, width, 1, bytes(58))
    line = b""
    left = width
    while left:
        run = min(left, 63)
        line += bytes([0xC0 | run, 0])
        left -= run
    return header + line * height + b"\x0c" + bytes(768)


def pics(baseq2):
    # Yamagi's software renderer stops at start-up without these three;
    # Q2PRO wants only colormap.pcx, for its palette.
    folder = os.path.join(baseq2, "pics")
    os.makedirs(folder, exist_ok=True)
    files = {
        "16to8.dat": bytes(65536),
        "colormap.pcx": pcx(256, 320),
        "conchars.pcx": pcx(128, 128),
    }
    for name, data in files.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


def main(argv):
    if len(argv) == 3 and argv[1] == "pics":
        pics(argv[2])
        return
    if len(argv) == 3 and argv[1] == "map":
        data = bsp()
    elif len(argv) == 4 and argv[1] == "demo" and len(argv[3]) == 1:
        data = demo(argv[3])
    elif len(argv) in (4, 5) and argv[1] == "q2pro-demo" and len(argv[3]) == 1 and argv[4:] in ([], ["gz"]):
        data = q2pro_demo(argv[3])
        if argv[4:]:
            data = gzip.compress(data)
    else:
        sys.exit(__doc__)
    with open(argv[2], "wb") as out:
        out.write(data)


if __name__ == "__main__":
    main(sys.argv)
