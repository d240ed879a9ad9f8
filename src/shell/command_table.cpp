#include "shell/command_table.h"

#include "database/game_commands.h"
#include "shell/window_commands.h"

namespace {
const char* const MENU_TITLES[NUMBER_OF_MENUS] = {"&Game", "&Team",  "&Players", "&Budget",
                                                  "&News", "&Play", "&Tools",   "&Help"};

// The Play menu's items change with the calendar (see Play_Menu); its commands
// are listed here for their shortcut keys only.
const MenuCommand COMMANDS[] = {
    {MENU_GAME, CMD_NEW_GAME, "&New Game", "Ctrl+N", Command_New_Game, false, false},
    {MENU_GAME, CMD_RESUME_GAME, "&Resume Game...", nullptr, Command_Resume_Game, false, false},
    {MENU_GAME, CMD_SAVE_GAME, "&Save Game...", "Ctrl+S", Command_Save_Game, false, false},
    {MENU_GAME, CMD_DATABASE_NOTES, "&Database Notes...", nullptr, nullptr, false, true},
    {MENU_GAME, CMD_RETIRE, "Re&tire", nullptr, Command_Retire, false, true},
    {MENU_GAME, PAGE_HALL_OF_FAME, "&Vantor Hall Of Fame", nullptr, nullptr, false, false},
    {MENU_GAME, CMD_EXIT, "E&xit", nullptr, Command_Exit, true, true},
    {MENU_TEAM, CMD_OFFENSE, "&Offense...", "Ctrl+O", nullptr, false, false},
    {MENU_TEAM, CMD_DEFENSE, "&Defense...", "Ctrl+D", nullptr, false, false},
    {MENU_TEAM, CMD_SPECIAL_TEAMS, "&Special Teams...", "Ctrl+K", nullptr, false, false},
    {MENU_TEAM, CMD_HISTORY, "&History...", "Ctrl+H", nullptr, false, true},
    {MENU_TEAM, CMD_INJURY_CONTINGENCY, "&Injury Contingency...", nullptr, nullptr, false, false},
    {MENU_TEAM, CMD_OTHER_TEAM, "View Other &Team...", nullptr, nullptr, false, false},
    {MENU_PLAYERS, CMD_FREE_AGENTS, "Free &Agents...", "Ctrl+A", nullptr, false, false},
    {MENU_PLAYERS, CMD_TRADES, "&Trades...", "Ctrl+T", nullptr, false, false},
    {MENU_PLAYERS, CMD_FIND_PLAYERS, "&Find Players...", "Ctrl+F", nullptr, false, false},
    {MENU_PLAYERS, CMD_TRADING_BLOCK, "&Trading Block...", "Ctrl+B", nullptr, false, false},
    {MENU_PLAYERS, CMD_DRAFT, "College &Draft...", "Ctrl+C; Ctrl+P", nullptr, false, true},
    {MENU_PLAYERS, CMD_PLAYERS_HALL_OF_FAME, "&Hall Of Fame...", nullptr, nullptr, false, false},
    {MENU_BUDGET, CMD_TICKETS, "Tickets...", nullptr, nullptr, false, false},
    {MENU_BUDGET, CMD_CONCESSIONS, "&Concessions...", nullptr, nullptr, false, false},
    {MENU_BUDGET, CMD_BROADCAST, "&Broadcast...", nullptr, nullptr, false, false},
    {MENU_BUDGET, CMD_EXPENSES, "&Expenses...", nullptr, nullptr, false, false},
    {MENU_NEWS, PAGE_STANDINGS, "&Standings", "F2", nullptr, false, false},
    {MENU_NEWS, PAGE_FINANCES, "&Finances", "F3", nullptr, false, false},
    {MENU_NEWS, PAGE_LEADERS, "&Leaders", "F4", nullptr, false, false},
    {MENU_NEWS, PAGE_GAMES, "&Games", "F5", nullptr, false, false},
    {MENU_NEWS, PAGE_CALENDAR, "&Calendar", "F6", nullptr, false, false},
    {MENU_NEWS, PAGE_PLAYOFFS, "&Playoffs", "F7", nullptr, false, false},
    {MENU_NEWS, PAGE_DRAFT, "&Draft", "F8", nullptr, false, false},
    {MENU_PLAY, CMD_PLAY_1, nullptr, "Ctrl+1; F12", nullptr, false, false},
    {MENU_PLAY, CMD_PLAY_4, nullptr, "Ctrl+4", nullptr, false, false},
    {MENU_PLAY, CMD_PLAY_8, nullptr, "Ctrl+8", nullptr, false, false},
    {MENU_PLAY, CMD_PLAY_22, nullptr, "Ctrl+0", nullptr, false, false},
    {MENU_PLAY, CMD_END_DRAFT, nullptr, nullptr, nullptr, false, false},
    {MENU_PLAY, CMD_STOP, nullptr, nullptr, Command_Stop, true, false},
    {MENU_TOOLS, CMD_CITY_EDITOR, "&City Editor...", nullptr, nullptr, false, false},
    {MENU_TOOLS, CMD_STADIUM_EDITOR, "&Stadium Editor...", nullptr, nullptr, false, false},
    {MENU_TOOLS, CMD_LEAGUE_EDITOR, "&League Editor...", nullptr, nullptr, false, false},
    {MENU_TOOLS, CMD_ADVANCED_TOOLS, "&Advanced Tools...", nullptr, nullptr, false, true},
    {MENU_TOOLS, CMD_FANTASY_DRAFT, "&Fantasy Draft...", nullptr, nullptr, false, false},
    {MENU_TOOLS, CMD_OPTIONS, "&Options...", nullptr, nullptr, false, true},
    {MENU_HELP, CMD_HELP_CONTENTS, "&Contents", "F1", Command_Help_Contents, true, false},
    {MENU_HELP, CMD_HELP_PAGE, "", nullptr, Command_Help_Page, true, false},
    {MENU_HELP, CMD_ONLINE, "Brakvell &Online", nullptr, Command_Online, true, true},
    {MENU_HELP, CMD_ABOUT, "&About Brakvell...", "Alt+/; Alt+?", Command_About, true, false},
    {MENU_HELP, CMD_CHECK_VERSION, "Check for New Version...", nullptr, Command_Check_Version, true, true},
    {MENU_NONE, CMD_DEBUG_INFO, nullptr, "Ctrl+Alt+Shift+B", Command_Debug_Info, true, false},
    {MENU_NONE, CMD_OUTPUT_ROSTERS, nullptr, nullptr, nullptr, false, false},
    {0, 0, nullptr, nullptr, nullptr, false, false},
};
}  // namespace

const char* Menu_Title(int nMenu) { return nMenu >= 0 && nMenu < NUMBER_OF_MENUS ? MENU_TITLES[nMenu] : ""; }

const MenuCommand* Menu_Commands() { return COMMANDS; }

const MenuCommand* Find_Menu_Command(int idCommand) {
    for (const MenuCommand* p = COMMANDS; p->idCommand; p++)
        if (p->idCommand == idCommand) return p;
    return nullptr;
}
