// Start-up without the window, and the routine every league taken up goes
// through. The order is the program's: the log and the fame file before the
// league, the league before its checks.
#include "commands/start_up.h"

#include <chrono>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <new>
#include <string>

#include "base/random.h"
#include "commands/core_hooks.h"
#include "commands/game_commands.h"
#include "commands/new_game.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/text_format.h"
#include "halloffame/fame_file.h"
#include "personnel/player_creation.h"
#include "platform/files.h"
#include "platform/platform.h"

uint32_t Clock_Seed() {
    // The time alone would give two starts in one second the same league.
    auto nSinceBoot = (uint32_t)std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count();
    return (uint32_t)time(nullptr) ^ nSinceBoot;
}

namespace {

void Seed_Generators(const StartUpOptions& options) {
    if (!options.bSeedFromClock) {
        srand(options.nSeed);
        Seed_Random(options.nSeed);
        return;
    }
    // The time alone would give two starts in one second the same league.
    auto nSinceBoot = (uint32_t)std::chrono::duration_cast<std::chrono::milliseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count();
    auto nNow = (uint32_t)time(nullptr);
    srand(nNow + nSinceBoot);
    Seed_Random(nNow ^ nSinceBoot);
}

bool Load_Default_League() {
    std::string szPath = Find_Data_File(UNIVERSE_FILE);
    return Load_Game(szPath.empty() ? UNIVERSE_FILE : szPath.c_str());
}

}  // namespace

StartUpReport Start_Up_Core(const StartUpOptions& options) {
    StartUpReport report = {};
    Install_Core_Hooks();
    Set_Game_State(GS_CURRENT_PAGE, PAGE_NONE);
    Seed_Generators(options);
    Delete_Log();
    Remove_Abandoned_Saves("");
    report.bFirstStart = !Fame_File_Exists();
    if (report.bFirstStart) Rebuild_Fame_File();
    if (options.windowSteps) options.windowSteps();

    report.bUniverseLoaded = Load_Default_League();
    Set_Game_State(GS_CURRENT_PAGE, PAGE_NONE);
    Forget_Kept_Template_Pool();
    After_League_Loaded();
    Check_Template_Pool();
    // Blank names are only reported: the team-names editor that would
    // follow, and the offer to edit them on a first start, come later.
    report.nBlankTeamNames = Check_Team_Names();
    return report;
}

void After_League_Loaded() {
    Install_Core_Hooks();
    Count_Teams();
    Rebuild_Player_Index();
    // New players are modelled on the default league's, which never change:
    // moulds taken from the league in play would be the copies of copies,
    // and every generation would carry the last one's bias further. Without
    // a default league the league in play serves, as it stands. Once read,
    // the default league's moulds stay, wherever the next game is loaded from.
    if (Template_Pool_Kept()) return;
    std::unique_ptr<LeagueDatabase> pDefault(new (std::nothrow) LeagueDatabase);
    std::string szPath = Find_Data_File(UNIVERSE_FILE);
    if (pDefault && !szPath.empty() && Read_League_Image(szPath.c_str(), pDefault.get()))
        Keep_Template_Pool_Of(*pDefault);
    else
        Refill_Template_Pool();
}

int Check_Team_Names() {
    int nTeams = 0, nBlank = 0;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        nTeams++;
        char szNickname[TEXT_SIZE];
        Get_Team_String(nTeam, TS_NICKNAME, szNickname);
        if (!szNickname[0]) nBlank++;
    }
    if (nBlank == 0) return 0;
    if (nBlank == nTeams)
        Message_Box("Team Names",
                    "Your team and league names have not yet been initialized. Please take a few minutes to enter "
                    "team names.");
    else
        Message_Box("Team Names", "You have some blank team names. Please take a minute to complete your team names.");
    return nBlank;
}

bool Start_Default_New_Game(TNUM nTeam, int nDifficulty, int nTeams) {
    NewGameForm form;
    if (!Open_New_Game_Page(&form)) return false;
    if (nTeams > 0 && !Keep_First_Franchises(nTeams)) return false;
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES || !Valid_Team(nTeam)) return false;
    Choose_New_Game_Team(&form, nTeam);
    form.nDifficulty = nDifficulty;
    return Play_New_Game(form);
}
