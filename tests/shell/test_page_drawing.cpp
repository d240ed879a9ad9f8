// Page drawing: scaled rectangles, fonts by window size, shadowed and centred text.
#include <QPainter>
#include <QTest>

#include "platform/page_layout.h"
#include "shell/drawing.h"

namespace {
bool Close_To(QColor a, QColor b) {
    return qAbs(a.red() - b.red()) < 60 && qAbs(a.green() - b.green()) < 60 && qAbs(a.blue() - b.blue()) < 60;
}

// The rows of an image that hold any pixel close to the colour.
QPair<int, int> Rows_With(const QImage& image, QColor colour) {
    int nFirst = -1, nLast = -1;
    for (int y = 0; y < image.height(); y++)
        for (int x = 0; x < image.width(); x++)
            if (Close_To(image.pixelColor(x, y), colour)) {
                if (nFirst < 0) nFirst = y;
                nLast = y;
                break;
            }
    return {nFirst, nLast};
}

QImage Draw(int nWidth, int nHeight, const QString& szText, int nFlags, int nFont = 3) {
    QImage image(nWidth, nHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    PageDevice device = {&painter, nWidth, nHeight};
    Draw_Page_Text(device, szText, 0, 0, LOGICAL_PAGE_WIDTH, LOGICAL_PAGE_HEIGHT, nFlags, nFont, QColor(255, 0, 0));
    return image;
}

// The smallest rectangle holding every pixel that is not white; null for none.
QRect Inked(const QImage& image) {
    QRect inked;
    for (int y = 0; y < image.height(); y++)
        for (int x = 0; x < image.width(); x++)
            if (image.pixelColor(x, y) != QColor(Qt::white)) inked |= QRect(x, y, 1, 1);
    return inked;
}

// A narrow box like a money column or a heading cell.
constexpr int BOX_LEFT = 162, BOX_TOP = 71, BOX_RIGHT = 220, BOX_BOTTOM = 96;

QImage Blank(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// Drawn without any clipping, so the ink shows the text's full extent: on its
// own line, or wrapped at the box's width.
QRect Unclipped_Ink(QSize size, const QFont& font, const QString& szText, const QRect& box, bool bWrap) {
    QImage image = Blank(size);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    if (bWrap)
        painter.drawText(QRect(box.left(), box.top(), box.width(), size.height() - box.top()),
                         Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap | Qt::TextDontClip, szText);
    else
        painter.drawText(QPoint(box.left(), box.top() + QFontMetrics(font).ascent()), szText);
    painter.end();
    return Inked(image);
}

QRect Page_Text_Ink(QSize size, const QString& szText, int nRight, int nFlags) {
    QImage image = Blank(size);
    QPainter painter(&image);
    PageDevice device = {&painter, size.width(), size.height()};
    Draw_Page_Text(device, szText, BOX_LEFT, BOX_TOP, nRight, BOX_BOTTOM, nFlags, 2, Qt::black);
    painter.end();
    return Inked(image);
}
}  // namespace

class PageDrawingTest : public QObject {
    Q_OBJECT
  private slots:
    void Rectangles_Scale_With_The_Page() {
        QCOMPARE(Scale_Rect(636, 438, 10, 20, 110, 70), QRect(10, 20, 100, 50));
        QCOMPARE(Scale_Rect(1272, 876, 10, 20, 110, 70), QRect(20, 40, 200, 100));
        QImage image(1272, 876, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        Fill_Rectangle({&painter, 1272, 876}, 300, 200, 336, 238, QColor(0, 0, 255));
        painter.end();
        QCOMPARE(image.pixelColor(600, 400), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(671, 475), QColor(0, 0, 255));
        QCOMPARE(image.pixelColor(672, 476), QColor(Qt::white));
        QCOMPARE(image.pixelColor(599, 399), QColor(Qt::white));
    }

    void Fonts_Follow_The_Window_And_Stand_In_For_The_Faces() {
        Rebuild_Fonts(636, 438);
        QCOMPARE(Page_Font(6).pixelSize(), 36);
        QCOMPARE(Page_Font(6).family(), QString("Liberation Serif"));
        QCOMPARE(Page_Font(7).family(), QString("Liberation Mono"));
        QCOMPARE(Page_Font(0).family(), QString("Liberation Sans"));
        QVERIFY(Page_Font(0).bold());
        Rebuild_Fonts(1272, 876);
        QCOMPARE(Page_Font(6).pixelSize(), 72);
        Rebuild_Fonts(700, 1400);  // narrower than tall: by width
        QCOMPARE(Page_Font(9).pixelSize(), 48 * 700 / 636);
        Rebuild_Fonts(636, 438);
    }

    void Shadow_Lies_One_Unit_Right_And_Down() {
        // Capitals with flat feet, so that both copies end on a sharp row.
        QImage plain = Draw(636, 438, "HELL", TEXT_SHADOW);
        QPair<int, int> red = Rows_With(plain, QColor(255, 0, 0));
        QPair<int, int> black = Rows_With(plain, QColor(0, 0, 0));
        QVERIFY(red.first >= 0);
        QVERIFY(black.first >= 0);
        QCOMPARE(black.second, red.second + 1);
        QCOMPARE(black.first, red.first + 1);
        QVERIFY(Rows_With(Draw(636, 438, "HELL", 0), QColor(0, 0, 0)).first < 0);
    }

    void Vertical_Centring_With_And_Without_Single_Line() {
        int nTop = Rows_With(Draw(636, 438, "Week 1", 0), QColor(255, 0, 0)).first;
        QPair<int, int> single = Rows_With(Draw(636, 438, "Week 1", TEXT_VCENTER | TEXT_SINGLE_LINE), QColor(255, 0, 0));
        QPair<int, int> measured = Rows_With(Draw(636, 438, "Week 1", TEXT_VCENTER), QColor(255, 0, 0));
        QVERIFY(nTop < 40);
        QVERIFY(qAbs((single.first + single.second) / 2 - 219) < 8);
        QVERIFY(qAbs((measured.first + measured.second) / 2 - 219) < 8);
        // Two lines measured and centred as a block.
        QPair<int, int> block = Rows_With(Draw(636, 438, "Pass\nDefense", TEXT_VCENTER), QColor(255, 0, 0));
        QVERIFY(block.first < 219 && block.second > 219);
        QVERIFY(qAbs((block.first + block.second) / 2 - 219) < 10);
    }

    void Shrunk_Text_Is_No_Wider_Than_Its_Box() {
        const QString TEXTS[] = {"$18,351,412", "-$1,005,223,117", "Points Against", "Pass Def. Rank",
                                 "Conf. Record", "W", "Championships"};
        const QSize SIZES[] = {{636, 438}, {1272, 876}, {1670, 1150}, {800, 438}};
        for (QSize size : SIZES) {
            Rebuild_Fonts(size.width(), size.height());
            QRect box = Scale_Rect(size.width(), size.height(), BOX_LEFT, BOX_TOP, BOX_RIGHT, BOX_BOTTOM);
            for (const QString& szText : TEXTS) {
                QString szCase = QString("%1 at %2x%3").arg(szText).arg(size.width()).arg(size.height());
                QFont line = Fitting_Font(Page_Font(2), szText, box, TEXT_CENTER | TEXT_SINGLE_LINE);
                QRect ink = Unclipped_Ink(size, line, szText, box, false);
                QVERIFY2(!ink.isNull() && ink.width() <= box.width(), qPrintable(szCase));
                QFont wrapped = Fitting_Font(Page_Font(2), szText, box, TEXT_CENTER | TEXT_WORD_BREAK);
                ink = Unclipped_Ink(size, wrapped, szText, box, true);
                QVERIFY2(box.contains(ink), qPrintable(szCase + " wrapped"));
            }
        }
        Rebuild_Fonts(636, 438);
    }

    void Only_Text_Too_Wide_Shrinks() {
        Rebuild_Fonts(636, 438);
        QRect box = Scale_Rect(636, 438, BOX_LEFT, BOX_TOP, BOX_RIGHT, BOX_BOTTOM);
        int nFlags = TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLE_LINE;
        QCOMPARE(Fitting_Font(Page_Font(2), "W", box, nFlags).pixelSize(), Page_Font(2).pixelSize());
        QVERIFY(Fitting_Font(Page_Font(2), "$18,351,412", box, nFlags).pixelSize() < Page_Font(2).pixelSize());
        // The page text asks for the smaller font only when told to, and only when it needs it.
        QSize size(636, 438);
        QRect wide = Page_Text_Ink(size, "$18,351,412", 600, nFlags);
        QVERIFY(Page_Text_Ink(size, "$18,351,412", BOX_RIGHT, nFlags | TEXT_SHRINK).height() < wide.height());
        QCOMPARE(Page_Text_Ink(size, "$18,351,412", 600, nFlags | TEXT_SHRINK), wide);
    }
};

QTEST_MAIN(PageDrawingTest)
#include "test_page_drawing.moc"
