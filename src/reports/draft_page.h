// What the Draft page shows (command 40070): one round of one year's college
// draft, rebuilt from the drafted players (their drafting team, year and
// pick), the season's finish that made the order and, while the draft runs,
// the pick ownership; four buttons move between years and rounds.
#pragma once
#include "database/league_database.h"
#include "finance/dialog_support.h"

constexpr int DRAFT_PAGE_LINES = NUMBER_OF_FRANCHISES;

enum { DRAFT_PREVIOUS_YEAR, DRAFT_NEXT_YEAR, DRAFT_PREVIOUS_ROUND, DRAFT_NEXT_ROUND, DRAFT_PAGE_BUTTONS };
struct DraftPageButton {
    int nLeft, nTop, nRight, nBottom;
};
extern const DraftPageButton DRAFT_PAGE_BUTTON_PLACES[DRAFT_PAGE_BUTTONS];
const char* Draft_Page_Button_Text(int nButton);

struct DraftPage {
    char szTitle[DIALOG_TEXT];  // "2004 College Draft: Round 1"
    bool abButtonActive[DRAFT_PAGE_BUTTONS];
    int nLines;
    char aszLines[DRAFT_PAGE_LINES][DIALOG_TEXT];
};

// F8: refused with the notice "Draft Page" before the first college draft
// has begun. True when the page may be shown.
bool Open_Draft_Page();
// Each time the page is shown: the round in progress (or the stored round,
// or the first) of the current year.
void Prepare_Draft_Page();
void Fill_Draft_Page(DraftPage* pPage);
// The button under (x, y), or -1.
int Draft_Page_Button_At(int x, int y);
// A click on a usable button moves the page. True when it moved.
bool Click_Draft_Page_Button(int x, int y);
