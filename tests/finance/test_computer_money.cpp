// The money settings computer managers choose: the broadcast policy's cash
// boundaries, the ticket's random spread, and prices and budgets that stay
// within what the dialogs allow however rich or poor the team.
#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "finance/budget_dialogs.h"
#include "finance/finance.h"
#include "money_league.h"

namespace {
constexpr int DOLLARS_PER_LEVEL = 15000;  // cash of one per mille of FIN_WEALTH

class ComputerMoneyTest : public MoneyTest {
  protected:
    void SetUp() override {
        MoneyTest::SetUp();
        Make_League(2);
        Set_Team_Stat(0, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
    }
    static int Policy_At_Cash(int nCash, int nPolicy) {
        Set_Fin(0, FIN_CASH, nCash);
        Set_Fin(0, FIN_BROADCAST_POLICY, nPolicy);
        Set_Computer_Money_Settings(0);
        return Fin(0, FIN_BROADCAST_POLICY);
    }
    static void Expect_Within_The_Dialogs(TNUM nTeam) {
        int nTicket = Fin(nTeam, FIN_TICKET_PRICE);
        EXPECT_EQ(nTicket % 25, 0);
        EXPECT_TRUE(nTicket >= 0 && nTicket <= MAX_TICKET_PRICE) << nTicket;
        for (int nField : {FIN_BEER_PRICE, FIN_FOOD_PRICE, FIN_SOUVENIR_PRICE}) {
            int nPrice = Fin(nTeam, nField);
            EXPECT_EQ(nPrice % 5, 0);
            EXPECT_TRUE(nPrice >= 0 && nPrice <= MAX_CONCESSION_PRICE) << nField << ": " << nPrice;
        }
        for (int nField : {FIN_SCOUTING_BUDGET, FIN_MEDICAL_BUDGET}) {
            int nBudget = Fin(nTeam, nField);
            EXPECT_EQ(nBudget % 100, 0);
            EXPECT_TRUE(nBudget >= 0 && nBudget <= MAX_BUDGET) << nField << ": " << nBudget;
        }
    }
};
}  // namespace

TEST_F(ComputerMoneyTest, TheBroadcastPolicyFollowsTheCashLevel) {
    EXPECT_EQ(Policy_At_Cash(-DOLLARS_PER_LEVEL, BROADCAST_NORMAL), BROADCAST_PAY_ONLY);  // debt reads as level 0
    EXPECT_EQ(Policy_At_Cash(0, BROADCAST_NORMAL), BROADCAST_PAY_ONLY);
    EXPECT_EQ(Policy_At_Cash(299 * DOLLARS_PER_LEVEL, BROADCAST_BLACKOUT), BROADCAST_PAY_ONLY);
    EXPECT_EQ(Policy_At_Cash(300 * DOLLARS_PER_LEVEL, BROADCAST_PAY_ONLY), BROADCAST_BLACKOUT);
    EXPECT_EQ(Policy_At_Cash(599 * DOLLARS_PER_LEVEL, BROADCAST_NORMAL), BROADCAST_BLACKOUT);
    // Between 600 and 1200 the team keeps whatever it has.
    for (int nPolicy : {BROADCAST_NORMAL, BROADCAST_PAY_ONLY, BROADCAST_BLACKOUT}) {
        EXPECT_EQ(Policy_At_Cash(600 * DOLLARS_PER_LEVEL, nPolicy), nPolicy);
        EXPECT_EQ(Policy_At_Cash(1200 * DOLLARS_PER_LEVEL, nPolicy), nPolicy);
    }
    EXPECT_EQ(Policy_At_Cash(1201 * DOLLARS_PER_LEVEL, BROADCAST_BLACKOUT), BROADCAST_NORMAL);
    // A level below 0 never comes from the cash, but the rule still has an answer.
    EXPECT_EQ(Computer_Broadcast_Policy(-1, BROADCAST_BLACKOUT), BROADCAST_NORMAL);
}

TEST_F(ComputerMoneyTest, EachRenewalDrawsOneNumber) {
    Seed_Random(77);
    Set_Computer_Money_Settings(0);
    int nAfter = Random(1000000);
    Seed_Random(77);
    Random(101);
    EXPECT_EQ(Random(1000000), nAfter);
}

TEST_F(ComputerMoneyTest, TheTicketSpreadNarrowsToNothingOnTheHardestLevel) {
    Set_Game_State(GS_DIFFICULTY, 3);
    Set_Computer_Money_Settings(0);
    int nCentral = Fin(0, FIN_TICKET_PRICE);
    ASSERT_GT(nCentral, 0);
    for (int n = 0; n < 20; n++) {
        Set_Computer_Money_Settings(0);
        EXPECT_EQ(Fin(0, FIN_TICKET_PRICE), nCentral);
    }
    // On the easiest level a draw moves it by up to 15 % either way.
    Set_Game_State(GS_DIFFICULTY, 0);
    int nLowest = nCentral, nHighest = nCentral;
    for (int n = 0; n < 200; n++) {
        Set_Computer_Money_Settings(0);
        nLowest = Min(nLowest, Fin(0, FIN_TICKET_PRICE));
        nHighest = Max(nHighest, Fin(0, FIN_TICKET_PRICE));
    }
    EXPECT_LT(nLowest, nCentral);
    EXPECT_GT(nHighest, nCentral);
    EXPECT_GE(nLowest, nCentral * 85 / 100 - 25);
    EXPECT_LE(nHighest, nCentral * 115 / 100 + 25);
}

TEST_F(ComputerMoneyTest, StandardCashAndPayrollBuyStandardStaff) {
    Add_Player(0, 63000, 30, 2);  // payroll level 1000
    Set_Fin(0, FIN_CASH, 15000000);  // cash level 1000
    Set_Computer_Money_Settings(0);
    EXPECT_EQ(Fin(0, FIN_SCOUTING_BUDGET), 120000);
    EXPECT_EQ(Fin(0, FIN_MEDICAL_BUDGET), 250000);
    // Broke with a payroll of three times the standard: no scouting at all,
    // not a negative budget.
    Set_Fin(0, FIN_CASH, -5000000);
    Add_Player(0, 63000 * 2, 30, 2);
    Set_Computer_Money_Settings(0);
    EXPECT_EQ(Fin(0, FIN_SCOUTING_BUDGET), 0);
    EXPECT_LT(Fin(0, FIN_MEDICAL_BUDGET), 10000);
    Expect_Within_The_Dialogs(0);
}

TEST_F(ComputerMoneyTest, NoFortuneOrPayrollTakesASettingOutOfItsRange) {
    for (int nCash : {-1000000000, 0, 15000000, 1000000000, 2147000000})
        for (int nSalary : {0, 63000, 2000000000}) {
            for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) Clear_Player(0, nPlayer);
            if (nSalary > 0) Add_Player(0, nSalary, 30, 2);
            Set_Fin(0, FIN_CASH, nCash);
            Set_Fin(1, FIN_CASH, 0);  // a poor league makes its fans' money worth more
            for (int d = 0; d <= 3; d++) {
                Set_Game_State(GS_DIFFICULTY, d);
                Set_Computer_Money_Settings(0);
                SCOPED_TRACE(testing::Message() << nCash << " " << nSalary << " " << d);
                Expect_Within_The_Dialogs(0);
            }
        }
    // A billion in cash pays the largest budgets the dialog allows.
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) Clear_Player(0, nPlayer);
    Set_Fin(0, FIN_CASH, 1000000000);
    Add_Player(0, 63000, 30, 2);
    Set_Computer_Money_Settings(0);
    EXPECT_EQ(Fin(0, FIN_SCOUTING_BUDGET), MAX_BUDGET);
    EXPECT_EQ(Fin(0, FIN_MEDICAL_BUDGET), MAX_BUDGET);
}
