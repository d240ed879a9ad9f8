// "VantorFame.dat": the permanent file beside the program. Four top-ten
// tables of retired managers and a block of machine-wide settings words.
// Read and written whole; every reader tolerates its absence (zeros).
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr const char* FAME_FILE_NAME = "VantorFame.dat";
constexpr int FAME_LEVELS = 4;
constexpr int FAME_ENTRIES = 10;
constexpr int NUMBER_OF_SETTINGS_WORDS = 168;
constexpr size_t FAME_FILE_SIZE = 22752;
constexpr size_t FAME_SETTINGS_OFFSET = 22080;

// Settings words.
enum {
    FS_UPDATE_TIME = 0,     // time of the last update check, seconds since 1970 / 64
    FS_MANAGER_NAME = 1,    // 1..16: the manager's name last given for a new game, as text
    FS_SKIP_INTRO = 53,     // nonzero: no intro video
    FS_UPDATE_SWITCH = 90,  // FS_NO_UPDATE_CHECK: no update check at start
    FS_WINDOW_LEFT = 164,   // 164..167: window rectangle left, top, right, bottom
    FS_WINDOW_TOP = 165,
    FS_WINDOW_RIGHT = 166,
    FS_WINDOW_BOTTOM = 167,
};
constexpr int FS_NO_UPDATE_CHECK = 117;
constexpr int FAME_MANAGER_WORDS = 16;  // 63 characters and the terminating NUL

// Colour flags of an entry.
enum { FAME_GRAY = 0, FAME_WHITE = 1, FAME_BUILT_IN = 2 };

struct FameEntry {
    char szManager[256];
    char szHome[256];
    int32_t nFirstSeason;
    int32_t nLastSeason;
    int32_t nWins;
    int32_t nLosses;
    int32_t nTies;
    int32_t nPlayoffWins;
    int32_t nPlayoffLosses;
    int32_t nRating;  // tenths
    int32_t nFlag;
    int32_t nHandicap;
};

struct FameFile {
    FameEntry aTables[FAME_LEVELS][FAME_ENTRIES];
    int32_t anSettings[NUMBER_OF_SETTINGS_WORDS];
};

static_assert(std::endian::native == std::endian::little, "the file image is little-endian");
static_assert(sizeof(FameEntry) == 552);
static_assert(offsetof(FameFile, anSettings) == FAME_SETTINGS_OFFSET);
static_assert(sizeof(FameFile) == FAME_FILE_SIZE);

bool Fame_File_Exists();
// Whole file into pFame; all zero (after a quick message) when it cannot be
// opened or read; a short file reads as zeros past its end.
bool Read_Fame_File(FameFile* pFame);
// Whole file, through a temporary file renamed over the old one, so a failed
// write leaves the old file as it was.
bool Write_Fame_File(const FameFile* pFame);
// Zero image, the built-in entries at every level, written out.
void Rebuild_Fame_File();
void Fill_Built_In_Fame_Entries(FameFile* pFame);

// One settings word; a bad index logs an error and reads 0 / changes nothing.
int Get_Fame_Setting(int nWord);
bool Set_Fame_Setting(int nWord, int nValue);

// The manager's name the New Game page prefills: empty when the file is
// missing (without a message) or holds none. Longer names keep 63 characters.
std::string Get_Fame_Manager_Name();
bool Set_Fame_Manager_Name(const char* szName);
// Several words in one read and write. A file that exists but cannot be read
// is left alone; a missing one is rebuilt around the new words.
bool Set_Fame_Settings(const int* anWords, const int* anValues, int nCount);
