// The money settings a computer manager chooses for its franchise: the
// broadcast policy, the ticket and concession prices and the two budgets,
// renewed from its cash and payroll at every roster review.
#include <cstdint>

#include "base/random.h"
#include "database/team.h"
#include "finance/budget_dialogs.h"
#include "finance/factors.h"
#include "finance/finance.h"

namespace {
constexpr int PAY_ONLY_BELOW = 300;   // cash level
constexpr int BLACKOUT_BELOW = 600;
constexpr int NORMAL_ABOVE = 1200;
constexpr int THRIFTY_BELOW = 1000;   // a poorer team asks a little more of its fans
constexpr int LEVEL_LIMIT = 1000000;  // $15 billion of cash or $63 billion of payroll: far beyond any league
constexpr int SCOUTING_STANDARD = 120000;  // dollars per game for quality 1000
constexpr int MEDICAL_STANDARD = 250000;

int Down_To(int n, int nStep) { return n - n % nStep; }

// Ratio's rounding in 64 bits: a rich team's budget must not wrap before it is capped.
int64_t Ratio64(int64_t a, int64_t b, int64_t c) { return c == 0 ? 0 : (a * b + c / 2) / c; }

int Price(int nCents, int nHighest) { return Clamp(0, Down_To(nCents, 5), nHighest); }

int Budget(int64_t nDollars) {
    int nBudget = (int)(nDollars < 0 ? 0 : nDollars > MAX_BUDGET ? MAX_BUDGET : nDollars);
    return Down_To(nBudget, 100);
}
}  // namespace

int Computer_Broadcast_Policy(int nCashLevel, int nPolicy) {
    if (nCashLevel < 0) return BROADCAST_NORMAL;
    if (nCashLevel < PAY_ONLY_BELOW) return BROADCAST_PAY_ONLY;
    if (nCashLevel < BLACKOUT_BELOW) return BROADCAST_BLACKOUT;
    if (nCashLevel > NORMAL_ABOVE) return BROADCAST_NORMAL;
    return nPolicy;
}

void Set_Computer_Money_Settings(TNUM nTeam) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES || !Valid_Team(nTeam)) return;
    int b = Clamp(0, Get_Team_Financial_Stat(nTeam, FIN_WEALTH), LEVEL_LIMIT);
    int f = Clamp(0, Get_Team_Financial_Stat(nTeam, FIN_PAYROLL_INDEX), LEVEL_LIMIT);
    int d = Clamp(0, Get_Game_State(GS_DIFFICULTY), 3);
    Set_Team_Financial_Stat(nTeam, FIN_BROADCAST_POLICY,
                            Computer_Broadcast_Policy(b, Get_Team_Financial_Stat(nTeam, FIN_BROADCAST_POLICY)));

    // About half of what a fan will spend, spread more widely on the easier levels.
    int nSpending = Spending_Index(nTeam);
    if (b < THRIFTY_BELOW) nSpending = Ratio(nSpending, 11000 - b, 10000);
    int x = (nSpending > 1999 ? nSpending : (nSpending + 8000) / 5) / 2;
    int e = Ratio(x, (Random(101) - 50) * (3 - d) + 1000, 1000);
    Set_Team_Financial_Stat(nTeam, FIN_TICKET_PRICE, Clamp(0, Down_To(e, 25), MAX_TICKET_PRICE));

    // Concessions follow the ticket against a $30 ticket.
    int g = Ratio(1000, e, 3000);
    Set_Team_Financial_Stat(nTeam, FIN_BEER_PRICE, Price(Ratio(350, g, 1000), MAX_CONCESSION_PRICE));
    Set_Team_Financial_Stat(nTeam, FIN_FOOD_PRICE, Price(Ratio(500, g, 1000), MAX_CONCESSION_PRICE));
    Set_Team_Financial_Stat(nTeam, FIN_SOUVENIR_PRICE, Price(Ratio(750, g, 1000), MAX_CONCESSION_PRICE));

    // Staff budgets grow with cash; a heavy payroll holds scouting back and
    // asks for more medical care.
    int64_t o = Ratio64(b, 1000, f / 5 + 800);
    int64_t t = Ratio64(SCOUTING_STANDARD, o, 1000);
    if (t < b - f + 2000) t = b - f + 2000;
    Set_Team_Financial_Stat(nTeam, FIN_SCOUTING_BUDGET, Budget(t));
    int64_t u = Ratio64(b, f, 1000);
    int64_t w = Ratio64(MEDICAL_STANDARD, u, 1000);
    if (w < (int64_t)f + b + 1000) w = (int64_t)f + b + 1000;
    Set_Team_Financial_Stat(nTeam, FIN_MEDICAL_BUDGET, Budget(w));
}
