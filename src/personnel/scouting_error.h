// How far a team's scouts misjudge a player. The error grows with the
// difficulty level and shrinks with the scouting budget; a player hash keeps
// it steady for a month so that a report does not change on every look.
#pragma once
#include "database/league_database.h"

constexpr int SCOUTING_ERROR_LIMIT = 14;  // either way

// The player hash with modulus nModulus (at least 1) for the current month.
int Player_Hash(int nPlayerID, int nModulus);
// The scouting error -14..14 of team nTeam judging the player with ID
// nPlayerID; 0 in Commissioner Mode. A team code that is no franchise in use
// judges with a standard scouting quality.
int Scouting_Error(TNUM nTeam, int nPlayerID);
// Month 0..11 of a day of the 365-day year (taken modulo 365), and the day
// of that month counted from 0.
int Month_Of_Day(int nDayOfYear, int* pDayOfMonth = nullptr);
