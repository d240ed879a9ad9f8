#include "shell/trading_block_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "commands/game_commands.h"
#include "platform/platform.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"
#include "shell/player_table.h"
#include "shell/trade_page_opener.h"
#include "trades/free_agent_list.h"

namespace {
constexpr int SIDE_COLUMN_CHARACTERS = 38;  // the block's column: "Name (POS)" lines and the fields
constexpr int ROSTER_ROWS_SHOWN = 12;
constexpr int OFFER_ROWS_SHOWN = 6;

QString Text(const std::string& sz) { return QString::fromUtf8(sz.c_str()); }

int Run_Trading_Block(QWidget* pOwner) {
    TradingBlockWindow window(pOwner, Free_Agent_Signing_Team());
    return Dialog_Result(window.exec());
}
}  // namespace

TradingBlockWindow::TradingBlockWindow(QWidget* pOwner, TNUM nTeam) : QDialog(pOwner) {
    Open_Trading_Block(&m_Page, nTeam);
    setObjectName("TradingBlock");
    setWindowTitle("Trading Block");
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    QHBoxLayout* pTop = new QHBoxLayout;

    QVBoxLayout* pRosterColumn = new QVBoxLayout;
    pRosterColumn->addWidget(Bold_Label("Your Roster", this));
    m_pRoster = new PlayerTable(this);
    m_pRoster->setObjectName("roster");
    m_pRoster->setToolTip("Double-click a player to put him on the block");
    m_pRoster->viewport()->installEventFilter(this);
    pRosterColumn->addWidget(m_pRoster, 1);
    pTop->addLayout(pRosterColumn, 1);

    QVBoxLayout* pMoves = new QVBoxLayout;
    pMoves->addStretch(1);
    m_pAdd = new QPushButton("&Add >>", this);
    m_pAdd->setObjectName("add");
    m_pRemove = new QPushButton("<< &Remove", this);
    m_pRemove->setObjectName("remove");
    pMoves->addWidget(m_pAdd);
    pMoves->addWidget(m_pRemove);
    pMoves->addStretch(1);
    pTop->addLayout(pMoves);

    QWidget* pSide = new QWidget(this);
    pSide->setFixedWidth(fontMetrics().averageCharWidth() * SIDE_COLUMN_CHARACTERS);
    QVBoxLayout* pSideColumn = new QVBoxLayout(pSide);
    pSideColumn->setContentsMargins(0, 0, 0, 0);
    pSideColumn->addWidget(Bold_Label("On the Block", pSide));
    m_pBlock = new QListWidget(pSide);
    m_pBlock->setObjectName("block");
    m_pBlock->setToolTip("Double-click a player to take him off the block");
    pSideColumn->addWidget(m_pBlock, 1);
    m_pRosterCount = new QLabel(pSide);
    m_pRosterCount->setObjectName("rosterCount");
    m_pRosterCount->setWordWrap(true);
    pSideColumn->addWidget(m_pRosterCount);
    QGridLayout* pFields = new QGridLayout;
    pFields->setColumnStretch(1, 1);
    m_pCash = new QSpinBox(pSide);
    m_pCash->setObjectName("cash");
    m_pCash->setPrefix("$");
    m_pCash->setSuffix(" million");
    m_pCash->setToolTip("Cash you add to the players on the block");
    QLabel* pCashLabel = new QLabel("Add &cash:", pSide);
    pCashLabel->setBuddy(m_pCash);
    pFields->addWidget(pCashLabel, 0, 0);
    pFields->addWidget(m_pCash, 0, 1);
    m_pWish = new QComboBox(pSide);
    m_pWish->setObjectName("wish");
    for (int nWish = 0; nWish < TRADING_BLOCK_WISHES; nWish++) m_pWish->addItem(Trading_Block_Wish_Name(nWish));
    m_pWish->setCurrentIndex(m_Page.nWish);
    m_pWish->setMaxVisibleItems(TRADING_BLOCK_WISHES);
    QLabel* pWishLabel = new QLabel("&Looking for:", pSide);
    pWishLabel->setBuddy(m_pWish);
    pFields->addWidget(pWishLabel, 1, 0);
    pFields->addWidget(m_pWish, 1, 1);
    pSideColumn->addLayout(pFields);
    QPushButton* pAsk = new QPushButton("Ask for &Offers", pSide);
    pAsk->setObjectName("ask");
    pAsk->setToolTip("Every other team says what it would give for the block");
    pSideColumn->addWidget(pAsk);
    pTop->addWidget(pSide);
    pLayout->addLayout(pTop, 3);

    pLayout->addWidget(Bold_Label("Offers", this));
    m_pOffers = new QTreeWidget(this);
    m_pOffers->setObjectName("offers");
    m_pOffers->setColumnCount(2);
    m_pOffers->setHeaderHidden(true);
    m_pOffers->setRootIsDecorated(false);
    m_pOffers->setUniformRowHeights(true);
    m_pOffers->setAlternatingRowColors(true);
    // Whole lines, scrolled sideways when narrow: an offer is never cut short.
    m_pOffers->header()->setStretchLastSection(false);
    m_pOffers->viewport()->installEventFilter(this);
    m_pOffers->setMinimumHeight(OFFER_ROWS_SHOWN * (fontMetrics().height() + 6) + 2 * m_pOffers->frameWidth());
    pLayout->addWidget(m_pOffers, 2);
    QLabel* pHint = new QLabel("Double-click an offer to take it to the trade page.", this);
    pHint->setWordWrap(true);
    pLayout->addWidget(pHint);

    QDialogButtonBox* pButtons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
    m_pOpen = pButtons->addButton("O&pen Offer...", QDialogButtonBox::ActionRole);
    m_pOpen->setObjectName("open");
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pButtons, &QDialogButtonBox::helpRequested, this, [] { Open_Document("help/tradingblock.htm"); });
    pLayout->addWidget(pButtons);

    connect(m_pAdd, &QPushButton::clicked, this, [this] { List_Selected(); });
    connect(m_pRemove, &QPushButton::clicked, this, [this] { Unlist_Selected(); });
    connect(m_pBlock, &QListWidget::itemDoubleClicked, this, [this] { Unlist_Selected(); });
    connect(m_pRoster, &PlayerTable::Selected_Player_Changed, this, [this] { Refresh_Buttons(); });
    connect(m_pBlock, &QListWidget::currentRowChanged, this, [this] { Refresh_Buttons(); });
    connect(m_pOffers, &QTreeWidget::currentItemChanged, this, [this] { Refresh_Buttons(); });
    connect(m_pWish, &QComboBox::currentIndexChanged, this, [this](int nWish) {
        m_Page.nWish = nWish;
        Refresh_Cash();
    });
    connect(m_pCash, &QSpinBox::valueChanged, this, [this](int nMillions) { m_Page.nCashField = nMillions; });
    connect(pAsk, &QPushButton::clicked, this, [this] { Ask(); });
    connect(m_pOffers, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* pItem) { Open_Offer(m_pOffers->indexOfTopLevelItem(pItem)); });
    connect(m_pOpen, &QPushButton::clicked, this,
            [this] { Open_Offer(m_pOffers->indexOfTopLevelItem(m_pOffers->currentItem())); });

    Refresh_Roster();
    m_pRoster->setMinimumWidth(m_pRoster->Fit_Columns());
    m_pRoster->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pRoster->setMinimumHeight(m_pRoster->horizontalHeader()->sizeHint().height() +
                                ROSTER_ROWS_SHOWN * m_pRoster->verticalHeader()->defaultSectionSize() +
                                2 * m_pRoster->frameWidth() + 2);
    Refresh_Cash();
    Refresh_Offers();
}

bool TradingBlockWindow::eventFilter(QObject* pWatched, QEvent* pEvent) {
    // A double-click on the roster puts the player on the block instead of opening his card.
    if (m_pRoster && pWatched == m_pRoster->viewport() && pEvent->type() == QEvent::MouseButtonDblClick) {
        QModelIndex index = m_pRoster->indexAt(static_cast<QMouseEvent*>(pEvent)->position().toPoint());
        if (const PlayerRow* pRow = m_pRoster->Row_At(index.row())) List_Player(pRow->nSlot);
        return true;
    }
    if (m_pOffers && pWatched == m_pOffers->viewport() && pEvent->type() == QEvent::Resize) Fit_Offer_Columns();
    return QDialog::eventFilter(pWatched, pEvent);
}

void TradingBlockWindow::Refresh_Roster() {
    TNUM nTeam = m_Page.block.anTeam[0];
    std::vector<PlayerRow> rows = Get_Player_Rows(nTeam), staying;
    for (const PlayerRow& row : rows)
        if (!Block_Lists_Player(m_Page, row.nSlot)) staying.push_back(row);
    int nShown = m_pRoster->currentIndex().row();
    m_pRoster->Set_Rows(staying);
    if (!m_pRoster->Selected_Row() && m_pRoster->Row_Count())
        m_pRoster->selectRow(std::min(std::max(nShown, 0), m_pRoster->Row_Count() - 1));
    m_pBlock->clear();
    for (const std::string& szLine : Block_Player_Lines(m_Page)) m_pBlock->addItem(Text(szLine));
    m_pRosterCount->setText(Text(Block_Roster_Line(m_Page)));
    Refresh_Buttons();
}

void TradingBlockWindow::Refresh_Cash() {
    int nLimit = Trading_Block_Cash_Limit(m_Page);
    QSignalBlocker quiet(m_pCash);
    m_pCash->setRange(0, nLimit);
    m_pCash->setValue(std::min(m_Page.nCashField, nLimit));
    m_Page.nCashField = m_pCash->value();
    m_pCash->setEnabled(nLimit > 0);
}

void TradingBlockWindow::Refresh_Offers() {
    m_pOffers->clear();
    for (const std::string& szLine : Block_Offer_Lines(m_Page)) {
        QString szText = Text(szLine);
        QTreeWidgetItem* pItem = new QTreeWidgetItem(szText.split('\t'));
        pItem->setToolTip(1, pItem->text(1));
        m_pOffers->addTopLevelItem(pItem);
    }
    if (m_pOffers->topLevelItemCount()) m_pOffers->setCurrentItem(m_pOffers->topLevelItem(0));
    Fit_Offer_Columns();
    Refresh_Buttons();
}

// The items' column as wide as its longest line, or as the list when that is wider,
// so that the rows' ground and the selection run across the whole list.
void TradingBlockWindow::Fit_Offer_Columns() {
    m_pOffers->resizeColumnToContents(0);
    m_pOffers->resizeColumnToContents(1);
    int nRoom = m_pOffers->viewport()->width() - m_pOffers->columnWidth(0);
    if (m_pOffers->columnWidth(1) < nRoom) m_pOffers->setColumnWidth(1, nRoom);
}

void TradingBlockWindow::Refresh_Buttons() {
    m_pAdd->setEnabled(m_pRoster->Selected_Row() != nullptr);
    m_pRemove->setEnabled(m_pBlock->currentRow() >= 0);
    m_pOpen->setEnabled(m_pOffers->currentItem() != nullptr);
}

void TradingBlockWindow::List_Player(PNUM nPlayer) {
    TradeRefusal refusal;
    if (!List_Block_Player(&m_Page, nPlayer, &refusal)) {
        Message_Box(refusal.szTitle, "%s", refusal.szText);
        return;
    }
    Refresh_Roster();
    Refresh_Offers();
}

void TradingBlockWindow::List_Selected() {
    if (const PlayerRow* pRow = m_pRoster->Selected_Row()) List_Player(pRow->nSlot);
}

void TradingBlockWindow::Unlist_Selected() {
    int nIndex = m_pBlock->currentRow();
    if (nIndex < 0 || nIndex >= TRADE_ITEMS) return;
    Unlist_Block_Player(&m_Page, m_Page.block.aanItems[0][nIndex]);
    Refresh_Roster();
    Refresh_Offers();
}

void TradingBlockWindow::Ask() {
    m_pCash->interpretText();
    m_Page.nCashField = m_pCash->value();
    Ask_For_Block_Offers(&m_Page, [this](const TradingBlockPage&) {
        Refresh_Offers();
        m_pOffers->repaint();
    });
    Refresh_Offers();
    Refresh_Cash();
}

void TradingBlockWindow::Open_Offer(int nIndex) {
    if (nIndex < 0 || nIndex >= m_Page.nOffers) return;
    TRADE_OFFER page;
    Open_Block_Offer(m_Page.aOffers[nIndex], &page);
    Open_Trade_Page(this, page);
    // The page's own offer was a copy: the block stands as it was unless a trade went through.
    if (!Return_To_Trading_Block(&m_Page)) return;
    Refresh_Roster();
    Refresh_Cash();
    Refresh_Offers();
}

void Register_Trading_Block_Window() { Register_Dialog(DIALOG_TRADING_BLOCK, Run_Trading_Block); }
