// Roster organisation. A depth chart is nothing but the order of a team's
// player slots: each side (offence, defence, kickers) stands together, its
// starters first in a fixed lineup order, then its backups by position and
// value.
#pragma once
#include "database/league_database.h"

constexpr int NUMBER_OF_SIDES = 3;
int Starter_Spots(int nSide);                // 11, 11, 2
int Starter_Position(int nSide, int nSpot);  // the position a lineup spot calls for

// Stable exchange sort of the filled slots by side.
void Group_By_Side(TNUM nTeam);
// The first filled slot of the side. When the roster holds nobody of the
// side, one of a random position of the side is created in the first empty slot.
// NO_PLAYER when the roster is full and holds nobody of the side.
PNUM First_Slot_Of_Side(TNUM nTeam, int nSide);
PNUM Last_Slot_Of_Side(TNUM nTeam, int nSide);  // NO_PLAYER when none
// Moves the side's best player for each lineup spot into it; a human team's
// choice is blurred by its scouting error.
void Choose_Starters(TNUM nTeam, int nSide);
// Kick and punt returners: the best at return statistics 302 and 303.
void Choose_Returners(TNUM nTeam);
void Sort_Backups(TNUM nTeam, int nSide);
void Sort_All_Backups(TNUM nTeam);
// Side order, starters, returners, backups, then no gaps.
void Organise_Team(TNUM nTeam);
// Every computer-managed franchise (none in Commissioner Mode), then the
// gaps of the free agents and the draft pool are closed.
void Organise_Computer_Teams();
void Organise_Every_Team();
