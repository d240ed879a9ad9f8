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
    QDialogButtonBox* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    pLayout->addWidget(pButtons);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(pTeams, &QComboBox::currentIndexChanged, &dialog,
                     [pList, &apAverages](int nIndex) { Fill((TNUM)nIndex, pList, apAverages); });
    pTeams->setCurrentIndex(History_First_Team());
    Fill(History_First_Team(), pList, apAverages);
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}
} // namespace

void Register_History_Dialog() {
    Register_Dialog(DIALOG_HISTORY, Run_History);
}
