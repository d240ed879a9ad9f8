// Shared between the creation files only.
#pragma once
#include "database/league_database.h"

int Find_Template(int nPosition);  // a pool entry of the position, -1 when none turned up
void Apply_Template(int nTemplate, TNUM nTeam, PNUM nPlayer);
