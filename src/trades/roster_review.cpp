#include "trades/roster_review.h"

bool Fill_Roster_Minimums(TNUM) { return false; }
void Review_Computer_Rosters(int) {}
