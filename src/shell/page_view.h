// The main window's client: the current page composed once into a picture of
// the window's size and copied on every paint. Pages register their drawing
// and pointer handlers by command number.
#pragma once
#include <QPixmap>
#include <QWidget>

#include "shell/drawing.h"

enum { POINTER_MOVE, POINTER_CLICK, POINTER_DOUBLE_CLICK, POINTER_RIGHT_CLICK };

// Draws over the page's background picture (or, for a page without one, the whole page).
typedef void (*PageDrawer)(const PageDevice& device);
// Logical coordinates; returns the cursor number 0..3.
typedef int (*PagePointer)(int x, int y, int nKind);
void Register_Page(int nPage, PageDrawer pDraw, PagePointer pPointer);
bool Page_Registered(int nPage);
// The mouse wheel over a page: nNotches up (negative) or down, logical
// coordinates. Only pages with something to scroll register one.
typedef void (*PageWheel)(int x, int y, int nNotches);
void Register_Page_Wheel(int nPage, PageWheel pWheel);
// Extra work of a page each time it is shown (the championship page's celebration).
typedef void (*PageOpener)();
void Register_Page_Opener(int nPage, PageOpener pOpen);

class PageView : public QWidget {
    Q_OBJECT
  public:
    explicit PageView(QWidget* pParent = nullptr);
    void Show_Page(int nPage);  // store it, forget the composed picture, redraw
    void Forget_Page();         // recompose at the next paint
    int Current_Page() const;
    QSize sizeHint() const override;

  signals:
    void Page_Shown(int nPage);

  protected:
    void paintEvent(QPaintEvent* pEvent) override;
    void resizeEvent(QResizeEvent* pEvent) override;
    void mouseMoveEvent(QMouseEvent* pEvent) override;
    void mousePressEvent(QMouseEvent* pEvent) override;
    void mouseDoubleClickEvent(QMouseEvent* pEvent) override;
    void wheelEvent(QWheelEvent* pEvent) override;

  private:
    void Compose();
    void Pointer(QMouseEvent* pEvent, int nKind);
    QPixmap m_Composed;
    int m_nWheelAngle = 0;  // eighths of a degree not yet a whole notch (fine-grained wheels)
    bool m_bComposed = false;
};
