// The Playoffs bracket and the Draft page.
#include "artwork.h"
#include "emblems.h"
#include "output_files.h"
#include "paper.h"
#include "platform/page_frames.h"

namespace {
void Slot_Box(Canvas& page, const PageRect& slot) {
    Page_Fill(page, slot.nLeft + 1.2, slot.nTop + 1.2, slot.nRight + 1.2, slot.nBottom + 1.2, INK, 0.25);
    Page_Fill(page, slot.nLeft, slot.nTop, slot.nRight, slot.nBottom, {250, 246, 234});
    Page_Frame(page, slot.nLeft, slot.nTop, slot.nRight, slot.nBottom, 0.7, INK);
}

// The lines from a game's two slots to the slot its winner moves to.
void Connect(Canvas& page, int nFirst, int nSecond, int nWinner) {
    PageRect a = Playoff_Slot_Rect(nFirst), b = Playoff_Slot_Rect(nSecond), w = Playoff_Slot_Rect(nWinner);
    double xJoin = (a.nRight + w.nLeft) / 2.0;
    double yA = (a.nTop + a.nBottom) / 2.0, yB = (b.nTop + b.nBottom) / 2.0, yW = (w.nTop + w.nBottom) / 2.0;
    Page_Line(page, a.nRight, yA, xJoin, yA, 0.8, INK);
    Page_Line(page, b.nRight, yB, xJoin, yB, 0.8, INK);
    Page_Line(page, xJoin, yA, xJoin, yB, 0.8, INK);
    Page_Line(page, xJoin, yW, w.nLeft, yW, 0.8, INK);
}

Canvas Playoffs_Page() {
    Canvas page = Make_Paper(16);
    Page_Lettering(page, "PLAYOFFS", 12, 16, 18, INK);
    Page_Double_Rule(page, 8, 470, 47, INK);
    // The conferences' halves.
    Page_Fill(page, 8, 220.5, 370, 221, INK, 0.4);
    const int GAMES[11][3] = {{0, 1, 16},   {4, 5, 18},   {8, 9, 20},   {12, 13, 22}, {16, 17, 24}, {18, 19, 25},
                              {20, 21, 26}, {22, 23, 27}, {24, 25, 28}, {26, 27, 29}, {28, 29, 30}};
    for (const auto& game : GAMES) Connect(page, game[0], game[1], game[2]);
    for (int nSlot = 0; nSlot <= 30; nSlot++) {
        PageRect slot = Playoff_Slot_Rect(nSlot);
        if (slot.nRight > slot.nLeft) Slot_Box(page, slot);
    }
    // The label the page writes in black, and the cup between it and the champion.
    Page_Fill(page, 476, 32, 622, 105, {244, 226, 170}, 0.8);
    Page_Frame(page, 476, 32, 622, 105, 1.2, INK);
    Page_Frame(page, 479, 35, 619, 102, 0.4, INK);
    Draw_Trophy(page, 564 * PAGE_SCALE, 208 * PAGE_SCALE, 92 * PAGE_SCALE, GOLD);
    PageRect champion = Playoff_Slot_Rect(30);
    Page_Frame(page, champion.nLeft - 3, champion.nTop - 3, champion.nRight + 3, champion.nBottom + 3, 1, GOLD);
    return page;
}

Canvas Draft_Page() {
    Canvas page = Make_Paper(17);
    Page_Title_Band(page, 4, 63, {52, 30, 40});
    Draw_Football(page, 56 * PAGE_SCALE, 31 * PAGE_SCALE, 60 * PAGE_SCALE, -0.35);
    Draw_Football(page, 580 * PAGE_SCALE, 31 * PAGE_SCALE, 60 * PAGE_SCALE, 0.35);
    Page_Double_Rule(page, 8, 628, 68, INK);
    Page_Fill(page, 317.7, 78, 318.3, 430, INK, 0.5);
    return page;
}
}  // namespace

bool Make_Bracket_And_Draft_Pages(const std::string& szGame) {
    return Write_Jpeg(szGame + "/News/Playoffs.jpg", Playoffs_Page()) &&
           Write_Jpeg(szGame + "/News/Draft.jpg", Draft_Page());
}
