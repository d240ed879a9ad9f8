// The shared money factors. All are per mille unless named otherwise and are
// recomputed from the league on every use, so they always see current cash,
// loyalty and records.
#pragma once
#include "database/league_database.h"
#include "database/team.h"

constexpr int LOYALTY_FLOOR = 700;
constexpr int LOYALTY_CEILING = 1300;
constexpr int MARKET_OF_3500000 = 112260; // a lone city of 3.5 million people

// Average cash against $15 million, never below 500.
int League_Wealth();
// Average fan loyalty of the franchises in use.
int Average_Loyalty();
// Shrinks with every other franchise nearby.
int Competition_Factor(TNUM nTeam);
// Potential fans of the team's region, after competition.
int Team_Market(TNUM nTeam);
// Average of the stadium's sight lines, convenience and comfort, weighted 1:2:2.
int Stadium_Quality(TNUM nTeam);
// What a fan of the team will spend on a game, in cents.
int Spending_Index(TNUM nTeam);
// Great wealth lowers an amount, deep debt raises it.
int Apply_Cash_Factors(TNUM nTeam, int nAmount);
// True while the current week's games are playoff games.
bool Is_Postseason();
// Salaries of the team's players for one game, in dollars.
int Payroll_Per_Game(TNUM nTeam);
// One loyalty point lost, never below the floor.
void Lose_Loyalty_Point(TNUM nTeam);
int Team_Income(TNUM nTeam);
// Prices as stored, kept within their ranges so that a damaged file cannot
// turn a gate or a profit into nonsense: tickets 0..$500, concessions 0..$100.
int Ticket_Price_Of(TNUM nTeam);
int Concession_Price_Of(TNUM nTeam, int nField);
// An int64 result kept within the int range.
int Saturate(int64_t n);
