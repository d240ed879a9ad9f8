// brakvell-sim agents: the list's lines for the team asked, nothing saved.
#include <filesystem>
#include <string>

#include "test_support.h"

TEST(SimAgentsTest, PrintsTheListsLinesAndRefusesANonFranchise) {
    const std::string UNIVERSE = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
    auto nBefore = std::filesystem::last_write_time(UNIVERSE);
    SimResult result = Run_Sim("agents " + UNIVERSE + " 0");
    EXPECT_EQ(result.nStatus, 0) << result.szOutput;
    for (const char* szLine : {"Free Agents\n", " roster players, out of a maximum of 80.\n", " is seeking ", ",000\n"})
        EXPECT_NE(result.szOutput.find(szLine), std::string::npos) << szLine << result.szOutput;
    EXPECT_EQ(std::filesystem::last_write_time(UNIVERSE), nBefore);
    EXPECT_NE(Run_Sim("agents " + UNIVERSE + " 36").nStatus, 0);
    EXPECT_EQ(Run_Sim("agents " + UNIVERSE).nStatus, 2);
}
