// What the main window's commands do (the command table names them).
#pragma once

class MainWindow;

// Before the current game is left (New Game, Resume Game, Exit, closing the
// window): the rating warning and the offer to save. True: leave.
bool Leave_Game_Check(MainWindow& window);

void Command_New_Game(MainWindow& window);
void Command_Resume_Game(MainWindow& window);
void Command_Save_Game(MainWindow& window);
void Command_Retire(MainWindow& window);
void Command_Exit(MainWindow& window);
void Command_Stop(MainWindow& window);
void Command_Trades(MainWindow& window);
void Command_Trading_Block(MainWindow& window);
void Command_Draft(MainWindow& window);
void Command_Fantasy_Draft(MainWindow& window);
void Command_Help_Contents(MainWindow& window);
void Command_Help_Page(MainWindow& window);
void Command_Online(MainWindow& window);
void Command_About(MainWindow& window);
void Command_Check_Version(MainWindow& window);
void Command_Debug_Info(MainWindow& window);
void Set_Last_Play_Seconds(int nSeconds);

// The play commands (Ctrl+1 / F12, Ctrl+4, Ctrl+8, Ctrl+0) and the season
// loop's hooks into the window.
void Register_Play_Commands();

// The product's web site, for "Brakvell &Online" and the About box.
constexpr const char* WEB_ADDRESS = "https://brakvell.example.org/";
