#include "platform/page_frames.h"

namespace {
constexpr int SLOT_WIDTH = 112, SLOT_HEIGHT = 20;
constexpr int ROUND_LEFT[5] = {8, 132, 256, 380, 504};

struct SlotPlace {
    int nColumn;  // -1: the slot is never filled (2, 3, 6, 7 ...)
    int nCentre;
};
// Each game's pair is centred on the slot its winner moves to (slot / 2 + 16);
// conference B repeats A's layout 190 units lower.
constexpr SlotPlace SLOTS[31] = {
    {0, 64},  {0, 88},  {-1, 0},  {-1, 0},  {0, 144}, {0, 168}, {-1, 0},  {-1, 0},   // round 1, A
    {0, 254}, {0, 278}, {-1, 0},  {-1, 0},  {0, 334}, {0, 358}, {-1, 0},  {-1, 0},   // round 1, B
    {1, 76},  {1, 106}, {1, 156}, {1, 186}, {1, 266}, {1, 296}, {1, 346}, {1, 376},  // round 2
    {2, 91},  {2, 171}, {2, 281}, {2, 361},                                          // conference finals
    {3, 131}, {3, 321},                                                              // the final
    {4, 226},                                                                        // champion
};
}  // namespace

PageRect Playoff_Slot_Rect(int nSlot) {
    if (nSlot < 0 || nSlot > 30 || SLOTS[nSlot].nColumn < 0) return {0, 0, 0, 0};
    int nLeft = ROUND_LEFT[SLOTS[nSlot].nColumn], nCentre = SLOTS[nSlot].nCentre;
    return {nLeft, nCentre - SLOT_HEIGHT / 2, nLeft + SLOT_WIDTH, nCentre + SLOT_HEIGHT / 2};
}
