// "&Start Next Season" from the window with a contract running out on the
// person's team: the question comes first, No keeps the league as it was and
// Yes goes on into the college draft, re-signing him in the Contract Offer
// window; the draft waits for the person until End Draft.
#include <QAction>
#include <QMenu>
#include <QTest>

#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "league_builder.h"
#include "personnel/roster.h"
#include "reports/draft_page.h"
#include "modal_driver.h"
#include "season/college_draft.h"
#include "season/playoffs.h"
#include "season/schedule.h"
#include "season/season_loop.h"
#include "shell/command_table.h"
#include "simulation/game.h"

namespace {
constexpr TNUM PERSONS_TEAM = 3;
const char* const EXPIRING_QUESTION =
    "Your team(s) have players with expiring contracts. You should renegotiate these contracts before starting a "
    "new season (especially if you are close to the salary cap), or you may lose important players. Start a new "
    "season anyway?";

QAction* Only_Play_Item(MainWindow& window) {
    window.Refresh_Menus();
    QList<QAction*> actions = window.Menu(MENU_PLAY)->actions();
    return actions.size() == 1 ? actions[0] : nullptr;
}
}  // namespace

class NextSeasonTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;

  private slots:
    void initTestCase() {
        m_Bench.Start();
        m_Bench.Copy_Game_Names();
    }
    void cleanupTestCase() { m_Bench.Finish(); }

    void An_Expiring_Contract_Is_Asked_About_Before_The_Next_Season() {
        if (!m_Bench.Default_League())
            QSKIP("no default league in this build");
        Set_Play_By_Play_File(false);
        // The season as it stands after the final, the person's team with one contract running out.
        Set_Game_State(GS_CURRENT_WEEK, Last_Playoff_Week() + 1);
        g_League.abPlayoffTeams[Champion_Slot()] = PERSONS_TEAM;
        Set_Team_Stat(PERSONS_TEAM, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        Set_Game_State(GS_MANAGED_TEAM, PERSONS_TEAM);
        for (PNUM nPlayer = 0; nPlayer < Number_Of_Players(PERSONS_TEAM); nPlayer++)
            Set_Player_Vital_Stat(PERSONS_TEAM, nPlayer, VS_CONTRACT_LEFT, 3);
        Set_Player_Vital_Stat(PERSONS_TEAM, 0, VS_CONTRACT_LEFT, 1);
        Copy_Field(g_League.szGameName, sizeof g_League.szGameName, "Turn");
        Organise_Computer_Teams();  // as the final's week left them
        int nSeason = Current_Season_Index();
        uint32_t nBefore = Saved_Data_Checksum();

        QAction* pStart = Only_Play_Item(*m_pWindow);
        QVERIFY(pStart);
        QCOMPARE(pStart->text(), QString("&Start Next Season"));
        QList<SeenBox> seen;
        Answer_Box(QMessageBox::No, &seen);
        pStart->trigger();
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Start New Season"));
        QCOMPARE(seen[0].szText, QString(EXPIRING_QUESTION));
        QCOMPARE(Saved_Data_Checksum(), nBefore);
        QCOMPARE(Current_Season_Index(), nSeason);
        QVERIFY(!QFile::exists("Turn.vtr"));
        pStart = Only_Play_Item(*m_pWindow);
        QVERIFY(pStart);
        QCOMPARE(pStart->text(), QString("&Start Next Season"));

        // Yes, then Sign in the window the one whose contract runs out opens.
        int nExpiringID = Get_Player_Vital_Stat(PERSONS_TEAM, 0, VS_PLAYER_ID);
        int nOffers = 0;
        QTimer signer;
        QObject::connect(&signer, &QTimer::timeout, [&nOffers] {
            QWidget* pModal = QApplication::activeModalWidget();
            if (!pModal || pModal->objectName() != "contractOffer") return;
            nOffers++;
            Button(pModal, "&Sign")->click();
        });
        signer.start(5);
        seen = Answer_Every_Box_Yes([pStart] { pStart->trigger(); });
        signer.stop();
        QVERIFY(seen.size() >= 1);
        QCOMPARE(seen[0].szText, QString(EXPIRING_QUESTION));
        QVERIFY(nOffers >= 1);
        TNUM nTeam;
        PNUM nSlot;
        QVERIFY(Find_Player_ID(nExpiringID, &nTeam, &nSlot));
        QCOMPARE(nTeam, PERSONS_TEAM);
        QVERIFY(Get_Player_Vital_Stat(nTeam, nSlot, VS_CONTRACT_LEFT) >= 2);
        QCOMPARE(Current_Season_Index(), nSeason + 1);
        QCOMPARE(Current_Week(), 0);
        QVERIFY(!Season_Is_Over());
        QVERIFY(QFile::exists("Turn.vtr"));  // saved on its own at the turn of the season

        // The draft waits for the person's pick: F8 shows it, End Draft lets
        // the computer finish it, and the new season is set up.
        QVERIFY(College_Draft_Running());
        // The person's pick opens the Contract Offer window; walking away picks nobody.
        uint32_t nDraftBefore = Saved_Data_Checksum();
        bool bOffered = false;
        On_Modal("", [&bOffered](QWidget* pModal) {
            bOffered = pModal->objectName() == "contractOffer";
            if (QPushButton* pCancel = Button(pModal, "Cancel")) pCancel->click();
        });
        QVERIFY(!Human_Draft_Pick(DRAFT_POOL_TEAMS, 0));
        QVERIFY(bOffered);
        QCOMPARE(Saved_Data_Checksum(), nDraftBefore);
        QCOMPARE(Team_On_The_Clock(), PERSONS_TEAM);
        QAction* pEnd = Only_Play_Item(*m_pWindow);
        QVERIFY(pEnd);
        QCOMPARE(pEnd->text(), QString("&End Draft"));
        QVERIFY(m_pWindow->Do_Command(PAGE_DRAFT));
        QCOMPARE(Get_Game_State(GS_CURRENT_PAGE), (int)PAGE_DRAFT);
        DraftPage page;
        Fill_Draft_Page(&page);
        QCOMPARE(QString(page.szTitle), QString("%1 College Draft: Round 1").arg(Current_Calendar_Year()));
        QVERIFY(QString(page.aszLines[0]).contains(':'));  // the computer's picks before the person's
        seen = Answer_Every_Box_Yes([pEnd] { pEnd->trigger(); });
        QCOMPARE(seen.value(0).szTitle, QString("End College Draft?"));
        QVERIFY(!College_Draft_Running());
        QCOMPARE(Current_Week(), 0);
        QVERIFY(Get_Schedule_Kind(PERSONS_TEAM, 0) != SLOT_EMPTY);
        Fill_Draft_Page(&page);
        for (int i = 0; i < page.nLines; i++) QVERIFY2(QString(page.aszLines[i]).contains(':'), page.aszLines[i]);
        QVERIFY(Only_Play_Item(*m_pWindow) == nullptr);  // the season's play commands are back
        Set_Play_By_Play_File(true);
    }
};

QTEST_MAIN(NextSeasonTest)
#include "test_next_season.moc"
