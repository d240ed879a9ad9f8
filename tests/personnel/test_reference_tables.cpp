// The college list and the two reference seasons per position.
#include "database/colleges.h"
#include "database/league_average.h"
#include "database/player.h"
#include "test_support.h"

using ReferenceTablesTest = LeagueTest;

TEST_F(ReferenceTablesTest, CollegesInTheirFixedOrder) {
    EXPECT_STREQ(Get_College_Name(0), "Miami");
    EXPECT_STREQ(Get_College_Name(29), "Texas A+M"); // '&' is stored as '+'
    EXPECT_STREQ(Get_College_Name(74), "Rice");
    EXPECT_TRUE(Logged_Nothing());
    EXPECT_STREQ(Get_College_Name(75), "");
    EXPECT_TRUE(Logged("Invalid college index in Get_College_Name(75)"));
}

TEST_F(ReferenceTablesTest, AverageAndBaselineSeasons) {
    EXPECT_EQ(League_Average_Season(POS_QB, SS_PASS_YARDS), 2400);
    EXPECT_EQ(Baseline_Season(POS_QB, SS_PASS_YARDS), 3400);
    EXPECT_EQ(League_Average_Season(POS_G, SS_RUSH_YARDS), 1200); // behind a guard
    EXPECT_EQ(Baseline_Season(POS_K, SS_LONG_FG), 60);
    EXPECT_EQ(League_Average_Season(POS_P, SS_KICKER_RETURN_YARDS), 480); // allowed
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) {
        EXPECT_EQ(Baseline_Season(nPosition, SS_GAMES), 16);
        EXPECT_EQ(Baseline_Season(nPosition, SS_STARTS), 16);
        EXPECT_EQ(League_Average_Season(nPosition, SS_GAMES), 14);
        EXPECT_EQ(League_Average_Season(nPosition, NUMBER_OF_COUNTERS - 1), 0);
    }
    EXPECT_EQ(League_Average_Season(POS_T, SS_STARTS), 11); // linemen start fewer games on average
    EXPECT_EQ(Baseline_Season(NUMBER_OF_POSITIONS, SS_GAMES), 0);
    EXPECT_TRUE(Logged("Invalid argument in Baseline_Season(14,0)"));
    EXPECT_EQ(League_Average_Season(POS_QB, NUMBER_OF_COUNTERS), 0);
    EXPECT_TRUE(Logged("Invalid argument in League_Average_Season(0,20)"));
}
