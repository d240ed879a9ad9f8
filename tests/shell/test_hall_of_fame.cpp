// Retire, the Vantor Hall Of Fame page and the players' Hall Of Fame list on
// the offscreen platform, with the permanent file in a scratch game folder.
#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>
#include <cstring>

#include "database/player.h"
#include "database/team.h"
#include "halloffame/fame_file.h"
#include "league_builder.h"
#include "modal_driver.h"
#include "reports/hall_of_fame_page.h"
#include "shell/command_table.h"
#include "shell/drawing.h"
#include "shell/page_view.h"

namespace {
constexpr TNUM USER = 1;
constexpr int LEVEL = 2; // "Manager"

// Ten seasons of a career; 16-0 with three playoff wins a year rates 118.8.
void Career(int nWins, int nLosses, int nPlayoffWins) {
    Set_Game_State(GS_SEASON_INDEX, 10);
    for (int nYear = 0; nYear < 10; nYear++) {
        Set_Team_Yearly_Stat(USER, nYear, YR_WINS, nWins);
        Set_Team_Yearly_Stat(USER, nYear, YR_LOSSES, nLosses);
        Set_Team_Yearly_Stat(USER, nYear, YR_PLAYOFF_WINS, nPlayoffWins);
    }
}

QByteArray Fame_Bytes() {
    QFile file(FAME_FILE_NAME);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}
} // namespace

class HallOfFameTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;

  private slots:
    void initTestCase() { m_Bench.Start(); }
    void cleanupTestCase() { m_Bench.Finish(); }
    void init() {
        Clear_League();
        Build_Page_League(4);
        Set_Game_State(GS_DRAFT_ROUND, 7);
        Set_Team_Stat(USER, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        Set_Team_String("Rita Vance", USER, TS_MANAGER);
        for (TNUM nTeam = 0; nTeam < 4; nTeam++)
            Set_Team_Financial_Stat(nTeam, FIN_MARKET_HANDICAP, 0);
        Set_Game_State(GS_DIFFICULTY, LEVEL);
        Set_Game_State(GS_HOF_VIEW_LEVEL, LEVEL);
        Rebuild_Fame_File();
        Clear_Stop_Request();
        m_pWindow->show();
    }

    void Retire_Without_Qualifying_Answered_No_Plays_On() {
        QVERIFY(m_pWindow->Command_Action(CMD_RETIRE)->isEnabled());
        Career(8, 8, 0);
        QByteArray before = Fame_Bytes();
        QList<SeenBox> seen;
        Answer_Box(QMessageBox::No, &seen);
        QVERIFY(m_pWindow->Do_Command(CMD_RETIRE));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Retirement"));
        QCOMPARE(
            seen[0].szText,
            QString(
                "Your Vantor Rating of 50.0 does not qualify for the Vantor Hall Of Fame. Retire anyway?"));
        QVERIFY(m_pWindow->isVisible());
        QCOMPARE(Fame_Bytes(), before);
    }

    void Page_Draws_The_Level_And_Its_Buttons_Switch() {
        Career(12, 4, 1);
        QVERIFY(m_pWindow->Command_Action(PAGE_HALL_OF_FAME)->isEnabled());
        QStringList drawn;
        Watch_Page_Text(
            [&drawn](const QString& szText, const QRect&, const QFont&, int) { drawn << szText; });
        QVERIFY(m_pWindow->Do_Command(PAGE_HALL_OF_FAME));
        QCOMPARE(Get_Game_State(GS_CURRENT_PAGE), PAGE_HALL_OF_FAME);
        PageView* pView = m_pWindow->Page_View();
        pView->grab();
        QVERIFY(drawn.contains("Walt Brennard"));
        QVERIFY(drawn.contains("Ned Sorrell"));
        QVERIFY(drawn.contains("Rita Vance")); // the current manager's own line
        QVERIFY(drawn.contains("City1 Nick1"));
        QVERIFY(drawn.contains("2003-2012"));
        QCOMPARE(m_pWindow->Command_Action(CMD_HELP_PAGE)->text(), QString("&Help on Vantor Hall Of Fame"));

        // The "Vantor" button: another level, without the manager's own line.
        int x = HOF_BUTTON_LEFT + 3 * HOF_BUTTON_STEP + HOF_BUTTON_WIDTH / 2;
        int y = HOF_BUTTON_TOP + HOF_BUTTON_HEIGHT / 2;
        QPoint at(x * pView->width() / 636, y * pView->height() / 438);
        drawn.clear();
        QTest::mouseClick(pView, Qt::LeftButton, {}, at);
        QCOMPARE(Get_Game_State(GS_HOF_VIEW_LEVEL), 3);
        pView->grab();
        QVERIFY(drawn.contains("Walt Brennard"));
        QVERIFY(!drawn.contains("Rita Vance"));
        // Elsewhere on the page a click changes nothing.
        QTest::mouseClick(pView, Qt::LeftButton, {}, QPoint(pView->width() / 2, pView->height() / 2));
        QCOMPARE(Get_Game_State(GS_HOF_VIEW_LEVEL), 3);
        Watch_Page_Text(nullptr);
    }

    void Players_List_Shows_The_Inducted_Members() {
        Set_Game_State(GS_SEASON_INDEX, 7); // 2010
        const struct {
            const char* szLast;
            int nYear, nVotes;
        } MEMBERS[] = {{"Alder", 2001, 100}, {"Birch", 2009, 85}, {"Cedar", 2012, 90}, {"Dogwood", 1999, 77}};
        for (PNUM n = 0; n < 4; n++) {
            Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, n, VS_PLAYER_ID, 7000 + n);
            Set_Player_First_Name(HALL_OF_FAME_TEAM, n, "Al");
            Set_Player_Last_Name(HALL_OF_FAME_TEAM, n, MEMBERS[n].szLast);
            Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, n, VS_YEAR_INDUCTED, MEMBERS[n].nYear);
            Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, n, VS_VOTES, MEMBERS[n].nVotes);
        }
        QVERIFY(m_pWindow->Command_Action(CMD_PLAYERS_HALL_OF_FAME)->isEnabled());
        QStringList names, byVotes;
        On_Modal("Hall Of Fame", [&](QWidget* pDialog) {
            QTreeWidget* pList = pDialog->findChild<QTreeWidget*>();
            for (int i = 0; i < pList->topLevelItemCount(); i++)
                names << pList->topLevelItem(i)->text(0);
            pList->header()->sectionClicked(3); // by votes, as numbers
            for (int i = 0; i < pList->topLevelItemCount(); i++)
                byVotes << pList->topLevelItem(i)->text(3);
            Button(pDialog, "OK")->click();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_PLAYERS_HALL_OF_FAME));
        QCOMPARE(names, QStringList({"Al Alder", "Al Birch", "Al Dogwood"})); // slot order, Cedar still waits
        QCOMPARE(byVotes, QStringList({"77%", "85%", "100%"}));
    }

    // Last: the window closes.
    void Retire_Writes_A_Qualifying_Entry_And_Closes() {
        Career(16, 0, 3);
        Set_Game_State(GS_RATING_VALID, 0); // gray, with its message
        QList<SeenBox> seen;
        On_Modal("Retirement", [&](QWidget* pBox) {
            seen.append({pBox->windowTitle(), qobject_cast<QMessageBox*>(pBox)->text()});
            Answer_Box(QMessageBox::Ok, &seen);
            qobject_cast<QMessageBox*>(pBox)->button(QMessageBox::Yes)->click();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_RETIRE));
        QCOMPARE(seen.size(), 2);
        QVERIFY(seen[0].szText.startsWith("Congratulations. Your score qualifies"));
        QCOMPARE(seen[1].szTitle, QString("Vantor Rating"));
        QVERIFY(!m_pWindow->isVisible()); // closed without the offer to save
        FameFile fame;
        QVERIFY(Read_Fame_File(&fame));
        QCOMPARE(QString(fame.aTables[LEVEL][0].szManager), QString("Rita Vance"));
        QCOMPARE(fame.aTables[LEVEL][0].nRating, 1188);
        QCOMPARE(fame.aTables[LEVEL][0].nFlag, (int)FAME_GRAY);
        QCOMPARE(fame.aTables[LEVEL][1].nRating, 761);
        QVERIFY(fame.anSettings[FS_WINDOW_RIGHT] > 0); // the rectangle stored as Exit stores it
    }
};

QTEST_MAIN(HallOfFameTest)
#include "test_hall_of_fame.moc"
