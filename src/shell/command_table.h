// Every command of the main window: its menu, text, shortcut keys and what it does.
#pragma once

class MainWindow;

enum Menu { MENU_GAME, MENU_TEAM, MENU_PLAYERS, MENU_BUDGET, MENU_NEWS, MENU_PLAY, MENU_TOOLS, MENU_HELP, MENU_NONE };
constexpr int NUMBER_OF_MENUS = MENU_NONE;

// Command numbers; the pages use their page numbers (PAGE_STANDINGS ...).
enum {
    CMD_NEW_GAME = 40101,
    CMD_RESUME_GAME,
    CMD_SAVE_GAME,
    CMD_DATABASE_NOTES,
    CMD_RETIRE,
    CMD_EXIT,
    CMD_OFFENSE,
    CMD_DEFENSE,
    CMD_SPECIAL_TEAMS,
    CMD_HISTORY,
    CMD_INJURY_CONTINGENCY,
    CMD_OTHER_TEAM,
    CMD_FREE_AGENTS,
    CMD_TRADES,
    CMD_FIND_PLAYERS,
    CMD_TRADING_BLOCK,
    CMD_DRAFT,
    CMD_PLAYERS_HALL_OF_FAME,
    CMD_TICKETS,
    CMD_CONCESSIONS,
    CMD_BROADCAST,
    CMD_EXPENSES,
    CMD_PLAY_1,
    CMD_PLAY_4,
    CMD_PLAY_8,
    CMD_PLAY_22,
    CMD_END_DRAFT,
    CMD_STOP,
    CMD_CITY_EDITOR,
    CMD_STADIUM_EDITOR,
    CMD_LEAGUE_EDITOR,
    CMD_ADVANCED_TOOLS,
    CMD_FANTASY_DRAFT,
    CMD_OPTIONS,
    CMD_HELP_CONTENTS,
    CMD_HELP_PAGE,
    CMD_ONLINE,
    CMD_ABOUT,
    CMD_CHECK_VERSION,
    CMD_DEBUG_INFO,
    CMD_OUTPUT_ROSTERS,
    CMD_PLAYER_CARD,
    CMD_CHANGE_POSITION,
    CMD_EDIT_PLAYER,
};

typedef void (*CommandHandler)(MainWindow& window);

// A command is live when it works on its own (bReady), when a handler, its
// dialog (Do_Dialog) or its page has been registered.
struct MenuCommand {
    int nMenu;
    int idCommand;
    const char* szText;       // nullptr: no menu item (shortcut only)
    const char* szKeys;       // QKeySequence list ("Ctrl+1; F12"), or nullptr
    CommandHandler pHandler;  // nullptr: open idDialog, or show the page idCommand
    int idDialog;
    bool bReady;
    bool bSeparatorBefore;
};

const char* Menu_Title(int nMenu);
const MenuCommand* Menu_Commands();  // ends with idCommand 0
const MenuCommand* Find_Menu_Command(int idCommand);
bool Command_Available(const MenuCommand& command);
// Features that are commands rather than dialogs or pages (the play commands,
// End Draft, Output Rosters ...) register what they do here; it takes the
// place of the table's handler and makes the command live.
void Register_Command_Handler(int idCommand, CommandHandler pHandler);
CommandHandler Command_Handler(const MenuCommand& command);
