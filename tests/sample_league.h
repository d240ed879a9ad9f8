// A league filled with varied data of realistic shape (names, small numbers,
// statistics, history), for saved-game tests and benchmarks. Header only so
// that the benchmark can share it.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "database/league_database.h"
#include "database/team.h"

namespace sample {

struct Draw {
    uint64_t nState;
    uint32_t Next() {
        nState = nState * 6364136223846793005ULL + 1442695040888963407ULL;
        return (uint32_t)(nState >> 33);
    }
    int Below(int n) { return (int)(Next() % (uint32_t)n); }
    int Between(int nLo, int nHi) { return nLo + Below(nHi - nLo + 1); }
};

inline void Random_Name(Draw& draw, char* pField, int nWidth) {
    static const char* const SYLLABLES[] = {"ka", "ro", "mi", "ten", "vor", "lin", "da", "wes", "bru", "el", "son", "ter"};
    char szName[64] = "";
    int nParts = draw.Between(2, 4);
    for (int i = 0; i < nParts; i++) strcat(szName, SYLLABLES[draw.Below(12)]);
    szName[0] = (char)(szName[0] - 'a' + 'A');
    Copy_Field(pField, nWidth, szName);
}

inline void Fill_Player(Draw& draw, PlayerRecord& player, int nId, int nHistory) {
    Random_Name(draw, player.szLastName, sizeof player.szLastName);
    Random_Name(draw, player.szFirstName, sizeof player.szFirstName);
    snprintf(player.szPicture, sizeof player.szPicture, "L%03d", draw.Between(1, 49));
    player.anVital[0] = nId;
    player.anVital[1] = draw.Below(14);
    player.anVital[2] = draw.Between(68, 79);
    player.anVital[3] = draw.Between(170, 330);
    player.anVital[4] = draw.Between(430, 540);
    player.anVital[7] = draw.Between(21, 36);
    player.anVital[8] = draw.Between(0, 14);
    player.anVital[9] = draw.Below(75);
    player.anVital[11] = draw.Between(225, 9000);
    for (int i = 12; i < 30; i++) player.anVital[i] = draw.Below(100);
    for (auto& period : player.anStats)
        for (int32_t& n : period) n = draw.Below(4) == 0 ? draw.Below(2000) : draw.Below(20);
    for (int i = 0; i < HISTORY_ENTRIES; i++) player.anHistory[i] = i < 3 ? nHistory + i : -1;
    player.nOpenRecord = nHistory;
    for (int32_t& n : player.anReserved) n = -1;
    Random_Name(draw, player.szCollege, sizeof player.szCollege);
}

// Fills the live league; nTeams franchises in use, sorted as a load leaves them.
inline void Fill_League(uint32_t nSeed, int nTeams = 32) {
    Draw draw = {nSeed * 2654435761ULL + 1};
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
            Fill_Player(draw, team.aPlayers[nSlot], nTeam * 100 + nSlot + 1, nHistory);
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
    for (int i = 1; i < nHistory && i < NUMBER_OF_HISTORY_RECORDS; i++) {
        HistoryRecord& record = g_League.aHistory[i];
        record.nYear = 1990 + draw.Below(14);
        record.nExperience = draw.Below(15);
        record.nTeam = draw.Below(36);
        for (int32_t& n : record.anStats) n = draw.Below(300);
    }
    Sort_Teams();
    Count_Teams();
}

}  // namespace sample
