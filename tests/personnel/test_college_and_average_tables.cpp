#include "database/colleges.h"
#include "database/league_average.h"
#include "test_support.h"

namespace {

class TableTest : public LeagueTest {};

TEST_F(TableTest, CollegeListEndsAndBadIndexGivesNothing) {
    EXPECT_STREQ(Get_College_Name(0), "Miami");
    EXPECT_STREQ(Get_College_Name(29), "Texas A+M");
    EXPECT_STREQ(Get_College_Name(52), "North Carolina A+T");
    EXPECT_STREQ(Get_College_Name(NUMBER_OF_COLLEGES - 1), "Rice");
    EXPECT_STREQ(Get_College_Name(NUMBER_OF_COLLEGES), "");
    EXPECT_STREQ(Get_College_Name(-1), "");
    EXPECT_TRUE(Logged("Invalid college index in Get_College_Name(75)"));
}

TEST_F(TableTest, LeagueAverageSeasonRows) {
    // Every position plays 14 games; linemen start 11, the others 12.
    for (int nPosition = 0; nPosition < 14; nPosition++) {
        EXPECT_EQ(League_Average_Season(nPosition, 0), 14);
        EXPECT_EQ(League_Average_Season(nPosition, 1), nPosition >= 4 && nPosition <= 6 ? 11 : 12);
    }
    EXPECT_EQ(League_Average_Season(0, 5), 2400);   // QB passing yards
    EXPECT_EQ(League_Average_Season(5, 8), 1200);   // G rushing yards behind him
    EXPECT_EQ(League_Average_Season(10, 18), 120);  // CB punt-return yards
    EXPECT_EQ(League_Average_Season(12, 18), 53);   // K longest field goal
    EXPECT_EQ(League_Average_Season(13, 7), 480);   // P
    EXPECT_EQ(League_Average_Season(7, 10), 0);     // defenders draw no penalties here
    EXPECT_EQ(League_Average_Season(14, 0), 0);
    EXPECT_TRUE(Logged("Invalid argument in League_Average_Season(14,0)"));
}

}  // namespace
