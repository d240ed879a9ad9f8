#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "database/team.h"
#include "finance/budget_dialogs.h"
#include "finance/dialog_support.h"
#include "finance/factors.h"
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
    pDialog->nPrice = Get_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE);
    Cents_Text(pDialog->nPrice, pDialog->szPrice);

    int nGate = Get_Team_Financial_Stat(nTeam, FIN_GATE_LAST_GAME);
    int nCrowd = Get_Team_Financial_Stat(nTeam, FIN_ATTENDANCE_LAST_GAME);
    int nLastPrice = Ratio(100, nGate, nCrowd);
    Dialog_Format(pDialog->szLastPrice, "$%d.%02d", nLastPrice / 100, nLastPrice % 100);
    Number_Text(nCrowd, pDialog->szLastAttendance);
    if (nCrowd == Get_Stadium_Field(nTeam, STADIUM_CAPACITY)) strcat(pDialog->szLastAttendance, "*");
    Money_Text(nGate, pDialog->szLastSales);

    auto fin = [nTeam](int nCode) { return Get_Team_Financial_Stat(nTeam, nCode); };
    Fill_Season(pDialog, 0, fin(FIN_HOME_ATTENDANCE_SEASON), fin(FIN_HOME_GAMES_SEASON),
                fin(FIN_TICKET_REVENUE_SEASON), fin(FIN_GAMES_SEASON));
    Fill_Season(pDialog, 1, fin(FIN_HOME_ATTENDANCE_LAST_SEASON), fin(FIN_HOME_GAMES_LAST_SEASON),
                fin(FIN_TICKET_REVENUE_LAST_SEASON), fin(FIN_GAMES_LAST_SEASON));

    char szNumber[DIALOG_TEXT];
    Number_Text(Get_Team_City_Data(nTeam, CITY_POPULATION), szNumber);
    Dialog_Format(pDialog->szPopulation, "Population: %s", szNumber);
    Number_Text(Team_Income(nTeam), szNumber);
    Dialog_Format(pDialog->szIncome, "Income: $%s", szNumber);
    Number_Text(Get_Stadium_Field(nTeam, STADIUM_CAPACITY), szNumber);
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
    Set_Team_Financial_Stat(pDialog->nTeam, FIN_TICKET_PRICE, Ticket_Price(pDialog->nPrice));
    return true;
}
