#include <cstdlib>

#include "database/league_database.h"
#include "personnel/injuries.h"

void Open_Injury_Contingency(InjuryContingencyForm* pForm) {
    if (Get_Game_State(GS_INJURY_CONTINGENCY) == 0) Set_Injury_Alert(false, DEFAULT_INJURY_ALERT_WEEKS);
    pForm->bStop = Injury_Alert_On();
    pForm->nWeeks = Injury_Alert_Weeks();
}

// Anything that is not a number reads as 0 and so as one week.
void Apply_Injury_Contingency(bool bStop, const char* szWeeks) {
    long nWeeks = szWeeks ? strtol(szWeeks, nullptr, 10) : 0;
    if (nWeeks < 1) nWeeks = 1;
    if (nWeeks > MAXIMUM_ALERT_WEEKS) nWeeks = MAXIMUM_ALERT_WEEKS;
    Set_Injury_Alert(bStop, (int)nWeeks);
}
