// The New Game page as it opens and while the user fills it in.
#include "commands/new_game.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <strings.h>

#include "commands/game_commands.h"
#include "commands/start_up.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "halloffame/fame_file.h"
#include "platform/files.h"
#include "platform/platform.h"

namespace {

void Apply_New_Game_Defaults() {
    Set_Game_State(GS_SEASON_INDEX, 0);
    Set_Game_State(GS_CURRENT_WEEK, 0);
    Set_Game_State(GS_GAMES_GAME, -1);
    Set_Game_State(GS_GAMES_SCROLL, 0);
    Set_Game_State(GS_RESERVED_40, 3);
    Set_Game_State(GS_DRAFT_ROUND, 7);
    Set_Game_State(GS_DRAFT_PICK, Number_Of_Teams());
    Set_Game_State(GS_SIMULATING, 0);
    Set_Game_State(GS_SEARCH_AGE, 50);
    for (int nIndex = GS_SEARCH_RATING_FIRST; nIndex <= GS_SEARCH_RATING_LAST; nIndex++) Set_Game_State(nIndex, 50);
    Set_Game_State(GS_SEARCH_SALARY, 20000);
    Set_Game_State(GS_COMMISSIONER, 0);
    Set_Game_State(GS_SAVE_MODE, 1);
    Set_Game_State(GS_COMPUTER_TRADES, 1);
    Set_League_Rule(LR_FANTASY_DRAFT, 0);
    Set_League_Rule(LR_OPTION, 0);
    Set_League_Rule(LR_FIXED_AGING, 0);
    Set_League_Rule(LR_GAMES_PER_SEASON, 16);
    Set_League_Rule(LR_SALARY_CAP, 71100000);
}

bool Franchise_In_Use(TNUM nTeam) { return nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES && Valid_Team(nTeam); }

}  // namespace

bool Open_New_Game_Page(NewGameForm* pForm) {
    int nOldPage = Get_Game_State(GS_CURRENT_PAGE);
    Set_Game_State(GS_CURRENT_PAGE, PAGE_NONE);
    std::string szPath = Find_Data_File(UNIVERSE_FILE);
    if (!Load_Game(szPath.empty() ? UNIVERSE_FILE : szPath.c_str())) {
        Set_Game_State(GS_CURRENT_PAGE, nOldPage);
        return false;
    }
    Set_Game_State(GS_CURRENT_PAGE, PAGE_NONE);
    Apply_New_Game_Defaults();
    int nTeams = Number_Of_Teams();
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, nTeam < nTeams ? 0 : -1);
    // Play makes new players at once (the free agents of the first season).
    After_League_Loaded();
    *pForm = NewGameForm{};
    Choose_New_Game_Team(pForm, 0);
    pForm->szManager = Get_Fame_Manager_Name();
    return true;
}

std::unique_ptr<LeagueDatabase> Keep_League() {
    std::unique_ptr<LeagueDatabase> pKept(new (std::nothrow) LeagueDatabase);
    if (pKept) memcpy(pKept.get(), &g_League, sizeof g_League);
    return pKept;
}

void Restore_Kept_League(const LeagueDatabase& kept) {
    memcpy(&g_League, &kept, sizeof g_League);
    // The page rebuilt the index and the pool from the default league.
    After_League_Loaded();
}

std::vector<std::string> New_Game_Team_List() {
    std::vector<std::string> lines;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        char szCity[TEXT_SIZE];
        Get_Team_City(nTeam, szCity);
        if (Get_Team_Stat(nTeam, TEAM_STAT_CONTROL) == 1) Format_Text(szCity, "[%s]", std::string(szCity).c_str());
        lines.push_back(szCity);
    }
    return lines;
}

std::vector<std::string> New_Game_Difficulty_Names() {
    std::vector<std::string> names;
    for (int nLevel = 0; nLevel < NUMBER_OF_DIFFICULTIES; nLevel++) {
        char szName[TEXT_SIZE];
        Get_Difficulty_Name(nLevel, szName);
        names.push_back(szName);
    }
    return names;
}

TNUM Find_New_Game_Team(const char* szName) {
    char* pEnd = nullptr;
    long nCode = strtol(szName, &pEnd, 10);
    if (*szName && *pEnd == '\0')
        return nCode >= 0 && nCode < NUMBER_OF_FRANCHISES && Franchise_In_Use((TNUM)nCode) ? (TNUM)nCode : NO_TEAM;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        for (int nString : {TS_CITY, TS_NICKNAME, TS_ABBREVIATION}) {
            char szText[TEXT_SIZE];
            Get_Team_String(nTeam, nString, szText);
            if (strcasecmp(szText, szName) == 0) return nTeam;
        }
    return NO_TEAM;
}

void Choose_New_Game_Team(NewGameForm* pForm, TNUM nTeam) {
    if (!Franchise_In_Use(nTeam)) {
        Error_Log("Invalid nTeam in Choose_New_Game_Team(%d)", nTeam);
        return;
    }
    pForm->nTeam = nTeam;
    char szNickname[TEXT_SIZE];
    Get_Team_Nickname(nTeam, szNickname);
    pForm->szNickname = szNickname;
}

void Set_New_Game_Option(NewGameForm* pForm, int nOption, bool bChecked) {
    if (nOption < 0 || nOption >= NUMBER_OF_NEW_GAME_OPTIONS) {
        Error_Log("Invalid nOption in Set_New_Game_Option(%d)", nOption);
        return;
    }
    pForm->abOption[nOption] = bChecked;
    if (!bChecked) return;
    if (nOption == NEW_GAME_SHUFFLE) pForm->abOption[NEW_GAME_RANDOM_PLAYERS] = false;
    if (nOption == NEW_GAME_RANDOM_PLAYERS || nOption == NEW_GAME_FANTASY_DRAFT)
        pForm->abOption[NEW_GAME_SHUFFLE] = false;
}

bool New_Game_Option_Available(int nOption) {
    return nOption == NEW_GAME_SHUFFLE || nOption == NEW_GAME_EQUALIZE || nOption == NEW_GAME_SIMULATION;
}
