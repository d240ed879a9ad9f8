// Season statistics of players: the stored counters of every stat period and
// the statistics computed from them.
#include <cstring>

#include "base/random.h"
#include "database/player.h"
#include "database/player_internal.h"
#include "platform/platform.h"

bool Period_In_Range(int nPeriod) { return nPeriod >= 0 && nPeriod < PERIOD_HISTORY + HISTORY_ENTRIES; }

int32_t* Player_Period_Counters(PlayerRecord& player, int nPeriod) {
    if (nPeriod >= 0 && nPeriod < PERIOD_HISTORY) return player.anStats[nPeriod];
    if (!Period_In_Range(nPeriod)) return nullptr;
    int nRecord = player.anHistory[nPeriod - PERIOD_HISTORY];
    if (!History_Record_In_Range(nRecord)) return nullptr;
    return g_League.aHistory[nRecord].anStats;
}

namespace {
RatingStatHook g_pRatingStat = nullptr;

bool Is_Routed_To_Ratings(int nStat) {
    return (nStat >= SS_FIRST_RATING && nStat <= SS_LAST_RATING) || nStat == SS_SEASON_WORTH;
}

// Counters and the computed codes (not the ratings) of one period, whose
// counters are s. Clears *pDefined for a code that has no meaning.
int Period_Stat(const PlayerRecord& player, const int32_t* s, int nStat, bool* pDefined) {
    auto val = [&](int nCode) { return Period_Stat(player, s, nCode, pDefined); };
    int nSide = Position_Side(player.anVital[VS_POSITION]);
    switch (nStat) {
    case SS_PASSER_RATING:
        return (val(SS_COMPLETION_POINTS) + val(SS_YARDS_PER_ATTEMPT_POINTS) + val(SS_TD_POINTS) +
                val(SS_INTERCEPTION_POINTS)) / 6;
    case SS_COMPLETION_RATE: return Ratio(1000, s[SS_COMPLETIONS], s[SS_PASS_ATTEMPTS]);
    case SS_COMPLETION_POINTS: return Clamp(0, val(SS_COMPLETION_RATE) * 5 - 1500, 2375);
    case SS_YARDS_PER_ATTEMPT: return Ratio(100, s[SS_PASS_YARDS], s[SS_PASS_ATTEMPTS]);
    case SS_YARDS_PER_ATTEMPT_POINTS: return Clamp(0, Ratio(val(SS_YARDS_PER_ATTEMPT) - 300, 25, 10), 2375);
    case SS_TD_RATE: return Ratio(1000, s[SS_PASS_TD], s[SS_PASS_ATTEMPTS]);
    case SS_TD_POINTS: return Clamp(0, val(SS_TD_RATE) * 20, 2375);
    case SS_INTERCEPTION_RATE: return Ratio(1000, s[SS_INTERCEPTIONS_THROWN], s[SS_PASS_ATTEMPTS]);
    case SS_INTERCEPTION_POINTS: return Clamp(0, 2375 - val(SS_INTERCEPTION_RATE) * 25, 2375);
    case SS_YARDS_PER_COMPLETION: return Ratio(10, s[SS_PASS_YARDS], s[SS_COMPLETIONS]);
    case SS_PASS_YARDS_PER_GAME: return Ratio(1, s[SS_PASS_YARDS], s[SS_GAMES]);
    case SS_TOUCHES: return s[SS_RUSHES] + s[SS_RECEPTIONS];
    case SS_YARDS_PER_RUSH: return Ratio(10, s[SS_RUSH_YARDS], s[SS_RUSHES]);
    case SS_YARDS_PER_RECEPTION: return Ratio(10, s[SS_RECEIVING_YARDS], s[SS_RECEPTIONS]);
    case SS_PUNT_AVERAGE: return Ratio(10, s[SS_PUNT_YARDS], s[SS_PUNTS]);
    case SS_KICK_RETURN_AVERAGE: return Ratio(10, s[SS_KICK_RETURN_YARDS], s[SS_KICK_RETURNS]);
    case SS_PUNT_RETURN_AVERAGE: return Ratio(10, s[SS_PUNT_RETURN_YARDS], s[SS_PUNT_RETURNS]);
    case SS_PAT_RATE: return Ratio(1000, s[SS_PAT_MADE], s[SS_PAT_ATTEMPTS]);
    case SS_FG_MADE: return s[SS_FG_UNDER_30] + s[SS_FG_UNDER_40] + s[SS_FG_UNDER_50] + s[SS_FG_50_PLUS];
    case SS_FG_TRIED: return s[SS_FGA_UNDER_30] + s[SS_FGA_UNDER_40] + s[SS_FGA_UNDER_50] + s[SS_FGA_50_PLUS];
    case SS_FG_RATE: return Ratio(1000, val(SS_FG_MADE), val(SS_FG_TRIED));
    case SS_FG_RATE_UNDER_30: return Ratio(1000, s[SS_FG_UNDER_30], s[SS_FGA_UNDER_30]);
    case SS_FG_RATE_UNDER_40: return Ratio(1000, s[SS_FG_UNDER_40], s[SS_FGA_UNDER_40]);
    case SS_FG_RATE_UNDER_50: return Ratio(1000, s[SS_FG_UNDER_50], s[SS_FGA_UNDER_50]);
    case SS_FG_RATE_50_PLUS: return Ratio(1000, s[SS_FG_50_PLUS], s[SS_FGA_50_PLUS]);
    case SS_FG_RATE_SHORT:
        return Ratio(1000, s[SS_FG_UNDER_30] + s[SS_FG_UNDER_40], s[SS_FGA_UNDER_30] + s[SS_FGA_UNDER_40]);
    case SS_FG_RATE_LONG:
        return Ratio(1000, s[SS_FG_UNDER_50] + s[SS_FG_50_PLUS], s[SS_FGA_UNDER_50] + s[SS_FGA_50_PLUS]);
    case SS_SCRIMMAGE_YARDS: return s[SS_RECEIVING_YARDS] + s[SS_RUSH_YARDS];
    case SS_SCRIMMAGE_TD: return s[SS_RECEIVING_TD] + s[SS_RUSH_TD];
    case SS_KICKS_AND_PUNTS: return val(SS_FG_TRIED) + s[SS_PUNTS];
    case SS_ALL_PURPOSE_YARDS: return val(SS_SCRIMMAGE_YARDS) + s[SS_PASS_YARDS] + val(SS_RETURN_YARDS);
    case SS_TOTAL_TD:
        if (nSide == SIDE_OFFENCE) return val(SS_SCRIMMAGE_TD) + val(SS_RETURN_TD);
        if (nSide == SIDE_DEFENCE) return s[SS_DEFENSIVE_TD] + val(SS_RETURN_TD);
        return 0;
    case SS_RETURNS: return s[SS_KICK_RETURNS] + s[SS_PUNT_RETURNS];
    case SS_RETURN_YARDS: return s[SS_KICK_RETURN_YARDS] + s[SS_PUNT_RETURN_YARDS];
    case SS_RETURN_TD: return s[SS_KICK_RETURN_TD] + s[SS_PUNT_RETURN_TD];
    case SS_SACKS_X10: return s[SS_SACKS] * 5;
    case SS_SACKS_X50: return s[SS_SACKS] * 25;
    case SS_SACKS_PER_GAME: return Ratio(1, (int64_t)s[SS_SACKS] * 25, s[SS_GAMES]);
    case SS_TACKLES_PER_GAME: return Ratio(10, s[SS_TACKLES], s[SS_GAMES]);
    case SS_KICK_RETURN_SKILL:
    case SS_PUNT_RETURN_SKILL: {
        if (nSide == SIDE_KICKERS) return 0;
        int nCounter = nStat == SS_KICK_RETURN_SKILL ? SS_KICK_RETURN_YARDS : SS_PUNT_RETURN_YARDS;
        return player.anStats[PERIOD_PREDICTED][nCounter] + player.anStats[PERIOD_LAST_SEASON][nCounter] / 10;
    }
    default:
        if (nStat >= 0 && nStat < NUMBER_OF_COUNTERS) return s[nStat];
        *pDefined = false;
        return 0;
    }
}

// The counters of (team, slot, period) for writing, or nullptr (logged when the
// arguments are bad; silent for a history entry that is not filled).
int32_t* Writable_Counters(TNUM nTeam, PNUM nPlayer, int nPeriod, const char* szRoutine) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, szRoutine);
    if (!pRecord) return nullptr;
    if (!Period_In_Range(nPeriod)) {
        Error_Log("Invalid nPeriod in %s(%d)", szRoutine, nPeriod);
        return nullptr;
    }
    return Player_Period_Counters(*pRecord, nPeriod);
}
}  // namespace

void Set_Rating_Stat_Hook(RatingStatHook pHook) { g_pRatingStat = pHook; }

int Get_Player_Season_Stat(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat) {
    PlayerRecord* pRecord = Checked_Player_Record(nTeam, nPlayer, "Get_Player_Season_Stat");
    if (!pRecord) return 0;
    if (!Period_In_Range(nPeriod)) {
        Error_Log("Invalid nPeriod in Get_Player_Season_Stat(%d)", nPeriod);
        return 0;
    }
    bool bDefined = true;
    int nValue = 0;
    if (Is_Routed_To_Ratings(nStat)) {
        if (g_pRatingStat)
            nValue = g_pRatingStat(nTeam, nPlayer, nPeriod, nStat, &bDefined);
        else
            bDefined = false;
        if (bDefined && nStat >= SS_FIRST_RATING && nStat < SS_LAST_RATING) nValue = Clamp(50, nValue, 100);
    } else {
        // A history entry that is not filled reads 0 for every code it knows.
        static const int32_t NO_COUNTERS[NUMBER_OF_COUNTERS] = {};
        const int32_t* s = Player_Period_Counters(*pRecord, nPeriod);
        nValue = Period_Stat(*pRecord, s ? s : NO_COUNTERS, nStat, &bDefined);
        if (!s) nValue = 0;
    }
    if (!bDefined) {
        Error_Log("Unrecognized SEASON_STAT: %d", nStat);
        // The rating codes without a formula still read as the rating floor.
        return nStat >= SS_FIRST_RATING && nStat < SS_LAST_RATING ? 50 : 0;
    }
    return nValue;
}

static bool Counter_In_Range(int nStat, const char* szRoutine) {
    if (nStat >= 0 && nStat < NUMBER_OF_COUNTERS) return true;
    Error_Log("Invalid nStat in %s(%d)", szRoutine, nStat);
    return false;
}

void Set_Player_Season_Stat(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat, int nValue) {
    int32_t* s = Writable_Counters(nTeam, nPlayer, nPeriod, "Set_Player_Season_Stat");
    if (s && Counter_In_Range(nStat, "Set_Player_Season_Stat")) s[nStat] = nValue;
}

void Add_Player_Season_Stat(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat, int nValue) {
    int32_t* s = Writable_Counters(nTeam, nPlayer, nPeriod, "Add_Player_Season_Stat");
    if (s && Counter_In_Range(nStat, "Add_Player_Season_Stat")) s[nStat] += nValue;
}

void Clear_Player_Period(TNUM nTeam, PNUM nPlayer, int nPeriod) {
    int32_t* s = Writable_Counters(nTeam, nPlayer, nPeriod, "Clear_Player_Period");
    if (s) memset(s, 0, NUMBER_OF_COUNTERS * sizeof(int32_t));
}

void Clear_All_Players_Period(int nPeriod) {
    if (!Period_In_Range(nPeriod)) {
        Error_Log("Invalid nPeriod in Clear_All_Players_Period(%d)", nPeriod);
        return;
    }
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (g_League.aTeams[nTeam].aPlayers[nPlayer].anVital[VS_PLAYER_ID] != 0)
                Clear_Player_Period(nTeam, nPlayer, nPeriod);
}

void Copy_Player_Period(TNUM nTeam, PNUM nPlayer, int nFromPeriod, int nToPeriod) {
    int32_t* pFrom = Writable_Counters(nTeam, nPlayer, nFromPeriod, "Copy_Player_Period");
    int32_t* pTo = Writable_Counters(nTeam, nPlayer, nToPeriod, "Copy_Player_Period");
    if (pFrom && pTo) memmove(pTo, pFrom, NUMBER_OF_COUNTERS * sizeof(int32_t));
}

void Add_Player_Periods(TNUM nTeam, PNUM nPlayer, int nPeriodA, int nPeriodB) {
    int32_t* pA = Writable_Counters(nTeam, nPlayer, nPeriodA, "Add_Player_Periods");
    int32_t* pB = Writable_Counters(nTeam, nPlayer, nPeriodB, "Add_Player_Periods");
    if (!pA || !pB) return;
    for (int i = 0; i < NUMBER_OF_COUNTERS; i++) pA[i] += pB[i];
}

bool Player_Period_Has_Stats(TNUM nTeam, PNUM nPlayer, int nPeriod) {
    const int32_t* s = Writable_Counters(nTeam, nPlayer, nPeriod, "Player_Period_Has_Stats");
    if (!s) return false;
    for (int i = 0; i < NUMBER_OF_COUNTERS; i++)
        if (s[i] != 0) return true;
    return false;
}
