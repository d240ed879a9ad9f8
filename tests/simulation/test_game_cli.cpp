// brakvell-sim game and bench games, as a user runs them.
#include <gtest/gtest.h>

#include <array>
#include <iterator>
#include <cstdio>
#include <string>
#include <filesystem>
#include <sys/wait.h>

#include "database/saved_game.h"
#include "league_builder.h"
#include "test_support.h"

namespace {
// The hand-built league of four teams as a saved game in the test's folder.
class GameCliTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Game_League(1, 4);
        ASSERT_EQ(Save_Game("four.vtr"), SAVE_OK);
        m_szFile = (m_WorkDir / "four.vtr").string() + " ";
    }
    std::string m_szFile;
};
}  // namespace

TEST_F(GameCliTest, SameSeedPrintsTheSameGame) {
    SimResult first = Run_Sim("game " + m_szFile + "T01 0 --seed 9");
    SimResult second = Run_Sim("game " + m_szFile + "1 t00 --seed 9");
    SimResult other = Run_Sim("game " + m_szFile + "1 0 --seed 10");
    ASSERT_EQ(first.nStatus, 0) << first.szOutput;
    EXPECT_EQ(first.szOutput, second.szOutput);
    EXPECT_NE(first.szOutput, other.szOutput);
    EXPECT_EQ(first.szOutput.rfind("September 22: City0 Nicks0 at City1 Nicks1\n", 0), 0u);
    EXPECT_NE(first.szOutput.find("Time of possession"), std::string::npos);
}

TEST_F(GameCliTest, BadArgumentsAndTeams) {
    EXPECT_EQ(Run_Sim("game " + m_szFile + "1").nStatus, 2);
    EXPECT_EQ(Run_Sim("game " + m_szFile + "1 0 --seed").nStatus, 2);
    EXPECT_EQ(Run_Sim("game " + m_szFile + "1 1").nStatus, 1);
    EXPECT_EQ(Run_Sim("game " + m_szFile + "1 XYZ").nStatus, 1);
    EXPECT_EQ(Run_Sim("bench").nStatus, 2);
}

// Played from the default league as a new game, set up in a scratch folder.
TEST_F(LeagueTest, BenchEndsWithGamesPerSecond) {
    std::string szUniverse = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
    if (!std::filesystem::exists(szUniverse)) GTEST_SKIP() << "no default league built";
    std::filesystem::create_symlink(szUniverse, m_WorkDir / "Universe.dat");
    SimResult bench = Run_Sim("bench games --count 3 --seed 2");
    ASSERT_EQ(bench.nStatus, 0) << bench.szOutput;
    size_t nLast = bench.szOutput.rfind("games/s: ");
    ASSERT_NE(nLast, std::string::npos);
    EXPECT_EQ(bench.szOutput.find('\n', nLast), bench.szOutput.size() - 1);
    EXPECT_TRUE(nLast == 0 || bench.szOutput[nLast - 1] == '\n');
    auto entries = std::filesystem::directory_iterator(m_WorkDir);
    EXPECT_EQ(std::distance(begin(entries), end(entries)), 1)
        << "the new game is made in a scratch folder, not the caller's";
}

TEST_F(LeagueTest, BenchOffseasonEndsWithItsTime) {
    std::string szUniverse = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";
    if (!std::filesystem::exists(szUniverse)) GTEST_SKIP() << "no default league built";
    std::filesystem::create_symlink(szUniverse, m_WorkDir / "Universe.dat");
    SimResult bench = Run_Sim("bench offseason --count 2 --seed 2");
    ASSERT_EQ(bench.nStatus, 0) << bench.szOutput;
    size_t nLast = bench.szOutput.rfind("ms/offseason: ");
    ASSERT_NE(nLast, std::string::npos);
    EXPECT_EQ(bench.szOutput.find('\n', nLast), bench.szOutput.size() - 1);
    // Every run starts from the same league: the same off-season each time.
    size_t nFirst = bench.szOutput.find("off-season 1: "), nSecond = bench.szOutput.find("off-season 2: ");
    ASSERT_NE(nSecond, std::string::npos);
    auto tail = [&](size_t nAt) {
        size_t nFrom = bench.szOutput.find(", ", nAt);
        return bench.szOutput.substr(nFrom, bench.szOutput.find('\n', nAt) - nFrom);
    };
    EXPECT_EQ(tail(nFirst), tail(nSecond));
}

// A league written as a saved game and played from the file.
TEST_F(LeagueTest, GameCommandReadsASavedLeague) {
    Build_Game_League(3, 2);
    ASSERT_EQ(Save_Game("two.vtr"), SAVE_OK);
    std::string szFile = (m_WorkDir / "two.vtr").string();
    SimResult fromFile = Run_Sim("game " + szFile + " T00 T01 --seed 4");
    ASSERT_EQ(fromFile.nStatus, 0) << fromFile.szOutput;
    EXPECT_EQ(fromFile.szOutput.rfind("September 22: City1 Nicks1 at City0 Nicks0\n", 0), 0u);
    EXPECT_EQ(Run_Sim("game " + szFile + " T00 T07").nStatus, 1);
    EXPECT_NE(Run_Sim("game missing.vtr T00 T01").nStatus, 0);
}
