// Standings: division order, league rank and the head-to-head records taken
// from the season's stored games.
#pragma once
#include "database/season_state.h"

constexpr int DIVISION_PLACES = 13;

// Opponent filters for the records counted from the stored games.
enum { VERSUS_TEAM, VERSUS_DIVISION, VERSUS_CONFERENCE };

struct GameCount {
    int nWins, nLosses, nTies;
};

// nTeam's results against one opponent (VERSUS_TEAM with nOpponent) or
// against the other teams of its division or conference. Counts the stored
// games of the regular season.
GameCount Count_Stored_Results(TNUM nTeam, int nFilter, TNUM nOpponent = NO_TEAM);

int Get_Division_Score(TNUM nTeam);
int Get_League_Score(TNUM nTeam);
int Conference_Division_Count(int nConference);  // divisions with teams

// Division order, league rank (record field 10) and, before the playoffs, the
// provisional playoff field.
void Recompute_Standings();
TNUM Get_Standings_Team(int nDivision, int nPlace);  // NO_TEAM for an empty place
int Get_Team_Standing(TNUM nTeam);                   // 0 = division leader; NO_TEAM when absent
