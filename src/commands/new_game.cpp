// The New Game page as it opens and while the user fills it in.
#include "commands/new_game.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <new>
#include <strings.h>

#include "commands/game_commands.h"
#include "commands/start_up.h"
#include "database/player.h"
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

namespace {
// A code of a team gone reads as no team where a season was played, and the
// pick it held goes back to the team it was first given to.
void Forget_Team_Codes(int nTeams) {
    for (int nDraft = 0; nDraft < (int)(sizeof g_League.abDraftPicks / sizeof g_League.abDraftPicks[0]); nDraft++)
        for (int nRound = 0; nRound < NUMBER_OF_DRAFT_ROUNDS; nRound++)
            for (int nTeam = 0; nTeam < nTeams; nTeam++)
                if (g_League.abDraftPicks[nDraft][nRound][nTeam] >= nTeams)
                    g_League.abDraftPicks[nDraft][nRound][nTeam] = (uint8_t)nTeam;
    for (TeamBlock& team : g_League.aTeams)
        for (PlayerRecord& player : team.aPlayers) {
            if (player.anVital[VS_PLAYER_ID] == 0) continue;
            int32_t& nDrafted = player.anVital[VS_DRAFTED];
            int nBy = nDrafted / DRAFTED_TEAM_UNIT - 1;
            if (nBy >= nTeams && nBy < NUMBER_OF_FRANCHISES) nDrafted %= DRAFTED_TEAM_UNIT;
            int nDestination = player.anVital[VS_DESTINATION];
            if (nDestination >= nTeams && nDestination < NUMBER_OF_FRANCHISES) player.anVital[VS_DESTINATION] = NO_TEAM;
        }
    for (HistoryRecord& record : g_League.aHistory) {
        int nTeam = (TNUM)(record.nTeam & 0xFF);
        if (record.nYear != 0 && nTeam >= nTeams && nTeam < NUMBER_OF_FRANCHISES)
            record.nTeam = (int32_t)(((uint32_t)record.nTeam & ~0xFFu) | ((uint32_t)NO_TEAM & 0xFF));
    }
    for (int nEntry : {GS_USER_TEAM, GS_MANAGED_TEAM})
        if (g_League.anGameState[nEntry] >= nTeams) g_League.anGameState[nEntry] = 0;
}
}  // namespace

bool Keep_First_Franchises(int nTeams) {
    if (nTeams < 2 || nTeams > NUMBER_OF_FRANCHISES || nTeams > Number_Of_Teams()) return false;
    for (TNUM nTeam = (TNUM)nTeams; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        for (int nPlayer = PLAYERS_PER_TEAM - 1; nPlayer >= 0; nPlayer--)
            if (Is_Valid_Player(nTeam, (PNUM)nPlayer)) Delete_Player(nTeam, (PNUM)nPlayer);
        Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, TEAM_NOT_IN_USE);
    }
    Count_Teams();
    // Two conferences of one division each: every size has a final.
    constexpr int FIRST_DIVISION_OF_SECOND_CONFERENCE = NUMBER_OF_DIVISIONS / NUMBER_OF_LEAGUES;
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++)
        Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nTeam < nTeams / 2 ? 0 : FIRST_DIVISION_OF_SECOND_CONFERENCE);
    Forget_Team_Codes(nTeams);
    return true;
}
