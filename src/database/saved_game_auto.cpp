// Saves the user does not ask for one by one: the question before a game is
// left, the Save Game dialog's commit, and the season loop's automatic saves.
#include <sys/stat.h>

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

std::string Game_File_Name() {
    return std::string(g_League.szGameName, strnlen(g_League.szGameName, sizeof g_League.szGameName - 1)) + ".vtr";
}

bool File_Exists(const std::string& szPath) {
    struct stat status;
    return stat(szPath.c_str(), &status) == 0;
}

// A saved game lives in the game folder under a name the game can keep whole.
bool Usable_Game_Name(const char* szName) {
    size_t nLength = strlen(szName);
    return nLength > 0 && nLength < sizeof g_League.szGameName && !strpbrk(szName, "/\\") &&
           strcmp(szName, ".") != 0 && strcmp(szName, "..") != 0;
}

}  // namespace

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
    std::string szPath = std::string(szName) + ".vtr";
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
    if (!Get_Game_State(GS_AUTOSAVE) || nWeeks <= Current_Week() % 4) return -1;
    int nResult = Save_Game(AUTO_SAVE_FILE);
    if (nResult != SAVE_OK) Message_Box("Auto Save", "Brakvell could not auto-save the game file!");
    return nResult;
}

int Save_New_Season_Game() {
    int nResult = Save_Game(Game_File_Name().c_str());
    if (nResult == SAVE_CANNOT_CREATE)
        Message_Box("File Open Error", "Brakvell was unable to automatically save the game.");
    else if (nResult == SAVE_WRITE_FAILED)
        Message_Box("File Write Error", "%s", WRITE_ERROR_TEXT);
    return nResult;
}
