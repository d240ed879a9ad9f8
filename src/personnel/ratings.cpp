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

// Few attempts make the passing rates unreliable; scale them by the volume.
int Volume_Adjust(const Subject& x, int nValue) {
    int q = Root(Ratio(S(x, 2), 10000, 400));
    return Ratio(nValue, q + 100, 200);
}
int Passing_Cap(const Subject& x) { return S(x, 2) / 3 + 50; }

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
    // Counter 3 holds completions, assists or punting yards for everyone else.
    if (!Is_Back_Or_Receiver(x.nPosition)) return RATING_FLOOR;
    int nStored = S(x, SS_COMPLETIONS);
    if (nStored != 0) return nStored;
    int v = Blocking_From_Body(x);
    Set_Player_Season_Stat(x.nTeam, x.nPlayer, x.nPeriod, SS_COMPLETIONS, v);
    return v;
}

int Raw_Rating(const Subject& x, int nRating) {
    int p = x.nPosition;
    switch (nRating) {
    case RATING_ACCURACY: {
        int v = Ratio(Volume_Adjust(x, S(x, 102)), 1300, 1000);
        v = Ratio(25, v - 400, 1000);
        return Min(v + 50, Passing_Cap(x));
    }
    case RATING_DISTANCE: {
        int v = Volume_Adjust(x, Ratio(1000, S(x, 104), S(x, 102)));
        return Min(Ratio(25, v, 1000) + 64, Passing_Cap(x));
    }
    case RATING_CONTROL: {
        int v = Ratio(Volume_Adjust(x, S(x, 108)), 1500, 1000);
        v = Ratio(v - 950, 25, 1000);
        return Min(v + 50, Passing_Cap(x));
    }
    case RATING_RED_ZONE: return Min(Ratio(Volume_Adjust(x, S(x, 106)), 25, 1000) + 55, Passing_Cap(x));
    case RATING_MOBILITY: return Root(4LL * (S(x, 8) - S(x, 7)) + 100) + 50;
    case RATING_RUSHING:
        if (!Is_Skill_Position(p)) return RATING_FLOOR;
        return Root((int64_t)S(x, 8) + S(x, 7)) + 55;
    case RATING_RECEIVING:
        if (!Is_Skill_Position(p)) return RATING_FLOOR;
        return Root((int64_t)Min(1000, 5 * S(x, 113)) + S(x, 11) + 100) + 50;
    case RATING_DURABILITY:
        if (!Is_Skill_Position(p)) return RATING_FLOOR;
        return Root(6LL * S(x, 111) + 6LL * (S(x, 11) / 10) + 100) + 50;
    case RATING_BLOCKING: return Blocking(x);
    case RATING_HANDS: {
        if (!Is_Skill_Position(p)) return RATING_FLOOR;
        int t = S(x, 2) + S(x, 7) + 3 * S(x, 10) + 3 * S(x, 137) + 10;
        int v = Ratio(1000, t - S(x, 13) - 1, t);
        return Max(50, (2 * v) / 3 - 567);
    }
    case RATING_PASS_BLOCKING:
        if (!Is_Lineman(p)) return RATING_FLOOR;
        return 100 - Ratio(25, Against_Average(S(x, 4), S(x, 0) + S(x, 1), Avg(x, 4), Avg(x, 0) + Avg(x, 1)), 1000);
    case RATING_RUSH_BLOCKING: {
        if (!Is_Lineman(p)) return RATING_FLOOR;
        int v = Against_Average(S(x, 8), S(x, 7), Avg(x, 8), Avg(x, 7));
        if (v > 1000) v = 4 * v - 3000;
        return Ratio(25, v, 1000) + (p == POS_G ? 55 : 50);
    }
    case RATING_DISCIPLINE:
        if (!Is_Lineman(p)) return RATING_FLOOR;
        return 100 - Ratio(25,
                           Against_Average(S(x, 10) + S(x, 11), S(x, 0) + S(x, 1), Avg(x, 10) + Avg(x, 11),
                                           Avg(x, 0) + Avg(x, 1)),
                           1000);
    case RATING_ENDURANCE: {
        if (!Is_Lineman(p)) return RATING_FLOOR;
        int v = Ratio(500, S(x, 0) + S(x, 1), 25);
        v = Ratio(v + 500, 299, Vital(x, VS_WEIGHT));
        v = Ratio(v, 28, Vital(x, VS_AGE));
        return Min(v / 40 + 50, 100);
    }
    case RATING_RUN_DEFENSE: {
        if (!Is_Defender(p)) return RATING_FLOOR;
        int t = S(x, 2) + S(x, 3);
        return Min3(100, t / 2 + 40, t / 5 + 70);
    }
    case RATING_PASS_RUSH: {
        if (!Is_Defender(p)) return RATING_FLOOR;
        int t = S(x, 4) + 2 * S(x, 5) + S(x, 6) / 10;
        return Min3(100, 2 * t + 50, t / 2 + 82);
    }
    case RATING_PASS_COVERAGE: {
        if (!Is_Defender(p)) return RATING_FLOOR;
        int t = 2 * S(x, 6) + S(x, 7);
        return Min(t + 50, t / 3 + 80);
    }
    case RATING_TURNOVERS: {
        if (!Is_Defender(p)) return RATING_FLOOR;
        int t = 4 * S(x, 7) + 4 * S(x, 5) + 2 * S(x, 8) + 2 * S(x, 9) - S(x, 1) / 2;
        return Min3(100, t + 72, t / 5 + 90);
    }
    case RATING_FG_ACCURACY: {
        int v = S(x, 122) / 5 - 75;
        return Max(S(x, 0) / 2 + 47, Min3(v, v / 5 + 75, 100));
    }
    case RATING_FG_DISTANCE: {
        int l = Clamp(0, Ratio(2000, S(x, 15) + 2 * S(x, 17), S(x, 121) + 4), 1000);
        int v = Ratio(75, S(x, 125) + S(x, 126) + l, 1750);
        return Max(S(x, 0) / 3 + 50, Min(v, 100));
    }
    case RATING_RELIABILITY: {
        int v = Ratio(1000, 5 * S(x, 9) + S(x, 0) + S(x, 120),
                      5 * S(x, 8) + 2 * Get_League_Rule(LR_GAMES_PER_SEASON) + S(x, 121) / 2);
        return Max(v / 6 - 73, S(x, 0) + 45);
    }
    case RATING_PUNTING: return Max(Ratio(S(x, 114), 220, 1000) - 5, 50);
    default: return RATING_FLOOR;
    }
}

int Rating(const Subject& x, int nRating) { return Clamp(RATING_FLOOR, Raw_Rating(x, nRating), RATING_CEILING); }

bool Has_Formula(int nRating) {
    return nRating >= RATING_ACCURACY && nRating <= RATING_PUNTING && nRating != 214 && nRating != 219;
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
    else if (nStat == STAT_PLAYER_WORTH)
        nResult = Player_Season_Value(nTeam, nPlayer, nPeriod) -
                  Ratio(Get_Player_Season_Stat(nTeam, nPlayer, nPeriod, 138), 2000, 1000);
    else if (Has_Formula(nStat))
        nResult = Get_Player_Rating(nTeam, nPlayer, nPeriod, nStat);
    else if (nStat >= RATING_ACCURACY && nStat < RATING_OVERALL)
        nResult = RATING_FLOOR;  // an empty rating slot reads as the floor
    else
        bDefined = false;
    if (nStat == 214 || nStat == 219 || nStat == 224) bDefined = false;
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
            Set_Player_Season_Stat(nTeam, nPlayer, P, SS_COMPLETIONS,
                                   Clamp(RATING_FLOOR, nTarget, RATING_CEILING));
        return;
    }
    if ((nRating != RATING_PASS_BLOCKING && nRating != RATING_RUSH_BLOCKING) || !Is_Lineman(nPosition)) return;
    Set_Player_Season_Stat(nTeam, nPlayer, P, 0, Max(14, Get_Player_Season_Stat(nTeam, nPlayer, P, 0)));
    Set_Player_Season_Stat(nTeam, nPlayer, P, 1, Max(11, Get_Player_Season_Stat(nTeam, nPlayer, P, 1)));
    for (int n = 0; n < 1000; n++) {
        if (nRating == RATING_PASS_BLOCKING) {
            Set_Player_Season_Stat(nTeam, nPlayer, P, 4, n);
            if (Get_Player_Rating(nTeam, nPlayer, P, nRating) <= nTarget) break;
        } else {
            Set_Player_Season_Stat(nTeam, nPlayer, P, 8, 5 * (n + 1));
            if (Get_Player_Rating(nTeam, nPlayer, P, nRating) >= nTarget) break;
        }
    }
}

void Store_Blocking_Rating(TNUM nTeam, PNUM nPlayer, int nPeriod) {
    if (!Slot_Addressable(nTeam, nPlayer, "Store_Blocking_Rating")) return;
    Subject x{nTeam, nPlayer, nPeriod, Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION)};
    if (Is_Back_Or_Receiver(x.nPosition))
        Set_Player_Season_Stat(nTeam, nPlayer, nPeriod, SS_COMPLETIONS, Blocking_From_Body(x));
}
