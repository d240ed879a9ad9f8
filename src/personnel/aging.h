// A player's year: development along his own aging curve, the season-end step
// (retirement, a year older, healing, experience, the contract countdown),
// and retirement with the hall of fame. The off-season calls the season-end step slot by slot; the caller
// looks at the same slot again after a 0, because the later players move up.
#pragma once
#include "database/league_database.h"

// Retirement ages: a player past the limit needs 1000 more value for every
// year beyond it, from -2000 at the limit itself.
constexpr int FRANCHISE_RETIREMENT_AGE = 41;
constexpr int FREE_AGENT_RETIREMENT_AGE = 38;
constexpr int HALL_OF_FAME_SIZE = PLAYERS_PER_TEAM;

// The yearly development modifier with its noise (a fresh draw on every call):
// growth before the peak, decline after it, 0 in it.
int Yearly_Growth_Amount(TNUM nTeam, PNUM nPlayer);

// Develops or declines the player by one year of his curve. Draws the noise
// in every case; a star in his prime may be pulled back toward the field.
void Yearly_Development(TNUM nTeam, PNUM nPlayer);

// Whether a player of nAge with value nValue keeps playing under nLimit.
bool Stays_In_Football(int nAge, int nValue, int nLimit);

// The season end of one player: 1 when he stays on his team, 0 when he left
// it (retired or released; the later slots moved up).
int Season_End_Step(TNUM nTeam, PNUM nPlayer);

// Retires the player: the hall of fame when he earned it, the notice to his
// manager, and the slot closed. His history goes with his hall-of-fame copy,
// or back to the pool.
void Retire_Player(TNUM nTeam, PNUM nPlayer);

// The hall-of-fame score of a player's career; above 74 he is inducted.
int Hall_Of_Fame_Score(TNUM nTeam, PNUM nPlayer);

// Copies the player, history and all, into the hall of fame in the order of
// induction years. Returns his slot there. The caller removes the original
// without freeing the history (Remove_Player).
PNUM Induct_Into_Hall_Of_Fame(TNUM nTeam, PNUM nPlayer, int nVotes);

// What the off-seasons since the last reset have done, for the tool's lines.
struct AgingTally {
    int nRetirements;
    int nInductions;
    int nReleases;  // contracts not renewed
};
void Reset_Aging_Tally();
AgingTally Get_Aging_Tally();
