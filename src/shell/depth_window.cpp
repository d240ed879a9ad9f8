#include "shell/depth_window.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "shell/contract_offer.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"
#include "shell/player_table.h"
#include "shell/player_windows.h"

namespace {
const char* const TITLES[] = {"Offense", "Defense", "Special Teams"};
const char* const HELP_TOPICS[] = {"offense", "defense", "specialteams"};
const char* const OBJECT_NAMES[] = {"Offense", "Defense", "SpecialTeams"};
const struct {
    int nPeriod;
    const char* szText;
} PERIODS[] = {{PERIOD_THIS_SEASON, "This Season"}, {PERIOD_LAST_SEASON, "Last Season"}, {PERIOD_CAREER, "Career"}};

int Run_Side(QWidget* pOwner, int nSide) {
    DepthWindow window(pOwner, (TNUM)Get_Game_State(GS_USER_TEAM), nSide);
    return Dialog_Result(window.exec());
}
int Run_Offense(QWidget* pOwner) { return Run_Side(pOwner, SIDE_OFFENCE); }
int Run_Defense(QWidget* pOwner) { return Run_Side(pOwner, SIDE_DEFENCE); }
int Run_Special_Teams(QWidget* pOwner) { return Run_Side(pOwner, SIDE_KICKERS); }
}  // namespace

DepthWindow::DepthWindow(QWidget* pOwner, TNUM nTeam, int nSide) : QDialog(pOwner) {
    Open_Depth_Dialog(nTeam, nSide, &m_Dialog);
    setWindowTitle(TITLES[nSide]);
    setObjectName(OBJECT_NAMES[nSide]);
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    char szTeam[TEXT_SIZE];
    Get_Team_Label(nTeam, szTeam);
    QString szHint = m_Dialog.bEditable
                         ? "Starters in bold. Drag a player onto another of his position, or use Move Up and Move Down."
                         : "Starters in bold. The computer sets this team's depth chart.";
    QLabel* pHint = new QLabel(QString("<b>%1</b><br>%2").arg(QString::fromUtf8(szTeam).toHtmlEscaped(), szHint), this);
    pHint->setWordWrap(true);
    pLayout->addWidget(pHint);

    QHBoxLayout* pRow = new QHBoxLayout;
    m_pTable = new PlayerTable(this);
    m_pTable->setObjectName("Players");
    m_pTable->setColumnHidden(COLUMN_POSITION, true);  // the depth names it
    m_pTable->Enable_Depth_Drag(m_Dialog.bEditable);
    pRow->addWidget(m_pTable, 1);
    QVBoxLayout* pButtons = new QVBoxLayout;
    m_pUp = new QPushButton("Move &Up", this);
    m_pDown = new QPushButton("Move &Down", this);
    pButtons->addWidget(m_pUp);
    pButtons->addWidget(m_pDown);
    connect(m_pUp, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(m_pDown, &QPushButton::clicked, this, [this] { Move(1); });
    if (nSide != SIDE_KICKERS) {
        m_pAuto = new QPushButton("&Automatic", this);
        m_pAuto->setToolTip("The computer chooses this side's starters and sorts its backups");
        m_pAuto->setEnabled(m_Dialog.bEditable);
        pButtons->addSpacing(12);
        pButtons->addWidget(m_pAuto);
        connect(m_pAuto, &QPushButton::clicked, this, [this] {
            Auto_Depth_Chart(&m_Dialog);
            Refresh();
        });
        m_pPosition = new QPushButton("Change &Position...", this);
        m_pPosition->setEnabled(m_Dialog.bEditable);
        pButtons->addWidget(m_pPosition);
        connect(m_pPosition, &QPushButton::clicked, this, [this] {
            const PlayerRow* pRow = m_pTable->Selected_Row();
            if (pRow && Show_Change_Position(this, m_Dialog.nTeam, pRow->nSlot) == DIALOG_OK) Refresh();
        });
    }
    m_pRelease = new QPushButton("&Release...", this);
    m_pRelease->setObjectName("release");
    m_pRelease->setToolTip("Let the chosen player go to the free agents");
    m_pRelease->setEnabled(m_Dialog.bEditable);
    pButtons->addSpacing(12);
    pButtons->addWidget(m_pRelease);
    connect(m_pRelease, &QPushButton::clicked, this, [this] { Release(); });
    pButtons->addStretch(1);
    pRow->addLayout(pButtons);
    pLayout->addLayout(pRow, 1);

    if (nSide == SIDE_KICKERS) {
        QGroupBox* pReturners = new QGroupBox("Returners", this);
        QFormLayout* pForm = new QFormLayout(pReturners);
        m_pPeriod = new QComboBox(pReturners);
        m_pPeriod->setObjectName("Period");
        for (const auto& period : PERIODS) m_pPeriod->addItem(period.szText, period.nPeriod);
        pForm->addRow("&Figures from:", m_pPeriod);
        const char* const LABELS[2] = {"&Kick Returner:", "&Punt Returner:"};
        const char* const NAMES[2] = {"KickReturner", "PuntReturner"};
        for (int nKind : {KICK_RETURNER, PUNT_RETURNER}) {
            m_apReturner[nKind] = new QComboBox(pReturners);
            m_apReturner[nKind]->setObjectName(NAMES[nKind]);
            m_apReturner[nKind]->setSizeAdjustPolicy(QComboBox::AdjustToContents);
            m_apReturner[nKind]->setEnabled(m_Dialog.bEditable);
            pForm->addRow(LABELS[nKind], m_apReturner[nKind]);
            connect(m_apReturner[nKind], &QComboBox::activated, this, [this, nKind](int nIndex) {
                Choose_Depth_Returner(&m_Dialog, nKind, nIndex);
                Refresh_Returners();
            });
        }
        connect(m_pPeriod, &QComboBox::currentIndexChanged, this, [this] { Refresh_Returners(); });
        pLayout->addWidget(pReturners);
    }
    pLayout->addWidget(Ok_Cancel_Help(this, HELP_TOPICS[nSide]));

    connect(m_pTable, &PlayerTable::Selected_Player_Changed, this, [this] {
        // The Players menu's card and editor open on the player last chosen.
        if (const PlayerRow* pRow = m_pTable->Selected_Row()) Select_Player(m_Dialog.nTeam, pRow->nSlot);
        Refresh_Buttons();
    });
    connect(m_pTable, &PlayerTable::Player_Dropped, this, [this](int nSlot, int nTarget) {
        PNUM nNow = Move_Depth_Player_To(&m_Dialog, (PNUM)nSlot, (PNUM)nTarget);
        Refresh();
        if (nNow != NO_PLAYER) m_pTable->Select_Player(m_Dialog.nTeam, nNow);
    });
    m_pTable->Set_Rows(Get_Player_Rows(nTeam, nSide));
    m_pTable->Sort_By(COLUMN_DEPTH, false);
    if (m_pTable->Row_Count()) m_pTable->selectRow(0);
    int nTableWidth = m_pTable->Fit_Columns();
    m_pTable->setMinimumWidth(nTableWidth);
    // Whole rows: a short list all of it, a long one its first fourteen; the
    // columns always fit, so no scroll bar takes a row's room.
    m_pTable->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    int nRows = std::min(m_pTable->Row_Count(), 14) + 1;
    m_pTable->setMinimumHeight(m_pTable->horizontalHeader()->sizeHint().height() +
                               nRows * m_pTable->verticalHeader()->defaultSectionSize() + 2 * m_pTable->frameWidth() + 2);
    Refresh_Returners();
    Refresh_Buttons();
}

void DepthWindow::Refresh() {
    m_pTable->Set_Rows(Get_Player_Rows(m_Dialog.nTeam, m_Dialog.nSide));
    Refresh_Returners();
    Refresh_Buttons();
}

void DepthWindow::Refresh_Buttons() {
    const PlayerRow* pRow = m_pTable->Selected_Row();
    m_pUp->setEnabled(pRow && Can_Move_Depth_Player(m_Dialog, pRow->nSlot, -1));
    m_pDown->setEnabled(pRow && Can_Move_Depth_Player(m_Dialog, pRow->nSlot, 1));
    m_pRelease->setEnabled(pRow && m_Dialog.bEditable);
}

void DepthWindow::Refresh_Returners() {
    if (!m_pPeriod) return;
    int nPeriod = m_pPeriod->currentData().toInt();
    for (int nKind : {KICK_RETURNER, PUNT_RETURNER}) {
        QComboBox* pBox = m_apReturner[nKind];
        std::vector<ReturnerChoice> choices = Returner_Choices(m_Dialog.nTeam, nKind, nPeriod);
        QSignalBlocker block(pBox);
        pBox->clear();
        for (const ReturnerChoice& choice : choices) pBox->addItem(QString::fromUtf8(choice.szText.c_str()), choice.nSlot);
        int nChoice = Current_Returner_Choice(m_Dialog.nTeam, nKind, choices);
        // A returner the computer took from another position is shown, though the list cannot offer him.
        PNUM nSlot = Get_Team_Returner(m_Dialog.nTeam, nKind);
        char szName[FULL_NAME_WIDTH + 1] = "";
        if (nChoice < 0 && Is_Valid_Player(m_Dialog.nTeam, nSlot)) Get_Player_Full_Name(m_Dialog.nTeam, nSlot, szName);
        pBox->setPlaceholderText(QString::fromUtf8(szName));
        pBox->setCurrentIndex(nChoice);
    }
}

void DepthWindow::Move(int nSteps) {
    const PlayerRow* pRow = m_pTable->Selected_Row();
    if (!pRow) return;
    PNUM nNow = Move_Depth_Player(&m_Dialog, pRow->nSlot, nSteps);
    Refresh();
    if (nNow != NO_PLAYER) m_pTable->Select_Player(m_Dialog.nTeam, nNow);
    Refresh_Buttons();
}

void DepthWindow::Release() {
    const PlayerRow* pRow = m_pTable->Selected_Row();
    if (!pRow) return;
    int nShown = m_pTable->currentIndex().row();
    if (!Release_From_Roster(m_Dialog.nTeam, pRow->nSlot)) return;
    // A release cannot be taken back, and the later players have moved up:
    // Cancel from here on puts back the roster as it is now.
    Open_Depth_Dialog(m_Dialog.nTeam, m_Dialog.nSide, &m_Dialog);
    m_pTable->clearSelection();
    Refresh();
    if (m_pTable->Row_Count()) m_pTable->selectRow(std::min(std::max(nShown, 0), m_pTable->Row_Count() - 1));
}

void DepthWindow::reject() {
    Cancel_Depth_Dialog(&m_Dialog);
    QDialog::reject();
}

void Register_Depth_Dialogs() {
    Register_Dialog(DIALOG_OFFENSE, Run_Offense);
    Register_Dialog(DIALOG_DEFENSE, Run_Defense);
    Register_Dialog(DIALOG_SPECIAL_TEAMS, Run_Special_Teams);
}
