#include "shell/window_commands.h"

#include <string>

#include "commands/game_commands.h"
#include "database/league_database.h"
#include "database/saved_game.h"
#include "halloffame/manager_rating.h"
#include "platform/platform.h"
#include "season/season_loop.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/page_view.h"
#include "shell/welcome.h"

// Seconds the last play command took, for the debug notice.
static int g_nLastPlaySeconds = 0;

// The Save Game dialog answers 1 when it saved. Until it exists the game is
// saved under its own name, so that answering Yes never leaves without a save.
static bool Save_Before_Leaving(MainWindow& window) {
    if (Dialog_Registered(DIALOG_SAVE_GAME)) return Do_Dialog(&window, DIALOG_SAVE_GAME) == 1;
    return g_League.szGameName[0] && Save_Game_As(g_League.szGameName);
}

bool Leave_Game_Check(MainWindow& window) {
    if (!Confirm_Leaving_Rated_Game()) return false;
    // A running fantasy draft writes its state file here once the draft exists.
    switch (Ask_Save_Before_Leaving()) {
    case LEAVE_GAME: return true;
    case OPEN_SAVE_GAME: return Save_Before_Leaving(window);
    default: return false;
    }
}

void Command_New_Game(MainWindow& window) {
    if (Refuse_While_Simulating(REFUSE_NEW_GAME)) return;
    if (!Dialog_Registered(DIALOG_NEW_GAME)) return;
    bool bUntouched = Get_Game_State(GS_SEASON_INDEX) == 0 && Current_Week() == 0;
    if (!bUntouched && !Leave_Game_Check(window)) return;
    // A cancelled page has put the running game back; Continue goes on with it.
    if (Do_Dialog(&window, DIALOG_NEW_GAME) == 2 && !Welcome_Loop(window, true)) window.Close_Without_Prompt();
}

void Command_Resume_Game(MainWindow& window) {
    if (Refuse_While_Simulating(REFUSE_RESUME_GAME)) return;
    if (Dialog_Registered(DIALOG_RESUME_GAME) && Leave_Game_Check(window)) Do_Dialog(&window, DIALOG_RESUME_GAME);
}

void Command_Save_Game(MainWindow& window) {
    if (Refuse_While_Simulating(REFUSE_SAVE_GAME)) return;
    if (Dialog_Registered(DIALOG_SAVE_GAME)) Do_Dialog(&window, DIALOG_SAVE_GAME);
}

// A retiring manager leaves without the offer to save: the career is over.
void Command_Retire(MainWindow& window) {
    if (Refuse_While_Simulating(REFUSE_RETIRE)) return;
    if (Retire()) window.Close_Without_Prompt();
}

void Command_Exit(MainWindow& window) { window.close(); }

// The loop checks the request between games as well as its own target week.
void Command_Stop(MainWindow&) {
    Stop_Season_Loop();
    Request_Stop();
}

void Command_Trades(MainWindow& window) {
    if (!Check_Trading_Deadline() || !Dialog_Registered(DIALOG_TRADES)) return;
    Do_Dialog(&window, DIALOG_TRADES);
    // A trade during the draft lets the computer pick on, perhaps to its end.
    window.Refresh_Title();
    window.Refresh_Menus();
    if (window.Page_View()) window.Page_View()->Forget_Page();
}

void Command_Trading_Block(MainWindow& window) {
    if (Check_Trading_Deadline() && Dialog_Registered(DIALOG_TRADING_BLOCK)) Do_Dialog(&window, DIALOG_TRADING_BLOCK);
}

void Command_Draft(MainWindow& window) {
    int idDialog = Get_League_Rule(LR_FANTASY_DRAFT) ? DIALOG_FANTASY_DRAFT_ORDER : DIALOG_DRAFT;
    if (!Dialog_Registered(idDialog)) return;
    Do_Dialog(&window, idDialog);
    // Picks made in the window move the draft on, and its end starts the new season.
    window.Refresh_Title();
    window.Refresh_Menus();
    if (window.Page_View()) window.Page_View()->Forget_Page();
}

// Ending a running fantasy draft is a command of the draft itself; it registers
// its own handler for CMD_FANTASY_DRAFT.
void Command_Fantasy_Draft(MainWindow& window) {
    if (!Get_League_Rule(LR_FANTASY_DRAFT) && Dialog_Registered(DIALOG_START_FANTASY_DRAFT))
        Do_Dialog(&window, DIALOG_START_FANTASY_DRAFT);
}

void Command_Help_Contents(MainWindow&) { Open_Document("help/contents.htm"); }

void Command_Help_Page(MainWindow&) {
    std::string szPath = std::string("help/") + Page_Help_Topic(Get_Game_State(GS_CURRENT_PAGE)) + ".htm";
    Open_Document(szPath.c_str());
}

void Command_Online(MainWindow&) { Open_Document(WEB_ADDRESS); }

void Command_About(MainWindow& window) { Do_Dialog(&window, DIALOG_ABOUT); }

void Command_Check_Version(MainWindow& window) {
    int nError = 0;
    if (!Start_Update_Program(&window, true, &nError))
        Message_Box("External Error", "I can't execute the program \"QXAutoUp.exe\"\n\nError #%d", nError);
}

// One renderer serves every display, so there is no drawing mode to choose.
void Set_Last_Play_Seconds(int nSeconds) { g_nLastPlaySeconds = nSeconds; }

void Command_Debug_Info(MainWindow&) { Message_Box("Debug Info", "Last Play took: %d", g_nLastPlaySeconds); }
