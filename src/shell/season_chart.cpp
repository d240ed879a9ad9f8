#include "shell/season_chart.h"

#include <QPainter>
#include <QPolygon>
#include <QWidget>
#include <algorithm>

#include "platform/page_layout.h"
#include "shell/drawing.h"

void Draw_Season_Chart(QWidget& widget, const std::vector<SeasonColumn>& columns, const SeasonChartLook& look) {
    QPainter painter(&widget);
    PageDevice device{&painter, widget.width(), widget.height()};
    const int W = LOGICAL_PAGE_WIDTH, H = LOGICAL_PAGE_HEIGHT;
    const int LEFT = 20, RIGHT = W - 20, TOP = look.nTop, BOTTOM = H - 70;
    Fill_Rectangle(device, 0, 0, W, H, QColor(18, 52, 30));
    QFont font = widget.font();
    // Readable, never shouting: the chart grows, its texts hardly.
    font.setPixelSize(std::clamp(widget.height() / 14, 10, 16));
    QFont small = font;
    small.setPixelSize(std::max(8, font.pixelSize() - 2));
    small.setBold(false);
    font.setBold(true);
    const int TEXT = TEXT_SINGLE_LINE | TEXT_VCENTER | TEXT_SHRINK;
    if (columns.empty()) {
        Draw_Page_Text(device, look.szEmpty, 0, 0, W, H, TEXT | TEXT_CENTER, font, look.point);
        return;
    }
    Draw_Page_Text(device, look.szBarTitle, LEFT, 8, W / 2, 56, TEXT, font, look.barTitle);
    Draw_Page_Text(device, look.szPointTitle, W / 2, 8, RIGHT, 56, TEXT | TEXT_RIGHT, font, look.point);
    int64_t nSpan = std::max<int64_t>(1, look.nBarHigh - look.nBarLow);
    auto Bar_Y = [&](int64_t n) { return TOP + (int)((int64_t)(BOTTOM - TOP) * (look.nBarHigh - n) / nSpan); };
    int nZero = Bar_Y(0);
    Fill_Rectangle(device, LEFT, nZero, RIGHT, nZero + 2, QColor(120, 150, 120));
    int nCount = (int)columns.size(), nStep = (RIGHT - LEFT) / nCount;
    int nPointHigh = std::max(1, look.nPointHigh);
    QPolygon line;
    std::vector<int> anPointTop(nCount);
    // Every year when they fit; otherwise every second or third, from the last one back.
    int nLabelEvery = std::max(1, (nCount * 60 + (RIGHT - LEFT) - 1) / (RIGHT - LEFT));
    auto Labelled = [&](int i) { return (nCount - 1 - i) % nLabelEvery == 0; };
    for (int i = 0; i < nCount; i++) {
        const SeasonColumn& column = columns[i];
        int nMiddle = LEFT + i * nStep + nStep / 2, nHalf = look.bSlimBars ? std::min(nStep / 3, 40) : nStep / 3;
        int x0 = nMiddle - nHalf, x1 = nMiddle + nHalf;
        int y = Bar_Y(column.nBar);
        Fill_Rectangle(device, x0, std::min(y, nZero), x1, std::max(y, nZero) + 1, column.bar);
        int yPoint = BOTTOM - (int)((int64_t)(BOTTOM - TOP) * std::max(0, column.nPoint) / nPointHigh);
        line << Scale_Rect(widget.width(), widget.height(), nMiddle, yPoint, nMiddle, yPoint).topLeft();
        anPointTop[i] = std::max(look.nPointTextTop, yPoint - 36);  // the count over its point
        if (Labelled(i))
            Draw_Page_Text(device, QString::number(column.nYear), LEFT + i * nStep - 20, BOTTOM + 10,
                           LEFT + (i + 1) * nStep + 20, H - 10, TEXT | TEXT_CENTER, font, look.point);
    }
    if (!look.szBarHigh.isEmpty())
        Draw_Page_Text(device, look.szBarHigh, LEFT, 56, W / 2, 92, TEXT | TEXT_SHADOW, small, look.barTitle);
    if (!look.szBarLow.isEmpty())
        Draw_Page_Text(device, look.szBarLow, W / 2, 56, RIGHT, 92, TEXT | TEXT_RIGHT | TEXT_SHADOW, small, look.barLow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(look.point, std::max(2, widget.height() / std::max(1, look.nLineWidthDivisor))));
    painter.drawPolyline(line);
    painter.setBrush(look.point);
    for (const QPoint& point : line) painter.drawEllipse(point, 3, 3);
    for (int i = 0; i < nCount; i++)
        if (look.bCountEveryPoint || Labelled(i))
            Draw_Page_Text(device, QString::number(columns[i].nPoint), LEFT + i * nStep, anPointTop[i],
                           LEFT + (i + 1) * nStep, anPointTop[i] + 28, TEXT | TEXT_CENTER | TEXT_SHADOW, small,
                           look.point);
}
