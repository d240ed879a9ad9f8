// A small league of full rosters with believable predicted seasons, built by
// hand for the game tests and the game benchmarks. Header only so that the
// benchmark and the headless tool can share it.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "database/league_database.h"

namespace game_fixture {

struct Draw {
    uint64_t nState;
    int Below(int n) {
        nState = nState * 6364136223846793005ULL + 1442695040888963407ULL;
        return (int)((nState >> 33) % (uint64_t)n);
    }
};

// Position, players on the roster.
constexpr int ROSTER[14][2] = {{0, 3}, {1, 4}, {2, 4}, {3, 6}, {4, 4}, {5, 4}, {6, 2},
                               {7, 4}, {8, 4}, {9, 6}, {10, 5}, {11, 4}, {12, 1}, {13, 1}};

// A league-average season by position: (counter, value) pairs, -1 ends.
constexpr int AVERAGE[14][14][2] = {
    {{2, 420}, {3, 240}, {4, 14}, {5, 2400}, {6, 16}, {7, 25}, {8, 65}, {9, 1}, {13, 6}, {-1, 0}},
    {{7, 140}, {8, 455}, {9, 4}, {10, 20}, {11, 110}, {12, 2}, {13, 3}, {-1, 0}},
    {{10, 30}, {11, 270}, {12, 3}, {13, 2}, {-1, 0}},
    {{7, 2}, {8, 10}, {10, 50}, {11, 600}, {12, 5}, {13, 2}, {14, 30}, {15, 540}, {17, 30}, {18, 250}, {-1, 0}},
    {{4, 9}, {7, 115}, {8, 550}, {10, 10}, {11, 100}, {-1, 0}},
    {{4, 13}, {7, 310}, {8, 1200}, {10, 10}, {11, 100}, {-1, 0}},
    {{4, 17}, {7, 195}, {8, 680}, {10, 10}, {11, 100}, {-1, 0}},
    {{2, 25}, {3, 12}, {4, 7}, {5, 1}, {6, 2}, {8, 1}, {-1, 0}},
    {{2, 45}, {3, 18}, {4, 5}, {5, 1}, {6, 3}, {-1, 0}},
    {{2, 60}, {3, 20}, {4, 3}, {5, 1}, {6, 7}, {8, 1}, {-1, 0}},
    {{2, 35}, {3, 5}, {6, 12}, {7, 3}, {8, 1}, {14, 15}, {15, 275}, {17, 15}, {18, 120}, {-1, 0}},
    {{2, 50}, {3, 5}, {4, 1}, {6, 7}, {7, 1}, {8, 1}, {-1, 0}},
    {{8, 50}, {9, 49}, {10, 10}, {11, 9}, {12, 10}, {13, 8}, {14, 6}, {15, 4}, {16, 4}, {17, 2}, {18, 53}, {-1, 0}},
    {{2, 50}, {3, 2000}, {4, 12}, {5, 60}, {6, 6}, {7, 480}, {-1, 0}},
};

inline void Fill_Team(Draw& draw, TNUM nTeam) {
    TeamBlock& team = g_League.aTeams[nTeam];
    snprintf(team.aszStrings[TS_ABBREVIATION], 32, "T%02d", (int)nTeam);
    snprintf(team.aszStrings[TS_CITY], 32, "City%d", (int)nTeam);
    snprintf(team.aszStrings[TS_NICKNAME], 32, "Nicks%d", (int)nTeam);
    team.data.anStats[0] = nTeam % NUMBER_OF_DIVISIONS;
    team.data.anStats[2] = 0;
    team.data.anStats[3] = nTeam;
    team.data.anStadium[0] = 60000 + 1000 * nTeam;
    snprintf(g_League.aCities[nTeam].szName, 20, "City%d", (int)nTeam);
    g_League.aCities[nTeam].anData[4] = 3000 + 500 * draw.Below(10);
    g_League.aCities[nTeam].anData[6] = 23000 + 1000 * draw.Below(24);
    int nSlot = 0;
    for (const auto& group : ROSTER) {
        for (int nDepth = 0; nDepth < group[1]; nDepth++, nSlot++) {
            PlayerRecord& player = team.aPlayers[nSlot];
            snprintf(player.szFirstName, sizeof player.szFirstName, "F%d", nSlot);
            snprintf(player.szLastName, sizeof player.szLastName, "Last%02d_%02d", (int)nTeam, nSlot);
            player.anVital[0] = 1000 * (nTeam + 1) + nSlot + 1;
            player.anVital[1] = group[0];
            player.anVital[7] = 22 + draw.Below(12);
            player.anVital[14] = -1;
            player.nOpenRecord = -1;
            for (int32_t& n : player.anHistory) n = -1;
            // Starters play a full season's share, backups less.
            int nShare = nDepth == 0 ? 70 + draw.Below(61) : 15 + draw.Below(40);
            for (const auto& stat : AVERAGE[group[0]]) {
                if (stat[0] < 0) break;
                player.anStats[3][stat[0]] = stat[1] * nShare / 100;
            }
            player.anStats[3][0] = 16;
            player.anStats[3][1] = nDepth == 0 ? 16 : 2;
        }
    }
    team.data.abReturners[0] = 14;  // the fourth wide receiver
    team.data.abReturners[1] = 43;  // the third cornerback
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
            g_League.aTeams[nTeam].data.anStats[2] = -1;
    }
    Count_Teams();
}

}  // namespace game_fixture
