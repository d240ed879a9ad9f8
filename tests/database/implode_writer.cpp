#include "implode_writer.h"

#include <cstring>

namespace {

// Code lengths in the format's compact form: (count - 1) << 4 | length.
const uint8_t LENGTH_CODE_LENGTHS[] = {2, 35, 36, 53, 38, 23};
const uint8_t DISTANCE_CODE_LENGTHS[] = {2, 20, 53, 230, 247, 151, 248};
const int LENGTH_BASE[16] = {3, 2, 4, 5, 6, 7, 8, 9, 10, 12, 16, 24, 40, 72, 136, 264};
const int LENGTH_EXTRA[16] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8};
constexpr int END_LENGTH = 519;
constexpr int LONGEST_COPY = 518;

struct Code {
    uint32_t nBits;
    int nLength;
};

// Canonical codes: shorter first, in symbol order within a length.
std::vector<Code> Build_Codes(const uint8_t* pCompact, size_t nCompact) {
    std::vector<int> lengths;
    for (size_t i = 0; i < nCompact; i++)
        for (int n = 0; n <= pCompact[i] >> 4; n++) lengths.push_back(pCompact[i] & 15);
    std::vector<Code> codes(lengths.size());
    uint32_t nNext = 0;
    for (int nLength = 1; nLength <= 13; nLength++) {
        for (size_t s = 0; s < lengths.size(); s++)
            if (lengths[s] == nLength) codes[s] = {nNext++, nLength};
        nNext <<= 1;
    }
    return codes;
}

struct BitWriter {
    std::vector<uint8_t> bytes;
    uint32_t nBuffer = 0;
    int nCount = 0;
    void Put(uint32_t nValue, int nBits) {  // least significant bit first
        for (int i = 0; i < nBits; i++) {
            nBuffer |= ((nValue >> i) & 1) << nCount;
            if (++nCount == 8) Flush();
        }
    }
    void Put_Code(const Code& code) {  // most significant bit first, inverted
        for (int i = code.nLength - 1; i >= 0; i--) Put(~(code.nBits >> i) & 1, 1);
    }
    void Flush() {
        bytes.push_back((uint8_t)nBuffer);
        nBuffer = 0;
        nCount = 0;
    }
};

void Put_Length(BitWriter& out, const std::vector<Code>& lengthCodes, int nLength) {
    for (int s = 0; s < 16; s++) {
        if (nLength >= LENGTH_BASE[s] && nLength < LENGTH_BASE[s] + (1 << LENGTH_EXTRA[s])) {
            out.Put_Code(lengthCodes[s]);
            out.Put((uint32_t)(nLength - LENGTH_BASE[s]), LENGTH_EXTRA[s]);
            return;
        }
    }
}

}  // namespace

std::vector<uint8_t> Implode_For_Tests(const uint8_t* pData, size_t nSize, int nDictionaryCode, bool bCopies) {
    static const std::vector<Code> LENGTH_CODES = Build_Codes(LENGTH_CODE_LENGTHS, sizeof LENGTH_CODE_LENGTHS);
    static const std::vector<Code> DISTANCE_CODES = Build_Codes(DISTANCE_CODE_LENGTHS, sizeof DISTANCE_CODE_LENGTHS);
    BitWriter out;
    out.bytes = {0, (uint8_t)nDictionaryCode};
    const size_t nWindow = (size_t)64 << nDictionaryCode;
    std::vector<int64_t> last(1 << 16, -1), previous(nSize, -1);
    auto hash = [&](size_t i) { return (pData[i] * 2654435761u ^ pData[i + 1] * 40503u ^ pData[i + 2]) & 0xffff; };
    size_t nPos = 0;
    while (nPos < nSize) {
        size_t nBestLength = 0, nBestDistance = 0;
        if (bCopies && nPos + 3 <= nSize) {
            int64_t nCandidate = last[hash(nPos)];
            std::vector<size_t> candidates = {1};
            for (int n = 0; n < 8 && nCandidate >= 0 && nPos - (size_t)nCandidate <= nWindow; n++) {
                candidates.push_back(nPos - (size_t)nCandidate);
                nCandidate = previous[(size_t)nCandidate];
            }
            for (size_t nDistance : candidates) {
                if (nDistance > nPos) continue;
                size_t nLength = 0;
                while (nLength < LONGEST_COPY && nPos + nLength < nSize &&
                       pData[nPos + nLength] == pData[nPos + nLength - nDistance])
                    nLength++;
                if (nLength > nBestLength) nBestLength = nLength, nBestDistance = nDistance;
            }
        }
        size_t nStep = 1;
        if (nBestLength >= 3) {
            out.Put(1, 1);
            Put_Length(out, LENGTH_CODES, (int)nBestLength);
            size_t nCoded = nBestDistance - 1;
            out.Put_Code(DISTANCE_CODES[nCoded >> nDictionaryCode]);
            out.Put((uint32_t)(nCoded & ((1u << nDictionaryCode) - 1)), nDictionaryCode);
            nStep = nBestLength;
        } else {
            out.Put(0, 1);
            out.Put(pData[nPos], 8);
        }
        for (size_t i = 0; i < nStep; i++, nPos++) {
            if (nPos + 3 > nSize) continue;
            size_t h = hash(nPos);
            previous[nPos] = last[h];
            last[h] = (int64_t)nPos;
        }
    }
    out.Put(1, 1);
    Put_Length(out, LENGTH_CODES, END_LENGTH);
    if (out.nCount) out.Flush();
    return out.bytes;
}

std::vector<uint8_t> Imploded_File(const char* szDigits, const uint8_t* pImage, size_t nImageSize) {
    std::vector<uint8_t> file;
    for (char c : std::string("ZEPHRONILKARD") + std::string(szDigits, 4)) file.push_back((uint8_t)c);
    size_t nChunk = nImageSize / 100;
    size_t nOffset = 0;
    for (int i = 0; i < 100; i++) {
        size_t nSize = i == 99 ? nImageSize - nOffset : nChunk;
        std::vector<uint8_t> data = Implode_For_Tests(pImage + nOffset, nSize);
        for (int b = 0; b < 4; b++) file.push_back((uint8_t)(data.size() >> (8 * b)));
        file.insert(file.end(), data.begin(), data.end());
        nOffset += nSize;
    }
    return file;
}
