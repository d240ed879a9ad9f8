#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "finance/budget_dialogs.h"
#include "finance/dialog_support.h"
#include "finance/links.h"
#include "platform/platform.h"

namespace {
constexpr int PRICE_FIELD[NUMBER_OF_ITEMS] = {27, 20, 34}; // then last game's and this season's profit
constexpr int LAST_SEASON_PROFIT[NUMBER_OF_ITEMS] = {30, 23, 37};
const char* const PICTURES[NUMBER_OF_ITEMS] = {"dialogs/misc/beer.jpg", "dialogs/misc/food.jpg",
                                               "dialogs/misc/souvenir.jpg"};
constexpr int SPIN = 25;

int Concession_Price(int64_t nCents) {
    if (nCents < 0) return 0;
    return nCents > MAX_CONCESSION_PRICE ? MAX_CONCESSION_PRICE : (int)nCents;
}

bool Valid_Item(int nItem) {
    if (nItem >= 0 && nItem < NUMBER_OF_ITEMS) return true;
    Error_Log("Invalid nItem in concessions dialog: %d", nItem);
    return false;
}
} // namespace

void Init_Concessions_Dialog(TNUM nTeam, ConcessionsDialog* pDialog) {
    memset(pDialog, 0, sizeof *pDialog);
    pDialog->nTeam = NO_TEAM;
    if (!Dialog_Team(nTeam, "Init_Concessions_Dialog")) return;
    pDialog->nTeam = nTeam;
    pDialog->bEditable = Budget_Editable(nTeam);
    int64_t nLastGame = 0, nThisSeason = 0, nLastSeason = 0;
    for (int nItem = 0; nItem < NUMBER_OF_ITEMS; nItem++) {
        pDialog->anPrice[nItem] = Fin_Get(nTeam, PRICE_FIELD[nItem]);
        Cents_Text(pDialog->anPrice[nItem], pDialog->aszPrice[nItem]);
        Dialog_Format(pDialog->aszPicture[nItem], "%s", PICTURES[nItem]);
        int nProfit = Fin_Get(nTeam, PRICE_FIELD[nItem] + 1);
        Money_Text(nProfit, pDialog->aszLastProfit[nItem]);
        nLastGame += nProfit;
        nThisSeason += Fin_Get(nTeam, PRICE_FIELD[nItem] + 2);
        nLastSeason += Fin_Get(nTeam, LAST_SEASON_PROFIT[nItem]);
    }
    Money_Text(nLastGame, pDialog->szLastProfitTotal);
    int nYear = Current_Calendar_Year();
    Dialog_Format(pDialog->aszPerGameLabel[0], "%d Profit Per Game", nYear);
    Dialog_Format(pDialog->aszPerGameLabel[1], "%d Profit Per Game", nYear - 1);
    Money_Text(Per_Game(nThisSeason, Fin_Get(nTeam, 70)), pDialog->aszPerGame[0]);
    if (Current_Season_Index() == 0 || Fin_Get(nTeam, 71) < 1)
        Dialog_Format(pDialog->aszPerGame[1], "$---,---");
    else
        Money_Text(Per_Game(nLastSeason, Fin_Get(nTeam, 71)), pDialog->aszPerGame[1]);
}

void Open_Concessions_Dialog(TNUM nTeam, ConcessionsDialog* pDialog) {
    Play_Sound("pour.wav");
    Init_Concessions_Dialog(nTeam, pDialog);
}

void Set_Concession_Price_Text(ConcessionsDialog* pDialog, int nItem, const char* szText) {
    if (!Valid_Item(nItem)) return;
    int64_t nCents;
    if (pDialog->bEditable && Parse_Money_Text(szText, &nCents))
        pDialog->anPrice[nItem] = Concession_Price(nCents);
    Cents_Text(pDialog->anPrice[nItem], pDialog->aszPrice[nItem]);
}

void Spin_Concession_Price(ConcessionsDialog* pDialog, int nItem, int nSteps) {
    if (!Valid_Item(nItem)) return;
    if (pDialog->bEditable)
        pDialog->anPrice[nItem] = Concession_Price((int64_t)pDialog->anPrice[nItem] + (int64_t)SPIN * nSteps);
    Cents_Text(pDialog->anPrice[nItem], pDialog->aszPrice[nItem]);
}

bool Apply_Concessions_Dialog(const ConcessionsDialog* pDialog) {
    if (!Budget_Editable(pDialog->nTeam)) return false;
    for (int nItem = 0; nItem < NUMBER_OF_ITEMS; nItem++)
        Fin_Set(pDialog->nTeam, PRICE_FIELD[nItem], Concession_Price(pDialog->anPrice[nItem]));
    return true;
}
