// A small league of full rosters with believable predicted seasons, built by
// hand for the game tests and the game benchmarks. Header only so that the
// benchmark and the headless tool can share it.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "database/league_database.h"
#include "database/player.h"
#include "database/team.h"

namespace game_fixture {

struct Draw {
    uint64_t nState;
    int Below(int n) {
        nState = nState * 6364136223846793005ULL + 1442695040888963407ULL;
        return (int)((nState >> 33) % (uint64_t)n);
    }
};

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

inline void Fill_Team(Draw& draw, TNUM nTeam) {
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

// nTeams franchises in use (computer-managed), regular season week 3.
inline void Build_League(uint32_t nSeed, int nTeams = 2) {
    Draw draw = {nSeed * 2654435761ULL + 7};
    memset(&g_League, 0, sizeof g_League);
    g_League.anRules[LR_GAMES_PER_SEASON] = 16;
    g_League.anRules[LR_START_YEAR] = 2001;
    g_League.anCalendar[0] = 17;
    g_League.anGameState[GS_CURRENT_WEEK] = 3;
    for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (nTeam < nTeams)
            Fill_Team(draw, (TNUM)nTeam);
        else
            g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] = TEAM_NOT_IN_USE;
    }
    Count_Teams();
}

}  // namespace game_fixture
