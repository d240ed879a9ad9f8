// The college Draft window: the class as the person's scouts see it, who is
// on the clock, the scout's line on the chosen prospect, the Pick button
// while a person's team is on the clock, and End Draft.
#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "commands/game_commands.h"
#include "personnel/scouting_report.h"
#include "season/draft_dialog.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"
#include "shell/player_table.h"
#include "shell/player_windows.h"

namespace {
// What a scout can judge of a boy at college; the true ratings stay hidden.
const int SHOWN_COLUMNS[] = {COLUMN_POSITION, COLUMN_NAME,    COLUMN_AGE,     COLUMN_CLASS,
                             COLUMN_HEIGHT,   COLUMN_WEIGHT,  COLUMN_COLLEGE, COLUMN_SCOUT_SCORE};

class DraftWindow : public QDialog {
  public:
    explicit DraftWindow(QWidget* pOwner);

  private:
    TNUM m_nPerson;
    PlayerTable* m_pTable;
    QLabel* m_pClock;
    QLabel* m_pScouting;
    QPushButton* m_pPick;
    QPushButton* m_pEnd;
    void Refresh();
    void Refresh_Selection();
};

DraftWindow::DraftWindow(QWidget* pOwner) : QDialog(pOwner), m_nPerson((TNUM)Get_Game_State(GS_USER_TEAM)) {
    setObjectName("Draft");
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    m_pClock = new QLabel(this);
    m_pClock->setObjectName("Clock");
    pLayout->addWidget(m_pClock);

    QHBoxLayout* pRow = new QHBoxLayout;
    m_pTable = new PlayerTable(this);
    m_pTable->setObjectName("Prospects");
    for (int nColumn = 0; nColumn < NUMBER_OF_PLAYER_COLUMNS; nColumn++) m_pTable->Show_Column(nColumn, false);
    for (int nColumn : SHOWN_COLUMNS) m_pTable->Show_Column(nColumn, true);
    // The score beside the name; the college, a free text, last.
    QHeaderView* pHeader = m_pTable->horizontalHeader();
    pHeader->moveSection(pHeader->visualIndex(COLUMN_SCOUT_SCORE), pHeader->visualIndex(COLUMN_NAME) + 1);
    pRow->addWidget(m_pTable, 1);
    QVBoxLayout* pButtons = new QVBoxLayout;
    m_pPick = new QPushButton("&Pick", this);
    m_pPick->setToolTip("Draft the chosen prospect and offer him his rookie contract");
    QPushButton* pByScore = new QPushButton("By &Score", this);
    QPushButton* pByPosition = new QPushButton("By P&osition", this);
    m_pEnd = new QPushButton("&End Draft", this);
    m_pEnd->setToolTip("The computer makes every remaining pick");
    for (QPushButton* pButton : {m_pPick, pByScore, pByPosition, m_pEnd}) pButton->setAutoDefault(false);
    pButtons->addWidget(m_pPick);
    pButtons->addSpacing(12);
    pButtons->addWidget(pByScore);
    pButtons->addWidget(pByPosition);
    pButtons->addStretch(1);
    pButtons->addWidget(m_pEnd);
    pRow->addLayout(pButtons);
    pLayout->addLayout(pRow, 1);

    m_pScouting = new QLabel(this);
    m_pScouting->setObjectName("Scouting");
    m_pScouting->setWordWrap(true);
    // Two lines kept for the longest verdict, so the window does not jump.
    m_pScouting->setMinimumHeight(2 * m_pScouting->fontMetrics().lineSpacing());
    m_pScouting->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    pLayout->addWidget(m_pScouting);
    QDialogButtonBox* pClose = new QDialogButtonBox(QDialogButtonBox::Close, this);
    pLayout->addWidget(pClose);

    connect(pClose, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pByScore, &QPushButton::clicked, this, [this] { m_pTable->Sort_By(COLUMN_SCOUT_SCORE, true); });
    connect(pByPosition, &QPushButton::clicked, this, [this] { m_pTable->Sort_By(COLUMN_POSITION, false); });
    connect(m_pTable, &PlayerTable::Selected_Player_Changed, this, [this] { Refresh_Selection(); });
    connect(m_pPick, &QPushButton::clicked, this, [this] {
        const PlayerRow* pRow = m_pTable->Selected_Row();
        if (pRow && Draft_Dialog_Pick(pRow->nTeam, pRow->nSlot)) Refresh();
    });
    connect(m_pEnd, &QPushButton::clicked, this, [this] {
        if (End_Draft_Command()) Refresh();
    });
    Refresh();
    m_pTable->Sort_By(COLUMN_SCOUT_SCORE, true);
    if (m_pTable->Row_Count()) m_pTable->selectRow(0);
    m_pTable->setMinimumWidth(m_pTable->Fit_Columns());
    m_pTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTable->setMinimumHeight(m_pTable->horizontalHeader()->sizeHint().height() +
                               12 * m_pTable->verticalHeader()->defaultSectionSize() + 2 * m_pTable->frameWidth());
    Refresh_Selection();
}

void DraftWindow::Refresh() {
    DraftDialogState state;
    Get_Draft_Dialog_State(m_nPerson, &state);
    setWindowTitle(QString::fromUtf8(state.szTitle));
    m_pClock->setText(QString("<b>On the clock:</b> %1").arg(QString::fromUtf8(state.szClock).toHtmlEscaped()));
    if (!state.bRunning) m_pClock->setText(QString::fromUtf8(state.szClock).toHtmlEscaped());
    m_pTable->Set_Rows(Draft_Class_Rows(m_nPerson));
    m_pEnd->setEnabled(state.bRunning);
    Refresh_Selection();
}

void DraftWindow::Refresh_Selection() {
    DraftDialogState state;
    Get_Draft_Dialog_State(m_nPerson, &state);
    const PlayerRow* pRow = m_pTable->Selected_Row();
    m_pPick->setEnabled(state.bCanPick && pRow);
    char szLine[NEWS_TEXT_SIZE] = "";
    if (pRow) {
        Select_Player(pRow->nTeam, pRow->nSlot);
        Get_Scouting_Report(pRow->nTeam, pRow->nSlot, m_nPerson, szLine);
    }
    m_pScouting->setText(QString::fromUtf8(szLine));
}

int Run_Draft(QWidget* pOwner) {
    DraftWindow window(pOwner);
    return Dialog_Result(window.exec());
}
}  // namespace

void Register_Draft_Window() { Register_Dialog(DIALOG_DRAFT, Run_Draft); }
