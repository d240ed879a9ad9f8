#include "reports/standings_page.h"

#include "database/team.h"
#include "database/text_format.h"
#include "reports/heading_choice.h"
#include "reports/page_common.h"
#include "reports/standings_columns.h"

namespace {
void Fill_Row(TNUM nTeam, StandingsRow* pRow) {
    pRow->nTeam = nTeam;
    pRow->bHuman = Human_Managed(nTeam);
    char szName[TEXT_SIZE];
    Get_Team_Nickname(nTeam, szName);
    Dialog_Format(pRow->szName, "%s", szName);
    Dialog_Format(pRow->aszFixed[0], "%d", Get_Team_Wins(nTeam));
    Dialog_Format(pRow->aszFixed[1], "%d", Get_Team_Losses(nTeam));
    Dialog_Format(pRow->aszFixed[2], "%d", Get_Team_Ties(nTeam));
    char szPercentage[TEXT_SIZE];
    Format_Thousandths(Get_Team_Winning_Percentage(nTeam), szPercentage);
    Dialog_Format(pRow->aszFixed[3], "%s", szPercentage);
    for (int i = 0; i < STANDINGS_CHOSEN_COLUMNS; i++)
        Standings_Column_Text(nTeam, Chosen_Heading(HEADINGS_STANDINGS, i), pRow->aszChosen[i]);
}

// The division's teams in standing order. A table not yet computed (or
// damaged) must neither repeat a team nor lose one: such teams follow in
// code order.
int Division_Order(int nDivision, TNUM* anTeams) {
    bool abListed[NUMBER_OF_FRANCHISES] = {};
    int nCount = 0;
    for (int nPlace = 0; nPlace < DIVISION_PLACES; nPlace++) {
        TNUM nTeam = Get_Standings_Team(nDivision, nPlace);
        if (nTeam < 0 || nTeam >= Number_Of_Teams() || abListed[nTeam] ||
            Get_Team_Division(nTeam) != nDivision)
            continue;
        abListed[nTeam] = true;
        anTeams[nCount++] = nTeam;
    }
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams() && nCount < DIVISION_PLACES; nTeam++)
        if (!abListed[nTeam] && Get_Team_Division(nTeam) == nDivision) anTeams[nCount++] = nTeam;
    return nCount;
}
} // namespace

void Fill_Standings_Page(StandingsPage* pPage) {
    *pPage = {};
    int nConference = Shown_Conference();
    pPage->nConference = nConference;
    char szLabel[DIALOG_TEXT];
    Conference_Label(nConference, szLabel);
    if (College_Draft_Running())
        Dialog_Format(pPage->szTitle, "%s Standings (%d)", szLabel, Current_Calendar_Year() - 1);
    else
        Dialog_Format(pPage->szTitle, "%s Standings", szLabel);
    if (Number_Of_Conferences() > 1) {
        Conference_Label(1 - nConference, szLabel);
        Dialog_Format(pPage->szSwitch, "Click to see %s", szLabel);
    }
    for (int i = 0; i < STANDINGS_CHOSEN_COLUMNS; i++)
        Dialog_Format(pPage->aszHeadings[i], "%s",
                      Standings_Column_Name(Chosen_Heading(HEADINGS_STANDINGS, i)));

    int y = STANDINGS_FIRST_BAND;
    for (int nDivision = 4 * nConference; nDivision < 4 * nConference + STANDINGS_DIVISIONS; nDivision++) {
        TNUM anTeams[DIVISION_PLACES];
        int nTeams = Division_Order(nDivision, anTeams);
        if (nTeams == 0) continue;
        StandingsDivision& division = pPage->aDivisions[pPage->nDivisions++];
        char szName[16];
        Get_Division_Name(nDivision, szName);
        Dialog_Format(division.szName, "%s", szName);
        division.nTop = y;
        division.nRows = nTeams;
        for (int i = 0; i < nTeams; i++)
            Fill_Row(anTeams[i], &division.aRows[i]);
        y += STANDINGS_BAND_HEIGHT + nTeams * STANDINGS_ROW_HEIGHT;
    }
}

int Standings_Heading_At(int x, int y) {
    return Heading_At(x, y, STANDINGS_HEADING_LEFT, STANDINGS_HEADING_STEP, STANDINGS_HEADING_TOP,
                      STANDINGS_HEADING_BOTTOM, STANDINGS_CHOSEN_COLUMNS);
}

bool Standings_Switch_At(int x, int y) {
    return Number_Of_Conferences() > 1 && Page_Spot(x, y, 411, 40, 602, 60);
}
