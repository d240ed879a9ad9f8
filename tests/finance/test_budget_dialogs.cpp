#include <string>

#include "database/team.h"
#include "finance/budget_dialogs.h"
#include "finance/factors.h"
#include "money_league.h"

namespace {
class BudgetDialogTest : public MoneyTest {
  protected:
    void SetUp() override {
        MoneyTest::SetUp();
        Make_League(3);
        Set_Team_Stat(2, TEAM_STAT_CONTROL, 0); // the computer's
    }
};

TEST_F(BudgetDialogTest, MoneyTextsAreReadLeniently) {
    int64_t nCents = 0;
    EXPECT_TRUE(Parse_Money_Text(" $1,250.5 ", &nCents));
    EXPECT_EQ(125050, nCents);
    EXPECT_TRUE(Parse_Money_Text("-3", &nCents));
    EXPECT_EQ(-300, nCents);
    EXPECT_TRUE(Parse_Money_Text(".75", &nCents));
    EXPECT_EQ(75, nCents);
    EXPECT_TRUE(Parse_Money_Text("99999999999999999999", &nCents));
    EXPECT_GT(nCents, 0);
    EXPECT_FALSE(Parse_Money_Text("", &nCents));
    EXPECT_FALSE(Parse_Money_Text("$", &nCents));
    EXPECT_FALSE(Parse_Money_Text("12abc", &nCents));
    EXPECT_FALSE(Parse_Money_Text(nullptr, &nCents));
}

TEST_F(BudgetDialogTest, TicketPricesAreWholeDollarsUpToFiveHundred) {
    TicketsDialog dialog;
    Init_Tickets_Dialog(0, &dialog);
    ASSERT_TRUE(dialog.bEditable);
    EXPECT_STREQ("25.00", dialog.szPrice);
    Set_Tickets_Price_Text(&dialog, "31.99");
    EXPECT_EQ(3100, dialog.nPrice);
    EXPECT_STREQ("31.00", dialog.szPrice);
    Set_Tickets_Price_Text(&dialog, "620");
    EXPECT_EQ(50000, dialog.nPrice);
    Spin_Tickets_Price(&dialog, 1);
    EXPECT_EQ(50000, dialog.nPrice);
    Set_Tickets_Price_Text(&dialog, "-4");
    EXPECT_EQ(0, dialog.nPrice);
    Spin_Tickets_Price(&dialog, -1);
    EXPECT_EQ(0, dialog.nPrice);
    Spin_Tickets_Price(&dialog, 3);
    EXPECT_STREQ("3.00", dialog.szPrice);
    Set_Tickets_Price_Text(&dialog, "lots");
    EXPECT_EQ(300, dialog.nPrice);
    EXPECT_EQ(2500, Fin(0, FIN_TICKET_PRICE));
    EXPECT_TRUE(Apply_Tickets_Dialog(&dialog));
    EXPECT_EQ(300, Fin(0, FIN_TICKET_PRICE));
}

TEST_F(BudgetDialogTest, OtherTeamsAreReadOnlyOutsideCommissionerMode) {
    TicketsDialog dialog;
    Init_Tickets_Dialog(2, &dialog);
    EXPECT_FALSE(dialog.bEditable);
    Set_Tickets_Price_Text(&dialog, "40");
    Spin_Tickets_Price(&dialog, 2);
    EXPECT_EQ(2500, dialog.nPrice);
    dialog.nPrice = 4000; // a front end that ignores the flag still changes nothing
    EXPECT_FALSE(Apply_Tickets_Dialog(&dialog));
    EXPECT_EQ(2500, Fin(2, FIN_TICKET_PRICE));
    g_League.anGameState[GS_COMMISSIONER] = 1;
    Init_Tickets_Dialog(2, &dialog);
    EXPECT_TRUE(dialog.bEditable);
    Set_Tickets_Price_Text(&dialog, "40");
    EXPECT_TRUE(Apply_Tickets_Dialog(&dialog));
    EXPECT_EQ(4000, Fin(2, FIN_TICKET_PRICE));
}

TEST_F(BudgetDialogTest, TicketsShowTheLastHomeGame) {
    Set_Fin(0, FIN_GATE_LAST_GAME, 5000000);
    Set_Fin(0, FIN_ATTENDANCE_LAST_GAME, 200000);
    Set_Fin(0, FIN_HOME_ATTENDANCE_SEASON, 600000);
    Set_Fin(0, FIN_HOME_GAMES_SEASON, 4);
    Set_Fin(0, FIN_TICKET_REVENUE_SEASON, 9000000);
    Set_Fin(0, FIN_GAMES_SEASON, 6);
    TicketsDialog dialog;
    Init_Tickets_Dialog(0, &dialog);
    EXPECT_STREQ("$25.00", dialog.szLastPrice);
    EXPECT_STREQ("200,000*", dialog.szLastAttendance);
    EXPECT_STREQ("$5,000,000", dialog.szLastSales);
    EXPECT_STREQ("150000 (Per Game)", dialog.szAttendancePerGame[0]);
    EXPECT_STREQ("600000 (Total)", dialog.szAttendanceTotal[0]);
    EXPECT_STREQ("1500000 (Per Game)", dialog.szSalesPerGame[0]);
    EXPECT_STREQ("0 (Per Game)", dialog.szAttendancePerGame[1]);
    EXPECT_STREQ("Population: 1,000,000", dialog.szPopulation);
    EXPECT_STREQ("Income: $25,000", dialog.szIncome);
    EXPECT_STREQ("Stadium Capacity: 200,000", dialog.szCapacity);
}

TEST_F(BudgetDialogTest, DialogsOfBadTeamsAreEmptyAndInert) {
    TicketsDialog tickets;
    Init_Tickets_Dialog(7, &tickets);
    EXPECT_EQ(NO_TEAM, tickets.nTeam);
    EXPECT_FALSE(Apply_Tickets_Dialog(&tickets));
    EXPECT_TRUE(Logged("Invalid nTeam in Init_Tickets_Dialog()"));
    ExpensesDialog expenses;
    Init_Expenses_Dialog(NO_TEAM, &expenses);
    EXPECT_FALSE(Apply_Expenses_Dialog(&expenses));
}

TEST_F(BudgetDialogTest, ConcessionPricesMoveByQuartersUpToOneHundred) {
    Set_Fin(0, FIN_BEER_PRICE, 350);
    ConcessionsDialog dialog;
    Init_Concessions_Dialog(0, &dialog);
    EXPECT_STREQ("3.50", dialog.aszPrice[ITEM_BEER]);
    Spin_Concession_Price(&dialog, ITEM_BEER, 2);
    EXPECT_EQ(400, dialog.anPrice[ITEM_BEER]);
    Spin_Concession_Price(&dialog, ITEM_FOOD, -1);
    EXPECT_EQ(0, dialog.anPrice[ITEM_FOOD]);
    Set_Concession_Price_Text(&dialog, ITEM_SOUVENIRS, "100.50");
    EXPECT_EQ(10000, dialog.anPrice[ITEM_SOUVENIRS]);
    Set_Concession_Price_Text(&dialog, ITEM_FOOD, "4.37");
    EXPECT_STREQ("4.37", dialog.aszPrice[ITEM_FOOD]);
    Spin_Concession_Price(&dialog, 3, 1);
    EXPECT_TRUE(Logged("Invalid nItem in concessions dialog: 3"));
    EXPECT_TRUE(Apply_Concessions_Dialog(&dialog));
    EXPECT_EQ(400, Fin(0, FIN_BEER_PRICE));
    EXPECT_EQ(437, Fin(0, FIN_FOOD_PRICE));
    EXPECT_EQ(10000, Fin(0, FIN_SOUVENIR_PRICE));
    EXPECT_STREQ("dialogs/misc/souvenir.jpg", dialog.aszPicture[ITEM_SOUVENIRS]);
}

TEST_F(BudgetDialogTest, ConcessionProfitsPerGame) {
    g_League.anRules[LR_START_YEAR] = 2001;
    Set_Fin(0, FIN_BEER_PROFIT_LAST_GAME, 1000);
    Set_Fin(0, FIN_FOOD_PROFIT_LAST_GAME, 2000);
    Set_Fin(0, FIN_SOUVENIR_PROFIT_LAST_GAME, -500);
    Set_Fin(0, FIN_BEER_PROFIT_SEASON, 30000);
    Set_Fin(0, FIN_HOME_GAMES_SEASON, 3);
    Set_Fin(0, FIN_FOOD_PROFIT_LAST_SEASON, 80000);
    Set_Fin(0, FIN_HOME_GAMES_LAST_SEASON, 8);
    ConcessionsDialog dialog;
    Init_Concessions_Dialog(0, &dialog);
    EXPECT_STREQ("-$500", dialog.aszLastProfit[ITEM_SOUVENIRS]);
    EXPECT_STREQ("$2,500", dialog.szLastProfitTotal);
    EXPECT_STREQ("2001 Profit Per Game", dialog.aszPerGameLabel[0]);
    EXPECT_STREQ("$10,000", dialog.aszPerGame[0]);
    EXPECT_STREQ("$---,---", dialog.aszPerGame[1]); // no last season in the first one
    g_League.anGameState[GS_SEASON_INDEX] = 1;
    Init_Concessions_Dialog(0, &dialog);
    EXPECT_STREQ("2001 Profit Per Game", dialog.aszPerGameLabel[1]);
    EXPECT_STREQ("$10,000", dialog.aszPerGame[1]);
}

TEST_F(BudgetDialogTest, BroadcastPolicyChoice) {
    BroadcastDialog dialog;
    Init_Broadcast_Dialog(0, &dialog);
    EXPECT_STREQ("dialogs/misc/brdcst0.jpg", dialog.szPicture);
    Choose_Broadcast_Policy(&dialog, BROADCAST_BLACKOUT);
    EXPECT_STREQ("dialogs/misc/brdcst2.jpg", dialog.szPicture);
    Choose_Broadcast_Policy(&dialog, 3);
    EXPECT_EQ(BROADCAST_BLACKOUT, dialog.nPolicy);
    EXPECT_TRUE(Apply_Broadcast_Dialog(&dialog));
    EXPECT_EQ(BROADCAST_BLACKOUT, Fin(0, FIN_BROADCAST_POLICY));
    EXPECT_STREQ("Pay Only", Broadcast_Policy_Name(1));
    EXPECT_EQ(0, std::string(Broadcast_Policy_Description(2)).find("Blacking out your home games"));
    EXPECT_STREQ("", Broadcast_Policy_Name(-1));
}

TEST_F(BudgetDialogTest, BudgetsAreTenThousandDollarStepsUpToFiveMillion) {
    ExpensesDialog dialog;
    Init_Expenses_Dialog(0, &dialog);
    Set_Scouting_Text(&dialog, "125,999");
    EXPECT_EQ(120000, dialog.nScouting);
    EXPECT_STREQ("$120,000", dialog.szScouting);
    Set_Medical_Text(&dialog, "$6,000,000");
    EXPECT_EQ(MAX_BUDGET, dialog.nMedical);
    Spin_Medical(&dialog, 1);
    EXPECT_EQ(MAX_BUDGET, dialog.nMedical);
    Spin_Medical(&dialog, -2);
    EXPECT_EQ(4980000, dialog.nMedical);
    Set_Scouting_Text(&dialog, "5000");
    Spin_Scouting(&dialog, -1);
    EXPECT_EQ(0, dialog.nScouting);
    EXPECT_TRUE(Apply_Expenses_Dialog(&dialog));
    EXPECT_EQ(0, Fin(0, FIN_SCOUTING_BUDGET));
    EXPECT_EQ(4980000, Fin(0, FIN_MEDICAL_BUDGET));
}

TEST_F(BudgetDialogTest, RanksCountOnlyStrictlyGreaterValues) {
    Set_Fin(0, FIN_CASH, 10000000);
    Set_Fin(1, FIN_CASH, 20000000);
    Set_Fin(2, FIN_CASH, 20000000);
    ExpensesDialog dialog;
    Init_Expenses_Dialog(0, &dialog);
    EXPECT_STREQ("(3rd)", dialog.cash.szRank);
    EXPECT_STREQ("$10,000,000", dialog.cash.szValue);
    Init_Expenses_Dialog(2, &dialog);
    EXPECT_STREQ("(1st)", dialog.cash.szRank);
    EXPECT_STREQ("(1st)", dialog.szScoutingRank);
    EXPECT_FALSE(dialog.bEditable);
}

TEST_F(BudgetDialogTest, FranchiseProfileForTheNewGameDialog) {
    for (int i = 0; i < 63; i++)
        Add_Player(0, 1000, 30, 1);
    Add_Player(0, 1450, 30, 1);
    FranchiseProfile profile;
    Get_Franchise_Profile(0, &profile);
    EXPECT_STREQ("Fan Base: 2,500,000", profile.szFanBase);
    EXPECT_STREQ("Fan Loyalty: Enthusiastic", profile.szLoyalty);
    EXPECT_STREQ("Fan Income: $25,000", profile.szIncome);
    EXPECT_STREQ("Stadium Capacity: 200,000", profile.szCapacity);
    EXPECT_STREQ("Player Payroll: $64.4 Million", profile.szPayroll);
    EXPECT_EQ(0, std::string(profile.szValue).find("Franchise Value: $"));
}
} // namespace
