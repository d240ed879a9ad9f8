// The Free Agents window on the offscreen platform: its menu entry opens it
// on the pool with the lines beside it, Sign is refused after the deadline
// and with a full roster, a signing through the Contract Offer window moves
// the player onto the roster, and Offense's Release sends one to the pool.
#include <QLabel>
#include <QTest>

#include "database/player.h"
#include "database/season_state.h"
#include "database/team.h"
#include "league_builder.h"
#include "modal_driver.h"
#include "personnel/player_creation.h"
#include "shell/command_table.h"
#include "shell/player_table.h"
#include "trades/free_agent_signing.h"

namespace {
constexpr TNUM PERSONS_TEAM = 3;
constexpr int PERSONS_CASH = 50000000;

QString Line(QWidget* pWindow, const char* szName) { return Child<QLabel>(pWindow, szName)->text(); }
TNUM Team_Of(int nID) {
    TNUM nTeam = NO_TEAM;
    Find_Player_ID(nID, &nTeam);
    return nTeam;
}
int ID_Of(const PlayerRow* pRow) { return Get_Player_Vital_Stat(pRow->nTeam, pRow->nSlot, VS_PLAYER_ID); }
}  // namespace

class FreeAgentsWindowTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;

    // Opens the window from its menu entry, picks the pool's second player,
    // clicks Sign and answers the boxes that come.
    QList<SeenBox> Sign_Second() {
        QList<SeenBox> seen;
        On_Modal("Free Agents", [&seen](QWidget* pWindow) {
            pWindow->findChild<PlayerTable*>()->selectRow(1);
            Answer_Box(QMessageBox::Ok, &seen);
            Child<QPushButton>(pWindow, "sign")->click();
            Button(pWindow, "Close")->click();
        });
        m_pWindow->Do_Command(CMD_FREE_AGENTS);
        return seen;
    }

  private slots:
    void initTestCase() {
        m_Bench.Start();
        m_Bench.Copy_Game_Names();
    }
    void cleanupTestCase() { m_Bench.Finish(); }
    void init() {
        if (!m_Bench.Default_League())
            QSKIP("no default league in this build");
        Hand_To_Person(PERSONS_TEAM);
        Set_Team_Financial_Stat(PERSONS_TEAM, FIN_CASH, PERSONS_CASH);
        Set_League_Rule(LR_SALARY_CAP, 999000000);
        Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK - 1);
        QVERIFY(Is_Valid_Player(FREE_AGENT_TEAM, 1));
        m_pWindow->Refresh_Menus();
    }

    void The_Entry_Opens_The_Pool_With_Its_Lines() {
        QVERIFY(m_pWindow->Command_Action(CMD_FREE_AGENTS)->isEnabled());
        int nRows = -1;
        QString szFirst, szSecond, szRoster, szCap;
        On_Modal("Free Agents", [&](QWidget* pWindow) {
            PlayerTable* pTable = pWindow->findChild<PlayerTable*>();
            nRows = pTable->Row_Count();
            szFirst = Line(pWindow, "playerSeeking");
            pTable->selectRow(1);
            szSecond = Line(pWindow, "playerSeeking");
            szRoster = Line(pWindow, "rosterCount");
            szCap = Line(pWindow, "capRoom");
            Button(pWindow, "Close")->click();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_FREE_AGENTS));
        QCOMPARE(nRows, Number_Of_Players(FREE_AGENT_TEAM));
        // The seeking line follows the selection.
        QVERIFY2(szFirst.contains(" is seeking a $"), szFirst.toUtf8().constData());
        QVERIFY(szSecond != szFirst);
        QVERIFY(szRoster.contains(QString(" have %1 roster players").arg(Number_Of_Players(PERSONS_TEAM))));
        QVERIFY2(szCap.startsWith("Room Under Salary Cap: $"), szCap.toUtf8().constData());
    }

    void Sign_Is_Refused_After_The_Deadline_And_With_A_Full_Roster() {
        int nPool = Number_Of_Players(FREE_AGENT_TEAM);
        Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK);
        QList<SeenBox> seen = Sign_Second();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Trading Deadline"));

        Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK - 1);
        while (Number_Of_Players(PERSONS_TEAM) < PLAYERS_PER_TEAM)
            Make_Journeyman(PERSONS_TEAM, First_Empty_Slot(PERSONS_TEAM), POS_LB);
        seen = Sign_Second();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Too Many Players"));
        QCOMPARE(Number_Of_Players(FREE_AGENT_TEAM), nPool);
    }

    void A_Signing_Puts_Him_On_The_Roster_And_The_Lines_Follow() {
        int nID = 0, nPlayers = Number_Of_Players(PERSONS_TEAM), nRowsAfter = -1;
        QString szRosterAfter;
        bool bOfferShown = false;
        On_Modal("Free Agents", [&](QWidget* pWindow) {
            PlayerTable* pTable = pWindow->findChild<PlayerTable*>();
            pTable->selectRow(1);
            nID = ID_Of(pTable->Selected_Row());
            On_Modal("", [&bOfferShown](QWidget* pOffer) {
                bOfferShown = pOffer->objectName() == "contractOffer";
                Child<QPushButton>(pOffer, "sign")->click();
            });
            Child<QPushButton>(pWindow, "sign")->click();
            nRowsAfter = pTable->Row_Count();
            szRosterAfter = Line(pWindow, "rosterCount");
            Button(pWindow, "Close")->click();
        });
        int nPool = Number_Of_Players(FREE_AGENT_TEAM);
        QVERIFY(m_pWindow->Do_Command(CMD_FREE_AGENTS));
        QVERIFY(bOfferShown);
        QCOMPARE(Team_Of(nID), PERSONS_TEAM);
        QCOMPARE(Number_Of_Players(PERSONS_TEAM), nPlayers + 1);
        QCOMPARE(nRowsAfter, nPool - 1);
        QVERIFY2(szRosterAfter.contains(QString(" have %1 roster").arg(nPlayers + 1)), szRosterAfter.toUtf8().constData());
    }

    void Release_From_Offense_Sends_Him_To_The_Pool() {
        int nID = 0, nRows = -1, nRowsAfter = -1, nPlayers = Number_Of_Players(PERSONS_TEAM);
        QList<SeenBox> seen;
        On_Modal("Offense", [&](QWidget* pDialog) {
            PlayerTable* pTable = pDialog->findChild<PlayerTable*>();
            nRows = pTable->Row_Count();
            pTable->selectRow(0);
            nID = ID_Of(pTable->Selected_Row());
            Answer_Box(QMessageBox::Yes, &seen);
            Child<QPushButton>(pDialog, "release")->click();
            nRowsAfter = pTable->Row_Count();
            Button(pDialog, "Cancel")->click();  // the release stays
        });
        QVERIFY(m_pWindow->Do_Command(CMD_OFFENSE));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Release Player"));
        QCOMPARE(Team_Of(nID), FREE_AGENT_TEAM);
        QCOMPARE(nRowsAfter, nRows - 1);
        QCOMPARE(Number_Of_Players(PERSONS_TEAM), nPlayers - 1);
    }
};

QTEST_MAIN(FreeAgentsWindowTest)
#include "test_free_agents_window.moc"
