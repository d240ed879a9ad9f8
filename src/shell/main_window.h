// The one main window: menus and shortcuts from the command table, the page
// view as its client, the title line, the aspect rule and the exit sequence.
#pragma once
#include <QHash>
#include <QMainWindow>

#include "commands/game_commands.h"

class QAction;
class QMenu;
class PageView;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow();
    // Runs a command as its menu item or shortcut would; false for a
    // command that does not exist or does nothing yet.
    bool Do_Command(int idCommand);
    QAction* Command_Action(int idCommand) const;
    QMenu* Menu(int nMenu) const { return m_apMenus[nMenu]; }
    PageView* Page_View() const { return m_pPageView; }

    void Refresh_Title();
    void Refresh_Menus();           // Play menu, Help page item, fantasy-draft texts
    void Refresh_Page_After_Dialog();
    void Show_Page(int nPage);
    void Show_Loaded_Game();  // after a load: its page, the title, the menus

    // Start-up placement: the stored rectangle, or maximised without one.
    void Place_At_Start(const WindowRect& saved);
    WindowRect Normal_Rect() const;
    int Minimum_Width() const;
    int Minimum_Height() const;

    // The exit sequence: true when the window may close now.
    bool Exit_Sequence();
    void Close_Without_Prompt();  // after retiring: store the rectangle, then close

  protected:
    void closeEvent(QCloseEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;

  private:
    void Build_Menus();
    bool Store_Rect_Unless_Minimised();
    QMenu* m_apMenus[8] = {};
    QHash<int, QAction*> m_Actions;
    PageView* m_pPageView = nullptr;
    bool m_bMayClose = false;
    bool m_bKeepingAspect = false;
    QSize m_CorrectedFrom;  // the last size the aspect rule corrected
};
