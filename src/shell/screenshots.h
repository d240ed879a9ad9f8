// "brakvell --screenshots DIR": a new game with the first team, one week
// played from the Play menu, then every news page saved as a picture at the
// smallest window and maximised. For looking at the pages without a person
// at the keyboard; message boxes that come up are saved and dismissed.
#pragma once
#include <QString>

class MainWindow;

// The folder after "--screenshots", or an empty string when it is not asked for.
QString Screenshot_Folder(int argc, char** argv);
// Runs the whole sequence once start-up is done; the program's exit code.
int Take_Screenshots(MainWindow& window, const QString& szFolder);
