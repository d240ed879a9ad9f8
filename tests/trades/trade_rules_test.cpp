// Legality of offers at its boundaries (roster room, the thinned minimum
// before a draft, the cap for a team already over it), offers no page could
// build, and the page's item and cash rules.
#include <cstring>

#include "trade_fixture.h"
#include "trades/trade_rules.h"

namespace {
std::string Reason(const TRADE_OFFER& offer) {
    char szReason[TRADE_TEXT_WIDTH];
    return Trade_Is_Legal(offer, szReason) ? "legal" : szReason;
}
}  // namespace

TEST_F(TradeTest, AFullRosterCannotTakeOneMoreThanItGives) {
    Size_Roster(0, 60);
    Size_Roster(1, PLAYERS_PER_TEAM);
    TRADE_OFFER offer = One_For_One(0, 0);
    EXPECT_EQ(Reason(offer), "legal");
    offer.aanItems[0][1] = 1;
    EXPECT_EQ(Reason(offer), "The " + Nickname(1) + " do not have room for 1 more players.");
    // The partner's side is checked the same way.
    Mirror_Trade_Offer(&offer);
    EXPECT_EQ(Reason(offer), "The " + Nickname(1) + " do not have room for 1 more players.");
}

TEST_F(TradeTest, TheMinimumRosterThinsByThePicksOfTheNextDraft) {
    Size_Roster(0, 50);
    Size_Roster(1, 60);
    Own_Next_Draft_Picks(0, 4);
    g_League.abDraftPicks[1][0][1] = 0;  // a later draft's pick does not count
    EXPECT_EQ(Trade_Minimum_Roster(0), 49);
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, 0, 1);
    offer.aanItems[0][0] = 0;
    EXPECT_EQ(Reason(offer), "legal");
    offer.aanItems[0][1] = 1;
    EXPECT_EQ(Reason(offer), Nickname(0) + " would have less than 49 players.");
    // A team that gains nobody is never held to its minimum.
    Size_Roster(0, 40);
    TRADE_OFFER even = One_For_One(0, 0);
    EXPECT_EQ(Reason(even), "legal");
}

TEST_F(TradeTest, ATeamOverTheCapMayOnlyTradePayrollAway) {
    Size_Roster(0, 60);
    Size_Roster(1, 60);
    Set_Cap_Impact(0, 0, 2000);
    Set_Cap_Impact(1, 0, 1500);
    Set_Cap_Impact(0, 1, Get_Team_Financial_Stat(1, FIN_PAYROLL) + 5000);  // team 0 well above team 1
    int nCap = Get_Team_Financial_Stat(1, FIN_PAYROLL) + 500;               // team 1 has just room for the $500
    ASSERT_GT(Get_Team_Financial_Stat(0, FIN_PAYROLL), nCap);
    Set_League_Rule(LR_SALARY_CAP, nCap * 1000);

    TRADE_OFFER offer = One_For_One(0, 0);
    EXPECT_EQ(Reason(offer), "legal");
    Mirror_Trade_Offer(&offer);
    EXPECT_EQ(Reason(offer), "legal");  // the same trade, told from the other side
    TRADE_OFFER reverse = One_For_One(0, 0);
    Set_Cap_Impact(0, 0, 1500);
    Set_Cap_Impact(1, 0, 2000);
    EXPECT_EQ(Reason(reverse), Nickname(0) + " exceed league salary cap.");
    // One thousand short of room for the $500: team 1 is refused too.
    Set_Cap_Impact(0, 0, 2000);
    Set_Cap_Impact(1, 0, 1500);
    Set_League_Rule(LR_SALARY_CAP, (Get_Team_Financial_Stat(1, FIN_PAYROLL) + 499) * 1000);
    EXPECT_EQ(Reason(One_For_One(0, 0)), Nickname(1) + " exceed league salary cap.");
}

TEST_F(TradeTest, OffersNoPageCouldBuildAreRefusedWithAText) {
    Size_Roster(0, 60);
    Size_Roster(1, 60);
    Own_Next_Draft_Picks(0, 2);
    auto Expect_Refused = [](const TRADE_OFFER& offer, const char* szPart) {
        std::string szReason = Reason(offer);
        EXPECT_NE(szReason.find(szPart), std::string::npos) << szReason;
    };
    TRADE_OFFER offer = One_For_One(0, 0);
    offer.anTeam[1] = TOTAL_NUMBER_OF_TEAMS + 3;
    Expect_Refused(offer, "not in the league");
    offer.anTeam[1] = NO_TEAM;
    Expect_Refused(offer, "not in the league");
    offer.anTeam[1] = FREE_AGENT_TEAM;  // a pool is no trading partner
    Expect_Refused(offer, "not in the league");
    offer = One_For_One(0, 1);
    offer.anTeam[1] = 0;
    Expect_Refused(offer, "itself");
    offer = One_For_One(0, 0);
    offer.aanItems[0][0] = 60 + 2;  // past the two picks it owns
    Expect_Refused(offer, "do not own that draft pick");
    offer.aanItems[0][0] = 60 + 1;  // its second pick is fine
    EXPECT_EQ(Reason(offer), "legal");
    offer = One_For_One(0, 0);
    offer.aanItems[0][2] = 5;  // after the empty second item
    Expect_Refused(offer, "gap");
    offer = One_For_One(0, 0);
    offer.aanItems[0][1] = 0;
    Expect_Refused(offer, "already part of the trade offer");
    offer = One_For_One(-7, 0);
    Expect_Refused(offer, "no item");
    offer = One_For_One(0, 0);
    offer.nCash = -(TRADE_CASH_LIMIT + 1);
    Expect_Refused(offer, "million");
}

TEST_F(TradeTest, MirrorTwiceGivesTheSameOffer) {
    Size_Roster(0, 60);
    Own_Next_Draft_Picks(0, 3);
    TRADE_OFFER offer = One_For_One(4, 9);
    offer.aanItems[0][1] = 60 + 2;
    offer.nCash = -3;
    TRADE_OFFER mirrored = offer;
    Mirror_Trade_Offer(&mirrored);
    EXPECT_EQ(mirrored.anTeam[0], 1);
    EXPECT_EQ(mirrored.aanItems[1][1], 60 + 2);
    EXPECT_EQ(mirrored.nCash, 3);
    Mirror_Trade_Offer(&mirrored);
    EXPECT_EQ(memcmp(&mirrored, &offer, sizeof offer), 0);
}

TEST_F(TradeTest, TheItemListsTakeFifteenAndCloseUpOnRemoval) {
    Size_Roster(0, 60);
    Own_Next_Draft_Picks(0, 2);
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, 0, 1);
    TradeRefusal refusal{};
    for (PNUM nPlayer = 0; nPlayer < TRADE_ITEMS; nPlayer++) ASSERT_TRUE(Add_Trade_Player(&offer, 0, nPlayer, &refusal));
    EXPECT_FALSE(Add_Trade_Player(&offer, 0, TRADE_ITEMS, &refusal));
    EXPECT_STREQ(refusal.szTitle, "Can't add player to deal");
    EXPECT_STREQ(refusal.szText,
                 "No more than 15 items (players or draft picks) per team may be offered in a trade.");
    EXPECT_FALSE(Add_Trade_Pick(&offer, 0, 0, &refusal));
    EXPECT_STREQ(refusal.szTitle, "Can't draft pick add to deal");
    EXPECT_EQ(Count_Trade_Items(offer, 0), TRADE_ITEMS);

    Remove_Trade_Item(&offer, 0, 3);
    EXPECT_EQ(Count_Trade_Items(offer, 0), TRADE_ITEMS - 1);
    EXPECT_EQ(offer.aanItems[0][3], 4);
    EXPECT_EQ(offer.aanItems[0][TRADE_ITEMS - 2], TRADE_ITEMS - 1);
    EXPECT_FALSE(Add_Trade_Player(&offer, 0, 7, &refusal));
    EXPECT_STREQ(refusal.szText, "That player is already part of the trade offer.");
    ASSERT_TRUE(Add_Trade_Pick(&offer, 0, 1, &refusal));
    EXPECT_FALSE(Add_Trade_Pick(&offer, 0, 1, &refusal));
    EXPECT_STREQ(refusal.szTitle, "Can't add draft pick to deal");
    EXPECT_STREQ(refusal.szText, "That draft pick is already part of the trade offer.");
    // Nothing that is not there can be added.
    EXPECT_FALSE(Add_Trade_Pick(&offer, 1 - 1, 2, &refusal));
    EXPECT_FALSE(Add_Trade_Player(&offer, 1, 79, &refusal));
}

TEST_F(TradeTest, TheCashFieldsShareOneFigureAndTheirTeamsMeans) {
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, 0, 1);
    Set_Team_Financial_Stat(0, FIN_CASH, 7999999);
    Set_Team_Financial_Stat(1, FIN_CASH, 50000000);
    Set_Trade_Cash_Field(&offer, 0, 9);
    EXPECT_EQ(offer.nCash, 7);  // whole millions the team has
    Set_Trade_Cash_Field(&offer, 1, 3);
    EXPECT_EQ(offer.nCash, -3);
    EXPECT_EQ(Trade_Cash_Field(offer, 0), 0);
    Set_Trade_Cash_Field(&offer, 0, 0);  // leaves the other field alone
    EXPECT_EQ(offer.nCash, -3);
    Set_Trade_Cash_Field(&offer, 1, 0);
    EXPECT_EQ(offer.nCash, 0);
    Set_Team_Financial_Stat(0, FIN_CASH, -5000000);
    Set_Trade_Cash_Field(&offer, 0, 2);
    EXPECT_EQ(offer.nCash, 0);
}

TEST_F(TradeTest, ATeamInDebtMayNotRaiseItsPayroll) {
    Size_Roster(0, 60);
    Size_Roster(1, 60);
    Set_Game_State(GS_USER_TEAM, 0);
    Set_Team_Financial_Stat(0, FIN_CASH, -1);
    Set_Cap_Impact(0, 0, 1000);
    Set_Cap_Impact(1, 0, 1001);
    TradeRefusal refusal{};
    EXPECT_FALSE(Trade_Passes_Debt_Rule(One_For_One(0, 0), &refusal));
    EXPECT_STREQ(refusal.szTitle, "Debt");
    EXPECT_STREQ(refusal.szText, "While in debt, you cannot offer a trade that increases your payroll.");
    Set_Cap_Impact(1, 0, 1000);
    EXPECT_TRUE(Trade_Passes_Debt_Rule(One_For_One(0, 0), &refusal));
    Set_Cap_Impact(1, 0, 1001);
    Set_Team_Financial_Stat(0, FIN_CASH, 0);
    EXPECT_TRUE(Trade_Passes_Debt_Rule(One_For_One(0, 0), &refusal));
    Set_Team_Financial_Stat(0, FIN_CASH, -1);
    Set_Game_State(GS_USER_TEAM, 2);  // the rule is the user's
    EXPECT_TRUE(Trade_Passes_Debt_Rule(One_For_One(0, 0), &refusal));
}

TEST_F(TradeTest, TheCapDeadlockStartsAtTwiceTheCap) {
    auto Both = [] { return Get_Team_Financial_Stat(0, FIN_PAYROLL) + Get_Team_Financial_Stat(1, FIN_PAYROLL); };
    Set_Cap_Impact(0, 0, 1000);
    if (Both() % 2) Set_Cap_Impact(0, 0, 1001);  // an even sum, so that half of it is exact
    ASSERT_EQ(Both() % 2, 0);
    int nHalf = Both() / 2;
    Set_League_Rule(LR_SALARY_CAP, (nHalf + 1) * 1000);
    EXPECT_FALSE(Trade_Cap_Deadlock(0, 1));
    Set_League_Rule(LR_SALARY_CAP, nHalf * 1000);
    EXPECT_TRUE(Trade_Cap_Deadlock(0, 1));
    TradeRefusal refusal{};
    EXPECT_TRUE(Trade_Page_Opening_Refusal(0, 1, &refusal));
    EXPECT_STREQ(refusal.szTitle, "Salary Cap");
    Set_Game_State(GS_COMMISSIONER, 1);
    EXPECT_FALSE(Trade_Page_Opening_Refusal(0, 1, &refusal));
}

TEST_F(TradeTest, ItemsReadAsThePageShowsThem) {
    Size_Roster(0, 60);
    Own_Next_Draft_Picks(0, 1);
    g_League.abDraftPicks[0][1][1] = 0;  // the second round's pick of team 1 comes second in the walk
    TRADE_OFFER offer = One_For_One(60 + 1, 0);
    char szText[TRADE_TEXT_WIDTH], szAbbreviation[32];
    Get_Team_String(1, TS_ABBREVIATION, szAbbreviation);
    Format_Trade_Item(offer, 0, 0, szText);
    EXPECT_EQ(std::string(szText), std::to_string(Current_Calendar_Year() + 1) + " - Second Round (" + szAbbreviation + ")");
    Format_Owner_Pick({2, 6, 1}, szText);
    EXPECT_EQ(std::string(szText),
              "  Seventh Round Pick\t (" + std::to_string(Current_Calendar_Year() + 3) + ")\t(" + szAbbreviation + ")");
    char szName[FULL_NAME_WIDTH + 1];
    Get_Player_Full_Name(1, 0, szName);
    Format_Trade_Item(offer, 1, 0, szText);
    EXPECT_EQ(std::string(szText).rfind(std::string(szName) + " (", 0), 0u) << szText;
    Format_Trade_Roster_Count(0, szText);
    EXPECT_STREQ(szText, "Players (60/80)");
}
