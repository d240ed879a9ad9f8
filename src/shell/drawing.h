// Page drawing in logical units: rectangles scaled to the page's pixel size,
// the ten page fonts, filled rectangles and text with shadow and centring.
#pragma once
#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <functional>

class QPainter;

// A page being drawn: the painter and the page's size in pixels.
struct PageDevice {
    QPainter* pPainter;
    int nWidth;
    int nHeight;
};

// Logical left, top, right, bottom to pixels of a page of nWidth x nHeight.
QRect Scale_Rect(int nWidth, int nHeight, int nLeft, int nTop, int nRight, int nBottom);

// Fonts follow the main window's outer size; rebuilt when it changes.
void Rebuild_Fonts(int nWindowWidth, int nWindowHeight);
QFont Page_Font(int nIndex);  // the application font for a bad index
QFont Make_Page_Font(int nIndex, int nWindowWidth, int nWindowHeight);
QString Page_Font_Family(const char* szFace);  // the Liberation family standing in for a face

void Fill_Rectangle(const PageDevice& device, int nLeft, int nTop, int nRight, int nBottom, QColor colour);

// Text flags.
enum {
    TEXT_LEFT = 0,
    TEXT_CENTER = 1,
    TEXT_RIGHT = 2,
    TEXT_VCENTER = 4,
    TEXT_SINGLE_LINE = 8,
    TEXT_WORD_BREAK = 16,
    TEXT_SHADOW = 32,  // black copy one unit right and down first
    TEXT_SHRINK = 64,  // a smaller font when the text is wider or taller than its box
};
const QColor SHADOW_TEXT_COLOUR(255, 255, 191);

void Draw_Page_Text(const PageDevice& device, const QString& szText, int nLeft, int nTop, int nRight, int nBottom,
                    int nFlags, int nFont, QColor colour);
// The font, font itself or a smaller size of it, in which szText laid out by
// the TEXT_* flags fits box (down to one pixel, where nothing else can help).
QFont Fitting_Font(const QFont& font, const QString& szText, const QRect& box, int nFlags);
void Draw_Page_Text(const PageDevice& device, const QString& szText, int nLeft, int nTop, int nRight, int nBottom,
                    int nFlags, const QFont& font, QColor colour);

// One font for a whole column: the page font, or the one size in which the
// widest of szTexts fits the column's box (cells of one column never mix sizes).
QFont Column_Font(const PageDevice& device, const QFont& font, const QStringList& texts, int nLeft, int nRight,
                  int nRowHeight, int nFlags);

// Every text a page draws, with its box in pixels and the font it got, for
// whoever watches the layout (one watcher; none by default).
typedef std::function<void(const QString& szText, const QRect& box, const QFont& font, int nFlags)> PageTextWatcher;
void Watch_Page_Text(PageTextWatcher watcher);
