// The season reports of a whole season of the default league, written where
// the turn of the season writes them.
#include <fstream>
#include <string>
#include <vector>

#include "season/default_season_fixture.h"
#include "season/playoffs.h"
#include "season/season_loop.h"

namespace {
std::vector<std::string> Lines_Of(const char* szPath) {
    std::ifstream file(szPath);
    std::vector<std::string> lines;
    for (std::string szLine; std::getline(file, szLine);) lines.push_back(szLine);
    return lines;
}

int Count_Containing(const std::vector<std::string>& lines, const std::string& szPart) {
    int nCount = 0;
    for (const std::string& szLine : lines)
        if (szLine.find(szPart) != std::string::npos) nCount++;
    return nCount;
}
}  // namespace

class SeasonReportsLeagueTest : public DefaultSeasonTest {};

TEST_F(SeasonReportsLeagueTest, TheTurnOfTheSeasonWritesAllThreeReports) {
    Start(7);
    Set_Game_State(GS_AUTOSAVE, 0);
    Set_Game_State(GS_TEXT_STANDINGS, 1);
    Set_Game_State(GS_TEXT_AWARDS, 1);
    Play_Weeks(22);  // the regular season
    Play_Weeks(22);  // the playoffs
    ASSERT_TRUE(Season_Is_Over());
    Process_Offseason();

    std::vector<std::string> standings = Lines_Of("Output/Stndng26.txt");
    ASSERT_FALSE(standings.empty());
    EXPECT_EQ(Count_Containing(standings, " CONFERENCE (2026)"), 2);
    EXPECT_EQ(Count_Containing(standings, "   W   L   T   PCT    PF    PA   Yds   +/-"), 8);
    // Four wild-card games, four division games, two conference finals and the final.
    EXPECT_EQ(Count_Containing(standings, " defeat "), 11);
    std::vector<std::string> awards = Lines_Of("Output/Awards26.txt");
    EXPECT_EQ(Count_Containing(awards, ": AWARD WINNERS"), 2);
    EXPECT_EQ(Count_Containing(awards, "  QB: "), 2);
    EXPECT_EQ(Count_Containing(awards, ") "), 0);  // every line ends with the team
    EXPECT_EQ((int)awards.size(), 2 * (1 + 24 + 3 + 1));
    std::vector<std::string> money = Lines_Of("Output/Money-26.txt");
    EXPECT_EQ((int)money.size(), 3 + 32);
}
