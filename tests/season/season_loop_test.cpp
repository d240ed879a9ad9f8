// Whole seasons of the default league through the play menu's operation.
#include <cstdlib>
#include <utility>
#include <string>
#include <vector>

#include "commands/game_commands.h"
#include "database/integrity.h"
#include "database/team.h"
#include "default_season_fixture.h"
#include "season/playoffs.h"
#include "season/schedule.h"
#include "season/season_loop.h"
#include "season/standings.h"
#include "season/stored_games.h"

namespace {
std::vector<std::string> s_Violations;
int s_nWeeksChecked = 0;
std::vector<std::pair<int, int>> s_PagesShown;  // (page, week)

void Record_Page(int nPage) { s_PagesShown.push_back({nPage, Current_Week()}); }

void Check_After_Week() {
    s_nWeeksChecked++;
    std::vector<std::string> violations;
    Check_League_Integrity(&violations);
    for (const std::string& szViolation : violations)
        s_Violations.push_back("after week " + std::to_string(Current_Week()) + ": " + szViolation);
}

int Regular_Season_Games(TNUM nTeam) {
    int nGames = 0;
    for (int nWeek = 0; nWeek < First_Playoff_Week(); nWeek++)
        if (Get_Schedule_Opponent(nTeam, nWeek) != NO_TEAM) nGames++;
    return nGames;
}

// Playoff games the team played, and how many of them it won.
void Count_Playoff_Games(TNUM nTeam, int* pnPlayed, int* pnWon) {
    *pnPlayed = *pnWon = 0;
    for (int nGame = 0; nGame < NUMBER_OF_GAME_RECORDS; nGame++) {
        StoredGame game;
        if (!Stored_Game_Teams_And_Score(nGame, &game) || game.nWeek < First_Playoff_Week()) continue;
        if (game.nHome != nTeam && game.nVisitor != nTeam) continue;
        ++*pnPlayed;
        int nOwn = game.nHome == nTeam ? game.nHomeScore : game.nVisitorScore;
        int nOther = game.nHome == nTeam ? game.nVisitorScore : game.nHomeScore;
        if (nOwn > nOther) ++*pnWon;
    }
}

class SeasonLoopTest : public DefaultSeasonTest, public ::testing::WithParamInterface<int> {
  protected:
    void SetUp() override {
        DefaultSeasonTest::SetUp();
        s_Violations.clear();
        s_nWeeksChecked = 0;
        s_PagesShown.clear();
    }
    void TearDown() override {
        Set_Season_Loop_Observer(SeasonLoopObserver{});
        DefaultSeasonTest::TearDown();
    }
};
}  // namespace

TEST_P(SeasonLoopTest, ASeasonPlaysThroughAndKeepsItsBooks) {
    Start((uint32_t)GetParam());
    int nTeams = Number_Of_Teams();
    int anCash[NUMBER_OF_FRANCHISES];
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) anCash[nTeam] = Get_Team_Financial_Stat(nTeam, FIN_CASH);
    SeasonLoopObserver observer{};
    observer.pRedraw_Page = Check_After_Week;
    observer.pShow_Page = Record_Page;
    Set_Season_Loop_Observer(observer);
    int nFirst = First_Playoff_Week();
    Set_Game_State(GS_CURRENT_PAGE, PAGE_STANDINGS);

    // "Entire Season" stops at the first playoff week with the field fixed and round 1 scheduled.
    Play_Weeks(22);
    ASSERT_EQ(Current_Week(), nFirst);
    EXPECT_EQ(Get_Game_State(GS_SIMULATING), 0);
    int nWins = 0, nLosses = 0;
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        EXPECT_EQ(Get_Team_Wins(nTeam) + Get_Team_Losses(nTeam) + Get_Team_Ties(nTeam), Regular_Season_Games(nTeam))
            << (int)nTeam;
        nWins += Get_Team_Wins(nTeam);
        nLosses += Get_Team_Losses(nTeam);
    }
    EXPECT_EQ(nWins, nLosses);
    for (int nConference = 0; nConference < Number_Of_Conferences(); nConference++)
        for (int nSeed = 1; nSeed <= 6; nSeed++) EXPECT_NE(Get_Playoff_Team(Seed_Slot(nConference, nSeed)), NO_TEAM);
    EXPECT_TRUE(Schedule_Slot_Filled(Get_Playoff_Team(0), nFirst));
    ASSERT_EQ(s_PagesShown.size(), 1u);
    EXPECT_EQ(s_PagesShown[0], std::make_pair((int)PAGE_PLAYOFFS, nFirst));

    // A division winner managed by the user earns the championship page when the season ends.
    Set_Team_Stat(Get_Standings_Team(0, 0), TEAM_STAT_CONTROL, HUMAN_MANAGED);

    // One week at a time up to the final, which ends the season.
    while (Current_Week() < nFirst + 3) {
        Play_Weeks(1);
        EXPECT_FALSE(Season_Is_Over());
    }
    Play_Weeks(1);
    ASSERT_TRUE(Season_Is_Over());
    EXPECT_EQ(Current_Week(), nFirst + 4);
    ASSERT_EQ(s_PagesShown.size(), 2u);
    EXPECT_EQ(s_PagesShown[1], std::make_pair((int)PAGE_CHAMPIONSHIP, nFirst + 4));
    PlayMenuEntry entries[MAXIMUM_PLAY_ENTRIES];
    ASSERT_EQ(Play_Menu(entries), 1);
    EXPECT_STREQ(entries[0].szText, "&Start Next Season");

    TNUM nChampion = Get_League_Champion();
    int nPlayed, nWon;
    Count_Playoff_Games(nChampion, &nPlayed, &nWon);
    EXPECT_GE(nPlayed, 3);
    EXPECT_EQ(nWon, nPlayed);
    EXPECT_EQ(Get_Team_Playoff_Losses(nChampion), 0);
    EXPECT_EQ(Get_Team_Playoff_Wins(nChampion), nPlayed);

    // Cash moved by exactly the season's net, give or take the tax rounded game by game.
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        int nGames = Get_Team_Financial_Stat(nTeam, FIN_GAMES_SEASON);
        Count_Playoff_Games(nTeam, &nPlayed, &nWon);
        EXPECT_EQ(nGames, Regular_Season_Games(nTeam) + nPlayed) << (int)nTeam;
        int nChange = Get_Team_Financial_Stat(nTeam, FIN_CASH) - anCash[nTeam];
        EXPECT_LE(std::abs(nChange - Get_Team_Financial_Stat(nTeam, FIN_PROFIT)), nGames) << (int)nTeam;
    }
    EXPECT_EQ(s_nWeeksChecked, nFirst + 4);
    for (const std::string& s : s_Violations) ADD_FAILURE() << s;
}

INSTANTIATE_TEST_SUITE_P(Seeds, SeasonLoopTest, ::testing::Values(1, 2));
