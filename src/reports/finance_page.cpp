#include "database/team.h"
#include "reports/finance_page.h"

#include "database/text_format.h"
#include "reports/finance_columns.h"
#include "reports/heading_choice.h"
#include "reports/page_common.h"
#include "season/standings.h"

void Fill_Finance_Page(FinancePage* pPage) {
    *pPage = {};
    pPage->nConference = Shown_Conference();
    Conference_Label(pPage->nConference, pPage->szLabel);
    for (int i = 0; i < FINANCE_CHOSEN_COLUMNS; i++)
        Dialog_Format(pPage->aszHeadings[i], "%s", Finance_Column_Name(Chosen_Heading(HEADINGS_FINANCES, i)));
    FinanceAverages averages;
    Compute_Finance_Averages(&averages);
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        if (Get_Team_League(nTeam) != pPage->nConference) continue;
        FinanceRow& row = pPage->aRows[pPage->nRows++];
        row.nTeam = nTeam;
        row.bHuman = Human_Managed(nTeam);
        char szName[TEXT_SIZE];
        Get_Team_City(nTeam, szName);
        if (row.bHuman) Make_Upper_Case(szName);
        Dialog_Format(row.szName, "%s", szName);
        for (int i = 0; i < FINANCE_CHOSEN_COLUMNS; i++) {
            Finance_Column_Text(nTeam, Chosen_Heading(HEADINGS_FINANCES, i), row.aszValues[i], &averages);
            row.anColour[i] = row.aszValues[i][0] == '-' ? FINANCE_NEGATIVE
                              : row.bHuman               ? FINANCE_HUMAN
                                                         : FINANCE_PLAIN;
        }
    }
}

int Finance_Heading_At(int x, int y) {
    return Heading_At(x, y, FINANCE_HEADING_LEFT, FINANCE_HEADING_STEP, FINANCE_HEADING_TOP,
                      FINANCE_HEADING_BOTTOM, FINANCE_CHOSEN_COLUMNS);
}

bool Finance_Label_At(int x, int y) {
    return Number_Of_Conferences() > 1 && Page_Spot(x, y, 527, 360, 605, 387);
}
