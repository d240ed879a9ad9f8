// Moving players between teams and the shuffle rounds built on it.
#include <algorithm>
#include <vector>

#include "base/random.h"
#include "commands/shuffle.h"
#include "database/player_fixture.h"

namespace {
class ShuffleTest : public PlayerTest {
  protected:
    // Offence in slots 0..nOffence-1, then defence, then one kicker.
    static void Fill_Sides(TNUM nTeam, int nOffence, int nDefence, int nFirstID) {
        int n = 0;
        for (int i = 0; i < nOffence; i++, n++) Put_Player(nTeam, (PNUM)n, nFirstID + n, POS_WR);
        for (int i = 0; i < nDefence; i++, n++) Put_Player(nTeam, (PNUM)n, nFirstID + n, POS_LB);
        Put_Player(nTeam, (PNUM)n, nFirstID + n, POS_K);
    }
    static std::vector<int> IDs(TNUM nTeam) {
        std::vector<int> ids;
        for (PNUM n = 0; n < PLAYERS_PER_TEAM; n++)
            if (ID(nTeam, n) != 0) ids.push_back(ID(nTeam, n));
        return ids;
    }
    static bool Grouped_By_Side(TNUM nTeam) {
        int nPrevious = SIDE_OFFENCE;
        for (PNUM n = 0; n < Number_Of_Players(nTeam); n++) {
            if (Get_Player_Side(nTeam, n) < nPrevious) return false;
            nPrevious = Get_Player_Side(nTeam, n);
        }
        return true;
    }
};
}  // namespace

// What the shuffle relies on from moving a player.
TEST_F(ShuffleTest, MoveInsertsAfterHisSideRefusesWhenFullAndReleasesUnplaced) {
    Fill_Sides(0, 3, 3, 100);  // 100..102 offence, 103..105 defence, 106 kicker
    Fill_Sides(1, 2, 2, 200);
    Set_Team_Returner(1, KICK_RETURNER, 4);  // the kicker
    EXPECT_TRUE(Move_Player_To_Team(0, 4, 1));  // a linebacker
    EXPECT_EQ(IDs(1), (std::vector<int>{200, 201, 202, 203, 104, 204}));
    EXPECT_EQ(IDs(0), (std::vector<int>{100, 101, 102, 103, 105, 106}));
    EXPECT_EQ(Get_Team_Returner(1, KICK_RETURNER), 5);  // followed the kicker down
    int nRecord = Get_Player_Open_Record(1, 4);
    ASSERT_GE(nRecord, 0);
    EXPECT_EQ(Get_History_Team(nRecord), 1);
    EXPECT_EQ(Get_History_Year(nRecord), Current_Calendar_Year());

    Fill_Team(2, PLAYERS_PER_TEAM, 1000);
    EXPECT_FALSE(Move_Player_To_Team(0, 1, 2));
    EXPECT_EQ(IDs(0), (std::vector<int>{100, 101, 102, 103, 105, 106}));
    EXPECT_FALSE(Move_Player_To_Team(0, 1, FREE_AGENT_TEAM));
    EXPECT_EQ(IDs(FREE_AGENT_TEAM), (std::vector<int>{101}));
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(ShuffleTest, ADrawOfTheTeamCountMeansFreeAgency) {
    Use_Teams(32);
    EXPECT_EQ(Shuffle_Destination(32), FREE_AGENT_TEAM);
    EXPECT_EQ(Shuffle_Destination(31), 31);
    EXPECT_EQ(Shuffle_Destination(0), 0);
}

TEST_F(ShuffleTest, FullDestinationsLeaveEveryoneWithHisTeamThatRound) {
    Use_Teams(2);
    Fill_Team(0, PLAYERS_PER_TEAM, 1000);
    Fill_Team(1, PLAYERS_PER_TEAM, 2000);
    Seed_Random(7);
    Shuffle_Round();
    std::vector<int> first(80), second(80);
    for (int n = 0; n < 80; n++) first[n] = 1000 + n, second[n] = 2000 + n;
    EXPECT_EQ(IDs(0), first);
    EXPECT_EQ(IDs(1), second);
    int nPlaced = 0;
    for (TNUM nTeam = 0; nTeam < 2; nTeam++)
        for (PNUM n = 0; n < PLAYERS_PER_TEAM; n++) {
            bool bPlaced = Get_Player_Vital_Stat(nTeam, n, VS_PLACED) == 1;
            int nDestination = Get_Player_Vital_Stat(nTeam, n, VS_DESTINATION);
            nPlaced += bPlaced;
            EXPECT_TRUE(nDestination == 0 || nDestination == 1);
            // Refused players drew again; placed ones were already home.
            if (bPlaced) {
                EXPECT_EQ(nDestination, nTeam);
            }
        }
    EXPECT_GT(nPlaced, 40);
    EXPECT_LT(nPlaced, 120);
}

TEST_F(ShuffleTest, RoundsKeepEveryPlayerAndLeaveTheHallOfFameAlone) {
    std::vector<int> before;
    for (TNUM nTeam = 0; nTeam < 4; nTeam++) Fill_Sides(nTeam, 20, 20, 1000 * (nTeam + 1));
    Fill_Team(FREE_AGENT_TEAM, 10, 9000, POS_S);
    Fill_Team(HALL_OF_FAME_TEAM, 3, 9500, POS_RB);
    for (TNUM nTeam : {0, 1, 2, 3, (int)FREE_AGENT_TEAM})
        for (int nID : IDs(nTeam)) before.push_back(nID);
    Seed_Random(11);
    for (int nRound = 0; nRound < 10; nRound++) Shuffle_Round();
    std::vector<int> after;
    int nMoved = 0;
    for (TNUM nTeam : {0, 1, 2, 3, (int)FREE_AGENT_TEAM}) {
        for (int nID : IDs(nTeam)) {
            after.push_back(nID);
            nMoved += nTeam < 4 && nID / 1000 != nTeam + 1;
        }
        if (nTeam < 4) {
            EXPECT_TRUE(Grouped_By_Side(nTeam)) << (int)nTeam;
        }
    }
    std::sort(before.begin(), before.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(before, after);
    EXPECT_GT(nMoved, 80);
    EXPECT_EQ(IDs(HALL_OF_FAME_TEAM), (std::vector<int>{9500, 9501, 9502}));
    EXPECT_EQ(Get_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_DESTINATION), 0);
    EXPECT_TRUE(Logged_Nothing());
}
