// Small helpers the news pages share: hot rectangles, redrawing after a
// click, helmets and plain buttons drawn on the page.
#pragma once
#include <QColor>
#include <QString>

#include "shell/drawing.h"

struct HotRect {
    int nLeft, nTop, nRight, nBottom;
    bool Contains(int x, int y) const { return x >= nLeft && x < nRight && y >= nTop && y < nBottom; }
};

// Recompose the page shown at the next paint.
void Redraw_Page();
// An accepted click: the button sound.
void Click_Sound();
// A team helmet from the picture store; nothing when the picture is absent.
void Draw_Helmet(const PageDevice& device, signed char nTeam, bool bSecond, int x, int y, int cx, int cy,
                 int nVisibleHeight = 0);
// A flat button with its text centred, dimmed when it cannot be used.
void Draw_Page_Button(const PageDevice& device, const HotRect& rect, const QString& szText, bool bActive);
