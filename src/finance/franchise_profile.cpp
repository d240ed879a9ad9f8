#include <cstdio>
#include <cstring>

#include "database/team.h"
#include "database/text_format.h"
#include "finance/budget_dialogs.h"
#include "finance/dialog_support.h"
#include "finance/factors.h"
#include "finance/finance.h"

void Get_Franchise_Profile(TNUM nTeam, FranchiseProfile* pProfile) {
    memset(pProfile, 0, sizeof *pProfile);
    if (!Dialog_Team(nTeam, "Get_Franchise_Profile")) return;
    char szText[TEXT_SIZE];
    Number_Text(Get_Team_City_Data(nTeam, CITY_REGION_POPULATION), szText);
    Dialog_Format(pProfile->szFanBase, "Fan Base: %s", szText);
    Get_Fan_Mood(Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY), szText);
    Dialog_Format(pProfile->szLoyalty, "Fan Loyalty: %s", szText);
    int nIncome = Team_Income(nTeam);
    Dialog_Format(pProfile->szIncome, "Fan Income: $%d,%03d", nIncome / 1000, nIncome % 1000);
    Dialog_Format(pProfile->szValue, "Franchise Value: $%d Million", Franchise_Value(nTeam) / 1000000);
    int nCapacity = Get_Stadium_Field(nTeam, STADIUM_CAPACITY);
    Dialog_Format(pProfile->szCapacity, "Stadium Capacity: %d,%03d", nCapacity / 1000, nCapacity % 1000);
    int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    Dialog_Format(pProfile->szPayroll, "Player Payroll: $%d.%d Million", nPayroll / 1000,
                  nPayroll % 1000 / 100);
}
