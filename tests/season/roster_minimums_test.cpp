// Roster minimums of computer-managed teams, and moving players between teams.
#include <filesystem>
#include <string>

#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/player_creation.h"
#include "personnel/ratings.h"
#include "test_support.h"
#include "trades/roster_review.h"

namespace {
class RosterMinimumsTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        std::filesystem::create_directory_symlink(std::string(BRAKVELL_GAME_DIR) + "/names", m_WorkDir / "names");
        ASSERT_TRUE(Load_Game((std::string(BRAKVELL_GAME_DIR) + "/Universe.dat").c_str()));
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, 0);
        After_League_Loaded();
    }
    static int Count_At(TNUM nTeam, int nPosition) {
        int nCount = 0;
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
            nCount += Is_Valid_Player(nTeam, p) && Get_Player_Vital_Stat(nTeam, p, VS_POSITION) == nPosition;
        return nCount;
    }
    static PNUM Find_At(TNUM nTeam, int nPosition, int nFrom = PLAYERS_PER_TEAM - 1) {
        for (int p = nFrom; p >= 0; p--)
            if (Is_Valid_Player(nTeam, (PNUM)p) && Get_Player_Vital_Stat(nTeam, (PNUM)p, VS_POSITION) == nPosition)
                return (PNUM)p;
        return NO_PLAYER;
    }
    static void Remove_All_At(TNUM nTeam, int nPosition) {
        for (PNUM p; (p = Find_At(nTeam, nPosition)) != NO_PLAYER;) Remove_Player(nTeam, p);
    }
};
}  // namespace

TEST_F(RosterMinimumsTest, AMissingKickerIsSignedFromTheEndOfThePool) {
    Remove_All_At(0, POS_K);
    Remove_All_At(FREE_AGENT_TEAM, POS_K);
    Move_Player_To_Team(1, Find_At(1, POS_K), FREE_AGENT_TEAM);
    Move_Player_To_Team(2, Find_At(2, POS_K), FREE_AGENT_TEAM);
    PNUM nLast = Find_At(FREE_AGENT_TEAM, POS_K);
    int nID = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nLast, VS_PLAYER_ID);
    int nOther = Get_Player_Vital_Stat(FREE_AGENT_TEAM, Find_At(FREE_AGENT_TEAM, POS_K, nLast - 1), VS_PLAYER_ID);
    int nPlayers = Number_Of_Players(0);

    EXPECT_TRUE(Fill_Roster_Minimums(0));
    EXPECT_EQ(Team_Of(nID), 0);
    EXPECT_EQ(Team_Of(nOther), FREE_AGENT_TEAM);
    EXPECT_EQ(Number_Of_Players(0), nPlayers + 1);
    EXPECT_FALSE(Fill_Roster_Minimums(0));  // nothing short any more
}

TEST_F(RosterMinimumsTest, AnInjuredPoolKickerIsPassedOverAndAKickerMade) {
    Remove_All_At(0, POS_K);
    Remove_All_At(FREE_AGENT_TEAM, POS_K);
    Move_Player_To_Team(1, Find_At(1, POS_K), FREE_AGENT_TEAM);
    Set_Player_Vital_Stat(FREE_AGENT_TEAM, Find_At(FREE_AGENT_TEAM, POS_K), VS_INJURY_WEEKS, 3);

    EXPECT_TRUE(Fill_Roster_Minimums(0));
    EXPECT_EQ(Count_At(FREE_AGENT_TEAM, POS_K), 1);
    PNUM nKicker = Find_At(0, POS_K);
    ASSERT_NE(nKicker, NO_PLAYER);
    int nAge = Get_Player_Vital_Stat(0, nKicker, VS_AGE);
    EXPECT_TRUE(nAge >= 22 && nAge <= 41) << nAge;
    EXPECT_EQ(Get_Player_Vital_Stat(0, nKicker, VS_EXPERIENCE), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, nKicker, VS_SALARY), 225);
    EXPECT_EQ(Get_Player_Vital_Stat(0, nKicker, VS_BONUS), 0);
    EXPECT_GE(Get_Player_Open_Record(0, nKicker), 0);
}

TEST_F(RosterMinimumsTest, AnInjuredStarterCountsAsMissing) {
    int nLinebackers = Count_At(0, POS_LB);
    for (int n = 0; n < nLinebackers - 5; n++) Remove_Player(0, Find_At(0, POS_LB));
    Set_Player_Vital_Stat(0, Find_At(0, POS_LB), VS_INJURY_WEEKS, 2);  // 4 healthy of 6
    EXPECT_TRUE(Fill_Roster_Minimums(0));
    EXPECT_EQ(Count_At(0, POS_LB), 7);
}

TEST_F(RosterMinimumsTest, ALargeRosterReleasesItsWeakestBeforeSigning) {
    // Five surplus linebackers; the one paid far beyond his worth goes first.
    Remove_All_At(0, POS_P);
    while (Number_Of_Players(0) < 66) Make_Journeyman(0, First_Empty_Slot(0), POS_LB);
    PNUM nOverpaid = Find_At(0, POS_LB);
    Set_Player_Vital_Stat(0, nOverpaid, VS_SALARY, 60000);
    int nOverpaidID = Get_Player_Vital_Stat(0, nOverpaid, VS_PLAYER_ID);
    EXPECT_EQ(Get_Player_Vital_Stat(0, Weakest_Player(0), VS_PLAYER_ID), nOverpaidID);

    EXPECT_TRUE(Fill_Roster_Minimums(0));
    EXPECT_EQ(Team_Of(nOverpaidID), FREE_AGENT_TEAM);
    EXPECT_EQ(Number_Of_Players(0), 66);
    EXPECT_EQ(Count_At(0, POS_P), 1);
}

TEST_F(RosterMinimumsTest, OnlyComputerTeamsOutsideCommissionerModeAreFilled) {
    Remove_All_At(0, POS_K);
    Remove_All_At(1, POS_K);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, 1);
    Set_Game_State(GS_COMMISSIONER, 1);
    Review_Computer_Rosters(0);
    EXPECT_EQ(Count_At(1, POS_K), 0);
    Set_Game_State(GS_COMMISSIONER, 0);
    Review_Computer_Rosters(0);
    EXPECT_EQ(Count_At(0, POS_K), 0);
    EXPECT_EQ(Count_At(1, POS_K), 1);
}

TEST_F(RosterMinimumsTest, AMovedPlayerJoinsTheEndOfHisSide) {
    PNUM nQuarterback = Find_At(1, POS_QB);
    int nID = Get_Player_Vital_Stat(1, nQuarterback, VS_PLAYER_ID);
    int nPlayers = Number_Of_Players(0), nOthers = Number_Of_Players(1);
    ASSERT_TRUE(Move_Player_To_Team(1, nQuarterback, 0));
    TNUM nTeam;
    PNUM nSlot;
    ASSERT_TRUE(Find_Player_ID(nID, &nTeam, &nSlot));
    EXPECT_EQ(nTeam, 0);
    EXPECT_EQ(Number_Of_Players(0), nPlayers + 1);
    EXPECT_EQ(Number_Of_Players(1), nOthers - 1);
    EXPECT_EQ(Get_Player_Side(0, nSlot - 1), SIDE_OFFENCE);
    EXPECT_EQ(Get_Player_Side(0, nSlot + 1), SIDE_DEFENCE);
    int nRecord = Get_Player_Open_Record(0, nSlot);
    ASSERT_GE(nRecord, 0);
    EXPECT_EQ(Get_History_Team(nRecord), 0);

    while (Number_Of_Players(0) < PLAYERS_PER_TEAM) Make_Journeyman(0, First_Empty_Slot(0), POS_S);
    PNUM nKicker = Find_At(1, POS_K);
    EXPECT_FALSE(Move_Player_To_Team(1, nKicker, 0));  // a full roster refuses him
    EXPECT_EQ(Number_Of_Players(1), nOthers - 1);
}
