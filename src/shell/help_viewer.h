// Documents shown inside the program, for a desktop with no opener for them:
// a plain browser window with links between pages, Back and Forward.
#pragma once
#include <QString>

class QWidget;

// Shows the local file (an optional #anchor after it) in the help window,
// opening it over the active modal dialog when there is one, so the dialog's
// Help button gives a window the user can reach. False when there is no such file.
bool Show_Help_Viewer(const QString& szFile);
// The open help window, or nullptr.
QWidget* Help_Viewer();
