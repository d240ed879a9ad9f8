// The league shuffle of a new game: every player drawn a destination
// (VS_DESTINATION) and moved there (VS_PLACED once he has arrived).
#pragma once
#include "database/league_database.h"

// The team a shuffle draw stands for: a draw equal to the number of teams in
// use means the free agents.
TNUM Shuffle_Destination(int nDraw);
// Franchise players and free agents only: hall-of-fame members and college
// prospects are not part of a shuffle.
constexpr TNUM LAST_SHUFFLED_TEAM = FREE_AGENT_TEAM;
void Shuffle_Round();
// "Shuffling Players...": ten rounds, then every roster organised.
void Shuffle_Players();
