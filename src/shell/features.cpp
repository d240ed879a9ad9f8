// The one place where the window learns about the features built so far:
// dialogs (Register_Dialog), pages (Register_Page) and commands
// (Register_Command_Handler). A menu item comes alive once its feature is here.
#include "shell/depth_window.h"
#include "shell/dialogs.h"
#include "shell/free_agents_window.h"
#include "shell/player_table.h"
#include "shell/player_windows.h"
#include "shell/season_pages.h"
#include "shell/statistics_pages.h"
#include "shell/trading_block_window.h"
#include "shell/trade_window.h"
#include "shell/window_commands.h"

void Register_Features() {
    Register_Built_In_Dialogs();
    Register_Standings_Page();
    Register_Finances_Page();
    Register_Playoffs_Page();
    Register_Championship_Page();
    Register_History_Dialog();
    Register_Hall_Of_Fame_Page();
    Register_Draft_Page();
    Register_Leaders_Page();
    Register_Calendar_Page();
    Register_Games_Page();
    Register_New_Game_Dialog();
    Register_Saved_Game_Dialogs();
    Register_Settings_Dialogs();
    Register_Budget_Dialogs();
    Register_Hall_Of_Fame_Dialog();
    Register_Player_Windows();
    Register_Depth_Dialogs();
    Register_Free_Agents_Window();
    Register_Trading_Block_Window();
    Register_Find_Players_Window();
    Register_Draft_Window();
    Register_Trade_Window();
    // Double-clicking a player in any table opens his card.
    Set_Player_Opener([](QWidget* pOwner, TNUM nTeam, PNUM nSlot) { Show_Player_Card(pOwner, nTeam, nSlot); });
    Register_Play_Commands();
}
