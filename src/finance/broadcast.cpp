#include "base/random.h"
#include "database/team.h"
#include "finance/factors.h"
#include "finance/settlement.h"

int Local_Broadcast_Revenue(TNUM nTeam, bool bHome) {
    int nDraw = Random(100);
    int nValue = Ratio(Team_Market(nTeam), Spending_Index(nTeam) / 5, 100);
    switch (Get_Team_Financial_Stat(nTeam, FIN_BROADCAST_POLICY)) {
    case BROADCAST_PAY_ONLY:
        nValue = Ratio(Ratio(nValue, 150, 100), Team_Income(nTeam), 25000);
        if (nDraw < 30) Lose_Loyalty_Point(nTeam);
        break;
    case BROADCAST_BLACKOUT:
        if (bHome) nValue = 0;
        if (nDraw < 5) Lose_Loyalty_Point(nTeam);
        break;
    default:
        break;
    }
    nValue = Ratio(nValue, bHome ? 920 : 1080, 1000);
    return Apply_Cash_Factors(nTeam, nValue);
}

int National_Broadcast_Revenue() {
    return Ratio(Ratio(5156250, Average_Loyalty(), 1000), 1000, League_Wealth());
}
