#include "shell/player_table.h"

#include <QAbstractTableModel>
#include <QDropEvent>
#include <QFont>
#include <QHeaderView>
#include <QScrollBar>

#include "personnel/ratings.h"

namespace {
PlayerOpener g_pOpenPlayer = nullptr;

// The columns whose first click should show the best first.
bool Best_First(int nColumn) {
    return nColumn == COLUMN_OVERALL || (nColumn >= COLUMN_KEY_RATING && nColumn < COLUMN_VALUE) ||
           nColumn == COLUMN_VALUE || nColumn == COLUMN_SALARY || nColumn == COLUMN_INJURY ||
           nColumn == COLUMN_SCOUT_SCORE;
}
bool Text_Column(int nColumn) {
    return nColumn == COLUMN_NAME || nColumn == COLUMN_DEPTH || nColumn == COLUMN_POSITION || nColumn == COLUMN_INJURY ||
           nColumn == COLUMN_TEAM || nColumn == COLUMN_CLASS || nColumn == COLUMN_COLLEGE;
}
QVariant Alignment(int nColumn) {
    return QVariant::fromValue(Text_Column(nColumn) ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignRight | Qt::AlignVCenter);
}
}  // namespace

void Set_Player_Opener(PlayerOpener pOpen) { g_pOpenPlayer = pOpen; }

class PlayerTableModel : public QAbstractTableModel {
  public:
    using QAbstractTableModel::QAbstractTableModel;
    std::vector<PlayerRow> rows;
    int nSortColumn = -1;
    bool bDescending = false;
    bool bDrag = false;
    QColor starterGround;

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : (int)rows.size(); }
    int columnCount(const QModelIndex& parent = {}) const override {
        return parent.isValid() ? 0 : NUMBER_OF_PLAYER_COLUMNS;
    }
    // A key-rating column is named when every row has the same rating there.
    int Shared_Rating(int nColumn) const {
        int nShared = -1;
        for (const PlayerRow& row : rows) {
            int nRating = Player_Column_Rating(nColumn, row.nPosition);
            if (nShared >= 0 && nRating != nShared) return 0;
            nShared = nRating;
        }
        return nShared > 0 ? nShared : 0;
    }
    QVariant headerData(int nSection, Qt::Orientation orientation, int nRole) const override {
        if (orientation != Qt::Horizontal) return {};
        int nRating = Shared_Rating(nSection);
        if (nRole == Qt::DisplayRole) return nRating ? Rating_Name(nRating) : Player_Column_Heading(nSection);
        if (nRole == Qt::ToolTipRole && nSection >= COLUMN_KEY_RATING && nSection < COLUMN_VALUE && !nRating)
            return QString("A rating of the player's position (point at a figure for its name)");
        if (nRole == Qt::TextAlignmentRole) return Alignment(nSection);
        return {};
    }
    QVariant data(const QModelIndex& index, int nRole) const override {
        if (!index.isValid() || index.row() >= (int)rows.size()) return {};
        const PlayerRow& row = rows[index.row()];
        int nColumn = index.column();
        switch (nRole) {
        case Qt::DisplayRole:
            return QString::fromUtf8(row.aszText[nColumn]);
        case Qt::TextAlignmentRole:
            return Alignment(nColumn);
        case Qt::FontRole:
            if (row.bStarter) {
                QFont font;
                font.setBold(true);
                return font;
            }
            return {};
        case Qt::BackgroundRole:
            return row.bStarter ? QVariant(starterGround) : QVariant();
        case Qt::ToolTipRole:
            if (int nRating = Player_Column_Rating(nColumn, row.nPosition)) return QString(Rating_Name(nRating));
            if (nColumn == COLUMN_DEPTH && row.bStarter) return QString("Starter");
            return {};
        default:
            return {};
        }
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags flags = QAbstractTableModel::flags(index);
        if (bDrag && index.isValid()) flags |= Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled;
        return flags;
    }
    Qt::DropActions supportedDropActions() const override { return Qt::MoveAction | Qt::CopyAction; }
    void Sort() {
        if (nSortColumn >= 0) Sort_Player_Rows(rows, nSortColumn, bDescending);
    }
    void Replace(std::vector<PlayerRow> newRows) {
        beginResetModel();
        rows = std::move(newRows);
        Sort();
        endResetModel();
    }
    void Sort_By(int nColumn, bool bDown) {
        emit layoutAboutToBeChanged();
        nSortColumn = nColumn;
        bDescending = bDown;
        Sort();
        emit layoutChanged();
    }
};

PlayerTable::PlayerTable(QWidget* pParent) : QTableView(pParent), m_pModel(new PlayerTableModel(this)) {
    setModel(m_pModel);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setAlternatingRowColors(true);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this](int nColumn) {
        bool bDescending = nColumn == m_pModel->nSortColumn ? !m_pModel->bDescending : Best_First(nColumn);
        Sort_By(nColumn, bDescending);
    });
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& index) {
        const PlayerRow* pRow = Row_At(index.row());
        if (!pRow) return;
        TNUM nTeam = pRow->nTeam;
        PNUM nSlot = pRow->nSlot;
        emit Player_Activated(nTeam, nSlot);
        if (g_pOpenPlayer && m_bOpensCard) g_pOpenPlayer(window(), nTeam, nSlot);
    });
    for (int nColumn = COLUMN_TEAM; nColumn < NUMBER_OF_PLAYER_COLUMNS; nColumn++) setColumnHidden(nColumn, true);
    Tint_Starters();
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { emit Selected_Player_Changed(); });
}

// A fifth of the selection colour over the ground: marked in light and dark themes alike.
void PlayerTable::Tint_Starters() {
    QColor base = palette().color(QPalette::Base), mark = palette().color(QPalette::Highlight);
    m_pModel->starterGround = QColor((base.red() * 4 + mark.red()) / 5, (base.green() * 4 + mark.green()) / 5,
                                     (base.blue() * 4 + mark.blue()) / 5);
}

void PlayerTable::changeEvent(QEvent* pEvent) {
    QTableView::changeEvent(pEvent);
    if (pEvent->type() == QEvent::PaletteChange) Tint_Starters();
}

void PlayerTable::Set_Rows(std::vector<PlayerRow> rows) {
    const PlayerRow* pSelected = Selected_Row();
    TNUM nTeam = pSelected ? pSelected->nTeam : NO_TEAM;
    PNUM nSlot = pSelected ? pSelected->nSlot : NO_PLAYER;
    m_pModel->Replace(std::move(rows));
    // A rating slot that no listed position has is no column at all (kickers have four).
    for (int nColumn = COLUMN_KEY_RATING; nColumn < COLUMN_VALUE; nColumn++) {
        bool bUsed = false;
        for (const PlayerRow& row : m_pModel->rows) bUsed |= Player_Column_Rating(nColumn, row.nPosition) != 0;
        setColumnHidden(nColumn, !m_bRatings || (!bUsed && !m_pModel->rows.empty()));
    }
    if (nSlot != NO_PLAYER) Select_Player(nTeam, nSlot);
}

void PlayerTable::Sort_By(int nColumn, bool bDescending) {
    const PlayerRow* pSelected = Selected_Row();
    TNUM nTeam = pSelected ? pSelected->nTeam : NO_TEAM;
    PNUM nSlot = pSelected ? pSelected->nSlot : NO_PLAYER;
    m_pModel->Sort_By(nColumn, bDescending);
    horizontalHeader()->setSortIndicator(nColumn, bDescending ? Qt::DescendingOrder : Qt::AscendingOrder);
    if (nSlot != NO_PLAYER) Select_Player(nTeam, nSlot);
}

int PlayerTable::Sort_Column() const { return m_pModel->nSortColumn; }

const PlayerRow* PlayerTable::Row_At(int nRow) const {
    return nRow >= 0 && nRow < (int)m_pModel->rows.size() ? &m_pModel->rows[nRow] : nullptr;
}

int PlayerTable::Row_Count() const { return (int)m_pModel->rows.size(); }

const PlayerRow* PlayerTable::Selected_Row() const {
    QModelIndexList selected = selectionModel()->selectedRows();
    return selected.isEmpty() ? nullptr : Row_At(selected.first().row());
}

void PlayerTable::Select_Player(TNUM nTeam, PNUM nSlot) {
    for (int i = 0; i < Row_Count(); i++)
        if (m_pModel->rows[i].nTeam == nTeam && m_pModel->rows[i].nSlot == nSlot) {
            selectRow(i);
            scrollTo(m_pModel->index(i, 0));
            return;
        }
    clearSelection();
}

void PlayerTable::Show_Column(int nColumn, bool bShow) {
    if (nColumn >= COLUMN_KEY_RATING && nColumn < COLUMN_VALUE) m_bRatings = bShow;
    setColumnHidden(nColumn, !bShow);
}

void PlayerTable::Enable_Depth_Drag(bool bEnable) {
    m_pModel->bDrag = bEnable;
    setDragEnabled(bEnable);
    setAcceptDrops(bEnable);
    setDropIndicatorShown(bEnable);
    setDragDropMode(bEnable ? QAbstractItemView::DragDrop : QAbstractItemView::NoDragDrop);
    setDefaultDropAction(Qt::CopyAction);
}

void PlayerTable::Open_Card_On_Double_Click(bool bOpen) { m_bOpensCard = bOpen; }

int PlayerTable::Fit_Columns() {
    // A stretched last column keeps its stretched width: measure it unstretched.
    bool bStretch = horizontalHeader()->stretchLastSection();
    horizontalHeader()->setStretchLastSection(false);
    resizeColumnsToContents();  // the headings' hints leave room for the sort arrow
    int nWidth = 0;
    for (int nColumn = 0; nColumn < NUMBER_OF_PLAYER_COLUMNS; nColumn++)
        if (!isColumnHidden(nColumn)) nWidth += columnWidth(nColumn);
    horizontalHeader()->setStretchLastSection(bStretch);
    // A few pixels to spare: the header rounds its sections, and one pixel short brings a scroll bar.
    return nWidth + 2 * frameWidth() + verticalScrollBar()->sizeHint().width() + 4;
}

// A row dragged within the table is a depth change, never a copy of the row:
// the window is told and rebuilds the rows from the roster.
void PlayerTable::dragEnterEvent(QDragEnterEvent* pEvent) {
    if (pEvent->source() != this) return pEvent->ignore();
    const PlayerRow* pRow = Selected_Row();
    m_nDragSlot = pRow ? pRow->nSlot : NO_PLAYER;
    pEvent->setDropAction(Qt::CopyAction);
    pEvent->accept();
}

void PlayerTable::dragMoveEvent(QDragMoveEvent* pEvent) {
    QTableView::dragMoveEvent(pEvent);
    const PlayerRow* pFrom = Selected_Row();
    const PlayerRow* pTo = Row_At(indexAt(pEvent->position().toPoint()).row());
    // Only onto another player of his position.
    if (pEvent->source() == this && pFrom && pTo && pTo->nPosition == pFrom->nPosition && pTo->nSlot != pFrom->nSlot) {
        pEvent->setDropAction(Qt::CopyAction);
        pEvent->accept();
    } else {
        pEvent->ignore();
    }
}

void PlayerTable::dropEvent(QDropEvent* pEvent) {
    const PlayerRow* pTo = Row_At(indexAt(pEvent->position().toPoint()).row());
    int nFrom = m_nDragSlot;
    m_nDragSlot = NO_PLAYER;
    pEvent->setDropAction(Qt::CopyAction);
    pEvent->accept();
    stopAutoScroll();
    setState(NoState);
    viewport()->update();
    if (pTo && nFrom != NO_PLAYER && pEvent->source() == this) emit Player_Dropped(nFrom, pTo->nSlot);
}
