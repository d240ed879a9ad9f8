// Player ratings and values. A player has no stored skills: every rating and
// every money value is computed from his stat periods when it is asked for.
// The season-stat accessor serves the rating codes through
// Get_Player_Rating_Stat (installed as its hook), so codes 200..225 and 300
// read like any statistic.
#pragma once
#include "database/league_average.h"  // Baseline_Season
#include "database/league_database.h"

enum RATING_CODE : int {
    RATING_ACCURACY = 200,  // QB
    RATING_DISTANCE = 201,
    RATING_CONTROL = 202,
    RATING_RED_ZONE = 203,
    RATING_MOBILITY = 204,
    RATING_RUSHING = 205,  // RB TE WR
    RATING_RECEIVING = 206,
    RATING_DURABILITY = 207,
    RATING_BLOCKING = 208,  // stored in counter 3 once computed
    RATING_HANDS = 209,
    RATING_PASS_BLOCKING = 210,  // T G C
    RATING_RUSH_BLOCKING = 211,
    RATING_DISCIPLINE = 212,
    RATING_ENDURANCE = 213,
    RATING_LINEMAN_SPARE = 214,  // a slot without a formula
    RATING_RUN_DEFENSE = 215,  // DE DT LB CB S
    RATING_PASS_RUSH = 216,
    RATING_PASS_COVERAGE = 217,
    RATING_TURNOVERS = 218,
    RATING_DEFENDER_SPARE = 219,
    RATING_FG_ACCURACY = 220,  // K P
    RATING_FG_DISTANCE = 221,
    RATING_RELIABILITY = 222,
    RATING_PUNTING = 223,
    RATING_KICKER_SPARE = 224,
    RATING_OVERALL = 225,
};
constexpr int RATING_FLOOR = 50;
constexpr int RATING_CEILING = 100;
constexpr int RATINGS_PER_POSITION = 5;

// Development modes of Modify_Predicted_Player_Stats.
enum {
    DEVELOP_LOWER_BODY,  // injuries
    DEVELOP_UPPER_BODY,
    DEVELOP_GENERAL,
    DEVELOP_YOUTH,
    DEVELOP_VETERAN,
    NUMBER_OF_DEVELOP_MODES,
};

// Codes 200..225 and SS_SEASON_WORTH for the season-stat accessor. The spare
// codes without a formula answer 50 with *pDefined false.
int Get_Player_Rating_Stat(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat, bool* pDefined);

// A rating 200..223 kept within 50..100.
int Get_Player_Rating(TNUM nTeam, PNUM nPlayer, int nPeriod, int nRating);
// Name of a rating code ("" for the codes without a formula and unknown codes).
const char* Rating_Name(int nRating);
// The rating code shown in slot 0..4 for a position, 0 for an empty slot.
int Position_Rating_Code(int nPosition, int nSlot);
// Sets a rating of the Predicted period as the statistics import does
// (208 stored within 50..100, 210 and 211 by adjusting the counters; other codes ignored).
void Set_Player_Rating(TNUM nTeam, PNUM nPlayer, int nRating, int nTarget);
// Stores in a back's or receiver's period the Blocking rating his body and
// that period's running and catching earn, whatever was stored before.
// Other positions are left alone: their counter 3 is a statistic.
void Store_Blocking_Rating(TNUM nTeam, PNUM nPlayer, int nPeriod);

// Values, on a scale of thousandths of a point; negative for poor players.
int Player_Season_Value(TNUM nTeam, PNUM nPlayer, int nPeriod);
int Player_Current_Value(TNUM nTeam, PNUM nPlayer);
int Player_Potential_Value(TNUM nTeam, PNUM nPlayer);
// The same from a current value already worked out (the needs read both).
int Player_Potential_From_Current(TNUM nTeam, PNUM nPlayer, int nCurrent);
int Player_Trade_Value(TNUM nTeam, PNUM nPlayer);
int Player_Value_Tier(TNUM nTeam, PNUM nPlayer);  // 0..9
int Player_Overall_Rating(TNUM nTeam, PNUM nPlayer);  // at most 100

// Per-cent factor of a development mode for a counter of a position group.
int Development_Factor(int nGroup, int nCounter, int nMode);
// Moves the twenty counters of a period by nModifier thousandths of the
// baseline season, weighted by the mode's factors. Draws Random(1000) once per
// counter, in counter order, whatever the change.
void Modify_Predicted_Player_Stats(TNUM nTeam, PNUM nPlayer, int nPeriod, int nModifier, int nMode);
