#include "shell/screenshots.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QComboBox>
#include <QEventLoop>
#include <QMessageBox>
#include <QScreen>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <cstdio>
#include <cstring>

#include "commands/game_commands.h"
#include "commands/new_game.h"
#include "commands/trade_page.h"
#include "database/league_database.h"
#include "database/player.h"
#include "database/season_state.h"
#include "personnel/negotiation.h"
#include "season/college_draft.h"
#include "season/schedule.h"
#include "season/season_loop.h"
#include "trades/team_needs.h"
#include "trades/trade_rules.h"
#include "shell/command_table.h"
#include "shell/dialogs.h"
#include "shell/help_viewer.h"
#include "shell/main_window.h"
#include "shell/player_table.h"
#include "shell/player_windows.h"
#include "shell/trade_proposal_page.h"
#include "trades/trade_value.h"
#include "trades/trading_block.h"
#include "shell/trade_answer.h"

namespace {
struct PageShot {
    int nPage;
    const char* szName;
};
const PageShot PAGES[] = {
    {PAGE_STANDINGS, "standings"}, {PAGE_FINANCES, "finances"}, {PAGE_LEADERS, "leaders"},
    {PAGE_CALENDAR, "calendar"},   {PAGE_GAMES, "games"},       {PAGE_PLAYOFFS, "playoffs"},
    {PAGE_HALL_OF_FAME, "halloffame"},
};

// The dialogs a user opens from the menus once a game is running.
struct DialogShot {
    int idDialog;
    const char* szName;
};
const DialogShot DIALOGS[] = {
    {DIALOG_TICKETS, "tickets"},   {DIALOG_CONCESSIONS, "concessions"}, {DIALOG_BROADCAST, "broadcast"},
    {DIALOG_EXPENSES, "expenses"}, {DIALOG_HISTORY, "history"},         {DIALOG_DATABASE_NOTES, "notes"},
    {DIALOG_OPTIONS, "options"},   {DIALOG_INJURY_CONTINGENCY, "injury"}, {DIALOG_SAVE_GAME, "save"},
    {DIALOG_RESUME_GAME, "resume"}, {DIALOG_ABOUT, "about"}, {DIALOG_HALL_OF_FAME, "halloffame"},
};
// The depth-chart windows, the free agents and the search, each at its smallest and maximised.
const DialogShot DEPTH_WINDOWS[] = {
    {DIALOG_OFFENSE, "offense"}, {DIALOG_DEFENSE, "defense"}, {DIALOG_SPECIAL_TEAMS, "specialteams"},
    {DIALOG_FREE_AGENTS, "freeagents"},
    {DIALOG_FIND_PLAYERS, "findplayers"},
};
QString g_szNextModal;  // the file name the next modal window is saved under
bool g_bHoldModal = false;  // a modal window being shot in more than one size

// Lets the window settle: layout, painting, and a window manager if there is one.
void Settle(int nMilliseconds) {
    QEventLoop loop;
    QTimer::singleShot(nMilliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool Save(QWidget* pWidget, const QString& szPath) {
    bool bSaved = pWidget->grab().save(szPath);
    fprintf(stderr, "%s %s\n", bSaved ? "saved" : "could not save", szPath.toUtf8().constData());
    return bSaved;
}

// Nobody is there to answer: every modal window is saved, then dismissed as
// Escape would (No, Cancel or OK).
void Dismiss_Modal_Windows(const QString& szFolder, QTimer* pTimer) {
    static int nCount = 0;
    QObject::connect(pTimer, &QTimer::timeout, [szFolder] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal || g_bHoldModal) return;
        fprintf(stderr, "dismissing \"%s\"\n", pModal->windowTitle().toUtf8().constData());
        QString szName = g_szNextModal.isEmpty() ? QString("modal-%1").arg(++nCount) : g_szNextModal;
        g_szNextModal.clear();
        Save(pModal, QDir(szFolder).filePath(szName + ".png"));
        if (QDialog* pDialog = qobject_cast<QDialog*>(pModal)) pDialog->reject();
        else pModal->close();
    });
    pTimer->start(400);
}

// The Contract Offer window on the first free agent for the user's team; it
// is of fixed size, so one picture serves. Dismissed, it changes nothing.
void Shoot_Contract_Offer() {
    if (!Is_Valid_Player(FREE_AGENT_TEAM, 0)) return;
    g_szNextModal = "dialog-contract";
    Contract_Negotiation(FREE_AGENT_TEAM, 0, Get_Game_State(GS_USER_TEAM));
    g_szNextModal.clear();
    Settle(100);
}

void Start_New_Game(MainWindow& window) {
    NewGameForm form;
    if (!Open_New_Game_Page(&form)) {
        fprintf(stderr, "the New Game page could not be opened; going on with the default league\n");
        return;
    }
    Choose_New_Game_Team(&form, 0);
    if (!Play_New_Game(form)) fprintf(stderr, "New Game did not start a game; going on with the default league\n");
    window.Refresh_Title();
    window.Refresh_Menus();
}

void Play_One_Week(MainWindow& window) {
    // The menu's command when the play commands are there, else the loop itself.
    if (!window.Do_Command(CMD_PLAY_1)) Play_Weeks(1);
    fprintf(stderr, "after one week: %s\n", Title_Line().c_str());
    window.Refresh_Title();
    window.Refresh_Menus();
}

void Shoot_Pages(MainWindow& window, const QString& szFolder, const char* szSize) {
    for (const PageShot& shot : PAGES) {
        // A page that is refused (Games before any game) or not built yet is shown anyway.
        if (!window.Do_Command(shot.nPage) || Get_Game_State(GS_CURRENT_PAGE) != shot.nPage) window.Show_Page(shot.nPage);
        Settle(300);
        Save(&window, QDir(szFolder).filePath(QString("%1-%2.png").arg(shot.szName, szSize)));
    }
}

// Each dialog as it opens; the dismisser saves it and closes it as Escape would.
void Shoot_Dialogs(MainWindow& window) {
    for (const DialogShot& shot : DIALOGS) {
        if (!Dialog_Registered(shot.idDialog)) continue;
        g_szNextModal = QString("dialog-%1").arg(shot.szName);
        Do_Dialog(&window, shot.idDialog);
        g_szNextModal.clear();
        Settle(100);
    }
}
// Saves the next modal window at its smallest and filling the screen, then
// closes it; waits for it a little while, short of the dismisser's turn.
void Shoot_Both_Sizes(const QString& szFolder, const QString& szName, int nTries) {
    QTimer::singleShot(2, [szFolder, szName, nTries] {
        QWidget* pModal = QApplication::activeModalWidget();
        if (!pModal || !pModal->isVisible()) {
            if (nTries > 0) Shoot_Both_Sizes(szFolder, szName, nTries - 1);
            return;
        }
        pModal->resize(pModal->minimumSizeHint());
        QApplication::processEvents();
        Save(pModal, QDir(szFolder).filePath(QString("dialog-%1-minimum.png").arg(szName)));
        if (pModal->screen()) pModal->setGeometry(pModal->screen()->availableGeometry());
        QApplication::processEvents();
        Save(pModal, QDir(szFolder).filePath(QString("dialog-%1-maximised.png").arg(szName)));
        if (QDialog* pDialog = qobject_cast<QDialog*>(pModal)) pDialog->reject();
    });
}

// The windows about one player, each at its smallest and filling the screen,
// saved from inside its modal loop before the dismisser's turn comes.
void Shoot_Player_Windows(MainWindow& window, const QString& szFolder) {
    const DialogShot SHOTS[] = {{DIALOG_PLAYER_CARD, "card"},
                                {DIALOG_CHANGE_POSITION, "changeposition"},
                                {DIALOG_EDIT_PLAYER, "editplayer"}};
    // A veteran, so that the card has a career to draw.
    TNUM nTeam = (TNUM)Get_Game_State(GS_USER_TEAM);
    PNUM nBest = 0;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
        if (Count_History_Entries(nTeam, p) > Count_History_Entries(nTeam, nBest)) nBest = p;
    Select_Player(nTeam, nBest);
    for (const DialogShot& shot : SHOTS) {
        if (!Dialog_Registered(shot.idDialog)) continue;
        Shoot_Both_Sizes(szFolder, shot.szName, 100);
        Do_Dialog(&window, shot.idDialog);
        Settle(100);
    }
}

// A window that can grow: shot at its smallest, then maximised, then closed as Escape would.
// A window with a Search button is shot with what it finds.
void Shoot_Growing_Window(MainWindow& window, const QString& szFolder, const DialogShot& shot) {
    if (!Dialog_Registered(shot.idDialog)) return;
    g_bHoldModal = true;
    QTimer::singleShot(0, [szFolder, shot] {
        QDialog* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!pDialog) {
            g_bHoldModal = false;
            return;
        }
        for (QPushButton* pButton : pDialog->findChildren<QPushButton*>())
            if (pButton->text() == "Sea&rch") pButton->click();
        pDialog->resize(pDialog->minimumSizeHint());
        Settle(300);
        Save(pDialog, QDir(szFolder).filePath(QString("dialog-%1-minimum.png").arg(shot.szName)));
        QSize small = pDialog->size();
        pDialog->showMaximized();
        Settle(800);
        if (pDialog->size() == small && pDialog->screen()) pDialog->setGeometry(pDialog->screen()->availableGeometry());
        Settle(300);
        Save(pDialog, QDir(szFolder).filePath(QString("dialog-%1-maximised.png").arg(shot.szName)));
        g_bHoldModal = false;
        pDialog->reject();
    });
    Do_Dialog(&window, shot.idDialog);
    Settle(100);
}

void Shoot_Depth_Windows(MainWindow& window, const QString& szFolder) {
    for (const DialogShot& shot : DEPTH_WINDOWS) Shoot_Growing_Window(window, szFolder, shot);
}

// The Trading Block with the team's two most valued players on it and the
// offers for them listed, at its smallest and maximised. A box the asking
// brings (no offers) is saved and answered, so nothing waits for a person.
void Shoot_Trading_Block(MainWindow& window, const QString& szFolder) {
    if (!Dialog_Registered(DIALOG_TRADING_BLOCK)) return;
    TNUM nTeam = (TNUM)Get_Game_State(GS_USER_TEAM);
    PNUM anBest[2] = {NO_PLAYER, NO_PLAYER};
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
        if (!Is_Valid_Player(nTeam, p)) continue;
        if (anBest[0] == NO_PLAYER || Player_Trade_Value(nTeam, p) > Player_Trade_Value(nTeam, anBest[0])) {
            anBest[1] = anBest[0];
            anBest[0] = p;
        } else if (anBest[1] == NO_PLAYER || Player_Trade_Value(nTeam, p) > Player_Trade_Value(nTeam, anBest[1])) {
            anBest[1] = p;
        }
    }
    g_bHoldModal = true;
    QTimer::singleShot(0, [szFolder, nTeam, anBest] {
        QDialog* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!pDialog) {
            g_bHoldModal = false;
            return;
        }
        PlayerTable* pRoster = pDialog->findChild<PlayerTable*>("roster");
        QPushButton* pAdd = pDialog->findChild<QPushButton*>("add");
        QPushButton* pAsk = pDialog->findChild<QPushButton*>("ask");
        QComboBox* pWish = pDialog->findChild<QComboBox*>("wish");
        if (pRoster && pAdd && pAsk && pWish) {
            for (PNUM nSlot : anBest) {
                if (nSlot == NO_PLAYER) continue;
                pRoster->Select_Player(nTeam, nSlot);
                pAdd->click();
            }
            pWish->setCurrentIndex(WISH_ANY_PLAYERS);
            QTimer boxes;
            QObject::connect(&boxes, &QTimer::timeout, [szFolder] {
                if (QMessageBox* pBox = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    Save(pBox, QDir(szFolder).filePath("dialog-tradingblock-box.png"));
                    pBox->button(QMessageBox::Ok)->click();
                }
            });
            boxes.start(50);
            pAsk->click();
        }
        pDialog->resize(pDialog->minimumSizeHint());
        Settle(300);
        Save(pDialog, QDir(szFolder).filePath("dialog-tradingblock-minimum.png"));
        QSize small = pDialog->size();
        pDialog->showMaximized();
        Settle(800);
        if (pDialog->size() == small && pDialog->screen()) pDialog->setGeometry(pDialog->screen()->availableGeometry());
        Settle(300);
        Save(pDialog, QDir(szFolder).filePath("dialog-tradingblock-maximised.png"));
        g_bHoldModal = false;
        pDialog->reject();
    });
    Do_Dialog(&window, DIALOG_TRADING_BLOCK);
    Settle(100);
}

// A computer team's proposal to the user's team: its first two players for
// the user's first one. Dismissed, it is "No Thanks".
void Shoot_Trade_Proposal(const QString& szFolder) {
    TNUM nUser = (TNUM)Get_Game_State(GS_USER_TEAM);
    TNUM nComputer = (TNUM)((nUser + 1) % Number_Of_Teams());
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, nComputer, nUser);
    offer.aanItems[0][0] = 0;
    offer.aanItems[0][1] = 1;
    offer.aanItems[1][0] = 0;
    Shoot_Both_Sizes(szFolder, "tradeoffer", 100);
    Show_Trade_Proposal(offer);
    Settle(100);
}

// The Trades window with a player and a pick on each side, at its smallest
// and maximised; then Submit, whose answer page the dismisser saves and
// closes (nothing is signed), and the partner's hint.
void Shoot_Trades(MainWindow& window, const QString& szFolder) {
    if (!Dialog_Registered(DIALOG_TRADES)) return;
    TNUM nPartner = Opening_Trade_Partner(Trade_Page_Team());
    g_bHoldModal = true;
    QTimer::singleShot(0, [szFolder, nPartner] {
        QDialog* pDialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!pDialog || pDialog->objectName() != "Trades") {
            g_bHoldModal = false;
            return;
        }
        for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
            QPushButton* pAdd = pDialog->findChild<QPushButton*>(QString("add%1").arg(nSide));
            pDialog->findChild<PlayerTable*>(QString("roster%1").arg(nSide))->selectRow(nSide);
            pAdd->click();
            QTreeWidget* pPicks = pDialog->findChild<QTreeWidget*>(QString("picks%1").arg(nSide));
            if (pPicks->topLevelItemCount()) {
                pPicks->setCurrentItem(pPicks->topLevelItem(0));
                pAdd->click();
            }
        }
        pDialog->resize(pDialog->minimumSizeHint());
        Settle(300);
        Save(pDialog, QDir(szFolder).filePath("dialog-trades-minimum.png"));
        QSize small = pDialog->size();
        pDialog->showMaximized();
        Settle(800);
        if (pDialog->size() == small && pDialog->screen()) pDialog->setGeometry(pDialog->screen()->availableGeometry());
        Settle(300);
        Save(pDialog, QDir(szFolder).filePath("dialog-trades-maximised.png"));
        g_bHoldModal = false;
        g_szNextModal = "dialog-tradeanswer";
        pDialog->findChild<QPushButton*>("submit")->click();
        TeamNeeds needs;
        Compute_Team_Needs(nPartner, &needs);
        g_szNextModal = "dialog-tradehint";
        Show_Trade_Hint(pDialog, nPartner, Needs_List_Text(needs));
        g_szNextModal.clear();
        pDialog->reject();
    });
    Do_Dialog(&window, DIALOG_TRADES);
    Settle(100);
}

// The help window as it opens where the desktop has no opener, on the contents.
void Shoot_Help_Viewer(const QString& szFolder) {
    if (!Show_Help_Viewer("help/contents.htm")) return;
    QWidget* pViewer = Help_Viewer();
    pViewer->resize(pViewer->minimumSizeHint());
    Settle(300);
    Save(pViewer, QDir(szFolder).filePath("help-viewer-minimum.png"));
    if (pViewer->screen()) pViewer->setGeometry(pViewer->screen()->availableGeometry());
    Settle(300);
    Save(pViewer, QDir(szFolder).filePath("help-viewer-maximised.png"));
    pViewer->close();
    Settle(100);
}

// The Draft page needs a draft: the season played out, then the off-season
// (without the expiring-contracts question, which the dismisser would answer
// No) into the draft, shown while it waits for the person and once it is over.
void Shoot_Draft(MainWindow& window, const QString& szFolder) {
    while (!Season_Is_Over()) {
        int nWeek = Current_Week();
        Play_Weeks(SCHEDULE_SLOTS);
        if (Current_Week() == nWeek) return;
    }
    Process_Offseason();
    window.Refresh_Menus();
    window.Show_Page(PAGE_DRAFT);
    Settle(300);
    Save(&window, QDir(szFolder).filePath("draft-running-maximised.png"));
    Shoot_Growing_Window(window, szFolder, {DIALOG_DRAFT, "draft"});
    End_College_Draft();
    window.Refresh_Menus();
    window.Show_Page(PAGE_DRAFT);
    Settle(300);
    Save(&window, QDir(szFolder).filePath("draft-maximised.png"));
    window.showNormal();
    window.resize(window.Minimum_Width(), window.Minimum_Height());
    Settle(500);
    Save(&window, QDir(szFolder).filePath("draft-minimum.png"));
}
}  // namespace

QString Screenshot_Folder(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; i++)
        if (strcmp(argv[i], "--screenshots") == 0) return QString::fromLocal8Bit(argv[i + 1]);
    return QString();
}

int Take_Screenshots(MainWindow& window, const QString& szFolder) {
    if (!QDir().mkpath(szFolder)) {
        fprintf(stderr, "cannot create %s\n", szFolder.toUtf8().constData());
        return 1;
    }
    QTimer dismisser;
    Dismiss_Modal_Windows(szFolder, &dismisser);
    window.show();
    Settle(500);
    Start_New_Game(window);
    Play_One_Week(window);

    window.showNormal();
    window.resize(window.Minimum_Width(), window.Minimum_Height());
    Settle(500);
    Shoot_Pages(window, szFolder, "minimum");
    Shoot_Dialogs(window);
    Shoot_Player_Windows(window, szFolder);
    Shoot_Depth_Windows(window, szFolder);
    Shoot_Trading_Block(window, szFolder);
    Shoot_Trade_Proposal(szFolder);
    Shoot_Trades(window, szFolder);

    // Without a window manager (a bare X server) maximising does nothing: fill the screen instead.
    QSize normal = window.size();
    window.showMaximized();
    Settle(1000);
    if (window.size() == normal && window.screen()) window.setGeometry(window.screen()->availableGeometry());
    Settle(500);
    Shoot_Pages(window, szFolder, "maximised");
    Shoot_Contract_Offer();
    Shoot_Draft(window, szFolder);
    // After the draft there is a season behind the team for its chart.
    Shoot_Growing_Window(window, szFolder, {DIALOG_HISTORY, "history"});
    Shoot_Help_Viewer(szFolder);
    return 0;
}
