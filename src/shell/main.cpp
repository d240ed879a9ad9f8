// brakvell: the game window.
#include <QApplication>

#include "shell/main_window.h"
#include "shell/picture_store.h"
#include "shell/screenshots.h"
#include "shell/welcome.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
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
