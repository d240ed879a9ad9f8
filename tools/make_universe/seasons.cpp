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
    int nUnits = Reference(shape.nPosition, SS_GAMES, shape.nQuality) +
                 Reference(shape.nPosition, SS_STARTS, shape.nQuality);
    return Ratio(1000, shape.nGames + shape.nStarts, Max(10, nUnits));
}

int Share(const SeasonShape& shape) {
    if (shape.role == ROLE_ROTATION) return ROTATION_SHARE[shape.nPosition];
    if (shape.role == ROLE_RESERVE) return RESERVE_SHARE[shape.nPosition];
    return 1000;
}

void Line_Season(const SeasonShape& shape, int s[NUMBER_OF_COUNTERS]) {
    int p = shape.nPosition, t = shape.nQuality;
    auto avg = [&](int n) { return League_Average_Season(p, n); };
    int nUnits = shape.nGames + shape.nStarts, nAverageUnits = avg(SS_GAMES) + avg(SS_STARTS);
    auto per_units = [&](int n) { return Ratio(avg(n), nUnits, nAverageUnits); };
    int nRunFactor = 1000 + Ratio(LINE_RUN_YARDS_AT_BASELINE - 1000, t, 1000);
    int nSackFactor = Max(LINE_RATE_FLOOR, 1000 + Ratio(LINE_SACKS_AT_BASELINE - 1000, t, 1000));
    int nPenaltyFactor = Max(LINE_RATE_FLOOR, 1000 + Ratio(LINE_PENALTIES_AT_BASELINE - 1000, t, 1000));
    s[SS_RUSHES] = per_units(SS_RUSHES);
    s[SS_RUSH_YARDS] = Ratio(Ratio(s[SS_RUSHES], avg(SS_RUSH_YARDS), avg(SS_RUSHES)), nRunFactor, 1000);
    s[SS_SACKS_ALLOWED] = Ratio(per_units(SS_SACKS_ALLOWED), nSackFactor, 1000);
    s[SS_PENALTIES] = Ratio(per_units(SS_PENALTIES), nPenaltyFactor, 1000);
    s[SS_PENALTY_YARDS] = Ratio(s[SS_PENALTIES], avg(SS_PENALTY_YARDS), avg(SS_PENALTIES));
}

// The position whose return figures a returner of this position gets.
int Return_Table(int nPosition) {
    return Position_Side(nPosition) == SIDE_DEFENCE ? POS_CB : POS_WR;
}

// A returner returns in every game he plays, starter or not.
void Return_Season(const SeasonShape& shape, int s[NUMBER_OF_COUNTERS]) {
    int nTable = Return_Table(shape.nPosition);
    int nQuality = shape.nQuality + RETURNER_QUALITY_BONUS;
    int nVolume = Ratio(1000, shape.nGames, Max(1, Reference(nTable, SS_GAMES, nQuality)));
    auto returns = [&](int n) { return Ratio(Reference(nTable, n, nQuality), nVolume, 1000); };
    if (shape.bKickReturner) {
        s[SS_KICK_RETURNS] = returns(SS_KICK_RETURNS);
        s[SS_KICK_RETURN_YARDS] = returns(SS_KICK_RETURN_YARDS);
    }
    if (shape.bPuntReturner) {
        s[SS_PUNT_RETURNS] = returns(SS_PUNT_RETURNS);
        s[SS_PUNT_RETURN_YARDS] = returns(SS_PUNT_RETURN_YARDS);
    }
}

// Games and starts are drawn, not varied.
void Vary(int s[NUMBER_OF_COUNTERS]) {
    for (int n = SS_STARTS + 1; n < NUMBER_OF_COUNTERS; n++) {
        int nUp = Random(200);
        s[n] = Max(0, Ratio(s[n], 1000 + nUp - Random(200), 1000));
    }
}

// Counts that cannot exceed others, and the touchdowns that follow from yards.
void Make_Consistent(const SeasonShape& shape, bool bNoise, int s[NUMBER_OF_COUNTERS]) {
    int p = shape.nPosition;
    int nGroup = Position_Group(p);
    if (p == POS_QB) s[SS_COMPLETIONS] = Min(s[SS_COMPLETIONS], s[SS_PASS_ATTEMPTS]);
    if (nGroup == GROUP_SKILL || nGroup == GROUP_DEFENCE) {
        s[SS_KICK_RETURN_TD] = s[SS_KICK_RETURN_YARDS] / YARDS_PER_KICK_RETURN_TD;
        s[SS_PUNT_RETURN_TD] = s[SS_PUNT_RETURN_YARDS] / YARDS_PER_PUNT_RETURN_TD;
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
        s[SS_INSIDE_20] = Min(s[SS_INSIDE_20], s[SS_PUNTS]);
        if (s[SS_PUNTS] == 0) s[SS_LONG_PUNT] = 0;
    }
}
} // namespace

void Draw_Playing_Time(SeasonShape* pShape) {
    bool bKicker = Position_Group(pShape->nPosition) == GROUP_KICKERS;
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

void Make_Season(const SeasonShape& shape, bool bNoise, int anOut[NUMBER_OF_COUNTERS]) {
    int p = shape.nPosition;
    for (int n = 0; n < NUMBER_OF_COUNTERS; n++)
        anOut[n] = 0;
    int nVolume = Volume(shape);
    if (Position_Group(p) == GROUP_LINE) {
        Line_Season(shape, anOut);
    } else {
        int nShare = Share(shape);
        // Everything but games, starts and the returns, which come below.
        for (int n = SS_STARTS + 1; n < SS_KICK_RETURNS; n++)
            anOut[n] = Ratio(Ratio(Reference(p, n, shape.nQuality), nVolume, 1000), nShare, 1000);
        if (p == POS_K) {
            for (int n = SS_PAT_ATTEMPTS; n < NUMBER_OF_COUNTERS; n++)
                anOut[n] = Ratio(Reference(p, n, shape.nQuality), nVolume, 1000);
            anOut[SS_LONG_FG] = Reference(p, SS_LONG_FG, shape.nQuality); // the longest kick is no sum
        }
        if (p == POS_P) anOut[SS_LONG_PUNT] = Reference(p, SS_LONG_PUNT, shape.nQuality);
        if (shape.bBlockingBack) {
            for (int n = SS_RUSHES; n <= SS_RUSH_TD; n++)
                anOut[n] = Ratio(anOut[n], BLOCKING_BACK_RUSH_SHARE, 1000);
            for (int n = SS_RECEPTIONS; n <= SS_RECEIVING_TD; n++)
                anOut[n] = Ratio(anOut[n], BLOCKING_BACK_CATCH_SHARE, 1000);
        }
        Return_Season(shape, anOut);
    }
    if (bNoise) Vary(anOut);
    Make_Consistent(shape, bNoise, anOut);
    anOut[0] = shape.nGames;
    anOut[1] = shape.nStarts;
}

void Make_Full_Season(const SeasonShape& shape, int anOut[NUMBER_OF_COUNTERS]) {
    int p = shape.nPosition;
    int nGroup = Position_Group(p);
    if (nGroup == GROUP_LINE || nGroup == GROUP_KICKERS) {
        Make_Season(shape, false, anOut);
        return;
    }
    SeasonShape full = shape;
    full.role = ROLE_STARTER;
    full.nGames = Reference(p, SS_GAMES, shape.nQuality);
    full.nStarts = Reference(p, SS_STARTS, shape.nQuality);
    Make_Season(full, false, anOut);
    anOut[0] = shape.nGames;
    anOut[1] = shape.nStarts;
}
