#include "base/random.h"
#include "finance/factors.h"
#include "finance/links.h"
#include "finance/settlement.h"

namespace {
struct Item {
    int nPriceField; // then last game profit, this season's profit
    int nBudgetDivisor;
    int nUnitCost; // cents at an income of $25,000
    bool bDoubled;
};
// Beer, food, souvenirs: the order in which the fans spend.
constexpr Item ITEMS[] = {{27, 5, 25, true}, {20, 3, 50, false}, {34, 2, 50, false}};
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
        Fin_Set(nHome, item.nPriceField + 1, nProfit);
        Fin_Add(nHome, item.nPriceField + 2, nProfit);
        if (v > 500) nPenalty += v / 10;
        nTotal += nProfit;
    }
    if (nDraw < nPenalty) Lose_Loyalty_Point(nHome);
    return nTotal;
}
