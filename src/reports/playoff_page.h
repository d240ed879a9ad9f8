// What the Playoffs page shows (command 40059): the bracket's slots, each
// with its team's nickname, the score once its game is played, and what its
// colour stands for; before the playoffs the provisional field.
#pragma once
#include "database/league_database.h"
#include "finance/dialog_support.h"
#include "season/playoffs.h"

// An open slot is still empty but a game of the bracket will fill it; an empty
// one has no part in this season's bracket.
enum { PLAYOFF_SLOT_EMPTY, PLAYOFF_SLOT_OPEN, PLAYOFF_SLOT_WAITING, PLAYOFF_SLOT_WON, PLAYOFF_SLOT_LOST };

struct PlayoffSlotView {
    TNUM nTeam; // NO_TEAM for an empty slot
    bool bHuman;
    int nState; // PLAYOFF_SLOT_*; the champion's slot counts as won
    char szName[DIALOG_TEXT];
    char szScore[DIALOG_TEXT]; // "24-17", higher score first; "" until played
};

struct PlayoffPage {
    bool bProvisional; // "If the season ended today..."
    int nChampionSlot;
    PlayoffSlotView aSlots[PLAYOFF_SLOTS];
};

void Fill_Playoff_Page(PlayoffPage* pPage);
