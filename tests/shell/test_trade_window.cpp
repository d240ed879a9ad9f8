// The Trades window on the offscreen platform: a legal offer built from the
// rosters, an illegal one refused on Submit with its reason, an accepted one
// signed on the answer page, one changed before signing ("Cheater"), and a
// refusal's hint followed by a counter-offer the partner accepts.
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include "database/player.h"
#include "database/season_state.h"
#include "database/team.h"
#include "league_builder.h"
#include "modal_driver.h"
#include "personnel/ratings.h"
#include "shell/command_table.h"
#include "shell/player_table.h"
#include "trades/trade_rules.h"

namespace {
constexpr TNUM PERSONS_TEAM = 3;
constexpr TNUM PARTNER = 5;

QString Line(QWidget* pWindow, const char* szName) { return Child<QLabel>(pWindow, szName)->text(); }
int Items(QWidget* pWindow, int nSide) {
    return Child<QListWidget>(pWindow, nSide ? "items1" : "items0")->count();
}
TNUM Team_Of(int nID) {
    TNUM nTeam = NO_TEAM;
    Find_Player_ID(nID, &nTeam);
    return nTeam;
}
PNUM Most_Valued(TNUM nTeam, bool bMost) {
    PNUM nChosen = NO_PLAYER;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
        if (!Is_Valid_Player(nTeam, p)) continue;
        int nValue = Player_Trade_Value(nTeam, p);
        if (nChosen == NO_PLAYER || (bMost ? nValue > Player_Trade_Value(nTeam, nChosen)
                                           : nValue < Player_Trade_Value(nTeam, nChosen)))
            nChosen = p;
    }
    return nChosen;
}
// Chooses the player in his side's roster and presses that side's Add.
void Add(QWidget* pWindow, int nSide, PNUM nSlot) {
    PlayerTable* pTable = Child<PlayerTable>(pWindow, nSide ? "roster1" : "roster0");
    for (int nRow = 0; nRow < pTable->Row_Count(); nRow++)
        if (pTable->Row_At(nRow)->nSlot == nSlot) pTable->selectRow(nRow);
    Child<QPushButton>(pWindow, nSide ? "add1" : "add0")->click();
}
}  // namespace

class TradeWindowTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;

    void Open_Trades(std::function<void(QWidget*)> act) {
        bool bOpened = false;
        On_Modal("Trades", [&bOpened, act](QWidget* pWindow) {
            bOpened = true;
            act(pWindow);
            Child<QPushButton>(pWindow, "done")->click();
        });
        m_pWindow->Do_Command(CMD_TRADES);
        QVERIFY(bOpened);
    }

  private slots:
    void initTestCase() {
        m_Bench.Start();
        m_Bench.Copy_Game_Names();
        // The general managers' faces, which the answer page shows.
        QString szFaces = m_Bench.szOldFolder + "/game/dialogs/faces/";
        QDir().mkpath("dialogs/faces");
        for (const QString& szFile : QDir(szFaces).entryList(QDir::Files))
            QFile::copy(szFaces + szFile, "dialogs/faces/" + szFile);
    }
    void cleanupTestCase() { m_Bench.Finish(); }
    void init() {
        if (!m_Bench.Default_League())
            QSKIP("no default league in this build");
        Hand_To_Person(PERSONS_TEAM);
        Set_Team_Stat(PARTNER, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
        Set_Game_State(GS_TRADE_PARTNER, PARTNER);
        Set_Game_State(GS_COMMISSIONER, 0);
        Set_Game_State(GS_DIFFICULTY, 1);
        Set_League_Rule(LR_TRADE_REPUTATION, 0);
        Set_League_Rule(LR_SALARY_CAP, 999000000);
        Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK - 1);
        m_pWindow->Refresh_Menus();
    }

    void A_Legal_Offer_Then_An_Illegal_One_Refused_With_Its_Reason() {
        int nPartners = Number_Of_Players(PARTNER), nPersons = Number_Of_Players(PERSONS_TEAM);
        QString szLegal, szIllegal, szSubmit;
        int nGiven = 0;
        QList<SeenBox> seen;
        Open_Trades([&](QWidget* pWindow) {
            szSubmit = Child<QPushButton>(pWindow, "submit")->text();
            Add(pWindow, 0, Most_Valued(PERSONS_TEAM, false));
            nGiven = Items(pWindow, 0);
            szLegal = Line(pWindow, "legality");
            // Fifteen of the partner's players leave him short of his minimum.
            for (PNUM p = 0; Items(pWindow, 1) < TRADE_ITEMS && p < PLAYERS_PER_TEAM; p++)
                if (Is_Valid_Player(PARTNER, p)) Add(pWindow, 1, p);
            szIllegal = Line(pWindow, "legality");
            Answer_Box(QMessageBox::Ok, &seen);
            Child<QPushButton>(pWindow, "submit")->click();
        });
        QCOMPARE(szSubmit, QString("&Submit Offer"));
        QCOMPARE(nGiven, 1);
        QCOMPARE(szLegal, QString("Double-click players to add them to trade."));
        QVERIFY2(szIllegal.startsWith("Illegal Trade: "), qPrintable(szIllegal));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Illegal Trade"));
        QCOMPARE("Illegal Trade: " + seen[0].szText, szIllegal);
        QCOMPARE(Number_Of_Players(PARTNER), nPartners);
        QCOMPARE(Number_Of_Players(PERSONS_TEAM), nPersons);
    }

    void An_Accepted_Offer_Signed_Moves_The_Player() {
        PNUM nGift = Most_Valued(PERSONS_TEAM, true);
        int nID = Get_Player_Vital_Stat(PERSONS_TEAM, nGift, VS_PLAYER_ID);
        QString szLine;
        bool bFace = false;
        int nLeft = -1;
        Open_Trades([&](QWidget* pWindow) {
            Add(pWindow, 0, nGift);
            On_Modal("Trade Offer Response", [&](QWidget* pAnswer) {
                szLine = Child<QLabel>(pAnswer, "line")->text();
                bFace = Child<QLabel>(pAnswer, "face")->pixmap().width() > 0;
                Child<QPushButton>(pAnswer, "sign")->click();
            });
            Child<QPushButton>(pWindow, "submit")->click();
            nLeft = Items(pWindow, 0);
        });
        QVERIFY(!szLine.isEmpty());
        QVERIFY(bFace);
        QCOMPARE(Team_Of(nID), PARTNER);
        QCOMPARE(nLeft, 0);  // the page starts again
    }

    void An_Offer_Changed_Before_Signing_Is_Caught() {
        PNUM nGift = Most_Valued(PERSONS_TEAM, true);
        int nID = Get_Player_Vital_Stat(PERSONS_TEAM, nGift, VS_PLAYER_ID);
        QList<SeenBox> seen;
        Open_Trades([&](QWidget* pWindow) {
            Add(pWindow, 0, nGift);
            On_Modal("Trade Offer Response", [&](QWidget* pAnswer) {
                // While the answer is read the player grows old and dear.
                Set_Player_Vital_Stat(PERSONS_TEAM, nGift, VS_AGE, 44);
                Set_Player_Vital_Stat(PERSONS_TEAM, nGift, VS_SALARY, 40000);
                Set_Player_Vital_Stat(PERSONS_TEAM, nGift, VS_CONTRACT_LEFT, 5);
                Answer_Box(QMessageBox::Ok, &seen);
                Child<QPushButton>(pAnswer, "sign")->click();
            });
            Child<QPushButton>(pWindow, "submit")->click();
        });
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Cheater"));
        QCOMPARE(seen[0].szText, QString("That's not the trade I agreed to!"));
        QCOMPARE(Team_Of(nID), PERSONS_TEAM);
        QVERIFY(Get_League_Rule(LR_TRADE_REPUTATION) < 0);
    }

    void A_Refusal_Gives_A_Hint_And_The_Counter_Offer_Is_Accepted() {
        PNUM nWanted = Most_Valued(PARTNER, false);
        int nID = Get_Player_Vital_Stat(PARTNER, nWanted, VS_PLAYER_ID);
        QString szNeeds;
        bool bAccepted = false;
        int nOffered = 0;
        Open_Trades([&](QWidget* pWindow) {
            Add(pWindow, 1, nWanted);
            On_Modal("Trade Offer Response", [&](QWidget* pAnswer) {
                On_Modal("Trade Hint", [&](QWidget* pHint) {
                    szNeeds = Child<QLabel>(pHint, "needs")->text();
                    Child<QPushButton>(pHint, "ok")->click();
                });
                Child<QPushButton>(pAnswer, "hint")->click();
                Child<QPushButton>(pAnswer, "ok")->click();
            });
            Child<QPushButton>(pWindow, "submit")->click();
            Child<QPushButton>(pWindow, "counter")->click();
            nOffered = Items(pWindow, 0);
            On_Modal("Trade Offer Response", [&](QWidget* pAnswer) {
                bAccepted = Child<QPushButton>(pAnswer, "sign") != nullptr;
                Child<QPushButton>(pAnswer, bAccepted ? "kidding" : "ok")->click();
            });
            Child<QPushButton>(pWindow, "submit")->click();
        });
        QVERIFY2(szNeeds.startsWith("(1) "), qPrintable(szNeeds));
        QVERIFY(nOffered > 0);
        QVERIFY(bAccepted);
        QCOMPARE(Team_Of(nID), PARTNER);  // walked away: nothing moved
    }
};

QTEST_MAIN(TradeWindowTest)
#include "test_trade_window.moc"
