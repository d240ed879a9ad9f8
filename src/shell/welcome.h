// Start-up of the window: the steps in order, the Welcome loop, and the
// small records kept beside the game (settings file, update program).
#pragma once
#include <QString>

class MainWindow;
class QWidget;

enum { WELCOME_CLOSED = 0, WELCOME_NEW_GAME = 2, WELCOME_RESUME_GAME = 3, WELCOME_CONTINUE = 4 };
int Run_Welcome(QWidget* pOwner);
// False when the user closed the Welcome dialog: the program ends. Continue
// goes on with the game in memory; at start there is none, only the default
// league as loaded, so it is set up as a new game with the page's defaults.
bool Welcome_Loop(MainWindow& window, bool bGameInMemory = false);

// "brakvell.ini" in the user's configuration folder: InstallDir, InitVer, LastVer.
QString Settings_File_Path();
void Write_Settings_Record();

// The update helper "QXAutoUp" of the game folder, started if present, with
// the window listening for its answer (update_socket.h); a visible check
// tells the user what it found. False with the error number in *pError when
// it cannot be started.
bool Start_Update_Program(QWidget* pWindow, bool bVisible, int* pError);
void Update_Check_At_Start(QWidget* pWindow);
void Update_Checked();  // the helper's report: the check is done as of now
QString Update_Window_Argument(QWidget* pWindow);  // "0x%08x", the helper's first argument

// Every start-up step up to the Welcome loop; the window is shown.
void Start_Up(MainWindow& window);
