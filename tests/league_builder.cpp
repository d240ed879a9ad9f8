#include "league_builder.h"

#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "commands/start_up.h"
#include "database/colleges.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/player_creation.h"
#include "finance/finance.h"
#include "season/season_loop.h"

namespace {

// ---- The sample league ----

void Random_Name(TestDraw& draw, char* pField, int nWidth) {
    static const char* const SYLLABLES[] = {"ka", "ro", "mi", "ten", "vor", "lin", "da", "wes", "bru", "el", "son", "ter"};
    char szName[64] = "";
    int nParts = draw.Between(2, 4);
    for (int i = 0; i < nParts; i++) strcat(szName, SYLLABLES[draw.Below(12)]);
    szName[0] = (char)(szName[0] - 'a' + 'A');
    Copy_Field(pField, nWidth, szName);
}

void Fill_Sample_Player(TestDraw& draw, PlayerRecord& player, int nId, int nHistory) {
    Random_Name(draw, player.szLastName, sizeof player.szLastName);
    Random_Name(draw, player.szFirstName, sizeof player.szFirstName);
    snprintf(player.szPicture, sizeof player.szPicture, "L%03d", draw.Between(1, 49));
    player.anVital[VS_PLAYER_ID] = nId;
    player.anVital[VS_POSITION] = draw.Below(NUMBER_OF_POSITIONS);
    player.anVital[VS_HEIGHT] = draw.Between(68, 79);
    player.anVital[VS_WEIGHT] = draw.Between(170, 330);
    player.anVital[VS_FORTY] = draw.Between(430, 540);
    player.anVital[VS_AGE] = draw.Between(21, 36);
    player.anVital[VS_EXPERIENCE] = draw.Between(0, 14);
    player.anVital[VS_COLLEGE] = draw.Below(NUMBER_OF_COLLEGES);
    player.anVital[VS_SALARY] = draw.Between(225, 9000);
    for (int i = VS_CONTRACT_LEFT; i < NUMBER_OF_VITAL_STATS; i++) player.anVital[i] = draw.Below(100);
    for (auto& period : player.anStats)
        for (int32_t& n : period) n = draw.Below(4) == 0 ? draw.Below(2000) : draw.Below(20);
    for (int i = 0; i < HISTORY_ENTRIES; i++) player.anHistory[i] = i < 3 ? nHistory + i : -1;
    player.nOpenRecord = nHistory;
    for (int32_t& n : player.anReserved) n = -1;
    Random_Name(draw, player.szCollege, sizeof player.szCollege);
}

// ---- The game league ----

// Position, players on the roster.
constexpr int ROSTER[NUMBER_OF_POSITIONS][2] = {
    {POS_QB, 3}, {POS_RB, 4}, {POS_TE, 4}, {POS_WR, 6}, {POS_T, 4},  {POS_G, 4}, {POS_C, 2},
    {POS_DE, 4}, {POS_DT, 4}, {POS_LB, 6}, {POS_CB, 5}, {POS_S, 4}, {POS_K, 1}, {POS_P, 1}};

// A league-average season by position: (counter, value) pairs, -1 ends.
constexpr int AVERAGE[NUMBER_OF_POSITIONS][14][2] = {
    {{SS_PASS_ATTEMPTS, 420}, {SS_COMPLETIONS, 240}, {SS_INTERCEPTIONS_THROWN, 14}, {SS_PASS_YARDS, 2400},
     {SS_PASS_TD, 16}, {SS_RUSHES, 25}, {SS_RUSH_YARDS, 65}, {SS_RUSH_TD, 1}, {SS_FUMBLES, 6}, {-1, 0}},
    {{SS_RUSHES, 140}, {SS_RUSH_YARDS, 455}, {SS_RUSH_TD, 4}, {SS_RECEPTIONS, 20}, {SS_RECEIVING_YARDS, 110},
     {SS_RECEIVING_TD, 2}, {SS_FUMBLES, 3}, {-1, 0}},
    {{SS_RECEPTIONS, 30}, {SS_RECEIVING_YARDS, 270}, {SS_RECEIVING_TD, 3}, {SS_FUMBLES, 2}, {-1, 0}},
    {{SS_RUSHES, 2}, {SS_RUSH_YARDS, 10}, {SS_RECEPTIONS, 50}, {SS_RECEIVING_YARDS, 600}, {SS_RECEIVING_TD, 5},
     {SS_FUMBLES, 2}, {SS_KICK_RETURNS, 30}, {SS_KICK_RETURN_YARDS, 540}, {SS_PUNT_RETURNS, 30},
     {SS_PUNT_RETURN_YARDS, 250}, {-1, 0}},
    {{SS_SACKS_ALLOWED, 9}, {SS_RUSHES, 115}, {SS_RUSH_YARDS, 550}, {SS_PENALTIES, 10}, {SS_PENALTY_YARDS, 100}, {-1, 0}},
    {{SS_SACKS_ALLOWED, 13}, {SS_RUSHES, 310}, {SS_RUSH_YARDS, 1200}, {SS_PENALTIES, 10}, {SS_PENALTY_YARDS, 100}, {-1, 0}},
    {{SS_SACKS_ALLOWED, 17}, {SS_RUSHES, 195}, {SS_RUSH_YARDS, 680}, {SS_PENALTIES, 10}, {SS_PENALTY_YARDS, 100}, {-1, 0}},
    {{SS_TACKLES, 25}, {SS_ASSISTS, 12}, {SS_SACKS, 7}, {SS_FORCED_FUMBLES, 1}, {SS_KNOCKDOWNS, 2},
     {SS_FUMBLE_RECOVERIES, 1}, {-1, 0}},
    {{SS_TACKLES, 45}, {SS_ASSISTS, 18}, {SS_SACKS, 5}, {SS_FORCED_FUMBLES, 1}, {SS_KNOCKDOWNS, 3}, {-1, 0}},
    {{SS_TACKLES, 60}, {SS_ASSISTS, 20}, {SS_SACKS, 3}, {SS_FORCED_FUMBLES, 1}, {SS_KNOCKDOWNS, 7},
     {SS_FUMBLE_RECOVERIES, 1}, {-1, 0}},
    {{SS_TACKLES, 35}, {SS_ASSISTS, 5}, {SS_KNOCKDOWNS, 12}, {SS_INTERCEPTIONS, 3}, {SS_FUMBLE_RECOVERIES, 1},
     {SS_KICK_RETURNS, 15}, {SS_KICK_RETURN_YARDS, 275}, {SS_PUNT_RETURNS, 15}, {SS_PUNT_RETURN_YARDS, 120}, {-1, 0}},
    {{SS_TACKLES, 50}, {SS_ASSISTS, 5}, {SS_SACKS, 1}, {SS_KNOCKDOWNS, 7}, {SS_INTERCEPTIONS, 1},
     {SS_FUMBLE_RECOVERIES, 1}, {-1, 0}},
    {{SS_PAT_ATTEMPTS, 50}, {SS_PAT_MADE, 49}, {SS_FGA_UNDER_30, 10}, {SS_FG_UNDER_30, 9}, {SS_FGA_UNDER_40, 10},
     {SS_FG_UNDER_40, 8}, {SS_FGA_UNDER_50, 6}, {SS_FG_UNDER_50, 4}, {SS_FGA_50_PLUS, 4}, {SS_FG_50_PLUS, 2},
     {SS_LONG_FG, 53}, {-1, 0}},
    {{SS_PUNTS, 50}, {SS_PUNT_YARDS, 2000}, {SS_INSIDE_20, 12}, {SS_LONG_PUNT, 60}, {SS_TOUCHBACKS, 6},
     {SS_KICKER_RETURN_YARDS, 480}, {-1, 0}},
};

void Fill_Game_Team(TestDraw& draw, TNUM nTeam) {
    TeamBlock& team = g_League.aTeams[nTeam];
    snprintf(team.aszStrings[TS_ABBREVIATION], 32, "T%02d", (int)nTeam);
    snprintf(team.aszStrings[TS_CITY], 32, "City%d", (int)nTeam);
    snprintf(team.aszStrings[TS_NICKNAME], 32, "Nicks%d", (int)nTeam);
    team.data.anStats[TEAM_STAT_DIVISION] = nTeam % NUMBER_OF_DIVISIONS;
    team.data.anStats[TEAM_STAT_CONTROL] = COMPUTER_MANAGED;
    team.data.anStats[TEAM_STAT_CITY] = nTeam;
    team.data.anStadium[STADIUM_CAPACITY] = 60000 + 1000 * nTeam;
    snprintf(g_League.aCities[nTeam].szName, 20, "City%d", (int)nTeam);
    g_League.aCities[nTeam].anData[CITY_ALTITUDE] = 3000 + 500 * draw.Below(10);
    g_League.aCities[nTeam].anData[CITY_LATITUDE] = 23000 + 1000 * draw.Below(24);
    int nSlot = 0;
    for (const auto& group : ROSTER) {
        for (int nDepth = 0; nDepth < group[1]; nDepth++, nSlot++) {
            PlayerRecord& player = team.aPlayers[nSlot];
            snprintf(player.szFirstName, sizeof player.szFirstName, "F%d", nSlot);
            snprintf(player.szLastName, sizeof player.szLastName, "Last%02d_%02d", (int)nTeam, nSlot);
            player.anVital[VS_PLAYER_ID] = 1000 * (nTeam + 1) + nSlot + 1;
            player.anVital[VS_POSITION] = group[0];
            player.anVital[VS_AGE] = 22 + draw.Below(12);
            player.anVital[VS_INJURY] = -1;
            player.nOpenRecord = -1;
            for (int32_t& n : player.anHistory) n = -1;
            // Starters play a full season's share, backups less.
            int nShare = nDepth == 0 ? 70 + draw.Below(61) : 15 + draw.Below(40);
            for (const auto& stat : AVERAGE[group[0]]) {
                if (stat[0] < 0) break;
                player.anStats[PERIOD_PREDICTED][stat[0]] = stat[1] * nShare / 100;
            }
            player.anStats[PERIOD_PREDICTED][SS_GAMES] = 16;
            player.anStats[PERIOD_PREDICTED][SS_STARTS] = nDepth == 0 ? 16 : 2;
        }
    }
    team.data.abReturners[KICK_RETURNER] = 14;  // the fourth wide receiver
    team.data.abReturners[PUNT_RETURNER] = 43;  // the third cornerback
}

}  // namespace

void Use_Teams(int nTeams) {
    for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] = nTeam < nTeams ? COMPUTER_MANAGED : TEAM_NOT_IN_USE;
    Count_Teams();
}

void Build_Sample_League(uint32_t nSeed, int nTeams) {
    TestDraw draw = {nSeed * 2654435761ULL + 1};
    memset(&g_League, 0, sizeof g_League);
    snprintf(g_League.szGameName, sizeof g_League.szGameName, "Sample League %u", nSeed);
    snprintf(g_League.szManager, sizeof g_League.szManager, "Manager");
    for (int i = 0; i < 8; i++) g_League.anRules[i] = draw.Below(100);
    g_League.anRules[LR_START_YEAR] = 1998;
    for (int i = 0; i < NUMBER_OF_DIVISIONS; i++) Random_Name(draw, g_League.aszDivisionNames[i], 12);
    int nHistory = 1;
    for (int nTeam = 0; nTeam < NUMBER_OF_TEAM_BLOCKS; nTeam++) {
        TeamBlock& team = g_League.aTeams[nTeam];
        bool bFranchise = nTeam < NUMBER_OF_FRANCHISES;
        if (bFranchise && nTeam >= nTeams) {
            team.data.anStats[TEAM_STAT_CONTROL] = TEAM_NOT_IN_USE;
            continue;
        }
        for (int i = 0; i < 4; i++) Random_Name(draw, team.aszStrings[i], 32);
        int nPlayers = draw.Between(40, 80);
        for (int nSlot = 0; nSlot < nPlayers; nSlot++) {
            Fill_Sample_Player(draw, team.aPlayers[nSlot], nTeam * 100 + nSlot + 1, nHistory);
            nHistory += 3;
        }
        for (auto& group : team.data.anTotals)
            for (auto& period : group)
                for (int32_t& n : period) n = draw.Below(3000);
        for (int32_t& n : team.data.anStats) n = draw.Below(50);
        if (bFranchise) {
            team.data.anStats[TEAM_STAT_DIVISION] = nTeam % NUMBER_OF_DIVISIONS;
            team.data.anStats[TEAM_STAT_CONTROL] = draw.Below(2);
            team.data.anStats[TEAM_STAT_CITY] = draw.Below(100);
        }
        for (int32_t& n : team.data.anFinancial) n = draw.Below(1000000);
        for (int nYear = 0; nYear < 20; nYear++)
            for (int32_t& n : team.data.anYearly[nYear]) n = draw.Below(17);
        for (auto& slot : team.data.anSchedule)
            for (int32_t& n : slot) n = draw.Below(40);
    }
    for (int nCity = 0; nCity < NUMBER_OF_CITIES; nCity++) {
        Random_Name(draw, g_League.aCities[nCity].szName, 20);
        for (int32_t& n : g_League.aCities[nCity].anData) n = draw.Below(3000000);
    }
    for (auto& game : g_League.aGames)
        for (uint8_t& b : game.abBytes) b = draw.Below(3) == 0 ? (uint8_t)draw.Below(256) : 0;
    for (int i = 0; i < 100; i++) g_League.anGameState[i] = draw.Below(60);
    g_League.anGameState[GS_SEASON_INDEX] = 5;
    g_League.anGameState[GS_CURRENT_WEEK] = 9;
    g_League.anGameState[GS_SIMULATING] = 0;
    g_League.anGameState[GS_SAVE_MODE] = 1;
    g_League.anGameState[GS_USER_TEAM] = 3;
    // Drawn like the rest, then kept where a load accepts them.
    g_League.anGameState[GS_DIFFICULTY] %= NUMBER_OF_DIFFICULTIES;
    g_League.anGameState[GS_MANAGED_TEAM] %= nTeams;
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        for (auto& slot : g_League.aTeams[nTeam].data.anSchedule)
            if (slot[SLOT_OPPONENT] > 0) {
                int nOpponent = (slot[SLOT_OPPONENT] - 1) % nTeams;
                slot[SLOT_OPPONENT] = nOpponent == nTeam ? 0 : nOpponent + 1;
            }
    for (int i = 1; i < nHistory && i < NUMBER_OF_HISTORY_RECORDS; i++) {
        HistoryRecord& record = g_League.aHistory[i];
        record.nYear = 1990 + draw.Below(NUMBER_OF_POSITIONS);
        record.nExperience = draw.Below(15);
        record.nTeam = draw.Below(36);
        for (int32_t& n : record.anStats) n = draw.Below(300);
    }
    Sort_Teams();
    Count_Teams();
}

void Build_Game_League(uint32_t nSeed, int nTeams) {
    TestDraw draw = {nSeed * 2654435761ULL + 7};
    memset(&g_League, 0, sizeof g_League);
    g_League.anRules[LR_GAMES_PER_SEASON] = 16;
    g_League.anRules[LR_START_YEAR] = 2001;
    g_League.anCalendar[0] = 17;
    g_League.anGameState[GS_CURRENT_WEEK] = 3;
    for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (nTeam < nTeams)
            Fill_Game_Team(draw, (TNUM)nTeam);
        else
            g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] = TEAM_NOT_IN_USE;
    }
    Count_Teams();
}

bool Build_Default_Season_League(const char* szUniverse, uint32_t nSeed) {
    if (!Load_Game(szUniverse)) return false;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Get_Team_Stat(nTeam, TEAM_STAT_CONTROL) != TEAM_NOT_IN_USE)
            Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
    Forget_Kept_Template_Pool();  // an earlier test's moulds are not this league's
    After_League_Loaded();
    Seed_Random(nSeed);
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(nTeam, nPlayer)) Set_Aging_Parameters(nTeam, nPlayer);
    Set_Game_State(GS_CURRENT_WEEK, 0);
    Copy_Field(g_League.szGameName, sizeof g_League.szGameName, "Default League");  // names the season's saves
    Initialise_League_Finances();
    Set_Up_New_Season(SEASON_OF_NEW_GAME);
    return true;
}

void Build_Money_League(int nTeams) {
    constexpr int FIRST_PLAYOFF_WEEK = 17;
    Use_Teams(nTeams);
    g_League.anRules[LR_GAMES_PER_SEASON] = 16;
    g_League.anCalendar[0] = FIRST_PLAYOFF_WEEK;
    g_League.anGameState[GS_CURRENT_WEEK] = 3;
    g_League.anGameState[GS_DIFFICULTY] = 1;
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        CityRecord& city = g_League.aCities[nTeam];
        strcpy(city.szName, "City");
        city.anData[CITY_POPULATION] = 1000000;
        city.anData[CITY_REGION_POPULATION] = 2500000;
        city.anData[CITY_INCOME] = 25000;
        city.anData[CITY_LONGITUDE] = 70000 + 10000 * nTeam;
        city.anData[CITY_LATITUDE] = 30000;
        Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        Set_Team_Stat(nTeam, TEAM_STAT_CITY, nTeam);
        Set_Stadium_Field(nTeam, STADIUM_CAPACITY, 200000);
        for (int nField : {STADIUM_CONVENIENCE, STADIUM_COMFORT, STADIUM_SIGHT_LINES})
            Set_Stadium_Field(nTeam, nField, 1000);
        Set_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY, 1000);
        Set_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE, 2500);
        Set_Team_Financial_Stat(nTeam, FIN_CASH, 15000000);
    }
}

void Build_Page_League(int nTeams) {
    Use_Teams(nTeams);
    Set_League_Name("American", 0);
    Set_League_Name("National", 1);
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        char szText[32];
        snprintf(szText, sizeof szText, "City%d", nTeam);
        Set_Team_String(szText, nTeam, TS_CITY);
        snprintf(szText, sizeof szText, "Nick%d", nTeam);
        Set_Team_String(szText, nTeam, TS_NICKNAME);
        snprintf(szText, sizeof szText, "A%d", nTeam);
        Set_Team_String(szText, nTeam, TS_ABBREVIATION);
        Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nTeam < nTeams / 2 ? 0 : 4);
    }
    Set_League_Rule(LR_START_YEAR, 2003);
}

void Build_Division_League(std::initializer_list<int> anDivisions) {
    Use_Teams((int)anDivisions.size());
    int nTeam = 0;
    for (int nDivision : anDivisions) Set_Team_Stat((TNUM)nTeam++, TEAM_STAT_DIVISION, nDivision);
}

void Build_Even_League(int nTeams, int nPerDivision) {
    Use_Teams(nTeams);
    for (int nTeam = 0; nTeam < nTeams; nTeam++)
        Set_Team_Stat((TNUM)nTeam, TEAM_STAT_DIVISION, nTeam / nPerDivision);
}
