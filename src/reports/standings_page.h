// What the Standings page shows (command 40030): the shown conference's
// divisions in standing order with the fixed and the four chosen columns,
// and which of its spots answer a click. Layout in the page's logical units.
#pragma once
#include "database/league_database.h"
#include "finance/dialog_support.h"
#include "season/standings.h"

constexpr int STANDINGS_CHOSEN_COLUMNS = 4;
static_assert(GS_STANDINGS_COLUMN + STANDINGS_CHOSEN_COLUMNS == GS_FINANCE_COLUMN);
constexpr int STANDINGS_FIXED_COLUMNS = 4;  // wins, losses, ties, "Pct."
constexpr int STANDINGS_DIVISIONS = 4;      // per conference

struct StandingsRow {
    TNUM nTeam;
    bool bHuman;
    char szName[DIALOG_TEXT];
    char aszFixed[STANDINGS_FIXED_COLUMNS][DIALOG_TEXT];
    char aszChosen[STANDINGS_CHOSEN_COLUMNS][DIALOG_TEXT];
};

struct StandingsDivision {
    char szName[DIALOG_TEXT];
    int nTop; // y of its header band
    int nRows;
    StandingsRow aRows[DIVISION_PLACES];
};

struct StandingsPage {
    int nConference;
    char szTitle[DIALOG_TEXT];  // "AFC Standings"
    char szSwitch[DIALOG_TEXT]; // "Click to see NFC"; "" with one conference
    char aszHeadings[STANDINGS_CHOSEN_COLUMNS][DIALOG_TEXT];
    int nDivisions;
    StandingsDivision aDivisions[STANDINGS_DIVISIONS];
};

// Layout.
constexpr int STANDINGS_FIRST_BAND = 96;
constexpr int STANDINGS_BAND_HEIGHT = 18;
constexpr int STANDINGS_ROW_HEIGHT = 16;
constexpr int STANDINGS_BAND_RIGHT = 302;
constexpr int STANDINGS_HEADING_LEFT = 301;
constexpr int STANDINGS_HEADING_STEP = 83;
constexpr int STANDINGS_HEADING_TOP = 71;
constexpr int STANDINGS_HEADING_BOTTOM = 96;

void Fill_Standings_Page(StandingsPage* pPage);

// Clicks: the heading slot 0..3 under (x, y), or -1; the conference switch.
int Standings_Heading_At(int x, int y);
bool Standings_Switch_At(int x, int y);
