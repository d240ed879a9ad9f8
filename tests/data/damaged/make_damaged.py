#!/usr/bin/env python3
"""Writes the damaged saved games replayed by the saved-game tests.

Run in this folder; the files are checked in, this script only documents
how each was made."""
import struct
import zlib

MAGIC = b"ZEPHRONILKARD"
HEADER = MAGIC + b"21870000U\0\0\0"
SIZES = [66938] * 99 + [66974]


def chunk(data):
    return struct.pack("<I", len(data)) + data


def zero_chunks(count=100):
    return b"".join(chunk(zlib.compress(bytes(SIZES[i]), 6)) for i in range(count))


VALID = HEADER + zero_chunks()
first = zlib.compress(bytes(SIZES[0]), 6)
corrupt = bytearray(first)
corrupt[-1] ^= 0x55  # the Adler-32 trailer
bad_method = bytearray(first)
bad_method[0] = 0x79
last_too_long = HEADER + zero_chunks(99) + struct.pack("<I", 66975) + bytes(66975)

files = {
    "empty.vtr": b"",
    "truncated_header.vtr": b"ZEPHRONIL",
    "short_version.vtr": MAGIC + b"21",
    "wrong_magic.vtr": b"ZEPHRONILKARE" + VALID[13:],
    "bad_digits.vtr": MAGIC + b"2x87" + VALID[17:],
    "current_header_cut.vtr": HEADER[:20],
    "chunk_length_too_big.vtr": HEADER + struct.pack("<I", 66939) + bytes(66939),
    "last_chunk_length_too_big.vtr": last_too_long,
    "huge_length.vtr": HEADER + struct.pack("<I", 0xFFFFFFFF) + first,
    "truncated_chunk.vtr": HEADER + struct.pack("<I", len(first)) + first[: len(first) // 2],
    "corrupt_zlib.vtr": HEADER + chunk(bytes(corrupt)) + zero_chunks()[len(chunk(first)):],
    "corrupt_zlib_header.vtr": HEADER + chunk(bytes(bad_method)) + zero_chunks()[len(chunk(first)):],
    "short_stream.vtr": HEADER + chunk(zlib.compress(bytes(1000))) + zero_chunks()[len(chunk(first)):],
    "long_stream.vtr": HEADER + chunk(zlib.compress(bytes(66939))) + zero_chunks()[len(chunk(first)):],
    "missing_chunks.vtr": HEADER + zero_chunks(50),
    "trailing_garbage.vtr": VALID + b"junk",
    "corrupt_implode.vtr": MAGIC + b"2160" + chunk(bytes([0, 9, 0x12, 0x34, 0x56, 0x78])),
    "corrupt_oldest.vtr": MAGIC + b"1990" + chunk(bytes([0, 6, 0xff, 0xff, 0xff, 0xff, 0xff, 0xff])),
    "garbage_implode.vtr": MAGIC + b"2050" + chunk(bytes([0, 4]) + bytes(range(7, 250, 3))),
}
for name, data in files.items():
    with open(name, "wb") as f:
        f.write(data)
