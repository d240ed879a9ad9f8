#include "halloffame/fame_file.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

#include "database/league_database.h"
#include "platform/files.h"
#include "platform/platform.h"

// The name on disk: any letter case is accepted for an existing file.
static std::string Fame_Path() {
    std::string szFound = Find_Data_File(FAME_FILE_NAME);
    return szFound.empty() ? FAME_FILE_NAME : szFound;
}

bool Fame_File_Exists() { return !Find_Data_File(FAME_FILE_NAME).empty(); }

bool Read_Fame_File(FameFile* pFame) {
    memset(pFame, 0, sizeof *pFame);
    std::string szPath = Fame_Path();
    FILE* pFile = fopen(szPath.c_str(), "rb");
    if (!pFile) {
        Quick_Message("Couldn't open '%s'.", FAME_FILE_NAME);
        return false;
    }
    size_t nRead = fread(pFame, 1, sizeof *pFame, pFile);
    (void)nRead;  // a short file reads as zeros past its end
    bool bError = ferror(pFile) != 0;
    fclose(pFile);
    if (bError) {
        memset(pFame, 0, sizeof *pFame);
        Quick_Message("Couldn't read '%s'.", FAME_FILE_NAME);
        return false;
    }
    return true;
}

// mkstemp makes the file for its owner alone; the fame file is as any other file.
static mode_t New_Fame_Mode() {
    mode_t nMask = umask(0);
    umask(nMask);
    return 0666 & ~nMask;
}

bool Write_Fame_File(const FameFile* pFame) {
    std::string szPath = Fame_Path();
    // A name of our own: a fixed one could be a link someone left in the way.
    std::string szTemporary = szPath + ".XXXXXX";
    int nFd = mkstemp(szTemporary.data());
    FILE* pFile = nFd >= 0 ? fdopen(nFd, "wb") : nullptr;
    if (nFd >= 0 && !pFile) close(nFd);
    if (nFd >= 0) fchmod(nFd, New_Fame_Mode());
    bool bDone = pFile != nullptr;
    if (pFile) {
        bDone = fwrite(pFame, 1, sizeof *pFame, pFile) == sizeof *pFame;
        bDone = fflush(pFile) == 0 && bDone;
        bDone = fsync(fileno(pFile)) == 0 && bDone;
        bDone = fclose(pFile) == 0 && bDone;
    }
    if (bDone) bDone = rename(szTemporary.c_str(), szPath.c_str()) == 0;
    if (!bDone) {
        if (nFd >= 0) remove(szTemporary.c_str());
        Quick_Message("Couldn't read '%s' for writing.", FAME_FILE_NAME);
    }
    return bDone;
}

namespace {
struct BuiltInEntry {
    const char* szManager;
    const char* szHome;
    int nFirst, nLast, nWins, nLosses, nTies, nPlayoffWins, nPlayoffLosses, nRating;
};

const BuiltInEntry BUILT_IN[FAME_ENTRIES] = {
    {"Walt Brennard", "Duluth", 1961, 1974, 152, 58, 6, 14, 8, 761},
    {"Amos Kettleby", "Sacramento", 1968, 1979, 128, 52, 4, 12, 7, 755},
    {"Lyle Harkavy", "Tulsa", 1955, 1966, 110, 50, 8, 9, 8, 702},
    {"Dan Oberholt", "Providence", 1972, 1981, 96, 46, 2, 8, 6, 683},
    {"Cyrus Mabry", "Spokane", 1949, 1960, 104, 56, 7, 6, 7, 674},
    {"Gus Tenney", "Savannah", 1976, 1985, 92, 50, 1, 7, 6, 663},
    {"Hollis Vane", "Boise", 1958, 1967, 88, 50, 5, 6, 6, 653},
    {"Mort Falkner", "Omaha", 1964, 1972, 80, 44, 3, 5, 5, 647},
    {"Ray Quintero", "El Paso", 1980, 1987, 70, 42, 0, 4, 5, 613},
    {"Ned Sorrell", "Albany", 1952, 1959, 64, 40, 4, 3, 4, 604},
};
}  // namespace

void Fill_Built_In_Fame_Entries(FameFile* pFame) {
    for (int nLevel = 0; nLevel < FAME_LEVELS; nLevel++)
        for (int i = 0; i < FAME_ENTRIES; i++) {
            const BuiltInEntry& b = BUILT_IN[i];
            FameEntry& e = pFame->aTables[nLevel][i];
            memset(&e, 0, sizeof e);
            Copy_Field(e.szManager, sizeof e.szManager, b.szManager);
            Copy_Field(e.szHome, sizeof e.szHome, b.szHome);
            e.nFirstSeason = b.nFirst;
            e.nLastSeason = b.nLast;
            e.nWins = b.nWins;
            e.nLosses = b.nLosses;
            e.nTies = b.nTies;
            e.nPlayoffWins = b.nPlayoffWins;
            e.nPlayoffLosses = b.nPlayoffLosses;
            e.nRating = b.nRating;
            e.nFlag = FAME_BUILT_IN;
        }
}

void Rebuild_Fame_File() {
    Error_Log("Rebuilding permanent file.");
    FameFile fame;
    memset(&fame, 0, sizeof fame);
    Fill_Built_In_Fame_Entries(&fame);
    Write_Fame_File(&fame);
}

static bool Valid_Word(int nWord, const char* szRoutine) {
    if (nWord >= 0 && nWord < NUMBER_OF_SETTINGS_WORDS) return true;
    Error_Log("Invalid nWord in %s: %d", szRoutine, nWord);
    return false;
}

int Get_Fame_Setting(int nWord) {
    if (!Valid_Word(nWord, "Get_Fame_Setting")) return 0;
    FameFile fame;
    Read_Fame_File(&fame);
    return fame.anSettings[nWord];
}

bool Set_Fame_Settings(const int* anWords, const int* anValues, int nCount) {
    for (int i = 0; i < nCount; i++)
        if (!Valid_Word(anWords[i], "Set_Fame_Setting")) return false;
    FameFile fame;
    if (!Read_Fame_File(&fame)) {
        // Writing zeros back would wipe the tables of a file we merely failed to read.
        if (Fame_File_Exists()) return false;
        Fill_Built_In_Fame_Entries(&fame);
    }
    for (int i = 0; i < nCount; i++) fame.anSettings[anWords[i]] = anValues[i];
    return Write_Fame_File(&fame);
}

bool Set_Fame_Setting(int nWord, int nValue) { return Set_Fame_Settings(&nWord, &nValue, 1); }

std::string Get_Fame_Manager_Name() {
    if (!Fame_File_Exists()) return "";
    FameFile fame;
    Read_Fame_File(&fame);
    char szName[FAME_MANAGER_WORDS * 4];
    memcpy(szName, &fame.anSettings[FS_MANAGER_NAME], sizeof szName);
    szName[sizeof szName - 1] = '\0';
    return szName;
}

bool Set_Fame_Manager_Name(const char* szName) {
    // As at start-up: a missing file is built quietly, not reported as unreadable.
    if (!Fame_File_Exists()) Rebuild_Fame_File();
    char szField[FAME_MANAGER_WORDS * 4] = {};
    Copy_Field(szField, sizeof szField, szName ? szName : "");
    int anWords[FAME_MANAGER_WORDS], anValues[FAME_MANAGER_WORDS];
    for (int i = 0; i < FAME_MANAGER_WORDS; i++) {
        anWords[i] = FS_MANAGER_NAME + i;
        memcpy(&anValues[i], szField + 4 * i, 4);
    }
    return Set_Fame_Settings(anWords, anValues, FAME_MANAGER_WORDS);
}
