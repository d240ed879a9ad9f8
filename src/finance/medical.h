// The medical staff a franchise buys with its medical budget.
#pragma once
#include "database/league_database.h"

constexpr int FIN_MEDICAL_QUALITY = 3;  // per mille of a $250,000-per-game budget, smoothed

// The number of franchises in use whose medical staff is strictly better:
// 0 for the best, equal staffs share a rank.
int Medical_Staff_Rank(TNUM nTeam);
