// brakvell-sim play on a new game of the default league.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "database/saved_game.h"
#include "default_season_fixture.h"

namespace {
class SimPlayTest : public DefaultSeasonTest {
  protected:
    void SetUp() override {
        DefaultSeasonTest::SetUp();
        Start(3);
        m_szFile = (m_WorkDir / "new.vtr").string();
        ASSERT_EQ(Save_Game(m_szFile.c_str()), SAVE_OK);
    }
    static std::string Contents(const std::string& szPath) {
        std::ifstream file(szPath, std::ios::binary);
        std::ostringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::string m_szFile;
};
}  // namespace

TEST_F(SimPlayTest, PlaysTheWeeksPrintsTheScoresAndSavesTheGame) {
    SimResult result = Run_Sim("play \"" + m_szFile + "\" --weeks 2 --seed 9");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    EXPECT_EQ(result.szOutput.find("Week 1:"), 0u) << result.szOutput;
    EXPECT_NE(result.szOutput.find("\nWeek 2:"), std::string::npos);
    EXPECT_EQ(result.szOutput.find("Week 3:"), std::string::npos);
    EXPECT_NE(result.szOutput.find(" at "), std::string::npos);
    ASSERT_TRUE(Load_Game(m_szFile.c_str()));
    EXPECT_EQ(Current_Week(), 2);
    EXPECT_EQ(Get_Game_State(GS_SIMULATING), 0);
}

TEST_F(SimPlayTest, BadArgumentsAndBadFilesChangeNothing) {
    for (const char* szArguments : {"--weeks 0", "--weeks", "--weeks x", "--weeks 1 --seed", "--days 3", ""}) {
        SimResult result = Run_Sim("play \"" + m_szFile + "\" " + szArguments);
        EXPECT_EQ(result.nStatus, 2) << szArguments;
        EXPECT_NE(result.szOutput.find("usage: brakvell-sim play FILE --weeks N"), std::string::npos);
    }
    std::string szDamaged = (m_WorkDir / "damaged.vtr").string();
    std::string szBytes = Contents(m_szFile).substr(0, 5000);
    std::ofstream(szDamaged, std::ios::binary) << szBytes;
    SimResult result = Run_Sim("play \"" + szDamaged + "\" --weeks 1");
    EXPECT_EQ(result.nStatus, 1);
    EXPECT_NE(result.szOutput.find("cannot load"), std::string::npos) << result.szOutput;
    EXPECT_EQ(Contents(szDamaged), szBytes);
    EXPECT_EQ(Run_Sim("play missing.vtr --weeks 1").nStatus, 1);
}
