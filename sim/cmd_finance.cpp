// brakvell-sim finances FILE: the money of every team of a saved league.
#include <cstdio>

#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "finance/finance.h"
#include "sim/commands.h"

namespace {
void Print_Team(TNUM nTeam) {
    char szName[TEXT_SIZE], szCash[TEXT_SIZE], szPayroll[TEXT_SIZE], szRevenue[TEXT_SIZE];
    char szExpenses[TEXT_SIZE], szNet[TEXT_SIZE], szLastNet[TEXT_SIZE], szValue[TEXT_SIZE];
    char szAttendance[TEXT_SIZE], szMood[TEXT_SIZE];
    Get_Team_Label(nTeam, szName);
    Format_Millions(Get_Team_Financial_Stat(nTeam, FIN_CASH), szCash);
    Format_Millions(Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) * 1000, szPayroll);
    Format_Millions(Get_Team_Financial_Stat(nTeam, FIN_REVENUE_SEASON), szRevenue);
    Format_Millions(Get_Team_Financial_Stat(nTeam, FIN_EXPENSES_SEASON), szExpenses);
    Format_Millions(Get_Team_Financial_Stat(nTeam, FIN_PROFIT), szNet);
    Format_Millions(Get_Team_Financial_Stat(nTeam, FIN_PROFIT_LAST_SEASON), szLastNet);
    Format_Millions(Franchise_Value(nTeam), szValue);
    Format_Thousands(Get_Team_Financial_Stat(nTeam, FIN_AVERAGE_HOME_ATTENDANCE), szAttendance);
    Get_Fan_Mood(Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY), szMood);
    int nPrice = Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE);
    printf("%-26.26s %9s %8s %4d.%02d %8s %8s %8s %8s %8s %5d %-13s %9s\n", szName, szCash, szPayroll,
           nPrice / 100, nPrice % 100, szRevenue, szExpenses, szNet, szLastNet, szAttendance,
           Get_Team_Financial_Stat(nTeam, FIN_FAN_LOYALTY), szMood, szValue);
}
} // namespace

int Sim_Finances(int argc, char** argv) {
    if (argc != 1) return Sim_Usage("finances FILE");
    if (!Load_League_File(argv[0])) return 1;
    char szYear[TEXT_SIZE], szWeek[TEXT_SIZE];
    Get_Current_Year_Text(szYear);
    Get_Week_Name(-1, szWeek);
    printf("%s, %s\n\n", szYear, szWeek);
    printf("%-26s %9s %8s %7s %8s %8s %8s %8s %8s %-19s %9s\n", "Team", "Cash", "Payroll", "Ticket",
           "Revenue", "Expenses", "Net", "Last Net", "Crowd", "Loyalty", "Value");
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Valid_Team(nTeam)) Print_Team(nTeam);
    return 0;
}
