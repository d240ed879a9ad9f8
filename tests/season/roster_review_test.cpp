// The review proper of a computer-managed team: the last three slots let go,
// a payroll at the cap trimmed to 53 players and no further, and the review's
// turn in the weekly cycle.
#include <filesystem>
#include <string>

#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "personnel/player_creation.h"
#include "test_support.h"
#include "trades/roster_review.h"

namespace {
constexpr int CAP_OF_ONE_THOUSAND = 1000000;  // dollars: every payroll is over it
constexpr int HIGHEST_CAP = 999000000;
constexpr int TRIMMED_ROSTER = 53;

class RosterReviewTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        std::filesystem::create_directory_symlink(std::string(BRAKVELL_GAME_DIR) + "/names", m_WorkDir / "names");
        ASSERT_TRUE(Load_Game((std::string(BRAKVELL_GAME_DIR) + "/Universe.dat").c_str()));
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, 0);
        After_League_Loaded();
        Set_League_Rule(LR_SALARY_CAP, HIGHEST_CAP);
    }
    static void Fill_To(TNUM nTeam, int nPlayers) {
        while (Number_Of_Players(nTeam) < nPlayers) Make_Journeyman(nTeam, First_Empty_Slot(nTeam), POS_LB);
    }
    static int ID_At(TNUM nTeam, PNUM nPlayer) { return Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID); }
    static TNUM Team_Of(int nID) {
        TNUM nTeam = NO_TEAM;
        Find_Player_ID(nID, &nTeam);
        return nTeam;
    }
};
}  // namespace

TEST_F(RosterReviewTest, AFullRosterLetsItsLastThreeSlotsGo) {
    Fill_To(0, PLAYERS_PER_TEAM);
    int nKept = ID_At(0, 76), anLast[3] = {ID_At(0, 77), ID_At(0, 78), ID_At(0, 79)};
    Review_Roster_And_Payroll(0);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM - 3);
    for (int nID : anLast) EXPECT_EQ(Team_Of(nID), FREE_AGENT_TEAM) << nID;
    EXPECT_EQ(Team_Of(nKept), 0);
    EXPECT_FALSE(Is_Valid_Player(0, 77));
}

TEST_F(RosterReviewTest, APayrollAtTheCapShedsTheWeakestDownToFiftyThree) {
    Fill_To(0, 60);
    int nWeakest = ID_At(0, Weakest_Player(0));
    Set_League_Rule(LR_SALARY_CAP, CAP_OF_ONE_THOUSAND);
    Review_Roster_And_Payroll(0);
    EXPECT_EQ(Number_Of_Players(0), TRIMMED_ROSTER);
    EXPECT_EQ(Team_Of(nWeakest), FREE_AGENT_TEAM);

    // Still over the cap, but the roster cannot spare anyone else.
    Review_Roster_And_Payroll(0);
    EXPECT_EQ(Number_Of_Players(0), TRIMMED_ROSTER);
}

TEST_F(RosterReviewTest, APayrollExactlyAtTheCapCountsAsOverAndOneReleaseEndsIt) {
    Fill_To(0, 60);
    int nPayroll = Get_Team_Financial_Stat(0, FIN_PAYROLL);
    Set_League_Rule(LR_SALARY_CAP, (nPayroll + 1) * 1000);  // just under: nobody goes
    Review_Roster_And_Payroll(0);
    EXPECT_EQ(Number_Of_Players(0), 60);
    Set_League_Rule(LR_SALARY_CAP, nPayroll * 1000);
    Review_Roster_And_Payroll(0);
    EXPECT_EQ(Number_Of_Players(0), 59);
}

TEST_F(RosterReviewTest, TheReviewRenewsTheMoneySettings) {
    Set_Team_Financial_Stat(0, FIN_TICKET_PRICE, 1);
    Set_Team_Financial_Stat(0, FIN_SCOUTING_BUDGET, 1);
    Review_Roster_And_Payroll(0);
    EXPECT_GT(Get_Team_Financial_Stat(0, FIN_TICKET_PRICE), 1);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_TICKET_PRICE) % 25, 0);
    EXPECT_NE(Get_Team_Financial_Stat(0, FIN_SCOUTING_BUDGET), 1);
}

TEST_F(RosterReviewTest, ATeamIsReviewedEverySixthWeekAndNeverInCommissionerMode) {
    Fill_To(0, PLAYERS_PER_TEAM);
    Fill_To(1, PLAYERS_PER_TEAM);
    // The week whose index, with the season's and the team code, makes a multiple of six.
    int nTurnOf0 = (6 - Current_Season_Index() % 6) % 6, nTurnOf1 = (nTurnOf0 + 5) % 6;
    Review_Computer_Rosters((nTurnOf0 + 2) % 6);  // neither team's turn
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM);
    EXPECT_EQ(Number_Of_Players(1), PLAYERS_PER_TEAM);
    Set_Game_State(GS_COMMISSIONER, 1);
    Review_Computer_Rosters(nTurnOf0);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM);
    Set_Game_State(GS_COMMISSIONER, 0);
    Review_Computer_Rosters(nTurnOf1);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM);
    EXPECT_EQ(Number_Of_Players(1), PLAYERS_PER_TEAM - 3);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Review_Computer_Rosters(nTurnOf0);
    EXPECT_EQ(Number_Of_Players(0), PLAYERS_PER_TEAM);
}
