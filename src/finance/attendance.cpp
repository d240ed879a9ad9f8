#include "finance/attendance.h"

#include "base/random.h"
#include "finance/factors.h"
#include "finance/links.h"
#include "platform/platform.h"

namespace {
constexpr int CROWD_FLOOR = 5000; // below it a dearer ticket loses fans a fifth as fast

int Record_Factor(TNUM nTeam) {
    return Ratio(1000, Season_Wins(nTeam) + 25, Season_Losses(nTeam) + 25);
}

int Broadcast_Multiplier(TNUM nHome) {
    if (Is_Postseason()) return 1500;
    switch (Fin_Get(nHome, FIN_BROADCAST_POLICY)) {
    case BROADCAST_PAY_ONLY:
        return 1050;
    case BROADCAST_BLACKOUT:
        return 1250;
    default:
        return 1000;
    }
}
} // namespace

void Get_Team_Streaks(TNUM nTeam, int* pWins, int* pLosses) {
    *pWins = *pLosses = 0;
    for (int nSlot = Min(Current_Week(), SCHEDULE_SLOTS) - 1; nSlot >= 0; nSlot--) {
        int nResult = Slot_Game_Result(nTeam, nSlot);
        if (nResult == GAME_NOT_PLAYED) continue;
        if (nResult == 1 && *pLosses == 0)
            ++*pWins;
        else if (nResult == -1 && *pWins == 0)
            ++*pLosses;
        else
            break;
    }
}

int Ticket_Price_Ceiling(TNUM nHome, TNUM nVisitor) {
    int nWins, nLosses;
    Get_Team_Streaks(nHome, &nWins, &nLosses);
    int nStreak = nWins > nLosses ? 1000 + 30 * (nWins - nLosses) : 1000 + 20 * (nWins - nLosses);
    int nSpending = Ratio(Spending_Index(nHome), nStreak, 1000);
    int nCeiling = Ratio(nSpending, Record_Factor(nHome), 1000);
    nCeiling = Ratio(nCeiling, Record_Factor(nVisitor) + 1000, 2000);
    return Ratio(nCeiling, Fin_Get(nVisitor, FIN_FAN_LOYALTY) + 1000, 2000);
}

int Game_Attendance_Demand(TNUM nHome, TNUM nVisitor) {
    if (!Valid_Team(nHome) || !Valid_Team(nVisitor) || nHome >= NUMBER_OF_FRANCHISES ||
        nVisitor >= NUMBER_OF_FRANCHISES) {
        Error_Log("Invalid nTeam in Game_Attendance_Demand(%d, %d)", nHome, nVisitor);
        return 0;
    }
    int nCeiling = Ticket_Price_Ceiling(nHome, nVisitor);
    int nPotential = Ratio(Team_Market(nHome), Stadium_Quality(nHome), 1000);
    int nCrowd = Ratio(nPotential, nCeiling - Ticket_Price_Of(nHome), nCeiling);
    if (nCrowd < CROWD_FLOOR) nCrowd = CROWD_FLOOR - (CROWD_FLOOR - nCrowd) / 5;
    nCrowd = Ratio(nCrowd, Broadcast_Multiplier(nHome), 1000);
    return Max(0, Min(nCrowd, Stadium_Field(nHome, 0))); // a damaged capacity gives no negative crowd
}
