// The player card, Change Position and Edit Player on the offscreen
// platform: the menu opens each on its player, the hall of fame opens the
// card, a typed value the editor refuses changes nothing, and a copy leaves
// the league's history sound.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>
#include <QTreeWidget>
#include <string>
#include <vector>

#include "commands/start_up.h"
#include "database/integrity.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "modal_driver.h"
#include "personnel/player_editing.h"
#include "shell/command_table.h"
#include "shell/player_windows.h"

namespace {
std::vector<std::string> Violations() {
    std::vector<std::string> violations;
    Check_League_Integrity(&violations);
    return violations;
}

QString Full_Name(TNUM nTeam, PNUM p) {
    char sz[TEXT_SIZE];
    Get_Player_Full_Name(nTeam, p, sz);
    return QString::fromUtf8(sz);
}
}  // namespace

class PlayerWindowsTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;
    TNUM m_nUser = 0;

  private slots:
    void initTestCase() { m_Bench.Start(); }
    void cleanupTestCase() { m_Bench.Finish(); }
    void init() {
        QVERIFY(Load_Game(BRAKVELL_GAME_DIR "/Universe.dat"));
        After_League_Loaded();
        m_nUser = (TNUM)Get_Game_State(GS_USER_TEAM);
        Select_Player(NO_TEAM, NO_PLAYER);
        m_pWindow->Refresh_Menus();
    }

    void Menu_Entries_Open_Their_Windows_On_The_Player() {
        QString szName = Full_Name(m_nUser, 0);
        const struct {
            int idCommand;
            QString szTitle;
        } ENTRIES[] = {{CMD_PLAYER_CARD, szName},
                       {CMD_CHANGE_POSITION, "Change Position: " + szName},
                       {CMD_EDIT_PLAYER, "Edit Player: " + szName}};
        for (const auto& entry : ENTRIES) {
            QVERIFY(m_pWindow->Command_Action(entry.idCommand)->isEnabled());
            QString szSeen;
            On_Modal("", [&](QWidget* pDialog) {
                szSeen = pDialog->windowTitle();
                if (entry.idCommand == CMD_PLAYER_CARD) {
                    QLabel* pAge = Child<QLabel>(pDialog, "Card10");
                    QVERIFY(pAge && pAge->text().startsWith("Age: "));
                    QVERIFY(!Child<QLabel>(pDialog, "Verdict")->text().isEmpty());
                }
                qobject_cast<QDialog*>(pDialog)->reject();
            });
            QVERIFY(m_pWindow->Do_Command(entry.idCommand));
            QCOMPARE(szSeen, entry.szTitle);
        }
    }

    void Hall_Of_Fame_Opens_The_Members_Card() {
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_PLAYER_ID, 77001);
        Set_Player_First_Name(HALL_OF_FAME_TEAM, 0, "Al");
        Set_Player_Last_Name(HALL_OF_FAME_TEAM, 0, "Alder");
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_YEAR_INDUCTED, Current_Calendar_Year() - 2);
        QString szCard, szInducted;
        On_Modal("Hall Of Fame", [&](QWidget* pList) {
            On_Modal("Al Alder", [&](QWidget* pCard) {
                szCard = pCard->windowTitle();
                szInducted = Child<QLabel>(pCard, "Card11")->text();
                qobject_cast<QDialog*>(pCard)->reject();
            });
            QTreeWidget* pTree = pList->findChild<QTreeWidget*>();
            emit pTree->itemDoubleClicked(pTree->topLevelItem(0), 0);
            qobject_cast<QDialog*>(pList)->reject();
        });
        QVERIFY(m_pWindow->Do_Command(CMD_PLAYERS_HALL_OF_FAME));
        QCOMPARE(szCard, QString("Al Alder"));
        QCOMPARE(szInducted, QString("Year Inducted: %1").arg(Current_Calendar_Year() - 2));
    }

    void Editor_Refuses_A_Bad_Weight_And_Changes_Nothing() {
        PlayerRecord before;
        Copy_Player_To_Memory(&before, m_nUser, 0);
        QList<SeenBox> seen;
        bool bStillOpen = false;
        On_Modal("Edit Player: " + Full_Name(m_nUser, 0), [&](QWidget* pDialog) {
            Child<QLineEdit>(pDialog, "Field3")->setText("14O");  // a letter O for a zero
            Answer_Box(QMessageBox::Ok, &seen);
            Button(pDialog, "OK")->click();
            bStillOpen = pDialog->isVisible();
            Button(pDialog, "Cancel")->click();
        });
        Show_Edit_Player(m_pWindow, m_nUser, 0);
        QVERIFY(bStillOpen);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Edit Player"));
        QCOMPARE(seen[0].szText, QString("Weight is typed in pounds, from %1 to %2.").arg(EDITOR_LIGHTEST).arg(EDITOR_HEAVIEST));
        PlayerRecord after;
        Copy_Player_To_Memory(&after, m_nUser, 0);
        QVERIFY(memcmp(&before, &after, sizeof before) == 0);
    }

    void Copy_Leaves_No_Shared_History() {
        QVERIFY(Violations().empty());
        PNUM p = 0;
        while (p < PLAYERS_PER_TEAM - 1 && Count_History_Entries(m_nUser, p) < 2) p++;
        QVERIFY(Count_History_Entries(m_nUser, p) >= 2);
        int nPlayers = Number_Of_Players(m_nUser);
        QString szTitleAfterCopy;
        On_Modal("Edit Player: " + Full_Name(m_nUser, p), [&](QWidget* pDialog) {
            Button(pDialog, "C&opy")->click();
            szTitleAfterCopy = pDialog->windowTitle();
            Button(pDialog, "Cancel")->click();
        });
        Show_Edit_Player(m_pWindow, m_nUser, p);
        QCOMPARE(szTitleAfterCopy, QString("Edit Player: New Player"));
        QCOMPARE(Number_Of_Players(m_nUser), nPlayers + 1);
        std::vector<std::string> violations = Violations();
        QVERIFY2(violations.empty(), violations.empty() ? "" : violations[0].c_str());
    }
};

QTEST_MAIN(PlayerWindowsTest)
#include "test_player_windows.moc"
