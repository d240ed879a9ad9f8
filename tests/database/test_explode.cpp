#include <gtest/gtest.h>
#include <zlib.h>

#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <vector>

#include "database/explode.h"
#include "test_support.h"

namespace {
using Bytes = std::vector<uint8_t>;

constexpr size_t CHUNK_ROOM = 66974;  // the largest chunk of a saved game

Bytes Read_Fixture(const std::string& szName) {
    std::ifstream file(Test_Data("implode/" + szName), std::ios::binary);
    EXPECT_TRUE(file.good()) << szName;
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

struct ManifestRow {
    std::string szFixture, szRaw, szExpected;
};

std::vector<ManifestRow> Read_Manifest() {
    std::vector<ManifestRow> rows;
    std::ifstream file(Test_Data("implode/manifest.tsv"));
    std::string szLine;
    std::getline(file, szLine);  // column names
    while (std::getline(file, szLine)) {
        std::istringstream fields(szLine);
        ManifestRow row;
        std::string szMode, szDict, szSha;
        std::getline(fields, row.szFixture, '\t');
        std::getline(fields, row.szRaw, '\t');
        std::getline(fields, szMode, '\t');
        std::getline(fields, szDict, '\t');
        std::getline(fields, szSha, '\t');
        std::getline(fields, row.szExpected, '\t');
        rows.push_back(row);
    }
    return rows;
}

// zlib's checksum, so the decoder's running CRC is checked against code it does not share.
uint32_t Reference_Crc(const Bytes& data, size_t nCount) {
    return (uint32_t)crc32(crc32(0, nullptr, 0), data.data(), (uInt)nCount);
}

struct Decoded {
    int nResult;
    Bytes output;
    uint32_t nCrc;
};

Decoded Decode_Into(const Bytes& input, size_t nRoom) {
    Decoded d;
    d.output.assign(nRoom, 0xCD);
    size_t nWritten = 0;
    d.nResult = Explode_Buffer(input.data(), input.size(), d.output.data(), nRoom, &nWritten, &d.nCrc);
    EXPECT_LE(nWritten, nRoom);
    d.output.resize(nWritten);
    return d;
}

// Builds streams by hand. Prefix codes are given as sent (inverted, first bit first).
struct BitWriter {
    Bytes bytes;
    int nUsed = 8;
    void Bit(int nBit) {
        if (nUsed == 8) {
            bytes.push_back(0);
            nUsed = 0;
        }
        bytes.back() |= (uint8_t)(nBit << nUsed++);
    }
    void Code(const char* szBits) {
        for (; *szBits; szBits++) Bit(*szBits == '1');
    }
    void Value(unsigned nValue, int nBits) {
        for (int i = 0; i < nBits; i++) Bit((nValue >> i) & 1);
    }
    void Literal(uint8_t nByte) {  // binary mode
        Bit(0);
        Value(nByte, 8);
    }
    void End() {
        Bit(1);
        Code("0000000");  // length symbol 15
        Value(255, 8);
    }
};

Bytes Binary_Stream(int nDictionaryCode) { return Bytes{0, (uint8_t)nDictionaryCode}; }

Bytes Append(Bytes head, const Bytes& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}
}  // namespace

class ExplodeTest : public LeagueTest {};

TEST_F(ExplodeTest, EveryGoodFixtureDecodesToItsRawFile) {
    int nGood = 0;
    for (const ManifestRow& row : Read_Manifest()) {
        if (row.szExpected != "ok") continue;
        nGood++;
        Bytes raw = Read_Fixture(row.szRaw);
        Bytes input = Read_Fixture(row.szFixture);
        // Room for exactly the output: a stream that fills its buffer is not refused.
        Decoded exact = Decode_Into(input, raw.size());
        EXPECT_EQ(exact.nResult, EXPLODE_OK) << row.szFixture;
        EXPECT_TRUE(exact.output == raw) << row.szFixture;
        EXPECT_EQ(exact.nCrc, Reference_Crc(raw, raw.size())) << row.szFixture;
        Decoded roomy = Decode_Into(input, CHUNK_ROOM);
        EXPECT_EQ(roomy.nResult, EXPLODE_OK) << row.szFixture;
        EXPECT_TRUE(roomy.output == raw) << row.szFixture;
    }
    EXPECT_EQ(nGood, 85);
    EXPECT_TRUE(Headless_Notices().empty());
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(ExplodeTest, DamagedFixturesAreRefused) {
    const std::pair<const char*, int> expected[] = {
        {"corrupt_truncated.m0.d4096.imploded", EXPLODE_TRUNCATED},
        {"corrupt_dictcode.m0.dcode7.imploded", EXPLODE_BAD_DICTIONARY},
        {"corrupt_litmode.m2.d4096.imploded", EXPLODE_BAD_HEADER},
    };
    int nErrors = 0;
    for (const ManifestRow& row : Read_Manifest()) {
        if (row.szExpected != "error") continue;
        nErrors++;
        int nWant = -1;
        for (const auto& [szName, nCode] : expected)
            if (row.szFixture == szName) nWant = nCode;
        EXPECT_EQ(Decode_Into(Read_Fixture(row.szFixture), CHUNK_ROOM).nResult, nWant) << row.szFixture;
    }
    EXPECT_EQ(nErrors, 3);
    EXPECT_TRUE(Headless_Notices().empty());
}

TEST_F(ExplodeTest, ShortestStreamIsHeaderAndEndCode) {
    // Four bytes make a whole stream: header, then the 16-bit end code.
    Decoded d = Decode_Into(Bytes{0, 4, 0x01, 0xFF}, CHUNK_ROOM);
    EXPECT_EQ(d.nResult, EXPLODE_OK);
    EXPECT_TRUE(d.output.empty());
    EXPECT_EQ(d.nCrc, 0u);
    EXPECT_EQ(Decode_Into(Bytes{1, 6, 0x01, 0xFF}, 0).nResult, EXPLODE_OK);

    EXPECT_EQ(Decode_Into(Bytes{}, CHUNK_ROOM).nResult, EXPLODE_BAD_HEADER);
    EXPECT_EQ(Decode_Into(Bytes{0}, CHUNK_ROOM).nResult, EXPLODE_BAD_HEADER);
    EXPECT_EQ(Decode_Into(Bytes{0, 4}, CHUNK_ROOM).nResult, EXPLODE_TRUNCATED);
    EXPECT_EQ(Decode_Into(Bytes{0, 4, 0x01}, CHUNK_ROOM).nResult, EXPLODE_TRUNCATED);
    EXPECT_EQ(Decode_Into(Bytes{0, 3, 0x01, 0xFF}, CHUNK_ROOM).nResult, EXPLODE_BAD_DICTIONARY);
    EXPECT_EQ(Decode_Into(Bytes{255, 4, 0x01, 0xFF}, CHUNK_ROOM).nResult, EXPLODE_BAD_HEADER);
}

TEST_F(ExplodeTest, BytesAfterTheEndCodeAreIgnored) {
    Bytes raw = Read_Fixture("aiai.raw");
    Decoded d = Decode_Into(Append(Read_Fixture("known_aiai.m0.d1024.imploded"), Bytes(100, 0xFF)), CHUNK_ROOM);
    EXPECT_EQ(d.nResult, EXPLODE_OK);
    EXPECT_TRUE(d.output == raw);
}

TEST_F(ExplodeTest, DistancesMayReachTheFirstByteButNotBefore) {
    BitWriter good;
    good.Literal('A');
    good.Bit(1);
    good.Code("11");  // length 3
    good.Code("11");  // distance 1
    good.Value(0, 4);
    good.Literal('B');
    good.Bit(1);
    good.Code("101");  // length 2: two low distance bits whatever the dictionary
    good.Code("11");
    good.Value(1, 2);  // distance 2
    good.End();
    Decoded d = Decode_Into(Append(Binary_Stream(4), good.bytes), CHUNK_ROOM);
    EXPECT_EQ(d.nResult, EXPLODE_OK);
    EXPECT_EQ(std::string(d.output.begin(), d.output.end()), "AAAABAB");

    BitWriter bad;
    bad.Literal('A');
    bad.Bit(1);
    bad.Code("11");
    bad.Code("11");
    bad.Value(1, 4);  // distance 2, one byte produced
    bad.End();
    EXPECT_EQ(Decode_Into(Append(Binary_Stream(4), bad.bytes), CHUNK_ROOM).nResult, EXPLODE_BAD_DATA);

    BitWriter first;  // a match before any literal
    first.Bit(1);
    first.Code("11");
    first.Code("11");
    first.Value(0, 4);
    first.End();
    EXPECT_EQ(Decode_Into(Append(Binary_Stream(4), first.bytes), CHUNK_ROOM).nResult, EXPLODE_BAD_DATA);
}

TEST_F(ExplodeTest, LongestDistanceAcrossTheWindowEdge) {
    // 4096 literals fill the window once; a copy from 4096 back then wraps onto
    // bytes already handed out, and the copy itself crosses the next flush.
    BitWriter w;
    Bytes expected;
    for (int i = 0; i < 4096 + 4090; i++) {
        uint8_t nByte = (uint8_t)(i * 7 + i / 256);
        w.Literal(nByte);
        expected.push_back(nByte);
    }
    w.Bit(1);
    w.Code("00100");  // length 10 + one extra bit
    w.Value(0, 1);
    w.Code("00000000");  // distance symbol 63
    w.Value(63, 6);      // distance 4096
    for (int i = 0; i < 10; i++) expected.push_back(expected[expected.size() - 4096]);
    w.End();
    Decoded d = Decode_Into(Append(Binary_Stream(6), w.bytes), CHUNK_ROOM);
    EXPECT_EQ(d.nResult, EXPLODE_OK);
    EXPECT_TRUE(d.output == expected);
    EXPECT_EQ(d.nCrc, Reference_Crc(expected, expected.size()));
}

TEST_F(ExplodeTest, OutputBeyondTheBufferIsRefusedWithABox) {
    Bytes raw = Read_Fixture("english_4k.raw");
    Decoded some = Decode_Into(Read_Fixture("english_4k.m1.d2048.imploded"), 4000);
    EXPECT_EQ(some.nResult, EXPLODE_NO_ROOM);
    EXPECT_TRUE(some.output.empty());  // a refused piece is not written in part
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Compression Error");
    EXPECT_EQ(Headless_Notices()[0].text, "Out of buffer space - #1");

    // 16 full windows fill 65536 bytes exactly; the rest then finds no room at all.
    Headless_Reset();
    Bytes chunk = Read_Fixture("dbchunk_66938.raw");
    Decoded none = Decode_Into(Read_Fixture("dbchunk_66938_stormlib.m0.d4096.imploded"), 65536);
    EXPECT_EQ(none.nResult, EXPLODE_NO_ROOM);
    ASSERT_EQ(none.output.size(), 65536u);
    EXPECT_TRUE(std::equal(none.output.begin(), none.output.end(), chunk.begin()));
    EXPECT_EQ(none.nCrc, Reference_Crc(chunk, 65536));
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Compression Error");
    EXPECT_EQ(Headless_Notices()[0].text, "Out of buffer space - #2");

    Headless_Reset();
    EXPECT_EQ(Decode_Into(Read_Fixture("one_byte.m0.d1024.imploded"), 0).nResult, EXPLODE_NO_ROOM);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].text, "Out of buffer space - #2");
}

namespace {
struct Trickle {
    Bytes input;
    size_t nPos = 0;
    unsigned nStep = 1;     // bytes handed per read
    unsigned nOverstate = 0;  // claimed on top of what was really given
    Bytes output;
    unsigned nLargestWrite = 0;
};

unsigned Trickle_Read(uint8_t* pBuffer, unsigned nSize, void* pParam) {
    Trickle& t = *(Trickle*)pParam;
    size_t n = std::min({(size_t)nSize, (size_t)t.nStep, t.input.size() - t.nPos});
    std::copy_n(t.input.begin() + (long)t.nPos, n, pBuffer);
    t.nPos += n;
    return n ? (unsigned)n + t.nOverstate : 0;
}

bool Trickle_Write(const uint8_t* pBuffer, unsigned nSize, void* pParam) {
    Trickle& t = *(Trickle*)pParam;
    t.output.insert(t.output.end(), pBuffer, pBuffer + nSize);
    t.nLargestWrite = std::max(t.nLargestWrite, nSize);
    return true;
}
}  // namespace

TEST_F(ExplodeTest, CallbacksMayHandOverInputInAnyPieces) {
    Bytes raw = Read_Fixture("records_66974.raw");
    for (unsigned nStep : {1u, 3u, 2048u, 100000u}) {
        Trickle t;
        t.input = Read_Fixture("records_66974.m1.d4096.imploded");
        t.nStep = nStep;
        EXPECT_EQ(Explode(Trickle_Read, Trickle_Write, &t), EXPLODE_OK) << nStep;
        EXPECT_TRUE(t.output == raw) << nStep;
        EXPECT_LE(t.nLargestWrite, 4096u);
    }
}

TEST_F(ExplodeTest, AReaderThatOverstatesItsCountCannotOverrunTheDecoder) {
    Trickle t;
    t.input = Read_Fixture("random_20k.m0.d1024.imploded");
    t.nStep = 100000;
    t.nOverstate = 5000;
    int nResult = Explode(Trickle_Read, Trickle_Write, &t);
    EXPECT_GE(nResult, EXPLODE_OK);
    EXPECT_LE(nResult, EXPLODE_NO_ROOM);
}

TEST_F(ExplodeTest, MissingArgumentsAreLoggedAndRefused) {
    EXPECT_EQ(Explode(nullptr, Trickle_Write, nullptr), EXPLODE_BAD_HEADER);
    EXPECT_TRUE(Logged("Missing callback in Explode"));
    uint8_t aOut[16];
    size_t nWritten = 99;
    EXPECT_EQ(Explode_Buffer(nullptr, 4, aOut, sizeof aOut, &nWritten, nullptr), EXPLODE_BAD_HEADER);
    EXPECT_EQ(nWritten, 0u);
    EXPECT_TRUE(Logged("Invalid input buffer in Explode_Buffer"));
    Bytes one = Read_Fixture("one_byte.m0.d1024.imploded");
    EXPECT_EQ(Explode_Buffer(one.data(), one.size(), nullptr, 16, nullptr, nullptr), EXPLODE_NO_ROOM);
    EXPECT_TRUE(Logged("Invalid output buffer in Explode_Buffer"));
    EXPECT_EQ(Crc32_Update(7, nullptr, 3), 7u);
    EXPECT_TRUE(Logged("Invalid buffer in Crc32_Update"));
}

TEST_F(ExplodeTest, CrcIsTheStandardOne) {
    const uint8_t aCheck[] = {'1', '2', '3', '4', '5', '6', '7', '8', '9'};
    EXPECT_EQ(Crc32_Update(0, aCheck, sizeof aCheck), 0xCBF43926u);
    EXPECT_EQ(Crc32_Update(Crc32_Update(0, aCheck, 4), aCheck + 4, 5), 0xCBF43926u);
    EXPECT_EQ(Crc32_Update(0x1234, aCheck, 0), 0x1234u);
}

TEST_F(ExplodeTest, DamagedStreamsNeverEscapeTheirBuffers) {
    Bytes raw = Read_Fixture("english_4k.raw");
    for (const char* szName : {"english_4k.m1.d4096.imploded", "english_4k_stormlib.m0.d1024.imploded"}) {
        Bytes good = Read_Fixture(szName);
        // Every cut short of the end code is reported as such, never as success.
        for (size_t nCut = 2; nCut < good.size(); nCut++) {
            Decoded d = Decode_Into(Bytes(good.begin(), good.begin() + (long)nCut), CHUNK_ROOM);
            if (d.nResult == EXPLODE_OK) {
                EXPECT_TRUE(d.output == raw) << szName << " cut " << nCut;  // only padding was cut
            } else {
                EXPECT_EQ(d.nResult, EXPLODE_TRUNCATED) << szName << " cut " << nCut;
            }
        }
    }
    std::mt19937 generator(20240601);
    Bytes good = Read_Fixture("english_4k.m1.d4096.imploded");
    for (int nTrial = 0; nTrial < 3000; nTrial++) {
        Bytes damaged = good;
        int nFlips = 1 + (int)(generator() % 4);
        for (int i = 0; i < nFlips; i++) {
            size_t nBit = generator() % (damaged.size() * 8);
            damaged[nBit / 8] ^= (uint8_t)(1 << (nBit % 8));
        }
        if (nTrial % 3 == 0) damaged.resize(generator() % damaged.size());
        Decoded d = Decode_Into(damaged, nTrial % 2 ? CHUNK_ROOM : 5000);
        EXPECT_GE(d.nResult, EXPLODE_OK);
        EXPECT_LE(d.nResult, EXPLODE_NO_ROOM);
        if (d.nResult == EXPLODE_OK) {
            EXPECT_EQ(d.nCrc, Reference_Crc(d.output, d.output.size()));
        }
    }
    for (int nTrial = 0; nTrial < 500; nTrial++) {  // noise behind a valid header
        Bytes noise{(uint8_t)(nTrial & 1), (uint8_t)(4 + nTrial % 3)};
        for (int i = 0; i < 2000; i++) noise.push_back((uint8_t)generator());
        int nResult = Decode_Into(noise, 3000).nResult;
        EXPECT_GE(nResult, EXPLODE_OK);
        EXPECT_LE(nResult, EXPLODE_NO_ROOM);
    }
}
