#include "personnel/growth.h"

#include "base/random.h"
#include "database/player.h"

int Yearly_Growth_Amount(TNUM nTeam, PNUM nPlayer) {
    int nAge = Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
    int nPeakStart = Get_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_START);
    int nPeakEnd = Get_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_END);
    int nTrend = 0;
    if (nAge < nPeakStart)
        nTrend = Ratio(50, 100, Get_Player_Vital_Stat(nTeam, nPlayer, VS_GROWTH_RATE));
    else if (nAge > nPeakEnd)
        nTrend = Ratio(30, (nPeakEnd - nAge) * 100, Get_Player_Vital_Stat(nTeam, nPlayer, VS_DECLINE_RATE));
    int nNoise = Random(16);
    nNoise -= Random(16);
    return nTrend + nNoise;
}
