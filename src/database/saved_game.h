// Saved games and the database file: the whole league written to and read
// from disk. A file is a header and the league image cut into 100 chunks,
// each compressed on its own. Three generations are read; only the current
// one (zlib chunks) is written.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "database/league_database.h"

constexpr int SAVED_GAME_VERSION = 2187;
constexpr int NUMBER_OF_CHUNKS = 100;
constexpr size_t CHUNK_SIZE = 66938;
constexpr size_t LAST_CHUNK_SIZE = 66974;  // the remainder of the image
constexpr size_t HEADER_SIZE = 25;
constexpr size_t SHORT_HEADER_SIZE = 17;  // versions up to 2170
constexpr const char* AUTO_SAVE_FILE = "[Auto Save].vtr";
constexpr const char* UNIVERSE_FILE = "Universe.dat";

// Results of Save_Game.
enum { SAVE_OK = 0, SAVE_CANNOT_CREATE = 1, SAVE_WRITE_FAILED = 2 };

// Writes the league to szPath: level 1 for "[Auto Save].vtr", level 6 with a
// progress window otherwise. Stores the saved-data checksum in the league
// first (and puts the old one back if the save fails). The file is written
// under a temporary name and renamed over szPath only when it is complete,
// so an old save is never lost. pfnCloseDialog, if given, closes the dialog
// that asked for the save once the file is open.
// A link is followed: the file at its end is replaced and keeps its mode;
// anything but a regular file we may write is refused (SAVE_CANNOT_CREATE).
int Save_Game(const char* szPath, void (*pfnCloseDialog)() = nullptr);
// Holds a saved game against other processes while this one works on it:
// a lock on the file, handed to the new file when Save_Game replaces it.
// Taking a lock gives up the one held before, unless the new one is refused.
enum { GAME_FILE_LOCKED = 0, GAME_FILE_IN_USE = 1, GAME_FILE_UNUSABLE = 2 };
int Lock_Game_File(const char* szPath);
void Unlock_Game_File();
// Deletes the temporary files of saves killed half-way in a folder ("" for
// the game folder); a save still being written is left alone. How many went.
int Remove_Abandoned_Saves(const char* szFolder);

// Reads a file of any generation. The league in memory changes only when the
// whole file decoded; then the conversions for its version run. Failures are
// reported to the user and answered with false.
bool Load_Game(const char* szPath);

// Decodes a file of our own version into *pImage without a word to the user
// and without touching the league in memory; false when it is not one whole
// and sound.
bool Read_League_Image(const char* szPath, LeagueDatabase* pImage);

// What the last Load_Game found in its file (whether or not it succeeded).
struct SavedGameInfo {
    int nVersion;         // 0 when the header could not be read
    int nSaveMode;        // header byte 21, -1 for a 17-byte header
    bool bChecksumMatches;  // stored entry 98 equals the sum of the decoded image
};
const SavedGameInfo& Last_Load_Info();

// The saved-data checksum: the 32-bit wrapping sum of the whole league record
// as consecutive 32-bit words, with entry 98 (where the sum itself is kept)
// counted as zero.
uint32_t Saved_Data_Checksum(const LeagueDatabase& league);
uint32_t Saved_Data_Checksum();
bool Game_Has_Unsaved_Changes();

// The "Game Not Saved" question before the current game is left.
enum { LEAVE_GAME = 0, STAY_IN_GAME = 1, OPEN_SAVE_GAME = 2 };
int Ask_Save_Before_Leaving();

// The Save Game dialog's commit of a name typed by the user (".vtr" is
// appended). True when the game was saved.
bool Save_Game_As(const char* szName, void (*pfnCloseDialog)() = nullptr);

// The one rule for a file name made from a game name, typed or stored in a
// file: not empty, short enough to be kept whole, no folder separators or
// control characters, not "." or "..". A name that passes stays in the game folder.
bool Usable_Game_Name(const char* szName);
// "<name>.vtr" in the game folder, or "" when the name breaks the rule.
std::string Game_Name_File(const char* szName);

// The file the game in memory was last loaded from or saved to ("" for a new
// game): a season's save may replace that file and no other game's.
void Remember_Game_File(const char* szPath);
const std::string& Current_Game_File();
// The file the new season's save writes: "<game name>.vtr", or "<game name>
// 2.vtr" and up when that file holds another game; "" when the name breaks the rule.
std::string New_Season_File();

// The tool saves only the file it was given, itself, when its weeks are
// played: while this is on, the season's save and the save before play are skipped.
void Skip_Automatic_Saves(bool bSkip);

// Automatic saves called by the season loop, each reporting its own failure.
// Before nWeeks are played: "[Auto Save].vtr" when the option is on and
// nWeeks exceeds the week mod 4; the Save_Game result, or -1 when not due.
int Auto_Save_Before_Play(int nWeeks);
// At the start of a new season, under the game's own name.
int Save_New_Season_Game();
