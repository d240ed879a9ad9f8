#include "database/team.h"
#include "season/playoffs.h"
#include "season/standings.h"
#include "season/stored_games.h"
#include "season_fixture.h"

namespace {
using StandingsTest = SeasonTest;
}

// Teams 0 and 1 split their series and finish level; 2 and 3 fill out the
// division and the conference, 4 sits in the other conference.
TEST_F(StandingsTest, SplitSeriesGoesToTheDivisionRecord) {
    Make_League({0, 0, 0, 1, 4});
    Play(1, 10, 0, 20);
    Play(0, 10, 1, 20);
    Play(2, 3, 1, 7);   // division win for 1
    Play(3, 3, 0, 7);   // conference win for 0
    Recompute_Standings();
    EXPECT_EQ(Get_Standings_Team(0, 0), 1);
    EXPECT_EQ(Get_Standings_Team(0, 1), 0);
    EXPECT_EQ(Get_Standings_Team(0, 2), 2);
    EXPECT_EQ(Get_Standings_Team(0, 3), NO_TEAM);
}

TEST_F(StandingsTest, LevelDivisionRecordsGoToTheConferenceRecord) {
    Make_League({0, 0, 0, 1, 4});
    Play(1, 10, 0, 20);
    Play(0, 10, 1, 20);
    Play(4, 3, 1, 7);  // out of conference: counts only in the record
    Play(3, 3, 0, 7);
    Recompute_Standings();
    EXPECT_EQ(Get_Standings_Team(0, 0), 0);
    EXPECT_EQ(Get_Team_Standing(1), 1);
}

TEST_F(StandingsTest, PerfectTiesFollowTheSeasonParity) {
    Make_League({0, 0, 4});
    Play(1, 10, 0, 20);
    Play(0, 10, 1, 20);
    Recompute_Standings();  // season 0: 0 + 1 is odd, team 1 does not displace team 0
    EXPECT_EQ(Get_Standings_Team(0, 0), 0);
    g_League.anGameState[GS_SEASON_INDEX] = 1;
    Play(1, 10, 0, 20);
    Play(0, 10, 1, 20);
    Recompute_Standings();
    EXPECT_EQ(Get_Standings_Team(0, 0), 1);
}

TEST_F(StandingsTest, HeadToHeadCountsOnlyAgainstRivalsWithTheSameRecord) {
    Make_League({0, 0, 0, 4});
    Play(1, 10, 0, 20);
    Add_Record(1, 1, 0);  // 1-1 against 0's 1-0
    EXPECT_EQ(Get_Division_Score(0), 1000 + 10 + 1);
    Add_Record(1, 1, 0);  // 2-1: now level
    EXPECT_EQ(Get_Division_Score(0), 1000 + 100 + 10 + 1);
    EXPECT_EQ(Get_Division_Score(1), 1000 - 100 - 10 - 1);
}

// Record: 0 and 3 both 1-1; 0 beat 3 and tied it.
TEST_F(StandingsTest, UnbeatenAgainstLevelConferenceTeamsEarnsTheBonus) {
    Make_League({0, 0, 1, 1, 4});
    Play(3, 3, 0, 7);
    Play(0, 7, 3, 7);
    Add_Record(0, 0, 1);
    Add_Record(3, 1, 0);
    EXPECT_EQ(Get_League_Score(0), 4000 + 100);
    EXPECT_EQ(Get_League_Score(3), -100);
    Recompute_Standings();
    EXPECT_EQ(Get_Team_Record_Stat(0, YR_FINAL_RANK), 0);
    Play(0, 3, 3, 7);  // a single loss cancels it
    Add_Record(0, 1, 0);
    Add_Record(3, 0, 1);
    EXPECT_EQ(Get_League_Score(0), 0);
}

TEST_F(StandingsTest, LeagueRankGoesToTheFirstTeamOnEqualScores) {
    Make_League({0, 0, 4, 4});
    Add_Record(3, 2, 0);
    Recompute_Standings();
    EXPECT_EQ(Get_Team_Record_Stat(3, YR_FINAL_RANK), 0);
    EXPECT_EQ(Get_Team_Record_Stat(0, YR_FINAL_RANK), 1);
    EXPECT_EQ(Get_Team_Record_Stat(1, YR_FINAL_RANK), 2);
    EXPECT_EQ(Get_Team_Record_Stat(2, YR_FINAL_RANK), 3);
}

// A division title must not change hands through a playoff game.
TEST_F(StandingsTest, PlayoffGamesDoNotReorderADivision) {
    Make_League({0, 0, 4});
    g_League.anGameState[GS_SEASON_INDEX] = 1;  // parity favours 1 on a perfect tie
    Play(1, 10, 0, 20, 3);
    Play(0, 10, 1, 20, 5);
    Recompute_Standings();
    EXPECT_EQ(Get_Standings_Team(0, 0), 1);
    Set_Stored_Game(m_nNextGame++, 1, 0, 3, 24, 17);  // week 17 is a playoff week
    Recompute_Standings();
    EXPECT_EQ(Get_Standings_Team(0, 0), 1);
}

TEST_F(StandingsTest, TeamMissingFromTheTableIsReported) {
    Make_League({0, 4});
    Recompute_Standings();
    EXPECT_EQ(Get_Team_Standing(5), NO_TEAM);
    EXPECT_TRUE(Logged("Team not found in Get_Team_Standing()"));
}

TEST_F(StandingsTest, ProvisionalFieldIsRebuiltOnlyBeforeThePlayoffs) {
    Make_League({0, 0, 4, 4});
    Add_Record(1, 1, 0);
    g_League.abPlayoffTeams[CHAMPION_SLOT] = 3;
    g_League.anGameState[GS_CURRENT_WEEK] = 5;
    Recompute_Standings();
    EXPECT_EQ(Get_Playoff_Team(CHAMPION_SLOT), NO_TEAM);
    EXPECT_EQ(Get_Playoff_Team(28), 1);
    g_League.abPlayoffTeams[CHAMPION_SLOT] = 3;
    g_League.anGameState[GS_CURRENT_WEEK] = 17;
    Recompute_Standings();
    EXPECT_EQ(Get_Playoff_Team(CHAMPION_SLOT), 3);
}
