// The Play menu, the refusals while games are played, and starting a game
// (New Game, from the menu and from the Welcome dialog).
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include "commands/game_commands.h"
#include "commands/new_game.h"
#include "database/league_database.h"
#include "halloffame/fame_file.h"
#include "league_builder.h"
#include "modal_driver.h"
#include "season/season_loop.h"
#include "shell/command_table.h"
#include "shell/welcome.h"
#include "simulation/game.h"

namespace {
QStringList Play_Items(MainWindow& window) {
    QStringList items;
    for (QAction* pAction : window.Menu(MENU_PLAY)->actions())
        items << pAction->text() + (pAction->isEnabled() ? "" : " (off)");
    return items;
}
}  // namespace

class PlayCommandsTest : public QObject {
    Q_OBJECT
    WindowTestBench m_Bench;
    MainWindow*& m_pWindow = m_Bench.pWindow;

  private slots:
    void initTestCase() {
        m_Bench.Start();
        // The default league, when the build made one.
        QString szGame = m_Bench.szOldFolder + "/game/";
        QFile::copy(szGame + "Universe.dat", "Universe.dat");
        m_Bench.Copy_Game_Names();
    }
    void cleanupTestCase() { m_Bench.Finish(); }
    void init() {
        Clear_League();
        Set_Game_State(GS_DRAFT_ROUND, 7);
        g_League.anCalendar[0] = 17;
        for (int8_t& nSlot : g_League.abPlayoffTeams) nSlot = NO_TEAM;
        Clear_Stop_Request();
        Rebuild_Fame_File();
    }

    void Play_Menu_For_Each_Calendar_State() {
        m_pWindow->Refresh_Menus();
        QCOMPARE(Play_Items(*m_pWindow),
                 QStringList({"One &Week\tF12", "One &Month", "&Half Season", "&Entire Season"}));
        Set_Game_State(GS_CURRENT_WEEK, 17);
        m_pWindow->Refresh_Menus();
        QCOMPARE(Play_Items(*m_pWindow), QStringList({"One &Week", "&Through Playoffs"}));
        Set_Game_State(GS_CURRENT_WEEK, 22);
        m_pWindow->Refresh_Menus();
        QCOMPARE(Play_Items(*m_pWindow), QStringList({"One &Week", "&Through Playoffs"}));
        Set_Game_State(GS_CURRENT_WEEK, 23);
        m_pWindow->Refresh_Menus();
        QCOMPARE(Play_Items(*m_pWindow), QStringList({"&Start Next Season"}));
        Set_Game_State(GS_CURRENT_WEEK, 20);
        for (int8_t& nSlot : g_League.abPlayoffTeams) nSlot = 3;  // the champion is known
        m_pWindow->Refresh_Menus();
        QCOMPARE(Play_Items(*m_pWindow), QStringList({"&Start Next Season"}));
        Set_Game_State(GS_DRAFT_ROUND, 2);
        m_pWindow->Refresh_Menus();
        QCOMPARE(Play_Items(*m_pWindow), QStringList({"&End Draft"}));
        Set_Game_State(GS_SIMULATING, 1);
        m_pWindow->Refresh_Menus();
        QCOMPARE(Play_Items(*m_pWindow), QStringList({"&Stop"}));
        m_pWindow->Menu(MENU_PLAY)->actions()[0]->trigger();
        QVERIFY(Stop_Requested());
    }

    void Play_Keys_While_Playing() {
        Set_Game_State(GS_SIMULATING, 1);
        QVERIFY(m_pWindow->Do_Command(CMD_PLAY_4));  // not played again, not stopped
        QVERIFY(!Stop_Requested());
        QVERIFY(m_pWindow->Do_Command(CMD_PLAY_1));  // F12 stops
        QVERIFY(Stop_Requested());
        m_pWindow->Refresh_Title();
        QVERIFY(m_pWindow->windowTitle().endsWith("  (Playing...)"));
    }

    void Saving_And_Leaving_Are_Refused_While_Playing() {
        Set_Game_State(GS_SIMULATING, 1);
        Set_Game_State(GS_CURRENT_WEEK, 3);  // changed: a leave check would ask
        const struct {
            int idCommand;
            const char* szTitle;
            const char* szText;
        } CASES[] = {
            {CMD_SAVE_GAME, "Save Game",
             "You can't save while simulating games.\n\nPlease try again once this week's games are completed."},
            {CMD_EXIT, "Exit Game",
             "Can't exit while simulations are in progress.\n\nPlease try again once this week's games are "
             "completed."},
            {CMD_NEW_GAME, "New Game",
             "Can't start a new game while simulating games.\n\nPlease try again once this week's games are "
             "completed."},
            {CMD_RESUME_GAME, "Resume Game",
             "Can't load a file while simulating games.\n\nPlease try again once this week's games are completed."},
        };
        for (const auto& c : CASES) {
            Clear_Stop_Request();
            QList<SeenBox> seen;
            Answer_Box(QMessageBox::Ok, &seen);
            QVERIFY(m_pWindow->Do_Command(c.idCommand));
            QCOMPARE(seen.size(), 1);
            QCOMPARE(seen[0].szTitle, QString(c.szTitle));
            QCOMPARE(seen[0].szText, QString(c.szText));
            QVERIFY(Stop_Requested());
            QVERIFY(!QApplication::activeModalWidget());  // no dialog followed
        }
        QList<SeenBox> seen;
        Answer_Box(QMessageBox::Ok, &seen);
        m_pWindow->close();  // the window's own close button
        QCOMPARE(seen.size(), 1);
        QCOMPARE(seen[0].szTitle, QString("Exit Game"));
        QVERIFY(m_pWindow->isVisible());
        QVERIFY(!QFile::exists("Dynasty.vtr"));
    }

    // The loop pumps the window's events between games: the title and the
    // menu show the play, and "&Stop" chosen then ends it after the week.
    void Playing_Shows_In_The_Window_And_Stops_On_Request() {
        if (!Build_Default_Season_League("Universe.dat", 5)) QSKIP("no default league in this build");
        Set_Play_By_Play_File(false);
        m_pWindow->Show_Page(PAGE_STANDINGS);
        m_pWindow->Refresh_Title();
        QString szTitleWhilePlaying;
        QStringList itemsWhilePlaying;
        std::function<void()> Watch = [&] {
            if (!Get_Game_State(GS_SIMULATING)) {
                QTimer::singleShot(1, Watch);
                return;
            }
            szTitleWhilePlaying = m_pWindow->windowTitle();
            itemsWhilePlaying = Play_Items(*m_pWindow);
            m_pWindow->Menu(MENU_PLAY)->actions().value(0)->trigger();
        };
        QTimer::singleShot(0, Watch);
        QVERIFY(m_pWindow->Do_Command(CMD_PLAY_4));
        QCOMPARE(itemsWhilePlaying, QStringList({"&Stop"}));
        QVERIFY(szTitleWhilePlaying.endsWith("Week 1  (Playing...)"));
        QCOMPARE(Current_Week(), 1);
        QCOMPARE(Get_Game_State(GS_SIMULATING), 0);
        QVERIFY(m_pWindow->windowTitle().endsWith("Week 2"));
        QCOMPARE(Play_Items(*m_pWindow),
                 QStringList({"One &Week\tF12", "One &Month", "&Half Season", "&Entire Season"}));

        // One week runs to its end with nothing asked.
        QVERIFY(m_pWindow->Do_Command(CMD_PLAY_1));
        QCOMPARE(Current_Week(), 2);
        QVERIFY(m_pWindow->windowTitle().endsWith("Week 3"));
        Set_Play_By_Play_File(true);
    }

    void New_Game_Options_Exclude_Each_Other_And_Play_Shows_Standings() {
        NewGameForm probe;
        if (!Open_New_Game_Page(&probe) || New_Game_Team_List().size() < 2)
            QSKIP("no new-game logic or no default league in this build");
        bool abEnabled[NUMBER_OF_NEW_GAME_OPTIONS] = {};
        QStringList checked;
        QString szNickname, szFanBase;
        On_Modal("New Game", [&](QWidget* pDialog) {
            const char* const BOXES[] = {"shuffle", "random", "equalize", "simulation", "fantasy"};
            for (int i = 0; i < NUMBER_OF_NEW_GAME_OPTIONS; i++)
                abEnabled[i] = Child<QCheckBox>(pDialog, BOXES[i])->isEnabled();
            auto State = [&] {
                QString sz;
                for (const char* szBox : BOXES) sz += Child<QCheckBox>(pDialog, szBox)->isChecked() ? "1" : "0";
                checked << sz;
            };
            Child<QCheckBox>(pDialog, "shuffle")->click();
            State();
            if (abEnabled[NEW_GAME_RANDOM_PLAYERS]) {
                Child<QCheckBox>(pDialog, "random")->click();
                State();
                Child<QCheckBox>(pDialog, "shuffle")->click();
                State();
            }
            if (abEnabled[NEW_GAME_FANTASY_DRAFT]) {
                Child<QCheckBox>(pDialog, "fantasy")->click();
                State();
                Child<QCheckBox>(pDialog, "fantasy")->click();
            }
            for (const char* szBox : BOXES)
                if (Child<QCheckBox>(pDialog, szBox)->isChecked()) Child<QCheckBox>(pDialog, szBox)->click();
            Child<QComboBox>(pDialog, "team")->setCurrentIndex(1);
            szNickname = Child<QLineEdit>(pDialog, "nickname")->text();
            szFanBase = Child<QLabel>(pDialog, "fanbase")->text();
            Child<QLineEdit>(pDialog, "manager")->setText("Tester");
            Child<QComboBox>(pDialog, "difficulty")->setCurrentIndex(2);
            Button(pDialog, "&Play")->click();
        });
        QCOMPARE(Do_Dialog(nullptr, DIALOG_NEW_GAME), 1);
        for (int i = 0; i < NUMBER_OF_NEW_GAME_OPTIONS; i++) QCOMPARE(abEnabled[i], New_Game_Option_Available(i));
        QCOMPARE(checked.value(0), QString("10000"));
        if (abEnabled[NEW_GAME_RANDOM_PLAYERS]) {
            QCOMPARE(checked.value(1), QString("01000"));
            QCOMPARE(checked.value(2), QString("10000"));
        }
        if (abEnabled[NEW_GAME_FANTASY_DRAFT]) QCOMPARE(checked.last(), QString("00001"));
        char szTeamNickname[32];
        Get_Team_String(1, TS_NICKNAME, szTeamNickname);
        QCOMPARE(szNickname, QString(szTeamNickname));
        QVERIFY(szFanBase.startsWith("Fan Base: "));
        QCOMPARE(Get_Game_State(GS_CURRENT_PAGE), (int)PAGE_STANDINGS);
        QCOMPARE(Get_Game_State(GS_DIFFICULTY), 2);
        QCOMPARE(m_pWindow->windowTitle(), QString::fromStdString(Title_Line()));
        QVERIFY(m_pWindow->windowTitle().startsWith("Brakvell: "));
    }

    void Welcome_Comes_Back_When_New_Game_Is_Cancelled() {
        NewGameForm probe;
        bool bNewGame = Open_New_Game_Page(&probe);
        QStringList shown;
        On_Modal("Welcome to...", [&](QWidget* pDialog) {
            shown << pDialog->windowTitle();
            if (bNewGame)
                On_Modal("New Game", [&](QWidget* pNew) {
                    shown << pNew->windowTitle();
                    Button(pNew, "Cancel")->click();
                });
            // Armed now, it finds the dialog that comes back: this one is closed by then.
            On_Modal("Welcome to...", [&](QWidget* pAgain) {
                shown << pAgain->windowTitle();
                Button(pAgain, "&Continue")->click();
            });
            Button(pDialog, "Start a &New Game")->click();
        });
        QVERIFY(Welcome_Loop(*m_pWindow));
        QStringList expected = {"Welcome to..."};
        if (bNewGame) expected << "New Game";
        expected << "Welcome to...";
        QCOMPARE(shown, expected);
    }
};

QTEST_MAIN(PlayCommandsTest)
#include "test_play_commands.moc"
