#include "ratings_used.h"

#include "database/player.h"
#include "database/random.h"
#include "personnel/league_average.h"

namespace {
int Rating(int x) {
    return Clamp(50, x, 100);
}

int Mobility(const int s[NUMBER_OF_COUNTERS]) {
    return Rating(Root(4 * (s[SS_RUSH_YARDS] - s[SS_RUSHES]) + 100) + 50);
}
int Rushing(const int s[NUMBER_OF_COUNTERS]) {
    return Rating(Root(s[SS_RUSH_YARDS] + s[SS_RUSHES]) + 55);
}
int Receiving(const int s[NUMBER_OF_COUNTERS]) {
    int nYardsPerCatch = Ratio(10, s[SS_RECEIVING_YARDS], s[SS_RECEPTIONS]);
    return Rating(Root(Min(1000, 5 * nYardsPerCatch) + s[SS_RECEIVING_YARDS] + 100) + 50);
}
int Pass_Blocking(int nPosition, const int s[NUMBER_OF_COUNTERS]) {
    auto avg = [&](int n) { return League_Average_Season(nPosition, n); };
    int x = Ratio(1000, Ratio(1000, s[SS_SACKS_ALLOWED], s[SS_GAMES] + s[SS_STARTS]),
                  Ratio(1000, avg(SS_SACKS_ALLOWED), avg(SS_GAMES) + avg(SS_STARTS)));
    return Rating(100 - Ratio(25, x, 1000));
}
int Run_Defense(const int s[NUMBER_OF_COUNTERS]) {
    int t = s[SS_TACKLES] + s[SS_ASSISTS];
    return Rating(Min(100, Min(t / 2 + 40, t / 5 + 70)));
}
int Pass_Rush(const int s[NUMBER_OF_COUNTERS]) {
    int t = s[SS_SACKS] + 2 * s[SS_FORCED_FUMBLES] + s[SS_KNOCKDOWNS] / 10;
    return Rating(Min(100, Min(2 * t + 50, t / 2 + 82)));
}
int Pass_Coverage(const int s[NUMBER_OF_COUNTERS]) {
    int t = 2 * s[SS_KNOCKDOWNS] + s[SS_INTERCEPTIONS];
    return Rating(Min(t + 50, t / 3 + 80));
}
} // namespace

int Speed_Rating(int nPosition, const int anSeason[NUMBER_OF_COUNTERS]) {
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

int Blocking_Rating(const int anSeason[NUMBER_OF_COUNTERS], int nHeight, int nWeight) {
    constexpr int TIGHT_END_HEIGHT = 74, TIGHT_END_WEIGHT = 223;
    int x = Ratio(75, Min(nWeight, 270) - TIGHT_END_WEIGHT, TIGHT_END_WEIGHT) +
            Ratio(50, TIGHT_END_HEIGHT - nHeight, TIGHT_END_HEIGHT) + 125 -
            (Rushing(anSeason) + Receiving(anSeason)) / 3;
    return Rating(x);
}
