// The team History dialog: a season a line, then the averages.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "database/text_format.h"
#include "reports/team_history.h"
#include "shell/dialogs.h"
#include "shell/season_chart.h"
#include "shell/season_pages.h"

namespace {
// Tab stops of the list in dialog units (a quarter of the average character width).
const int TAB_STOPS[] = {25, 70, 115, 148, 182};
constexpr int HISTORY_COLUMNS = 6;
const char* const HEADINGS[HISTORY_COLUMNS] = {"Year", "Attendance", "Profit", "Record", "Rank", "Outcome"};

// The tab stops are the narrowest a column gets: a losing season's
// "-$12,345,678" or a long outcome widens its column, never cut.
void Fit_Columns(QTreeWidget* pList) {
    int nUnit = QFontMetrics(pList->font()).averageCharWidth();
    int nTotal = 0;
    for (int i = 0; i < HISTORY_COLUMNS; i++) {
        int nStop = i == 0 ? TAB_STOPS[0] : i < (int)std::size(TAB_STOPS) ? TAB_STOPS[i] - TAB_STOPS[i - 1] : 30 * 4;
        pList->resizeColumnToContents(i);  // the heading and every line
        int nWidth = std::max(nStop * nUnit / 4, pList->columnWidth(i));
        pList->setColumnWidth(i, nWidth);
        nTotal += nWidth;
    }
    int nFrame = 2 * pList->frameWidth() + pList->verticalScrollBar()->sizeHint().width();
    pList->setMinimumWidth(std::max(pList->minimumWidth(), nTotal + nFrame));
}

QString Money(int nDollars) {
    char szText[DIALOG_TEXT];
    Money_Text(nDollars, szText);
    return QString::fromUtf8(szText);
}

// The seasons as the page painter draws them: a bar of profit or loss a year
// about the zero line, the wins as a line across them, the years below.
class HistoryChartView : public QWidget {
  public:
    explicit HistoryChartView(QWidget* pParent) : QWidget(pParent) {
        setObjectName("HistoryChart");
        setMinimumSize(380, 200);
    }
    void Show_Team(TNUM nTeam) {
        Fill_History_Chart(nTeam, &m_Chart);
        update();
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        const QColor PROFIT(230, 180, 40), LOSS(215, 70, 55), WINS(235, 235, 235);
        const HistoryChart& chart = m_Chart;
        std::vector<SeasonColumn> columns;
        for (int i = 0; i < chart.nSeasons; i++)
            columns.push_back({chart.anYear[i], chart.anProfit[i], chart.anWins[i], chart.anProfit[i] < 0 ? LOSS : PROFIT});
        SeasonChartLook look{};
        look.szEmpty = "No completed seasons yet.";
        look.szBarTitle = "Profit by year";
        look.szPointTitle = "Wins";
        look.barTitle = PROFIT;
        look.point = WINS;
        look.nBarHigh = chart.nHighProfit;
        look.nBarLow = chart.nLowProfit;
        look.nPointHigh = chart.nMostGames;
        // The scale's top figure sits at 56..92: the wins' counts start below it.
        look.nTop = 128;
        look.nPointTextTop = 92;
        look.nLineWidthDivisor = 200;
        look.bSlimBars = true;
        look.szBarHigh = Money(chart.nHighProfit);
        if (chart.nLowProfit < 0) look.szBarLow = Money(chart.nLowProfit);
        look.barLow = LOSS;
        Draw_Season_Chart(*this, columns, look);
    }

  private:
    HistoryChart m_Chart{};
};

void Fill(TNUM nTeam, QTreeWidget* pList, QLabel* const* apAverages) {
    TeamHistory history;
    Fill_Team_History(nTeam, &history);
    pList->clear();
    for (int i = 0; i < history.nSeasons; i++) {
        QStringList fields = QString::fromUtf8(history.aszLines[i]).split('\t');
        fields.removeLast(); // the text after the last tab
        QTreeWidgetItem* pItem = new QTreeWidgetItem(fields);
        // Money and counts line up on the right, as on the pages.
        for (int nColumn : {1, 2}) pItem->setTextAlignment(nColumn, Qt::AlignRight | Qt::AlignVCenter);
        pList->addTopLevelItem(pItem);
    }
    Fit_Columns(pList);
    const char* aszAverages[] = {history.szAttendance, history.szProfit, history.szRecord, history.szRank};
    for (int i = 0; i < 4; i++)
        apAverages[i]->setText(QString::fromUtf8(aszAverages[i]));
}

int Run_History(QWidget* pOwner) {
    QDialog dialog(pOwner);
    dialog.setWindowTitle("History");
    QVBoxLayout* pLayout = new QVBoxLayout(&dialog);
    QComboBox* pTeams = new QComboBox(&dialog);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        char szLabel[TEXT_SIZE];
        Get_Team_Label(nTeam, szLabel);
        pTeams->addItem(QString::fromUtf8(szLabel));
    }
    pLayout->addWidget(pTeams);
    QTreeWidget* pList = new QTreeWidget(&dialog);
    pList->setColumnCount(HISTORY_COLUMNS);
    QStringList headings;
    for (const char* szHeading : HEADINGS) headings << szHeading;
    pList->setHeaderLabels(headings);
    pList->setRootIsDecorated(false);
    pList->header()->setStretchLastSection(true);
    pLayout->addWidget(pList);
    QLabel* apAverages[4];
    for (QLabel*& pLabel : apAverages) {
        pLabel = new QLabel(&dialog);
        pLayout->addWidget(pLabel);
    }
    HistoryChartView* pChart = new HistoryChartView(&dialog);
    pLayout->addWidget(pChart, 1);
    QDialogButtonBox* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    pLayout->addWidget(pButtons);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pTeams, &QComboBox::currentIndexChanged, &dialog,
                     [pList, pChart, &apAverages](int nIndex) {
                         Fill((TNUM)nIndex, pList, apAverages);
                         pChart->Show_Team((TNUM)nIndex);
                     });
    pTeams->setCurrentIndex(History_First_Team());
    Fill(History_First_Team(), pList, apAverages);
    pChart->Show_Team(History_First_Team());
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}
} // namespace

void Register_History_Dialog() {
    Register_Dialog(DIALOG_HISTORY, Run_History);
}
