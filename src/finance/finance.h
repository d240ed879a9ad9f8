// Franchise money over the seasons: the season end, the franchise's worth,
// and the figures a new league starts with.
#pragma once
#include "database/league_database.h"

// After the team's finish is known: stores the season's record, rolls this
// season's money into last season's, moves fan loyalty with the results and
// clears this season's fields. nDivisionPlace counts from 0.
void Finance_Season_End(TNUM nTeam, int nDivisionPlace);
// The loyalty a season's results lead to, from the loyalty before it.
int Season_End_Loyalty(int nLoyalty, int nWins, int nPlayoffWins, int nOutcomeLevel, int nGames);

// What the franchise is worth, in dollars.
int Franchise_Value(TNUM nTeam);
// What one player adds to it.
int Player_Franchise_Value(TNUM nTeam, PNUM nPlayer);
// A player's trade value comes from the ratings, above the money code; they
// are handed over at start-up.
void Set_Trade_Value_Hook(int (*pfnValue)(TNUM nTeam, PNUM nPlayer));

// Prices, budgets, cash and last season's figures of every franchise of a
// league just created.
void Initialise_League_Finances();

// A computer manager's broadcast policy at a cash level (FIN_WEALTH): pay
// television or a blackout while money is short, normal broadcasts once the
// team is rich, and the policy it has in between.
int Computer_Broadcast_Policy(int nCashLevel, int nPolicy);
// The broadcast policy, ticket and concession prices and the scouting and
// medical budgets a computer manager sets from the team's cash and payroll.
// Draws one random number.
void Set_Computer_Money_Settings(TNUM nTeam);
