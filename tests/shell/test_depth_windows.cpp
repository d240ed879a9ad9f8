// The Offense, Defense and Special Teams windows on the offscreen platform:
// each opens from its menu entry, a depth change made in Offense is kept
// through a save and a load and decides who starts the next game, and
// Cancel leaves the league as it was.
#include <QComboBox>
#include <QHeaderView>
#include <QTest>

#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "league_builder.h"
#include "modal_driver.h"
#include "season/season_loop.h"
#include "shell/command_table.h"
#include "shell/player_table.h"
#include "simulation/game.h"

namespace {
constexpr TNUM PERSON = 0;
constexpr int LONG_INJURY = 129;  // "broken neck vertebra"

std::vector<PNUM> Slots_Of(int nPosition) {
    std::vector<PNUM> found;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
        if (Is_Valid_Player(PERSON, p) && Get_Player_Vital_Stat(PERSON, p, VS_POSITION) == nPosition) found.push_back(p);
    return found;
}
int ID_At(PNUM nSlot) { return Get_Player_Vital_Stat(PERSON, nSlot, VS_PLAYER_ID); }
int Starts_Of(int nID) {
    TNUM nTeam;
    PNUM nSlot;
    return Find_Player_ID(nID, &nTeam, &nSlot) ? Get_Player_Season_Stat(nTeam, nSlot, PERIOD_THIS_SEASON, SS_STARTS) : -1;
}
}  // namespace

class DepthWindowsTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;

  private slots:
    void initTestCase() { m_Bench.Start(); }
    void cleanupTestCase() { m_Bench.Finish(); }
    void init() {
        Clear_League();
        Build_Game_League(11);
        Set_Team_Stat(PERSON, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        Set_Game_State(GS_USER_TEAM, PERSON);
        Set_Game_State(GS_MANAGED_TEAM, PERSON);
        Set_Play_By_Play_File(false);
        m_pWindow->Refresh_Menus();
    }

    void Each_Entry_Opens_Its_Side() {
        const struct {
            int idCommand;
            const char* szTitle;
            int nSide;
        } ENTRIES[] = {{CMD_OFFENSE, "Offense", SIDE_OFFENCE},
                       {CMD_DEFENSE, "Defense", SIDE_DEFENCE},
                       {CMD_SPECIAL_TEAMS, "Special Teams", SIDE_KICKERS}};
        // The last of each side out with a long injury: his row is below the fold when the window opens.
        for (int nSide : {SIDE_OFFENCE, SIDE_DEFENCE, SIDE_KICKERS}) {
            PNUM nLast = NO_PLAYER;
            for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
                if (Is_Valid_Player(PERSON, p) && Get_Player_Side(PERSON, p) == nSide) nLast = p;
            Set_Player_Vital_Stat(PERSON, nLast, VS_INJURY, LONG_INJURY);
            Set_Player_Vital_Stat(PERSON, nLast, VS_INJURY_WEEKS, 12);
        }
        for (const auto& entry : ENTRIES) {
            QVERIFY(m_pWindow->Command_Action(entry.idCommand)->isEnabled());
            int nRows = -1, nOtherSide = 0, nReturnerBoxes = 0, nClipped = 0;
            On_Modal(entry.szTitle, [&](QWidget* pDialog) {
                PlayerTable* pTable = pDialog->findChild<PlayerTable*>();
                nRows = pTable->Row_Count();
                pDialog->resize(pDialog->minimumSizeHint());
                QFont bold = pTable->font();
                bold.setBold(true);
                for (int i = 0; i < nRows; i++)
                    for (int nColumn = 0; nColumn < NUMBER_OF_PLAYER_COLUMNS; nColumn++) {
                        if (pTable->isColumnHidden(nColumn)) continue;
                        const PlayerRow* pRow = pTable->Row_At(i);
                        int nText = QFontMetrics(pRow->bStarter ? bold : pTable->font())
                                        .horizontalAdvance(QString::fromUtf8(pRow->aszText[nColumn]));
                        if (nText > pTable->columnWidth(nColumn)) nClipped++;
                    }
                for (int i = 0; i < nRows; i++)
                    if (Get_Player_Side(PERSON, pTable->Row_At(i)->nSlot) != entry.nSide) nOtherSide++;
                nReturnerBoxes = pDialog->findChildren<QComboBox*>().size();
                Button(pDialog, "Cancel")->click();
            });
            QVERIFY(m_pWindow->Do_Command(entry.idCommand));
            QVERIFY(nRows > 0);
            QCOMPARE(nOtherSide, 0);
            QCOMPARE(nClipped, 0);
            QCOMPARE(nReturnerBoxes, entry.nSide == SIDE_KICKERS ? 3 : 0);  // the period and the two returners
        }
    }

    void Offense_Change_Is_Saved_And_Starts_The_Next_Game() {
        std::vector<PNUM> qbs = Slots_Of(POS_QB);
        QVERIFY(qbs.size() >= 2);
        for (PNUM p : qbs) Set_Player_Vital_Stat(PERSON, p, VS_INJURY_WEEKS, 0);
        int nFirst = ID_At(qbs[0]), nSecond = ID_At(qbs[1]);
        bool bUpAtTop = true;
        On_Modal("Offense", [&](QWidget* pDialog) {
            PlayerTable* pTable = pDialog->findChild<PlayerTable*>();
            pTable->Select_Player(PERSON, qbs[1]);
            QPushButton* pUp = Button(pDialog, "Move &Up");
            pUp->click();
            bUpAtTop = pUp->isEnabled();  // he is first now: no one left to pass
            Button(pDialog, "OK")->click();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_OFFENSE));
        QVERIFY(!bUpAtTop);
        QCOMPARE(ID_At(qbs[0]), nSecond);

        QCOMPARE(Save_Game("depth.vtr"), (int)SAVE_OK);
        Clear_League();
        QVERIFY(Load_Game("depth.vtr"));
        After_League_Loaded();
        QCOMPARE(ID_At(qbs[0]), nSecond);
        QCOMPARE(ID_At(qbs[1]), nFirst);

        int nSecondStarts = Starts_Of(nSecond), nFirstStarts = Starts_Of(nFirst);
        GameRecord game;
        QCOMPARE(Play_Game(PERSON, 1, Current_Week(), &game), 1);
        QCOMPARE(Starts_Of(nSecond), nSecondStarts + 1);
        QCOMPARE(Starts_Of(nFirst), nFirstStarts);
    }

    void Cancel_Changes_Nothing() {
        // Salaries below the floor are raised by the first look at them; the fixture's are looked at now.
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
            if (Is_Valid_Player(PERSON, p)) Get_Player_Vital_Stat(PERSON, p, VS_SALARY);
        uint32_t nBefore = Saved_Data_Checksum();
        for (const char* szTitle : {"Defense", "Special Teams"}) {
            On_Modal(szTitle, [&](QWidget* pDialog) {
                PlayerTable* pTable = pDialog->findChild<PlayerTable*>();
                pTable->selectRow(0);
                Button(pDialog, "Move &Down")->click();
                if (QPushButton* pAuto = Button(pDialog, "&Automatic")) pAuto->click();
                if (QComboBox* pPunt = pDialog->findChild<QComboBox*>("PuntReturner")) {
                    pPunt->setCurrentIndex(pPunt->count() - 1);
                    emit pPunt->activated(pPunt->count() - 1);
                }
                Button(pDialog, "Cancel")->click();
            });
            QVERIFY(m_pWindow->Do_Command(QString(szTitle) == "Defense" ? CMD_DEFENSE : CMD_SPECIAL_TEAMS));
            QCOMPARE(Saved_Data_Checksum(), nBefore);
        }
    }

    void Heading_Click_Sorts_Numbers_As_Numbers() {
        std::vector<PNUM> rbs = Slots_Of(POS_RB);
        const int SALARIES[] = {900, 99000, 10500};
        for (int i = 0; i < 3; i++) Set_Player_Vital_Stat(PERSON, rbs[i], VS_SALARY, SALARIES[i]);
        QList<int> salaries;
        On_Modal("Offense", [&](QWidget* pDialog) {
            PlayerTable* pTable = pDialog->findChild<PlayerTable*>();
            pTable->horizontalHeader()->sectionClicked(COLUMN_SALARY);  // best paid first
            for (int i = 0; i < pTable->Row_Count(); i++) salaries << (int)pTable->Row_At(i)->anKey[COLUMN_SALARY];
            Button(pDialog, "Cancel")->click();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_OFFENSE));
        QVERIFY(salaries.size() > 2);
        QCOMPARE(salaries.front(), 99000);  // text order would put "$900,000" first
        for (int i = 1; i < salaries.size(); i++) QVERIFY(salaries[i - 1] >= salaries[i]);
    }
};

QTEST_MAIN(DepthWindowsTest)
#include "test_depth_windows.moc"
