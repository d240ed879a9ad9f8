// Find Players and the college Draft window from the Players menu: both
// open, a search kept on OK comes back and a bad field is refused, and the
// person's pick in the Draft window puts the prospect on his roster.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "league_builder.h"
#include "modal_driver.h"
#include "personnel/player_creation.h"
#include "personnel/player_search.h"
#include "season/college_draft.h"
#include "shell/command_table.h"
#include "shell/player_table.h"

class DraftWindowsTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;

  private slots:
    void initTestCase() {
        m_Bench.Start();
        m_Bench.Copy_Game_Names();
        if (!m_Bench.Default_League())
            QSKIP("no default league in this build");
        m_pWindow->Refresh_Menus();
    }
    void cleanupTestCase() { m_Bench.Finish(); }

    void A_Search_Kept_On_OK_Comes_Back_And_A_Bad_Field_Is_Refused() {
        QVERIFY(m_pWindow->Command_Action(CMD_FIND_PLAYERS)->isEnabled());
        int nRows = 0, nOthers = 0;
        On_Modal("Find Players", [&](QWidget* pDialog) {
            Child<QComboBox>(pDialog, "Position")->setCurrentIndex(POS_QB);
            Child<QLineEdit>(pDialog, "Age")->setText("30");
            Button(pDialog, "Sea&rch")->click();
            PlayerTable* pTable = Child<PlayerTable>(pDialog, "Players");
            nRows = pTable->Row_Count();
            for (int i = 0; i < nRows; i++) {
                const PlayerRow* pRow = pTable->Row_At(i);
                nOthers += pRow->nPosition != POS_QB || Get_Player_Vital_Stat(pRow->nTeam, pRow->nSlot, VS_AGE) >= 30;
            }
            QVERIFY(!pTable->isColumnHidden(COLUMN_TEAM));
            Button(pDialog, "OK")->click();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_FIND_PLAYERS));
        QVERIFY(nRows > 0);
        QCOMPARE(nOthers, 0);
        QCOMPARE(Stored_Search_Criteria().nPosition, (int)POS_QB);
        QCOMPARE(Stored_Search_Criteria().nAgeLimit, 30);

        // Opened again it shows them; an age limit of 0 is refused with a
        // message and the window stays; Cancel keeps what was stored.
        uint32_t nBefore = Saved_Data_Checksum();
        QString szShownAge, szRating;
        QList<SeenBox> seen;
        bool bStillOpen = false;
        On_Modal("Find Players", [&](QWidget* pDialog) {
            szShownAge = Child<QLineEdit>(pDialog, "Age")->text();
            szRating = Child<QComboBox>(pDialog, "Position")->currentText();
            Child<QLineEdit>(pDialog, "Age")->setText("0");
            Answer_Box(QMessageBox::Ok, &seen);
            Button(pDialog, "OK")->click();
            bStillOpen = pDialog->isVisible();
            Button(pDialog, "Cancel")->click();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_FIND_PLAYERS));
        QCOMPARE(szShownAge, QString("30"));
        QCOMPARE(szRating, QString("Quarterbacks"));
        QVERIFY(bStillOpen);
        QCOMPARE(seen.size(), 1);
        QVERIFY(seen[0].szText.contains("age limit"));
        QCOMPARE(Saved_Data_Checksum(), nBefore);
    }

    void The_Persons_Pick_In_The_Draft_Window_Joins_His_Roster() {
        QVERIFY(m_pWindow->Command_Action(CMD_DRAFT)->isEnabled());
        // A draft standing at its first pick, the team on the clock the person's.
        Set_Game_State(GS_SEASON_INDEX, 1);
        Set_Draft_Order();
        Set_Game_State(GS_DRAFT_ROUND, 0);
        Set_Game_State(GS_DRAFT_PICK, 0);
        QVERIFY(Make_College_Class());
        TNUM nPerson = Team_On_The_Clock();
        Set_Team_Stat(nPerson, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        Set_Game_State(GS_USER_TEAM, nPerson);
        Set_Game_State(GS_MANAGED_TEAM, nPerson);
        char szNick[TEXT_SIZE];
        Get_Team_Nickname(nPerson, szNick);

        Set_League_Rule(LR_SALARY_CAP, 1000000000);  // room under the cap for any rookie

        // Sign in the Contract Offer window (walk away after a few tries), and
        // OK to whatever is said after: two timers, as one cannot fire inside its own slot.
        QTimer signer, answerer;
        int nOffers = 0;
        QObject::connect(&signer, &QTimer::timeout, [&nOffers] {
            QWidget* pModal = QApplication::activeModalWidget();
            if (!pModal || pModal->objectName() != "contractOffer") return;
            Button(pModal, ++nOffers > 3 ? "Cancel" : "&Sign")->click();
        });
        QObject::connect(&answerer, &QTimer::timeout, [] {
            if (QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                pBox->button(QMessageBox::Ok)->click();
        });
        int nProspect = 0, nRows = 0;
        bool bPickBefore = false;
        QString szClock;
        On_Modal(QString("Draft (%1)").arg(szNick), [&](QWidget* pDialog) {
            PlayerTable* pTable = Child<PlayerTable>(pDialog, "Prospects");
            nRows = pTable->Row_Count();
            QVERIFY(pTable->isColumnHidden(COLUMN_OVERALL));  // the true ratings stay hidden
            const PlayerRow* pRow = pTable->Selected_Row();
            nProspect = pRow ? Get_Player_Vital_Stat(pRow->nTeam, pRow->nSlot, VS_PLAYER_ID) : 0;
            szClock = Child<QLabel>(pDialog, "Clock")->text();
            bPickBefore = Button(pDialog, "&Pick")->isEnabled();
            signer.start(5);
            answerer.start(5);
            Button(pDialog, "&Pick")->click();
            signer.stop();
            answerer.stop();
            qobject_cast<QDialog*>(pDialog)->reject();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_DRAFT));
        QVERIFY(nRows > 0);
        QVERIFY(bPickBefore);
        QCOMPARE(nOffers, 1);
        QVERIFY(szClock.contains(QString("Round 1, Pick 1 (#1): %1").arg(szNick)));
        TNUM nTeam = NO_TEAM;
        QVERIFY(nProspect && Find_Player_ID(nProspect, &nTeam));
        QCOMPARE(nTeam, nPerson);
    }
};

QTEST_MAIN(DraftWindowsTest)
#include "test_draft_windows.moc"
