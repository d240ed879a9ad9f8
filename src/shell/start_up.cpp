#include <QDir>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>
#include <cerrno>
#include <ctime>

#include "commands/game_commands.h"
#include "commands/start_up.h"
#include "database/league_database.h"
#include "halloffame/fame_file.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/qt_platform.h"
#include "shell/welcome.h"

QString Settings_File_Path() {
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + "/brakvell.ini";
}

void Write_Settings_Record() {
    QSettings settings(Settings_File_Path(), QSettings::IniFormat);
    if (!settings.contains("InstallDir")) {
        settings.setValue("InstallDir", QDir::currentPath());
        settings.setValue("InitVer", PROGRAM_VERSION);
    }
    settings.value("LastVer");  // read as the record always was; nothing uses it
    settings.setValue("LastVer", PROGRAM_VERSION);
    settings.sync();
}

bool Start_Update_Program(QWidget* pWindow, bool bVisible, int* pError) {
    std::string szPath = Find_Data_File("QXAutoUp");
    if (szPath.empty()) szPath = Find_Data_File("QXAutoUp.exe");
    if (szPath.empty()) {
        *pError = ENOENT;
        return false;
    }
    QStringList arguments = {QString::asprintf("0x%08x", (unsigned)(pWindow ? pWindow->winId() : 0)),
                             QString::number(PROGRAM_VERSION)};
    if (bVisible) arguments << "VISIBLE";
    if (!QProcess::startDetached(QDir::current().absoluteFilePath(QString::fromStdString(szPath)), arguments)) {
        *pError = errno ? errno : EACCES;
        return false;
    }
    return true;
}

// The helper is to answer with Update_Checked() once it has looked; it will
// connect through a QLocalSocket named after the window id it was given.
void Update_Check_At_Start(QWidget* pWindow) {
    if (!Update_Check_Due(time(nullptr), Get_Fame_Setting(FS_UPDATE_TIME), Get_Fame_Setting(FS_UPDATE_SWITCH)))
        return;
    int nError = 0;
    Start_Update_Program(pWindow, false, &nError);
}

void Update_Checked() { Set_Fame_Setting(FS_UPDATE_TIME, Update_Time_Word(time(nullptr))); }

bool Welcome_Loop(MainWindow& window) {
    for (;;) {
        int nChoice = Do_Dialog(&window, DIALOG_WELCOME);
        if (nChoice == WELCOME_CLOSED) return false;
        if (nChoice == WELCOME_NEW_GAME && Do_Dialog(&window, DIALOG_NEW_GAME) == 2) continue;
        if (nChoice == WELCOME_RESUME_GAME && Do_Dialog(&window, DIALOG_RESUME_GAME) == 2) continue;
        return true;
    }
}

void Start_Up(MainWindow& window) {
    Register_Features();
    window.Refresh_Menus();
    Install_Qt_Platform(&window);
    StartUpOptions options;
    options.windowSteps = [&window] {
        Write_Settings_Record();
        window.Place_At_Start(Saved_Window_Rect());
    };
    // A failed load has been reported and the window goes on with the league as it is.
    StartUpReport report = Start_Up_Core(options);
    window.Refresh_Title();
    window.Refresh_Menus();

    Update_Check_At_Start(&window);
    // On a first start the default team names are offered for editing here,
    // once the team-names editor exists.
    (void)report.bFirstStart;
}
