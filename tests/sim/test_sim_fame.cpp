// brakvell-sim fame as a user runs it: the four levels of the permanent file
// of the working folder and, with a league, its players' hall of fame.
#include <cstring>
#include <filesystem>
#include <string>

#include "database/player.h"
#include "database/saved_game.h"
#include "halloffame/fame_file.h"
#include "test_support.h"

namespace {
const std::string UNIVERSE = std::string(BRAKVELL_GAME_DIR) + "/Universe.dat";

size_t Count(const std::string& szText, const std::string& szWhat) {
    size_t nCount = 0;
    for (size_t n = szText.find(szWhat); n != std::string::npos; n = szText.find(szWhat, n + 1))
        nCount++;
    return nCount;
}
} // namespace

using SimFameTest = LeagueTest;

TEST_F(SimFameTest, ListsEveryLevelWithItsColours) {
    Rebuild_Fame_File();
    FameFile fame;
    Read_Fame_File(&fame);
    FameEntry& entry = fame.aTables[3][0];
    memset(entry.szManager, 'Q', sizeof entry.szManager); // no terminator in the field
    entry.szManager[1] = '\x1b';
    entry.nFlag = FAME_GRAY;
    fame.aTables[1][9].nFlag = FAME_WHITE;
    Write_Fame_File(&fame);
    SimResult result = Run_Sim("fame");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    for (const char* szLevel : {"Fan\n", "Coach\n", "Manager\n", "Vantor\n"})
        EXPECT_NE(result.szOutput.find(szLevel), std::string::npos) << szLevel;
    EXPECT_EQ(Count(result.szOutput, "built-in"), 38u);
    EXPECT_EQ(Count(result.szOutput, " white"), 1u);
    EXPECT_EQ(Count(result.szOutput, " gray"), 1u);
    EXPECT_NE(result.szOutput.find("Q\\x1bQQ"), std::string::npos);
    EXPECT_EQ(result.szOutput.find("Players'"), std::string::npos);
}

TEST_F(SimFameTest, MissingFileShowsTheBuiltInTablesUnreadableFails) {
    SimResult missing = Run_Sim("fame");
    EXPECT_EQ(missing.nStatus, 0);
    EXPECT_EQ(missing.szOutput.rfind("no VantorFame.dat here", 0), 0u) << missing.szOutput;
    EXPECT_FALSE(std::filesystem::exists(FAME_FILE_NAME)); // only looked
    std::filesystem::create_directory(FAME_FILE_NAME);
    SimResult unreadable = Run_Sim("fame");
    EXPECT_EQ(unreadable.nStatus, 1);
    EXPECT_NE(unreadable.szOutput.find("cannot read VantorFame.dat"), std::string::npos)
        << unreadable.szOutput;
}

TEST_F(SimFameTest, LeagueMembersWithTheWaitingMarked) {
    ASSERT_TRUE(Load_Game(UNIVERSE.c_str()));
    int nYear = Current_Calendar_Year();
    ASSERT_TRUE(Is_Valid_Player(HALL_OF_FAME_TEAM, 0));
    Set_Player_Vital_Stat(HALL_OF_FAME_TEAM, 0, VS_YEAR_INDUCTED, nYear);
    std::string szFile = (m_WorkDir / "fame.vtr").string();
    ASSERT_EQ(Save_Game(szFile.c_str()), 0);
    char szName[FULL_NAME_WIDTH];
    Get_Player_Full_Name(HALL_OF_FAME_TEAM, 0, szName);
    SimResult result = Run_Sim("fame " + szFile);
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    size_t nAt = result.szOutput.find("Players' Hall Of Fame, " + std::to_string(nYear));
    ASSERT_NE(nAt, std::string::npos) << result.szOutput;
    size_t nLine = result.szOutput.find(szName, nAt);
    ASSERT_NE(nLine, std::string::npos);
    EXPECT_LT(result.szOutput.find("(waiting)", nAt), result.szOutput.find('\n', nLine));
    EXPECT_EQ(Count(result.szOutput, "(waiting)"), 1u);
    EXPECT_NE(Run_Sim("fame " + (m_WorkDir / "none.vtr").string()).nStatus, 0);
}
