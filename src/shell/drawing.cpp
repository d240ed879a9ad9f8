#include "shell/drawing.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

#include "base/random.h"
#include "platform/page_layout.h"

namespace {
QFont g_aFonts[NUMBER_OF_PAGE_FONTS];
int g_nFontWidth = 0, g_nFontHeight = 0;
bool g_bFontsMade = false;
PageTextWatcher g_TextWatcher;

int Qt_Flags(int nFlags) {
    int nQt = nFlags & TEXT_CENTER ? Qt::AlignHCenter : nFlags & TEXT_RIGHT ? Qt::AlignRight : Qt::AlignLeft;
    if (nFlags & TEXT_SINGLE_LINE)
        nQt |= Qt::TextSingleLine | (nFlags & TEXT_VCENTER ? Qt::AlignVCenter : Qt::AlignTop);
    else
        nQt |= Qt::AlignTop;
    if (nFlags & TEXT_WORD_BREAK) nQt |= Qt::TextWordWrap;
    return nQt;
}

// Single lines may be taller than a tight row without harm; wrapped ones may not.
bool Fits(const QFont& font, const QString& szText, const QRect& box, int nFlags) {
    QRect needed = QFontMetrics(font).boundingRect(box, Qt_Flags(nFlags), szText);
    if (needed.width() > box.width()) return false;
    return (nFlags & TEXT_SINGLE_LINE) || needed.height() <= box.height();
}
}  // namespace

QRect Scale_Rect(int nWidth, int nHeight, int nLeft, int nTop, int nRight, int nBottom) {
    int x0 = Scale_X(nLeft, nWidth), y0 = Scale_Y(nTop, nHeight);
    return QRect(x0, y0, Scale_X(nRight, nWidth) - x0, Scale_Y(nBottom, nHeight) - y0);
}

QString Page_Font_Family(const char* szFace) {
    QString szName = QString::fromUtf8(szFace);
    if (szName == "Times New Roman") return "Liberation Serif";
    if (szName == "Courier New") return "Liberation Mono";
    return "Liberation Sans";
}

QFont Make_Page_Font(int nIndex, int nWindowWidth, int nWindowHeight) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_PAGE_FONTS) return QApplication::font();
    QFont font(Page_Font_Family(Page_Font_Face(nIndex)));
    font.setPixelSize(Max(1, Page_Font_Height(nIndex, nWindowWidth, nWindowHeight)));
    font.setWeight(QFont::Bold);
    return font;
}

void Rebuild_Fonts(int nWindowWidth, int nWindowHeight) {
    if (g_bFontsMade && nWindowWidth == g_nFontWidth && nWindowHeight == g_nFontHeight) return;
    for (int i = 0; i < NUMBER_OF_PAGE_FONTS; i++) g_aFonts[i] = Make_Page_Font(i, nWindowWidth, nWindowHeight);
    g_nFontWidth = nWindowWidth;
    g_nFontHeight = nWindowHeight;
    g_bFontsMade = true;
}

QFont Page_Font(int nIndex) {
    if (nIndex < 0 || nIndex >= NUMBER_OF_PAGE_FONTS) return QApplication::font();
    if (!g_bFontsMade) Rebuild_Fonts(LOGICAL_PAGE_WIDTH, LOGICAL_PAGE_HEIGHT);
    return g_aFonts[nIndex];
}

void Fill_Rectangle(const PageDevice& device, int nLeft, int nTop, int nRight, int nBottom, QColor colour) {
    device.pPainter->fillRect(Scale_Rect(device.nWidth, device.nHeight, nLeft, nTop, nRight, nBottom), colour);
}

void Draw_Page_Text(const PageDevice& device, const QString& szText, int nLeft, int nTop, int nRight, int nBottom,
                    int nFlags, int nFont, QColor colour) {
    Draw_Page_Text(device, szText, nLeft, nTop, nRight, nBottom, nFlags, Page_Font(nFont), colour);
}

QFont Fitting_Font(const QFont& font, const QString& szText, const QRect& box, int nFlags) {
    QFont fitting = font;
    int nSize = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
    while (nSize > 1 && !Fits(fitting, szText, box, nFlags)) fitting.setPixelSize(--nSize);
    return fitting;
}

void Draw_Page_Text(const PageDevice& device, const QString& szText, int nLeft, int nTop, int nRight, int nBottom,
                    int nFlags, const QFont& font, QColor colour) {
    QPainter& painter = *device.pPainter;
    QRect box = Scale_Rect(device.nWidth, device.nHeight, nLeft, nTop, nRight, nBottom);
    int nQt = Qt_Flags(nFlags);
    QPoint offset(Max(1, Scale_X(1, device.nWidth)), Max(1, Scale_Y(1, device.nHeight)));
    painter.save();
    if (nFlags & TEXT_SHRINK) {
        // The shadow must stay inside the box as well.
        if (nFlags & TEXT_SHADOW) box.adjust(0, 0, -offset.x(), -offset.y());
        painter.setFont(Fitting_Font(font, szText, box, nFlags));
    } else {
        painter.setFont(font);
    }
    if ((nFlags & TEXT_VCENTER) && !(nFlags & TEXT_SINGLE_LINE)) {
        QRect needed = painter.fontMetrics().boundingRect(box, nQt, szText);
        box.translate(0, (box.height() - needed.height()) / 2);
    }
    if (nFlags & TEXT_SHADOW) {
        painter.setPen(Qt::black);
        painter.drawText(box.translated(offset), nQt, szText);
    }
    painter.setPen(colour);
    painter.drawText(box, nQt, szText);
    if (g_TextWatcher) g_TextWatcher(szText, box, painter.font(), nFlags);
    painter.restore();
}

QFont Column_Font(const PageDevice& device, const QFont& font, const QStringList& texts, int nLeft, int nRight,
                  int nRowHeight, int nFlags) {
    QRect box = Scale_Rect(device.nWidth, device.nHeight, nLeft, 0, nRight, nRowHeight);
    if (nFlags & TEXT_SHADOW)
        box.adjust(0, 0, -Max(1, Scale_X(1, device.nWidth)), -Max(1, Scale_Y(1, device.nHeight)));
    QFont column = font;
    for (const QString& szText : texts) {
        QFont fitting = Fitting_Font(column, szText, box, nFlags);
        if (fitting.pixelSize() < column.pixelSize()) column = fitting;
    }
    return column;
}

void Watch_Page_Text(PageTextWatcher watcher) { g_TextWatcher = std::move(watcher); }
