// The Contract Offer window over a person's signing of a free agent: the
// refusals that come before it, its buttons and typed terms, a cancel that
// leaves the league as it was, a signing that puts the player on the roster,
// and the roster's release with its question.
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "database/player.h"
#include "database/saved_game.h"
#include "database/season_state.h"
#include "database/team.h"
#include "league_builder.h"
#include "modal_driver.h"
#include "personnel/contracts.h"
#include "personnel/negotiation.h"
#include "personnel/player_creation.h"
#include "shell/contract_offer.h"
#include "trades/free_agent_signing.h"

namespace {
constexpr TNUM PERSONS_TEAM = 3;
constexpr int PERSONS_CASH = 50000000;

bool Enabled(QWidget* pDialog, const char* szButton) {
    QPushButton* pButton = Child<QPushButton>(pDialog, szButton);
    return pButton && pButton->isEnabled();
}
QString Field(QWidget* pDialog, const char* szEdit) { return Child<QLineEdit>(pDialog, szEdit)->text(); }
void Type(QWidget* pDialog, const char* szEdit, const QString& szText) {
    QLineEdit* pEdit = Child<QLineEdit>(pDialog, szEdit);
    pEdit->setText(szText);
    emit pEdit->editingFinished();
}
// A failed check inside a window leaves it open; this closes it anyway.
struct Cancel_On_Leaving {
    QWidget* pDialog;
    ~Cancel_On_Leaving() {
        if (pDialog->isVisible()) Child<QPushButton>(pDialog, "cancel")->click();
    }
};
int ID_Of(TNUM nTeam, PNUM nSlot) { return Get_Player_Vital_Stat(nTeam, nSlot, VS_PLAYER_ID); }
TNUM Team_Of(int nID) {
    TNUM nTeam = NO_TEAM;
    Find_Player_ID(nID, &nTeam);
    return nTeam;
}
}  // namespace

class ContractOfferTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;

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
        QVERIFY(Is_Valid_Player(FREE_AGENT_TEAM, 0));
        // The pool player asking the largest least bonus first, so a lower typed bonus is one he refuses.
        PNUM nAsking = 0;
        for (PNUM p = 1; p < PLAYERS_PER_TEAM && Is_Valid_Player(FREE_AGENT_TEAM, p); p++)
            if (Minimum_Signing_Bonus(FREE_AGENT_TEAM, p) > Minimum_Signing_Bonus(FREE_AGENT_TEAM, nAsking)) nAsking = p;
        QVERIFY(Minimum_Signing_Bonus(FREE_AGENT_TEAM, nAsking) > 0);
        if (nAsking != 0) Swap_Players(FREE_AGENT_TEAM, 0, FREE_AGENT_TEAM, nAsking);
    }

    void The_Deadline_And_A_Full_Roster_Refuse_Before_The_Window() {
        Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK);
        uint32_t nBefore = Saved_Data_Checksum();
        QList<SeenBox> seen;
        Answer_Box(QMessageBox::Ok, &seen);
        QCOMPARE(Sign_Free_Agent(PERSONS_TEAM, 0), NO_PLAYER);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Trading Deadline"));
        QCOMPARE(Saved_Data_Checksum(), nBefore);

        Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK - 1);
        while (Number_Of_Players(PERSONS_TEAM) < PLAYERS_PER_TEAM)
            Make_Journeyman(PERSONS_TEAM, First_Empty_Slot(PERSONS_TEAM), POS_LB);
        nBefore = Saved_Data_Checksum();
        Answer_Box(QMessageBox::Ok, &seen);
        QCOMPARE(Sign_Free_Agent(PERSONS_TEAM, 0), NO_PLAYER);
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1].szTitle, QString("Too Many Players"));
        QVERIFY(seen[1].szText.startsWith("Your team is currently full."));
        QCOMPARE(Saved_Data_Checksum(), nBefore);
    }

    void The_Buttons_Stop_At_The_Bounds_And_A_Cancel_Changes_Nothing() {
        uint32_t nBefore = Saved_Data_Checksum();
        bool bShown = false;
        On_Modal("", [&bShown](QWidget* pDialog) {
            Cancel_On_Leaving closer{pDialog};
            bShown = pDialog->objectName() == "contractOffer";
            QVERIFY(!Enabled(pDialog, "lessBonus"));  // he asks his minimum at opening
            QVERIFY(Enabled(pDialog, "sign"));
            for (int n = 0; n < 10 && Enabled(pDialog, "fewerYears"); n++) Child<QPushButton>(pDialog, "fewerYears")->click();
            QCOMPARE(Field(pDialog, "years"), QString("1"));
            for (int n = 0; n < 10 && Enabled(pDialog, "moreYears"); n++) Child<QPushButton>(pDialog, "moreYears")->click();
            QCOMPARE(Field(pDialog, "years"), QString::number(LONGEST_OFFER));
            QString szOffer = Child<QLabel>(pDialog, "offer")->text();
            QVERIFY2(szOffer.contains("Seven Year Contract"), szOffer.toUtf8().constData());
            int nBonus = Field(pDialog, "bonus").toInt();
            Child<QPushButton>(pDialog, "moreBonus")->click();
            QCOMPARE(Field(pDialog, "bonus").toInt(), nBonus + CONTRACT_BONUS_STEP);
            QVERIFY(Enabled(pDialog, "lessBonus"));
            // A typed bonus below his minimum is refused with the reason and goes back to it.
            QList<SeenBox> seen;
            Answer_Box(QMessageBox::Ok, &seen);
            Type(pDialog, "bonus", "0");
            QCOMPARE(seen.size(), 1);
            QCOMPARE(seen[0].szTitle, QString("Contract Offer"));
            QCOMPARE(Field(pDialog, "bonus").toInt(), nBonus);
        });
        QCOMPARE(Sign_Free_Agent(PERSONS_TEAM, 0), NO_PLAYER);
        QVERIFY(bShown);
        QCOMPARE(Saved_Data_Checksum(), nBefore);
    }

    void Sign_Stays_Off_While_The_Cash_Does_Not_Cover_The_Bonus() {
        bool bSignOn = false, bSignOff = true;
        On_Modal("", [&bSignOn, &bSignOff](QWidget* pDialog) {
            Cancel_On_Leaving closer{pDialog};
            bSignOn = Enabled(pDialog, "sign");
            // Into debt while the window is open: the next refresh takes sign and more bonus away.
            Set_Team_Financial_Stat(PERSONS_TEAM, FIN_CASH, -1000);
            Type(pDialog, "years", Field(pDialog, "years"));
            bSignOff = !Enabled(pDialog, "sign") && !Enabled(pDialog, "moreBonus");
        });
        QCOMPARE(Sign_Free_Agent(PERSONS_TEAM, 0), NO_PLAYER);
        QVERIFY(bSignOn);
        QVERIFY(bSignOff);
    }

    void A_Signed_Offer_Joins_The_Roster_And_A_Release_Sends_Him_Back() {
        int nID = ID_Of(FREE_AGENT_TEAM, 0), nPlayers = Number_Of_Players(PERSONS_TEAM);
        int nBonus = -1;
        On_Modal("", [&nBonus](QWidget* pDialog) {
            nBonus = Field(pDialog, "bonus").toInt();
            Child<QPushButton>(pDialog, "sign")->click();
        });
        PNUM nSlot = Sign_Free_Agent(PERSONS_TEAM, 0);
        QVERIFY(nSlot != NO_PLAYER);
        QCOMPARE(ID_Of(PERSONS_TEAM, nSlot), nID);
        QCOMPARE(Number_Of_Players(PERSONS_TEAM), nPlayers + 1);
        QCOMPARE(Get_Team_Financial_Stat(PERSONS_TEAM, FIN_CASH), PERSONS_CASH - 1000 * nBonus);

        QList<SeenBox> seen;
        Answer_Box(QMessageBox::No, &seen);
        QVERIFY(!Release_From_Roster(PERSONS_TEAM, nSlot));
        QCOMPARE(Team_Of(nID), PERSONS_TEAM);
        Answer_Box(QMessageBox::Yes, &seen);
        QVERIFY(Release_From_Roster(PERSONS_TEAM, nSlot));
        QCOMPARE(seen.size(), 2);
        QCOMPARE(seen[1].szTitle, QString("Release Player"));
        QCOMPARE(Team_Of(nID), FREE_AGENT_TEAM);
        QCOMPARE(Number_Of_Players(PERSONS_TEAM), nPlayers);
    }
};

QTEST_MAIN(ContractOfferTest)
#include "test_contract_offer.moc"
