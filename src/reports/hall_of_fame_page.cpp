#include "reports/hall_of_fame_page.h"

#include <cstring>

#include "base/random.h"
#include "database/team.h"
#include "database/text_format.h"
#include "halloffame/manager_rating.h"
#include "reports/page_common.h"

const HallOfFameColumn HOF_COLUMN_PLACES[HOF_COLUMNS] = {
    {10, 120}, {132, 161}, {295, 90}, {391, 90}, {487, 45}, {536, 45}, {583, 45},
};

void Winning_Percentage_Text(int nWins, int nLosses, char* szOut) {
    int nGames = nWins + nLosses;
    int nPerMille = nGames > 0 ? (int)(1000LL * nWins / nGames) : 0;
    if (nPerMille < 1000)
        Dialog_Format(szOut, ".%03d", Max(0, nPerMille));
    else
        Dialog_Format(szOut, "%d.%03d", nPerMille / 1000, nPerMille % 1000);
}

void Own_Seasons_Text(int nFirst, int nCompleted, char* szOut) {
    if (nCompleted <= 0)
        Dialog_Format(szOut, "--");
    else if (nCompleted == 1)
        Dialog_Format(szOut, "%d", nFirst);
    else
        Dialog_Format(szOut, "%d-%d", nFirst, nFirst + nCompleted - 1);
}

namespace {
// The file's texts need not end inside their fields.
void Field_Text(const char* pField, size_t nWidth, char* szOut) {
    size_t nLength = strnlen(pField, nWidth);
    size_t nCopy = nLength < (size_t)DIALOG_TEXT ? nLength : DIALOG_TEXT - 1;
    memcpy(szOut, pField, nCopy);
    szOut[nCopy] = '\0';
}

void Fill_Results(HallOfFameRow* pRow, int nWins, int nLosses, int nTies, int nPlayoffWins,
                  int nPlayoffLosses, int nRating) {
    Record_Text(nWins, nLosses, nTies, pRow->aszColumns[HOF_RECORD]);
    Winning_Percentage_Text(nWins, nLosses, pRow->aszColumns[HOF_PERCENTAGE]);
    Dialog_Format(pRow->aszColumns[HOF_PLAYOFFS], "%d-%d", nPlayoffWins, nPlayoffLosses);
    Tenths_Text(nRating, pRow->aszColumns[HOF_RATING]);
}

void Fill_Entry(const FameEntry& entry, HallOfFameRow* pRow) {
    *pRow = {};
    if (!entry.szManager[0] && !entry.szHome[0]) return;
    pRow->bShown = true;
    pRow->nFlag = entry.nFlag;
    Field_Text(entry.szManager, sizeof entry.szManager, pRow->aszColumns[HOF_NAME]);
    Field_Text(entry.szHome, sizeof entry.szHome, pRow->aszColumns[HOF_HOME]);
    Dialog_Format(pRow->aszColumns[HOF_SEASONS], "%d-%d", entry.nFirstSeason, entry.nLastSeason);
    Fill_Results(pRow, entry.nWins, entry.nLosses, entry.nTies, entry.nPlayoffWins, entry.nPlayoffLosses,
                 entry.nRating);
}

void Fill_Own(TNUM nTeam, HallOfFameRow* pRow) {
    *pRow = {};
    if (nTeam == NO_TEAM) return;
    pRow->bShown = true;
    pRow->nFlag = FAME_WHITE;
    char szText[TEXT_SIZE];
    Get_Team_String(nTeam, TS_MANAGER, szText);
    Field_Text(szText, sizeof szText, pRow->aszColumns[HOF_NAME]);
    Get_Team_Label(nTeam, szText);
    Field_Text(szText, sizeof szText, pRow->aszColumns[HOF_HOME]);
    Own_Seasons_Text(Get_League_Rule(LR_START_YEAR), Get_Game_State(GS_SEASON_INDEX),
                     pRow->aszColumns[HOF_SEASONS]);
    TeamCareerTotals totals = Team_Career_Totals(nTeam);
    Fill_Results(pRow, totals.nWins, totals.nLosses, totals.nTies, totals.nPlayoffWins, totals.nPlayoffLosses,
                 Manager_Rating(nTeam));
}
} // namespace

void Fill_Hall_Of_Fame_Page(HallOfFamePage* pPage) {
    *pPage = {};
    pPage->nLevel = Clamp(0, Get_Game_State(GS_HOF_VIEW_LEVEL), FAME_LEVELS - 1);
    FameFile fame;
    Read_Fame_File(&fame);
    for (int i = 0; i < FAME_ENTRIES; i++)
        Fill_Entry(fame.aTables[pPage->nLevel][i], &pPage->aRows[i]);
    if (pPage->nLevel == Get_Game_State(GS_DIFFICULTY)) Fill_Own(Hall_Of_Fame_Team(), &pPage->own);
}

int Hall_Of_Fame_Button_At(int x, int y) {
    for (int nLevel = 0; nLevel < FAME_LEVELS; nLevel++) {
        int nLeft = HOF_BUTTON_LEFT + HOF_BUTTON_STEP * nLevel;
        if (Page_Spot(x, y, nLeft, HOF_BUTTON_TOP, nLeft + HOF_BUTTON_WIDTH,
                      HOF_BUTTON_TOP + HOF_BUTTON_HEIGHT))
            return nLevel;
    }
    return -1;
}

bool Click_Hall_Of_Fame_Button(int x, int y) {
    int nLevel = Hall_Of_Fame_Button_At(x, y);
    if (nLevel < 0) return false;
    Set_Game_State(GS_HOF_VIEW_LEVEL, nLevel);
    return true;
}
