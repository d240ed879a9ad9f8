// Acting on modal windows from a window test: each helper waits, inside the
// modal loop that is about to start, for the window it expects.
#pragma once
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>

#include "database/team.h"
#include "league_builder.h"
#include "platform/platform.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/qt_platform.h"

// A window test's surroundings: a scratch working folder, every feature
// registered, one main window with the Qt front end installed.
struct WindowTestBench {
    QTemporaryDir folder;
    QString szOldFolder;  // the build folder, where the tests start
    MainWindow* pWindow = nullptr;

    void Start() {
        QStandardPaths::setTestModeEnabled(true);
        szOldFolder = QDir::currentPath();
        QDir::setCurrent(folder.path());
        Register_Features();
        pWindow = new MainWindow;
        Install_Qt_Platform(pWindow);
        pWindow->show();
    }
    // The build's name lists, which new players draw from, into the scratch folder.
    void Copy_Game_Names() {
        QString szGame = szOldFolder + "/game/";
        QDir().mkdir("names");
        for (const QString& szFile : QDir(szGame + "names").entryList(QDir::Files))
            QFile::copy(szGame + "names/" + szFile, "names/" + szFile);
    }
    // The build's default league as a new season; false when the build made none.
    bool Default_League() {
        return Build_Default_Season_League((szOldFolder + "/game/Universe.dat").toUtf8().constData(), 5);
    }
    void Finish() {
        Platform_Install(nullptr);
        delete pWindow;
        QDir::setCurrent(szOldFolder);
    }
};

// The team the window tests manage as the person.
inline void Hand_To_Person(TNUM nTeam) {
    Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Game_State(GS_USER_TEAM, nTeam);
    Set_Game_State(GS_MANAGED_TEAM, nTeam);
}

struct SeenBox {
    QString szTitle;
    QString szText;
};

// Runs pAct on the next modal window titled szTitle (any title when empty).
inline void On_Modal(const QString& szTitle, std::function<void(QWidget*)> act, int nTries = 2000) {
    QTimer::singleShot(5, [szTitle, act, nTries] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal || (!szTitle.isEmpty() && pModal->windowTitle() != szTitle)) {
            if (nTries > 0) On_Modal(szTitle, act, nTries - 1);
            return;
        }
        act(pModal);
    });
}

// Presses a button of the next message box and remembers what it said.
inline void Answer_Box(QMessageBox::StandardButton button, QList<SeenBox>* pSeen, int nTries = 2000) {
    QTimer::singleShot(5, [button, pSeen, nTries] {
        QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox) {
            if (nTries > 0) Answer_Box(button, pSeen, nTries - 1);
            return;
        }
        pSeen->append({pBox->windowTitle(), pBox->text()});
        pBox->button(button)->click();
    });
}

// Runs act while a timer answers every message box that opens: Yes where the
// box has it, else OK. Returns what each box said, in order.
inline QList<SeenBox> Answer_Every_Box_Yes(std::function<void()> act) {
    QList<SeenBox> seen;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&seen] {
        QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox) return;
        seen.append({pBox->windowTitle(), pBox->text()});
        QAbstractButton* pButton = pBox->button(QMessageBox::Yes);
        if (!pButton) pButton = pBox->button(QMessageBox::Ok);
        if (pButton) pButton->click();
    });
    timer.start(5);
    act();
    return seen;
}

template <class T>
T* Child(QWidget* pWindow, const char* szName) {
    return pWindow->findChild<T*>(szName);
}

// The button of a dialog's button row with this text.
inline QPushButton* Button(QWidget* pWindow, const QString& szText) {
    for (QPushButton* pButton : pWindow->findChildren<QPushButton*>())
        if (pButton->text() == szText) return pButton;
    return nullptr;
}
