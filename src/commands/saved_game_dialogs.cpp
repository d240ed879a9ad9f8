#include "commands/saved_game_dialogs.h"

#include <cstdio>
#include <cstring>
#include <chrono>
#include <filesystem>
#include <strings.h>

#include "commands/start_up.h"
#include "database/league_database.h"
#include "database/saved_game.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace fs = std::filesystem;

std::vector<SavedGameFile> Saved_Game_Files(const char* szFolder) {
    std::vector<SavedGameFile> files;
    fs::path folder = szFolder && *szFolder ? szFolder : ".";
    for (const std::string& szName : List_Files(folder.string().c_str(), ".vtr")) {
        std::error_code ec;
        fs::file_time_type time = fs::last_write_time(folder / szName, ec);
        int64_t nTime = ec ? 0 : (int64_t)std::chrono::duration_cast<std::chrono::nanoseconds>(time.time_since_epoch()).count();
        files.push_back({szName, nTime});
    }
    return files;
}

std::string Saved_Game_Stem(const std::string& szFile) {
    if (szFile.size() > 4 && strcasecmp(szFile.c_str() + szFile.size() - 4, ".vtr") == 0)
        return szFile.substr(0, szFile.size() - 4);
    return szFile;
}

std::string Save_Dialog_Initial_Name() {
    return std::string(g_League.szGameName, strnlen(g_League.szGameName, sizeof g_League.szGameName - 1));
}

// The full write time decides: a coarser clock would tie games saved minutes apart.
int Resume_Preselection(const std::vector<SavedGameFile>& files) {
    int nBest = -1;
    for (int i = 0; i < (int)files.size(); i++) {
        if (strcasecmp(files[i].szName.c_str(), AUTO_SAVE_FILE) == 0) continue;
        if (nBest < 0 || files[i].nWriteTime > files[nBest].nWriteTime) nBest = i;
    }
    return nBest < 0 && !files.empty() ? 0 : nBest;
}

bool Resume_Dialog_Can_Open(const std::vector<SavedGameFile>& files) {
    if (!files.empty()) return true;
    Message_Box("No games to resume", "There are no Brakvell game files in the current directory.");
    return false;
}

bool Delete_Saved_Game(const char* szFile) {
    char szQuestion[256];
    snprintf(szQuestion, sizeof szQuestion, "Are you sure you want to delete '%s'?", szFile);
    if (Ask_Yes_No("Confirm File Deletion", szQuestion) != ANSWER_YES) return false;
    if (remove(szFile) == 0) return true;
    Message_Box("Couldn't delete file",
                "Brakvell could not delete %s. You can delete it manually. If you have further problems you may need "
                "to re-install Brakvell.",
                szFile);
    return false;
}

bool Resume_Saved_Game(const char* szFile) {
    if (Lock_Game_File(szFile) == GAME_FILE_IN_USE) {
        Message_Box("Game in use", "\"%s\" is being played by another copy of Brakvell.", szFile);
        return false;
    }
    if (!Load_Game(szFile)) {
        // The game still in memory keeps its own file.
        Lock_Game_File(Current_Game_File().c_str());
        return false;
    }
    After_League_Loaded();
    Set_Game_State(GS_RATING_VALID, 0);
    // Nothing is being played now; a flag left set in the file would refuse every save and exit.
    Set_Game_State(GS_SIMULATING, 0);
    return true;
}
