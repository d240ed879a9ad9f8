// The players' hall of fame list: who shows, in which order, and how.
#include "database/player.h"
#include "halloffame/inductees.h"
#include "test_support.h"

namespace {
class InducteesTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Page_League(2);
        Set_Game_State(GS_SEASON_INDEX, 7); // 2010
    }
    static void Induct(PNUM nSlot, const char* szLast, int nPosition, int nYear, int nVotes) {
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VS_PLAYER_ID, 9000 + nSlot);
        Set_Player_First_Name(HALL_OF_FAME_TEAM, nSlot, "Joe");
        Set_Player_Last_Name(HALL_OF_FAME_TEAM, nSlot, szLast);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VS_POSITION, nPosition);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VS_YEAR_INDUCTED, nYear);
        Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, nSlot, VS_VOTES, nVotes);
    }
};
} // namespace

TEST_F(InducteesTest, OnlyMembersWhoseYearHasPassedShowInSlotOrder) {
    ASSERT_EQ(Current_Calendar_Year(), 2010);
    Induct(0, "Early", 0, 2004, 100);
    Induct(1, "Edge", 1, 2009, 85);
    Induct(3, "Now", 2, 2010, 90); // inducted this year: still waiting
    Induct(4, "Later", 3, 2015, 76);
    Induct(6, "Gap", 4, 2001, 77); // after an empty slot
    std::vector<InducteeLine> shown = Hall_Of_Fame_Inductees(true);
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].nSlot, 0);
    EXPECT_EQ(shown[1].nSlot, 1);
    EXPECT_EQ(shown[2].nSlot, 6);
    EXPECT_STREQ(shown[0].szName, "Joe Early");
    EXPECT_STREQ(shown[0].szVotes, "100%");
    EXPECT_STREQ(shown[1].szVotes, "85%");
    EXPECT_EQ(shown[2].nYearInducted, 2001);

    std::vector<InducteeLine> all = Hall_Of_Fame_Inductees(false);
    ASSERT_EQ(all.size(), 5u);
    EXPECT_TRUE(all[2].bWaiting);
    EXPECT_TRUE(all[3].bWaiting);
    EXPECT_FALSE(all[4].bWaiting);
}
