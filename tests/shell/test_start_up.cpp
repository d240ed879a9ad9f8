// The window's start, as the program runs it, and a New Game after it: the
// template pool must be there before the first new player is made.
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include "database/player.h"
#include "halloffame/fame_file.h"
#include "modal_driver.h"
#include "personnel/player_creation.h"
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

    void New_Game_Fills_The_Free_Agent_Pool() {
        On_Modal("New Game", [](QWidget* pDialog) { Button(pDialog, "&Play")->click(); });
        QCOMPARE(Do_Dialog(m_pWindow, DIALOG_NEW_GAME), 1);
        QCOMPARE(Number_Of_Players(FREE_AGENT_TEAM), LAST_FREE_AGENT_FILL_SLOT + 1);
        QVERIFY(Template_Pool_Size() > 0);
    }
};

QTEST_MAIN(StartUpTest)
#include "test_start_up.moc"
