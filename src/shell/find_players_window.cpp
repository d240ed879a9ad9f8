// Find Players: the criteria the search window was last closed with, a
// Search button that lists the players who meet them in the player table
// (double-click opens the card), and OK keeping the criteria for next time.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QRegularExpressionValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "database/player.h"
#include "personnel/player_search.h"
#include "personnel/ratings.h"
#include "shell/dialog_widgets.h"
#include "shell/dialogs.h"
#include "shell/player_table.h"
#include "shell/player_windows.h"

namespace {
class FindPlayersWindow : public QDialog {
  public:
    explicit FindPlayersWindow(QWidget* pOwner);
    void accept() override;

  private:
    SearchCriteria m_Criteria;
    QComboBox* m_pPosition;
    QLineEdit* m_pAge;
    QLineEdit* m_pSalary;
    QLineEdit* m_pName;
    QLabel* m_apRatingLabel[RATINGS_PER_POSITION];
    QLineEdit* m_apMinimum[RATINGS_PER_POSITION];
    PlayerTable* m_pTable;
    QLabel* m_pCount;
    bool Read_Fields();
    void Refresh_Rating_Names();
    void Search();
};

QLineEdit* Number_Box(int nValue, int nHighest, const char* szName, QWidget* pParent) {
    QLineEdit* pBox = new QLineEdit(QString::number(nValue), pParent);
    pBox->setObjectName(szName);
    // Digits only as typed; the range is checked, with a message, on Search and OK.
    pBox->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), pBox));
    pBox->setMaxLength(QString::number(nHighest).size() + 1);
    pBox->setMaximumWidth(pBox->fontMetrics().horizontalAdvance(QString(8, '0')) + 12);
    return pBox;
}

FindPlayersWindow::FindPlayersWindow(QWidget* pOwner) : QDialog(pOwner), m_Criteria(Stored_Search_Criteria()) {
    setWindowTitle("Find Players");
    setObjectName("FindPlayers");
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    QHBoxLayout* pTop = new QHBoxLayout;

    QGroupBox* pWho = new QGroupBox("Search For", this);
    QFormLayout* pForm = new QFormLayout(pWho);
    m_pPosition = new QComboBox(pWho);
    m_pPosition->setObjectName("Position");
    for (int nPosition = 0; nPosition <= POS_ANY; nPosition++)
        m_pPosition->addItem(QString::fromStdString(Search_Position_Text(nPosition)), nPosition);
    m_pPosition->setCurrentIndex(m_Criteria.nPosition);
    pForm->addRow("&Position:", m_pPosition);
    m_pAge = Number_Box(m_Criteria.nAgeLimit, 100, "Age", pWho);
    pForm->addRow("&Younger than:", m_pAge);
    m_pSalary = Number_Box(m_Criteria.nSalaryLimit, 100000, "Salary", pWho);
    pForm->addRow("&Salary up to ($000):", m_pSalary);
    m_pName = new QLineEdit(QString::fromUtf8(m_Criteria.szName), pWho);
    m_pName->setObjectName("Name");
    m_pName->setMaxLength(SEARCH_NAME_WIDTH - 1);
    pForm->addRow("&Name contains:", m_pName);
    pTop->addWidget(pWho);

    QGroupBox* pRatings = new QGroupBox("Least Ratings", this);
    QFormLayout* pRatingForm = new QFormLayout(pRatings);
    for (int i = 0; i < RATINGS_PER_POSITION; i++) {
        m_apRatingLabel[i] = new QLabel(pRatings);
        m_apMinimum[i] = Number_Box(m_Criteria.anMinimum[i], 100, ("Minimum" + std::to_string(i + 1)).c_str(), pRatings);
        m_apRatingLabel[i]->setBuddy(m_apMinimum[i]);
        pRatingForm->addRow(m_apRatingLabel[i], m_apMinimum[i]);
    }
    pTop->addWidget(pRatings);
    QVBoxLayout* pSide = new QVBoxLayout;
    QPushButton* pSearch = new QPushButton("Sea&rch", this);
    pSearch->setAutoDefault(false);
    pSide->addWidget(pSearch);
    pSide->addStretch(1);
    pTop->addLayout(pSide);
    pLayout->addLayout(pTop);

    m_pTable = new PlayerTable(this);
    m_pTable->setObjectName("Players");
    m_pTable->Show_Column(COLUMN_DEPTH, false);
    m_pTable->Show_Column(COLUMN_TEAM, true);
    m_pTable->Show_Column(COLUMN_CONTRACT, false);
    pLayout->addWidget(m_pTable, 1);
    m_pCount = new QLabel(this);
    pLayout->addWidget(m_pCount);
    pLayout->addWidget(Ok_Cancel_Help(this, "findplayers"));

    connect(m_pPosition, &QComboBox::currentIndexChanged, this, [this] { Refresh_Rating_Names(); });
    connect(pSearch, &QPushButton::clicked, this, [this] { Search(); });
    connect(m_pTable, &PlayerTable::Selected_Player_Changed, this, [this] {
        if (const PlayerRow* pRow = m_pTable->Selected_Row()) Select_Player(pRow->nTeam, pRow->nSlot);
    });
    Refresh_Rating_Names();
    // Room for every column of a long list without a sideways scroll bar.
    std::vector<PlayerRow> sample = Get_Player_Rows(0);
    m_pTable->Set_Rows(sample);
    m_pTable->setMinimumWidth(m_pTable->Fit_Columns());
    m_pTable->Set_Rows({});
    m_pTable->setMinimumHeight(m_pTable->horizontalHeader()->sizeHint().height() +
                               10 * m_pTable->verticalHeader()->defaultSectionSize());
}

void FindPlayersWindow::Refresh_Rating_Names() {
    int nPosition = m_pPosition->currentData().toInt();
    // "Any Player" asks for no ratings, and a slot the position lacks has no name.
    for (int i = 0; i < RATINGS_PER_POSITION; i++) {
        int nCode = nPosition == POS_ANY ? 0 : Position_Rating_Code(nPosition, i);
        m_apRatingLabel[i]->setText(nCode ? QString("&%1:").arg(Rating_Name(nCode)) : QString("Rating %1:").arg(i + 1));
        m_apMinimum[i]->setEnabled(nCode != 0);
    }
}

bool FindPlayersWindow::Read_Fields() {
    QByteArray age = m_pAge->text().toUtf8(), salary = m_pSalary->text().toUtf8(), aMinimum[RATINGS_PER_POSITION];
    const char* aszMinimum[RATINGS_PER_POSITION];
    for (int i = 0; i < RATINGS_PER_POSITION; i++) {
        aMinimum[i] = m_apMinimum[i]->text().toUtf8();
        aszMinimum[i] = aMinimum[i].constData();
    }
    SearchCriteria criteria = m_Criteria;
    std::string szMessage;
    if (!Read_Search_Fields(age.constData(), salary.constData(), aszMinimum, &criteria, &szMessage)) {
        QMessageBox::warning(this, "Find Players", QString::fromStdString(szMessage));
        return false;
    }
    criteria.nPosition = m_pPosition->currentData().toInt();
    QByteArray name = m_pName->text().toUtf8().left(SEARCH_NAME_WIDTH - 1);
    Copy_Field(criteria.szName, SEARCH_NAME_WIDTH, name.constData());
    m_Criteria = criteria;
    return true;
}

void FindPlayersWindow::Search() {
    if (!Read_Fields()) return;
    std::vector<PlayerRow> rows;
    for (const FoundPlayer& found : Search_For_Players(m_Criteria)) {
        rows.emplace_back();
        Get_Player_Row(found.nTeam, found.nSlot, &rows.back());
    }
    m_pTable->Set_Rows(std::move(rows));
    // The window widens, if it must, to show every column of what was found whole.
    m_pTable->setMinimumWidth(std::max(m_pTable->minimumWidth(), m_pTable->Fit_Columns()));
    int nFound = m_pTable->Row_Count();
    m_pCount->setText(nFound == FOUND_PLAYERS_LIMIT ? QString("The first %1 players found.").arg(nFound)
                                                    : QString("Players found: %1").arg(nFound));
}

void FindPlayersWindow::accept() {
    if (!Read_Fields()) return;
    Store_Search_Criteria(m_Criteria);
    QDialog::accept();
}

int Run_Find_Players(QWidget* pOwner) {
    FindPlayersWindow window(pOwner);
    return Dialog_Result(window.exec());
}
}  // namespace

void Register_Find_Players_Window() { Register_Dialog(DIALOG_FIND_PLAYERS, Run_Find_Players); }
