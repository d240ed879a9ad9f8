#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "finance/factors.h"
#include "finance/finance.h"
#include "platform/platform.h"

namespace {
int (*g_pfnTrade_Value)(TNUM nTeam, PNUM nPlayer) = nullptr;

constexpr int BASE_VALUE = 200000000;

// By age 20, 21, ... 44 and over: young players are worth more than their
// play, old ones less.
constexpr int AGE_MULTIPLIER[25] = {150, 145, 140, 135, 130, 125, 120, 115, 110, 105, 100, 95, 90,
                                    85,  80,  75,  70,  65,  60,  55,  50,  40,  30,  20,  10};
constexpr int AGE_BONUS[25] = {150, 150, 125, 100, 75, 50, 25};

// Ratio() without the narrowing: a huge market must not wrap round.
int64_t Wide_Ratio(int64_t a, int64_t b, int64_t c) {
    return c == 0 ? 0 : (a * b + c / 2) / c;
}

int Trade_Value(TNUM nTeam, PNUM nPlayer) {
    if (g_pfnTrade_Value) return g_pfnTrade_Value(nTeam, nPlayer);
    Error_Log("No trade value hook in Player_Franchise_Value()");
    return 0;
}
} // namespace

void Set_Trade_Value_Hook(int (*pfnValue)(TNUM nTeam, PNUM nPlayer)) {
    g_pfnTrade_Value = pfnValue;
}

int Player_Franchise_Value(TNUM nTeam, PNUM nPlayer) {
    int nYears = Max(1, Get_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT));
    int64_t nOverpaid = Max(0, Get_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY) - 1000);
    int64_t nNet = Trade_Value(nTeam, nPlayer) - nYears * nOverpaid / (nYears + 1);
    int nAge = Clamp(0, Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE) - 20, 24);
    return Ratio(nNet, AGE_MULTIPLIER[nAge], 100) + AGE_BONUS[nAge];
}

int Franchise_Value(TNUM nTeam) {
    int64_t nRoster = 0;
    int nPlayers = Number_Of_Players(nTeam);
    for (PNUM nPlayer = 0; nPlayer < nPlayers; nPlayer++)
        nRoster += Player_Franchise_Value(nTeam, nPlayer);
    int64_t nValue = Wide_Ratio(BASE_VALUE, Ratio(1000, Team_Market(nTeam), MARKET_OF_3500000), 1000);
    nValue = Wide_Ratio(nValue, Ratio(1000, Team_Income(nTeam), 25000), 1000);
    nValue = Wide_Ratio(nValue, Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY) + 500, 1500);
    nValue = Wide_Ratio(nValue, Stadium_Quality(nTeam) + 500, 1500);
    return Saturate(nRoster + nValue);
}
