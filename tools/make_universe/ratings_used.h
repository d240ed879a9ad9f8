// The few player ratings the maker needs before the league exists: the one
// that sets each position's 40-yard time, and the stored blocking rating of
// backs and receivers. Same formulas as the game's ratings, on a bare season.
#pragma once
#include "database/league_database.h"

// The rating (50..100) that decides the 40-yard time of a position; 0 for kickers.
int Speed_Rating(int nPosition, const int anSeason[NUMBER_OF_COUNTERS]);
// The blocking rating (50..100) of a back or receiver of this size.
int Blocking_Rating(const int anSeason[NUMBER_OF_COUNTERS], int nHeight, int nWeight);
