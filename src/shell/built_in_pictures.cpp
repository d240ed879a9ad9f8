// The two pictures that ship inside the program: the page shown when no page
// is chosen, and the tile of the window background.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "platform/page_layout.h"
#include "shell/drawing.h"
#include "shell/picture_store.h"

// Drawn at twice the page size so that it stays sharp on large windows.
QImage Built_In_Logo() {
    static QImage logo;
    if (!logo.isNull()) return logo;
    const int nWidth = 2 * LOGICAL_PAGE_WIDTH, nHeight = 2 * LOGICAL_PAGE_HEIGHT;
    QImage image(nWidth, nHeight, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PageDevice device = {&painter, nWidth, nHeight};

    QLinearGradient turf(0, 0, 0, nHeight);
    turf.setColorAt(0, QColor(24, 74, 40));
    turf.setColorAt(1, QColor(12, 44, 24));
    painter.fillRect(image.rect(), turf);
    for (int x = 38; x < LOGICAL_PAGE_WIDTH; x += 56) Fill_Rectangle(device, x, 0, x + 2, 438, QColor(58, 110, 72));
    for (int x = 38; x + 56 < LOGICAL_PAGE_WIDTH; x += 56)
        for (int i = 1; i < 5; i++) {
            int xHash = x + 11 * i;
            Fill_Rectangle(device, xHash, 150, xHash + 1, 158, QColor(58, 110, 72));
            Fill_Rectangle(device, xHash, 280, xHash + 1, 288, QColor(58, 110, 72));
        }

    // The ball: two arcs and the laces.
    QRect ball = Scale_Rect(nWidth, nHeight, 268, 64, 368, 124);
    QPainterPath path;
    path.moveTo(ball.left(), ball.center().y());
    path.quadTo(ball.center().x(), ball.top() - ball.height() / 2, ball.right(), ball.center().y());
    path.quadTo(ball.center().x(), ball.bottom() + ball.height() / 2, ball.left(), ball.center().y());
    painter.setPen(QPen(QColor(40, 20, 8), 4));
    painter.setBrush(QColor(140, 70, 30));
    painter.drawPath(path);
    painter.setPen(QPen(QColor(245, 240, 225), 4));
    painter.drawLine(ball.center().x() - 30, ball.center().y(), ball.center().x() + 30, ball.center().y());
    for (int i = -2; i <= 2; i++)
        painter.drawLine(ball.center().x() + 12 * i, ball.center().y() - 8, ball.center().x() + 12 * i,
                         ball.center().y() + 8);

    Draw_Page_Text(device, "BRAKVELL", 0, 140, 636, 250, TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHADOW,
                   Make_Page_Font(9, nWidth, nHeight), QColor(245, 240, 225));
    Fill_Rectangle(device, 168, 250, 468, 253, QColor(200, 160, 60));
    Draw_Page_Text(device, "Professional Football Management", 0, 258, 636, 300,
                   TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHADOW, Make_Page_Font(4, nWidth, nHeight),
                   QColor(200, 200, 200));
    Draw_Page_Text(device, "Halvercorn", 0, 380, 636, 420, TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLE_LINE,
                   Make_Page_Font(2, nWidth, nHeight), QColor(150, 190, 160));
    painter.end();
    logo = image;
    return logo;
}

QImage Built_In_Pattern() {
    static QImage pattern;
    if (!pattern.isNull()) return pattern;
    QImage image(32, 32, QImage::Format_RGB888);
    image.fill(QColor(192, 191, 240));
    QPainter painter(&image);
    painter.setPen(QColor(176, 175, 228));
    painter.drawLine(0, 31, 31, 0);
    painter.drawLine(0, 15, 15, 0);
    painter.drawLine(16, 31, 31, 16);
    painter.end();
    pattern = image;
    return pattern;
}
