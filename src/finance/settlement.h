// The money of one played game: gate, concessions, broadcasts, expenses and
// tax, booked into both teams' financial fields and cash.
#pragma once
#include "database/league_database.h"

// Books a played game that drew nAttendance fans.
void Settle_Game_Finances(TNUM nHome, TNUM nVisitor, int nAttendance);

// Concession profit of nHome for a crowd of nAttendance; sets the items'
// last-game profits, adds them to the season totals, and may cost a loyalty point.
int Sell_Concessions(TNUM nHome, int nAttendance);
// Local broadcast money of one game; may cost a loyalty point.
int Local_Broadcast_Revenue(TNUM nTeam, bool bHome);
// National broadcast money per game, the same for every team.
int National_Broadcast_Revenue();
