// The Trading Block window: the person's roster beside the players put on
// the block, the cash added and the wish, "Ask for Offers", and the offers
// best first; double-clicking one carries it to the trade page. The window
// only binds widgets to the block's page state in the core.
#pragma once
#include <QDialog>

#include "trades/trading_block.h"

class PlayerTable;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTreeWidget;

class TradingBlockWindow : public QDialog {
    Q_OBJECT
  public:
    TradingBlockWindow(QWidget* pOwner, TNUM nTeam);
    const TradingBlockPage& Page() const { return m_Page; }

  protected:
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

  private:
    TradingBlockPage m_Page;
    PlayerTable* m_pRoster = nullptr;
    QListWidget* m_pBlock = nullptr;
    QLabel* m_pRosterCount = nullptr;
    QSpinBox* m_pCash = nullptr;
    QComboBox* m_pWish = nullptr;
    QPushButton* m_pAdd = nullptr;
    QPushButton* m_pRemove = nullptr;
    QTreeWidget* m_pOffers = nullptr;
    QPushButton* m_pOpen = nullptr;
    void Refresh_Roster();
    void Refresh_Cash();
    void Refresh_Offers();
    void Fit_Offer_Columns();
    void Refresh_Buttons();
    void List_Player(PNUM nPlayer);
    void List_Selected();
    void Unlist_Selected();
    void Ask();
    void Open_Offer(int nIndex);
};

void Register_Trading_Block_Window();
