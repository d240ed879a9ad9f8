// brakvell-sim sign as a user runs it: a free agent signed by the pool slot
// the listing showed and saved into a league check still finds sound; every
// refusal printed with its box's title and text, and the file left byte for
// byte as it was.
#include <fstream>
#include <iterator>
#include <string>

#include "database/season_state.h"
#include "trades/trade_fixture.h"

namespace {
constexpr int RICH = 50000000;  // dollars: any bonus is covered

class SimSignTest : public TradeTest {
  protected:
    void SetUp() override {
        TradeTest::SetUp();
        for (int8_t& nSlot : g_League.abPlayoffTeams) nSlot = NO_TEAM;  // the season is on
        Set_Game_State(GS_CURRENT_WEEK, 0);
        Set_Team_Financial_Stat(0, FIN_CASH, RICH);
        m_szFile = (m_WorkDir / "sign.vtr").string();
        Save();
    }
    void Save() { ASSERT_EQ(Save_Game(m_szFile.c_str()), SAVE_OK); }
    SimResult Sign(const std::string& szArguments) { return Run_Sim("sign " + m_szFile + " " + szArguments); }
    std::string File_Bytes() {
        std::ifstream file(m_szFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    }
    static bool Has(const SimResult& result, const std::string& szText) {
        return result.szOutput.find(szText) != std::string::npos;
    }
    // Refused with the box's title and text, the file untouched.
    void Expect_Refused(const std::string& szArguments, const std::string& szBox) {
        std::string szBefore = File_Bytes();
        SimResult result = Sign(szArguments);
        EXPECT_EQ(result.nStatus, 1) << result.szOutput;
        EXPECT_TRUE(Has(result, szBox)) << result.szOutput;
        EXPECT_TRUE(File_Bytes() == szBefore) << szBox;
    }
    std::string m_szFile;
};
}  // namespace

TEST_F(SimSignTest, TheListedPlayerSignsJoinsAndTheLeagueIsSaved) {
    PNUM nSlot = (PNUM)(Number_Of_Players(FREE_AGENT_TEAM) - 1);
    int nID = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_PLAYER_ID);
    int nPlayers = Number_Of_Players(0);
    SimResult result = Sign("--team 0 --slot " + std::to_string(nSlot));
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    EXPECT_TRUE(Has(result, "; saved\n")) << result.szOutput;

    ASSERT_TRUE(Load_Game(m_szFile.c_str()));
    After_League_Loaded();
    TNUM nTeam = NO_TEAM;
    PNUM nNew = NO_PLAYER;
    ASSERT_TRUE(Find_Player_ID(nID, &nTeam, &nNew));
    EXPECT_EQ(nTeam, 0);
    EXPECT_EQ(Number_Of_Players(0), nPlayers + 1);
    EXPECT_TRUE(Has(result, "in slot " + std::to_string(nNew) + ":")) << result.szOutput;
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_CASH), RICH - 1000 * Get_Player_Vital_Stat(0, nNew, VS_BONUS));
    SimResult check = Run_Sim("check " + m_szFile);
    EXPECT_EQ(check.nStatus, 0) << check.szOutput;
}

TEST_F(SimSignTest, EveryRefusalIsPrintedAndTheFileLeftAsItWas) {
    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK);
    Save();
    Expect_Refused("--team 0 --slot 0",
                   "Trading Deadline: You cannot sign a free agent after the transaction deadline. Wait until the end "
                   "of the season.");

    Set_Game_State(GS_CURRENT_WEEK, TRADE_DEADLINE_WEEK - 1);
    Size_Roster(0, PLAYERS_PER_TEAM);
    char szName[FULL_NAME_WIDTH + 1];
    Get_Player_Full_Name(FREE_AGENT_TEAM, 0, szName);
    Save();
    Expect_Refused("--team 0 --slot 0", std::string("Too Many Players: Your team is currently full. You must release "
                                                    "a player before you add ") + szName + ".");

    Size_Roster(0, PLAYERS_PER_TEAM - 1);
    Save();
    Expect_Refused("--team 0 --slot 0 --contracts release", "did not sign with the");
}

TEST_F(SimSignTest, BadArgumentsAreRefusedBeforeAnythingIsWritten) {
    std::string szBefore = File_Bytes();
    EXPECT_EQ(Sign("--team 0").nStatus, 2);
    EXPECT_EQ(Sign("--team 0 --slot 80").nStatus, 2);
    EXPECT_EQ(Sign("--team 36 --slot 0").nStatus, 1);
    EXPECT_EQ(Sign("--team 0 --slot " + std::to_string(Number_Of_Players(FREE_AGENT_TEAM))).nStatus, 1);
    EXPECT_TRUE(File_Bytes() == szBefore);
}
