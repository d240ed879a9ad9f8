#include <QCoreApplication>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <ctime>

#include "commands/game_commands.h"
#include "commands/new_game.h"
#include "commands/start_up.h"
#include "database/league_database.h"
#include "halloffame/fame_file.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/qt_platform.h"
#include "shell/update_socket.h"
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

namespace {
bool g_bVisibleCheck = false;  // the user asked: the answer is shown

void Take_Update_Answer(const QByteArray& line) {
    QString szAnswer = QString::fromUtf8(line).trimmed();
    QString szNewer = QString(UPDATE_NEWER).section(' ', 0, 0) + ' ';
    if (szAnswer != UPDATE_NONE && !szAnswer.startsWith(szNewer)) return;  // not the helper speaking
    Update_Checked();
    bool bVisible = g_bVisibleCheck;
    g_bVisibleCheck = false;
    if (szAnswer.startsWith(szNewer)) {
        int nVersion = szAnswer.mid(szNewer.size()).toInt();
        Message_Box("Check for New Version", "Version %d.%03d of Brakvell is available.", nVersion / 1000,
                    nVersion % 1000);
    } else if (bVisible) {
        Message_Box("Check for New Version", "No newer version of Brakvell was found.");
    }
}

// Listens, for as long as the window lives, where the helper will answer.
void Listen_For_Update_Answer(QWidget* pWindow, const QString& szWindowArgument) {
    QString szName = Update_Socket_Name(szWindowArgument);
    QLocalServer* pServer = pWindow->findChild<QLocalServer*>("update");
    if (pServer && pServer->serverName() == szName && pServer->isListening()) return;
    delete pServer;
    pServer = new QLocalServer(pWindow);
    pServer->setObjectName("update");
    QLocalServer::removeServer(szName);  // left by a window that crashed
    if (!pServer->listen(szName)) return;  // the check goes on; only its answer is lost
    QObject::connect(pServer, &QLocalServer::newConnection, pServer, [pServer] {
        while (QLocalSocket* pSocket = pServer->nextPendingConnection()) {
            QObject::connect(pSocket, &QLocalSocket::readyRead, pSocket, [pSocket] {
                if (!pSocket->canReadLine()) return;
                QByteArray line = pSocket->readLine();
                pSocket->disconnectFromServer();
                // The answer may show a box; its event loop must not run inside
                // the socket's own signal, which may delete the socket under it.
                QTimer::singleShot(0, qApp, [line] { Take_Update_Answer(line); });
            });
            QObject::connect(pSocket, &QLocalSocket::disconnected, pSocket, &QObject::deleteLater);
        }
    });
}
}  // namespace

QString Update_Window_Argument(QWidget* pWindow) {
    return QString::asprintf("0x%08x", (unsigned)(pWindow ? pWindow->winId() : 0));
}

bool Start_Update_Program(QWidget* pWindow, bool bVisible, int* pError) {
    std::string szPath = Find_Data_File("QXAutoUp");
    if (szPath.empty()) szPath = Find_Data_File("QXAutoUp.exe");
    if (szPath.empty()) {
        *pError = ENOENT;
        return false;
    }
    QStringList arguments = {Update_Window_Argument(pWindow), QString::number(PROGRAM_VERSION)};
    if (bVisible) arguments << "VISIBLE";
    if (pWindow) Listen_For_Update_Answer(pWindow, arguments[0]);
    g_bVisibleCheck = bVisible;
    if (!QProcess::startDetached(QDir::current().absoluteFilePath(QString::fromStdString(szPath)), arguments)) {
        *pError = errno ? errno : EACCES;
        return false;
    }
    return true;
}

// The helper answers through Take_Update_Answer once it has looked.
void Update_Check_At_Start(QWidget* pWindow) {
    if (!Update_Check_Due(time(nullptr), Get_Fame_Setting(FS_UPDATE_TIME), Get_Fame_Setting(FS_UPDATE_SWITCH)))
        return;
    int nError = 0;
    Start_Update_Program(pWindow, false, &nError);
}

void Update_Checked() { Set_Fame_Setting(FS_UPDATE_TIME, Update_Time_Word(time(nullptr))); }

bool Welcome_Loop(MainWindow& window, bool bGameInMemory) {
    for (;;) {
        int nChoice = Do_Dialog(&window, DIALOG_WELCOME);
        if (nChoice == WELCOME_CLOSED) return false;
        if (nChoice == WELCOME_NEW_GAME && Do_Dialog(&window, DIALOG_NEW_GAME) == 2) continue;
        if (nChoice == WELCOME_RESUME_GAME && Do_Dialog(&window, DIALOG_RESUME_GAME) == 2) continue;
        if (nChoice == WELCOME_CONTINUE && !bGameInMemory) {
            // Universe.dat as loaded has no season: nothing could be played.
            // A failed load has been reported and the league stays as it is.
            NewGameForm defaults;
            if (Start_Default_New_Game(defaults.nTeam, defaults.nDifficulty)) window.Show_Loaded_Game();
        }
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
