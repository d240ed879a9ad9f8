#include "shell/main_window.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "base/random.h"
#include "database/league_database.h"
#include "platform/page_layout.h"
#include "platform/platform.h"
#include "shell/command_table.h"
#include "shell/dialogs.h"
#include "shell/drawing.h"
#include "shell/page_view.h"
#include "shell/picture_store.h"
#include "shell/window_commands.h"

MainWindow::MainWindow() {
    setWindowTitle("Brakvell");
    m_pPageView = new PageView(this);
    setCentralWidget(m_pPageView);
    Build_Menus();
    connect(m_pPageView, &PageView::Page_Shown, this, [this] { Refresh_Menus(); });
    Refresh_Menus();
}

void MainWindow::Build_Menus() {
    for (int nMenu = 0; nMenu < NUMBER_OF_MENUS; nMenu++)
        m_apMenus[nMenu] = menuBar()->addMenu(QString::fromUtf8(Menu_Title(nMenu)));
    for (const MenuCommand* p = Menu_Commands(); p->idCommand; p++) {
        QAction* pAction = new QAction(QString::fromUtf8(p->szText ? p->szText : ""), this);
        if (p->szKeys) pAction->setShortcuts(QKeySequence::listFromString(QString::fromUtf8(p->szKeys)));
        int idCommand = p->idCommand;
        connect(pAction, &QAction::triggered, this, [this, idCommand] { Do_Command(idCommand); });
        m_Actions.insert(idCommand, pAction);
        // Shortcut-only commands still live in the window so that their keys work.
        addAction(pAction);
        if (p->szText && p->nMenu != MENU_PLAY && p->nMenu != MENU_NONE) {
            if (p->bSeparatorBefore) m_apMenus[p->nMenu]->addSeparator();
            m_apMenus[p->nMenu]->addAction(pAction);
        }
    }
}

QAction* MainWindow::Command_Action(int idCommand) const { return m_Actions.value(idCommand); }

bool MainWindow::Do_Command(int idCommand) {
    const MenuCommand* pCommand = Find_Menu_Command(idCommand);
    if (!pCommand) return false;
    if (CommandHandler pHandler = Command_Handler(*pCommand)) {
        pHandler(*this);
        return true;
    }
    if (pCommand->idDialog) {
        if (!Dialog_Registered(pCommand->idDialog)) return false;
        Do_Dialog(this, pCommand->idDialog);
        return true;
    }
    if (!Page_Registered(idCommand)) return false;
    if (Get_Game_State(GS_CURRENT_PAGE) != idCommand) Show_Page(idCommand);
    return true;
}

void MainWindow::Refresh_Title() { setWindowTitle(QString::fromStdString(Title_Line())); }

void MainWindow::Refresh_Menus() {
    for (const MenuCommand* p = Menu_Commands(); p->idCommand; p++)
        m_Actions.value(p->idCommand)->setEnabled(Command_Available(*p));
    QMenu* pPlay = m_apMenus[MENU_PLAY];
    // The menu is rebuilt from inside the season loop, which runs from one of its items.
    for (QAction* pOld : pPlay->actions()) {
        pPlay->removeAction(pOld);
        pOld->deleteLater();
    }
    PlayMenuEntry entries[MAXIMUM_PLAY_ENTRIES];
    int nEntries = Play_Menu(entries);
    for (int i = 0; i < nEntries; i++) {
        int idCommand = entries[i].nWeeks == PLAY_STOP         ? CMD_STOP
                        : entries[i].nWeeks == PLAY_END_DRAFT ? CMD_END_DRAFT
                        : entries[i].nWeeks == 1              ? CMD_PLAY_1
                        : entries[i].nWeeks == 4              ? CMD_PLAY_4
                        : entries[i].nWeeks == 8              ? CMD_PLAY_8
                                                              : CMD_PLAY_22;
        // The keys live on the window's own actions; these items only show them.
        QAction* pItem = pPlay->addAction(QString::fromUtf8(entries[i].szText));
        pItem->setEnabled(m_Actions.value(idCommand)->isEnabled());
        connect(pItem, &QAction::triggered, this, [this, idCommand] { Do_Command(idCommand); });
    }

    const char* szHelpItem = Page_Help_Item(Get_Game_State(GS_CURRENT_PAGE));
    QAction* pHelpPage = m_Actions.value(CMD_HELP_PAGE);
    pHelpPage->setVisible(szHelpItem != nullptr);
    pHelpPage->setText(QString::fromUtf8(szHelpItem ? szHelpItem : ""));

    bool bFantasy = Get_League_Rule(LR_FANTASY_DRAFT) != 0;
    QAction* pDraft = m_Actions.value(CMD_DRAFT);
    pDraft->setText(bFantasy ? "&Draft Picks..." : "College &Draft...");
    pDraft->setShortcuts(QKeySequence::listFromString(bFantasy ? "Ctrl+P; Ctrl+C" : "Ctrl+C; Ctrl+P"));
    m_Actions.value(CMD_FANTASY_DRAFT)->setText(bFantasy ? "&End Fantasy Draft" : "&Fantasy Draft...");
}

void MainWindow::Show_Page(int nPage) { m_pPageView->Show_Page(nPage); }

void MainWindow::Show_Loaded_Game() {
    Show_Page(Get_Game_State(GS_CURRENT_PAGE));
    Refresh_Title();
    Refresh_Menus();
}

void MainWindow::Refresh_Page_After_Dialog() {
    int nPage = Get_Game_State(GS_CURRENT_PAGE);
    if (nPage == PAGE_STANDINGS || nPage == PAGE_LEADERS || nPage == PAGE_FINANCES || nPage == PAGE_CALENDAR ||
        nPage == PAGE_PLAYOFFS)
        m_pPageView->Forget_Page();
}

int MainWindow::Minimum_Width() const { return LOGICAL_PAGE_WIDTH; }
int MainWindow::Minimum_Height() const { return LOGICAL_PAGE_HEIGHT + menuBar()->sizeHint().height(); }

WindowRect MainWindow::Normal_Rect() const {
    QRect rect = normalGeometry().isValid() ? normalGeometry() : geometry();
    return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}

void MainWindow::Place_At_Start(const WindowRect& saved) {
    // A rectangle left on a screen that is no longer there would open the window out of sight.
    QRect wanted(saved.nLeft, saved.nTop, saved.nRight - saved.nLeft, saved.nBottom - saved.nTop);
    bool bOnScreen = false;
    for (QScreen* pScreen : QGuiApplication::screens())
        bOnScreen = bOnScreen || pScreen->availableGeometry().intersects(wanted);
    if (!Saved_Rect_Usable(saved) || !bOnScreen) {
        // The size to return to when the user leaves the maximised state, and
        // what shows where nothing maximises (a bare X server).
        QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                        : QRect(0, 0, 1024, 768);
        int nHeight = screen.height() * 3 / 4;
        WindowRect rect = Apply_Aspect_Rule({0, 0, 0, nHeight}, DRAG_BOTTOM_RIGHT, Minimum_Width(), Minimum_Height());
        int nWidth = Min(rect.nRight, screen.width());
        setGeometry(screen.x() + (screen.width() - nWidth) / 2, screen.y() + (screen.height() - rect.nBottom) / 2,
                    nWidth, rect.nBottom);
        showMaximized();
        return;
    }
    WindowRect rect = Apply_Aspect_Rule(saved, DRAG_BOTTOM_RIGHT, Minimum_Width(), Minimum_Height());
    setGeometry(rect.nLeft, rect.nTop, rect.nRight - rect.nLeft, rect.nBottom - rect.nTop);
    show();
    WindowRect now = Normal_Rect();
    WindowRect corrected = Apply_Aspect_Rule(now, DRAG_BOTTOM, Minimum_Width(), Minimum_Height());
    if (!(corrected == now))
        setGeometry(corrected.nLeft, corrected.nTop, corrected.nRight - corrected.nLeft,
                    corrected.nBottom - corrected.nTop);
}

// Qt reports sizes, not which edge was dragged: a change mostly in width counts
// as the right edge, anything else as the bottom edge.
void MainWindow::resizeEvent(QResizeEvent* pEvent) {
    QMainWindow::resizeEvent(pEvent);
    Rebuild_Fonts(frameGeometry().width(), frameGeometry().height());
    if (isMaximized() || isFullScreen() || m_bKeepingAspect) return;
    QSize old = pEvent->oldSize();
    if (!old.isValid()) return;
    QSize now = pEvent->size();
    double dRatio = (double)Minimum_Width() / Minimum_Height();
    // Within a pixel or two of the proportion: leave it, or truncation would make it creep.
    if (std::abs(now.width() - dRatio * now.height()) <= dRatio + 1) return;
    DragEdge edge = std::abs(now.width() - old.width()) * Minimum_Height() >
                            std::abs(now.height() - old.height()) * Minimum_Width()
                        ? DRAG_RIGHT
                        : DRAG_BOTTOM;
    QRect rect = geometry();
    WindowRect corrected = Apply_Aspect_Rule({rect.left(), rect.top(), rect.left() + rect.width(),
                                              rect.top() + rect.height()},
                                             edge, Minimum_Width(), Minimum_Height());
    QSize wanted(corrected.nRight - corrected.nLeft, corrected.nBottom - corrected.nTop);
    // A window manager that insists on its size (tiling) gets its way, not a loop.
    if (wanted == now || now == m_CorrectedFrom) return;
    m_CorrectedFrom = now;
    // Not from inside the event: the window manager may still be delivering the drag.
    QTimer::singleShot(0, this, [this, wanted] {
        m_bKeepingAspect = true;
        resize(wanted);
        m_bKeepingAspect = false;
    });
}

bool MainWindow::Store_Rect_Unless_Minimised() {
    if (isMinimized()) return true;
    return Store_Window_Rect(Normal_Rect());
}

bool MainWindow::Exit_Sequence() {
    if (Refuse_While_Simulating(REFUSE_EXIT_GAME)) return false;
    if (!Leave_Game_Check(*this)) return false;
    Store_Rect_Unless_Minimised();
    return true;
}

void MainWindow::Close_Without_Prompt() {
    Store_Rect_Unless_Minimised();
    m_bMayClose = true;
    close();
}

void MainWindow::closeEvent(QCloseEvent* pEvent) {
    if (m_bMayClose || Exit_Sequence()) {
        m_bMayClose = true;
        Empty_Picture_Stores();
        pEvent->accept();
        return;
    }
    pEvent->ignore();
}
