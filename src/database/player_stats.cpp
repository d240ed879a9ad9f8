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

// Counters (0..19) and computed codes 100..143, 302 and 303 of one period, whose
// counters are s. Clears *pDefined for a code that has no meaning.
int Period_Stat(const PlayerRecord& player, const int32_t* s, int nStat, bool* pDefined) {
    auto val = [&](int nCode) { return Period_Stat(player, s, nCode, pDefined); };
    int nSide = Position_Side(player.anVital[VS_POSITION]);
    switch (nStat) {
    case 100: return (val(102) + val(104) + val(106) + val(108)) / 6;
    case 101: return Ratio(1000, s[3], s[2]);
    case 102: return Clamp(0, val(101) * 5 - 1500, 2375);
    case 103: return Ratio(100, s[5], s[2]);
    case 104: return Clamp(0, Ratio(val(103) - 300, 25, 10), 2375);
    case 105: return Ratio(1000, s[6], s[2]);
    case 106: return Clamp(0, val(105) * 20, 2375);
    case 107: return Ratio(1000, s[4], s[2]);
    case 108: return Clamp(0, 2375 - val(107) * 25, 2375);
    case 109: return Ratio(10, s[5], s[3]);
    case 110: return Ratio(1, s[5], s[0]);
    case 111: return s[7] + s[10];
    case 112: return Ratio(10, s[8], s[7]);
    case 113: return Ratio(10, s[11], s[10]);
    case 114: return Ratio(10, s[3], s[2]);
    case 117: return Ratio(10, s[15], s[14]);
    case 118: return Ratio(10, s[18], s[17]);
    case 119: return Ratio(1000, s[9], s[8]);
    case 120: return s[11] + s[13] + s[15] + s[17];
    case 121: return s[10] + s[12] + s[14] + s[16];
    case 122: return Ratio(1000, val(120), val(121));
    case 123: return Ratio(1000, s[11], s[10]);
    case 124: return Ratio(1000, s[13], s[12]);
    case 125: return Ratio(1000, s[15], s[14]);
    case 126: return Ratio(1000, s[17], s[16]);
    case 127: return Ratio(1000, s[11] + s[13], s[10] + s[12]);
    case 128: return Ratio(1000, s[15] + s[17], s[14] + s[16]);
    case 129: return s[11] + s[8];
    case 130: return s[12] + s[9];
    case 134: return val(121) + s[2];
    case 135: return val(129) + s[5] + val(138);
    case 136:
        if (nSide == SIDE_OFFENCE) return val(130) + val(139);
        if (nSide == SIDE_DEFENCE) return s[9] + val(139);
        return 0;
    case 137: return s[14] + s[17];
    case 138: return s[15] + s[18];
    case 139: return s[16] + s[19];
    case 140: return s[4] * 5;
    case 141: return s[4] * 25;
    case 142: return Ratio(1, (int64_t)s[4] * 25, s[0]);
    case 143: return Ratio(10, s[2], s[0]);
    case 302:
    case 303: {
        if (nSide == SIDE_KICKERS) return 0;
        int nCounter = nStat == 302 ? SS_KICK_RETURN_YARDS : SS_PUNT_RETURN_YARDS;
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
