#include "personnel/scouting_error.h"

#include <cstdint>

#include "base/random.h"
#include "database/team.h"

namespace {
constexpr int STANDARD_QUALITY = 1000;
constexpr int ERROR_LIMIT = SCOUTING_ERROR_LIMIT;
const int MONTH_LENGTH[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

bool Is_Franchise_In_Use(TNUM nTeam) { return nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES && Valid_Team(nTeam); }
}  // namespace

int Month_Of_Day(int nDayOfYear, int* pDayOfMonth) {
    int nDay = ((nDayOfYear % 365) + 365) % 365;
    int nMonth = 0;
    while (nDay >= MONTH_LENGTH[nMonth]) nDay -= MONTH_LENGTH[nMonth++];
    if (pDayOfMonth) *pDayOfMonth = nDay;
    return nMonth;
}

int Player_Hash(int nPlayerID, int nModulus) {
    if (nModulus < 1) return 0;
    // 32-bit two's-complement arithmetic with wrap-around.
    uint32_t a = (uint32_t)(nPlayerID / 10), b = (uint32_t)(nPlayerID % 10);
    uint32_t m = (uint32_t)Month_Of_Day(7 * Current_Week() + 243);
    uint32_t y = (uint32_t)Current_Season_Index();
    int32_t x = (int32_t)(a * a * a + 10u * b * b * b + m * m + y * y);
    int64_t nAbs = x < 0 ? -(int64_t)x : x;
    return (int)(nAbs % nModulus);
}

int Scouting_Error(TNUM nTeam, int nPlayerID) {
    if (Get_Game_State(GS_COMMISSIONER)) return 0;
    int q = STANDARD_QUALITY;
    if (Is_Franchise_In_Use(nTeam)) {
        int nOwn = Get_Team_Financial_Stat(nTeam, FIN_SCOUTING_QUALITY);
        q = nOwn;
        if (nOwn >= 500) {
            int nTeams = 0, nBetter = 0;
            for (TNUM t = 0; t < NUMBER_OF_FRANCHISES; t++) {
                if (!Valid_Team(t)) continue;
                nTeams++;
                if (Get_Team_Financial_Stat(t, FIN_SCOUTING_QUALITY) > nOwn) nBetter++;
            }
            int n = Max(1, nTeams - 1);
            q = 1500 - (1000 / n) * nBetter;
        }
    }
    int f = Max(0, (100 * Get_Game_State(GS_DIFFICULTY) - q + 1500) / 4);
    f /= Player_Hash(nPlayerID, 100) + 1;
    int s = (f % 2 != 0) ? -(f + 1) / 2 : f / 2;
    return Clamp(-ERROR_LIMIT, s, ERROR_LIMIT);
}
