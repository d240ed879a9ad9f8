// What the Vantor Hall Of Fame page shows (command 40037): the ten managers
// of the level being viewed, coloured by how they earned their place, the
// current manager's own line under them, and the four level buttons.
#pragma once
#include "finance/dialog_support.h"
#include "halloffame/fame_file.h"

// Where things sit on the page, in logical units.
constexpr int HOF_BUTTON_LEFT = 8;
constexpr int HOF_BUTTON_STEP = 89;
constexpr int HOF_BUTTON_TOP = 80;
constexpr int HOF_BUTTON_WIDTH = 88;
constexpr int HOF_BUTTON_HEIGHT = 22;
constexpr int HOF_FIRST_ROW_TOP = 168;
constexpr int HOF_ROW_STEP = 21;
constexpr int HOF_ROW_HEIGHT = 18;
constexpr int HOF_OWN_ROW_TOP = 402;
enum {
    HOF_NAME,
    HOF_HOME,
    HOF_SEASONS,
    HOF_RECORD,
    HOF_PERCENTAGE,
    HOF_PLAYOFFS,
    HOF_RATING,
    HOF_COLUMNS,
};
struct HallOfFameColumn {
    int nLeft, nWidth;
};
// Name is left-aligned, every other column centred.
extern const HallOfFameColumn HOF_COLUMN_PLACES[HOF_COLUMNS];

struct HallOfFameRow {
    bool bShown; // an empty entry of a damaged file shows nothing
    int nFlag;   // FAME_* colour flag; the manager's own line counts white
    char aszColumns[HOF_COLUMNS][DIALOG_TEXT];
};

struct HallOfFamePage {
    int nLevel; // GS_HOF_VIEW_LEVEL, 0..3
    HallOfFameRow aRows[FAME_ENTRIES];
    HallOfFameRow own; // shown only when the level viewed is the game's
};

void Fill_Hall_Of_Fame_Page(HallOfFamePage* pPage);
// The level button under (x, y), or -1.
int Hall_Of_Fame_Button_At(int x, int y);
// A click on a level button: it becomes the level viewed. True when it was one.
bool Click_Hall_Of_Fame_Button(int x, int y);

// The texts of a line.
void Winning_Percentage_Text(int nWins, int nLosses, char* szOut); // ".625", "1.000"
// The current manager's seasons: "--" before the first is complete, "2003"
// after one, "2003-2006" after four.
void Own_Seasons_Text(int nFirst, int nCompleted, char* szOut);
