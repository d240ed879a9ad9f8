// Player ratings: the season-stat codes 200..225 (the ratings) and 300 (the
// player's worth for a stat period less a share of his return yards), served
// through Get_Player_Season_Stat, which clamps codes 200..224 to 50..100.
#pragma once
#include "database/league_database.h"

// The value of a rating code for a stat period. *pDefined is set to false for
// a code that is not a rating; the result is then 0.
int Get_Player_Rating_Stat(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat, bool* pDefined);
