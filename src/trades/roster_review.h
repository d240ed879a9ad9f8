// The weekly roster review of the computer-managed teams.
#pragma once
#include "database/league_database.h"

// Roster minimums for one team: release the weakest when the roster is
// large, sign from the pool, or create a player. True when anything was done.
bool Fill_Roster_Minimums(TNUM nTeam);
// The review proper of a computer-managed team: slots 77..79 released to the
// pool, the weakest released while the payroll is at the cap and the roster
// holds more than 53, then the money settings renewed.
void Review_Roster_And_Payroll(TNUM nTeam);
// Every team in use, in team-code order, for the week just played.
void Review_Computer_Rosters(int nWeek);
// The player the team misses least: at the position with the largest surplus
// of healthy players over the ideal count, the one whose current value least
// exceeds his salary. NO_PLAYER when nobody plays that position.
PNUM Weakest_Player(TNUM nTeam);
