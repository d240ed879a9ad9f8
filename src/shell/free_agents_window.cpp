#include "shell/free_agents_window.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/text_format.h"
#include "platform/platform.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"
#include "shell/player_table.h"
#include "shell/player_windows.h"
#include "trades/free_agent_list.h"
#include "trades/free_agent_signing.h"

namespace {
constexpr int LINE_COLUMN_CHARACTERS = 30;  // the lines beside the table wrap at about this width
constexpr int ROWS_SHOWN = 14;

QString Text(const std::string& sz) { return QString::fromUtf8(sz.c_str()); }

int Run_Free_Agents(QWidget* pOwner) {
    FreeAgentsWindow window(pOwner, Free_Agent_Signing_Team());
    return Dialog_Result(window.exec());
}
}  // namespace

FreeAgentsWindow::FreeAgentsWindow(QWidget* pOwner, TNUM nTeam) : QDialog(pOwner), m_nTeam(nTeam) {
    // Every opening asks anew: each player at his preferred length, no bonus.
    Reset_Free_Agent_Contracts();
    setObjectName("FreeAgents");
    setWindowTitle(Text(Free_Agent_List_Title(nTeam)));
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    QHBoxLayout* pRow = new QHBoxLayout;

    m_pTable = new PlayerTable(this);
    m_pTable->setObjectName("Players");
    m_pTable->setColumnHidden(COLUMN_DEPTH, true);  // the pool has no depth chart
    pRow->addWidget(m_pTable, 1);

    QWidget* pSide = new QWidget(this);
    pSide->setFixedWidth(fontMetrics().averageCharWidth() * LINE_COLUMN_CHARACTERS);
    QVBoxLayout* pLines = new QVBoxLayout(pSide);
    pLines->setContentsMargins(0, 0, 0, 0);
    auto Line = [pSide, pLines](const char* szName) {
        QLabel* pLabel = new QLabel(pSide);
        pLabel->setObjectName(szName);
        pLabel->setWordWrap(true);
        pLines->addWidget(pLabel);
        return pLabel;
    };
    m_pRosterCount = Line("rosterCount");
    m_pCapRoom = Line("capRoom");
    pLines->addSpacing(8);
    m_pTeamSeeking = Line("teamSeeking");
    m_pPayroll = Line("payroll");
    pLines->addSpacing(8);
    m_pPlayerSeeking = Line("playerSeeking");
    m_pSign = new QPushButton("&Sign...", pSide);
    m_pSign->setObjectName("sign");
    m_pSign->setToolTip("Offer the chosen player a contract");
    pLines->addWidget(m_pSign);
    QLabel* pHint = new QLabel("Double-click a player for his card.", pSide);
    pHint->setWordWrap(true);
    pLines->addWidget(pHint);
    pLines->addStretch(1);
    pRow->addWidget(pSide);
    pLayout->addLayout(pRow, 1);

    QDialogButtonBox* pButtons = new QDialogButtonBox(QDialogButtonBox::Close | QDialogButtonBox::Help, this);
    connect(pButtons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(pButtons, &QDialogButtonBox::helpRequested, this, [] { Open_Document("help/freeagents.htm"); });
    pLayout->addWidget(pButtons);

    connect(m_pSign, &QPushButton::clicked, this, [this] { Sign(); });
    connect(m_pTable, &PlayerTable::Selected_Player_Changed, this, [this] {
        if (const PlayerRow* pRow = m_pTable->Selected_Row()) Select_Player(pRow->nTeam, pRow->nSlot);
        Refresh_Lines();
    });
    // The pool's own order: by asking salary, or by position when the league lists so.
    m_pTable->Set_Rows(Get_Player_Rows(FREE_AGENT_TEAM));
    if (m_pTable->Row_Count()) m_pTable->selectRow(0);
    m_pTable->setMinimumWidth(m_pTable->Fit_Columns());
    m_pTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pTable->setMinimumHeight(m_pTable->horizontalHeader()->sizeHint().height() +
                               (ROWS_SHOWN + 1) * m_pTable->verticalHeader()->defaultSectionSize() +
                               2 * m_pTable->frameWidth() + 2);
    Refresh_Lines();
}

void FreeAgentsWindow::Refresh_Lines() {
    char szCap[TEXT_SIZE];
    Free_Agent_Cap_Room_Text(m_nTeam, szCap);
    m_pRosterCount->setText(Text(Roster_Count_Text(m_nTeam)));
    m_pCapRoom->setText(QString::fromUtf8(szCap));
    m_pTeamSeeking->setText(Text(Team_Seeking_Text(m_nTeam)));
    m_pPayroll->setText(Text(Payroll_Text(m_nTeam)));
    const PlayerRow* pRow = m_pTable->Selected_Row();
    m_pPlayerSeeking->setText(pRow ? Text(Player_Seeking_Text(pRow->nSlot)) : QString());
    m_pSign->setEnabled(pRow != nullptr);
}

void FreeAgentsWindow::Sign() {
    const PlayerRow* pRow = m_pTable->Selected_Row();
    if (!pRow) return;
    int nShown = m_pTable->currentIndex().row();
    if (Sign_Free_Agent(m_nTeam, pRow->nSlot) == NO_PLAYER) {
        Refresh_Lines();
        return;
    }
    // The pool closes up behind him: the row that took his place is chosen next.
    m_pTable->clearSelection();
    m_pTable->Set_Rows(Get_Player_Rows(FREE_AGENT_TEAM));
    if (m_pTable->Row_Count()) m_pTable->selectRow(std::min(std::max(nShown, 0), m_pTable->Row_Count() - 1));
    Refresh_Lines();
}

void Register_Free_Agents_Window() { Register_Dialog(DIALOG_FREE_AGENTS, Run_Free_Agents); }
