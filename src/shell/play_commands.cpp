// The Play menu's commands, and what the window shows while the season loop
// plays: the loop runs on this thread and hands the window its events
// between games.
#include <chrono>

#include "database/league_database.h"
#include "personnel/injuries.h"
#include "season/season_loop.h"
#include "shell/command_table.h"
#include "shell/main_window.h"
#include "shell/page_view.h"
#include "shell/qt_platform.h"
#include "shell/window_commands.h"

namespace {
// Set from the command until the loop returns, before the loop sets its own
// flag: a question or a progress window before the first game pumps events too.
bool g_bPlaying = false;

MainWindow* Window() { return qobject_cast<MainWindow*>(Main_Window_Widget()); }

void Redraw_Title() {
    if (MainWindow* pWindow = Window()) pWindow->Refresh_Title();
}
void Redraw_Page() {
    if (MainWindow* pWindow = Window()) pWindow->Page_View()->Forget_Page();
}
void Show_Page(int nPage) {
    if (MainWindow* pWindow = Window()) pWindow->Show_Page(nPage);
}
void Play_Menu_Changed() {
    if (MainWindow* pWindow = Window()) pWindow->Refresh_Menus();
}

void Play(MainWindow& window, int nWeeks) {
    if (g_bPlaying || Get_Game_State(GS_SIMULATING)) return;
    g_bPlaying = true;
    auto start = std::chrono::steady_clock::now();
    Play_Weeks(nWeeks);
    Set_Last_Play_Seconds(
        (int)std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - start).count());
    g_bPlaying = false;
    window.Refresh_Title();
    window.Refresh_Menus();
    window.Page_View()->Forget_Page();
}

// F12 plays a week, and stops the loop while one is being played.
void Command_Play_1(MainWindow& window) {
    if (g_bPlaying || Get_Game_State(GS_SIMULATING))
        Command_Stop(window);
    else
        Play(window, 1);
}
void Command_Play_4(MainWindow& window) { Play(window, 4); }
void Command_Play_8(MainWindow& window) { Play(window, 8); }
void Command_Play_22(MainWindow& window) { Play(window, 22); }
}  // namespace

void Register_Play_Commands() {
    Register_Command_Handler(CMD_PLAY_1, Command_Play_1);
    Register_Command_Handler(CMD_PLAY_4, Command_Play_4);
    Register_Command_Handler(CMD_PLAY_8, Command_Play_8);
    Register_Command_Handler(CMD_PLAY_22, Command_Play_22);
    Set_Season_Loop_Observer({Redraw_Title, Redraw_Page, Show_Page, Play_Menu_Changed, Announce_Injury});
}
