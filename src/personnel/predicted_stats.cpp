#include <algorithm>
#include <cstdint>

#include "base/random.h"
#include "database/league_average.h"
#include "database/player.h"
#include "personnel/position_kinds.h"
#include "personnel/ratings.h"
#include "platform/platform.h"

namespace {
constexpr int MODIFIER_LIMIT = 950;

// Per-cent factors by position group, counter and mode (lower body, upper
// body, general, youth, veteran). Counters not listed never change.
struct FactorRow {
    signed char nGroup;
    signed char nCounter;
    short anFactor[NUMBER_OF_DEVELOP_MODES];
};
constexpr FactorRow FACTOR_ROWS[] = {
    {0, 0, {50, 50, 50, 0, 100}},       {0, 1, {50, 50, 50, 0, 100}},       {0, 2, {25, 100, 50, 50, 50}},
    {0, 3, {50, 200, 100, 100, 100}},   {0, 5, {50, 200, 100, 100, 100}},   {0, 6, {50, 200, 100, 100, 100}},
    {0, 4, {-50, -100, -50, -100, 0}},  {0, 13, {-50, -100, -50, -100, 0}}, {0, 7, {100, 25, 50, 50, 50}},
    {0, 14, {100, 25, 50, 50, 50}},     {0, 8, {200, 50, 100, 100, 100}},   {0, 9, {200, 50, 100, 100, 100}},
    {0, 15, {200, 50, 100, 100, 100}},  {0, 16, {200, 50, 100, 100, 100}},  {0, 10, {50, 50, 50, 50, 50}},
    {0, 11, {100, 100, 100, 100, 100}}, {0, 12, {100, 100, 100, 100, 100}},

    {1, 0, {50, 50, 50, 0, 100}},       {1, 1, {50, 50, 50, 0, 100}},       {1, 4, {-100, -100, -100, -100, -100}},
    {1, 8, {100, 100, 100, 100, 100}},  {1, 10, {-100, -100, -100, -100, -50}}, {1, 11, {-100, -100, -100, -100, -50}},

    {2, 0, {100, 100, 100, 100, 100}},  {2, 1, {100, 100, 100, 100, 100}},  {2, 2, {100, 100, 100, 100, 100}},
    {2, 3, {100, 100, 100, 100, 100}},  {2, 4, {100, 100, 100, 100, 100}},  {2, 5, {100, 100, 100, 100, 100}},
    {2, 6, {100, 100, 100, 100, 100}},  {2, 7, {100, 100, 100, 100, 100}},  {2, 8, {100, 100, 100, 100, 100}},
    {2, 9, {100, 100, 100, 100, 100}},  {2, 14, {100, 25, 50, 50, 50}},     {2, 15, {200, 50, 100, 100, 100}},
    {2, 16, {200, 50, 100, 100, 100}},

    {3, 0, {100, 100, 100, 100, 100}},  {3, 2, {100, 25, 50, 50, 50}},      {3, 3, {200, 50, 100, 100, 100}},
    {3, 4, {200, 50, 100, 100, 100}},   {3, 5, {200, 50, 100, 100, 100}},   {3, 6, {-100, 0, -50, -50, -50}},
    {3, 7, {-100, 0, -50, -50, -50}},   {3, 9, {100, 0, 50, 50, 50}},       {3, 11, {100, 0, 50, 50, 50}},
    {3, 13, {100, 0, 50, 50, 50}},      {3, 15, {100, 0, 50, 50, 50}},      {3, 17, {200, 0, 100, 100, 100}},
};

struct FactorTable {
    short an[4][NUMBER_OF_COUNTERS][NUMBER_OF_DEVELOP_MODES] = {};
    constexpr FactorTable() {
        for (const FactorRow& row : FACTOR_ROWS)
            for (int m = 0; m < NUMBER_OF_DEVELOP_MODES; m++) an[row.nGroup][row.nCounter][m] = row.anFactor[m];
    }
};
constexpr FactorTable FACTORS;
}  // namespace

int Development_Factor(int nGroup, int nCounter, int nMode) {
    if (nGroup < 0 || nGroup > 3 || nCounter < 0 || nCounter >= NUMBER_OF_COUNTERS || nMode < 0 ||
        nMode >= NUMBER_OF_DEVELOP_MODES) {
        Error_Log("Invalid argument in Development_Factor(%d,%d,%d)", nGroup, nCounter, nMode);
        return 0;
    }
    return FACTORS.an[nGroup][nCounter][nMode];
}

void Modify_Predicted_Player_Stats(TNUM nTeam, PNUM nPlayer, int nPeriod, int nModifier, int nMode) {
    if (nTeam < 0 || nTeam > TOTAL_NUMBER_OF_TEAMS || nPlayer < 0 || nPlayer >= PLAYERS_PER_TEAM ||
        !Is_Valid_Player(nTeam, nPlayer)) {
        Error_Log("Invalid player in Modify_Predicted_Player_Stats()");
        return;
    }
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    if (!Is_Known_Position(nPosition) || nMode < 0 || nMode >= NUMBER_OF_DEVELOP_MODES) {
        Error_Log("Invalid position or mode in Modify_Predicted_Player_Stats()");
        return;
    }
    if (nModifier > MODIFIER_LIMIT || nModifier < -MODIFIER_LIMIT)
        Warning_Log("Modifier too large in Modify_Predicted_Player_Stats()");
    int nGroup = Group_Of_Position(nPosition);
    for (int i = 0; i < NUMBER_OF_COUNTERS; i++) {
        int f = Ratio(nModifier, FACTORS.an[nGroup][i][nMode], 100);
        int64_t d = (int64_t)Baseline_Season(nPosition, i) * f;
        int64_t nChange = d / 1000;
        int64_t nRemainder = (d < 0 ? -d : d) % 1000;
        // The part below one unit is rounded at random, in proportion.
        if (Random(1000) < nRemainder) nChange += d >= 1 ? 1 : -1;
        int64_t nNew = Get_Player_Season_Stat(nTeam, nPlayer, nPeriod, i) + nChange;
        Set_Player_Season_Stat(nTeam, nPlayer, nPeriod, i, (int)std::clamp<int64_t>(nNew, 0, INT32_MAX));
    }
}
