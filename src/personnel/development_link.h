// The one operation by which injuries and player creation change a player's
// ability. It lives with the ratings; this declaration stands in until the
// ratings header is available here.
#pragma once
#include "database/league_database.h"

// Development modes.
enum { DEVELOP_LOWER_BODY, DEVELOP_UPPER_BODY, DEVELOP_GENERAL, DEVELOP_YOUTH, DEVELOP_VETERAN };

void Modify_Predicted_Player_Stats(TNUM nTeam, PNUM nPlayer, int nPeriod, int nModifier, int nMode);
