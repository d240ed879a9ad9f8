#include "commands/core_hooks.h"

#include "commands/trade_page.h"
#include "database/player.h"
#include "finance/attendance.h"
#include "finance/finance.h"
#include "personnel/ratings.h"
#include "reports/season_reports.h"
#include "season/playoffs.h"
#include "season/season_loop.h"
#include "season/stored_games.h"
#include "simulation/game_record.h"
#include "trades/computer_trades.h"
#include "trades/roster_review.h"

void Install_Core_Hooks() {
    Set_Rating_Stat_Hook(Get_Player_Rating_Stat);
    Set_Game_Result_Hook(Slot_Game_Result);
    Set_Trade_Value_Hook(Player_Trade_Value);
    Set_Season_Report_Hook(Write_Season_Reports);
    Set_Game_Record_Teams_Hook(Renumber_Game_Record_Teams);
    Set_Trade_Proposal_Default(Answer_Trade_Proposal);
    Set_Elimination_Hook([](TNUM nTeam) { return Get_Magic_Number(nTeam) == TEAM_ELIMINATED; });
}
