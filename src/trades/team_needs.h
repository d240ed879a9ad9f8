// What a computer team lacks at each position and what a player is worth to
// it. Every trade judgement, the free-agent bidding and the draft weigh
// players by these, so they are worked out afresh for every evaluation and
// never stored.
#pragma once
#include <string>

#include "database/player.h"

// Row 0: a player who would start; row 1: a backup at or past his peak-start
// age; row 2: a younger backup. The rows double as a player's role.
enum { NEED_STARTER, NEED_VETERAN_BACKUP, NEED_YOUNG_BACKUP, NEED_ROWS };
// Against the league: 1000 for an average team, 600..2000, kickers and
// punters 3/4 of that.
struct TeamNeeds {
    int aanNeed[NEED_ROWS][NUMBER_OF_POSITIONS];
};
// A need at or above this is pressing: the hint names more than one need, and
// the counter-offer leaves the team's own players there alone.
constexpr int PRESSING_NEED = 1400;

// The team's needs before they are put in relation to the league.
void Raw_Team_Needs(TNUM nTeam, TeamNeeds* pNeeds);
void Compute_Team_Needs(TNUM nTeam, TeamNeeds* pNeeds);

// The team's nDepth-th player at the position in roster order (the last
// starter stands at Starters_Count - 1); NO_PLAYER when there is none.
PNUM Player_At_Depth(TNUM nTeam, int nPosition, int nDepth);
// The row the player of (nTeam, nPlayer) would fill on nFor's roster.
int Player_Role(TNUM nTeam, PNUM nPlayer, TNUM nFor);

// Young players are worth more than their play shows, old ones less.
int Age_Adjusted_Value(int nValue, int nAge);
// What the rest of his contract costs above a million a year, thousands.
int Salary_Burden(TNUM nTeam, PNUM nPlayer);
// The worth to nFor of receiving the player of (nTeam, nPlayer).
int Player_Worth(TNUM nTeam, PNUM nPlayer, TNUM nFor);

// The hint of the answer page: "(1) A starting quarterback", one need a line.
std::string Needs_List_Text(const TeamNeeds& needs);
// The free-agent list's "%s is seeking %s...": "Quarterbacks, Safeties, ".
std::string Seeking_Phrase(const TeamNeeds& needs);
