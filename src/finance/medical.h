// The medical staff a franchise buys with its medical budget.
#pragma once
#include "database/league_database.h"

// The number of franchises in use whose medical staff is strictly better:
// 0 for the best, equal staffs share a rank.
int Medical_Staff_Rank(TNUM nTeam);
