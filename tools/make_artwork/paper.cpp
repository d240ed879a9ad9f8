#include "paper.h"

#include <algorithm>

#include "lettering.h"

namespace {
constexpr double S = PAGE_SCALE;
}

Canvas Make_Paper(uint32_t nSeed) {
    Canvas page = Make_Canvas(636 * PAGE_SCALE, 438 * PAGE_SCALE, PAPER);
    Add_Grain(page, nSeed, 5);
    Add_Vignette(page, 0.35);
    // The sheet's border: a thin double frame just inside the edge.
    Page_Frame(page, 2, 2, 634, 436, 0.8, INK, 0.55);
    Page_Frame(page, 3.6, 3.6, 632.4, 434.4, 0.3, INK, 0.4);
    return page;
}

Canvas Make_Dark_Page(Rgb top, Rgb bottom, uint32_t nSeed) {
    Canvas page = Make_Canvas(636 * PAGE_SCALE, 438 * PAGE_SCALE, top);
    Fill_Vertical_Gradient(page, 0, 0, page.nWidth, page.nHeight, top, bottom);
    Add_Grain(page, nSeed, 3);
    Add_Vignette(page, 0.6);
    return page;
}

void Page_Fill(Canvas& page, double x0, double y0, double x1, double y1, Rgb colour, double fAlpha) {
    Fill_Rect(page, x0 * S, y0 * S, x1 * S, y1 * S, colour, fAlpha);
}

void Page_Gradient(Canvas& page, double x0, double y0, double x1, double y1, Rgb top, Rgb bottom) {
    Fill_Vertical_Gradient(page, x0 * S, y0 * S, x1 * S, y1 * S, top, bottom);
}

void Page_Frame(Canvas& page, double x0, double y0, double x1, double y1, double fWidth, Rgb colour,
                double fAlpha) {
    Frame_Rect(page, x0 * S, y0 * S, x1 * S, y1 * S, fWidth * S, colour, fAlpha);
}

void Page_Line(Canvas& page, double x0, double y0, double x1, double y1, double fWidth, Rgb colour,
               double fAlpha) {
    Draw_Line(page, x0 * S, y0 * S, x1 * S, y1 * S, fWidth * S, colour, fAlpha);
}

void Page_Heading_Cell(Canvas& page, double x0, double y0, double x1, double y1) {
    Page_Fill(page, x0, y0, x1, y1, HEADING_TAN, 0.45);
    Page_Fill(page, x0, y0, x1, y0 + 0.6, {255, 255, 255}, 0.5);
    Page_Frame(page, x0, y0, x1, y1, 0.5, INK, 0.45);
}

void Page_Title_Band(Canvas& page, double y0, double y1, Rgb colour) {
    Page_Gradient(page, 4, y0, 632, y1, Shade(colour, 1.2), Shade(colour, 0.8));
    Page_Fill(page, 4, y0, 632, y0 + 1, GOLD);
    Page_Fill(page, 4, y1 - 1, 632, y1 + 0.5, GOLD);
}

void Page_Button(Canvas& page, double x0, double y0, double x1, double y1, Rgb face) {
    Page_Fill(page, x0 + 1.5, y0 + 1.5, x1 + 1.5, y1 + 1.5, INK, 0.25);
    Page_Gradient(page, x0, y0, x1, y1, Shade(face, 1.25), Shade(face, 0.85));
    Page_Fill(page, x0, y0, x1, y0 + 1, {255, 255, 255}, 0.5);
    Page_Fill(page, x0, y0, x0 + 1, y1, {255, 255, 255}, 0.4);
    Page_Fill(page, x0, y1 - 1, x1, y1, INK, 0.45);
    Page_Fill(page, x1 - 1, y0, x1, y1, INK, 0.35);
    Page_Frame(page, x0, y0, x1, y1, 0.4, INK, 0.6);
}

void Page_Double_Rule(Canvas& page, double x0, double x1, double y, Rgb colour) {
    Page_Fill(page, x0, y, x1, y + 1.6, colour);
    Page_Fill(page, x0, y + 2.6, x1, y + 3.1, colour);
}

void Page_Lettering(Canvas& page, const std::string& szText, double x, double y, double fHeight, Rgb colour) {
    Draw_Lettering(page, szText, x * S, y * S, fHeight * S, colour);
}

void Page_Centred_Lettering(Canvas& page, const std::string& szText, double cx, double y, double fHeight,
                            Rgb colour, bool bShadow) {
    Draw_Centred_Lettering(page, szText, cx * S, y * S, fHeight * S, colour, bShadow);
}

void Page_Small_Print(Canvas& page, double x0, double y0, double x1, double y1, uint32_t nSeed) {
    Dice dice = Make_Dice(nSeed);
    for (double y = y0; y + 2 <= y1; y += 4.5) {
        // Words of random length; a paragraph ends short now and then.
        double xEnd = Roll_Below(dice, 7) == 0 ? x0 + (x1 - x0) * (0.3 + 0.5 * Roll_Unit(dice)) : x1;
        for (double x = x0; x < xEnd;) {
            double fWord = 3 + Roll_Unit(dice) * 9;
            Page_Fill(page, x, y, std::min(x + fWord, xEnd), y + 1.6, INK, 0.28);
            x += fWord + 1.8;
        }
    }
}

void Page_Plaque(Canvas& page, double x0, double y0, double x1, double y1, Rgb face) {
    Page_Fill(page, x0 + 2, y0 + 2, x1 + 2, y1 + 2, {0, 0, 0}, 0.45);
    Page_Gradient(page, x0, y0, x1, y1, Shade(face, 1.15), Shade(face, 0.8));
    Page_Frame(page, x0, y0, x1, y1, 1.2, GOLD);
    Page_Frame(page, x0 + 2.4, y0 + 2.4, x1 - 2.4, y1 - 2.4, 0.4, GOLD, 0.8);
}
