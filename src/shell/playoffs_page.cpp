// The Playoffs page: the bracket, conference 0 above conference 1, rounds
// from left to right, the champion under "World Champions".
#include "commands/game_commands.h"
#include "platform/page_frames.h"
#include "reports/playoff_page.h"
#include "shell/drawing.h"
#include "shell/page_colours.h"
#include "shell/page_view.h"
#include "shell/season_pages.h"

namespace {
constexpr int SCORE_WIDTH = 36;

QColor Slot_Colour(const PlayoffSlotView& slot) {
    switch (slot.nState) {
    case PLAYOFF_SLOT_WON:
        return slot.bHuman ? QColor(40, 190, 110) : QColor(235, 190, 30);
    case PLAYOFF_SLOT_LOST:
        return slot.bHuman ? QColor(175, 205, 190) : QColor(205, 205, 175);
    default:
        return slot.bHuman ? HUMAN_ROW_COLOUR : COMPUTER_ROW_COLOUR;
    }
}

// Drawn inside the slot's frame of the background picture.
void Draw_Slot(const PageDevice& device, const PlayoffSlotView& slot, const PageRect& rect) {
    if (slot.nState == PLAYOFF_SLOT_EMPTY || rect.nRight <= rect.nLeft) return;
    int nLeft = rect.nLeft + 1, nTop = rect.nTop + 1, nRight = rect.nRight - 1, nBottom = rect.nBottom - 1;
    if (slot.nState == PLAYOFF_SLOT_OPEN) {
        Fill_Rectangle(device, nLeft, nTop, nRight, nBottom, QColor(225, 225, 225));
        return;
    }
    Fill_Rectangle(device, nLeft, nTop, nRight, nBottom, Slot_Colour(slot));
    QColor text = slot.nState == PLAYOFF_SLOT_LOST ? QColor(90, 90, 90) : QColor(Qt::black);
    int nFlags = TEXT_VCENTER | TEXT_SINGLE_LINE | TEXT_SHRINK;
    int nNameRight = slot.szScore[0] ? nRight - SCORE_WIDTH : nRight;
    Draw_Page_Text(device, slot.szName, nLeft + 1, nTop, nNameRight - 1, nBottom, nFlags | TEXT_CENTER, 2, text);
    if (slot.szScore[0])
        Draw_Page_Text(device, slot.szScore, nNameRight, nTop, nRight - 2, nBottom, nFlags | TEXT_RIGHT, 0, text);
}

void Draw_Playoffs(const PageDevice& device) {
    PlayoffPage page;
    Fill_Playoff_Page(&page);
    int nLabel = TEXT_CENTER | TEXT_VCENTER | TEXT_SHRINK;
    if (page.bProvisional)
        Draw_Page_Text(device, "If the season ended today...", 160, 20, 461, 45, nLabel | TEXT_SINGLE_LINE | TEXT_SHRINK, 3,
                       Qt::black);
    // Inside the label's double frame.
    Draw_Page_Text(device, "World\nChampions", 480, 36, 618, 101, nLabel, 3, Qt::black);
    for (int nSlot = 0; nSlot < PLAYOFF_SLOTS; nSlot++)
        if (nSlot != page.nChampionSlot && nSlot != CHAMPION_SLOT)
            Draw_Slot(device, page.aSlots[nSlot], Playoff_Slot_Rect(nSlot));
    // With one conference the conference final decides the champion, shown in the champion's frame.
    Draw_Slot(device, page.aSlots[page.nChampionSlot], Playoff_Slot_Rect(CHAMPION_SLOT));
}
} // namespace

void Register_Playoffs_Page() {
    Register_Page(PAGE_PLAYOFFS, Draw_Playoffs, nullptr);
}
