#include "reports/season_reports.h"

#include "base/random.h"
#include "database/team.h"
#include "database/text_format.h"
#include "reports/report_file.h"

namespace {
// Millions with one decimal, the decimal cut off.
int Millions(int nDollars) { return nDollars / 1000000; }
int Tenths_Of_Million(int nDollars) { return nDollars % 1000000 / 100000; }

void Write_Money_Line(FILE* pFile, TNUM nTeam) {
    char szName[TEXT_SIZE], szHome[TEXT_SIZE], szRoad[TEXT_SIZE];
    Get_Team_Label(nTeam, szName);
    if (Human_Managed(nTeam)) Make_Upper_Case(szName);
    int nCash = Max(0, Get_Team_Financial_Stat(nTeam, FIN_CASH));
    int nPayroll = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);  // thousands
    int nRevenue = Get_Team_Financial_Stat(nTeam, FIN_REVENUE_SEASON);
    Format_Thousands(Get_Team_Financial_Stat(nTeam, FIN_AVERAGE_HOME_ATTENDANCE), szHome);
    Format_Thousands(Get_Team_Financial_Stat(nTeam, FIN_AVERAGE_ROAD_ATTENDANCE), szRoad);
    Report_Line(pFile, "%-25s %3d.%01dM %3d.%01dM    $%2d   %3d.%01dM   %6s  %6s", szName, Millions(nCash),
                Tenths_Of_Million(nCash), nPayroll / 1000, nPayroll % 1000 / 100,
                Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE) / 100, Millions(nRevenue),
                Tenths_Of_Million(nRevenue), szHome, szRoad);
}
}  // namespace

void Write_Money_Report() {
    FILE* pFile = Open_Report_File("Money-%02d.txt");
    if (!pFile) return;
    Report_Line(pFile, "%s", "");
    Report_Line(pFile, "%s", "                                             TICKETS        ATTENDANCE");
    Report_Line(pFile, "End Of %-18d  Cash  Payroll  Price  Revenue   Home    Road", Report_Year());
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Write_Money_Line(pFile, nTeam);
    Close_Report_File(pFile);
}

void Write_Season_Reports() {
    if (Get_Game_State(GS_TEXT_AWARDS)) {
        Write_Awards_Report();
        Write_Money_Report();
    }
    if (Get_Game_State(GS_TEXT_STANDINGS)) Write_Standings_Report();
}
