#include "finance/attendance.h"

#include "base/random.h"
#include "database/team.h"
#include "finance/factors.h"
#include "platform/platform.h"

namespace {
int (*g_pfnGame_Result)(TNUM nTeam, int nSlot) = nullptr;

constexpr int CROWD_FLOOR = 5000; // below it a dearer ticket loses fans a fifth as fast

int Record_Factor(TNUM nTeam) {
    return Ratio(1000, Get_Team_Wins(nTeam) + 25, Get_Team_Losses(nTeam) + 25);
}

int Broadcast_Multiplier(TNUM nHome) {
    if (Is_Postseason()) return 1500;
    switch (Get_Team_Financial_Stat(nHome, FIN_BROADCAST_POLICY)) {
    case BROADCAST_PAY_ONLY:
        return 1050;
    case BROADCAST_BLACKOUT:
        return 1250;
    default:
        return 1000;
    }
}
} // namespace

void Set_Game_Result_Hook(int (*pfnResult)(TNUM nTeam, int nSlot)) {
    g_pfnGame_Result = pfnResult;
}

void Get_Team_Streaks(TNUM nTeam, int* pWins, int* pLosses) {
    *pWins = *pLosses = 0;
    if (!g_pfnGame_Result) {
        Error_Log("No game result hook in Get_Team_Streaks()");
        return;
    }
    for (int nSlot = Min(Current_Week(), SCHEDULE_SLOTS) - 1; nSlot >= 0; nSlot--) {
        int nResult = g_pfnGame_Result(nTeam, nSlot);
        if (nResult == GAME_NOT_PLAYED) continue;
        if (nResult == GAME_WON && *pLosses == 0)
            ++*pWins;
        else if (nResult == GAME_LOST && *pWins == 0)
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
    return Ratio(nCeiling, Get_Team_Financial_Stat(nVisitor, FIN_FAN_LOYALTY) + 1000, 2000);
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
    // A damaged capacity gives no negative crowd.
    return Max(0, Min(nCrowd, Get_Stadium_Field(nHome, STADIUM_CAPACITY)));
}
