#include "database/explode.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <initializer_list>

#include "platform/platform.h"

namespace {

constexpr int MAX_CODE_BITS = 13;
constexpr unsigned WINDOW_SIZE = 4096;  // the largest dictionary; a power of two
constexpr unsigned INPUT_SIZE = 2048;
constexpr unsigned END_OF_STREAM = 519;  // the length that ends the stream

// A prefix code in canonical order: the number of codes of each length, and
// the symbols sorted by code length, then by value.
struct PrefixCode {
    uint16_t anCount[MAX_CODE_BITS + 1];
    uint8_t anSymbol[256];
    int nSymbols;
};

// The format publishes its code lengths packed one run per byte: the low
// nibble is the length, the high nibble the run length less one.
constexpr PrefixCode Unpack_Code(std::initializer_list<uint8_t> packed) {
    PrefixCode code{};
    uint8_t anLength[256] = {};
    for (uint8_t nRun : packed)
        for (int i = 0; i <= nRun >> 4; i++) anLength[code.nSymbols++] = nRun & 15;
    for (int nSymbol = 0; nSymbol < code.nSymbols; nSymbol++) code.anCount[anLength[nSymbol]]++;
    int anNext[MAX_CODE_BITS + 1] = {};
    for (int nBits = 1; nBits < MAX_CODE_BITS; nBits++) anNext[nBits + 1] = anNext[nBits] + code.anCount[nBits];
    for (int nSymbol = 0; nSymbol < code.nSymbols; nSymbol++)
        code.anSymbol[anNext[anLength[nSymbol]]++] = (uint8_t)nSymbol;
    return code;
}

// Every bit pattern must decode to a symbol; then no input can walk off the tables.
constexpr bool Is_Complete(const PrefixCode& code, int nSymbols) {
    if (code.nSymbols != nSymbols || code.anCount[0] != 0) return false;
    long nKraft = 0;
    for (int nBits = 1; nBits <= MAX_CODE_BITS; nBits++) nKraft += (long)code.anCount[nBits] << (MAX_CODE_BITS - nBits);
    return nKraft == 1L << MAX_CODE_BITS;
}

constexpr PrefixCode LITERAL_CODE = Unpack_Code(
    {11,  124, 8,   7,   28,  7,   188, 13,  76,  4,  10, 8,  12, 10, 12, 10, 8,  23, 8,  9,  7,  6,  7,  8,  7,
     6,   55,  8,   23,  24,  12,  11,  7,   9,   11, 12, 6,  7,  22, 5,  7,  24, 6,  11, 9,  6,  7,  22, 7,  11,
     38,  7,   9,   8,   25,  11,  8,   11,  9,   12, 8,  12, 5,  38, 5,  38, 5,  11, 7,  5,  6,  21, 6,  10, 53,
     8,   7,   24,  10,  27,  44,  253, 253, 253, 252, 252, 252, 13, 12, 45, 12, 45, 12, 61, 12, 45, 44, 173});
constexpr PrefixCode LENGTH_CODE = Unpack_Code({2, 35, 36, 53, 38, 23});
constexpr PrefixCode DISTANCE_CODE = Unpack_Code({2, 20, 53, 230, 247, 151, 248});
static_assert(Is_Complete(LITERAL_CODE, 256));
static_assert(Is_Complete(LENGTH_CODE, 16));
static_assert(Is_Complete(DISTANCE_CODE, 64));

constexpr uint16_t LENGTH_BASE[16] = {3, 2, 4, 5, 6, 7, 8, 9, 10, 12, 16, 24, 40, 72, 136, 264};
constexpr uint8_t LENGTH_EXTRA[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
static_assert(LENGTH_BASE[15] + (1 << LENGTH_EXTRA[15]) - 1 == END_OF_STREAM);

struct Exploder {
    ExplodeRead pRead;
    ExplodeWrite pWrite;
    void* pParam;
    int nError;
    bool bInputEnded;
    unsigned nInPos, nInLen;
    uint32_t nBitBuffer;
    int nBitCount;
    unsigned nNext;    // next free place in aWindow
    uint64_t nTotal;   // bytes produced so far, for checking distances
    uint8_t aWindow[WINDOW_SIZE];
    uint8_t aIn[INPUT_SIZE];  // last, so that an overrun would leave the struct where the sanitizer sees it
};

// -1 at the end of the input. The reader is not asked again once it has said so.
int Next_Byte(Exploder& s) {
    if (s.nInPos == s.nInLen) {
        if (s.bInputEnded) return -1;
        // A reader that claims more than it was asked for is not believed.
        s.nInLen = std::min(s.pRead(s.aIn, INPUT_SIZE, s.pParam), INPUT_SIZE);
        s.nInPos = 0;
        if (s.nInLen == 0) {
            s.bInputEnded = true;
            return -1;
        }
    }
    return s.aIn[s.nInPos++];
}

// Up to 8 bits, first bit in the lowest place. After an error it gives 0, so
// callers check s.nError once per code rather than after every call.
unsigned Get_Bits(Exploder& s, int nBits) {
    if (s.nError) return 0;
    while (s.nBitCount < nBits) {
        int nByte = Next_Byte(s);
        if (nByte < 0) {
            s.nError = EXPLODE_TRUNCATED;
            return 0;
        }
        s.nBitBuffer |= (uint32_t)nByte << s.nBitCount;
        s.nBitCount += 8;
    }
    unsigned nValue = s.nBitBuffer & ((1u << nBits) - 1);
    s.nBitBuffer >>= nBits;
    s.nBitCount -= nBits;
    return nValue;
}

// Codes are sent first bit first and inverted.
unsigned Decode(Exploder& s, const PrefixCode& code) {
    int nCode = 0, nFirst = 0, nIndex = 0;
    for (int nBits = 1; nBits <= MAX_CODE_BITS; nBits++) {
        nCode |= Get_Bits(s, 1) ^ 1;
        if (s.nError) return 0;
        int nCount = code.anCount[nBits];
        if (nCode - nFirst < nCount) return code.anSymbol[nIndex + nCode - nFirst];
        nIndex += nCount;
        nFirst = (nFirst + nCount) << 1;
        nCode <<= 1;
    }
    s.nError = EXPLODE_BAD_DATA;  // cannot happen with complete codes
    return 0;
}

bool Flush(Exploder& s) {
    if (s.nNext == 0 || s.pWrite(s.aWindow, s.nNext, s.pParam)) return true;
    s.nError = EXPLODE_NO_ROOM;
    return false;
}

// The window is handed over whenever it fills; it keeps its bytes for later copies.
bool Put_Byte(Exploder& s, uint8_t nByte) {
    s.aWindow[s.nNext++] = nByte;
    s.nTotal++;
    if (s.nNext < WINDOW_SIZE) return true;
    bool bTaken = Flush(s);
    s.nNext = 0;
    return bTaken;
}

void Copy_Match(Exploder& s, unsigned nLength, unsigned nDistance) {
    // nDistance <= WINDOW_SIZE: a byte is read before its place can be reused.
    unsigned nFrom = (s.nNext - nDistance) & (WINDOW_SIZE - 1);
    while (nLength--) {
        if (!Put_Byte(s, s.aWindow[nFrom])) return;
        nFrom = (nFrom + 1) & (WINDOW_SIZE - 1);
    }
}

int Run(Exploder& s) {
    int nMode = Next_Byte(s);
    int nDictionary = Next_Byte(s);
    if (nDictionary < 0 || nMode > 1) return EXPLODE_BAD_HEADER;
    if (nDictionary < 4 || nDictionary > 6) return EXPLODE_BAD_DICTIONARY;
    bool bAscii = nMode == 1;

    while (!s.nError) {
        if (Get_Bits(s, 1) == 0) {
            unsigned nLiteral = bAscii ? Decode(s, LITERAL_CODE) : Get_Bits(s, 8);
            if (!s.nError) Put_Byte(s, (uint8_t)nLiteral);
            continue;
        }
        unsigned nSymbol = Decode(s, LENGTH_CODE);
        unsigned nLength = LENGTH_BASE[nSymbol] + Get_Bits(s, LENGTH_EXTRA[nSymbol]);
        if (s.nError) break;
        if (nLength == END_OF_STREAM) {
            Flush(s);
            break;
        }
        // Two-byte matches only reach back 256 bytes.
        int nLowBits = nLength == 2 ? 2 : nDictionary;
        unsigned nDistance = (Decode(s, DISTANCE_CODE) << nLowBits) + Get_Bits(s, nLowBits) + 1;
        if (s.nError) break;
        if (nDistance > s.nTotal) return EXPLODE_BAD_DATA;
        Copy_Match(s, nLength, nDistance);
    }
    return s.nError;
}

struct MemoryStreams {
    const uint8_t* pIn;
    size_t nInLeft;
    uint8_t* pOut;
    size_t nOutSize;
    size_t nWritten;
    uint32_t nCrc;
};

unsigned Read_Memory(uint8_t* pBuffer, unsigned nSize, void* pParam) {
    MemoryStreams& m = *(MemoryStreams*)pParam;
    size_t n = std::min((size_t)nSize, m.nInLeft);
    if (n == 0) return 0;
    memcpy(pBuffer, m.pIn, n);
    m.pIn += n;
    m.nInLeft -= n;
    return (unsigned)n;
}

bool Write_Memory(const uint8_t* pBuffer, unsigned nSize, void* pParam) {
    MemoryStreams& m = *(MemoryStreams*)pParam;
    if (nSize == 0) return true;
    size_t nRoom = m.nOutSize - m.nWritten;
    if (nSize > nRoom) {
        Message_Box("Compression Error", "Out of buffer space - #%d", nRoom > 0 ? 1 : 2);
        return false;
    }
    memcpy(m.pOut + m.nWritten, pBuffer, nSize);
    m.nWritten += nSize;
    m.nCrc = Crc32_Update(m.nCrc, pBuffer, nSize);
    return true;
}

constexpr std::array<uint32_t, 256> CRC_TABLE = [] {
    std::array<uint32_t, 256> table{};
    for (uint32_t n = 0; n < 256; n++) {
        uint32_t nValue = n;
        for (int i = 0; i < 8; i++) nValue = nValue & 1 ? 0xEDB88320u ^ (nValue >> 1) : nValue >> 1;
        table[n] = nValue;
    }
    return table;
}();

}  // namespace

int Explode(ExplodeRead pRead, ExplodeWrite pWrite, void* pParam) {
    if (!pRead || !pWrite) {
        Error_Log("Missing callback in Explode");
        return EXPLODE_BAD_HEADER;
    }
    Exploder s;  // the buffers need no clearing: nothing is read before it is written
    s.pRead = pRead;
    s.pWrite = pWrite;
    s.pParam = pParam;
    s.nError = EXPLODE_OK;
    s.bInputEnded = false;
    s.nInPos = s.nInLen = 0;
    s.nBitBuffer = 0;
    s.nBitCount = 0;
    s.nNext = 0;
    s.nTotal = 0;
    return Run(s);
}

int Explode_Buffer(const uint8_t* pIn, size_t nIn, uint8_t* pOut, size_t nOutSize, size_t* pnWritten, uint32_t* pnCrc) {
    MemoryStreams m = {pIn, nIn, pOut, nOutSize, 0, 0};
    if (!pIn && nIn > 0) {
        Error_Log("Invalid input buffer in Explode_Buffer");
        m.nInLeft = 0;
    }
    if (!pOut && nOutSize > 0) {
        Error_Log("Invalid output buffer in Explode_Buffer");
        m.nOutSize = 0;
    }
    int nResult = Explode(Read_Memory, Write_Memory, &m);
    if (pnWritten) *pnWritten = m.nWritten;
    if (pnCrc) *pnCrc = m.nCrc;
    return nResult;
}

uint32_t Crc32_Update(uint32_t nCrc, const uint8_t* p, size_t n) {
    if (!p) {
        if (n > 0) Error_Log("Invalid buffer in Crc32_Update");
        return nCrc;
    }
    nCrc = ~nCrc;
    while (n--) nCrc = CRC_TABLE[(nCrc ^ *p++) & 0xFF] ^ (nCrc >> 8);
    return ~nCrc;
}
