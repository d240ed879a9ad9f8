// brakvell-sim scout as a user runs it: the report the core gives the
// manager's team, no blur for the commissioner, another team's scouts on
// request, and wrong arguments answered without a report.
#include <string>

#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/text_format.h"
#include "personnel/scouting_report.h"
#include "test_support.h"

namespace {
const std::string UNIVERSE = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";

class SimScoutTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        ASSERT_TRUE(Load_Game(UNIVERSE.c_str()));
        m_szFile = (m_WorkDir / "scout.vtr").string();
    }
    SimResult Scout(const std::string& szArguments) { return Run_Sim("scout " + m_szFile + " " + szArguments); }
    static bool Has(const SimResult& result, const std::string& szText) {
        return result.szOutput.find(szText) != std::string::npos;
    }
    std::string m_szFile;
};
}  // namespace

TEST_F(SimScoutTest, PrintsTheReportTheManagersScoutsGive) {
    Set_Game_State(GS_DIFFICULTY, NUMBER_OF_DIFFICULTIES - 1);
    ASSERT_EQ(Save_Game(m_szFile.c_str()), SAVE_OK);
    ASSERT_TRUE(Load_Game(m_szFile.c_str()));
    After_League_Loaded();
    char szReport[NEWS_TEXT_SIZE], szName[FULL_NAME_WIDTH + 8], szOther[TEXT_SIZE];
    Get_Scouting_Report(0, 2, (TNUM)Get_Game_State(GS_USER_TEAM), szReport);
    Get_Player_Full_Name(0, 2, szName);
    Get_Team_Label(3, szOther);
    ASSERT_NE(szReport[0], '\0');

    SimResult result = Scout("0 2");
    EXPECT_EQ(result.nStatus, 0) << result.szOutput;
    EXPECT_TRUE(Has(result, szName)) << result.szOutput;
    EXPECT_TRUE(Has(result, "\"" + std::string(szReport) + "\"\n")) << result.szOutput;
    SimResult other = Scout("0 2 --for 3");
    EXPECT_EQ(other.nStatus, 0) << other.szOutput;
    EXPECT_TRUE(Has(other, "Scouts of " + std::string(szOther) + ":")) << other.szOutput;
}

TEST_F(SimScoutTest, TheCommissionerSeesNoBlur) {
    Set_Game_State(GS_DIFFICULTY, NUMBER_OF_DIFFICULTIES - 1);
    Set_Game_State(GS_COMMISSIONER, 1);
    ASSERT_EQ(Save_Game(m_szFile.c_str()), SAVE_OK);
    for (const char* szSlot : {"0", "1", "2", "3"}) {
        SimResult result = Scout(std::string("0 ") + szSlot);
        EXPECT_EQ(result.nStatus, 0) << result.szOutput;
        EXPECT_TRUE(Has(result, "(error 0)")) << result.szOutput;
    }
}

TEST_F(SimScoutTest, WrongArgumentsGiveNoReport) {
    ASSERT_EQ(Save_Game(m_szFile.c_str()), SAVE_OK);
    EXPECT_EQ(Scout("0").nStatus, 2);
    EXPECT_EQ(Scout("0 0 --for").nStatus, 2);
    EXPECT_EQ(Scout("0 0 --against 3").nStatus, 2);
    EXPECT_EQ(Scout("0 80").nStatus, 1);
    EXPECT_EQ(Scout("0 x").nStatus, 1);
    EXPECT_EQ(Scout("0 0 --for NOSUCH").nStatus, 1);
    EXPECT_EQ(Run_Sim("scout " + (m_WorkDir / "missing.vtr").string() + " 0 0").nStatus, 1);
}
