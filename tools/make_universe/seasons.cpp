#include "seasons.h"

#include "base/random.h"
#include "database/league_average.h"
#include "database/player.h"
#include "personnel/player_creation.h"

namespace {
// Games and starts of a season by role: starts from nStartsLo, plus up to
// nStartsSpread more; games at least nGamesLo plus up to nGamesSpread more.
struct PlayingTime {
    int nStartsLo, nStartsSpread, nGamesLo, nGamesSpread;
};
const PlayingTime STARTER_TIME = {13, 4, 14, 3};
const PlayingTime KICKER_TIME = {15, 2, 15, 2}; // a kicker who starts plays every game
const PlayingTime ROTATION_TIME = {0, 7, 10, 7};
const PlayingTime BACKUP_QB_TIME = {0, 3, 2, 7};
const PlayingTime RESERVE_TIME = {0, 2, 2, 12};
const PlayingTime BACKUP_KICKER_TIME = {0, 1, 1, 3};

// Share in per mille of a regular's production that a bench player of each
// position gets while on the field (linemen and kickers are measured per game).
//                                    QB   RB   TE   WR   T     G     C     DE   DT   LB   CB   S    K     P
const int ROTATION_SHARE[14] = {250, 600, 500, 550, 1000, 1000, 1000, 550, 550, 500, 550, 500, 1000, 1000};
const int RESERVE_SHARE[14] = {120, 250, 200, 220, 1000, 1000, 1000, 250, 250, 200, 250, 200, 1000, 1000};

// A lineman's rates against the league average, per mille, at the baseline
// quality: fewer sacks and penalties, more yards per run behind him.
constexpr int LINE_SACKS_AT_BASELINE = 450;
constexpr int LINE_PENALTIES_AT_BASELINE = 550;
constexpr int LINE_RUN_YARDS_AT_BASELINE = 1100;
constexpr int LINE_RATE_FLOOR = 200;

// A fullback carries and catches less than a halfback of his quality.
constexpr int BLOCKING_BACK_RUSH_SHARE = 400;
constexpr int BLOCKING_BACK_CATCH_SHARE = 700;

// Returns: who returns what, and how many yards make a touchdown.
constexpr int YARDS_PER_KICK_RETURN_TD = 1400;
constexpr int YARDS_PER_PUNT_RETURN_TD = 700;
// Returners are specialists: their returns are better than the rest of their game.
constexpr int RETURNER_QUALITY_BONUS = 800;
// Takeaways per defensive touchdown.
constexpr int TAKEAWAYS_PER_TD = 5;
constexpr int LONGEST_FIELD_GOAL = 64;

int Interpolate(int nAverage, int nBaseline, int nQuality) {
    return Max(0, nAverage + Ratio(nBaseline - nAverage, nQuality, 1000));
}

int Reference(int nPosition, int nCounter, int nQuality) {
    return Interpolate(League_Average_Season(nPosition, nCounter), Baseline_Season(nPosition, nCounter),
                       nQuality);
}

// Playing time against a season of this quality's games and starts, per mille.
int Volume(const SeasonShape& shape) {
    int nUnits =
        Reference(shape.nPosition, 0, shape.nQuality) + Reference(shape.nPosition, 1, shape.nQuality);
    return Ratio(1000, shape.nGames + shape.nStarts, Max(10, nUnits));
}

int Share(const SeasonShape& shape) {
    if (shape.role == ROLE_ROTATION) return ROTATION_SHARE[shape.nPosition];
    if (shape.role == ROLE_RESERVE) return RESERVE_SHARE[shape.nPosition];
    return 1000;
}

void Line_Season(const SeasonShape& shape, int s[20]) {
    int p = shape.nPosition, t = shape.nQuality;
    auto avg = [&](int n) { return League_Average_Season(p, n); };
    int nUnits = shape.nGames + shape.nStarts, nAverageUnits = avg(0) + avg(1);
    auto per_units = [&](int n) { return Ratio(avg(n), nUnits, nAverageUnits); };
    int nRunFactor = 1000 + Ratio(LINE_RUN_YARDS_AT_BASELINE - 1000, t, 1000);
    int nSackFactor = Max(LINE_RATE_FLOOR, 1000 + Ratio(LINE_SACKS_AT_BASELINE - 1000, t, 1000));
    int nPenaltyFactor = Max(LINE_RATE_FLOOR, 1000 + Ratio(LINE_PENALTIES_AT_BASELINE - 1000, t, 1000));
    s[7] = per_units(7);
    s[8] = Ratio(Ratio(s[7], avg(8), avg(7)), nRunFactor, 1000);
    s[4] = Ratio(per_units(4), nSackFactor, 1000);
    s[10] = Ratio(per_units(10), nPenaltyFactor, 1000);
    s[11] = Ratio(s[10], avg(11), avg(10));
}

// The position whose return figures a returner of this position gets.
int Return_Table(int nPosition) {
    return Position_Side(nPosition) == 1 ? POS_CB : POS_WR;
}

// A returner returns in every game he plays, starter or not.
void Return_Season(const SeasonShape& shape, int s[20]) {
    int nTable = Return_Table(shape.nPosition);
    int nQuality = shape.nQuality + RETURNER_QUALITY_BONUS;
    int nVolume = Ratio(1000, shape.nGames, Max(1, Reference(nTable, 0, nQuality)));
    auto returns = [&](int n) { return Ratio(Reference(nTable, n, nQuality), nVolume, 1000); };
    if (shape.bKickReturner) {
        s[14] = returns(14);
        s[15] = returns(15);
    }
    if (shape.bPuntReturner) {
        s[17] = returns(17);
        s[18] = returns(18);
    }
}

void Vary(int s[20]) {
    for (int n = 2; n < 20; n++) {
        int nUp = Random(200);
        s[n] = Max(0, Ratio(s[n], 1000 + nUp - Random(200), 1000));
    }
}

// Counts that cannot exceed others, and the touchdowns that follow from yards.
void Make_Consistent(const SeasonShape& shape, bool bNoise, int s[20]) {
    int p = shape.nPosition;
    int nGroup = Position_Group(p);
    if (p == POS_QB) s[3] = Min(s[3], s[2]);
    if (nGroup == 0 || nGroup == 2) {
        s[16] = s[15] / YARDS_PER_KICK_RETURN_TD;
        s[19] = s[18] / YARDS_PER_PUNT_RETURN_TD;
    }
    if (nGroup == 2) s[9] = (s[7] + s[8]) / TAKEAWAYS_PER_TD;
    // A season without noise is the expectation itself: its penalty yards
    // need not fall on the grid of a real season's.
    if (bNoise || p == POS_K) Tidy_Drawn_Season(p, s);
    if (p == POS_K) {
        s[18] = Min(s[18], LONGEST_FIELD_GOAL);
        if (s[11] + s[13] + s[15] + s[17] == 0) s[18] = 0;
    }
    if (p == POS_P) {
        s[4] = Min(s[4], s[2]);
        if (s[2] == 0) s[5] = 0;
    }
}
} // namespace

void Draw_Playing_Time(SeasonShape* pShape) {
    bool bKicker = Position_Group(pShape->nPosition) == 3;
    const PlayingTime* pTime = &STARTER_TIME;
    if (pShape->role == ROLE_STARTER)
        pTime = bKicker ? &KICKER_TIME : &STARTER_TIME;
    else if (bKicker)
        pTime = &BACKUP_KICKER_TIME;
    else if (pShape->nPosition == POS_QB)
        pTime = &BACKUP_QB_TIME;
    else
        pTime = pShape->role == ROLE_ROTATION ? &ROTATION_TIME : &RESERVE_TIME;
    pShape->nStarts = pTime->nStartsLo + Random(pTime->nStartsSpread);
    pShape->nGames = Min(16, Max(pShape->nStarts, pTime->nGamesLo + Random(pTime->nGamesSpread)));
}

void Make_Season(const SeasonShape& shape, bool bNoise, int anOut[20]) {
    int p = shape.nPosition;
    for (int n = 0; n < 20; n++)
        anOut[n] = 0;
    int nVolume = Volume(shape);
    if (Position_Group(p) == 1) {
        Line_Season(shape, anOut);
    } else {
        int nShare = Share(shape);
        for (int n = 2; n < 14; n++)
            anOut[n] = Ratio(Ratio(Reference(p, n, shape.nQuality), nVolume, 1000), nShare, 1000);
        if (p == POS_K) {
            for (int n = 8; n < 20; n++)
                anOut[n] = Ratio(Reference(p, n, shape.nQuality), nVolume, 1000);
            anOut[18] = Reference(p, 18, shape.nQuality); // the longest kick is no sum
        }
        if (p == POS_P) anOut[5] = Reference(p, 5, shape.nQuality);
        if (shape.bBlockingBack) {
            for (int n = 7; n <= 9; n++)
                anOut[n] = Ratio(anOut[n], BLOCKING_BACK_RUSH_SHARE, 1000);
            for (int n = 10; n <= 12; n++)
                anOut[n] = Ratio(anOut[n], BLOCKING_BACK_CATCH_SHARE, 1000);
        }
        Return_Season(shape, anOut);
    }
    if (bNoise) Vary(anOut);
    Make_Consistent(shape, bNoise, anOut);
    anOut[0] = shape.nGames;
    anOut[1] = shape.nStarts;
}
