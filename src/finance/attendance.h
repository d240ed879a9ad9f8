// The crowd a game draws, worked out when the game is set up.
#pragma once
#include "database/league_database.h"

// Fans who come to see nVisitor at nHome, never more than the stadium holds.
int Game_Attendance_Demand(TNUM nHome, TNUM nVisitor);

// The most a fan of nHome will pay to see this game, in cents.
int Ticket_Price_Ceiling(TNUM nHome, TNUM nVisitor);
// Current winning and losing streaks over the team's played games of the season.
void Get_Team_Streaks(TNUM nTeam, int* pWins, int* pLosses);
