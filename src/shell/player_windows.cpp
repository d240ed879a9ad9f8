#include "shell/player_windows.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

#include "database/player.h"
#include "database/text_format.h"
#include "personnel/player_card.h"
#include "personnel/player_editing.h"
#include "personnel/ratings.h"
#include "personnel/scouting_report.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"
#include "shell/season_chart.h"

namespace {
TNUM g_nSelectedTeam = NO_TEAM;
PNUM g_nSelectedPlayer = NO_PLAYER;

QString Text(const char* sz) { return QString::fromUtf8(sz); }

QString Full_Name(TNUM nTeam, PNUM nPlayer) {
    char szName[TEXT_SIZE];
    Get_Player_Full_Name(nTeam, nPlayer, szName);
    return Text(szName);
}

// The menu's player: the one last shown while he is still there, else the
// manager's first.
bool Menu_Player(TNUM* pTeam, PNUM* pPlayer) {
    if (Selected_Player(pTeam, pPlayer)) return true;
    *pTeam = (TNUM)Get_Game_State(GS_USER_TEAM);
    *pPlayer = 0;
    return Is_Valid_Player(*pTeam, *pPlayer);
}

// The career as the page painter draws it: a bar of value a season over a
// zero line, the position's key figure as a line across them, the years below.
class CareerChart : public QWidget {
  public:
    explicit CareerChart(QWidget* pParent) : QWidget(pParent) {
        setObjectName("CareerChart");
        setMinimumSize(380, 200);
    }
    void Show_Player(TNUM nTeam, PNUM nPlayer) {
        m_Seasons = Player_Career(nTeam, nPlayer);
        m_szKey = Text(Key_Statistic_Name(Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION)));
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const QColor VALUE(230, 180, 40), KEY(235, 235, 235);
        std::vector<SeasonColumn> columns;
        SeasonChartLook look{};
        look.nBarHigh = 1;
        look.nPointHigh = 1;
        for (const CareerSeason& season : m_Seasons) {
            columns.push_back({season.nYear, season.nValue, season.nKey, VALUE});
            look.nBarHigh = std::max<int64_t>(look.nBarHigh, season.nValue);
            look.nBarLow = std::min<int64_t>(look.nBarLow, season.nValue);
            look.nPointHigh = std::max(look.nPointHigh, season.nKey);
        }
        look.szEmpty = "No seasons in his history yet.";
        look.szBarTitle = "Value by season";
        look.szPointTitle = m_szKey;
        look.barTitle = VALUE;
        look.point = KEY;
        look.nTop = 100;
        look.nLineWidthDivisor = 120;
        look.bCountEveryPoint = true;
        Draw_Season_Chart(*this, columns, look);
    }

  private:
    std::vector<CareerSeason> m_Seasons;
    QString m_szKey;
};

// The scouting window: the player's name, the card, the verdict and the chart.
class PlayerCard : public QDialog {
  public:
    PlayerCard(QWidget* pOwner, TNUM nTeam, PNUM nPlayer) : QDialog(pOwner), m_nTeam(nTeam) {
        setObjectName("PlayerCard");
        QVBoxLayout* pLayout = new QVBoxLayout(this);
        m_pPlayers = new QComboBox(this);
        m_pPlayers->setObjectName("Players");
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
            if (!Is_Valid_Player(nTeam, p)) continue;
            char szPosition[TEXT_SIZE];
            Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, p, VS_POSITION), szPosition);
            m_pPlayers->addItem(QString("%1 (%2)").arg(Full_Name(nTeam, p), Text(szPosition)), (int)p);
        }
        pLayout->addWidget(m_pPlayers);
        m_pHeading = new QLabel(this);
        m_pHeading->setObjectName("Heading");
        QFont bold = m_pHeading->font();
        bold.setBold(true);
        bold.setPointSize(bold.pointSize() + 2);
        m_pHeading->setFont(bold);
        pLayout->addWidget(m_pHeading);
        QGridLayout* pGrid = new QGridLayout;
        pGrid->setHorizontalSpacing(18);
        for (int nColumn = 0; nColumn < CARD_COLUMNS; nColumn++)
            for (int nRow = 0; nRow < CARD_ROWS; nRow++) {
                QLabel* pCell = new QLabel(this);
                pCell->setObjectName(QString("Card%1%2").arg(nColumn).arg(nRow));
                if (nColumn == 3) pCell->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
                pGrid->addWidget(pCell, nRow, nColumn);
                m_apCells[nColumn][nRow] = pCell;
            }
        pGrid->setColumnStretch(CARD_COLUMNS, 1);  // the card keeps together at the left
        pLayout->addLayout(pGrid);
        m_pVerdict = new QLabel(this);
        m_pVerdict->setObjectName("Verdict");
        m_pVerdict->setWordWrap(true);
        m_pVerdict->setMinimumHeight(m_pVerdict->fontMetrics().lineSpacing() * 3);
        m_pVerdict->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        pLayout->addWidget(m_pVerdict);
        m_pChart = new CareerChart(this);
        pLayout->addWidget(m_pChart, 1);
        QDialogButtonBox* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
        QPushButton* pPosition = pButtons->addButton("Change &Position...", QDialogButtonBox::ActionRole);
        QPushButton* pEdit = pButtons->addButton("&Edit Player...", QDialogButtonBox::ActionRole);
        pLayout->addWidget(pButtons);
        connect(pButtons, &QDialogButtonBox::accepted, this, &QDialog::accept);
        connect(pPosition, &QPushButton::clicked, this, [this] {
            Show_Change_Position(this, m_nTeam, m_nPlayer);
            Show(m_nPlayer);
        });
        connect(pEdit, &QPushButton::clicked, this, [this] {
            int nID = Get_Player_Vital_Stat(m_nTeam, m_nPlayer, VS_PLAYER_ID);
            Show_Edit_Player(this, m_nTeam, m_nPlayer);
            // The editor may have moved, copied or deleted him: the window closes with him gone.
            TNUM nTeamNow;
            PNUM nNow;
            if (!Find_Player_ID(nID, &nTeamNow, &nNow) || nTeamNow != m_nTeam) {
                accept();
                return;
            }
            Show(nNow);
        });
        connect(m_pPlayers, &QComboBox::currentIndexChanged, this,
                [this](int nIndex) { Show((PNUM)m_pPlayers->itemData(nIndex).toInt()); });
        Show(nPlayer);
        resize(std::max(sizeHint().width(), 560), std::max(sizeHint().height(), 520));
    }

  private:
    void Show(PNUM nPlayer) {
        m_nPlayer = nPlayer;
        Select_Player(m_nTeam, nPlayer);
        int nIndex = m_pPlayers->findData((int)nPlayer);
        if (nIndex >= 0 && nIndex != m_pPlayers->currentIndex()) {
            QSignalBlocker block(m_pPlayers);
            m_pPlayers->setCurrentIndex(nIndex);
        }
        m_pPlayers->setVisible(m_pPlayers->count() > 1);
        char szPosition[TEXT_SIZE], szTeam[TEXT_SIZE];
        Get_Position_Name(Get_Player_Vital_Stat(m_nTeam, nPlayer, VS_POSITION), szPosition);
        Get_Team_Label(m_nTeam, szTeam);
        setWindowTitle(Full_Name(m_nTeam, nPlayer));
        m_pHeading->setText(QString("%1, %2 (%3)").arg(Full_Name(m_nTeam, nPlayer), Text(szPosition), Text(szTeam)));
        for (int nColumn = 0; nColumn < CARD_COLUMNS; nColumn++)
            for (int nRow = 0; nRow < CARD_ROWS; nRow++) {
                char szCell[TEXT_SIZE];
                Get_Player_Card_Text(nColumn, nRow, m_nTeam, nPlayer, szCell);
                m_apCells[nColumn][nRow]->setText(Text(szCell));
            }
        char szVerdict[NEWS_TEXT_SIZE];
        Get_Scouting_Report(m_nTeam, nPlayer, (TNUM)Get_Game_State(GS_USER_TEAM), szVerdict);
        m_pVerdict->setText(Text(szVerdict));
        m_pVerdict->setVisible(m_nTeam != HALL_OF_FAME_TEAM);
        m_pChart->Show_Player(m_nTeam, nPlayer);
    }
    TNUM m_nTeam;
    PNUM m_nPlayer = NO_PLAYER;
    QComboBox* m_pPlayers;
    QLabel* m_pHeading;
    QLabel* m_apCells[CARD_COLUMNS][CARD_ROWS];
    QLabel* m_pVerdict;
    CareerChart* m_pChart;
};

int Run_Player_Card(QWidget* pOwner) {
    TNUM nTeam;
    PNUM nPlayer;
    if (!Menu_Player(&nTeam, &nPlayer)) return DIALOG_CANCELLED;
    return Show_Player_Card(pOwner, nTeam, nPlayer);
}

int Run_Change_Position(QWidget* pOwner) {
    TNUM nTeam;
    PNUM nPlayer;
    if (!Menu_Player(&nTeam, &nPlayer)) return DIALOG_CANCELLED;
    return Show_Change_Position(pOwner, nTeam, nPlayer);
}

int Run_Edit_Player(QWidget* pOwner) {
    TNUM nTeam;
    PNUM nPlayer;
    if (!Menu_Player(&nTeam, &nPlayer)) return DIALOG_CANCELLED;
    return Show_Edit_Player(pOwner, nTeam, nPlayer);
}

// The editor's fields from a form, and back.
struct EditorFields {
    QLineEdit* apEdit[NUMBER_OF_EDITOR_FIELDS];
    QComboBox* pPosition;
    void Fill(const EditPlayerForm& form) {
        for (int nField = 0; nField < NUMBER_OF_EDITOR_FIELDS; nField++) apEdit[nField]->setText(Text(form.aszField[nField]));
        pPosition->setCurrentIndex(form.nPosition);
    }
    void Read(EditPlayerForm* pForm) const {
        for (int nField = 0; nField < NUMBER_OF_EDITOR_FIELDS; nField++)
            Copy_Field(pForm->aszField[nField], TEXT_SIZE, apEdit[nField]->text().toUtf8().constData());
        pForm->nPosition = pPosition->currentIndex();
    }
};
}  // namespace

void Select_Player(TNUM nTeam, PNUM nPlayer) {
    g_nSelectedTeam = nTeam;
    g_nSelectedPlayer = nPlayer;
}

bool Selected_Player(TNUM* pTeam, PNUM* pPlayer) {
    *pTeam = g_nSelectedTeam;
    *pPlayer = g_nSelectedPlayer;
    return g_nSelectedTeam != NO_TEAM && Is_Valid_Player(g_nSelectedTeam, g_nSelectedPlayer);
}

int Show_Player_Card(QWidget* pOwner, TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return DIALOG_CANCELLED;
    PlayerCard card(pOwner, nTeam, nPlayer);
    return Dialog_Result(card.exec());
}

int Show_Change_Position(QWidget* pOwner, TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return DIALOG_CANCELLED;
    Select_Player(nTeam, nPlayer);
    QDialog dialog(pOwner);
    dialog.setObjectName("ChangePosition");
    dialog.setWindowTitle(QString("Change Position: %1").arg(Full_Name(nTeam, nPlayer)));
    QVBoxLayout* pLayout = new QVBoxLayout(&dialog);
    QHBoxLayout* pRow = new QHBoxLayout;
    QListWidget* pList = new QListWidget(&dialog);
    pList->setObjectName("Positions");
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) {
        char szName[TEXT_SIZE];
        Get_Position_Name(nPosition, szName);
        pList->addItem(Text(szName));
    }
    pList->setMinimumWidth(pList->sizeHintForColumn(0) + 2 * pList->frameWidth() + 24);
    pList->setMinimumHeight(pList->sizeHintForRow(0) * NUMBER_OF_POSITIONS + 2 * pList->frameWidth());
    pList->setMaximumWidth(pList->minimumWidth());
    pRow->addWidget(pList);
    int nOwn = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    QLabel* apNow[RATINGS_PER_POSITION];
    QLabel* apThen[RATINGS_PER_POSITION];
    QGridLayout* pRatings = new QGridLayout;
    char szOwn[TEXT_SIZE];
    Get_Position_Name(nOwn, szOwn);
    QLabel* pNowHeading = new QLabel(QString("As %1").arg(Text(szOwn)), &dialog);
    QLabel* pThenHeading = new QLabel(&dialog);
    pThenHeading->setObjectName("ChosenHeading");
    QFont bold = pNowHeading->font();
    bold.setBold(true);
    pNowHeading->setFont(bold);
    pThenHeading->setFont(bold);
    pRatings->addWidget(pNowHeading, 0, 0);
    pRatings->addWidget(pThenHeading, 0, 1);
    for (int nSlot = 0; nSlot < RATINGS_PER_POSITION; nSlot++) {
        char szNow[TEXT_SIZE];
        Position_Rating_Text(nTeam, nPlayer, nOwn, nSlot, szNow);
        apNow[nSlot] = new QLabel(Text(szNow), &dialog);
        apThen[nSlot] = new QLabel(&dialog);
        apNow[nSlot]->setObjectName(QString("Now%1").arg(nSlot));
        apThen[nSlot]->setObjectName(QString("Chosen%1").arg(nSlot));
        pRatings->addWidget(apNow[nSlot], nSlot + 1, 0);
        pRatings->addWidget(apThen[nSlot], nSlot + 1, 1);
    }
    pRatings->setHorizontalSpacing(24);
    pRatings->setRowStretch(RATINGS_PER_POSITION + 1, 1);
    pRatings->setColumnStretch(2, 1);  // the two columns side by side, however wide the window
    // The widest rating line must not be cut when the choice changes.
    int nWidest = 0;
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++)
        for (int nSlot = 0; nSlot < RATINGS_PER_POSITION; nSlot++)
            nWidest = std::max(nWidest, pNowHeading->fontMetrics().horizontalAdvance(
                                            QString("%1: 100").arg(Text(Rating_Name(Position_Rating_Code(nPosition, nSlot))))));
    pRatings->setColumnMinimumWidth(0, nWidest);
    pRatings->setColumnMinimumWidth(1, std::max(nWidest, bold.pointSize() > 0 ? QFontMetrics(bold).horizontalAdvance("As Defensive Tackle") : 0));
    pRow->addLayout(pRatings, 1);
    pLayout->addLayout(pRow, 1);
    QDialogButtonBox* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    pLayout->addWidget(pButtons);
    auto refresh = [=](int nPosition) {
        char szName[TEXT_SIZE];
        Get_Position_Name(nPosition, szName);
        pThenHeading->setText(QString("As %1").arg(Text(szName)));
        for (int nSlot = 0; nSlot < RATINGS_PER_POSITION; nSlot++) {
            char szThen[TEXT_SIZE];
            Position_Rating_Text(nTeam, nPlayer, nPosition, nSlot, szThen);
            apThen[nSlot]->setText(Text(szThen));
        }
    };
    QObject::connect(pList, &QListWidget::currentRowChanged, &dialog, refresh);
    pList->setCurrentRow(nOwn);
    refresh(nOwn);
    QObject::connect(pButtons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, [&dialog, pList, nTeam, nPlayer, nOwn] {
        int nChosen = pList->currentRow();
        if (nChosen == nOwn) {
            dialog.reject();  // nothing to convert
            return;
        }
        if (Convert_Player_Position(nTeam, nPlayer, nChosen)) dialog.accept();
    });
    return Dialog_Result(dialog.exec());
}

int Show_Edit_Player(QWidget* pOwner, TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return DIALOG_CANCELLED;
    QDialog dialog(pOwner);
    dialog.setObjectName("EditPlayer");
    EditPlayerForm form;
    EditorFields fields;
    QVBoxLayout* pLayout = new QVBoxLayout(&dialog);
    QFormLayout* pForm = new QFormLayout;
    pForm->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);  // a big window gets no yard-wide boxes
    fields.pPosition = new QComboBox(&dialog);
    fields.pPosition->setObjectName("Position");
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) {
        char szName[TEXT_SIZE];
        Get_Position_Name(nPosition, szName);
        fields.pPosition->addItem(Text(szName));
    }
    for (int nField = 0; nField < NUMBER_OF_EDITOR_FIELDS; nField++) {
        QLineEdit* pEdit = new QLineEdit(&dialog);
        pEdit->setObjectName(QString("Field%1").arg(nField));
        pEdit->setMaxLength(TEXT_SIZE - 1);
        fields.apEdit[nField] = pEdit;
        pForm->addRow(Text(Editor_Field_Label(nField)), pEdit);
        if (nField == EDIT_LAST_NAME) pForm->addRow("Position", fields.pPosition);
    }
    pLayout->addLayout(pForm);
    QHBoxLayout* pActions = new QHBoxLayout;
    QPushButton* pDelete = new QPushButton("&Delete", &dialog);
    QPushButton* pCopy = new QPushButton("C&opy", &dialog);
    QPushButton* pClear = new QPushButton("C&lear Stats", &dialog);
    for (QPushButton* pButton : {pDelete, pCopy, pClear}) {
        pButton->setAutoDefault(false);
        pActions->addWidget(pButton);
    }
    pActions->addStretch(1);
    pLayout->addLayout(pActions);
    pLayout->addStretch(1);
    QDialogButtonBox* pButtons = Ok_Cancel_Help(&dialog, "editplayer");
    pLayout->addWidget(pButtons);
    auto open = [&](PNUM p) {
        Open_Edit_Player_Form(nTeam, p, &form);
        fields.Fill(form);
        dialog.setWindowTitle(QString("Edit Player: %1").arg(Full_Name(nTeam, p)));
        Select_Player(nTeam, p);
    };
    open(nPlayer);
    // OK writes the form, or keeps the window open after the core's message.
    QObject::disconnect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, [&] {
        fields.Read(&form);
        if (Apply_Edit_Player_Form(&form)) {
            Select_Player(nTeam, form.nPlayer);
            dialog.accept();
        } else {
            fields.pPosition->setCurrentIndex(form.nPosition);
        }
    });
    QObject::connect(pDelete, &QPushButton::clicked, &dialog, [&] {
        if (Delete_Player_Asked(nTeam, form.nPlayer)) {
            Select_Player(NO_TEAM, NO_PLAYER);
            dialog.accept();
        }
    });
    QObject::connect(pClear, &QPushButton::clicked, &dialog, [&] { Clear_Statistics_Asked(nTeam, form.nPlayer); });
    QObject::connect(pCopy, &QPushButton::clicked, &dialog, [&] {
        PNUM nCopy = Copy_Player_Edited(nTeam, form.nPlayer);
        if (nCopy != NO_PLAYER) open(nCopy);
    });
    // Names as long as the record keeps them; the figures need less.
    int nNameWidth = fields.apEdit[0]->fontMetrics().averageCharWidth() * (LAST_NAME_WIDTH + 4);
    for (int nField = 0; nField < NUMBER_OF_EDITOR_FIELDS; nField++)
        fields.apEdit[nField]->setMinimumWidth(nField <= EDIT_LAST_NAME ? nNameWidth : nNameWidth / 2);
    fields.pPosition->setMinimumWidth(nNameWidth / 2);
    return Dialog_Result(dialog.exec());
}

void Register_Player_Windows() {
    Register_Dialog(DIALOG_PLAYER_CARD, Run_Player_Card);
    Register_Dialog(DIALOG_CHANGE_POSITION, Run_Change_Position);
    Register_Dialog(DIALOG_EDIT_PLAYER, Run_Edit_Player);
}
