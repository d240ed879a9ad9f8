// The Trading Block window and the computer's Trade Offer page on the
// offscreen platform: the block asked with the cash wish lists the core's
// offers in the core's order and an offer opens the trade page on itself;
// too many players on the block are refused; a proposal answered "No Thanks"
// leaves the league as it was, and "Let's Talk" hands the offer over turned round.
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>

#include "base/random.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/season_state.h"
#include "database/team.h"
#include "league_builder.h"
#include "modal_driver.h"
#include "shell/command_table.h"
#include "shell/player_table.h"
#include "shell/trade_page_opener.h"
#include "shell/trade_proposal_page.h"
#include "trades/computer_trades.h"
#include "trades/trade_value.h"
#include "trades/trading_block.h"

namespace {
constexpr TNUM PERSONS_TEAM = 3;
constexpr int EVERY_TEAMS_CASH = 20000000;
constexpr uint32_t SEED = 7;
constexpr int PROPOSAL_WEEKS = 60;  // enough built-up activity for several proposals

std::vector<TRADE_OFFER> s_Opened;
void Record_Opened(QWidget*, const TRADE_OFFER* pStart) { s_Opened.push_back(*pStart); }
std::vector<TRADE_OFFER> s_Proposed;
void Record_Proposal(const TRADE_OFFER& offer) { s_Proposed.push_back(offer); }

// The person's players the partners want most, best first.
std::vector<PNUM> Most_Valued(int nCount) {
    std::vector<PNUM> players;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
        if (Is_Valid_Player(PERSONS_TEAM, p)) players.push_back(p);
    std::stable_sort(players.begin(), players.end(), [](PNUM a, PNUM b) {
        return Player_Trade_Value(PERSONS_TEAM, a) > Player_Trade_Value(PERSONS_TEAM, b);
    });
    players.resize(std::min<size_t>(players.size(), nCount));
    return players;
}

// Puts the player on the block as a person would: chosen in the roster, then Add.
void Put_On_Block(QWidget* pWindow, PNUM nSlot) {
    Child<PlayerTable>(pWindow, "roster")->Select_Player(PERSONS_TEAM, nSlot);
    Child<QPushButton>(pWindow, "add")->click();
}

QStringList Offer_Lines(QWidget* pWindow) {
    QStringList lines;
    QTreeWidget* pOffers = Child<QTreeWidget>(pWindow, "offers");
    for (int i = 0; i < pOffers->topLevelItemCount(); i++)
        lines << pOffers->topLevelItem(i)->text(0) + "\t" + pOffers->topLevelItem(i)->text(1);
    return lines;
}
}  // namespace

class TradingBlockWindowTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;

  private slots:
    void initTestCase() {
        m_Bench.Start();
        m_Bench.Copy_Game_Names();
        Set_Trade_Page_Opener(Record_Opened);
    }
    void cleanupTestCase() {
        Set_Trade_Page_Opener(nullptr);
        m_Bench.Finish();
    }
    void init() {
        if (!m_Bench.Default_League())
            QSKIP("no default league in this build");
        Hand_To_Person(PERSONS_TEAM);
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
            Set_Team_Financial_Stat(nTeam, FIN_CASH, EVERY_TEAMS_CASH);
        Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK - 1);
        Set_Game_State(GS_COMMISSIONER, 0);
        Set_Game_State(GS_COMPUTER_TRADES, 1);
        s_Opened.clear();
        m_pWindow->Refresh_Menus();
    }

    void The_Cash_Wish_Lists_The_Cores_Offers_In_Order_And_One_Opens_The_Trade_Page() {
        QVERIFY(m_pWindow->Command_Action(CMD_TRADING_BLOCK)->isEnabled());
        std::vector<PNUM> listed = Most_Valued(2);
        QStringList shown;
        int nBlockLines = -1, nRosterRows = -1;
        bool bCashOff = false;
        QList<SeenBox> seen;
        // Answers a box should one come (none should), and ends with the test.
        QTimer boxes;
        connect(&boxes, &QTimer::timeout, [&seen] {
            if (QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                seen.append({pBox->windowTitle(), pBox->text()});
                pBox->button(QMessageBox::Ok)->click();
            }
        });
        boxes.start(5);
        On_Modal("Trading Block", [&](QWidget* pWindow) {
            int nRows = Child<PlayerTable>(pWindow, "roster")->Row_Count();
            for (PNUM nSlot : listed) Put_On_Block(pWindow, nSlot);
            nBlockLines = Child<QListWidget>(pWindow, "block")->count();
            nRosterRows = nRows - Child<PlayerTable>(pWindow, "roster")->Row_Count();
            Child<QComboBox>(pWindow, "wish")->setCurrentIndex(WISH_CASH);
            bCashOff = !Child<QSpinBox>(pWindow, "cash")->isEnabled();
            Seed_Random(SEED);
            Child<QPushButton>(pWindow, "ask")->click();
            shown = Offer_Lines(pWindow);
            QTreeWidget* pOffers = Child<QTreeWidget>(pWindow, "offers");
            if (pOffers->topLevelItemCount() > 1) {
                pOffers->setCurrentItem(pOffers->topLevelItem(1));
                Child<QPushButton>(pWindow, "open")->click();
            }
            Button(pWindow, "Close")->click();
        });
        Set_Game_State(GS_TRADE_PARTNER, PERSONS_TEAM + 1);
        QVERIFY(m_pWindow->Do_Command(CMD_TRADING_BLOCK));
        QCOMPARE(nBlockLines, (int)listed.size());
        QCOMPARE(nRosterRows, (int)listed.size());  // a listed player leaves the roster table
        QVERIFY(bCashOff);
        QCOMPARE(Get_Game_State(GS_TRADING_BLOCK_WISH), WISH_CASH);

        // The same block and draws, straight from the core.
        TRADE_OFFER block, aOffers[TRADING_BLOCK_OFFERS];
        Clear_Trade_Offer(&block, PERSONS_TEAM, NO_TEAM);
        for (size_t i = 0; i < listed.size(); i++) block.aanItems[0][i] = listed[i];
        Set_Up_Trading_Block(&block, PERSONS_TEAM, 0, WISH_CASH);
        TradeRefusal refusal;
        Seed_Random(SEED);
        int nCount = Build_Trading_Block_Offers(block, WISH_CASH, aOffers, &refusal);
        QVERIFY2(nCount > 1, "the default league should bid for its best players");
        QVERIFY(seen.isEmpty());
        QStringList expected;
        for (int i = 0; i < nCount; i++) expected << QString::fromUtf8(Describe_Block_Offer(aOffers[i]).c_str());
        QCOMPARE(shown, expected);
        // The second offer, as it stood, with no partner remembered.
        QCOMPARE((int)s_Opened.size(), 1);
        QCOMPARE(memcmp(&s_Opened[0], &aOffers[1], sizeof(TRADE_OFFER)), 0);
        QCOMPARE(Get_Game_State(GS_TRADE_PARTNER), (int)NO_TEAM);
    }

    void Too_Many_On_The_Block_Is_Refused_And_After_The_Deadline_It_Does_Not_Open() {
        int nSpare = Number_Of_Players(PERSONS_TEAM) - Trade_Minimum_Roster(PERSONS_TEAM);
        QVERIFY(nSpare >= 0 && nSpare < TRADE_ITEMS);
        std::vector<PNUM> listed = Most_Valued(nSpare + 1);
        QList<SeenBox> seen;
        QString szCount;
        int nOffers = -1;
        On_Modal("Trading Block", [&](QWidget* pWindow) {
            for (PNUM nSlot : listed) Put_On_Block(pWindow, nSlot);
            szCount = Child<QLabel>(pWindow, "rosterCount")->text();
            Answer_Box(QMessageBox::Ok, &seen);
            Child<QPushButton>(pWindow, "ask")->click();
            nOffers = Child<QTreeWidget>(pWindow, "offers")->topLevelItemCount();
            Button(pWindow, "Close")->click();
        });
        uint32_t nSum = Saved_Data_Checksum();
        QVERIFY(m_pWindow->Do_Command(CMD_TRADING_BLOCK));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Illegal Trading Block Offer"));
        QVERIFY2(seen[0].szText.endsWith(QString(" would have less than %1 players.").arg(Trade_Minimum_Roster(PERSONS_TEAM))),
                 seen[0].szText.toUtf8().constData());
        QVERIFY2(szCount.startsWith(QString("%1 players would stay").arg(Trade_Minimum_Roster(PERSONS_TEAM) - 1)),
                 szCount.toUtf8().constData());
        QCOMPARE(nOffers, 0);
        QCOMPARE(Saved_Data_Checksum(), nSum);

        Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK);
        seen.clear();
        Answer_Box(QMessageBox::Ok, &seen);
        QVERIFY(m_pWindow->Do_Command(CMD_TRADING_BLOCK));
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Trading Deadline"));
    }

    void A_Proposal_Refused_Leaves_The_League_And_Talking_Hands_It_Over_Turned_Round() {
        Set_Game_State(GS_DIFFICULTY, 0);
        Set_Game_State(GS_TRADE_ACTIVITY, PROPOSAL_WEEKS * TRADE_ACTIVITY_PER_WEEK);
        QVERIFY(Trade_Proposal_Count() > 1);
        // What the core proposes with these draws, seen without the page.
        s_Proposed.clear();
        Set_Trade_Proposal_Hook(Record_Proposal);
        Seed_Random(SEED);
        Computer_Trade_Proposals();
        Set_Trade_Proposal_Hook(Show_Trade_Proposal);
        QVERIFY2(!s_Proposed.empty(), "these draws should bring a proposal");

        // Every page answered "No Thanks": the league stays as it was.
        QStringList firstPage;
        int nPages = 0;
        QTimer answerer;
        connect(&answerer, &QTimer::timeout, [&] {
            QWidget* pPage = QApplication::activeModalWidget();
            if (!pPage || pPage->objectName() != "tradeProposal") return;
            if (nPages++ == 0)
                firstPage << pPage->windowTitle() << Child<QLabel>(pPage, "theirItems")->text()
                            << Child<QLabel>(pPage, "yourItems")->text();
            Child<QPushButton>(pPage, "noThanks")->click();
        });
        answerer.start(5);
        uint32_t nSum = Saved_Data_Checksum();
        Seed_Random(SEED);
        Computer_Trade_Proposals();
        answerer.stop();
        QCOMPARE(Saved_Data_Checksum(), nSum);
        QCOMPARE(nPages, (int)s_Proposed.size());
        QCOMPARE(s_Opened.size(), (size_t)0);
        std::vector<std::string> theirs = Trade_Proposal_Lines(s_Proposed[0], 0), yours = Trade_Proposal_Lines(s_Proposed[0], 1);
        QCOMPARE(firstPage.value(0), QString("Trade Offer"));
        QVERIFY(firstPage.value(1).startsWith(QString::fromUtf8(theirs.at(0).c_str())));
        QVERIFY(firstPage.value(2).startsWith(QString::fromUtf8(yours.at(0).c_str())));

        // "Let's Talk" on the first, "No Thanks" on the rest.
        nPages = 0;
        QTimer talker;
        connect(&talker, &QTimer::timeout, [&] {
            QWidget* pPage = QApplication::activeModalWidget();
            if (!pPage || pPage->objectName() != "tradeProposal") return;
            Child<QPushButton>(pPage, nPages++ == 0 ? "talk" : "noThanks")->click();
        });
        talker.start(5);
        Set_Game_State(GS_TRADE_PARTNER, PERSONS_TEAM + 1);
        Seed_Random(SEED);
        Computer_Trade_Proposals();
        talker.stop();
        QCOMPARE(s_Opened.size(), (size_t)1);
        TRADE_OFFER mirror = s_Proposed[0];
        Mirror_Trade_Offer(&mirror);
        QCOMPARE(memcmp(&s_Opened[0], &mirror, sizeof mirror), 0);
        QCOMPARE((int)s_Opened[0].anTeam[0], (int)PERSONS_TEAM);
        QCOMPARE(Get_Game_State(GS_TRADE_PARTNER), (int)NO_TEAM);
    }
};

QTEST_MAIN(TradingBlockWindowTest)
#include "test_trading_block_window.moc"
