#!/usr/bin/env python3
"""Reads a saved game written by brakvell-sim with nothing but python's zlib.

Builds a league image, writes it as a current-format file, has the tool load
and save it again, and checks the tool's file field by field: the header, the
100 chunk lengths, each chunk a complete zlib stream, the image and the
stored checksum."""
import os
import random
import struct
import subprocess
import sys
import tempfile
import zlib

SIZE = 6693836
SIZES = [66938] * 99 + [66974]
GAME_STATE = 3154204
SAVED_SUM = GAME_STATE + 98 * 4


def build_image():
    rng = random.Random(2187)
    image = bytearray(SIZE)
    image[0:12] = b"Python Check"
    for t in range(36):  # every franchise unused, so the load's team sort moves nothing
        struct.pack_into("<i", image, 2480 + t * 68452 + 256 + 80 * 756 + (481 + 2) * 4, -1)
    for start, length in ((2480 + 36 * 68452, 5 * 68452), (2817004, 300 * 1124), (3154892, 32768 * 92)):
        for i in range(start, start + length, 4):
            image[i] = rng.randrange(40)
    struct.pack_into("<i", image, GAME_STATE + 22 * 4, 7)
    for t in range(36, 41):  # positions name a row of the game's tables, or the tool refuses the file
        for slot in range(80):
            image[2480 + t * 68452 + 256 + slot * 756 + 48 + 4] %= 14
    return image


def checksum(image):
    words = struct.unpack("<%di" % (SIZE // 4), image)
    total = sum(w & 0xFFFFFFFF for w in words) - (words[98 + GAME_STATE // 4] & 0xFFFFFFFF)
    return total & 0xFFFFFFFF


def write_file(path, image):
    with open(path, "wb") as f:
        f.write(b"ZEPHRONILKARD21870000U\0\0\0")
        pos = 0
        for size in SIZES:
            data = zlib.compress(bytes(image[pos:pos + size]), 9)
            f.write(struct.pack("<I", len(data)) + data)
            pos += size


def read_file(path):
    with open(path, "rb") as f:
        data = f.read()
    assert data[:25] == b"ZEPHRONILKARD21870000U\0\0\0", data[:25]
    pos, image = 25, bytearray()
    for i, size in enumerate(SIZES):
        (length,) = struct.unpack_from("<I", data, pos)
        pos += 4
        assert length <= size, (i, length)
        stream = zlib.decompressobj()
        plain = stream.decompress(data[pos:pos + length])
        assert stream.eof and not stream.unused_data, i
        assert len(plain) == size, (i, len(plain))
        image += plain
        pos += length
    assert pos == len(data), "bytes after the last chunk"
    return image


def main():
    sim = sys.argv[1]
    image = build_image()
    # The tool refuses a current-format file whose stored sum is wrong.
    struct.pack_into("<I", image, SAVED_SUM, checksum(image))
    with tempfile.TemporaryDirectory() as folder:
        source, copy = os.path.join(folder, "in.vtr"), os.path.join(folder, "out.vtr")
        write_file(source, image)
        subprocess.run([sim, "convert", source, copy], check=True, stdout=subprocess.DEVNULL)
        written = read_file(copy)
    expected = bytearray(image)
    assert written == expected, "image differs"
    print("saved game read back with zlib: 1 passed, 0 failed")


if __name__ == "__main__":
    main()
