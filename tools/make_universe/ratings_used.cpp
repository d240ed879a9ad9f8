#include "ratings_used.h"

#include "database/player.h"
#include "base/random.h"
#include "database/league_average.h"

namespace {
int Rating(int x) {
    return Clamp(50, x, 100);
}

int Mobility(const int s[20]) {
    return Rating(Root(4 * (s[8] - s[7]) + 100) + 50);
}
int Rushing(const int s[20]) {
    return Rating(Root(s[8] + s[7]) + 55);
}
int Receiving(const int s[20]) {
    int nYardsPerCatch = Ratio(10, s[11], s[10]);
    return Rating(Root(Min(1000, 5 * nYardsPerCatch) + s[11] + 100) + 50);
}
int Pass_Blocking(int nPosition, const int s[20]) {
    auto avg = [&](int n) { return League_Average_Season(nPosition, n); };
    int x = Ratio(1000, Ratio(1000, s[4], s[0] + s[1]), Ratio(1000, avg(4), avg(0) + avg(1)));
    return Rating(100 - Ratio(25, x, 1000));
}
int Run_Defense(const int s[20]) {
    int t = s[2] + s[3];
    return Rating(Min(100, Min(t / 2 + 40, t / 5 + 70)));
}
int Pass_Rush(const int s[20]) {
    int t = s[4] + 2 * s[5] + s[6] / 10;
    return Rating(Min(100, Min(2 * t + 50, t / 2 + 82)));
}
int Pass_Coverage(const int s[20]) {
    int t = 2 * s[6] + s[7];
    return Rating(Min(t + 50, t / 3 + 80));
}
} // namespace

int Speed_Rating(int nPosition, const int anSeason[20]) {
    switch (nPosition) {
    case POS_QB:
        return Mobility(anSeason);
    case POS_RB:
        return Rushing(anSeason);
    case POS_TE:
    case POS_WR:
        return Receiving(anSeason);
    case POS_T:
    case POS_G:
    case POS_C:
        return Pass_Blocking(nPosition, anSeason);
    case POS_DE:
    case POS_DT:
        return Pass_Rush(anSeason);
    case POS_LB:
        return Run_Defense(anSeason);
    case POS_CB:
    case POS_S:
        return Pass_Coverage(anSeason);
    default:
        return 0;
    }
}

int Blocking_Rating(const int anSeason[20], int nHeight, int nWeight) {
    constexpr int TIGHT_END_HEIGHT = 74, TIGHT_END_WEIGHT = 223;
    int x = Ratio(75, Min(nWeight, 270) - TIGHT_END_WEIGHT, TIGHT_END_WEIGHT) +
            Ratio(50, TIGHT_END_HEIGHT - nHeight, TIGHT_END_HEIGHT) + 125 -
            (Rushing(anSeason) + Receiving(anSeason)) / 3;
    return Rating(x);
}
