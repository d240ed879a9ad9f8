// A player's past: one season per year in the league, each made from his
// quality in that year. Going back from today, the growth of his young years
// is taken away and the decline after his peak given back, so careers rise,
// level off and fall the way his aging parameters say they will go on.
#include <vector>

#include "base/random.h"
#include "database/player.h"
#include "personnel/player_creation.h"
#include "personnel/ratings.h"
#include "player_parts.h"
#include "seasons.h"

namespace {
// Quality gained in a season of growth at a growth rate of 100, and lost in
// each season past the peak per year beyond it at a decline rate of 100.
constexpr int GROWTH_PER_SEASON = 90;
constexpr int DECLINE_PER_YEAR_PAST_PEAK = 60;
// How far a season's form strays from the curve.
constexpr int FORM_SPREAD = 80;
// A starter of today was not one in a season this far below the average,
// nor as a rookie unless he was already this good.
constexpr int BENCH_QUALITY = -250;
constexpr int ROOKIE_STARTER_QUALITY = 300;
// Past form stays within what a season of football allows.
constexpr int BEST_PAST_QUALITY = 1300, WORST_PAST_QUALITY = -600;

struct Aging {
    int nGrowthRate, nDeclineRate, nPeakStart, nPeakEnd;
};

Aging Aging_Of(TNUM nTeam, PNUM nPlayer) {
    return {Get_Player_Vital_Stat(nTeam, nPlayer, VS_GROWTH_RATE),
            Get_Player_Vital_Stat(nTeam, nPlayer, VS_DECLINE_RATE),
            Get_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_START),
            Get_Player_Vital_Stat(nTeam, nPlayer, VS_PEAK_END)};
}

// Quality gained from the season at nAge to the season after it.
int Development(int nAge, const Aging& aging) {
    if (nAge < aging.nPeakStart) return Ratio(GROWTH_PER_SEASON, 100, Max(1, aging.nGrowthRate));
    if (nAge + 1 > aging.nPeakEnd)
        return -Ratio(DECLINE_PER_YEAR_PAST_PEAK * (nAge + 1 - aging.nPeakEnd), 100,
                      Max(1, aging.nDeclineRate));
    return 0;
}

// A finished season of another year goes straight into a free record of the
// pool, appended to the player's list: no accessor writes one.
void Add_History_Season(TNUM nTeam, PNUM nPlayer, int nYear, int nExperience, TNUM nPlayedFor,
                        const int s[NUMBER_OF_COUNTERS]) {
    int nEntry = Count_History_Entries(nTeam, nPlayer);
    int nRecord = Allocate_History_Record();
    if (nEntry >= HISTORY_ENTRIES || nRecord < 0) return;
    HistoryRecord& record = g_League.aHistory[nRecord];
    record.nYear = nYear;
    record.nExperience = nExperience;
    record.nTeam = (uint8_t)nPlayedFor;
    for (int n = 0; n < NUMBER_OF_COUNTERS; n++)
        record.anStats[n] = s[n];
    g_League.aTeams[nTeam].aPlayers[nPlayer].anHistory[nEntry] = nRecord;
}

// Counters that hold a best mark or a rating rather than a count: their
// career figure is the best season, not the sum.
bool Career_Takes_Best(int nPosition, int nCounter) {
    if (nPosition == POS_P) return nCounter == SS_LONG_PUNT;
    if (nPosition == POS_K) return nCounter == SS_LONG_FG;
    if (nPosition == POS_RB || nPosition == POS_TE || nPosition == POS_WR) return nCounter == SS_STORED_BLOCKING;
    return false;
}

Role Past_Role(const CareerPlan& plan, int nQuality, bool bRookieSeason) {
    if (plan.role != ROLE_STARTER) return plan.role;
    if (nQuality < BENCH_QUALITY) return ROLE_ROTATION;
    if (bRookieSeason && nQuality < ROOKIE_STARTER_QUALITY) return ROLE_ROTATION;
    return ROLE_STARTER;
}

SeasonShape Shape_Of(const CareerPlan& plan, int nQuality, Role role) {
    SeasonShape shape{};
    shape.nPosition = plan.nPosition;
    shape.nQuality = nQuality;
    shape.role = role;
    shape.bKickReturner = plan.bKickReturner;
    shape.bPuntReturner = plan.bPuntReturner;
    shape.bBlockingBack = plan.bBlockingBack;
    return shape;
}

// The season goes into a period of his, where a back or receiver is given
// the blocking rating his body earns with it; s gets that rating too.
void Set_Season(TNUM nTeam, PNUM nPlayer, int nPeriod, int s[NUMBER_OF_COUNTERS]) {
    for (int n = 0; n < NUMBER_OF_COUNTERS; n++)
        Set_Player_Season_Stat(nTeam, nPlayer, nPeriod, n, s[n]);
    Store_Blocking_Rating(nTeam, nPlayer, nPeriod);
    s[SS_COMPLETIONS] = Get_Player_Season_Stat(nTeam, nPlayer, nPeriod, SS_COMPLETIONS);
}
} // namespace

int Quality_Change(TNUM nTeam, PNUM nPlayer, int nAge) {
    return Development(nAge, Aging_Of(nTeam, nPlayer));
}

void Make_Predicted(TNUM nTeam, PNUM nPlayer, const CareerPlan& plan) {
    SeasonShape shape = Shape_Of(plan, plan.nQuality, plan.role);
    Draw_Playing_Time(&shape);
    int anSeason[NUMBER_OF_COUNTERS];
    Make_Full_Season(shape, anSeason);
    Set_Season(nTeam, nPlayer, PERIOD_PREDICTED, anSeason);
}

void Make_Past_Seasons(TNUM nTeam, PNUM nPlayer, const CareerPlan& plan) {
    Aging aging = Aging_Of(nTeam, nPlayer);
    // Quality k seasons back (k = 1 is the last one), walking back along the curve.
    std::vector<int> quality(plan.nSeasons + 1);
    quality[0] = plan.nQuality;
    for (int k = 1; k <= plan.nSeasons; k++)
        quality[k] = quality[k - 1] - Development(plan.nAnchorAge - k, aging);
    for (int& nQuality : quality)
        nQuality = Clamp(WORST_PAST_QUALITY, nQuality, BEST_PAST_QUALITY);

    int anCareer[NUMBER_OF_COUNTERS] = {};
    for (int k = plan.nSeasons; k >= 1; k--) { // oldest first: the list stays in year order
        int nBetter = Random(FORM_SPREAD);
        int nQuality = quality[k] + nBetter - Random(FORM_SPREAD);
        SeasonShape shape =
            Shape_Of(plan, nQuality, Past_Role(plan, nQuality, k == plan.nSeasons));
        Draw_Playing_Time(&shape);
        shape.nGames = Max(1, shape.nGames - Draw_Games_Missed());
        shape.nStarts = Min(shape.nStarts, shape.nGames);
        int anSeason[NUMBER_OF_COUNTERS];
        Make_Season(shape, true, anSeason);
        // Each season in turn is his last; the most recent one stays so.
        Set_Season(nTeam, nPlayer, PERIOD_LAST_SEASON, anSeason);
        TNUM nPlayedFor = k <= plan.nTenure ? plan.nTeam : plan.nFormerTeam;
        Add_History_Season(nTeam, nPlayer, plan.nAnchorYear - k, plan.nSeasons - k, nPlayedFor, anSeason);
        for (int n = 0; n < NUMBER_OF_COUNTERS; n++)
            anCareer[n] = Career_Takes_Best(plan.nPosition, n) ? Max(anCareer[n], anSeason[n])
                                                               : anCareer[n] + anSeason[n];
    }
    for (int n = 0; n < NUMBER_OF_COUNTERS; n++)
        Set_Player_Season_Stat(nTeam, nPlayer, PERIOD_CAREER, n, anCareer[n]);
}
