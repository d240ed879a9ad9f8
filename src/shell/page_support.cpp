#include "shell/page_support.h"

#include <QPainter>

#include "platform/platform.h"
#include "reports/games_page.h"
#include "shell/main_window.h"
#include "shell/page_view.h"
#include "shell/picture_store.h"
#include "shell/qt_platform.h"

namespace {
const QColor BUTTON_FACE(40, 56, 110);
const QColor BUTTON_TEXT(255, 255, 255);
const QColor BUTTON_DIM(150, 150, 160);
} // namespace

void Redraw_Page() {
    if (MainWindow* pWindow = qobject_cast<MainWindow*>(Main_Window_Widget()))
        pWindow->Page_View()->Forget_Page();
}

void Click_Sound() {
    Play_Sound("button.wav");
}

void Draw_Helmet(const PageDevice& device, signed char nTeam, bool bSecond, int x, int y, int cx, int cy,
                 int nVisibleHeight) {
    char szName[TEXT_SIZE];
    Get_Helmet_Picture(nTeam, bSecond, szName);
    Draw_Store_Picture(*device.pPainter, device.nWidth, device.nHeight, szName, x, y, cx, cy, nVisibleHeight);
}

void Draw_Page_Button(const PageDevice& device, const HotRect& rect, const QString& szText, bool bActive) {
    Fill_Rectangle(device, rect.nLeft, rect.nTop, rect.nRight, rect.nBottom, BUTTON_FACE);
    Draw_Page_Text(device, szText, rect.nLeft, rect.nTop, rect.nRight, rect.nBottom,
                   TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLE_LINE, 1, bActive ? BUTTON_TEXT : BUTTON_DIM);
}
