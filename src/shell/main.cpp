// brakvell: the game window.
#include <QApplication>
#include <cstring>

#include "shell/intro_video.h"
#include "shell/main_window.h"
#include "shell/picture_store.h"
#include "shell/screenshots.h"
#include "shell/welcome.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc == 3 && strcmp(argv[1], PLAY_INTRO_SWITCH) == 0) return Run_Intro_Player(argv[2]);
    QApplication::setApplicationName("Brakvell");
    QApplication::setOrganizationName("Halvercorn");
    MainWindow window;
    Start_Up(window);
    QString szScreenshots = Screenshot_Folder(argc, argv);
    if (!szScreenshots.isEmpty()) return Take_Screenshots(window, szScreenshots);
    if (!Welcome_Loop(window)) return 0;
    int nCode = QApplication::exec();
    Empty_Picture_Stores();
    return nCode;
}
