#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "finance/budget_dialogs.h"
#include "finance/dialog_support.h"
#include "finance/factors.h"
#include "finance/links.h"
#include "platform/platform.h"

namespace {
// Whole dollars only.
int Ticket_Price(int64_t nCents) {
    if (nCents < 0) return 0;
    return nCents > MAX_TICKET_PRICE ? MAX_TICKET_PRICE : (int)(nCents / 100 * 100);
}

void Fill_Season(TicketsDialog* pOut, int nYear, int nAttendance, int nHomeGames, int nSales, int nGames) {
    Dialog_Format(pOut->szAttendancePerGame[nYear], "%d (Per Game)", (int)Per_Game(nAttendance, nHomeGames));
    Dialog_Format(pOut->szAttendanceTotal[nYear], "%d (Total)", nAttendance);
    Dialog_Format(pOut->szSalesPerGame[nYear], "%d (Per Game)", (int)Per_Game(nSales, nGames));
}
} // namespace

void Init_Tickets_Dialog(TNUM nTeam, TicketsDialog* pDialog) {
    memset(pDialog, 0, sizeof *pDialog);
    pDialog->nTeam = NO_TEAM;
    if (!Dialog_Team(nTeam, "Init_Tickets_Dialog")) return;
    pDialog->nTeam = nTeam;
    pDialog->bEditable = Budget_Editable(nTeam);
    pDialog->nPrice = Fin_Get(nTeam, FIN_TICKET_PRICE);
    Cents_Text(pDialog->nPrice, pDialog->szPrice);

    int nGate = Fin_Get(nTeam, 12), nCrowd = Fin_Get(nTeam, 13);
    int nLastPrice = Ratio(100, nGate, nCrowd);
    Dialog_Format(pDialog->szLastPrice, "$%d.%02d", nLastPrice / 100, nLastPrice % 100);
    Number_Text(nCrowd, pDialog->szLastAttendance);
    if (nCrowd == Stadium_Field(nTeam, 0)) strcat(pDialog->szLastAttendance, "*");
    Money_Text(nGate, pDialog->szLastSales);

    Fill_Season(pDialog, 0, Fin_Get(nTeam, 15), Fin_Get(nTeam, 70), Fin_Get(nTeam, 14), Fin_Get(nTeam, 72));
    Fill_Season(pDialog, 1, Fin_Get(nTeam, 17), Fin_Get(nTeam, 71), Fin_Get(nTeam, 16), Fin_Get(nTeam, 73));

    char szNumber[DIALOG_TEXT];
    Number_Text(Team_City_Field(nTeam, 0), szNumber);
    Dialog_Format(pDialog->szPopulation, "Population: %s", szNumber);
    Number_Text(Team_Income(nTeam), szNumber);
    Dialog_Format(pDialog->szIncome, "Income: $%s", szNumber);
    Number_Text(Stadium_Field(nTeam, 0), szNumber);
    Dialog_Format(pDialog->szCapacity, "Stadium Capacity: %s", szNumber);
}

void Open_Tickets_Dialog(TNUM nTeam, TicketsDialog* pDialog) {
    Play_Sound("cash.wav");
    Init_Tickets_Dialog(nTeam, pDialog);
}

void Set_Tickets_Price_Text(TicketsDialog* pDialog, const char* szText) {
    int64_t nCents;
    if (pDialog->bEditable && Parse_Money_Text(szText, &nCents)) pDialog->nPrice = Ticket_Price(nCents);
    Cents_Text(pDialog->nPrice, pDialog->szPrice);
}

void Spin_Tickets_Price(TicketsDialog* pDialog, int nSteps) {
    if (pDialog->bEditable) pDialog->nPrice = Ticket_Price((int64_t)pDialog->nPrice + 100LL * nSteps);
    Cents_Text(pDialog->nPrice, pDialog->szPrice);
}

bool Apply_Tickets_Dialog(const TicketsDialog* pDialog) {
    if (!Budget_Editable(pDialog->nTeam)) return false;
    Fin_Set(pDialog->nTeam, FIN_TICKET_PRICE, Ticket_Price(pDialog->nPrice));
    return true;
}
