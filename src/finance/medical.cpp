#include "finance/medical.h"

#include "database/team.h"

int Medical_Staff_Rank(TNUM nTeam) {
    int nQuality = Get_Team_Financial_Stat(nTeam, FIN_MEDICAL_QUALITY);
    int nRank = 0;
    for (int nOther = 0; nOther < NUMBER_OF_FRANCHISES; nOther++)
        if (Valid_Team((TNUM)nOther) && Get_Team_Financial_Stat((TNUM)nOther, FIN_MEDICAL_QUALITY) > nQuality)
            nRank++;
    return nRank;
}
