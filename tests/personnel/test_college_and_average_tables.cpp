#include "database/colleges.h"
#include "database/league_average.h"
#include "database/player.h"
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
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++) {
        EXPECT_EQ(League_Average_Season(nPosition, SS_GAMES), 14);
        EXPECT_EQ(League_Average_Season(nPosition, SS_STARTS), nPosition >= POS_T && nPosition <= POS_C ? 11 : 12);
    }
    EXPECT_EQ(League_Average_Season(POS_QB, SS_PASS_YARDS), 2400);
    EXPECT_EQ(League_Average_Season(POS_G, SS_RUSH_YARDS), 1200);  // behind him
    EXPECT_EQ(League_Average_Season(POS_CB, SS_PUNT_RETURN_YARDS), 120);
    EXPECT_EQ(League_Average_Season(POS_K, SS_LONG_FG), 53);
    EXPECT_EQ(League_Average_Season(POS_P, SS_KICKER_RETURN_YARDS), 480);
    EXPECT_EQ(League_Average_Season(POS_DE, SS_PENALTIES), 0);  // defenders draw no penalties here
    EXPECT_EQ(League_Average_Season(NUMBER_OF_POSITIONS, SS_GAMES), 0);
    EXPECT_TRUE(Logged("Invalid argument in League_Average_Season(14,0)"));
}

}  // namespace
