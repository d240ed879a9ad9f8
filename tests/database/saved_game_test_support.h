// Helpers shared by the saved-game tests.
#pragma once
#include <zlib.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "database/league_database.h"
#include "platform/platform.h"

inline std::vector<uint8_t> Read_Bytes(const std::string& szPath) {
    std::ifstream file(szPath, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

inline void Write_Bytes(const std::string& szPath, const std::vector<uint8_t>& bytes) {
    std::ofstream file(szPath, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
}

inline void Put_Le32(std::vector<uint8_t>& bytes, uint32_t n) {
    for (int i = 0; i < 4; i++) bytes.push_back((uint8_t)(n >> (8 * i)));
}

// A copy of the whole league, to compare before and after.
inline std::unique_ptr<LeagueDatabase> Snapshot_League() {
    auto pCopy = std::make_unique<LeagueDatabase>();
    memcpy(pCopy.get(), &g_League, sizeof g_League);
    return pCopy;
}

inline bool League_Equals(const LeagueDatabase& other) { return memcmp(&g_League, &other, sizeof other) == 0; }

// A file header: magic, four version digits and, above 2170, the rest.
inline std::vector<uint8_t> File_Header(const char* szDigits, bool bLong) {
    std::string szHeader = std::string("ZEPHRONILKARD") + szDigits;
    std::vector<uint8_t> bytes(szHeader.begin(), szHeader.end());
    if (bLong) {
        for (char c : std::string("0000")) bytes.push_back((uint8_t)c);
        bytes.push_back('U');
        bytes.insert(bytes.end(), 3, 0);
    }
    return bytes;
}

// A current-format file of the image exactly as it is, whatever its stored
// sum, compressed here with zlib's own one-shot call.
inline void Write_Image_File(const std::string& szPath, const LeagueDatabase& league, int nVersion) {
    std::string szDigits = std::to_string(nVersion);
    std::vector<uint8_t> bytes = File_Header(szDigits.c_str(), true);
    const uint8_t* pImage = reinterpret_cast<const uint8_t*>(&league);
    const size_t nChunk = 66938, nChunks = 100;
    for (size_t i = 0; i < nChunks; i++) {
        size_t nPlain = i + 1 == nChunks ? sizeof league - nChunk * (nChunks - 1) : nChunk;
        uLongf nPacked = compressBound(nPlain);
        std::vector<uint8_t> packed(nPacked);
        compress2(packed.data(), &nPacked, pImage + i * nChunk, nPlain, 6);
        Put_Le32(bytes, (uint32_t)nPacked);
        bytes.insert(bytes.end(), packed.begin(), packed.begin() + (long)nPacked);
    }
    Write_Bytes(szPath, bytes);
}

// Records the captions of progress windows and counts their steps.
struct ProgressLog {
    std::vector<std::string> captions;
    int nSteps = 0;
};
ProgressLog& Progress_Log();
void Install_Progress_Recorder();  // Platform_Install(nullptr) restores the headless front end
