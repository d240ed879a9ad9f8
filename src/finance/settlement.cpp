#include "finance/settlement.h"

#include "base/random.h"
#include "finance/factors.h"
#include "finance/links.h"
#include "platform/platform.h"

namespace {
constexpr int TAX_PERCENT = 35;

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
    Fin_Add(ledger.nTeam, 14, nAmount);
    Earn(ledger, nAmount);
}

// Fans drift towards a team whose tickets are cheap for its city, away from a dear one.
void Ticket_Price_Drift(TNUM nHome) {
    int nPrice = Ratio(1000, Ticket_Price_Of(nHome), 3000);
    int x = 1000 - Ratio(1000, nPrice, Ratio(1000, Team_Income(nHome), 25000));
    int nDraw = Random(1000);
    if (x >= 0 && nDraw < x) Fin_Add(nHome, FIN_FAN_LOYALTY, 1);
    if (x < 0 && nDraw < -x) Fin_Add(nHome, FIN_FAN_LOYALTY, -1);
}

void Book_Local_Broadcast(Ledger& ledger, bool bHome) {
    int nAmount = Local_Broadcast_Revenue(ledger.nTeam, bHome);
    Fin_Set(ledger.nTeam, 6, nAmount);
    Fin_Add(ledger.nTeam, 7, nAmount);
    Earn(ledger, nAmount);
}

void Book_National_Broadcast(Ledger& ledger, int nAmount) {
    Fin_Set(ledger.nTeam, 9, nAmount);
    Fin_Add(ledger.nTeam, 10, nAmount);
    Earn(ledger, nAmount);
}

void Book_Operations(Ledger& ledger) {
    int nAmount = Team_Income(ledger.nTeam) * 13 + 325000;
    Fin_Set(ledger.nTeam, 50, nAmount);
    Fin_Add(ledger.nTeam, 51, nAmount);
    Spend(ledger, nAmount);
}

void Book_Regular_Season_Costs(Ledger& ledger) {
    TNUM nTeam = ledger.nTeam;
    int nPayroll = Payroll_Per_Game(nTeam);
    Fin_Set(nTeam, 53, nPayroll);
    Fin_Add(nTeam, 54, nPayroll);
    Spend(ledger, nPayroll);

    int nDividend = Fin_Get(nTeam, 56);
    Fin_Add(nTeam, 57, nDividend);
    ledger.nCash -= nDividend; // paid out of profits, so not deductible

    int nMedical = Fin_Get(nTeam, 62);
    Fin_Add(nTeam, 63, nMedical);
    Fin_Set(nTeam, FIN_MEDICAL_QUALITY,
            (97 * Fin_Get(nTeam, FIN_MEDICAL_QUALITY) + 3 * Ratio(1000, nMedical, 250000) + 50) / 100);
    Spend(ledger, nMedical);

    int nScouting = Fin_Get(nTeam, 59);
    Fin_Add(nTeam, 60, nScouting);
    Fin_Set(nTeam, FIN_SCOUTING_QUALITY,
            (Ratio(1000, nScouting, 120000) + 19 * Fin_Get(nTeam, FIN_SCOUTING_QUALITY) + 10) * 5 / 100);
    Spend(ledger, nScouting);
}

void Close_Ledger(Ledger& ledger) {
    ledger.nCash -= Ratio(ledger.nTaxable, TAX_PERCENT, 100); // a loss earns a credit
    Fin_Set(ledger.nTeam, FIN_CASH, Saturate(ledger.nCash));
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
    Ledger home = {nHome, Fin_Get(nHome, FIN_CASH), 0};
    Ledger visitor = {nVisitor, Fin_Get(nVisitor, FIN_CASH), 0};

    Fin_Set(nHome, 13, nAttendance);
    Fin_Add(nHome, 15, nAttendance);
    Fin_Add(nVisitor, 19, nAttendance);

    int nGate = Ratio(nAttendance, Ticket_Price_Of(nHome), 100);
    if (bPostseason) nGate *= 2;
    Fin_Set(nHome, 12, nGate);
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

    Fin_Add(nHome, 70, 1);
    Fin_Add(nHome, 72, 1);
    Fin_Add(nVisitor, 72, 1);
}
