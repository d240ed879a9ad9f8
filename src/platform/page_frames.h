// Places on the page pictures that are drawn as frames for the pages to write
// into, in the 636 x 438 logical units: the playoff bracket's slots and the
// Games page's panels. The pictures and the pages both take them from here.
#pragma once

struct PageRect {
    int nLeft, nTop, nRight, nBottom;
};

// Slots 0..30 of the bracket (season/playoffs.h): conference A in the upper
// half, B in the lower, one column per round, the champion at the right under
// the "World\nChampions" label. All zero for a slot outside 0..30 and for
// the slots no seed or winner ever takes (2, 3, 6, 7, 10, 11, 14, 15).
PageRect Playoff_Slot_Rect(int nSlot);

// The Games page: the score and team panel, the two helmet boxes (95 x 86),
// the team statistics with the star lines, and the play-by-play below them.
constexpr PageRect GAMES_SCORE_PANEL = {8, 12, 396, 111};
constexpr PageRect GAMES_HELMET_BOXES[2] = {{404, 21, 499, 107}, {522, 21, 617, 107}};
constexpr PageRect GAMES_STATISTICS_PANEL = {8, 114, 628, 249};
constexpr PageRect GAMES_PLAY_BY_PLAY_PANEL = {8, 251, 628, 433};
