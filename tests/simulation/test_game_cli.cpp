// brakvell-sim game and bench games, as a user runs them.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <sys/wait.h>

#include "database/saved_game.h"
#include "simulation/game_fixture.h"
#include "test_support.h"

namespace {
}  // namespace

TEST(GameCli, SameSeedPrintsTheSameGame) {
    SimResult first = Run_Sim("game :demo T01 0 --seed 9");
    SimResult second = Run_Sim("game :demo 1 t00 --seed 9");
    SimResult other = Run_Sim("game :demo 1 0 --seed 10");
    ASSERT_EQ(first.nStatus, 0) << first.szOutput;
    EXPECT_EQ(first.szOutput, second.szOutput);
    EXPECT_NE(first.szOutput, other.szOutput);
    EXPECT_EQ(first.szOutput.rfind("September 22: City0 Nicks0 at City1 Nicks1\n", 0), 0u);
    EXPECT_NE(first.szOutput.find("Time of possession"), std::string::npos);
}

TEST(GameCli, BadArgumentsAndTeams) {
    EXPECT_EQ(Run_Sim("game :demo 1").nStatus, 2);
    EXPECT_EQ(Run_Sim("game :demo 1 0 --seed").nStatus, 2);
    EXPECT_EQ(Run_Sim("game :demo 1 1").nStatus, 1);
    EXPECT_EQ(Run_Sim("game :demo 1 XYZ").nStatus, 1);
    EXPECT_EQ(Run_Sim("bench").nStatus, 2);
}

TEST(GameCli, BenchEndsWithGamesPerSecond) {
    SimResult bench = Run_Sim("bench games --count 3 --seed 2");
    ASSERT_EQ(bench.nStatus, 0) << bench.szOutput;
    size_t nLast = bench.szOutput.rfind("games/s: ");
    ASSERT_NE(nLast, std::string::npos);
    EXPECT_EQ(bench.szOutput.find('\n', nLast), bench.szOutput.size() - 1);
    EXPECT_TRUE(nLast == 0 || bench.szOutput[nLast - 1] == '\n');
}

// A league written as a saved game and played from the file.
TEST_F(LeagueTest, GameCommandReadsASavedLeague) {
    game_fixture::Build_League(3, 2);
    ASSERT_EQ(Save_Game("two.vtr"), SAVE_OK);
    std::string szFile = (m_WorkDir / "two.vtr").string();
    SimResult fromFile = Run_Sim("game " + szFile + " T00 T01 --seed 4");
    ASSERT_EQ(fromFile.nStatus, 0) << fromFile.szOutput;
    EXPECT_EQ(fromFile.szOutput.rfind("September 22: City1 Nicks1 at City0 Nicks0\n", 0), 0u);
    EXPECT_EQ(Run_Sim("game " + szFile + " T00 T07").nStatus, 1);
    EXPECT_NE(Run_Sim("game missing.vtr T00 T01").nStatus, 0);
}
