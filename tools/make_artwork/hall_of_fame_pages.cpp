// The Vantor Hall Of Fame page and its four level buttons.
#include "artwork.h"
#include "lettering.h"
#include "output_files.h"
#include "paper.h"

namespace {
const char* const LEVELS[4] = {"FAN", "COACH", "MANAGER", "VANTOR"};
constexpr Rgb MARBLE = {22, 38, 32};

// Level buttons at x = 8 + 89 level, y = 80, 88 x 22; the page draws the chosen one.
void Level_Button(Canvas& canvas, double x, double y, double fScale, int nLevel, bool bChosen) {
    double w = 88 * fScale, h = 22 * fScale;
    Rgb face = bChosen ? GOLD : Rgb{70, 82, 76};
    Fill_Rounded_Rect(canvas, x, y, x + w, y + h, 4 * fScale, Shade(face, 0.55));
    Fill_Rounded_Rect(canvas, x + fScale, y + fScale, x + w - fScale, y + h - fScale, 3.5 * fScale, face);
    Fill_Rounded_Rect(canvas, x + 2 * fScale, y + 2 * fScale, x + w - 2 * fScale, y + h * 0.5, 3 * fScale,
                      Shade(face, 1.3), 0.6);
    Rgb letters = bChosen ? Rgb{40, 24, 8} : Rgb{150, 160, 152};
    Draw_Centred_Lettering(canvas, LEVELS[nLevel], x + w / 2, y + h / 2 - 4 * fScale, 8 * fScale, letters);
}

Canvas Hall_Of_Fame_Page() {
    Canvas page = Make_Dark_Page(Shade(MARBLE, 1.2), Shade(MARBLE, 0.55), 18);
    Page_Fill(page, 8, 10, 628, 11.5, GOLD);
    Page_Centred_Lettering(page, "VANTOR HALL OF FAME", 318, 22, 30, GOLD, true);
    Page_Fill(page, 8, 64, 628, 65.5, GOLD);
    for (int nLevel = 0; nLevel < 4; nLevel++)
        Level_Button(page, (8 + 89 * nLevel) * PAGE_SCALE, 80 * PAGE_SCALE, PAGE_SCALE, nLevel, false);
    // Column headings over the rows at the columns the page writes in.
    Page_Fill(page, 6, 140, 630, 162, {0, 0, 0}, 0.35);
    Page_Fill(page, 6, 162, 630, 163, GOLD, 0.8);
    Page_Lettering(page, "MANAGER", 10, 148, 7, GOLD);
    Page_Lettering(page, "HOME", 132, 148, 7, GOLD);
    const struct {
        const char* szText;
        double x, w;
    } CENTRED[] = {{"SEASONS", 295, 90}, {"RECORD", 391, 90}, {"PCT", 487, 45}, {"PLAYOFF", 536, 45}, {"RATING", 583, 45}};
    for (const auto& heading : CENTRED) Page_Centred_Lettering(page, heading.szText, heading.x + heading.w / 2, 148, 6.5, GOLD);
    for (int nRow = 0; nRow < 10; nRow++)
        Page_Fill(page, 6, 166 + 21 * nRow, 630, 187 + 21 * nRow, {255, 255, 255}, nRow % 2 ? 0.03 : 0.07);
    Page_Fill(page, 6, 392, 630, 393, GOLD, 0.8);
    Page_Fill(page, 6, 400, 630, 422, {255, 255, 255}, 0.08);
    return page;
}
}  // namespace

bool Make_Hall_Of_Fame_Pages(const std::string& szGame) {
    if (!Write_Jpeg(szGame + "/News/Vanhof.jpg", Hall_Of_Fame_Page())) return false;
    for (int nLevel = 0; nLevel < 4; nLevel++) {
        Canvas button = Make_Canvas(88 * PAGE_SCALE, 22 * PAGE_SCALE, MARBLE);
        Level_Button(button, 0, 0, PAGE_SCALE, nLevel, true);
        if (!Write_Jpeg(szGame + "/News/Diffbtn" + std::to_string(nLevel) + ".jpg", button)) return false;
    }
    return true;
}
