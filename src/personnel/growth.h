// How much a player would develop in one year, without applying it. Belongs
// with yearly development; player creation sizes a prospect by it.
#pragma once
#include "database/league_database.h"

// The yearly development modifier with its noise (a fresh draw on every call):
// growth before the peak, decline after it, 0 in it.
int Yearly_Growth_Amount(TNUM nTeam, PNUM nPlayer);
