#include <algorithm>
#include <cstring>

#include "base/random.h"
#include "database/player.h"
#include "personnel/position_kinds.h"
#include "personnel/ratings.h"

namespace {
// Most field goals a kicker's predicted season is credited with.
constexpr int PREDICTED_FIELD_GOAL_CAP = 25;
// Overall-rating weight of each position, per cent.
const int OVERALL_FACTOR[NUMBER_OF_POSITIONS] = {86, 100, 100, 107, 70, 75, 75, 105, 104, 100, 100, 100, 75, 75};
const int TIER_THRESHOLDS[9] = {50, 150, 300, 500, 900, 1500, 2500, 4000, 5500};

int64_t Raw_Season_Worth(TNUM nTeam, PNUM nPlayer, int nPeriod, int nPosition) {
    auto s = [&](int nStat) { return (int64_t)Get_Player_Season_Stat(nTeam, nPlayer, nPeriod, nStat); };
    if (Is_Defender(nPosition)) return 200000 * s(SS_INTERCEPTIONS) + 10000 * (s(SS_TACKLES) + s(SS_ASSISTS)) + 100000 * s(SS_SACKS) +
               75000 * s(SS_KNOCKDOWNS);
    if (nPosition == POS_K) {
        int64_t g = Ratio(1000000, s(SS_FG_RATE) - 700, 210);
        int64_t h = s(SS_FG_MADE);
        if (nPeriod == PERIOD_PREDICTED) h = Min((int)h, PREDICTED_FIELD_GOAL_CAP);
        int64_t l = s(SS_PAT_RATE);
        return Ratio(g + 40000 * h, 1000 - std::min<int64_t>(100 * s(SS_PAT_ATTEMPTS), 1000 - l), 1000);
    }
    if (nPosition == POS_P) return 10000 * s(SS_PUNT_AVERAGE) + 6000 * s(SS_PUNTS) - 3000000;
    if (Is_Lineman(nPosition)) {
        auto r = [&](int nRating) { return (int64_t)Get_Player_Rating(nTeam, nPlayer, nPeriod, nRating); };
        int64_t nSum = r(RATING_ENDURANCE) + 4 * r(RATING_PASS_BLOCKING) + 4 * r(RATING_RUSH_BLOCKING) + r(RATING_DISCIPLINE);
        return Ratio(20000 * (nSum - 725), s(SS_STARTS) + s(SS_GAMES), 30);
    }
    int64_t f = 625 * (Root(s(SS_PASS_ATTEMPTS)) * (s(SS_PASSER_RATING) - 500) + 4 * s(SS_RUSH_YARDS)) +
                2000 * s(SS_RECEIVING_YARDS) + 1250 * s(SS_RETURN_YARDS);
    if (Is_Back_Or_Receiver(nPosition)) {
        int64_t nBlocking = Get_Player_Rating(nTeam, nPlayer, nPeriod, RATING_BLOCKING);
        if (nBlocking > 75) f += 50000 * nBlocking - 3750000;
    }
    return f;
}

// A player's current value is read over and over by the needs of every team
// for every judgement, and it depends on nothing but his record (and the
// season's length): the last value of each slot is kept with what it was
// worked out from.
struct ValueMemo {
    bool bSet;
    int32_t nGames;
    int32_t anVital[NUMBER_OF_VITAL_STATS];
    int32_t anStats[NUMBER_OF_STAT_PERIODS][NUMBER_OF_COUNTERS];
    int nValue;
};
ValueMemo g_aMemo[NUMBER_OF_TEAM_BLOCKS][PLAYERS_PER_TEAM];

int Worked_Out_Current_Value(TNUM nTeam, PNUM nPlayer);

int Current_Value(TNUM nTeam, PNUM nPlayer) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_TEAM_BLOCKS || nPlayer < 0 || nPlayer >= PLAYERS_PER_TEAM)
        return Worked_Out_Current_Value(nTeam, nPlayer);
    const PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nPlayer];
    ValueMemo& memo = g_aMemo[nTeam][nPlayer];
    int32_t nGames = Get_League_Rule(LR_GAMES_PER_SEASON);
    if (memo.bSet && memo.nGames == nGames && memcmp(memo.anVital, player.anVital, sizeof memo.anVital) == 0 &&
        memcmp(memo.anStats, player.anStats, sizeof memo.anStats) == 0)
        return memo.nValue;
    int nValue = Worked_Out_Current_Value(nTeam, nPlayer);
    memo.bSet = true;
    memo.nGames = nGames;
    memcpy(memo.anVital, player.anVital, sizeof memo.anVital);
    memcpy(memo.anStats, player.anStats, sizeof memo.anStats);
    memo.nValue = nValue;
    return nValue;
}

int Worked_Out_Current_Value(TNUM nTeam, PNUM nPlayer) {
    int w = Max(50, 80 - 20 * Get_Player_Vital_Stat(nTeam, nPlayer, VS_EXPERIENCE));
    int v = Ratio(Player_Season_Value(nTeam, nPlayer, PERIOD_PREDICTED), w, 100) +
            Ratio(Player_Season_Value(nTeam, nPlayer, PERIOD_LAST_SEASON), 100 - w, 100);
    int nAge = Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
    if (nAge > 30) v = Ratio(v, 42 - nAge, 12);
    return v;
}

int Potential_From(TNUM nTeam, PNUM nPlayer, int v) {
    int y = Max(0, Get_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_START) - Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE));
    if (y > 0) {
        int g = Ratio(y * 142, 100, Get_Player_Vital_Stat(nTeam, nPlayer, VS_GROWTH_RATE));
        v = (int)std::min<int64_t>((int64_t)v + Ratio((int64_t)v + 2000, g, 1000), 3 * (int64_t)v);
    }
    return v;
}
}  // namespace

int Player_Season_Value(TNUM nTeam, PNUM nPlayer, int nPeriod) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return 0;
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    if (!Is_Known_Position(nPosition)) return 0;
    return (int)(Raw_Season_Worth(nTeam, nPlayer, nPeriod, nPosition) / 1000 - 750);
}

int Player_Current_Value(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return 0;
    return Current_Value(nTeam, nPlayer);
}

int Player_Potential_Value(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return 0;
    return Potential_From(nTeam, nPlayer, Current_Value(nTeam, nPlayer));
}

int Player_Potential_From_Current(TNUM nTeam, PNUM nPlayer, int nCurrent) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return 0;
    return Potential_From(nTeam, nPlayer, nCurrent);
}

int Player_Trade_Value(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return 0;
    int nCurrent = Current_Value(nTeam, nPlayer);
    int y = Get_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_START) - Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
    if (y <= 0) return nCurrent;
    int e = Clamp(1, y, 8);
    return Ratio(nCurrent, 1000 - 100 * e, 1000) + Ratio(Potential_From(nTeam, nPlayer, nCurrent), 100 * e, 1000);
}

int Player_Value_Tier(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return 0;
    int v = Player_Potential_Value(nTeam, nPlayer);
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    if (nPosition == POS_K || nPosition == POS_P) v *= 2;
    if (nPosition == POS_QB) v -= v / 3;
    int nTier = 0;
    for (int nThreshold : TIER_THRESHOLDS)
        if (nThreshold < v) nTier++;
    return nTier;
}

int Player_Overall_Rating(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return 0;
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    if (!Is_Known_Position(nPosition)) return 0;
    // A negative trade value is a poor player, not the mirror of a good one.
    int a = Root(Max(0, Player_Trade_Value(nTeam, nPlayer)));
    int x = Ratio(a + 35, OVERALL_FACTOR[nPosition], 100);
    if (x > 90) x = x / 2 + 45;
    if (x >= 95) x = x / 2 + 47;
    return Min(100, x);
}
