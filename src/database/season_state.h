// Where the season stands, for the rules below the season loop: the trade
// deadline and whether the champion is known. The signing window and the free
// agents' asking salaries (personnel) ask these, so they live under the season.
#pragma once
#include "database/league_database.h"

// Trades and signings close from this week on until the champion is known.
constexpr int TRADE_DEADLINE_WEEK = 12;
// The champion's slot of the playoff bracket with two conferences.
constexpr int CHAMPION_SLOT = 30;

int Number_Of_Conferences();  // leading conferences with at least one team
int Champion_Slot();          // 28 with one conference, else CHAMPION_SLOT
TNUM Get_League_Champion();   // NO_TEAM until decided
bool Season_Is_Over();        // past week 0 with the champion known
