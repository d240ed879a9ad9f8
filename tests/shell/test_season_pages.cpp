// The Standings, Finances, Playoffs and championship pages and the History
// dialog on the default league, at the smallest window size and maximised.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QListWidget>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "commands/game_commands.h"
#include "database/league_database.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "platform/platform.h"
#include "season/playoffs.h"
#include "season/standings.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/page_view.h"
#include "shell/season_pages.h"

namespace {
const QColor COMPUTER_ROW(245, 245, 122);

// A front end that only remembers the sounds played.
QStringList g_Sounds;
const PlatformOps SOUND_RECORDER = {
    [](const char*, const char*) {},
    [](QuestionKind, const char*, const char*) { return (int)ANSWER_OK; },
    [](const char*) {},
    [](const char*, int, int) {},
    [] {},
    [] {},
    [](const char* szFile) { g_Sounds << szFile; },
    [](const char*, int, int, int, int) {},
    [](const char*) { return false; },
};

bool Has_Colour(const QImage& image, QColor colour) {
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2)
            if (image.pixelColor(x, y) == colour) return true;
    return false;
}

// The next modal dialog: its title, after doing something with it.
void On_Next_Dialog(QString* pTitle, std::function<void(QDialog*)> act) {
    QTimer::singleShot(0, [pTitle, act] {
        QDialog* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!pDialog) return;
        *pTitle = pDialog->windowTitle();
        act(pDialog);
    });
}

QPoint At(PageView* pView, int x, int y) {
    return QPoint(x * pView->width() / 636 + 1, y * pView->height() / 438 + 1);
}
} // namespace

class SeasonPagesTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_Folder;
    QString m_OldFolder;

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_OldFolder = QDir::currentPath();
        QDir::setCurrent(m_Folder.path());
        Register_Features();
    }
    void cleanupTestCase() {
        Platform_Install(nullptr);
        QDir::setCurrent(m_OldFolder);
    }
    void init() {
        QVERIFY(Load_Game(BRAKVELL_GAME_DIR "/Universe.dat"));
        Set_Team_Stat(1, TEAM_STAT_CONTROL, 1);
        Recompute_Standings();
        Platform_Install(&SOUND_RECORDER);
        g_Sounds.clear();
    }

    void Every_Page_Composes_Small_And_Maximised() {
        Set_Game_State(GS_CURRENT_WEEK, 18);
        Set_Game_State(GS_SEASON_INDEX, 1);
        g_League.abPlayoffTeams[CHAMPION_SLOT] = 1; // the human team won it all
        MainWindow window;
        window.resize(window.Minimum_Width(), window.Minimum_Height());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        PageView* pView = window.Page_View();
        for (int nPass = 0; nPass < 2; nPass++) {
            for (int nPage : {PAGE_STANDINGS, PAGE_FINANCES, PAGE_PLAYOFFS, PAGE_CHAMPIONSHIP}) {
                if (nPage == PAGE_CHAMPIONSHIP)
                    window.Show_Page(nPage); // as the season loop shows it
                else
                    QVERIFY(window.Do_Command(nPage));
                QCOMPARE(Get_Game_State(GS_CURRENT_PAGE), nPage);
                QImage image = pView->grab().toImage();
                QVERIFY(!image.isNull());
                if (nPage == PAGE_STANDINGS) QVERIFY(Has_Colour(image, COMPUTER_ROW));
            }
            Set_Game_State(GS_CONFERENCE_VIEW, 1);
            window.showMaximized();
            QTest::qWait(50);
        }
        QVERIFY(pView->width() >= 636 && pView->height() >= 438);
        QCOMPARE(g_Sounds, QStringList({"celeb3.wav", "celeb3.wav"}));
    }

    void Standings_Heading_Click_Opens_Its_Dialog_And_Cancel_Restores() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Show_Page(PAGE_STANDINGS);
        Set_Game_State(GS_STANDINGS_COLUMN + 1, 8);
        QString szTitle;
        int nWhileOpen = -1;
        On_Next_Dialog(&szTitle, [&nWhileOpen](QDialog* pDialog) {
            QListWidget* pList = pDialog->findChild<QListWidget*>();
            QCOMPARE(pList->count(), 26);
            QCOMPARE(pList->currentRow(), 8);
            pList->setCurrentRow(25);
            nWhileOpen = Get_Game_State(GS_STANDINGS_COLUMN + 1);
            pDialog->reject();
        });
        QTest::mouseClick(window.Page_View(), Qt::LeftButton, {}, At(window.Page_View(), 384 + 40, 80));
        QCOMPARE(szTitle, QString("Standings Heading"));
        QCOMPARE(nWhileOpen, 25);
        QCOMPARE(Get_Game_State(GS_STANDINGS_COLUMN + 1), 8);
        QCOMPARE(g_Sounds, QStringList({"button.wav"}));
        int nConference = Get_Game_State(GS_CONFERENCE_VIEW);
        QTest::mouseClick(window.Page_View(), Qt::LeftButton, {}, At(window.Page_View(), 500, 48));
        QCOMPARE(Get_Game_State(GS_CONFERENCE_VIEW), 1 - nConference);
    }

    void Finance_Heading_Click_Opens_Its_Dialog() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.Show_Page(PAGE_FINANCES);
        QString szTitle;
        On_Next_Dialog(&szTitle, [](QDialog* pDialog) {
            QListWidget* pList = pDialog->findChild<QListWidget*>();
            QCOMPARE(pList->count(), 36);
            pList->setCurrentRow(35);
            pDialog->accept();
        });
        QTest::mouseClick(window.Page_View(), Qt::LeftButton, {},
                          At(window.Page_View(), 160 + 70 * 4 + 10, 50));
        QCOMPARE(szTitle, QString("Financial Stat"));
        QCOMPARE(Get_Game_State(GS_FINANCE_COLUMN + 4), 35);
        window.Page_View()->grab(); // the Punters grades of the whole conference
    }

    void History_Lists_The_Completed_Seasons() {
        Set_Game_State(GS_USER_TEAM, 1);
        QString szTitle;
        int nLines = -1;
        QString szRecord;
        On_Next_Dialog(&szTitle, [&nLines, &szRecord](QDialog* pDialog) {
            nLines = pDialog->findChild<QTreeWidget*>()->topLevelItemCount();
            for (QLabel* pLabel : pDialog->findChildren<QLabel*>())
                if (pLabel->text().startsWith("Record: ")) szRecord = pLabel->text();
            pDialog->accept();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_HISTORY), 1);
        QCOMPARE(szTitle, QString("History"));
        QCOMPARE(nLines, Current_Season_Index());
        QVERIFY(!szRecord.isEmpty());
        if (Current_Season_Index() == 0) QCOMPARE(szRecord, QString("Record: n/a"));
    }
};

QTEST_MAIN(SeasonPagesTest)
#include "test_season_pages.moc"
