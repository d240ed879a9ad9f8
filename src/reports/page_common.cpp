#include "reports/page_common.h"

#include "database/text_format.h"
#include "finance/dialog_support.h"
#include "reports/leaders.h"
#include "season/standings.h"

void Record_Text(int nWins, int nLosses, int nTies, char* szOut) {
    if (nTies)
        Dialog_Format(szOut, "%d-%d-%d", nWins, nLosses, nTies);
    else
        Dialog_Format(szOut, "%d-%d", nWins, nLosses);
}

void Tenths_Text(int nTenths, char* szOut) {
    int64_t nAbsolute = nTenths < 0 ? -(int64_t)nTenths : nTenths;
    Dialog_Format(szOut, "%s%d.%d", nTenths < 0 ? "-" : "", (int)(nAbsolute / 10), (int)(nAbsolute % 10));
}

void Rank_Ordinal_Text(int nRank, char* szOut) {
    char szText[TEXT_SIZE];
    Get_Number_With_Suffix(nRank, szText);
    Dialog_Format(szOut, "%s", szText);
}

void Conference_Label(int nConference, char* szOut) {
    char szLabel[TEXT_SIZE] = "FC";
    if (nConference >= 0 && nConference < NUMBER_OF_LEAGUES) Get_Conference_Label(nConference, szLabel);
    Dialog_Format(szOut, "%s", szLabel);
}

int Shown_Conference() {
    return Get_Game_State(GS_CONFERENCE_VIEW) == 1 && Number_Of_Conferences() > 1 ? 1 : 0;
}

void Switch_Shown_Conference() {
    Set_Game_State(GS_CONFERENCE_VIEW, 1 - Shown_Conference());
}

int Heading_At(int x, int y, int nLeft, int nStep, int nTop, int nBottom, int nCount) {
    for (int i = 0; i < nCount; i++)
        if (Page_Spot(x, y, nLeft + nStep * i, nTop, nLeft + nStep * (i + 1), nBottom)) return i;
    return -1;
}
