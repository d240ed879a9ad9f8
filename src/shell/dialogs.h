// Do_Dialog: every modal dialog by its number, over its owner (the main window
// when none is given). Dialogs register themselves as they are written.
#pragma once

class QWidget;

enum {
    DIALOG_ABOUT = 103,
    DIALOG_NEW_GAME = 105,
    DIALOG_WELCOME = 110,
    DIALOG_TRADES = 111,
    DIALOG_EXPENSES = 116,
    DIALOG_RESUME_GAME = 118,
    DIALOG_OFFENSE = 119,
    DIALOG_SAVE_GAME = 120,
    DIALOG_PLAYER_CARD = 127,
    DIALOG_DEFENSE = 128,
    DIALOG_FREE_AGENTS = 130,
    DIALOG_OTHER_TEAM = 131,
    DIALOG_CONTRACT_OFFER = 132,
    DIALOG_CONCESSIONS = 133,
    DIALOG_TICKETS = 135,
    DIALOG_BROADCAST = 136,
    DIALOG_CHANGE_POSITION = 137,
    DIALOG_TRADE_RESPONSE = 138,
    DIALOG_HALL_OF_FAME = 139,
    DIALOG_FIND_PLAYERS = 140,
    DIALOG_STANDINGS_HEADING = 143,
    DIALOG_LEADER_HEADING = 144,
    DIALOG_FINANCIAL_STAT = 145,
    DIALOG_STADIUM_EDITOR = 146,
    DIALOG_OPTIONS = 147,
    DIALOG_TRADE_HINT = 149,
    DIALOG_EDIT_PLAYER = 150,
    DIALOG_TEAM_NAMES = 151,
    DIALOG_TRADE_OFFER = 152,
    DIALOG_PRINT = 155,
    DIALOG_DID_YOU_KNOW = 156,
    DIALOG_INJURY_CONTINGENCY = 158,
    DIALOG_LEAGUE_EDITOR = 159,
    DIALOG_EDIT_CITY = 160,
    DIALOG_RENAME_CITY = 161,
    DIALOG_SPECIAL_TEAMS = 162,
    DIALOG_SCHEDULE_STAT = 163,
    DIALOG_DATABASE_NOTES = 164,
    DIALOG_START_FANTASY_DRAFT = 165,
    DIALOG_FANTASY_DRAFT_ORDER = 169,
    DIALOG_DRAFT = 170,
    DIALOG_TRADING_BLOCK = 173,
    DIALOG_HISTORY = 174,
    DIALOG_ADVANCED_TOOLS = 175,
};

typedef int (*DialogRunner)(QWidget* pOwner);
void Register_Dialog(int idDialog, DialogRunner pRun);
bool Dialog_Registered(int idDialog);
// The dialog's result; 0 (after a notice) for a number nobody registered.
int Do_Dialog(QWidget* pOwner, int idDialog);

void Register_Built_In_Dialogs();  // About and Welcome
void Register_New_Game_Dialog();
void Register_Saved_Game_Dialogs();  // Save Game, Resume Game
void Register_Settings_Dialogs();    // Options, Injury Contingency, Database Notes
void Register_Budget_Dialogs();      // Tickets, Concessions, Broadcast, Expenses
void Register_Hall_Of_Fame_Dialog(); // the players' Hall Of Fame
void Register_Player_Windows();      // the player card, Change Position, Edit Player
void Register_Find_Players_Window();
void Register_Draft_Window();         // the college draft
// Every dialog, page and command handler of the program, registered once at
// start before the menus are refreshed. New features add their calls there.
void Register_Features();
