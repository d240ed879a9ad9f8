// The Trades window binds widgets to the trade page's commands and the
// trade rules: every limit, refusal and line it shows is the core's, and
// after each change the whole window is read again from the one offer.
#include "shell/trade_window.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "commands/trade_page.h"
#include "database/team.h"
#include "database/text_format.h"
#include "platform/platform.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"
#include "shell/player_table.h"
#include "shell/player_windows.h"
#include "trades/free_agent_signing.h"
#include "trades/trade_rules.h"

namespace {
constexpr int ROSTER_ROWS = 10;  // rows of each roster the smallest window shows
constexpr int PICK_ROWS = 3;
constexpr int OFFER_ROWS = 3;
const int ROSTER_COLUMNS[] = {COLUMN_POSITION, COLUMN_NAME,   COLUMN_AGE,
                              COLUMN_OVERALL,  COLUMN_SALARY, COLUMN_CONTRACT};

QString Text(const char* sz) { return QString::fromUtf8(sz); }

QString Team_Name(TNUM nTeam) {
    char szCity[32], szNickname[32];
    Get_Team_String(nTeam, TS_CITY, szCity);
    Get_Team_String(nTeam, TS_NICKNAME, szNickname);
    return Text(szCity) + " " + Text(szNickname);
}

void Show_Refusal(const TradeRefusal& refusal) { Message_Box(refusal.szTitle, "%s", refusal.szText); }

// One side of the page: the team's roster and picks, the items it gives and
// its cash field.
struct TradeSide {
    QGroupBox* pBox;
    PlayerTable* pRoster;
    QTreeWidget* pPicks;
    QLabel* pCount;
    QLabel* pCapRoom;
    QPushButton* pAdd;
    QPushButton* pScout;
    QListWidget* pItems;
    QSpinBox* pCash;
    bool bPickChosen = false;  // the pick list, not the roster, was used last
};

class TradeWindow : public QDialog {
  public:
    TradeWindow(QWidget* pOwner, const TRADE_OFFER& start) : QDialog(pOwner), m_Offer(start) {
        setObjectName("Trades");
        setWindowTitle("Trades");
        QVBoxLayout* pLayout = new QVBoxLayout(this);

        QHBoxLayout* pPartnerRow = new QHBoxLayout;
        QLabel* pWith = new QLabel("Trade &with:", this);
        m_pPartner = new QComboBox(this);
        m_pPartner->setObjectName("partner");
        pWith->setBuddy(m_pPartner);
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
            if (nTeam != m_Offer.anTeam[0] && Valid_Team(nTeam))
                m_pPartner->addItem(Team_Name(nTeam), (int)nTeam);
        m_pPartner->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        pPartnerRow->addWidget(pWith);
        pPartnerRow->addWidget(m_pPartner);
        pPartnerRow->addStretch(1);
        pLayout->addLayout(pPartnerRow);

        QHBoxLayout* pColumns = new QHBoxLayout;
        for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
            pColumns->addWidget(Make_Side(nSide), 1);
        pLayout->addLayout(pColumns, 1);

        m_pLegality = new QLabel(this);
        m_pLegality->setObjectName("legality");
        m_pLegality->setWordWrap(true);
        QFont bold = m_pLegality->font();
        bold.setBold(true);
        m_pLegality->setFont(bold);
        pLayout->addWidget(m_pLegality);

        QHBoxLayout* pButtons = new QHBoxLayout;
        m_pSubmit = Button(pButtons, "submit", Submit_Button_Text());
        QPushButton* pClear = Button(pButtons, "clear", "&Clear Offer");
        m_pCounter = Button(pButtons, "counter", "&Get Counter Offer");
        pButtons->addStretch(1);
        QPushButton* pHelp = Button(pButtons, "help", "&Help");
        QPushButton* pDone = Button(pButtons, "done", "&Done");
        pDone->setDefault(true);
        pLayout->addLayout(pButtons);

        connect(m_pPartner, &QComboBox::activated, this, [this](int nIndex) {
            Change_Trade_Partner(&m_Offer, (TNUM)m_pPartner->itemData(nIndex).toInt());
            Refresh(true);
        });
        connect(m_pSubmit, &QPushButton::clicked, this, [this] {
            Refresh(Submit_Trade_Offer(&m_Offer) == TRADE_COMPLETED);
        });
        connect(pClear, &QPushButton::clicked, this, [this] {
            Clear_Trade_Offer(&m_Offer, m_Offer.anTeam[0], m_Offer.anTeam[1]);
            Refresh(false);
        });
        connect(m_pCounter, &QPushButton::clicked, this, [this] {
            Get_Counter_Offer(&m_Offer);
            Refresh(false);
        });
        connect(pHelp, &QPushButton::clicked, this, [] { Open_Document("help/trades.htm"); });
        connect(pDone, &QPushButton::clicked, this, &QDialog::accept);
        Refresh(true);
        for (TradeSide& side : m_aSides)
            Fit_Heights(side);
    }

  private:
    TRADE_OFFER m_Offer;
    TradeSide m_aSides[TRADE_SIDES];
    QComboBox* m_pPartner;
    QLabel* m_pLegality;
    QPushButton* m_pSubmit;
    QPushButton* m_pCounter;

    QPushButton* Button(QBoxLayout* pRow, const char* szName, const char* szText) {
        QPushButton* pButton = new QPushButton(Text(szText), this);
        pButton->setObjectName(szName);
        pButton->setAutoDefault(false);
        pRow->addWidget(pButton);
        return pButton;
    }

    QWidget* Make_Side(int nSide) {
        TradeSide& side = m_aSides[nSide];
        QString szSide = QString::number(nSide);
        side.pBox = new QGroupBox(this);
        QVBoxLayout* pLines = new QVBoxLayout(side.pBox);

        side.pRoster = new PlayerTable(side.pBox);
        side.pRoster->setObjectName("roster" + szSide);
        side.pRoster->Open_Card_On_Double_Click(false);
        // Two rosters side by side: the overall rating stands for the position's ratings.
        for (int nColumn = 0; nColumn < NUMBER_OF_PLAYER_COLUMNS; nColumn++) side.pRoster->Show_Column(nColumn, false);
        for (int nColumn : ROSTER_COLUMNS) side.pRoster->Show_Column(nColumn, true);
        side.pRoster->setToolTip("Double-click a player to add him to the deal");
        pLines->addWidget(side.pRoster, 3);

        side.pPicks = new QTreeWidget(side.pBox);
        side.pPicks->setObjectName("picks" + szSide);
        side.pPicks->setHeaderLabels({"Draft Pick", "Year", "From"});
        side.pPicks->setRootIsDecorated(false);
        side.pPicks->setToolTip("Double-click a pick to add it to the deal");
        pLines->addWidget(side.pPicks, 1);

        QHBoxLayout* pTeamRow = new QHBoxLayout;
        side.pCount = new QLabel(side.pBox);
        side.pCount->setObjectName("count" + szSide);
        side.pCapRoom = new QLabel(side.pBox);
        side.pCapRoom->setObjectName("capRoom" + szSide);
        pTeamRow->addWidget(side.pCount);
        pTeamRow->addStretch(1);
        pTeamRow->addWidget(side.pCapRoom);
        pLines->addLayout(pTeamRow);

        QHBoxLayout* pChoose = new QHBoxLayout;
        side.pAdd = new QPushButton("&Add to deal", side.pBox);
        side.pAdd->setObjectName("add" + szSide);
        side.pAdd->setAutoDefault(false);
        side.pScout = new QPushButton("&Scouting", side.pBox);
        side.pScout->setObjectName("scout" + szSide);
        side.pScout->setAutoDefault(false);
        pChoose->addWidget(side.pAdd);
        pChoose->addWidget(side.pScout);
        pChoose->addStretch(1);
        pLines->addLayout(pChoose);

        pLines->addWidget(new QLabel(nSide == 0 ? "Current Offer" : "in exchange for...", side.pBox));
        side.pItems = new QListWidget(side.pBox);
        side.pItems->setObjectName("items" + szSide);
        side.pItems->setToolTip("Double-click an item to take it out of the deal");
        pLines->addWidget(side.pItems, 1);

        QHBoxLayout* pCashRow = new QHBoxLayout;
        pCashRow->addWidget(new QLabel("and  $", side.pBox));
        side.pCash = new QSpinBox(side.pBox);
        side.pCash->setObjectName("cash" + szSide);
        side.pCash->setRange(0, TRADE_CASH_LIMIT);
        pCashRow->addWidget(side.pCash);
        pCashRow->addWidget(new QLabel("million", side.pBox));
        pCashRow->addStretch(1);
        pLines->addLayout(pCashRow);

        connect(side.pRoster, &PlayerTable::Player_Activated, this,
                [this, nSide](int, int nSlot) { Add_Player(nSide, (PNUM)nSlot); });
        connect(side.pRoster, &PlayerTable::Selected_Player_Changed, this, [this, nSide] {
            m_aSides[nSide].bPickChosen = false;
            Refresh_Buttons();
        });
        connect(side.pPicks, &QTreeWidget::itemDoubleClicked, this, [this, nSide](QTreeWidgetItem* pItem) {
            Add_Pick(nSide, m_aSides[nSide].pPicks->indexOfTopLevelItem(pItem));
        });
        connect(side.pPicks, &QTreeWidget::currentItemChanged, this, [this, nSide](QTreeWidgetItem* pItem) {
            m_aSides[nSide].bPickChosen = pItem != nullptr;
            Refresh_Buttons();
        });
        connect(side.pPicks, &QTreeWidget::itemClicked, this, [this, nSide] {
            m_aSides[nSide].bPickChosen = true;
            Refresh_Buttons();
        });
        connect(side.pAdd, &QPushButton::clicked, this, [this, nSide] { Add_Chosen(nSide); });
        connect(side.pScout, &QPushButton::clicked, this, [this, nSide] {
            if (const PlayerRow* pRow = m_aSides[nSide].pRoster->Selected_Row())
                Show_Player_Card(this, pRow->nTeam, pRow->nSlot);
        });
        connect(side.pItems, &QListWidget::itemDoubleClicked, this, [this, nSide](QListWidgetItem* pItem) {
            Remove_Trade_Item(&m_Offer, nSide, m_aSides[nSide].pItems->row(pItem));
            Refresh(false);
        });
        connect(side.pCash, &QSpinBox::valueChanged, this, [this, nSide](int nMillions) {
            if (nMillions == Trade_Cash_Field(m_Offer, nSide)) return;
            Set_Trade_Cash_Field(&m_Offer, nSide, nMillions);
            Refresh(false);
        });
        return side.pBox;
    }

    // Heights for the smallest window: whole rows of each list, never a clipped one.
    void Fit_Heights(TradeSide& side) {
        int nRow = side.pRoster->verticalHeader()->defaultSectionSize();
        side.pRoster->setMinimumHeight(side.pRoster->horizontalHeader()->sizeHint().height() +
                                       ROSTER_ROWS * nRow + 2 * side.pRoster->frameWidth() + 2);
        int nLine = fontMetrics().height() + 4;
        int nPick = side.pPicks->topLevelItemCount() ? side.pPicks->sizeHintForRow(0) : nLine;
        side.pPicks->setMinimumHeight(side.pPicks->header()->sizeHint().height() + PICK_ROWS * nPick +
                                      2 * side.pPicks->frameWidth() + 2);
        side.pItems->addItem("");  // measured on a row, which an empty list lacks
        int nItem = side.pItems->sizeHintForRow(0) > 0 ? side.pItems->sizeHintForRow(0) : nLine;
        delete side.pItems->takeItem(side.pItems->count() - 1);
        side.pItems->setMinimumHeight(OFFER_ROWS * nItem + 2 * side.pItems->frameWidth() + 2);
    }

    void Add_Player(int nSide, PNUM nSlot) {
        TradeRefusal refusal;
        if (!Add_Trade_Player(&m_Offer, nSide, nSlot, &refusal)) Show_Refusal(refusal);
        Refresh(false);
    }
    void Add_Pick(int nSide, int nPick) {
        TradeRefusal refusal;
        if (nPick >= 0 && !Add_Trade_Pick(&m_Offer, nSide, nPick, &refusal)) Show_Refusal(refusal);
        Refresh(false);
    }
    void Add_Chosen(int nSide) {
        TradeSide& side = m_aSides[nSide];
        if (side.bPickChosen)
            return Add_Pick(nSide, side.pPicks->indexOfTopLevelItem(side.pPicks->currentItem()));
        if (const PlayerRow* pRow = side.pRoster->Selected_Row()) Add_Player(nSide, pRow->nSlot);
    }

    // The rosters and picks only change with the partner or a trade; the
    // offer, the lines and the buttons after every change.
    void Refresh(bool bRosters) {
        m_pPartner->setCurrentIndex(m_pPartner->findData((int)m_Offer.anTeam[1]));
        char szText[TRADE_TEXT_WIDTH];
        for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
            TradeSide& side = m_aSides[nSide];
            TNUM nTeam = m_Offer.anTeam[nSide];
            if (bRosters) Fill_Roster(nSide);
            Format_Trade_Roster_Count(nTeam, szText);
            side.pCount->setText(Text(szText));
            char szCap[TEXT_SIZE];
            Free_Agent_Cap_Room_Text(nTeam, szCap);
            side.pCapRoom->setText(Text(szCap));
            side.pItems->clear();
            for (int nIndex = 0; nIndex < Count_Trade_Items(m_Offer, nSide); nIndex++) {
                Format_Trade_Item(m_Offer, nSide, nIndex, szText);
                side.pItems->addItem(Text(szText));
            }
            QSignalBlocker quiet(side.pCash);
            side.pCash->setValue(Trade_Cash_Field(m_Offer, nSide));
        }
        Format_Trade_Legality_Line(m_Offer, szText);
        m_pLegality->setText(Text(szText));
        m_pSubmit->setText(Text(Submit_Button_Text()));
        Refresh_Buttons();
    }

    void Fill_Roster(int nSide) {
        TradeSide& side = m_aSides[nSide];
        TNUM nTeam = m_Offer.anTeam[nSide];
        char szNickname[32];
        Get_Team_Nickname(nTeam, szNickname);
        side.pBox->setTitle(Text(szNickname));
        side.pRoster->clearSelection();
        side.pRoster->Set_Rows(Get_Player_Rows(nTeam));
        side.pPicks->clear();
        DraftPick pick;
        for (int nPick = 0; Find_Walk_Pick(nTeam, nPick, &pick); nPick++) {
            char szText[TRADE_TEXT_WIDTH];
            Format_Owner_Pick(pick, szText);
            // "  %s Round Pick\t (%d)\t(%s)": one column a field.
            QStringList fields = Text(szText).split('\t');
            for (QString& szField : fields)
                szField = szField.trimmed();
            side.pPicks->addTopLevelItem(new QTreeWidgetItem(fields));
        }
        for (int nColumn = 0; nColumn < side.pPicks->columnCount(); nColumn++)
            side.pPicks->resizeColumnToContents(nColumn);
        side.bPickChosen = false;
        side.pRoster->setMinimumWidth(side.pRoster->Fit_Columns());
    }

    void Refresh_Buttons() {
        for (TradeSide& side : m_aSides) {
            bool bPlayer = side.pRoster->Selected_Row() != nullptr;
            side.pAdd->setEnabled(bPlayer || (side.bPickChosen && side.pPicks->currentItem()));
            side.pScout->setEnabled(bPlayer);
        }
    }
};

int Run_Trades(QWidget* pOwner) {
    Run_Trade_Page(pOwner, nullptr);
    return DIALOG_OK;
}
}  // namespace

void Run_Trade_Page(QWidget* pOwner, const TRADE_OFFER* pStart) {
    TRADE_OFFER offer;
    if (pStart)
        offer = *pStart;
    else
        Open_Trade_Offer(Trade_Page_Team(), &offer);
    if (offer.anTeam[1] == NO_TEAM) return;  // a league of one team
    TradeWindow window(pOwner, offer);
    window.exec();
}

void Register_Trade_Window() { Register_Dialog(DIALOG_TRADES, Run_Trades); }
