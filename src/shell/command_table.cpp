#include "shell/command_table.h"

#include <map>

#include "commands/game_commands.h"
#include "shell/dialogs.h"
#include "shell/page_view.h"
#include "shell/window_commands.h"

namespace {
std::map<int, CommandHandler> g_Registered;

const char* const MENU_TITLES[NUMBER_OF_MENUS] = {"&Game", "&Team",  "&Players", "&Budget",
                                                  "&News", "&Play", "&Tools",   "&Help"};

// The Play menu's items change with the calendar (see Play_Menu); its commands
// are listed here for their shortcut keys only.
const MenuCommand COMMANDS[] = {
    {MENU_GAME, CMD_NEW_GAME, "&New Game", "Ctrl+N", Command_New_Game, DIALOG_NEW_GAME, false, false},
    {MENU_GAME, CMD_RESUME_GAME, "&Resume Game...", nullptr, Command_Resume_Game, DIALOG_RESUME_GAME, false, false},
    {MENU_GAME, CMD_SAVE_GAME, "&Save Game...", "Ctrl+S", Command_Save_Game, DIALOG_SAVE_GAME, false, false},
    {MENU_GAME, CMD_DATABASE_NOTES, "&Database Notes...", nullptr, nullptr, DIALOG_DATABASE_NOTES, false, true},
    {MENU_GAME, CMD_RETIRE, "Re&tire", nullptr, Command_Retire, 0, true, true},
    {MENU_GAME, PAGE_HALL_OF_FAME, "&Vantor Hall Of Fame", nullptr, nullptr, 0, false, false},
    {MENU_GAME, CMD_EXIT, "E&xit", nullptr, Command_Exit, 0, true, true},
    {MENU_TEAM, CMD_OFFENSE, "&Offense...", "Ctrl+O", nullptr, DIALOG_OFFENSE, false, false},
    {MENU_TEAM, CMD_DEFENSE, "&Defense...", "Ctrl+D", nullptr, DIALOG_DEFENSE, false, false},
    {MENU_TEAM, CMD_SPECIAL_TEAMS, "&Special Teams...", "Ctrl+K", nullptr, DIALOG_SPECIAL_TEAMS, false, false},
    {MENU_TEAM, CMD_HISTORY, "&History...", "Ctrl+H", nullptr, DIALOG_HISTORY, false, true},
    {MENU_TEAM, CMD_INJURY_CONTINGENCY, "&Injury Contingency...", nullptr, nullptr, DIALOG_INJURY_CONTINGENCY, false,
     false},
    {MENU_TEAM, CMD_OTHER_TEAM, "View Other &Team...", nullptr, nullptr, DIALOG_OTHER_TEAM, false, false},
    {MENU_PLAYERS, CMD_FREE_AGENTS, "Free &Agents...", "Ctrl+A", nullptr, DIALOG_FREE_AGENTS, false, false},
    {MENU_PLAYERS, CMD_TRADES, "&Trades...", "Ctrl+T", Command_Trades, DIALOG_TRADES, false, false},
    {MENU_PLAYERS, CMD_FIND_PLAYERS, "&Find Players...", "Ctrl+F", nullptr, DIALOG_FIND_PLAYERS, false, false},
    {MENU_PLAYERS, CMD_TRADING_BLOCK, "&Trading Block...", "Ctrl+B", Command_Trading_Block, DIALOG_TRADING_BLOCK, false, false},
    {MENU_PLAYERS, CMD_DRAFT, "College &Draft...", "Ctrl+C; Ctrl+P", Command_Draft, DIALOG_DRAFT, false, true},
    {MENU_PLAYERS, CMD_PLAYERS_HALL_OF_FAME, "&Hall Of Fame...", nullptr, nullptr, DIALOG_HALL_OF_FAME, false, false},
    // The player last shown in any list, else the manager's first.
    {MENU_PLAYERS, CMD_PLAYER_CARD, "Player &Card...", nullptr, nullptr, DIALOG_PLAYER_CARD, false, true},
    {MENU_PLAYERS, CMD_CHANGE_POSITION, "Change &Position...", nullptr, nullptr, DIALOG_CHANGE_POSITION, false, false},
    {MENU_PLAYERS, CMD_EDIT_PLAYER, "&Edit Player...", nullptr, nullptr, DIALOG_EDIT_PLAYER, false, false},
    {MENU_BUDGET, CMD_TICKETS, "Tickets...", nullptr, nullptr, DIALOG_TICKETS, false, false},
    {MENU_BUDGET, CMD_CONCESSIONS, "&Concessions...", nullptr, nullptr, DIALOG_CONCESSIONS, false, false},
    {MENU_BUDGET, CMD_BROADCAST, "&Broadcast...", nullptr, nullptr, DIALOG_BROADCAST, false, false},
    {MENU_BUDGET, CMD_EXPENSES, "&Expenses...", nullptr, nullptr, DIALOG_EXPENSES, false, false},
    {MENU_NEWS, PAGE_STANDINGS, "&Standings", "F2", nullptr, 0, false, false},
    {MENU_NEWS, PAGE_FINANCES, "&Finances", "F3", nullptr, 0, false, false},
    {MENU_NEWS, PAGE_LEADERS, "&Leaders", "F4", nullptr, 0, false, false},
    {MENU_NEWS, PAGE_GAMES, "&Games", "F5", nullptr, 0, false, false},
    {MENU_NEWS, PAGE_CALENDAR, "&Calendar", "F6", nullptr, 0, false, false},
    {MENU_NEWS, PAGE_PLAYOFFS, "&Playoffs", "F7", nullptr, 0, false, false},
    {MENU_NEWS, PAGE_DRAFT, "&Draft", "F8", nullptr, 0, false, false},
    {MENU_PLAY, CMD_PLAY_1, nullptr, "Ctrl+1; F12", nullptr, 0, false, false},
    {MENU_PLAY, CMD_PLAY_4, nullptr, "Ctrl+4", nullptr, 0, false, false},
    {MENU_PLAY, CMD_PLAY_8, nullptr, "Ctrl+8", nullptr, 0, false, false},
    {MENU_PLAY, CMD_PLAY_22, nullptr, "Ctrl+0", nullptr, 0, false, false},
    {MENU_PLAY, CMD_END_DRAFT, nullptr, nullptr, nullptr, 0, false, false},
    {MENU_PLAY, CMD_STOP, nullptr, nullptr, Command_Stop, 0, true, false},
    {MENU_TOOLS, CMD_CITY_EDITOR, "&City Editor...", nullptr, nullptr, DIALOG_EDIT_CITY, false, false},
    {MENU_TOOLS, CMD_STADIUM_EDITOR, "&Stadium Editor...", nullptr, nullptr, DIALOG_STADIUM_EDITOR, false, false},
    {MENU_TOOLS, CMD_LEAGUE_EDITOR, "&League Editor...", nullptr, nullptr, DIALOG_LEAGUE_EDITOR, false, false},
    {MENU_TOOLS, CMD_ADVANCED_TOOLS, "&Advanced Tools...", nullptr, nullptr, DIALOG_ADVANCED_TOOLS, false, true},
    {MENU_TOOLS, CMD_FANTASY_DRAFT, "&Fantasy Draft...", nullptr, Command_Fantasy_Draft, DIALOG_START_FANTASY_DRAFT,
     false, false},
    {MENU_TOOLS, CMD_OPTIONS, "&Options...", nullptr, nullptr, DIALOG_OPTIONS, false, true},
    {MENU_HELP, CMD_HELP_CONTENTS, "&Contents", "F1", Command_Help_Contents, 0, true, false},
    {MENU_HELP, CMD_HELP_PAGE, "", nullptr, Command_Help_Page, 0, true, false},
    {MENU_HELP, CMD_ONLINE, "Brakvell &Online", nullptr, Command_Online, 0, true, true},
    {MENU_HELP, CMD_ABOUT, "&About Brakvell...", "Alt+/; Alt+?", Command_About, 0, true, false},
    {MENU_HELP, CMD_CHECK_VERSION, "Check for New Version...", nullptr, Command_Check_Version, 0, true, true},
    {MENU_NONE, CMD_DEBUG_INFO, nullptr, "Ctrl+Alt+Shift+B", Command_Debug_Info, 0, true, false},
    {MENU_NONE, CMD_OUTPUT_ROSTERS, nullptr, nullptr, nullptr, 0, false, false},
    {0, 0, nullptr, nullptr, nullptr, 0, false, false},
};
}  // namespace

const char* Menu_Title(int nMenu) { return nMenu >= 0 && nMenu < NUMBER_OF_MENUS ? MENU_TITLES[nMenu] : ""; }

const MenuCommand* Menu_Commands() { return COMMANDS; }

const MenuCommand* Find_Menu_Command(int idCommand) {
    for (const MenuCommand* p = COMMANDS; p->idCommand; p++)
        if (p->idCommand == idCommand) return p;
    return nullptr;
}

void Register_Command_Handler(int idCommand, CommandHandler pHandler) { g_Registered[idCommand] = pHandler; }

CommandHandler Command_Handler(const MenuCommand& command) {
    auto it = g_Registered.find(command.idCommand);
    return it != g_Registered.end() ? it->second : command.pHandler;
}

bool Command_Available(const MenuCommand& command) {
    return command.bReady || g_Registered.count(command.idCommand) || (command.idDialog && Dialog_Registered(command.idDialog)) ||
           (!command.pHandler && Page_Registered(command.idCommand));
}
