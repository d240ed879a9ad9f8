// The texts beside the free-agent list: the payroll line's three cases at
// their edges, the title once a second person manages a team, and what the
// pool's player and the team are seeking, and which team signs.
#include "database/player.h"
#include "database/team.h"
#include "trade_league.h"
#include "trades/free_agent_list.h"

namespace {
void Set_Room(TNUM nTeam, int nRoom) {
    Set_League_Rule(LR_SALARY_CAP, (Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) + nRoom) * 1000);
}
}  // namespace

TEST_F(TradeLeagueTest, ThePayrollLineSaysExceedingUnderOrTheTotal) {
    Set_Room(0, 0);
    EXPECT_NE(Payroll_Text(0).find("are exceeding the salary cap"), std::string::npos) << Payroll_Text(0);
    Set_Room(0, 4999);
    EXPECT_NE(Payroll_Text(0).find("are $4,999,000 under the salary cap"), std::string::npos) << Payroll_Text(0);
    Set_Room(0, 5000);
    EXPECT_NE(Payroll_Text(0).find("currently have a $"), std::string::npos) << Payroll_Text(0);
    EXPECT_NE(Roster_Count_Text(0).find(" roster players, out of a maximum of 80."), std::string::npos);
}

TEST_F(TradeLeagueTest, TheListNamesTheSigningTeamOnlyWhenTwoPeoplePlay) {
    Set_Team_Stat(0, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    EXPECT_EQ(Free_Agent_List_Title(0), "Free Agents");
    Set_Team_Stat(5, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    EXPECT_EQ(Free_Agent_List_Title(5).rfind("Free Agents (Sign to ", 0), 0u) << Free_Agent_List_Title(5);
    EXPECT_NE(Team_Seeking_Text(0).find(" is seeking "), std::string::npos);
    EXPECT_NE(Player_Seeking_Text(0).find(",000 salary"), std::string::npos) << Player_Seeking_Text(0);
}

TEST_F(TradeLeagueTest, TheSigningTeamIsThePersonsUnlessTheCommissionerViewsAnother) {
    Set_Team_Stat(2, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Game_State(GS_MANAGED_TEAM, 2);
    Set_Game_State(GS_USER_TEAM, 7);  // a computer team, only looked at
    Set_Game_State(GS_COMMISSIONER, 0);
    EXPECT_EQ(Free_Agent_Signing_Team(), 2);
    Set_Game_State(GS_COMMISSIONER, 1);
    EXPECT_EQ(Free_Agent_Signing_Team(), 7);
    // A second person's team, viewed, signs for itself.
    Set_Game_State(GS_COMMISSIONER, 0);
    Set_Team_Stat(7, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    EXPECT_EQ(Free_Agent_Signing_Team(), 7);
}
