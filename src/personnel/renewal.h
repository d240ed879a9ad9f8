// Contract renewal at the season end: whether a franchise player whose
// contract runs out signs again with his team or goes to the free agents.
#pragma once
#include "database/league_database.h"

// For a franchise player with fewer than 2 years left: 1 renewed, 0 released
// to the free-agent pool (the later slots moved up). A person's team
// negotiates (Contract_Negotiation); a computer team pays what its money and
// cap allow.
int Check_Renew_Contract(TNUM nTeam, PNUM nPlayer);
