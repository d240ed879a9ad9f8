// Reading saved games and the database file. The whole file is read and
// decoded into a scratch image first; the live league is replaced only when
// every chunk decoded, so a damaged file never costs the user his league.
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "database/explode.h"
#include "database/integrity.h"
#include "database/saved_game.h"
#include "database/saved_game_internal.h"
#include "platform/platform.h"

namespace {

SavedGameInfo g_LastLoad;

size_t Min_Size(size_t a, size_t b) { return a < b ? a : b; }

// The file's bytes and a read position; every read is checked against the end.
struct FileReader {
    const uint8_t* pData;
    size_t nSize;
    size_t nPos;
    bool Take(size_t n, const uint8_t** ppOut) {
        if (n > nSize - nPos) return false;
        *ppOut = pData + nPos;
        nPos += n;
        return true;
    }
};

enum { READ_OK, READ_FAILED, NOT_A_FILE };

// Reads at most nLimit + 1 bytes, so that an over-long file shows as such.
// Only a regular file is read: a pipe or a device could block for ever or
// never end. Opened without blocking so that a pipe with no writer is seen
// for what it is instead of waiting for one.
int Read_File(const char* szPath, size_t nLimit, std::vector<uint8_t>* pBytes) {
    int nFd = open(szPath, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (nFd < 0) return READ_FAILED;
    struct stat status;
    if (fstat(nFd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(nFd);
        return NOT_A_FILE;
    }
    FILE* pFile = fdopen(nFd, "rb");
    if (!pFile) {
        close(nFd);
        return READ_FAILED;
    }
    size_t nExpected = (size_t)status.st_size;
    pBytes->resize(Min_Size(nExpected, nLimit) + 1);
    size_t nRead = 0;
    while (nRead <= nLimit) {
        if (nRead == pBytes->size()) pBytes->resize(Min_Size(2 * nRead, nLimit + 1));
        size_t nPiece = fread(pBytes->data() + nRead, 1, pBytes->size() - nRead, pFile);
        if (nPiece == 0) break;
        nRead += nPiece;
    }
    bool bError = ferror(pFile) != 0;
    fclose(pFile);
    pBytes->resize(nRead);
    return bError ? READ_FAILED : READ_OK;
}

bool Is_Universe_File(const char* szPath) {
    const char* szBase = strrchr(szPath, '/');
    szBase = szBase ? szBase + 1 : szPath;
    return strcasecmp(szBase, UNIVERSE_FILE) == 0;
}

// Version from the four digits after the magic; -1 when they are not digits.
int Read_Version(const uint8_t* pHeader) {
    for (int i = 13; i < 17; i++)
        if (pHeader[i] < '0' || pHeader[i] > '9') return -1;
    int nVersion = (pHeader[13] - '0') * 1000 + (pHeader[14] - '0') * 100 + (pHeader[15] - '0') * 10;
    // Up to 2170 the last digit was not significant. Above, it is: 2171..2179
    // wrote zlib chunks too, and must not be taken for 2170.
    int nFull = nVersion + pHeader[16] - '0';
    return nFull >= FIRST_ZLIB_VERSION ? nFull : nVersion;
}

bool Take_Chunk(FileReader& reader, size_t nPlainSize, const uint8_t** ppData, uint32_t* pnLength) {
    const uint8_t* pLength;
    if (!reader.Take(4, &pLength)) return false;
    uint32_t nLength = pLength[0] | pLength[1] << 8 | pLength[2] << 16 | (uint32_t)pLength[3] << 24;
    if (nLength > nPlainSize) return false;
    *pnLength = nLength;
    return reader.Take(nLength, ppData);
}

// One complete zlib stream that fills the chunk exactly and uses all its input.
bool Inflate_Chunk(const uint8_t* pIn, uint32_t nIn, uint8_t* pOut, size_t nSize) {
    z_stream stream;
    memset(&stream, 0, sizeof stream);
    if (inflateInit(&stream) != Z_OK) return false;
    stream.next_in = const_cast<Bytef*>(pIn);
    stream.avail_in = nIn;
    stream.next_out = pOut;
    stream.avail_out = (uInt)nSize;
    int nResult = inflate(&stream, Z_FINISH);
    bool bOk = nResult == Z_STREAM_END && stream.avail_out == 0 && stream.avail_in == 0;
    inflateEnd(&stream);
    return bOk;
}

// One imploded chunk that fills its place exactly.
bool Explode_Chunk(const uint8_t* pIn, uint32_t nIn, uint8_t* pOut, size_t nSize) {
    size_t nWritten = 0;
    return Explode_Buffer(pIn, nIn, pOut, nSize, &nWritten, nullptr) == EXPLODE_OK && nWritten == nSize;
}

// Decodes 100 chunks that together fill pImage (nChunkSize each, the last
// nLastChunkSize), then requires the end of the file.
bool Decode_Chunks(FileReader& reader, uint8_t* pImage, size_t nChunkSize, size_t nLastChunkSize, bool bZlib) {
    size_t nOffset = 0;
    for (int nChunk = 0; nChunk < NUMBER_OF_CHUNKS; nChunk++) {
        size_t nSize = Chunk_Size(nChunk, nChunkSize, nLastChunkSize);
        const uint8_t* pData;
        uint32_t nLength;
        if (!Take_Chunk(reader, nSize, &pData, &nLength)) return false;
        bool bOk = bZlib ? Inflate_Chunk(pData, nLength, pImage + nOffset, nSize)
                         : Explode_Chunk(pData, nLength, pImage + nOffset, nSize);
        if (!bOk) return false;
        nOffset += nSize;
        Step_Progress();
    }
    return reader.nPos == reader.nSize;
}

enum { DECODED, DECODE_FAILED, NO_MEMORY };

int Decode_File(FileReader& reader, int nVersion, LeagueDatabase* pScratch) {
    uint8_t* pImage = reinterpret_cast<uint8_t*>(pScratch);
    if (nVersion > OLDEST_VERSION) {
        bool bZlib = nVersion >= FIRST_ZLIB_VERSION;
        return Decode_Chunks(reader, pImage, CHUNK_SIZE, LAST_CHUNK_SIZE, bZlib) ? DECODED : DECODE_FAILED;
    }
    std::unique_ptr<uint8_t[]> pOld(new (std::nothrow) uint8_t[OLD_IMAGE_SIZE]());
    if (!pOld) return NO_MEMORY;
    if (!Decode_Chunks(reader, pOld.get(), OLD_CHUNK_SIZE, OLD_LAST_CHUNK_SIZE, false)) return DECODE_FAILED;
    Convert_Oldest_Layout(pOld.get(), pScratch);
    return DECODED;
}

void Swap_Leagues(LeagueDatabase* pOther) {
    uint8_t* pLive = reinterpret_cast<uint8_t*>(&g_League);
    std::swap_ranges(pLive, pLive + sizeof g_League, reinterpret_cast<uint8_t*>(pOther));
}

}  // namespace

const SavedGameInfo& Last_Load_Info() { return g_LastLoad; }

bool Read_League_Image(const char* szPath, LeagueDatabase* pImage) {
    std::vector<uint8_t> bytes;
    if (!szPath || Read_File(szPath, MAXIMUM_FILE_SIZE, &bytes) != READ_OK) return false;
    FileReader reader = {bytes.data(), bytes.size(), 0};
    const uint8_t* pHeader;
    const uint8_t* pRest;
    if (!reader.Take(SHORT_HEADER_SIZE, &pHeader) || memcmp(pHeader, SAVED_GAME_MAGIC, MAGIC_SIZE) != 0 ||
        Read_Version(pHeader) != SAVED_GAME_VERSION || !reader.Take(HEADER_SIZE - SHORT_HEADER_SIZE, &pRest))
        return false;
    if (Decode_File(reader, SAVED_GAME_VERSION, pImage) != DECODED) return false;
    return Saved_Data_Checksum(*pImage) == (uint32_t)pImage->anGameState[GS_SAVED_SUM];
}

bool Load_Game(const char* szPath) {
    g_LastLoad = {0, -1, false};
    std::vector<uint8_t> bytes;
    int nRead = szPath ? Read_File(szPath, MAXIMUM_FILE_SIZE, &bytes) : READ_FAILED;
    if (nRead == NOT_A_FILE) {
        Message_Box("File Load Error", "\"%s\" is not a file that can hold a game.", szPath);
        return false;
    }
    if (nRead != READ_OK) {
        Message_Box("File Load Error", "Couldn't open \"%s\"", szPath ? szPath : "");
        return false;
    }
    FileReader reader = {bytes.data(), bytes.size(), 0};
    const uint8_t* pHeader;
    int nVersion = -1;
    if (reader.Take(SHORT_HEADER_SIZE, &pHeader) && memcmp(pHeader, SAVED_GAME_MAGIC, MAGIC_SIZE) == 0)
        nVersion = Read_Version(pHeader);
    if (nVersion < 0) {
        Message_Box("Read Error", "The file \"%s\" is not a valid Brakvell file.", szPath);
        return false;
    }
    g_LastLoad.nVersion = nVersion;
    if (nVersion > SAVED_GAME_VERSION) {
        // Its layout may have moved; reading it as ours would play nonsense.
        Message_Box("Read Error", "The file \"%s\" was saved by a newer version of Brakvell (V%d.%03d).", szPath,
                    nVersion / 1000, nVersion % 1000);
        return false;
    }
    const uint8_t* pRest = nullptr;
    if (nVersion >= FIRST_ZLIB_VERSION && reader.Take(HEADER_SIZE - SHORT_HEADER_SIZE, &pRest))
        g_LastLoad.nSaveMode = pRest[21 - SHORT_HEADER_SIZE];

    // Not zeroed: a decoded image fills every byte, and a failed one is thrown away.
    std::unique_ptr<LeagueDatabase> pScratch(new (std::nothrow) LeagueDatabase);
    if (!pScratch) {
        Message_Box("Insufficient Memory", "Please try closing one or more programs and trying again.");
        return false;
    }
    if (Is_Universe_File(szPath)) {
        Open_Progress("Loading Database...", NUMBER_OF_CHUNKS);
    } else {
        char szCaption[64];
        snprintf(szCaption, sizeof szCaption, "Restoring V%d.%03d Saved Game...", nVersion / 1000, nVersion % 1000);
        Open_Progress(szCaption, NUMBER_OF_CHUNKS);
    }
    int nResult = DECODE_FAILED;
    if (nVersion < FIRST_ZLIB_VERSION || pRest) nResult = Decode_File(reader, nVersion, pScratch.get());
    Close_Progress();
    if (nResult == NO_MEMORY) {
        Message_Box("Insufficient Memory", "Please try closing one or more programs and trying again.");
        return false;
    }
    if (nResult != DECODED) {
        Message_Box("Read Error", "Couldn't load game data. Please re-install Brakvell.");
        return false;
    }
    g_LastLoad.bChecksumMatches =
        Saved_Data_Checksum(*pScratch) == (uint32_t)pScratch->anGameState[GS_SAVED_SUM];
    // Our own files carry the sum of what was saved; older ones summed other
    // things, so for them the range checks below are the only guard.
    if (nVersion == SAVED_GAME_VERSION && !g_LastLoad.bChecksumMatches) {
        Message_Box("Read Error", "The file \"%s\" is damaged: its checksum does not match its contents.", szPath);
        return false;
    }
    // The conversions work on the live league, so the old one waits in the
    // scratch image until the converted one has passed its range checks.
    Swap_Leagues(pScratch.get());
    Post_Load_Conversions(nVersion);
    std::vector<std::string> problems;
    if (Check_League_Ranges(&problems) > 0) {
        Swap_Leagues(pScratch.get());
        Count_Teams();
        Rebuild_Players_After_Load();
        Message_Box("Read Error", "The file \"%s\" is damaged: %s.", szPath, problems[0].c_str());
        return false;
    }
    Remember_Game_File(szPath);
    return true;
}
