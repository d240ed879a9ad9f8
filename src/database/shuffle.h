// Moving players between teams for a league shuffle (and for anything else
// that sends a player to a chosen team): VS_DESTINATION says where he goes,
// VS_PLACED whether he has arrived.
#pragma once
#include "database/league_database.h"

enum MoveResult {
    MOVE_PLACED,    // on the destination's roster, after the last player of his side
    MOVE_RELEASED,  // destination FREE_AGENT_TEAM: in the pool, which does not count as placed
    MOVE_REFUSED,   // the destination holds 80 players (or is no team); he stays where he was
};
// *pTeam, *pPlayer: where the player is afterwards.
MoveResult Move_Player_To_Team(TNUM nTeam, PNUM nPlayer, TNUM nDestination, TNUM* pTeam, PNUM* pPlayer);

// The team a shuffle draw stands for: a draw equal to the number of teams in
// use means the free agents.
TNUM Shuffle_Destination(int nDraw);
// Franchise players and free agents only: hall-of-fame members and college
// prospects are not part of a shuffle.
constexpr TNUM LAST_SHUFFLED_TEAM = FREE_AGENT_TEAM;
void Shuffle_Round();
// "Shuffling Players...": ten rounds, then every roster organised.
void Shuffle_Players();
