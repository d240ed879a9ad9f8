// What the Save Game and Resume Game dialogs do with the saved games of the
// game folder: the list, the preselected game, deleting and resuming.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct SavedGameFile {
    std::string szName;  // "Dynasty.vtr"
    int64_t nWriteTime;  // nanoseconds since the file clock's epoch
};

// The "*.vtr" files of a folder in name order.
std::vector<SavedGameFile> Saved_Game_Files(const char* szFolder = ".");
// "Dynasty.vtr" -> "Dynasty": what the Save dialog's name field shows.
std::string Saved_Game_Stem(const std::string& szFile);
// The name the Save dialog starts from: the current game's.
std::string Save_Dialog_Initial_Name();

// The most recently written game other than the automatic save; the
// automatic save only when it is the one game there is; -1 for none.
int Resume_Preselection(const std::vector<SavedGameFile>& files);
// False after the notice when there is nothing to resume.
bool Resume_Dialog_Can_Open(const std::vector<SavedGameFile>& files);
// Asks first; false when the user kept the file or it could not be deleted.
bool Delete_Saved_Game(const char* szFile);
// Loads the game; a loaded game no longer counts for the hall of fame.
bool Resume_Saved_Game(const char* szFile);
