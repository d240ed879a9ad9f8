// What the Finances page shows (command 40034): one row per team of the
// shown conference, in team order, with the five chosen columns.
#pragma once
#include "database/league_database.h"
#include "finance/dialog_support.h"

constexpr int FINANCE_CHOSEN_COLUMNS = 5;
static_assert(GS_FINANCE_COLUMN + FINANCE_CHOSEN_COLUMNS == GS_LEADER_CATEGORY);
constexpr int FINANCE_HEADING_LEFT = 160;
constexpr int FINANCE_HEADING_STEP = 70;
constexpr int FINANCE_HEADING_TOP = 44;
constexpr int FINANCE_HEADING_BOTTOM = 61;
constexpr int FINANCE_FIRST_ROW = 76;
constexpr int FINANCE_ROW_STEP = 20;

// Colours a value is drawn in.
enum { FINANCE_PLAIN, FINANCE_HUMAN, FINANCE_NEGATIVE };

struct FinanceRow {
    TNUM nTeam;
    bool bHuman;
    char szName[DIALOG_TEXT]; // home name, upper-cased for a human-controlled team
    char aszValues[FINANCE_CHOSEN_COLUMNS][DIALOG_TEXT];
    int anColour[FINANCE_CHOSEN_COLUMNS];
};

struct FinancePage {
    int nConference;
    char szLabel[DIALOG_TEXT]; // "AFC"
    char aszHeadings[FINANCE_CHOSEN_COLUMNS][DIALOG_TEXT];
    int nRows;
    FinanceRow aRows[NUMBER_OF_FRANCHISES];
};

void Fill_Finance_Page(FinancePage* pPage);
// Clicks: the heading slot 0..4 under (x, y), or -1; the conference label,
// which switches the conference as the Standings page's switch does.
int Finance_Heading_At(int x, int y);
bool Finance_Label_At(int x, int y);
