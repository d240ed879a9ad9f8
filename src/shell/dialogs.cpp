#include "shell/dialogs.h"

#include <QApplication>
#include <QMap>

#include "platform/platform.h"
#include "shell/main_window.h"
#include "shell/qt_platform.h"

namespace {
QMap<int, DialogRunner> g_Dialogs;
}

void Register_Dialog(int idDialog, DialogRunner pRun) { g_Dialogs[idDialog] = pRun; }
bool Dialog_Registered(int idDialog) { return g_Dialogs.contains(idDialog); }

int Do_Dialog(QWidget* pOwner, int idDialog) {
    QWidget* pMain = Main_Window_Widget();
    if (!pOwner) pOwner = pMain;
    int nResult = 0;
    DialogRunner pRun = g_Dialogs.value(idDialog);
    if (pRun) {
        if (pMain && !QApplication::activeWindow()) QApplication::alert(pMain);
        nResult = pRun(pOwner);
    } else {
        Message_Box("Do_Dialog()", "Unrecognized idDialog in Do_Dialog(). DialogBox() call aborted.");
    }
    if (MainWindow* pWindow = qobject_cast<MainWindow*>(pMain)) pWindow->Refresh_Page_After_Dialog();
    return nResult;
}
