// The pages whose text is mostly tables: Standings, Finances, Leaders,
// Calendar and Games.
#include "artwork.h"
#include "output_files.h"
#include "paper.h"
#include "platform/page_frames.h"

namespace {
Canvas Standings_Page() {
    Canvas page = Make_Paper(11);
    // The page draws the title between two rules; ours lie under its coloured ones.
    Page_Fill(page, 30, 10, 606, 13, INK);
    Page_Fill(page, 30, 58, 606, 61, INK);
    Page_Lettering(page, "THE BRAKVELL LEDGER", 422, 20, 7, INK);
    Page_Fill(page, 422, 31, 602, 31.6, INK, 0.7);
    for (int i = 0; i < 4; i++) {
        double x = 301 + 83 * i;
        Page_Heading_Cell(page, x + 1, 71, x + 81, 94);
        Page_Fill(page, x, 96, x + 0.5, 428, INK, 0.22);
    }
    Page_Fill(page, 8, 94.5, 628, 95.5, INK, 0.6);
    return page;
}

void Bar_Chart(Canvas& page, double x0, double y0, double x1, double y1) {
    const double BARS[6] = {0.35, 0.5, 0.42, 0.66, 0.6, 0.88};
    double fStep = (x1 - x0) / 6;
    for (int i = 0; i < 6; i++)
        Page_Fill(page, x0 + i * fStep + 2, y1 - (y1 - y0) * BARS[i], x0 + (i + 1) * fStep - 2, y1, INK, 0.55);
    Page_Fill(page, x0, y1, x1, y1 + 0.8, INK);
    Page_Line(page, x0 + 4, y1 - 14, x1 - 4, y0 + 2, 1, {150, 40, 30});
}

Canvas Finances_Page() {
    Canvas page = Make_Paper(12);
    Page_Double_Rule(page, 12, 624, 5, INK);
    Page_Lettering(page, "FRANCHISE FINANCES", 29, 13, 20, INK);
    Page_Lettering(page, "MONEY & MARKETS", 466, 26, 7, INK);
    Page_Double_Rule(page, 12, 624, 37, INK);
    for (int i = 0; i < 5; i++) Page_Heading_Cell(page, 161 + 70 * i, 44, 229 + 70 * i, 61);
    for (int nRow = 0; nRow < 16; nRow++)
        if (nRow % 2) Page_Fill(page, 24, 74 + 20 * nRow, 512, 92 + 20 * nRow, INK, 0.05);
    for (int i = 0; i <= 5; i++) Page_Fill(page, 160 + 70 * i, 63, 160.5 + 70 * i, 398, INK, 0.22);
    // The side column: a chart, small print, and the frame of the conference label.
    Page_Fill(page, 521, 44, 521.6, 398, INK, 0.6);
    Bar_Chart(page, 532, 52, 620, 120);
    Page_Small_Print(page, 530, 132, 622, 348, 12);
    Page_Frame(page, 525, 358, 607, 389, 1.2, INK);
    Page_Frame(page, 527.5, 360.5, 604.5, 386.5, 0.4, INK);
    return page;
}

Canvas Leaders_Page() {
    Canvas page = Make_Paper(13);
    Page_Title_Band(page, 8, 52, {30, 44, 72});
    const double HEADINGS[4][2] = {{59, 63}, {333, 63}, {59, 250}, {333, 250}};
    for (const auto& heading : HEADINGS) {
        double x = heading[0], y = heading[1];
        Page_Frame(page, x - 6, y - 5, x + 236, y + 178, 0.8, INK, 0.8);
        Page_Fill(page, x, y, x + 230, y + 20, HEADING_TAN, 0.8);
        Page_Frame(page, x, y, x + 230, y + 20, 0.5, INK, 0.6);
        for (int nRow = 1; nRow < 10; nRow += 2)
            Page_Fill(page, x, y + 23 + 15.3 * nRow, x + 230, y + 23 + 15.3 * (nRow + 1), INK, 0.05);
    }
    Page_Fill(page, 584, 62, 584.6, 430, INK, 0.6);
    Page_Small_Print(page, 590, 64, 626, 428, 13);
    Page_Small_Print(page, 10, 64, 46, 428, 14);
    Page_Fill(page, 50.4, 62, 51, 430, INK, 0.6);
    return page;
}

Canvas Calendar_Page() {
    Canvas page = Make_Paper(14);
    // The helmet's box and the Other Team button.
    Page_Frame(page, 2, 1, 98, 86, 1, INK, 0.8);
    Page_Line(page, 110, 36, 460, 36, 1.2, INK);
    Page_Button(page, 473, 6, 619, 26, HEADING_TAN);
    Page_Lettering(page, "SCHEDULE AND RESULTS", 110, 44, 7, INK);
    for (int i = 0; i < 4; i++) Page_Heading_Cell(page, 371 + 65 * i, 54, 434 + 65 * i, 87);
    Page_Double_Rule(page, 104, 632, 88.5, INK);
    for (int i = 0; i < 4; i++) Page_Fill(page, 370 + 65 * i, 93, 370.5 + 65 * i, 432, INK, 0.2);
    return page;
}

void Panel(Canvas& page, const PageRect& rect, double fTint) {
    Page_Fill(page, rect.nLeft, rect.nTop, rect.nRight, rect.nBottom, HEADING_TAN, fTint);
    Page_Frame(page, rect.nLeft, rect.nTop, rect.nRight, rect.nBottom, 0.8, INK, 0.8);
}

Canvas Games_Page() {
    Canvas page = Make_Paper(15);
    Panel(page, GAMES_SCORE_PANEL, 0.25);
    Page_Frame(page, 400, 12, 621, 111, 0.8, INK, 0.8);
    for (const PageRect& box : GAMES_HELMET_BOXES) Page_Frame(page, box.nLeft - 1, box.nTop - 1, box.nRight + 1, box.nBottom + 1, 0.6, INK, 0.5);
    Page_Centred_Lettering(page, "VS", 510.5, 60, 8, INK);
    Panel(page, GAMES_STATISTICS_PANEL, 0.12);
    Panel(page, GAMES_PLAY_BY_PLAY_PANEL, 0.06);
    return page;
}
}  // namespace

bool Make_News_Pages(const std::string& szGame) {
    return Write_Jpeg(szGame + "/News/Standing.jpg", Standings_Page()) &&
           Write_Jpeg(szGame + "/News/Finance.jpg", Finances_Page()) &&
           Write_Jpeg(szGame + "/News/Leaders.jpg", Leaders_Page()) &&
           Write_Jpeg(szGame + "/News/Calendar.jpg", Calendar_Page()) &&
           Write_Jpeg(szGame + "/News/Games.jpg", Games_Page());
}
