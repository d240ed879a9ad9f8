// The main window on the offscreen platform: menus, refusals, painting.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "database/league_database.h"
#include "halloffame/fame_file.h"
#include "platform/platform.h"
#include "shell/command_table.h"
#include "shell/dialogs.h"
#include "shell/main_window.h"
#include "shell/page_view.h"
#include "shell/qt_platform.h"

namespace {
struct Shown {
    QString szTitle;
    QString szText;
};

// Answers the next message box with OK and remembers what it said.
void Close_Next_Box(QList<Shown>* pShown) {
    QTimer::singleShot(0, [pShown] {
        QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox) return;
        pShown->append({pBox->windowTitle(), pBox->text()});
        pBox->accept();
    });
}

// Presses a button of the next message box, remembering its title.
void Press_Next_Box(QMessageBox::StandardButton button, QStringList* pTitles) {
    QTimer::singleShot(0, [button, pTitles] {
        QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!pBox) return;
        *pTitles << pBox->windowTitle();
        pBox->button(button)->click();
    });
}

QAction* Find_Item(QMenu* pMenu, const QString& szText) {
    for (QAction* pAction : pMenu->actions())
        if (pAction->text() == szText) return pAction;
    return nullptr;
}
}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_Folder;
    QString m_OldFolder;

  private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        m_OldFolder = QDir::currentPath();
        QDir::setCurrent(m_Folder.path());
        Register_Built_In_Dialogs();
    }
    void cleanupTestCase() { QDir::setCurrent(m_OldFolder); }
    void init() {
        Clear_League();
        Clear_Stop_Request();
    }

    void Title_And_Menu_Bar() {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QString("Brakvell"));
        QStringList titles;
        for (QAction* pAction : window.menuBar()->actions()) titles << pAction->text();
        QCOMPARE(titles, QStringList({"&Game", "&Team", "&Players", "&Budget", "&News", "&Play", "&Tools", "&Help"}));
    }

    void Every_Item_And_Shortcut() {
        MainWindow window;
        const struct {
            int nMenu;
            const char* szText;
            const char* szKeys;
        } ITEMS[] = {
            {MENU_GAME, "&New Game", "Ctrl+N"},
            {MENU_GAME, "&Resume Game...", ""},
            {MENU_GAME, "&Save Game...", "Ctrl+S"},
            {MENU_GAME, "&Database Notes...", ""},
            {MENU_GAME, "Re&tire", ""},
            {MENU_GAME, "&Vantor Hall Of Fame", ""},
            {MENU_GAME, "E&xit", ""},
            {MENU_TEAM, "&Offense...", "Ctrl+O"},
            {MENU_TEAM, "&Defense...", "Ctrl+D"},
            {MENU_TEAM, "&Special Teams...", "Ctrl+K"},
            {MENU_TEAM, "&History...", "Ctrl+H"},
            {MENU_TEAM, "&Injury Contingency...", ""},
            {MENU_TEAM, "View Other &Team...", ""},
            {MENU_PLAYERS, "Free &Agents...", "Ctrl+A"},
            {MENU_PLAYERS, "&Trades...", "Ctrl+T"},
            {MENU_PLAYERS, "&Find Players...", "Ctrl+F"},
            {MENU_PLAYERS, "&Trading Block...", "Ctrl+B"},
            {MENU_PLAYERS, "College &Draft...", "Ctrl+C; Ctrl+P"},
            {MENU_PLAYERS, "&Hall Of Fame...", ""},
            {MENU_BUDGET, "Tickets...", ""},
            {MENU_BUDGET, "&Concessions...", ""},
            {MENU_BUDGET, "&Broadcast...", ""},
            {MENU_BUDGET, "&Expenses...", ""},
            {MENU_NEWS, "&Standings", "F2"},
            {MENU_NEWS, "&Finances", "F3"},
            {MENU_NEWS, "&Leaders", "F4"},
            {MENU_NEWS, "&Games", "F5"},
            {MENU_NEWS, "&Calendar", "F6"},
            {MENU_NEWS, "&Playoffs", "F7"},
            {MENU_NEWS, "&Draft", "F8"},
            {MENU_TOOLS, "&City Editor...", ""},
            {MENU_TOOLS, "&Stadium Editor...", ""},
            {MENU_TOOLS, "&League Editor...", ""},
            {MENU_TOOLS, "&Advanced Tools...", ""},
            {MENU_TOOLS, "&Fantasy Draft...", ""},
            {MENU_TOOLS, "&Options...", ""},
            {MENU_HELP, "&Contents", "F1"},
            {MENU_HELP, "Brakvell &Online", ""},
            {MENU_HELP, "&About Brakvell...", "Alt+/; Alt+?"},
            {MENU_HELP, "Check for New Version...", ""},
        };
        for (const auto& item : ITEMS) {
            QAction* pAction = Find_Item(window.Menu(item.nMenu), item.szText);
            QVERIFY2(pAction, item.szText);
            QList<QKeySequence> keys;
            if (*item.szKeys) keys = QKeySequence::listFromString(item.szKeys);
            QCOMPARE(pAction->shortcuts(), keys);
        }
        QVERIFY(window.Command_Action(CMD_EXIT)->isEnabled());
        QVERIFY(!window.Command_Action(CMD_OFFENSE)->isEnabled());  // not written yet
    }

    void Keys_Without_Their_Own_Item() {
        MainWindow window;
        QList<QKeySequence> keys;
        for (QAction* pAction : window.actions()) keys << pAction->shortcuts();
        for (const char* szKey : {"Ctrl+1", "F12", "Ctrl+4", "Ctrl+8", "Ctrl+0", "Ctrl+Alt+Shift+B"})
            QVERIFY2(keys.contains(QKeySequence(szKey)), szKey);
    }

    void Play_Menu_Follows_The_Season() {
        Set_Game_State(GS_DRAFT_ROUND, 7);
        g_League.anCalendar[0] = 17;
        MainWindow window;
        QStringList items;
        for (QAction* pAction : window.Menu(MENU_PLAY)->actions()) items << pAction->text();
        QCOMPARE(items, QStringList({"One &Week\tF12", "One &Month", "&Half Season", "&Entire Season"}));
        Set_Game_State(GS_SIMULATING, 1);
        window.Refresh_Menus();
        QCOMPARE(window.Menu(MENU_PLAY)->actions().size(), 1);
        QCOMPARE(window.Menu(MENU_PLAY)->actions()[0]->text(), QString("&Stop"));
        window.Menu(MENU_PLAY)->actions()[0]->trigger();
        QVERIFY(Stop_Requested());
    }

    void Fantasy_Draft_Changes_Item_Texts() {
        Set_League_Rule(LR_FANTASY_DRAFT, 1);
        MainWindow window;
        QVERIFY(Find_Item(window.Menu(MENU_PLAYERS), "&Draft Picks..."));
        QCOMPARE(window.Command_Action(CMD_DRAFT)->shortcut(), QKeySequence("Ctrl+P"));
        QVERIFY(Find_Item(window.Menu(MENU_TOOLS), "&End Fantasy Draft"));
    }

    void Refusals_While_Simulating() {
        MainWindow window;
        Install_Qt_Platform(&window);
        Set_Game_State(GS_SIMULATING, 1);
        const struct {
            int idCommand;
            const char* szTitle;
            const char* szText;
        } CASES[] = {
            {CMD_NEW_GAME, "New Game",
             "Can't start a new game while simulating games.\n\nPlease try again once this week's games are completed."},
            {CMD_RESUME_GAME, "Resume Game",
             "Can't load a file while simulating games.\n\nPlease try again once this week's games are completed."},
            {CMD_SAVE_GAME, "Save Game",
             "You can't save while simulating games.\n\nPlease try again once this week's games are completed."},
            {CMD_RETIRE, "Retiring",
             "Can't retire while simulations are in progress.\n\nPlease try again once this week's games are "
             "completed."},
            {CMD_EXIT, "Exit Game",
             "Can't exit while simulations are in progress.\n\nPlease try again once this week's games are "
             "completed."},
        };
        window.show();
        for (const auto& c : CASES) {
            Clear_Stop_Request();
            QList<Shown> shown;
            Close_Next_Box(&shown);
            QVERIFY(window.Do_Command(c.idCommand));
            QCOMPARE(shown.size(), 1);
            QCOMPARE(shown[0].szTitle, QString(c.szTitle));
            QCOMPARE(shown[0].szText, QString(c.szText));
            QVERIFY(Stop_Requested());
        }
        QVERIFY(window.isVisible());  // exit was refused
        QVERIFY(!QFile::exists(FAME_FILE_NAME));  // and stored nothing
        Platform_Install(nullptr);
    }

    void Exit_Stores_The_Window_Rectangle() {
        Rebuild_Fame_File();
        MainWindow window;
        window.setGeometry(40, 50, 700, 520);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.Do_Command(CMD_EXIT));
        QVERIFY(!window.isVisible());
        QCOMPARE(Get_Fame_Setting(FS_WINDOW_LEFT), window.Normal_Rect().nLeft);
        QCOMPARE(Get_Fame_Setting(FS_WINDOW_RIGHT), window.Normal_Rect().nRight);
        QVERIFY(Get_Fame_Setting(FS_WINDOW_BOTTOM) > 0);
        QCOMPARE(window.Normal_Rect().nRight - window.Normal_Rect().nLeft, 700);

        MainWindow minimised;
        minimised.setGeometry(300, 300, 800, 600);
        minimised.show();
        minimised.setWindowState(Qt::WindowMinimized);
        QVERIFY(minimised.Do_Command(CMD_EXIT));
        QCOMPARE(Get_Fame_Setting(FS_WINDOW_LEFT), window.Normal_Rect().nLeft);  // kept
    }

    void Registered_Features_Come_Alive() {
        static int s_nOpened = 0;
        MainWindow window;
        QVERIFY(!window.Command_Action(CMD_OPTIONS)->isEnabled());
        QVERIFY(!window.Do_Command(CMD_OPTIONS));
        Register_Dialog(DIALOG_OPTIONS, [](QWidget*) { return ++s_nOpened; });
        Register_Page(PAGE_LEADERS, nullptr, nullptr);
        Register_Command_Handler(CMD_PLAY_4, [](MainWindow&) { s_nOpened += 10; });
        window.Refresh_Menus();
        QVERIFY(window.Command_Action(CMD_OPTIONS)->isEnabled());
        QVERIFY(window.Command_Action(PAGE_LEADERS)->isEnabled());
        QVERIFY(!window.Command_Action(PAGE_FINANCES)->isEnabled());
        window.Command_Action(CMD_OPTIONS)->trigger();
        QCOMPARE(s_nOpened, 1);
        QVERIFY(window.Do_Command(CMD_PLAY_4));
        QCOMPARE(s_nOpened, 11);
        QVERIFY(window.Do_Command(PAGE_LEADERS));
        QCOMPARE(Get_Game_State(GS_CURRENT_PAGE), PAGE_LEADERS);
        QCOMPARE(window.Command_Action(CMD_HELP_PAGE)->text(), QString("&Help on Leaders Page"));
    }

    void Trades_After_The_Deadline_Are_Refused() {
        MainWindow window;
        Install_Qt_Platform(&window);
        for (int8_t& nSlot : g_League.abPlayoffTeams) nSlot = NO_TEAM;
        Set_Game_State(GS_CURRENT_WEEK, 12);
        QList<Shown> shown;
        Close_Next_Box(&shown);
        QVERIFY(window.Do_Command(CMD_TRADES));
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].szTitle, QString("Trading Deadline"));
        QCOMPARE(shown[0].szText, QString("No trades are allowed after week 12 of the season."));
        Platform_Install(nullptr);
    }

    void Resizing_Keeps_The_Page_Proportions() {
        MainWindow window;
        window.setGeometry(0, 0, 700, 560);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        double dRatio = (double)window.Minimum_Width() / window.Minimum_Height();
        // The correction is posted, not made inside the resize event.
        auto Settle = [] {
            for (int i = 0; i < 3; i++) QCoreApplication::processEvents();
        };
        window.resize(1200, 560);  // dragged wider: the height follows
        Settle();
        QCOMPARE(window.height(), (int)(1200 / dRatio));
        QCOMPARE(window.width(), 1200);
        window.resize(1200, 1100);  // dragged taller: the width follows
        Settle();
        QCOMPARE(window.width(), (int)(dRatio * 1100));
        window.resize(300, 200);  // never below the page area
        Settle();
        QVERIFY(window.Page_View()->width() >= 636 && window.Page_View()->height() >= 438);
    }

    void Exit_Offers_To_Save_A_Changed_Game() {
        MainWindow window;
        Install_Qt_Platform(&window);
        window.show();
        Set_Game_State(GS_CURRENT_WEEK, 3);  // changed since the (never made) last save
        QStringList titles;
        Press_Next_Box(QMessageBox::Cancel, &titles);
        window.Do_Command(CMD_EXIT);
        QCOMPARE(titles, QStringList({"Game Not Saved"}));
        QVERIFY(window.isVisible());
        Set_Game_State(GS_RATING_VALID, 1);
        Press_Next_Box(QMessageBox::No, &titles);
        window.Do_Command(CMD_EXIT);
        QCOMPARE(titles, QStringList({"Game Not Saved", "Vantor Rating Warning"}));
        QVERIFY(window.isVisible());
        Set_Game_State(GS_RATING_VALID, 0);
        Press_Next_Box(QMessageBox::No, &titles);
        window.Do_Command(CMD_EXIT);
        QCOMPARE(titles.last(), QString("Game Not Saved"));
        QVERIFY(!window.isVisible());
        Platform_Install(nullptr);
    }

    void Unknown_Dialog_Number_Says_So() {
        MainWindow window;
        Install_Qt_Platform(&window);
        QList<Shown> shown;
        Close_Next_Box(&shown);
        QCOMPARE(Do_Dialog(nullptr, 9999), 0);
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].szTitle, QString("Do_Dialog()"));
        QCOMPARE(shown[0].szText, QString("Unrecognized idDialog in Do_Dialog(). DialogBox() call aborted."));
        Platform_Install(nullptr);
    }

    void Page_View_Paints_Small_And_Large() {
        MainWindow window;
        PageView* pView = window.Page_View();
        pView->resize(636, 438);
        QImage small = pView->grab().toImage();
        QCOMPARE(small.size(), QSize(636, 438));
        pView->resize(1908, 1314);
        QImage large = pView->grab().toImage();
        QCOMPARE(large.size(), QSize(1908, 1314));
        // The logo, not the bare brush colour, fills the middle of the page.
        QVERIFY(large.pixelColor(954, 1000) != QColor(192, 191, 240));
        QVERIFY(small.pixelColor(318, 400) != QColor(192, 191, 240));
    }

    void Page_View_Draws_Registered_Page_And_Maps_Clicks() {
        static int s_nClickX = -1, s_nClickY = -1;
        Register_Page(
            PAGE_STANDINGS,
            [](const PageDevice& device) { Fill_Rectangle(device, 0, 0, 318, 219, QColor(255, 0, 0)); },
            [](int x, int y, int nKind) {
                if (nKind == POINTER_CLICK) s_nClickX = x, s_nClickY = y;
                return 0;
            });
        MainWindow window;
        PageView* pView = window.Page_View();
        window.Show_Page(PAGE_STANDINGS);
        QCOMPARE(Get_Game_State(GS_CURRENT_PAGE), PAGE_STANDINGS);
        window.resize(1272, 1000);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCoreApplication::processEvents();
        int nWidth = pView->width() & ~1, nHeight = pView->height() & ~1;
        pView->resize(nWidth, nHeight);
        QVERIFY(nWidth > 636);
        QImage image = pView->grab().toImage();
        QCOMPARE(image.size(), QSize(nWidth, nHeight));
        QCOMPARE(image.pixelColor(2, 2), QColor(255, 0, 0));
        QCOMPARE(image.pixelColor(nWidth / 2 - 2, nHeight / 2 - 2), QColor(255, 0, 0));
        QVERIFY(image.pixelColor(nWidth / 2 + 2, nHeight / 2 + 2) != QColor(255, 0, 0));
        QAction* pHelp = window.Command_Action(CMD_HELP_PAGE);
        QVERIFY(pHelp->isVisible());
        QCOMPARE(pHelp->text(), QString("&Help on Standings Page"));
        QTest::mouseClick(pView, Qt::LeftButton, {}, QPoint(nWidth / 2, nHeight / 2));
        QCOMPARE(s_nClickX, 318);
        QCOMPARE(s_nClickY, 219);
    }
};

QTEST_MAIN(MainWindowTest)
#include "test_main_window.moc"
