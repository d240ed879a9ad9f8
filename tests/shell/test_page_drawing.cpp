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
};

QTEST_MAIN(PageDrawingTest)
#include "test_page_drawing.moc"
