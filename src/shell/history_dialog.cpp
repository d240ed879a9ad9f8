// The team History dialog: a season a line, then the averages.
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "database/text_format.h"
#include "reports/team_history.h"
#include "shell/dialogs.h"
#include "shell/season_pages.h"

namespace {
// Tab stops of the list in dialog units (a quarter of the average character width).
const int TAB_STOPS[] = {25, 70, 115, 148, 182};
constexpr int HISTORY_COLUMNS = 6;

void Fill(TNUM nTeam, QTreeWidget* pList, QLabel* const* apAverages) {
    TeamHistory history;
    Fill_Team_History(nTeam, &history);
    pList->clear();
    for (int i = 0; i < history.nSeasons; i++) {
        QStringList fields = QString::fromUtf8(history.aszLines[i]).split('\t');
        fields.removeLast(); // the text after the last tab
        pList->addTopLevelItem(new QTreeWidgetItem(fields));
    }
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
    pList->setHeaderHidden(true);
    pList->setRootIsDecorated(false);
    int nUnit = QFontMetrics(pList->font()).averageCharWidth();
    for (int i = 0; i + 1 < (int)std::size(TAB_STOPS); i++)
        pList->setColumnWidth(i + 1, (TAB_STOPS[i + 1] - TAB_STOPS[i]) * nUnit / 4);
    pList->setColumnWidth(0, TAB_STOPS[0] * nUnit / 4);
    pList->setMinimumWidth(TAB_STOPS[4] * nUnit / 4 + 30 * nUnit);
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
