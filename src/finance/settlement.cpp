#include "finance/settlement.h"

#include "base/random.h"
#include "database/team.h"
#include "finance/factors.h"
#include "platform/platform.h"

namespace {
// A team's cash while a game is booked, and what the tax is levied on.
struct Ledger {
    TNUM nTeam;
    int64_t nCash;
    int64_t nTaxable;
};

void Earn(Ledger& ledger, int nAmount) {
    ledger.nCash += nAmount;
    ledger.nTaxable += nAmount;
}

void Spend(Ledger& ledger, int nAmount) {
    Earn(ledger, -nAmount);
}

void Pay_Share(Ledger& ledger, int nAmount) {
    Add_Team_Financial_Stat(ledger.nTeam, FIN_TICKET_REVENUE_SEASON, nAmount);
    Earn(ledger, nAmount);
}

// Fans drift towards a team whose tickets are cheap for its city, away from a dear one.
void Ticket_Price_Drift(TNUM nHome) {
    int nPrice = Ratio(1000, Ticket_Price_Of(nHome), 3000);
    int x = 1000 - Ratio(1000, nPrice, Ratio(1000, Team_Income(nHome), 25000));
    int nDraw = Random(1000);
    if (x >= 0 && nDraw < x) Add_Team_Financial_Stat(nHome, FIN_FAN_LOYALTY, 1);
    if (x < 0 && nDraw < -x) Add_Team_Financial_Stat(nHome, FIN_FAN_LOYALTY, -1);
}

void Book_Local_Broadcast(Ledger& ledger, bool bHome) {
    int nAmount = Local_Broadcast_Revenue(ledger.nTeam, bHome);
    Set_Team_Financial_Stat(ledger.nTeam, FIN_LOCAL_BROADCAST_LAST_GAME, nAmount);
    Add_Team_Financial_Stat(ledger.nTeam, FIN_LOCAL_BROADCAST_SEASON, nAmount);
    Earn(ledger, nAmount);
}

void Book_National_Broadcast(Ledger& ledger, int nAmount) {
    Set_Team_Financial_Stat(ledger.nTeam, FIN_NATIONAL_BROADCAST_LAST_GAME, nAmount);
    Add_Team_Financial_Stat(ledger.nTeam, FIN_NATIONAL_BROADCAST_SEASON, nAmount);
    Earn(ledger, nAmount);
}

void Book_Operations(Ledger& ledger) {
    int nAmount = (int)Operating_Expense(Team_Income(ledger.nTeam));
    Set_Team_Financial_Stat(ledger.nTeam, FIN_OPERATIONS_LAST_GAME, nAmount);
    Add_Team_Financial_Stat(ledger.nTeam, FIN_OPERATIONS_SEASON, nAmount);
    Spend(ledger, nAmount);
}

void Book_Regular_Season_Costs(Ledger& ledger) {
    TNUM nTeam = ledger.nTeam;
    int nPayroll = Payroll_Per_Game(nTeam);
    Set_Team_Financial_Stat(nTeam, FIN_SALARIES_LAST_GAME, nPayroll);
    Add_Team_Financial_Stat(nTeam, FIN_SALARIES_SEASON, nPayroll);
    Spend(ledger, nPayroll);

    int nDividend = Get_Team_Financial_Stat(nTeam, FIN_DIVIDEND_PER_GAME);
    Add_Team_Financial_Stat(nTeam, FIN_DIVIDENDS_SEASON, nDividend);
    ledger.nCash -= nDividend; // paid out of profits, so not deductible

    int nMedical = Get_Team_Financial_Stat(nTeam, FIN_MEDICAL_BUDGET);
    Add_Team_Financial_Stat(nTeam, FIN_MEDICAL_SPENT_SEASON, nMedical);
    int nMedicalQuality = Get_Team_Financial_Stat(nTeam, FIN_MEDICAL_QUALITY);
    Set_Team_Financial_Stat(nTeam, FIN_MEDICAL_QUALITY,
                            (97 * nMedicalQuality + 3 * Ratio(1000, nMedical, 250000) + 50) / 100);
    Spend(ledger, nMedical);

    int nScouting = Get_Team_Financial_Stat(nTeam, FIN_SCOUTING_BUDGET);
    Add_Team_Financial_Stat(nTeam, FIN_SCOUTING_SPENT_SEASON, nScouting);
    int nScoutingQuality = Get_Team_Financial_Stat(nTeam, FIN_SCOUTING_QUALITY);
    Set_Team_Financial_Stat(nTeam, FIN_SCOUTING_QUALITY,
                            (Ratio(1000, nScouting, 120000) + 19 * nScoutingQuality + 10) * 5 / 100);
    Spend(ledger, nScouting);
}

void Close_Ledger(Ledger& ledger) {
    ledger.nCash -= Ratio(ledger.nTaxable, CORPORATE_TAX_PERCENT, 100); // a loss earns a credit
    Set_Team_Financial_Stat(ledger.nTeam, FIN_CASH, Saturate(ledger.nCash));
}
} // namespace

void Settle_Game_Finances(TNUM nHome, TNUM nVisitor, int nAttendance) {
    if (nHome < 0 || nHome >= NUMBER_OF_FRANCHISES || nVisitor < 0 || nVisitor >= NUMBER_OF_FRANCHISES ||
        nHome == nVisitor || !Valid_Team(nHome) || !Valid_Team(nVisitor)) {
        Error_Log("Invalid nTeam in Settle_Game_Finances(%d, %d)", nHome, nVisitor);
        return;
    }
    nAttendance = Max(0, nAttendance);
    bool bPostseason = Is_Postseason();
    Ledger home = {nHome, Get_Team_Financial_Stat(nHome, FIN_CASH), 0};
    Ledger visitor = {nVisitor, Get_Team_Financial_Stat(nVisitor, FIN_CASH), 0};

    Set_Team_Financial_Stat(nHome, FIN_ATTENDANCE_LAST_GAME, nAttendance);
    Add_Team_Financial_Stat(nHome, FIN_HOME_ATTENDANCE_SEASON, nAttendance);
    Add_Team_Financial_Stat(nVisitor, FIN_ROAD_ATTENDANCE_SEASON, nAttendance);

    int nGate = Ratio(nAttendance, Ticket_Price_Of(nHome), 100);
    if (bPostseason) nGate *= 2;
    Set_Team_Financial_Stat(nHome, FIN_GATE_LAST_GAME, nGate);
    Pay_Share(home, Ratio(nGate, 66, 100));
    Pay_Share(visitor, Ratio(nGate, 34, 100));

    Earn(home, Sell_Concessions(nHome, nAttendance));
    Ticket_Price_Drift(nHome);

    if (!bPostseason) {
        Book_Local_Broadcast(visitor, false);
        Book_Local_Broadcast(home, true);
        int nNational = National_Broadcast_Revenue();
        Book_National_Broadcast(visitor, nNational);
        Book_National_Broadcast(home, nNational);
    }
    Book_Operations(visitor);
    Book_Operations(home);
    if (!bPostseason) {
        Book_Regular_Season_Costs(visitor);
        Book_Regular_Season_Costs(home);
    }
    Close_Ledger(visitor);
    Close_Ledger(home);

    Add_Team_Financial_Stat(nHome, FIN_HOME_GAMES_SEASON, 1);
    Add_Team_Financial_Stat(nHome, FIN_GAMES_SEASON, 1);
    Add_Team_Financial_Stat(nVisitor, FIN_GAMES_SEASON, 1);
}
