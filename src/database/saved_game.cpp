// Writing saved games, and the saved-data checksum.
#include "database/saved_game.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
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

constexpr const char* TEMPORARY_PREFIX = ".brakvell-save-";

int g_nLockFd = -1;
std::string g_szLockedFile;  // resolved

// The file a save really replaces: the end of any symbolic links, or the
// name itself for a new file. Empty when that is not a regular file we may write.
std::string Save_Target(const std::string& szPath, mode_t* pMode) {
    struct stat status;
    if (lstat(szPath.c_str(), &status) != 0) return errno == ENOENT ? szPath : std::string();
    char* szResolved = realpath(szPath.c_str(), nullptr);
    if (!szResolved) return std::string();  // a link to nothing
    std::string szTarget = szResolved;
    free(szResolved);
    if (stat(szTarget.c_str(), &status) != 0 || !S_ISREG(status.st_mode) || access(szTarget.c_str(), W_OK) != 0)
        return std::string();
    *pMode = status.st_mode & 07777;
    return szTarget;
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
    bool bAutoSave = Base_Name(szPath) == AUTO_SAVE_FILE;
    // Through a link the file is replaced, not the link, and keeps its permissions.
    mode_t nMode = New_File_Mode();
    std::string szTarget = Save_Target(szPath, &nMode);
    if (szTarget.empty()) return SAVE_CANNOT_CREATE;

    // Beside the target, so that the rename cannot cross file systems.
    std::string szTemporary = Folder_Of(szTarget) + "/" + TEMPORARY_PREFIX + "XXXXXX";
    int nFd = mkstemp(szTemporary.data());
    if (nFd < 0) return SAVE_CANNOT_CREATE;
    // Held while it is written, so that a start in the same folder knows it is not abandoned.
    flock(nFd, LOCK_EX);
    FILE* pFile = fdopen(nFd, "wb");
    if (!pFile) {
        close(nFd);
        unlink(szTemporary.c_str());
        return SAVE_CANNOT_CREATE;
    }
    fchmod(nFd, nMode);
    // The new file takes over the lock as it takes the name: no moment when another process could have it.
    int nKeepLock = g_nLockFd >= 0 && szTarget == g_szLockedFile ? dup(nFd) : -1;
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
    bOk = bOk && rename(szTemporary.c_str(), szTarget.c_str()) == 0;
    if (!bOk) {
        if (nKeepLock >= 0) close(nKeepLock);
        unlink(szTemporary.c_str());
        Set_Game_State(GS_SAVED_SUM, nOldSum);
        return SAVE_WRITE_FAILED;
    }
    if (nKeepLock >= 0) {
        close(g_nLockFd);
        g_nLockFd = nKeepLock;
    }
    // Make the new name itself durable; a failure here loses nothing.
    int nFolder = open(Folder_Of(szTarget).c_str(), O_RDONLY | O_DIRECTORY);
    if (nFolder >= 0) {
        fsync(nFolder);
        close(nFolder);
    }
    // The automatic save is a copy; the game's own file stays the one it came from.
    if (!bAutoSave) Remember_Game_File(szPath);
    return SAVE_OK;
}

int Lock_Game_File(const char* szPath) {
    char* szResolved = szPath ? realpath(szPath, nullptr) : nullptr;
    if (!szResolved) return GAME_FILE_UNUSABLE;
    std::string szFile = szResolved;
    free(szResolved);
    if (g_nLockFd >= 0 && szFile == g_szLockedFile) return GAME_FILE_LOCKED;
    // Not blocking: a named pipe would wait here for a writer.
    int nFd = open(szFile.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (nFd < 0) return GAME_FILE_UNUSABLE;
    struct stat status;
    if (fstat(nFd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(nFd);
        return GAME_FILE_UNUSABLE;
    }
    if (flock(nFd, LOCK_EX | LOCK_NB) != 0) {
        close(nFd);
        return errno == EWOULDBLOCK ? GAME_FILE_IN_USE : GAME_FILE_UNUSABLE;
    }
    Unlock_Game_File();
    g_nLockFd = nFd;
    g_szLockedFile = szFile;
    return GAME_FILE_LOCKED;
}

void Unlock_Game_File() {
    if (g_nLockFd >= 0) close(g_nLockFd);
    g_nLockFd = -1;
    g_szLockedFile.clear();
}

int Remove_Abandoned_Saves(const char* szFolder) {
    std::string szDir = szFolder && *szFolder ? szFolder : ".";
    DIR* pDir = opendir(szDir.c_str());
    if (!pDir) return 0;
    int nRemoved = 0;
    while (dirent* pEntry = readdir(pDir)) {
        if (strncmp(pEntry->d_name, TEMPORARY_PREFIX, strlen(TEMPORARY_PREFIX)) != 0) continue;
        std::string szPath = szDir + "/" + pEntry->d_name;
        int nFd = open(szPath.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (nFd < 0) continue;
        struct stat status;
        // A save still being written holds its lock.
        if (fstat(nFd, &status) == 0 && S_ISREG(status.st_mode) && flock(nFd, LOCK_EX | LOCK_NB) == 0 &&
            unlink(szPath.c_str()) == 0)
            nRemoved++;
        close(nFd);
    }
    closedir(pDir);
    return nRemoved;
}
