#include "commands/core_hooks.h"

#include "database/player.h"
#include "personnel/ratings.h"
#include "reports/season_reports.h"
#include "season/season_loop.h"

void Install_Core_Hooks() {
    Set_Rating_Stat_Hook(Get_Player_Rating_Stat);
    Set_Season_Report_Hook(Write_Season_Reports);
}
