#include "reports/season_reports.h"

void Write_Standings_Report() {}
void Write_Awards_Report() {}
void Write_Money_Report() {}
void Write_Season_Reports() {}
