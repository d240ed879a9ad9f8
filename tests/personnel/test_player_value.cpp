#include "database/player.h"
#include "personnel/ratings.h"
#include "personnel_support.h"
#include "test_support.h"

using PlayerValueTest = LeagueTest;

namespace {
constexpr TNUM TEAM = 0;
constexpr int P = PERIOD_PREDICTED;

void Fill_Baseline(PNUM nSlot, int nPosition, int nPeriod = P) {
    for (int i = 0; i < 20; i++) Set_Player_Season_Stat(TEAM, nSlot, nPeriod, i, Baseline_Season(nPosition, i));
}
}  // namespace

TEST_F(PlayerValueTest, SeasonValueByPositionFamily) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_QB);
    Fill_Baseline(0, POS_QB);
    EXPECT_EQ(Player_Season_Value(TEAM, 0, P), 5616);
    Make_Player(TEAM, 1, 102, POS_LB);
    Fill_Baseline(1, POS_LB);
    EXPECT_EQ(Player_Season_Value(TEAM, 1, P), 2700);
    Make_Player(TEAM, 2, 103, POS_P);
    Fill_Baseline(2, POS_P);
    EXPECT_EQ(Player_Season_Value(TEAM, 2, P), 1050);
    Make_Player(TEAM, 3, 104, POS_K);
    Fill_Baseline(3, POS_K);
    EXPECT_EQ(Player_Season_Value(TEAM, 3, P), 1021);
    // An empty slot is worth nothing, not the value of a zero season.
    EXPECT_EQ(Player_Season_Value(TEAM, 10, P), 0);
    EXPECT_EQ(Player_Season_Value(TEAM, 4, P), 0);
    Make_Player(TEAM, 4, 105, POS_CB);
    EXPECT_EQ(Player_Season_Value(TEAM, 4, P), -750);
}

TEST_F(PlayerValueTest, KickerFieldGoalsAreCappedOnlyInThePrediction) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_K);
    Fill_Baseline(0, POS_K);
    Fill_Baseline(0, POS_K, PERIOD_THIS_SEASON);
    for (int nPeriod : {P, (int)PERIOD_THIS_SEASON}) {
        Set_Player_Season_Stat(TEAM, 0, nPeriod, SS_FGA_UNDER_30, 13);
        Set_Player_Season_Stat(TEAM, 0, nPeriod, SS_FG_UNDER_30, 13);  // 30 made of 34
    }
    EXPECT_EQ(Player_Season_Value(TEAM, 0, P), 1116);
    EXPECT_EQ(Player_Season_Value(TEAM, 0, PERIOD_THIS_SEASON), 1316);
}

TEST_F(PlayerValueTest, ReturnYardsCountInTheWorthStatistic) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_WR);
    Set_Counters(TEAM, 0, P,
                 {{SS_KICK_RETURNS, 30}, {SS_KICK_RETURN_YARDS, 750}, {SS_PUNT_RETURNS, 30},
                  {SS_PUNT_RETURN_YARDS, 375}});
    Set_Player_Season_Stat(TEAM, 0, P, SS_STORED_BLOCKING, 60);  // blocking already rated
    int nValue = Player_Season_Value(TEAM, 0, P);
    EXPECT_EQ(nValue, 1250 * 1125 / 1000 - 750);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, SS_SEASON_WORTH), nValue - 2250);
}

TEST_F(PlayerValueTest, CurrentValueBlendsAndDeclinesPastThirty) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_LB, 28, 3);
    Fill_Baseline(0, POS_LB);  // 2700 predicted, -750 last season
    EXPECT_EQ(Player_Current_Value(TEAM, 0), 1350 - 374);
    Set_Player_Vital_Stat(TEAM, 0, VS_EXPERIENCE, 0);  // a rookie leans on the prediction
    EXPECT_EQ(Player_Current_Value(TEAM, 0), 2160 - 149);
    Set_Player_Vital_Stat(TEAM, 0, VS_EXPERIENCE, 3);
    Set_Player_Vital_Stat(TEAM, 0, VS_AGE, 30);
    EXPECT_EQ(Player_Current_Value(TEAM, 0), 976);
    Set_Player_Vital_Stat(TEAM, 0, VS_AGE, 33);
    EXPECT_EQ(Player_Current_Value(TEAM, 0), 732);  // 9/12 of 976
    Set_Player_Vital_Stat(TEAM, 0, VS_AGE, 42);
    EXPECT_EQ(Player_Current_Value(TEAM, 0), 0);
    Set_Player_Vital_Stat(TEAM, 0, VS_AGE, 43);
    EXPECT_LT(Player_Current_Value(TEAM, 0), 0);
}

TEST_F(PlayerValueTest, TradeValueIsCurrentValueFromThePeakOn) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_LB, 26, 3);
    Fill_Baseline(0, POS_LB);
    int nCurrent = Player_Current_Value(TEAM, 0);
    EXPECT_EQ(Player_Trade_Value(TEAM, 0), nCurrent);
    EXPECT_EQ(Player_Potential_Value(TEAM, 0), nCurrent);
    Set_Player_Vital_Stat(TEAM, 0, VS_AGE, 29);
    EXPECT_EQ(Player_Trade_Value(TEAM, 0), Player_Current_Value(TEAM, 0));
    // Two years before the peak: potential 976 + (2976 x 284 / 1000) = 1821,
    // trade value 8/10 of 976 and 2/10 of 1821.
    Set_Player_Vital_Stat(TEAM, 0, VS_AGE, 24);
    EXPECT_EQ(Player_Potential_Value(TEAM, 0), 1821);
    EXPECT_EQ(Player_Trade_Value(TEAM, 0), 781 + 364);
    // Potential never exceeds three times the current value.
    Set_Player_Vital_Stat(TEAM, 0, VS_GROWTH_RATE, 10);
    EXPECT_EQ(Player_Potential_Value(TEAM, 0), 3 * 976);
}

TEST_F(PlayerValueTest, TiersAndOverallRating) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_QB, 26, 3);
    Fill_Baseline(0, POS_QB);
    EXPECT_EQ(Player_Trade_Value(TEAM, 0), 2434);
    EXPECT_EQ(Player_Overall_Rating(TEAM, 0), 72);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, RATING_OVERALL), 72);
    EXPECT_EQ(Player_Value_Tier(TEAM, 0), 6);  // 2434 less a third: 1623

    Make_Player(TEAM, 1, 102, POS_P, 26, 3);
    Fill_Baseline(1, POS_P);
    Fill_Baseline(1, POS_P, PERIOD_LAST_SEASON);
    EXPECT_EQ(Player_Potential_Value(TEAM, 1), 1050);
    EXPECT_EQ(Player_Value_Tier(TEAM, 1), 6);  // doubled for a punter: 2100

    // A poor player's negative value must not read as a good one's.
    Make_Player(TEAM, 2, 103, POS_CB, 26, 3);
    EXPECT_LT(Player_Trade_Value(TEAM, 2), -500);
    EXPECT_EQ(Player_Overall_Rating(TEAM, 2), 35);
    EXPECT_EQ(Player_Value_Tier(TEAM, 2), 0);

    // The top of the scale is folded twice and never passes 100.
    Make_Player(TEAM, 3, 104, POS_WR, 26, 3);
    for (int nPeriod : {(int)P, (int)PERIOD_LAST_SEASON})
        Set_Counters(TEAM, 3, nPeriod,
                     {{SS_STORED_BLOCKING, 60}, {SS_RECEIVING_YARDS, 2000}, {SS_KICK_RETURN_YARDS, 1000}});
    EXPECT_EQ(Player_Trade_Value(TEAM, 3), 4500);
    EXPECT_EQ(Player_Overall_Rating(TEAM, 3), 96);  // 109, folded to 99, then to 96
    Set_Counters(TEAM, 3, P, {{SS_RECEIVING_YARDS, 5000}, {SS_KICK_RETURN_YARDS, 3000}});
    EXPECT_EQ(Player_Overall_Rating(TEAM, 3), 100);
}

// The current value is kept per slot between readings: it must follow every
// change of the record it was worked out from, and the player in the slot.
TEST_F(PlayerValueTest, TheCurrentValueFollowsTheRecordInItsSlot) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_QB);
    Fill_Baseline(0, POS_QB);
    Make_Player(TEAM, 1, 102, POS_LB);
    Fill_Baseline(1, POS_LB);
    int nQuarterback = Player_Current_Value(TEAM, 0), nLinebacker = Player_Current_Value(TEAM, 1);
    ASSERT_NE(nQuarterback, nLinebacker);
    Swap_Players(TEAM, 0, TEAM, 1);
    EXPECT_EQ(Player_Current_Value(TEAM, 0), nLinebacker);
    EXPECT_EQ(Player_Current_Value(TEAM, 1), nQuarterback);
    Set_Player_Season_Stat(TEAM, 1, P, SS_PASS_YARDS, 2 * Get_Player_Season_Stat(TEAM, 1, P, SS_PASS_YARDS));
    EXPECT_NE(Player_Current_Value(TEAM, 1), nQuarterback);
    Set_Player_Season_Stat(TEAM, 1, P, SS_PASS_YARDS, Get_Player_Season_Stat(TEAM, 1, P, SS_PASS_YARDS) / 2);
    EXPECT_EQ(Player_Current_Value(TEAM, 1), nQuarterback);
    Set_Player_Vital_Stat(TEAM, 1, VS_AGE, 40);  // past thirty the value fades
    EXPECT_LT(Player_Current_Value(TEAM, 1), nQuarterback);
}
