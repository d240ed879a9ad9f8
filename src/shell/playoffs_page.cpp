// The Playoffs page: the bracket, conference 0 above conference 1, rounds
// from left to right, the champion under "World Champions".
#include "database/game_commands.h"
#include "reports/playoff_page.h"
#include "shell/drawing.h"
#include "shell/page_colours.h"
#include "shell/page_view.h"
#include "shell/season_pages.h"

namespace {
constexpr int BOX_WIDTH = 114, BOX_HEIGHT = 18, COLUMN_STEP = 120, FIRST_COLUMN = 12;
constexpr int QUARTER_ROW = 6; // rows 24 units apart
constexpr int CONFERENCE_TOP[2] = {116, 278};

// Column and height (in quarter rows) of the bracket's slots of conference 0;
// conference 1's slots lie 8 (rounds 1), 4 (round 2), 2 (round 3) or 1 (final) higher.
struct SlotPlace {
    int nSlot, nColumn, nQuarter;
};
const SlotPlace PLACES[] = {
    {0, 0, 0},   {1, 0, 4},   {4, 0, 12}, {5, 0, 16},  {16, 1, 2},  {17, 1, 8},
    {18, 1, 14}, {19, 1, 20}, {24, 2, 5}, {25, 2, 17}, {28, 3, 11},
};
int Second_Conference_Slot(int nSlot) {
    return nSlot < 16 ? nSlot + 8 : nSlot < 24 ? nSlot + 4 : nSlot < 28 ? nSlot + 2 : nSlot + 1;
}

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

void Draw_Slot(const PageDevice& device, const PlayoffSlotView& slot, int x, int y, int nWidth) {
    if (slot.nState == PLAYOFF_SLOT_EMPTY) return;
    if (slot.nState == PLAYOFF_SLOT_OPEN) {
        Fill_Rectangle(device, x, y, x + nWidth, y + BOX_HEIGHT, QColor(225, 225, 225));
        return;
    }
    Fill_Rectangle(device, x, y, x + nWidth, y + BOX_HEIGHT, Slot_Colour(slot));
    QColor text = slot.nState == PLAYOFF_SLOT_LOST ? QColor(90, 90, 90) : QColor(Qt::black);
    int nFlags = TEXT_VCENTER | TEXT_SINGLE_LINE;
    int nNameRight = slot.szScore[0] ? x + nWidth - 36 : x + nWidth;
    Draw_Page_Text(device, slot.szName, x, y, nNameRight, y + BOX_HEIGHT, nFlags | TEXT_CENTER, 2, text);
    Draw_Page_Text(device, slot.szScore, x + nWidth - 38, y, x + nWidth - 2, y + BOX_HEIGHT,
                   nFlags | TEXT_RIGHT, 0, text);
}

void Draw_Playoffs(const PageDevice& device) {
    PlayoffPage page;
    Fill_Playoff_Page(&page);
    if (page.bProvisional)
        Draw_Page_Text(device, "If the season ended today...", 160, 20, 461, 45,
                       TEXT_CENTER | TEXT_VCENTER | TEXT_SINGLE_LINE, 3, Qt::black);
    Draw_Page_Text(device, "World\nChampions", 476, 32, 622, 105, TEXT_CENTER | TEXT_VCENTER, 3, Qt::black);
    for (int nConference = 0; nConference < 2; nConference++)
        for (const SlotPlace& place : PLACES) {
            int nSlot = nConference ? Second_Conference_Slot(place.nSlot) : place.nSlot;
            if (nSlot == page.nChampionSlot) continue;
            Draw_Slot(device, page.aSlots[nSlot], FIRST_COLUMN + COLUMN_STEP * place.nColumn,
                      CONFERENCE_TOP[nConference] + QUARTER_ROW * place.nQuarter, BOX_WIDTH);
        }
    Draw_Slot(device, page.aSlots[page.nChampionSlot], 476, 108, 146);
}
} // namespace

void Register_Playoffs_Page() {
    Register_Page(PAGE_PLAYOFFS, Draw_Playoffs, nullptr);
}
