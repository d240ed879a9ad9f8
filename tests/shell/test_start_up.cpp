// The window's start, as the program runs it, and a New Game after it: the
// template pool must be there before the first new player is made. Leaving
// the Welcome dialog or the New Game page must always leave a league that
// can be played: the default one set up, or the game that was running.
#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstring>

#include "commands/new_game.h"
#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "shell/command_table.h"
#include "halloffame/fame_file.h"
#include "modal_driver.h"
#include "personnel/player_creation.h"
#include "shell/update_socket.h"
#include "shell/welcome.h"

class StartUpTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_Folder;
    QString m_OldFolder;
    MainWindow* m_pWindow = nullptr;

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_OldFolder = QDir::currentPath();
        QString szGame = QString(BRAKVELL_GAME_DIR) + "/";
        if (!QFile::exists(szGame + "Universe.dat")) QSKIP("no default league in this build");
        QDir::setCurrent(m_Folder.path());
        QFile::copy(szGame + "Universe.dat", "Universe.dat");
        QDir().mkdir("names");
        for (const QString& szFile : QDir(szGame + "names").entryList(QDir::Files))
            QFile::copy(szGame + "names/" + szFile, "names/" + szFile);
        // The update helper as the game folder holds it.
        QFile::copy(szGame + "QXAutoUp", "QXAutoUp");
        QFile log("debug.txt");
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write("left from the last run\n");
    }
    void cleanupTestCase() {
        Platform_Install(nullptr);
        delete m_pWindow;
        QDir::setCurrent(m_OldFolder);
    }

    void Start_Up_Builds_The_Pool_From_The_Default_League() {
        m_pWindow = new MainWindow;
        Start_Up(*m_pWindow);
        QFile log("debug.txt");
        QVERIFY(!log.open(QIODevice::ReadOnly) || !log.readAll().contains("left from the last run"));
        QVERIFY(Fame_File_Exists());
        QVERIFY(Number_Of_Teams() >= 2);
        for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++)
            QVERIFY2(Template_Position_Count(nPosition) > 0, qPrintable(QString::number(nPosition)));
        QVERIFY(m_pWindow->windowTitle().startsWith("Brakvell: "));
    }

    void Continue_At_Start_Sets_Up_The_Default_League() {
        On_Modal("Welcome to...", [](QWidget* pDialog) { Button(pDialog, "&Continue")->click(); });
        QVERIFY(Welcome_Loop(*m_pWindow));
        TNUM nUser = (TNUM)Get_Game_State(GS_USER_TEAM);
        QVERIFY(Human_Managed(nUser));
        // Every team in use has a first-week opponent other than itself.
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
            if (!Schedule_Slot_Filled(nTeam, 0)) continue;
            QVERIFY(Get_Schedule_Opponent(nTeam, 0) != nTeam);
        }
        QVERIFY(Schedule_Slot_Filled(nUser, 0));
        QCOMPARE(Get_Game_State(GS_CURRENT_PAGE), (int)PAGE_STANDINGS);
        QCOMPARE(Number_Of_Players(FREE_AGENT_TEAM), LAST_FREE_AGENT_FILL_SLOT + 1);
    }

    void New_Game_Fills_The_Free_Agent_Pool() {
        On_Modal("New Game", [](QWidget* pDialog) { Button(pDialog, "&Play")->click(); });
        QCOMPARE(Do_Dialog(m_pWindow, DIALOG_NEW_GAME), 1);
        QCOMPARE(Number_Of_Players(FREE_AGENT_TEAM), LAST_FREE_AGENT_FILL_SLOT + 1);
        QVERIFY(Template_Pool_Size() > 0);
    }

    void Cancelling_New_Game_Gives_The_Running_Game_Back() {
        // Something the default league does not have, so a reload would show.
        TNUM nUser = (TNUM)Get_Game_State(GS_USER_TEAM);
        Set_Team_String("Kestrels", nUser, TS_NICKNAME);
        std::unique_ptr<LeagueDatabase> pBefore = Keep_League();
        QVERIFY(pBefore);
        QString szTitle = m_pWindow->windowTitle();
        int nIndexed = Player_ID_Index_Count();
        QStringList shown;
        On_Modal("New Game", [&](QWidget* pDialog) {
            shown << pDialog->windowTitle();
            // The page has the default league in memory while it is open.
            shown << (Human_Managed(nUser) ? "managed" : "default");
            On_Modal("Welcome to...", [&](QWidget* pWelcome) {
                shown << pWelcome->windowTitle();
                Button(pWelcome, "&Continue")->click();
            });
            Button(pDialog, "Cancel")->click();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_NEW_GAME));
        QCOMPARE(shown, QStringList({"New Game", "default", "Welcome to..."}));
        QVERIFY(memcmp(pBefore.get(), &g_League, sizeof g_League) == 0);
        QCOMPARE(m_pWindow->windowTitle(), szTitle);
        char szNickname[TEXT_SIZE];
        Get_Team_String(nUser, TS_NICKNAME, szNickname);
        QCOMPARE(QString(szNickname), QString("Kestrels"));
        QCOMPARE(Player_ID_Index_Count(), nIndexed);
    }

    // The helper finds no update address here (and there is no network in a
    // test): it must say so, and the window must take it as a finished check.
    void Check_For_New_Version_Is_Answered_By_The_Helper() {
        QVERIFY2(QFile::exists("QXAutoUp"), "the helper is built into the game folder");
        Set_Fame_Setting(FS_UPDATE_TIME, 0);
        QList<SeenBox> seen;
        Answer_Box(QMessageBox::Ok, &seen, 20000);
        QVERIFY(m_pWindow->Do_Command(CMD_CHECK_VERSION));
        QTRY_VERIFY_WITH_TIMEOUT(!seen.isEmpty(), 30000);
        QCOMPARE(seen[0].szTitle, QString("Check for New Version"));
        QCOMPARE(seen[0].szText, QString("No newer version of Brakvell was found."));
        QVERIFY(Get_Fame_Setting(FS_UPDATE_TIME) > 0);
    }

    void Only_The_Helpers_Answers_Count() {
        Set_Fame_Setting(FS_UPDATE_TIME, 0);
        auto Say = [this](const char* szLine) {
            QLocalSocket socket;
            socket.connectToServer(Update_Socket_Name(Update_Window_Argument(m_pWindow)));
            QVERIFY(socket.waitForConnected(5000));
            socket.write(szLine);
            socket.flush();
            // The window reads it in its own event loop.
            QTest::qWait(100);
            socket.abort();
        };
        Say("hello\n");
        Say("newer\n");
        QCOMPARE(Get_Fame_Setting(FS_UPDATE_TIME), 0);
        Say("none\n");  // the start-up check: nothing to show, only the time kept
        QTRY_VERIFY(Get_Fame_Setting(FS_UPDATE_TIME) > 0);
    }
};

QTEST_MAIN(StartUpTest)
#include "test_start_up.moc"
