// Writing saved games, and the saved-data checksum.
#include "database/saved_game.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include "database/saved_game_internal.h"
#include "platform/platform.h"

uint32_t Saved_Data_Checksum(const LeagueDatabase& league) {
    const uint8_t* pBytes = reinterpret_cast<const uint8_t*>(&league);
    uint32_t nSum = 0;
    for (size_t i = 0; i < sizeof league; i += 4) {
        uint32_t nWord;
        memcpy(&nWord, pBytes + i, 4);
        nSum += nWord;
    }
    // The stored sum must not count itself, or saving would change it.
    return nSum - (uint32_t)league.anGameState[GS_SAVED_SUM];
}

uint32_t Saved_Data_Checksum() { return Saved_Data_Checksum(g_League); }

bool Game_Has_Unsaved_Changes() { return Saved_Data_Checksum() != (uint32_t)Get_Game_State(GS_SAVED_SUM); }

namespace {

std::string Base_Name(const std::string& szPath) {
    size_t nSlash = szPath.find_last_of('/');
    return nSlash == std::string::npos ? szPath : szPath.substr(nSlash + 1);
}

std::string Folder_Of(const std::string& szPath) {
    size_t nSlash = szPath.find_last_of('/');
    if (nSlash == std::string::npos) return ".";
    return nSlash == 0 ? "/" : szPath.substr(0, nSlash);
}

uint8_t Save_Mode_Byte() {
    int nMode = Get_Game_State(GS_SAVE_MODE);
    if (nMode == 0 || nMode == 'U') return 'U';
    if (nMode == 1 || nMode == 'C') return 'C';
    return (uint8_t)nMode;
}

void Put_Length(uint8_t* p, uint32_t n) {
    for (int i = 0; i < 4; i++) p[i] = (uint8_t)(n >> (8 * i));
}

// The permissions a plainly created file would get.
mode_t New_File_Mode() {
    mode_t nMask = umask(0);
    umask(nMask);
    return 0666 & ~nMask;
}

// Deflates the image chunk by chunk into the open file. False on any failure.
bool Write_Chunks(FILE* pFile, const uint8_t* pImage, int nLevel, bool bProgress) {
    z_stream stream;
    memset(&stream, 0, sizeof stream);
    if (deflateInit(&stream, nLevel) != Z_OK) return false;
    std::unique_ptr<uint8_t[]> pOut(new (std::nothrow) uint8_t[4 + LAST_CHUNK_SIZE]);
    bool bOk = pOut != nullptr;
    size_t nOffset = 0;
    for (int nChunk = 0; bOk && nChunk < NUMBER_OF_CHUNKS; nChunk++) {
        size_t nSize = Chunk_Size(nChunk, CHUNK_SIZE, LAST_CHUNK_SIZE);
        if (nChunk > 0) deflateReset(&stream);
        stream.next_in = const_cast<Bytef*>(pImage + nOffset);
        stream.avail_in = (uInt)nSize;
        stream.next_out = pOut.get() + 4;
        // A chunk stored longer than its plain size could not be read back.
        stream.avail_out = (uInt)nSize;
        if (deflate(&stream, Z_FINISH) != Z_STREAM_END) {
            bOk = false;
            break;
        }
        uint32_t nLength = (uint32_t)(nSize - stream.avail_out);
        Put_Length(pOut.get(), nLength);
        if (fwrite(pOut.get(), 1, 4 + nLength, pFile) != 4 + nLength) bOk = false;
        nOffset += nSize;
        if (bProgress) Step_Progress();
    }
    deflateEnd(&stream);
    return bOk;
}

}  // namespace

int Save_Game(const char* szPath, void (*pfnCloseDialog)()) {
    if (!szPath || !*szPath) {
        Error_Log("Empty file name in Save_Game()");
        return SAVE_CANNOT_CREATE;
    }
    std::string szTarget = szPath;
    bool bAutoSave = Base_Name(szTarget) == AUTO_SAVE_FILE;
    struct stat status;
    if (stat(szPath, &status) == 0 && (!S_ISREG(status.st_mode) || access(szPath, W_OK) != 0))
        return SAVE_CANNOT_CREATE;

    // Beside the target, so that the rename cannot cross file systems.
    std::string szTemporary = Folder_Of(szTarget) + "/.brakvell-save-XXXXXX";
    int nFd = mkstemp(szTemporary.data());
    if (nFd < 0) return SAVE_CANNOT_CREATE;
    FILE* pFile = fdopen(nFd, "wb");
    if (!pFile) {
        close(nFd);
        unlink(szTemporary.c_str());
        return SAVE_CANNOT_CREATE;
    }
    fchmod(nFd, New_File_Mode());
    if (pfnCloseDialog) pfnCloseDialog();

    int32_t nOldSum = Get_Game_State(GS_SAVED_SUM);
    Set_Game_State(GS_SAVED_SUM, (int32_t)Saved_Data_Checksum());

    uint8_t abHeader[HEADER_SIZE] = {};
    memcpy(abHeader, SAVED_GAME_MAGIC, MAGIC_SIZE);
    memcpy(abHeader + MAGIC_SIZE, "21870000", 8);
    static_assert(SAVED_GAME_VERSION == 2187);
    abHeader[21] = Save_Mode_Byte();

    if (!bAutoSave) Open_Progress("Compressing...", NUMBER_OF_CHUNKS);
    bool bOk = fwrite(abHeader, 1, HEADER_SIZE, pFile) == HEADER_SIZE &&
               Write_Chunks(pFile, reinterpret_cast<const uint8_t*>(&g_League), bAutoSave ? 1 : 6, !bAutoSave);
    if (!bAutoSave) Close_Progress();
    bOk = fflush(pFile) == 0 && bOk;
    bOk = fsync(nFd) == 0 && bOk;
    bOk = fclose(pFile) == 0 && bOk;
    bOk = bOk && rename(szTemporary.c_str(), szPath) == 0;
    if (!bOk) {
        unlink(szTemporary.c_str());
        Set_Game_State(GS_SAVED_SUM, nOldSum);
        return SAVE_WRITE_FAILED;
    }
    // Make the new name itself durable; a failure here loses nothing.
    int nFolder = open(Folder_Of(szTarget).c_str(), O_RDONLY | O_DIRECTORY);
    if (nFolder >= 0) {
        fsync(nFolder);
        close(nFolder);
    }
    return SAVE_OK;
}
