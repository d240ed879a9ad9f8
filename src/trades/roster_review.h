// The weekly roster review of the computer-managed teams.
#pragma once
#include "database/league_database.h"

struct TeamNeeds;

// Roster minimums for one team: release the weakest when the roster is
// large, sign from the pool, or create a player. True when anything was done.
bool Fill_Roster_Minimums(TNUM nTeam);
// The review proper of a computer-managed team: slots 77..79 released to the
// pool, a signing from the pool or a release to it, the weakest released while the payroll is at the cap and the roster
// holds more than 53, then the money settings renewed.
void Review_Roster_And_Payroll(TNUM nTeam);
// The review's one move in the market: with cash level plus roster room at
// 2000 or more and the payroll under the cap, a drawn player of the pool is
// signed when the team scores the signing above 1000; otherwise, when the
// team is out of the playoff race, a drawn player of its own is released to
// the pool when the team scores the sale above 0.
void Sign_Or_Release(TNUM nTeam);
// Whether a team is out of the playoff race; the standings install it.
// Without it no team is out.
void Set_Elimination_Hook(bool (*pfnEliminated)(TNUM nTeam));
// Every team in use, in team-code order, for the week just played.
void Review_Computer_Rosters(int nWeek);
// The player the team misses least: at the position with the largest surplus
// of healthy players over the ideal count, the one whose current value least
// exceeds his salary. A position at its least gives nobody up; NO_PLAYER when
// none can.
PNUM Weakest_Player(TNUM nTeam);
// The computer manager's roster work of the off-season: the roster minimums,
// then the weakest released while the payroll is at the cap and the roster
// holds more than 53, then the roster organised.
void Computer_Offseason_Roster_Work(TNUM nTeam);
// Players in slots 77..79 released to the pool, all three unless one is
// the least his position needs.
void Release_Last_Slots(TNUM nTeam);
// Side 1's score, with these needs, of an offer between the pool (side 0,
// giving nPoolPlayer) and nTeam (giving nOwnPlayer), nCash millions paid by
// the pool. The pool is no franchise, so the legality check would refuse
// such offers outright; they are scored as they stand.
int Pool_Offer_Score(TNUM nTeam, PNUM nPoolPlayer, PNUM nOwnPlayer, int nCash, const TeamNeeds& needs);
