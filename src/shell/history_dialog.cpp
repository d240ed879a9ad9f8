// The team History dialog: a season a line, then the averages.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QTreeWidget>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "database/text_format.h"
#include "platform/page_layout.h"
#include "reports/team_history.h"
#include "shell/dialogs.h"
#include "shell/drawing.h"
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
        QPainter painter(this);
        PageDevice device{&painter, width(), height()};
        const int W = LOGICAL_PAGE_WIDTH, H = LOGICAL_PAGE_HEIGHT;
        // The scale's top figure sits at 56..92: the wins' counts start below it.
        const int LEFT = 20, RIGHT = W - 20, TOP = 128, BOTTOM = H - 70, SCALE_BOTTOM = 92;
        Fill_Rectangle(device, 0, 0, W, H, QColor(18, 52, 30));
        QFont font = this->font();
        // Readable, never shouting: the chart grows, its texts hardly.
        font.setPixelSize(std::clamp(height() / 14, 10, 16));
        QFont small = font;
        small.setPixelSize(std::max(8, font.pixelSize() - 2));
        font.setBold(true);
        const QColor PROFIT(230, 180, 40), LOSS(215, 70, 55), WINS(235, 235, 235);
        const int TEXT = TEXT_SINGLE_LINE | TEXT_VCENTER | TEXT_SHRINK;
        const HistoryChart& chart = m_Chart;
        if (chart.nSeasons == 0) {
            Draw_Page_Text(device, "No completed seasons yet.", 0, 0, W, H, TEXT | TEXT_CENTER, font, WINS);
            return;
        }
        Draw_Page_Text(device, "Profit by year", LEFT, 8, W / 2, 56, TEXT, font, PROFIT);
        Draw_Page_Text(device, "Wins", W / 2, 8, RIGHT, 56, TEXT | TEXT_RIGHT, font, WINS);
        int64_t nSpan = (int64_t)chart.nHighProfit - chart.nLowProfit;
        if (nSpan == 0) nSpan = 1;
        auto Money_Y = [&](int nDollars) {
            return TOP + (int)((int64_t)(BOTTOM - TOP) * (chart.nHighProfit - (int64_t)nDollars) / nSpan);
        };
        int nZero = Money_Y(0);
        Fill_Rectangle(device, LEFT, nZero, RIGHT, nZero + 2, QColor(120, 150, 120));
        int nCount = chart.nSeasons, nStep = (RIGHT - LEFT) / nCount;
        QPolygon winLine;
        std::vector<int> anWinTop(nCount);
        // Every year when they fit; otherwise every second or third, from the last one back.
        int nLabelEvery = std::max(1, (nCount * 60 + (RIGHT - LEFT) - 1) / (RIGHT - LEFT));
        for (int i = 0; i < nCount; i++) {
            // A lone season's bar stays a bar, leaving the wins' line in the open.
            int nMiddle = LEFT + i * nStep + nStep / 2, nHalf = std::min(nStep / 3, 40);
            int x0 = nMiddle - nHalf, x1 = nMiddle + nHalf;
            int y = Money_Y(chart.anProfit[i]);
            Fill_Rectangle(device, x0, std::min(y, nZero), x1, std::max(y, nZero) + 1,
                           chart.anProfit[i] < 0 ? LOSS : PROFIT);
            int yWins = BOTTOM - (BOTTOM - TOP) * chart.anWins[i] / chart.nMostGames;
            winLine << Scale_Rect(width(), height(), (x0 + x1) / 2, yWins, (x0 + x1) / 2, yWins).topLeft();
            anWinTop[i] = std::max(SCALE_BOTTOM, yWins - 36);  // the count over its point
            if ((nCount - 1 - i) % nLabelEvery == 0)
                Draw_Page_Text(device, QString::number(chart.anYear[i]), LEFT + i * nStep - 20, BOTTOM + 10,
                               LEFT + (i + 1) * nStep + 20, H - 10, TEXT | TEXT_CENTER, font, WINS);
        }
        // The scale's ends, small, under the titles where no bar reaches.
        Draw_Page_Text(device, Money(chart.nHighProfit), LEFT, 56, W / 2, SCALE_BOTTOM, TEXT | TEXT_SHADOW, small, PROFIT);
        if (chart.nLowProfit < 0)
            Draw_Page_Text(device, Money(chart.nLowProfit), W / 2, 56, RIGHT, SCALE_BOTTOM,
                           TEXT | TEXT_RIGHT | TEXT_SHADOW, small, LOSS);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(WINS, std::max(2, height() / 200)));
        painter.drawPolyline(winLine);
        painter.setBrush(WINS);
        for (const QPoint& point : winLine) painter.drawEllipse(point, 3, 3);
        // Only every labelled year's count once the seasons crowd.
        for (int i = 0; i < nCount; i++)
            if ((nCount - 1 - i) % nLabelEvery == 0)
                Draw_Page_Text(device, QString::number(chart.anWins[i]), LEFT + i * nStep, anWinTop[i],
                               LEFT + (i + 1) * nStep, anWinTop[i] + 28, TEXT | TEXT_CENTER | TEXT_SHADOW, small,
                               WINS);
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
