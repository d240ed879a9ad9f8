#include "finance/medical.h"

#include "database/team.h"

int Medical_Staff_Rank(TNUM nTeam) { return Get_Team_Financial_Rank(nTeam, FIN_MEDICAL_QUALITY); }
