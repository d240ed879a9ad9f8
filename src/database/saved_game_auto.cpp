// Saves the user does not ask for one by one: the question before a game is
// left, the Save Game dialog's commit, and the season loop's automatic saves.
#include <sys/stat.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "database/saved_game.h"
#include "platform/platform.h"

namespace {

const char* const OPEN_ERROR_TEXT =
    "Brakvell was unable to save a game with that file name. It may contain some invalid characters.";
const char* const WRITE_ERROR_TEXT =
    "Brakvell was unable to write the saved game file, probably because of low hard drive space. You can use "
    "the 'Resume' dialog to erase old saved game files.";

bool File_Exists(const std::string& szPath) {
    struct stat status;
    return lstat(szPath.c_str(), &status) == 0;
}

// Two names of one file: links and "./" must not make it another game's.
bool Same_File(const std::string& szA, const std::string& szB) {
    struct stat a, b;
    return stat(szA.c_str(), &a) == 0 && stat(szB.c_str(), &b) == 0 && a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

std::string g_szGameFile;
bool g_bSkipAutomaticSaves = false;

}  // namespace

bool Usable_Game_Name(const char* szName) {
    if (!szName) return false;
    size_t nLength = strlen(szName);
    if (nLength == 0 || nLength >= sizeof g_League.szGameName) return false;
    if (strcmp(szName, ".") == 0 || strcmp(szName, "..") == 0) return false;
    for (const char* p = szName; *p; p++)
        if (*p == '/' || *p == '\\' || (unsigned char)*p < 0x20 || *p == 0x7f) return false;
    return true;
}

std::string Game_Name_File(const char* szName) {
    return Usable_Game_Name(szName) ? std::string(szName) + ".vtr" : std::string();
}

void Remember_Game_File(const char* szPath) {
    // Whole, so that a later change of working folder cannot make it name another file.
    char* szResolved = szPath && *szPath ? realpath(szPath, nullptr) : nullptr;
    g_szGameFile = szResolved ? szResolved : (szPath ? szPath : "");
    free(szResolved);
}

const std::string& Current_Game_File() { return g_szGameFile; }

std::string New_Season_File() {
    std::string szName(g_League.szGameName, strnlen(g_League.szGameName, sizeof g_League.szGameName - 1));
    std::string szFile = Game_Name_File(szName.c_str());
    if (szFile.empty()) return szFile;
    // A number keeps the other game; the numbered name may be longer than a typed one could be.
    for (int nNumber = 2; File_Exists(szFile) && !Same_File(szFile, g_szGameFile); nNumber++)
        szFile = szName + " " + std::to_string(nNumber) + ".vtr";
    return szFile;
}

void Skip_Automatic_Saves(bool bSkip) { g_bSkipAutomaticSaves = bSkip; }

int Ask_Save_Before_Leaving() {
    if (!Game_Has_Unsaved_Changes()) return LEAVE_GAME;
    int nAnswer = Ask_Yes_No_Cancel("Game Not Saved", "Save changes to current game since last save?");
    if (nAnswer == ANSWER_NO) return LEAVE_GAME;
    if (nAnswer != ANSWER_YES) return STAY_IN_GAME;
    if (Get_Game_State(GS_SIMULATING)) {
        Message_Box("Save Game", "Can't save game data while playing games. Please try again once this day is completed.");
        return STAY_IN_GAME;
    }
    return OPEN_SAVE_GAME;
}

bool Save_Game_As(const char* szName, void (*pfnCloseDialog)()) {
    if (!szName) szName = "";
    if (!Usable_Game_Name(szName)) {
        Message_Box("File Open Error", "%s", OPEN_ERROR_TEXT);
        return false;
    }
    std::string szPath = Game_Name_File(szName);
    if (File_Exists(szPath) &&
        Ask_Ok_Cancel("Filename in use", "A saved game with that name already exists. Overwrite?") != ANSWER_OK)
        return false;
    // The game takes the new name only if it is saved under it.
    char szOldName[sizeof g_League.szGameName];
    memcpy(szOldName, g_League.szGameName, sizeof szOldName);
    Copy_Field(g_League.szGameName, sizeof g_League.szGameName, szName);
    int nResult = Save_Game(szPath.c_str(), pfnCloseDialog);
    if (nResult == SAVE_OK) return true;
    memcpy(g_League.szGameName, szOldName, sizeof szOldName);
    if (nResult == SAVE_CANNOT_CREATE)
        Message_Box("File Open Error", "%s", OPEN_ERROR_TEXT);
    else
        Message_Box("File Write Error", "%s", WRITE_ERROR_TEXT);
    return false;
}

int Auto_Save_Before_Play(int nWeeks) {
    if (g_bSkipAutomaticSaves || !Get_Game_State(GS_AUTOSAVE) || nWeeks <= Current_Week() % 4) return -1;
    int nResult = Save_Game(AUTO_SAVE_FILE);
    if (nResult != SAVE_OK) Message_Box("Auto Save", "Brakvell could not auto-save the game file!");
    return nResult;
}

int Save_New_Season_Game() {
    if (g_bSkipAutomaticSaves) return SAVE_OK;
    std::string szFile = New_Season_File();
    int nResult = szFile.empty() ? SAVE_CANNOT_CREATE : Save_Game(szFile.c_str());
    if (nResult == SAVE_CANNOT_CREATE)
        Message_Box("File Open Error", "Brakvell was unable to automatically save the game.");
    else if (nResult == SAVE_WRITE_FAILED)
        Message_Box("File Write Error", "%s", WRITE_ERROR_TEXT);
    return nResult;
}
