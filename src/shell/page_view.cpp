#include "shell/page_view.h"

#include <QMap>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "base/random.h"
#include "commands/game_commands.h"
#include "database/league_database.h"
#include "platform/page_layout.h"
#include "shell/picture_store.h"
#include "shell/qt_platform.h"

namespace {
struct PageHandlers {
    PageDrawer pDraw = nullptr;
    PagePointer pPointer = nullptr;
};
QMap<int, PageHandlers> g_Pages;
QMap<int, PageOpener> g_Openers;
QMap<int, PageWheel> g_Wheels;
constexpr int WHEEL_NOTCH = 120;  // eighths of a degree
const QColor LIGHT_BRUSH(192, 191, 240);
}  // namespace

void Register_Page(int nPage, PageDrawer pDraw, PagePointer pPointer) { g_Pages[nPage] = {pDraw, pPointer}; }
bool Page_Registered(int nPage) { return g_Pages.contains(nPage); }
void Register_Page_Opener(int nPage, PageOpener pOpen) { g_Openers[nPage] = pOpen; }
void Register_Page_Wheel(int nPage, PageWheel pWheel) { g_Wheels[nPage] = pWheel; }

PageView::PageView(QWidget* pParent) : QWidget(pParent) {
    setMinimumSize(LOGICAL_PAGE_WIDTH, LOGICAL_PAGE_HEIGHT);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize PageView::sizeHint() const { return QSize(LOGICAL_PAGE_WIDTH, LOGICAL_PAGE_HEIGHT); }

int PageView::Current_Page() const { return Get_Game_State(GS_CURRENT_PAGE); }

void PageView::Show_Page(int nPage) {
    Set_Game_State(GS_CURRENT_PAGE, nPage);
    if (PageOpener pOpen = g_Openers.value(nPage)) pOpen();
    Forget_Page();
    emit Page_Shown(nPage);
}

void PageView::Forget_Page() {
    m_bComposed = false;
    update();
}

void PageView::Compose() {
    int nWidth = Max(1, width()), nHeight = Max(1, height());
    if (m_Composed.size() != QSize(nWidth, nHeight)) m_Composed = QPixmap(nWidth, nHeight);
    QPainter painter(&m_Composed);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PageDevice device = {&painter, nWidth, nHeight};
    int nPage = Current_Page();
    PageHandlers handlers = g_Pages.value(nPage);
    const char* szBackground = Page_Background(nPage);
    if (!g_Pages.contains(nPage)) szBackground = Page_Background(PAGE_NONE);  // nobody draws it yet: the logo
    painter.fillRect(m_Composed.rect(), LIGHT_BRUSH);
    if (szBackground) {
        const QImage& background = Page_Background_Picture(szBackground);
        if (!background.isNull()) painter.drawImage(m_Composed.rect(), background);
    }
    if (handlers.pDraw) {
        Set_Page_Painter(&painter, nWidth, nHeight);
        handlers.pDraw(device);
        Set_Page_Painter(nullptr, 0, 0);
    }
    m_bComposed = true;
}

void PageView::paintEvent(QPaintEvent*) {
    if (!m_bComposed || m_Composed.size() != size()) Compose();
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_Composed);
}

void PageView::resizeEvent(QResizeEvent*) { m_bComposed = false; }

void PageView::Pointer(QMouseEvent* pEvent, int nKind) {
    PagePointer pPointer = g_Pages.value(Current_Page()).pPointer;
    if (!pPointer || width() <= 0 || height() <= 0) return;
    QPoint at = pEvent->position().toPoint();
    int nCursor = pPointer(Ratio(at.x(), LOGICAL_PAGE_WIDTH, width()), Ratio(at.y(), LOGICAL_PAGE_HEIGHT, height()),
                          nKind);
    setCursor(nCursor == 0 ? Qt::ArrowCursor : Qt::PointingHandCursor);
}

void PageView::mouseMoveEvent(QMouseEvent* pEvent) { Pointer(pEvent, POINTER_MOVE); }

void PageView::mousePressEvent(QMouseEvent* pEvent) {
    if (pEvent->button() == Qt::LeftButton) Pointer(pEvent, POINTER_CLICK);
    if (pEvent->button() == Qt::RightButton) Pointer(pEvent, POINTER_RIGHT_CLICK);
}

void PageView::mouseDoubleClickEvent(QMouseEvent* pEvent) {
    if (pEvent->button() == Qt::LeftButton) Pointer(pEvent, POINTER_DOUBLE_CLICK);
}

void PageView::wheelEvent(QWheelEvent* pEvent) {
    PageWheel pWheel = g_Wheels.value(Current_Page());
    if (!pWheel || width() <= 0 || height() <= 0) {
        pEvent->ignore();
        return;
    }
    // Wheel up (a positive angle) reads earlier lines.
    m_nWheelAngle -= pEvent->angleDelta().y();
    int nNotches = m_nWheelAngle / WHEEL_NOTCH;
    m_nWheelAngle -= nNotches * WHEEL_NOTCH;
    pEvent->accept();
    if (nNotches == 0) return;
    QPoint at = pEvent->position().toPoint();
    pWheel(Ratio(at.x(), LOGICAL_PAGE_WIDTH, width()), Ratio(at.y(), LOGICAL_PAGE_HEIGHT, height()), nNotches);
}
