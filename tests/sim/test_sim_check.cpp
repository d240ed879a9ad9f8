// brakvell-sim check as a user runs it: the shipped league passes, a broken
// one is answered with its violations and status 1, bad arguments with 2.
#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "database/player.h"
#include "database/saved_game.h"
#include "test_support.h"

namespace {

SimResult Run_Check(const std::string& szArguments) { return Run_Sim("check " + szArguments); }

const std::string UNIVERSE = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
} // namespace

using SimCheckTest = LeagueTest;

TEST_F(SimCheckTest, ShippedLeagueIsSound) {
    SimResult result = Run_Check(UNIVERSE);
    EXPECT_EQ(result.nStatus, 0) << result.szOutput;
    EXPECT_NE(result.szOutput.find("Universe.dat: sound (32 teams,"), std::string::npos) << result.szOutput;
    SimResult info = Run_Sim("info " + UNIVERSE);
    EXPECT_EQ(info.nStatus, 0) << info.szOutput;
    EXPECT_NE(info.szOutput.find("Checksum:   matches"), std::string::npos) << info.szOutput;
}

TEST_F(SimCheckTest, BrokenLeagueListsItsViolations) {
    ASSERT_TRUE(Load_Game(UNIVERSE.c_str()));
    g_League.aTeams[3].aPlayers[7].anVital[VS_PLAYER_ID] = g_League.aTeams[5].aPlayers[2].anVital[VS_PLAYER_ID]; // an ID twice
    g_League.aTeams[0].aPlayers[0].anVital[VS_SALARY] = 100;                                     // salary below 225
    std::string szBroken = (m_WorkDir / "broken.vtr").string();
    ASSERT_EQ(Save_Game(szBroken.c_str()), 0);
    SimResult result = Run_Check(szBroken);
    EXPECT_EQ(result.nStatus, 1);
    EXPECT_NE(result.szOutput.find("is also held by team 3 slot 7"), std::string::npos) << result.szOutput;
    EXPECT_NE(result.szOutput.find("slot 0: salary 100 below 225"), std::string::npos) << result.szOutput;
    EXPECT_NE(result.szOutput.find("broken.vtr: 2 violations"), std::string::npos) << result.szOutput;
}

TEST_F(SimCheckTest, WrongArgumentsAndUnreadableFiles) {
    EXPECT_EQ(Run_Check("").nStatus, 2);
    EXPECT_EQ(Run_Check("a b").nStatus, 2);
    SimResult missing = Run_Check((m_WorkDir / "missing.vtr").string());
    EXPECT_EQ(missing.nStatus, 1);
    EXPECT_NE(missing.szOutput.find("cannot load"), std::string::npos);
}
