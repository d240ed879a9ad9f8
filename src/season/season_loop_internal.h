// What the season loop's files share: the window's hooks, each call skipped
// when the hook is not set.
#pragma once
#include "database/league_database.h"

void Notify_Title();
void Notify_Page();
void Notify_Show_Page(int nPage);
void Notify_Play_Menu();
void Notify_Season_Reports();
// False when no hook took the report.
bool Notify_Injury_Report(TNUM nTeam, PNUM nPlayer);
