// The player table the manager's windows share: the rows of the core's
// player table in a sortable list. A click on a heading sorts by it (numbers
// as numbers), a second click turns the order round; starters stand in bold
// on a tinted ground; a double-click names the player. A depth-chart window
// may let a player be dragged onto another of his position.
#pragma once
#include <QTableView>
#include <vector>

#include "personnel/player_table.h"

class PlayerTableModel;

// What a double-click on a player opens (the player card), installed once by
// the window that owns it; every player table uses it.
typedef void (*PlayerOpener)(QWidget* pOwner, TNUM nTeam, PNUM nSlot);
void Set_Player_Opener(PlayerOpener pOpen);

class PlayerTable : public QTableView {
    Q_OBJECT
  public:
    explicit PlayerTable(QWidget* pParent = nullptr);
    // New rows in the order of the sort chosen so far; the selected player stays selected.
    void Set_Rows(std::vector<PlayerRow> rows);
    void Sort_By(int nColumn, bool bDescending);
    int Sort_Column() const;
    const PlayerRow* Row_At(int nRow) const;  // in the order shown
    int Row_Count() const;
    const PlayerRow* Selected_Row() const;
    void Select_Player(TNUM nTeam, PNUM nSlot);
    void Enable_Depth_Drag(bool bEnable);
    // Off where a double-click means something else (the trade page adds him to the deal).
    void Open_Card_On_Double_Click(bool bOpen);
    // The columns from COLUMN_TEAM on are hidden until a window shows them;
    // the rating columns stay hidden when a window would not show them.
    void Show_Column(int nColumn, bool bShow);
    // Columns sized to their widest text; the width that shows them all whole.
    int Fit_Columns();

  signals:
    void Player_Activated(int nTeam, int nSlot);
    void Player_Dropped(int nSlot, int nTargetSlot);
    void Selected_Player_Changed();

  protected:
    void dragEnterEvent(QDragEnterEvent* pEvent) override;
    void dragMoveEvent(QDragMoveEvent* pEvent) override;
    void dropEvent(QDropEvent* pEvent) override;

  private:
    PlayerTableModel* m_pModel;
    int m_nDragSlot = NO_PLAYER;
    bool m_bRatings = true;
    bool m_bOpensCard = true;
    void changeEvent(QEvent* pEvent) override;
    void Tint_Starters();
};
