#include "base/random.h"
#include "database/team.h"
#include "finance/factors.h"
#include "finance/settlement.h"

namespace {
struct Item {
    int nPriceField;
    int nLastGameField; // profit
    int nSeasonField;
    int nBudgetDivisor;
    int nUnitCost; // cents at an income of $25,000
    bool bDoubled;
};
// Beer, food, souvenirs: the order in which the fans spend.
constexpr Item ITEMS[] = {
    {FIN_BEER_PRICE, FIN_BEER_PROFIT_LAST_GAME, FIN_BEER_PROFIT_SEASON, 5, 25, true},
    {FIN_FOOD_PRICE, FIN_FOOD_PROFIT_LAST_GAME, FIN_FOOD_PROFIT_SEASON, 3, 50, false},
    {FIN_SOUVENIR_PRICE, FIN_SOUVENIR_PROFIT_LAST_GAME, FIN_SOUVENIR_PROFIT_SEASON, 2, 50, false},
};
constexpr int NO_SALE = 1750; // price per mille of the budget at which nothing sells

// The price per mille of what the fan has left for the item. A fan with
// nothing left buys nothing that costs money.
int Price_Against_Budget(int nPrice, int nBudget) {
    if (nBudget > 0) return Ratio(1000, nPrice, nBudget);
    return nPrice > 0 ? NO_SALE : 0;
}

int Units_Sold(int nAttendance, int v) {
    int nUnits = v >= 750 ? Ratio(nAttendance / 4, 1750 - v, 1000) : Ratio(nAttendance, 1000 - v, 1000);
    return Max(0, nUnits);
}
} // namespace

int Sell_Concessions(TNUM nHome, int nAttendance) {
    int nIncome = Team_Income(nHome);
    int nRemaining = Spending_Index(nHome) - Ticket_Price_Of(nHome);
    int nDraw = Random(1000);
    int nPenalty = 0, nTotal = 0;
    for (const Item& item : ITEMS) {
        int nPrice = Concession_Price_Of(nHome, item.nPriceField);
        int v = Price_Against_Budget(nPrice, nRemaining / item.nBudgetDivisor);
        int nUnits = Units_Sold(nAttendance, v);
        if (item.bDoubled) nUnits = Ratio(nUnits, 200, 100);
        int nCost = Ratio(item.nUnitCost, nIncome, 25000);
        int nProfit = Ratio(nUnits, nPrice, 100) - Ratio(nUnits, nCost, 100);
        Set_Team_Financial_Stat(nHome, item.nLastGameField, nProfit);
        Add_Team_Financial_Stat(nHome, item.nSeasonField, nProfit);
        if (v > 500) nPenalty += v / 10;
        nTotal += nProfit;
    }
    if (nDraw < nPenalty) Lose_Loyalty_Point(nHome);
    return nTotal;
}
