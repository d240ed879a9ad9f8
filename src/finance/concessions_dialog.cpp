#include <cstdio>
#include <cstring>

#include "base/random.h"
#include "database/team.h"
#include "finance/budget_dialogs.h"
#include "finance/dialog_support.h"
#include "platform/platform.h"

namespace {
struct ItemFields {
    int nPrice, nLastGame, nSeason, nLastSeason; // then the profits
};
constexpr ItemFields FIELDS[NUMBER_OF_ITEMS] = {
    {FIN_BEER_PRICE, FIN_BEER_PROFIT_LAST_GAME, FIN_BEER_PROFIT_SEASON, FIN_BEER_PROFIT_LAST_SEASON},
    {FIN_FOOD_PRICE, FIN_FOOD_PROFIT_LAST_GAME, FIN_FOOD_PROFIT_SEASON, FIN_FOOD_PROFIT_LAST_SEASON},
    {FIN_SOUVENIR_PRICE, FIN_SOUVENIR_PROFIT_LAST_GAME, FIN_SOUVENIR_PROFIT_SEASON,
     FIN_SOUVENIR_PROFIT_LAST_SEASON},
};
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
        const ItemFields& fields = FIELDS[nItem];
        pDialog->anPrice[nItem] = Get_Team_Financial_Stat(nTeam, fields.nPrice);
        Cents_Text(pDialog->anPrice[nItem], pDialog->aszPrice[nItem]);
        Dialog_Format(pDialog->aszPicture[nItem], "%s", PICTURES[nItem]);
        int nProfit = Get_Team_Financial_Stat(nTeam, fields.nLastGame);
        Money_Text(nProfit, pDialog->aszLastProfit[nItem]);
        nLastGame += nProfit;
        nThisSeason += Get_Team_Financial_Stat(nTeam, fields.nSeason);
        nLastSeason += Get_Team_Financial_Stat(nTeam, fields.nLastSeason);
    }
    Money_Text(nLastGame, pDialog->szLastProfitTotal);
    int nYear = Current_Calendar_Year();
    Dialog_Format(pDialog->aszPerGameLabel[0], "%d Profit Per Game", nYear);
    Dialog_Format(pDialog->aszPerGameLabel[1], "%d Profit Per Game", nYear - 1);
    Money_Text(Per_Game(nThisSeason, Get_Team_Financial_Stat(nTeam, FIN_HOME_GAMES_SEASON)),
               pDialog->aszPerGame[0]);
    int nLastHomeGames = Get_Team_Financial_Stat(nTeam, FIN_HOME_GAMES_LAST_SEASON);
    if (Current_Season_Index() == 0 || nLastHomeGames < 1)
        Dialog_Format(pDialog->aszPerGame[1], "$---,---");
    else
        Money_Text(Per_Game(nLastSeason, nLastHomeGames), pDialog->aszPerGame[1]);
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
        Set_Team_Financial_Stat(pDialog->nTeam, FIELDS[nItem].nPrice,
                                Concession_Price(pDialog->anPrice[nItem]));
    return true;
}
