// The players' Hall Of Fame: the inducted members as a table that sorts by
// any column, in slot order when it opens. Double-clicking a member opens
// his scouting window.
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "halloffame/inductees.h"
#include "shell/dialogs.h"
#include "shell/player_windows.h"

namespace {
enum { COLUMN_NAME, COLUMN_POSITION, COLUMN_YEAR, COLUMN_VOTES, INDUCTEE_COLUMNS };
const char* const HEADINGS[INDUCTEE_COLUMNS] = {"Name", "Pos", "Inducted", "Votes"};
// Tab stops in dialog units (a quarter of the average character width).
const int TAB_STOPS[INDUCTEE_COLUMNS - 1] = {96, 128, 160};
constexpr int SORT_KEY = Qt::UserRole;
constexpr int SLOT_KEY = Qt::UserRole + 1;  // in the name column

// Years and votes sort as numbers, "100%" after "85%".
class InducteeItem : public QTreeWidgetItem {
  public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        int nColumn = treeWidget() ? treeWidget()->sortColumn() : 0;
        QVariant key = data(nColumn, SORT_KEY), otherKey = other.data(nColumn, SORT_KEY);
        if (key.isValid() && otherKey.isValid()) return key.toInt() < otherKey.toInt();
        return QString::localeAwareCompare(text(nColumn), other.text(nColumn)) < 0;
    }
};

void Fit_Columns(QTreeWidget* pList) {
    int nUnit = QFontMetrics(pList->font()).averageCharWidth();
    int nTotal = 0;
    for (int i = 0; i < INDUCTEE_COLUMNS; i++) {
        int nStop = i == 0 ? TAB_STOPS[0] : i < INDUCTEE_COLUMNS - 1 ? TAB_STOPS[i] - TAB_STOPS[i - 1] : 32;
        pList->resizeColumnToContents(i);
        int nWidth = std::max(nStop * nUnit / 4, pList->columnWidth(i));
        pList->setColumnWidth(i, nWidth);
        nTotal += nWidth;
    }
    int nFrame = 2 * pList->frameWidth() + pList->verticalScrollBar()->sizeHint().width();
    pList->setMinimumWidth(nTotal + nFrame);
}

int Run_Hall_Of_Fame(QWidget* pOwner) {
    QDialog dialog(pOwner);
    dialog.setWindowTitle("Hall Of Fame");
    dialog.setObjectName("HallOfFame");
    QVBoxLayout* pLayout = new QVBoxLayout(&dialog);
    QTreeWidget* pList = new QTreeWidget(&dialog);
    pList->setColumnCount(INDUCTEE_COLUMNS);
    QStringList headings;
    for (const char* szHeading : HEADINGS)
        headings << szHeading;
    pList->setHeaderLabels(headings);
    pList->setRootIsDecorated(false);
    pList->header()->setStretchLastSection(true);
    for (const InducteeLine& line : Hall_Of_Fame_Inductees(true)) {
        InducteeItem* pItem = new InducteeItem(
            QStringList{QString::fromUtf8(line.szName), QString::fromUtf8(line.szPosition),
                        QString::number(line.nYearInducted), QString::fromUtf8(line.szVotes)});
        pItem->setData(COLUMN_NAME, SLOT_KEY, (int)line.nSlot);
        pItem->setData(COLUMN_POSITION, SORT_KEY, line.nPosition);
        pItem->setData(COLUMN_YEAR, SORT_KEY, line.nYearInducted);
        pItem->setData(COLUMN_VOTES, SORT_KEY, line.nVotes);
        pList->addTopLevelItem(pItem);
    }
    // Sorting starts only when a heading is clicked: the hall opens in slot order.
    pList->header()->setSortIndicatorShown(true);
    pList->header()->setSectionsClickable(true);
    QObject::connect(pList->header(), &QHeaderView::sectionClicked, pList, [pList](int nColumn) {
        pList->sortItems(nColumn, pList->header()->sortIndicatorOrder());
    });
    pList->header()->setSortIndicator(-1, Qt::AscendingOrder);
    QObject::connect(pList, &QTreeWidget::itemDoubleClicked, &dialog, [&dialog](QTreeWidgetItem* pItem) {
        Show_Player_Card(&dialog, HALL_OF_FAME_TEAM, (PNUM)pItem->data(COLUMN_NAME, SLOT_KEY).toInt());
    });
    Fit_Columns(pList);
    pLayout->addWidget(pList);
    QDialogButtonBox* pButtons = new QDialogButtonBox(QDialogButtonBox::Ok, &dialog);
    pLayout->addWidget(pButtons);
    QObject::connect(pButtons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    return dialog.exec() == QDialog::Accepted ? 1 : 0;
}
} // namespace

void Register_Hall_Of_Fame_Dialog() {
    Register_Dialog(DIALOG_HALL_OF_FAME, Run_Hall_Of_Fame);
}
