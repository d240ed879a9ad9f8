// brakvell-sim play on a new game of the default league.
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "database/integrity.h"
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
    // A computer trade of the first week may be told before its scores.
    size_t nWeek1 = result.szOutput.find("Week 1:");
    ASSERT_NE(nWeek1, std::string::npos) << result.szOutput;
    EXPECT_TRUE(nWeek1 == 0 || result.szOutput[nWeek1 - 1] == '\n') << result.szOutput;
    EXPECT_GT(result.szOutput.find("\nWeek 2:"), nWeek1);
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

// The weeks before the deadline carry the computer's trades: each told on a
// line, the same for the same seed, and the league sound after them.
TEST_F(SimPlayTest, TheWeeksBeforeTheDeadlineTellTheComputersTradesTheSameForTheSameSeed) {
    std::string szCopy = (m_WorkDir / "copy.vtr").string();
    std::filesystem::copy_file(m_szFile, szCopy);
    SimResult result = Run_Sim("play \"" + m_szFile + "\" --weeks 11 --seed 21");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    EXPECT_NE(result.szOutput.find("\nTrade: "), std::string::npos) << result.szOutput;
    EXPECT_EQ(Run_Sim("play \"" + szCopy + "\" --weeks 11 --seed 21").szOutput, result.szOutput);
    EXPECT_EQ(Contents(szCopy), Contents(m_szFile));
    ASSERT_TRUE(Load_Game(m_szFile.c_str()));
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << violations.front();
}

// Whole seasons: one line each, the same for the same seed, and the league
// saved at the start of the season after, sound.
TEST_F(SimPlayTest, PlaysWholeSeasonsOneLineEachAndTheSameForTheSameSeed) {
    std::string szCopy = (m_WorkDir / "copy.vtr").string();
    std::filesystem::copy_file(m_szFile, szCopy);
    int nSeason = Current_Season_Index();
    SimResult result = Run_Sim("play \"" + m_szFile + "\" --seasons 2 --seed 11 --contracts release");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    size_t nLines = 0;
    for (size_t nAt = result.szOutput.find("champion "); nAt != std::string::npos;
         nAt = result.szOutput.find("champion ", nAt + 1))
        nLines++;
    EXPECT_EQ(nLines, 2u) << result.szOutput;
    EXPECT_NE(result.szOutput.find(" retired, "), std::string::npos);
    EXPECT_NE(result.szOutput.find("history records "), std::string::npos);
    EXPECT_EQ(Run_Sim("play \"" + szCopy + "\" --seasons 2 --seed 11 --contracts release").szOutput, result.szOutput);
    EXPECT_EQ(Contents(szCopy), Contents(m_szFile));
    ASSERT_TRUE(Load_Game(m_szFile.c_str()));
    EXPECT_EQ(Current_Season_Index(), nSeason + 2);
    EXPECT_EQ(Current_Week(), 0);
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << violations.front();

    for (const char* szArguments : {"--seasons 1 --weeks 1", "--seasons 0", "--seasons 1 --contracts maybe",
                                    "--seasons 1 --contracts"}) {
        SimResult bad = Run_Sim("play \"" + m_szFile + "\" " + szArguments);
        EXPECT_EQ(bad.nStatus, 2) << szArguments;
    }
}

// The tool has nobody to make a person's picks: the draft waiting for one is
// finished by the computer, the person's team drafting with the rest, and
// the next season starts sound with the draft pool empty.
TEST_F(SimPlayTest, APersonsDraftPicksAreMadeByTheComputerInTheTool) {
    constexpr TNUM PERSON = 4;
    Set_Team_Stat(PERSON, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    ASSERT_EQ(Save_Game(m_szFile.c_str()), SAVE_OK);
    int nSeason = Current_Season_Index();
    SimResult result = Run_Sim("play \"" + m_szFile + "\" --seasons 1 --seed 5");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    ASSERT_TRUE(Load_Game(m_szFile.c_str()));
    EXPECT_EQ(Current_Season_Index(), nSeason + 1);
    EXPECT_FALSE(College_Draft_Running());
    int nDrafted = 0;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (Is_Valid_Player(PERSON, nSlot) &&
            Get_Player_Vital_Stat(PERSON, nSlot, VS_DRAFTED) == (PERSON + 1) * DRAFTED_TEAM_UNIT + Current_Calendar_Year())
            nDrafted++;
    EXPECT_GT(nDrafted, 0);
    for (TNUM nPool = DRAFT_POOL_TEAMS; nPool <= TOTAL_NUMBER_OF_TEAMS; nPool++) EXPECT_EQ(Number_Of_Players(nPool), 0);
    std::vector<std::string> violations;
    EXPECT_EQ(Check_League_Integrity(&violations), 0) << (violations.empty() ? "" : violations.front());
    char szName[16];
    snprintf(szName, sizeof szName, "Draft-%02d.txt", Current_Season_Index() % 100);
    EXPECT_TRUE(std::filesystem::exists(m_WorkDir / "Output" / szName));
}
