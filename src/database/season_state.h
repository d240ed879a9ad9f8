// Where the season stands, for the rules below the season loop: the trade
// deadline and whether the champion is known. The signing window and the free
// agents' asking salaries (personnel) ask these, so they live under the season.
// The college draft's order lives here too: the trade walk skips the picks
// already used while the draft runs.
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

// The college draft's order: each franchise's place in it is kept in the
// team's draft flag, so it moves with the team codes. Teams outside the
// order hold NOT_IN_DRAFT_ORDER.
constexpr int NOT_IN_DRAFT_ORDER = 0xFF;
int Get_Draft_Place(TNUM nTeam);
void Set_Draft_Place(TNUM nTeam, int nPlace);
// The franchise at a place of the order. A damaged order (no team holds the
// place) falls back to the teams in use in code order.
TNUM Draft_Order_Team(int nPlace);
