// brakvell-sim standings and playoffs on a small saved league.
#include <array>
#include <cstdio>

#include "database/saved_game.h"
#include "database/team.h"
#include "season_fixture.h"

namespace {
class SimSeasonTest : public SeasonTest {
  protected:
    // Two one-division conferences; names sort in team-code order so that
    // loading keeps the codes.
    void SetUp() override {
        SeasonTest::SetUp();
        Make_League({0, 0, 4, 4});
        const char* const CITIES[] = {"Ashford", "Brill", "Calder", "Dunmore"};
        const char* const ABBREVIATIONS[] = {"ASH", "BRI", "CAL", "DUN"};
        for (TNUM nTeam = 0; nTeam < 4; nTeam++) {
            Set_Team_String(CITIES[nTeam], nTeam, TS_CITY);
            Set_Team_String("Rovers", nTeam, TS_NICKNAME);
            Set_Team_String(ABBREVIATIONS[nTeam], nTeam, TS_ABBREVIATION);
        }
        Play(0, 10, 1, 17, 0);
        Play(3, 24, 2, 21, 0);
        g_League.anGameState[GS_CURRENT_WEEK] = 1;
        m_szFile = (m_WorkDir / "league.vtr").string();
        ASSERT_EQ(Save_Game(m_szFile.c_str()), SAVE_OK);
    }
    std::string Run(const std::string& szCommand) {
        SimResult result = Run_Sim(szCommand + " \"" + m_szFile + "\"");
        m_nStatus = result.nStatus;
        return result.szOutput;
    }
    std::string m_szFile;
    int m_nStatus = 0;
};
}  // namespace

TEST_F(SimSeasonTest, StandingsListEachDivisionInOrder) {
    std::string szOutput = Run("standings");
    EXPECT_EQ(m_nStatus, 0) << szOutput;
    size_t nBrill = szOutput.find("Brill Rovers"), nAshford = szOutput.find("Ashford Rovers");
    size_t nDunmore = szOutput.find("Dunmore Rovers"), nCalder = szOutput.find("Calder Rovers");
    ASSERT_NE(nAshford, std::string::npos) << szOutput;
    EXPECT_LT(nBrill, nAshford);
    EXPECT_LT(nDunmore, nCalder);
}

TEST_F(SimSeasonTest, PlayoffsShowTheProvisionalFinal) {
    std::string szOutput = Run("playoffs");
    EXPECT_EQ(m_nStatus, 0) << szOutput;
    EXPECT_NE(szOutput.find("If the season ended today..."), std::string::npos);
    EXPECT_NE(szOutput.find("[28] BRI"), std::string::npos) << szOutput;
    EXPECT_NE(szOutput.find("[29] DUN"), std::string::npos) << szOutput;
}
