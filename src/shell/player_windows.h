// The windows about one player: his card with the scout's verdict and his
// career drawn season by season (127), Change Position (137) and Edit Player
// (150). Any list of players opens them on its own player; the menu opens
// them on the player last shown, or on the manager's first player.
#pragma once
#include "database/league_database.h"

class QWidget;

// The player the menu entries open on.
void Select_Player(TNUM nTeam, PNUM nPlayer);
bool Selected_Player(TNUM* pTeam, PNUM* pPlayer);

// Each returns the dialog's result (DIALOG_OK / DIALOG_CANCELLED).
int Show_Player_Card(QWidget* pOwner, TNUM nTeam, PNUM nPlayer);
int Show_Change_Position(QWidget* pOwner, TNUM nTeam, PNUM nPlayer);
int Show_Edit_Player(QWidget* pOwner, TNUM nTeam, PNUM nPlayer);

void Register_Player_Windows();
