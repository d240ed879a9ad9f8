#include "personnel/ratings.h"

#include "base/random.h"
#include "database/league_average.h"
#include "database/player.h"
#include "personnel/position_kinds.h"
#include "platform/platform.h"

namespace {
// Typical height and weight of a tight end: the Blocking rating measures a
// back or receiver against them.
constexpr int TYPICAL_HEIGHT = 74;
constexpr int TYPICAL_WEIGHT = 223;

struct Subject {
    TNUM nTeam;
    PNUM nPlayer;
    int nPeriod;
    int nPosition;
};

int S(const Subject& x, int nStat) { return Get_Player_Season_Stat(x.nTeam, x.nPlayer, x.nPeriod, nStat); }
int Avg(const Subject& x, int nCounter) { return League_Average_Season(x.nPosition, nCounter); }
int Vital(const Subject& x, int nIndex) { return Get_Player_Vital_Stat(x.nTeam, x.nPlayer, nIndex); }
int Min3(int a, int b, int c) { return Min(a, Min(b, c)); }
int Games_And_Starts(const Subject& x) { return S(x, SS_GAMES) + S(x, SS_STARTS); }
int Average_Games_And_Starts(const Subject& x) { return Avg(x, SS_GAMES) + Avg(x, SS_STARTS); }

// Few attempts make the passing rates unreliable; scale them by the volume.
int Volume_Adjust(const Subject& x, int nValue) {
    int q = Root(Ratio(S(x, SS_PASS_ATTEMPTS), 10000, 400));
    return Ratio(nValue, q + 100, 200);
}
int Passing_Cap(const Subject& x) { return S(x, SS_PASS_ATTEMPTS) / 3 + 50; }

int Rating(const Subject& x, int nRating);

// A lineman's rate measured against the average lineman's, per mille.
int Against_Average(int nOwn, int nOwnBase, int nAverage, int nAverageBase) {
    return Ratio(1000, Ratio(1000, nOwn, nOwnBase), Ratio(1000, nAverage, nAverageBase));
}

// What his body and the period's running and catching make of a back or
// receiver as a blocker. Kept within the rating range: the value is stored.
int Blocking_From_Body(const Subject& x) {
    int nWeight = Min(Vital(x, VS_WEIGHT), 270);
    int nHeight = Vital(x, VS_HEIGHT);
    int v = Ratio(75, nWeight - TYPICAL_WEIGHT, TYPICAL_WEIGHT) + Ratio(50, TYPICAL_HEIGHT - nHeight, TYPICAL_HEIGHT) + 125 -
            (Rating(x, RATING_RUSHING) + Rating(x, RATING_RECEIVING)) / 3;
    return Clamp(RATING_FLOOR, v, RATING_CEILING);
}

int Blocking(const Subject& x) {
    // The same counter holds completions, assists or punting yards for everyone else.
    if (!Is_Back_Or_Receiver(x.nPosition)) return RATING_FLOOR;
    int nStored = S(x, SS_STORED_BLOCKING);
    if (nStored != 0) return nStored;
    int v = Blocking_From_Body(x);
    Set_Player_Season_Stat(x.nTeam, x.nPlayer, x.nPeriod, SS_STORED_BLOCKING, v);
    return v;
}

int Raw_Rating(const Subject& x, int nRating) {
    int p = x.nPosition;
    switch (nRating) {
    case RATING_ACCURACY: {
        int v = Ratio(Volume_Adjust(x, S(x, SS_COMPLETION_POINTS)), 1300, 1000);
        v = Ratio(25, v - 400, 1000);
        return Min(v + 50, Passing_Cap(x));
    }
    case RATING_DISTANCE: {
        int v = Volume_Adjust(x, Ratio(1000, S(x, SS_YARDS_PER_ATTEMPT_POINTS), S(x, SS_COMPLETION_POINTS)));
        return Min(Ratio(25, v, 1000) + 64, Passing_Cap(x));
    }
    case RATING_CONTROL: {
        int v = Ratio(Volume_Adjust(x, S(x, SS_INTERCEPTION_POINTS)), 1500, 1000);
        v = Ratio(v - 950, 25, 1000);
        return Min(v + 50, Passing_Cap(x));
    }
    case RATING_RED_ZONE: return Min(Ratio(Volume_Adjust(x, S(x, SS_TD_POINTS)), 25, 1000) + 55, Passing_Cap(x));
    case RATING_MOBILITY: return Root(4LL * (S(x, SS_RUSH_YARDS) - S(x, SS_RUSHES)) + 100) + 50;
    case RATING_RUSHING:
        if (!Is_Skill_Position(p)) return RATING_FLOOR;
        return Root((int64_t)S(x, SS_RUSH_YARDS) + S(x, SS_RUSHES)) + 55;
    case RATING_RECEIVING:
        if (!Is_Skill_Position(p)) return RATING_FLOOR;
        return Root((int64_t)Min(1000, 5 * S(x, SS_YARDS_PER_RECEPTION)) + S(x, SS_RECEIVING_YARDS) + 100) + 50;
    case RATING_DURABILITY:
        if (!Is_Skill_Position(p)) return RATING_FLOOR;
        return Root(6LL * S(x, SS_TOUCHES) + 6LL * (S(x, SS_RECEIVING_YARDS) / 10) + 100) + 50;
    case RATING_BLOCKING: return Blocking(x);
    case RATING_HANDS: {
        if (!Is_Skill_Position(p)) return RATING_FLOOR;
        int t = S(x, SS_PASS_ATTEMPTS) + S(x, SS_RUSHES) + 3 * S(x, SS_RECEPTIONS) + 3 * S(x, SS_RETURNS) + 10;
        int v = Ratio(1000, t - S(x, SS_FUMBLES) - 1, t);
        return Max(50, (2 * v) / 3 - 567);
    }
    case RATING_PASS_BLOCKING:
        if (!Is_Lineman(p)) return RATING_FLOOR;
        return 100 - Ratio(25, Against_Average(S(x, SS_SACKS_ALLOWED), Games_And_Starts(x), Avg(x, SS_SACKS_ALLOWED),
                                            Average_Games_And_Starts(x)), 1000);
    case RATING_RUSH_BLOCKING: {
        if (!Is_Lineman(p)) return RATING_FLOOR;
        int v = Against_Average(S(x, SS_RUSH_YARDS), S(x, SS_RUSHES), Avg(x, SS_RUSH_YARDS), Avg(x, SS_RUSHES));
        if (v > 1000) v = 4 * v - 3000;
        return Ratio(25, v, 1000) + (p == POS_G ? 55 : 50);
    }
    case RATING_DISCIPLINE:
        if (!Is_Lineman(p)) return RATING_FLOOR;
        return 100 - Ratio(25,
                           Against_Average(S(x, SS_PENALTIES) + S(x, SS_PENALTY_YARDS), Games_And_Starts(x),
                                           Avg(x, SS_PENALTIES) + Avg(x, SS_PENALTY_YARDS),
                                           Average_Games_And_Starts(x)),
                           1000);
    case RATING_ENDURANCE: {
        if (!Is_Lineman(p)) return RATING_FLOOR;
        int v = Ratio(500, Games_And_Starts(x), 25);
        v = Ratio(v + 500, 299, Vital(x, VS_WEIGHT));
        v = Ratio(v, 28, Vital(x, VS_AGE));
        return Min(v / 40 + 50, 100);
    }
    case RATING_RUN_DEFENSE: {
        if (!Is_Defender(p)) return RATING_FLOOR;
        int t = S(x, SS_TACKLES) + S(x, SS_ASSISTS);
        return Min3(100, t / 2 + 40, t / 5 + 70);
    }
    case RATING_PASS_RUSH: {
        if (!Is_Defender(p)) return RATING_FLOOR;
        int t = S(x, SS_SACKS) + 2 * S(x, SS_FORCED_FUMBLES) + S(x, SS_KNOCKDOWNS) / 10;
        return Min3(100, 2 * t + 50, t / 2 + 82);
    }
    case RATING_PASS_COVERAGE: {
        if (!Is_Defender(p)) return RATING_FLOOR;
        int t = 2 * S(x, SS_KNOCKDOWNS) + S(x, SS_INTERCEPTIONS);
        return Min(t + 50, t / 3 + 80);
    }
    case RATING_TURNOVERS: {
        if (!Is_Defender(p)) return RATING_FLOOR;
        int t = 4 * S(x, SS_INTERCEPTIONS) + 4 * S(x, SS_FORCED_FUMBLES) + 2 * S(x, SS_FUMBLE_RECOVERIES) +
                2 * S(x, SS_DEFENSIVE_TD) - S(x, SS_STARTS) / 2;
        return Min3(100, t + 72, t / 5 + 90);
    }
    case RATING_FG_ACCURACY: {
        int v = S(x, SS_FG_RATE) / 5 - 75;
        return Max(S(x, SS_GAMES) / 2 + 47, Min3(v, v / 5 + 75, 100));
    }
    case RATING_FG_DISTANCE: {
        int l = Clamp(0, Ratio(2000, S(x, SS_FG_UNDER_50) + 2 * S(x, SS_FG_50_PLUS), S(x, SS_FG_TRIED) + 4), 1000);
        int v = Ratio(75, S(x, SS_FG_RATE_UNDER_50) + S(x, SS_FG_RATE_50_PLUS) + l, 1750);
        return Max(S(x, SS_GAMES) / 3 + 50, Min(v, 100));
    }
    case RATING_RELIABILITY: {
        int v = Ratio(1000, 5 * S(x, SS_PAT_MADE) + S(x, SS_GAMES) + S(x, SS_FG_MADE),
                      5 * S(x, SS_PAT_ATTEMPTS) + 2 * Get_League_Rule(LR_GAMES_PER_SEASON) + S(x, SS_FG_TRIED) / 2);
        return Max(v / 6 - 73, S(x, SS_GAMES) + 45);
    }
    case RATING_PUNTING: return Max(Ratio(S(x, SS_PUNT_AVERAGE), 220, 1000) - 5, 50);
    default: return RATING_FLOOR;
    }
}

int Rating(const Subject& x, int nRating) { return Clamp(RATING_FLOOR, Raw_Rating(x, nRating), RATING_CEILING); }

bool Has_Formula(int nRating) {
    return nRating >= RATING_ACCURACY && nRating <= RATING_PUNTING && nRating != RATING_LINEMAN_SPARE && nRating != RATING_DEFENDER_SPARE;
}

bool Slot_Addressable(TNUM nTeam, PNUM nPlayer, const char* szRoutine) {
    if (nTeam < 0 || nTeam > TOTAL_NUMBER_OF_TEAMS || nPlayer < 0 || nPlayer >= PLAYERS_PER_TEAM) {
        Error_Log("Invalid player in %s()", szRoutine);
        return false;
    }
    return true;
}

const char* const RATING_NAMES[24] = {
    "Accuracy",      "Distance",     "Control",    "Red Zone",      "Mobility",    "Rushing",
    "Receiving",     "Durability",   "Blocking",   "Hands",         "Pass Blocking", "Rush Blocking",
    "Discipline",    "Endurance",    "",           "Run Defense",   "Pass Rush",   "Pass Coverage",
    "Turnovers",     "",             "FG Accuracy", "FG Distance",  "Reliability", "Punting",
};
}  // namespace

int Get_Player_Rating(TNUM nTeam, PNUM nPlayer, int nPeriod, int nRating) {
    if (!Slot_Addressable(nTeam, nPlayer, "Get_Player_Rating")) return 0;
    Subject x{nTeam, nPlayer, nPeriod, Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION)};
    if (!Has_Formula(nRating)) return RATING_FLOOR;
    return Rating(x, nRating);
}

int Get_Player_Rating_Stat(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat, bool* pDefined) {
    bool bDefined = true;
    int nResult = 0;
    if (nStat == RATING_OVERALL)
        nResult = Player_Overall_Rating(nTeam, nPlayer);
    else if (nStat == SS_SEASON_WORTH)
        nResult = Player_Season_Value(nTeam, nPlayer, nPeriod) -
                  Ratio(Get_Player_Season_Stat(nTeam, nPlayer, nPeriod, SS_RETURN_YARDS), 2000, 1000);
    else if (Has_Formula(nStat))
        nResult = Get_Player_Rating(nTeam, nPlayer, nPeriod, nStat);
    else if (nStat >= RATING_ACCURACY && nStat < RATING_OVERALL)
        nResult = RATING_FLOOR;  // an empty rating slot reads as the floor
    else
        bDefined = false;
    if (nStat == RATING_LINEMAN_SPARE || nStat == RATING_DEFENDER_SPARE || nStat == RATING_KICKER_SPARE)
        bDefined = false;
    if (pDefined) *pDefined = bDefined;
    return nResult;
}

const char* Rating_Name(int nRating) {
    if (nRating < RATING_ACCURACY || nRating > RATING_PUNTING) return "";
    return RATING_NAMES[nRating - RATING_ACCURACY];
}

int Position_Rating_Code(int nPosition, int nSlot) {
    if (!Is_Known_Position(nPosition) || nSlot < 0 || nSlot >= RATINGS_PER_POSITION) return 0;
    if (nPosition == POS_QB) return RATING_ACCURACY + nSlot;
    if (Is_Back_Or_Receiver(nPosition)) return RATING_RUSHING + nSlot;
    if (nSlot == 4) return 0;
    if (Is_Lineman(nPosition)) return RATING_PASS_BLOCKING + nSlot;
    if (Is_Defender(nPosition)) return RATING_RUN_DEFENSE + nSlot;
    return RATING_FG_ACCURACY + nSlot;
}

void Set_Player_Rating(TNUM nTeam, PNUM nPlayer, int nRating, int nTarget) {
    if (!Slot_Addressable(nTeam, nPlayer, "Set_Player_Rating") || !Is_Valid_Player(nTeam, nPlayer)) return;
    const int P = PERIOD_PREDICTED;
    int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    // Only positions that show the rating have the counters it is made of;
    // elsewhere the same counters mean other statistics.
    if (nRating == RATING_BLOCKING) {
        if (Is_Back_Or_Receiver(nPosition))
            Set_Player_Season_Stat(nTeam, nPlayer, P, SS_STORED_BLOCKING,
                                   Clamp(RATING_FLOOR, nTarget, RATING_CEILING));
        return;
    }
    if ((nRating != RATING_PASS_BLOCKING && nRating != RATING_RUSH_BLOCKING) || !Is_Lineman(nPosition)) return;
    Set_Player_Season_Stat(nTeam, nPlayer, P, SS_GAMES, Max(14, Get_Player_Season_Stat(nTeam, nPlayer, P, SS_GAMES)));
    Set_Player_Season_Stat(nTeam, nPlayer, P, SS_STARTS, Max(11, Get_Player_Season_Stat(nTeam, nPlayer, P, SS_STARTS)));
    for (int n = 0; n < 1000; n++) {
        if (nRating == RATING_PASS_BLOCKING) {
            Set_Player_Season_Stat(nTeam, nPlayer, P, SS_SACKS_ALLOWED, n);
            if (Get_Player_Rating(nTeam, nPlayer, P, nRating) <= nTarget) break;
        } else {
            Set_Player_Season_Stat(nTeam, nPlayer, P, SS_RUSH_YARDS, 5 * (n + 1));
            if (Get_Player_Rating(nTeam, nPlayer, P, nRating) >= nTarget) break;
        }
    }
}

void Store_Blocking_Rating(TNUM nTeam, PNUM nPlayer, int nPeriod) {
    if (!Slot_Addressable(nTeam, nPlayer, "Store_Blocking_Rating")) return;
    Subject x{nTeam, nPlayer, nPeriod, Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION)};
    if (Is_Back_Or_Receiver(x.nPosition))
        Set_Player_Season_Stat(nTeam, nPlayer, nPeriod, SS_STORED_BLOCKING, Blocking_From_Body(x));
}
