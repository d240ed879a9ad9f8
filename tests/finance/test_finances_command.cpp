// brakvell-sim finances, as a user runs it on a saved league.
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "database/saved_game.h"
#include "database/team.h"
#include "money_league.h"

namespace {
SimResult Run_Finances(const std::string& szArguments) { return Run_Sim("finances " + szArguments); }

class FinancesCommandTest : public MoneyTest {};

TEST_F(FinancesCommandTest, PrintsEveryTeamsMoney) {
    Make_League(2);
    Set_Team_String("Eastport", 0, TS_CITY);
    Set_Team_String("Gulls", 0, TS_NICKNAME);
    Set_Team_String("Westvale", 1, TS_CITY);
    Set_Team_String("Rams", 1, TS_NICKNAME);
    Set_Fin(1, FIN_CASH, -2500000);
    ASSERT_EQ(SAVE_OK, Save_Game("money.vtr"));
    SimResult output = Run_Finances((m_WorkDir / "money.vtr").string());
    ASSERT_EQ(0, output.nStatus) << output.szOutput;
    EXPECT_NE(std::string::npos, output.szOutput.find("Eastport Gulls"));
    EXPECT_NE(std::string::npos, output.szOutput.find("$15.0M"));
    EXPECT_NE(std::string::npos, output.szOutput.find("-$2.5M"));
    EXPECT_NE(std::string::npos, output.szOutput.find("Enthusiastic"));
}

TEST_F(FinancesCommandTest, WrongArgumentsAndMissingFiles) {
    EXPECT_EQ(2, Run_Finances("").nStatus);
    EXPECT_EQ(1, Run_Finances((m_WorkDir / "none.vtr").string()).nStatus);
}
} // namespace
