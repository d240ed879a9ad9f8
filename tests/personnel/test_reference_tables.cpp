// The college list and the two reference seasons per position.
#include "database/colleges.h"
#include "database/league_average.h"
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
    EXPECT_EQ(League_Average_Season(0, 5), 2400); // a quarterback's passing yards
    EXPECT_EQ(Baseline_Season(0, 5), 3400);
    EXPECT_EQ(League_Average_Season(5, 8), 1200); // rushing yards behind a guard
    EXPECT_EQ(Baseline_Season(12, 18), 60);       // a kicker's longest field goal
    EXPECT_EQ(League_Average_Season(13, 7), 480); // a punter's return yards allowed
    for (int nPosition = 0; nPosition < 14; nPosition++) {
        EXPECT_EQ(Baseline_Season(nPosition, 0), 16);
        EXPECT_EQ(Baseline_Season(nPosition, 1), 16);
        EXPECT_EQ(League_Average_Season(nPosition, 0), 14);
        EXPECT_EQ(League_Average_Season(nPosition, 19), 0);
    }
    EXPECT_EQ(League_Average_Season(4, 1), 11); // linemen start fewer games on average
    EXPECT_EQ(Baseline_Season(14, 0), 0);
    EXPECT_TRUE(Logged("Invalid argument in Baseline_Season(14,0)"));
    EXPECT_EQ(League_Average_Season(0, 20), 0);
    EXPECT_TRUE(Logged("Invalid argument in League_Average_Season(0,20)"));
}
