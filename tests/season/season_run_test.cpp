// A whole season on the schedule, standings and playoff operations together.
#include "base/random.h"
#include "database/team.h"
#include "season/playoffs.h"
#include "season/schedule.h"
#include "season/standings.h"
#include "season/stored_games.h"
#include "season_fixture.h"

namespace {
class SeasonRunTest : public SeasonTest, public ::testing::WithParamInterface<int> {
  protected:
    // Plays every home game of the week with random scores, as the season loop would.
    void Play_Week(int nWeek) {
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
            if (!Is_Home(nTeam, nWeek)) continue;
            TNUM nVisitor = Get_Schedule_Opponent(nTeam, nWeek);
            int nHomeScore = Random(40), nVisitorScore = Random(40);
            if (nWeek < First_Playoff_Week()) {
                Play(nVisitor, nVisitorScore, nTeam, nHomeScore, nWeek);
            } else {
                if (nHomeScore == nVisitorScore) nHomeScore++;
                Set_Stored_Game(m_nNextGame, nVisitor, nTeam, nVisitorScore, nHomeScore, nWeek);
                Record_Playoff_Game(m_nNextGame++);
            }
        }
    }
};
}  // namespace

// Conferences of four divisions for 32 teams, three for 31 and 29; six teams
// make one conference of two divisions, whose final is the championship.
TEST_P(SeasonRunTest, EveryLeagueSizeCrownsAChampion) {
    int nTeams = GetParam();
    Use_Teams(nTeams);
    const int DIVISIONS[] = {0, 1, 2, 4, 5, 6};
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        int nDivision = nTeams == 32 ? nTeam / 4 : nTeams == 6 ? nTeam / 3 : DIVISIONS[nTeam * 6 / nTeams];
        Set_Team_Stat(nTeam, TEAM_STAT_DIVISION, nDivision);
    }
    Seed_Random(11);
    Make_Season_Schedule();
    int nFirstPlayoffWeek = First_Playoff_Week();
    for (int nWeek = 0; nWeek <= Last_Playoff_Week(); nWeek++) {
        g_League.anGameState[GS_CURRENT_WEEK] = nWeek;
        if (nWeek == nFirstPlayoffWeek) Fix_Playoff_Field();
        if (nWeek >= nFirstPlayoffWeek) Schedule_Playoff_Week(nWeek);
        Play_Week(nWeek);
        Recompute_Standings();
    }
    g_League.anGameState[GS_CURRENT_WEEK] = Last_Playoff_Week() + 1;
    ASSERT_TRUE(Season_Is_Over());
    TNUM nChampion = Get_League_Champion();
    Set_Season_Outcome_Levels();
    EXPECT_EQ(Get_Team_Record_Stat(nChampion, YR_OUTCOME), nTeams == 6 ? 7 : 8);
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++)
        EXPECT_EQ(Get_Team_Wins(nTeam) + Get_Team_Losses(nTeam) + Get_Team_Ties(nTeam), 16);
    EXPECT_TRUE(Logged_Nothing());
}

INSTANTIATE_TEST_SUITE_P(LeagueSizes, SeasonRunTest, ::testing::Values(32, 31, 29, 6));
