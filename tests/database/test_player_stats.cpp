#include "personnel/ratings.h"
#include "player_fixture.h"

namespace {
void Set_Counters(TNUM nTeam, PNUM nPlayer, int nPeriod, std::initializer_list<std::pair<int, int>> values) {
    for (auto [nStat, nValue] : values) Set_Player_Season_Stat(nTeam, nPlayer, nPeriod, nStat, nValue);
}
}  // namespace

TEST_F(PlayerTest, PasserRatingAndItsComponents) {
    Put_Player(0, 0, 7, POS_QB);
    Set_Counters(0, 0, PERIOD_THIS_SEASON,
                 {{SS_PASS_ATTEMPTS, 30}, {SS_COMPLETIONS, 20}, {SS_PASS_YARDS, 300}, {SS_PASS_TD, 2},
                  {SS_INTERCEPTIONS_THROWN, 1}});
    const int P = PERIOD_THIS_SEASON;
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, P, SS_COMPLETION_POINTS), 1835);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, P, SS_YARDS_PER_ATTEMPT_POINTS), 1750);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, P, SS_TD_POINTS), 1340);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, P, SS_INTERCEPTION_POINTS), 1550);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, P, SS_PASSER_RATING), 1079);
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(PlayerTest, RatingComponentsAreClamped) {
    Put_Player(0, 0, 7, POS_QB);
    Set_Counters(0, 0, PERIOD_CAREER,
                 {{SS_PASS_ATTEMPTS, 10}, {SS_COMPLETIONS, 10}, {SS_PASS_YARDS, 400}, {SS_PASS_TD, 5},
                  {SS_INTERCEPTIONS_THROWN, 2}});
    const int P = PERIOD_CAREER;
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, P, SS_COMPLETION_POINTS), 2375);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, P, SS_YARDS_PER_ATTEMPT_POINTS), 2375);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, P, SS_TD_POINTS), 2375);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, P, SS_INTERCEPTION_POINTS), 0);
}

TEST_F(PlayerTest, ReturnAndKickingCodes) {
    Put_Player(0, 0, 7, POS_WR);
    const int T = PERIOD_THIS_SEASON, L = PERIOD_LAST_SEASON;
    Set_Counters(0, 0, T,
                 {{SS_PASS_YARDS, 10}, {SS_RUSH_YARDS, 40}, {SS_RUSH_TD, 1}, {SS_RECEIVING_YARDS, 300},
                  {SS_RECEIVING_TD, 3}, {SS_KICK_RETURNS, 4}, {SS_KICK_RETURN_YARDS, 100}, {SS_KICK_RETURN_TD, 1},
                  {SS_PUNT_RETURNS, 5}, {SS_PUNT_RETURN_YARDS, 50}, {SS_PUNT_RETURN_TD, 1}});
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, T, SS_RETURN_YARDS), 150);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, T, SS_ALL_PURPOSE_YARDS), 340 + 10 + 150);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, T, SS_TOTAL_TD), 4 + 2);
    Set_Player_Vital_Stat(0, 0, VS_POSITION, POS_CB);  // the defensive touchdown counter is the rush one's
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, T, SS_TOTAL_TD), 1 + 2);
    Set_Player_Vital_Stat(0, 0, VS_POSITION, POS_K);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, T, SS_TOTAL_TD), 0);
    // Field goals: 3/4 under 30, 1/2 at 50+.
    Set_Counters(0, 0, L,
                 {{SS_FGA_UNDER_30, 4}, {SS_FG_UNDER_30, 3}, {SS_FGA_50_PLUS, 2}, {SS_FG_50_PLUS, 1},
                  {SS_PAT_ATTEMPTS, 30}, {SS_PAT_MADE, 29}});
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, L, SS_FG_RATE), 667);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, L, SS_FG_RATE_LONG), 500);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, L, SS_PAT_RATE), 967);
}

TEST_F(PlayerTest, ReturnSkillCodesUsePredictedAndLastSeason) {
    Put_Player(0, 0, 7, POS_RB);
    Set_Player_Season_Stat(0, 0, PERIOD_PREDICTED, SS_KICK_RETURN_YARDS, 500);
    Set_Player_Season_Stat(0, 0, PERIOD_LAST_SEASON, SS_KICK_RETURN_YARDS, 219);
    Set_Player_Season_Stat(0, 0, PERIOD_PREDICTED, SS_PUNT_RETURN_YARDS, 80);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, PERIOD_CAREER, SS_KICK_RETURN_SKILL), 521);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, PERIOD_CAREER, SS_PUNT_RETURN_SKILL), 80);
    Set_Player_Vital_Stat(0, 0, VS_POSITION, POS_P);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, PERIOD_THIS_SEASON, SS_KICK_RETURN_SKILL), 0);
}

TEST_F(PlayerTest, UndefinedCodesAreUnrecognized) {
    Put_Player(0, 0, 7);
    // The gaps around the computed codes; the per-game team codes mean nothing for a player.
    const int UNDEFINED[] = {NUMBER_OF_COUNTERS,          SS_PUNT_AVERAGE + 1,      SS_KICK_RETURN_AVERAGE - 1,
                             SS_SCRIMMAGE_YARDS_PER_GAME, SS_RECEIVING_YARDS_PER_GAME, SS_TACKLES_PER_GAME + 1,
                             SS_FIRST_RATING - 1,         SS_SEASON_WORTH + 1,      SS_PUNT_RETURN_SKILL + 1,
                             -1};
    for (int nStat : UNDEFINED) {
        Headless_Reset();
        EXPECT_EQ(Get_Player_Season_Stat(0, 0, PERIOD_THIS_SEASON, nStat), 0);
        EXPECT_TRUE(Logged("Unrecognized SEASON_STAT: " + std::to_string(nStat))) << nStat;
    }
    // Rating codes without a formula are unrecognized but read as the rating floor.
    for (int nStat : {RATING_LINEMAN_SPARE, RATING_DEFENDER_SPARE, RATING_KICKER_SPARE}) {
        Headless_Reset();
        EXPECT_EQ(Get_Player_Season_Stat(0, 0, PERIOD_THIS_SEASON, nStat), RATING_FLOOR);
        EXPECT_TRUE(Logged("Unrecognized SEASON_STAT: " + std::to_string(nStat))) << nStat;
    }
    Headless_Reset();
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, PERIOD_THIS_SEASON, SS_FIRST_RATING), RATING_FLOOR);
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(PlayerTest, HistoryPeriodWithoutAnEntryReadsZero) {
    Put_Player(0, 0, 7);
    int nRecord = Open_History_Record(0, 0, true);
    ASSERT_GE(nRecord, 0);
    Set_Player_Season_Stat(0, 0, PERIOD_HISTORY + 0, SS_PASS_YARDS, 4000);
    Set_Player_Season_Stat(0, 0, PERIOD_HISTORY + 0, SS_GAMES, 16);
    EXPECT_EQ(g_League.aHistory[nRecord].anStats[SS_PASS_YARDS], 4000);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, PERIOD_HISTORY + 0, SS_PASS_YARDS_PER_GAME), 250);
    const int EMPTY_ENTRY = PERIOD_HISTORY + 1;
    for (int nStat = 0; nStat < NUMBER_OF_COUNTERS; nStat++)
        EXPECT_EQ(Get_Player_Season_Stat(0, 0, EMPTY_ENTRY, nStat), 0) << nStat;
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, EMPTY_ENTRY, SS_PASSER_RATING), 0);
    Set_Player_Season_Stat(0, 0, EMPTY_ENTRY, SS_GAMES, 3);  // does nothing
    EXPECT_FALSE(Player_Period_Has_Stats(0, 0, EMPTY_ENTRY));
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(PlayerTest, PeriodOperations) {
    Put_Player(0, 0, 7);
    Put_Player(FREE_AGENT_TEAM, 3, 8);
    const int T = PERIOD_THIS_SEASON, L = PERIOD_LAST_SEASON, C = PERIOD_CAREER;
    Set_Counters(0, 0, T, {{SS_GAMES, 2}, {SS_RUSHES, 30}});
    Set_Counters(0, 0, C, {{SS_GAMES, 10}, {SS_RUSHES, 100}});
    Add_Player_Periods(0, 0, C, T);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, C, SS_RUSHES), 130);
    Copy_Player_Period(0, 0, T, L);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, L, SS_GAMES), 2);
    Add_Player_Season_Stat(0, 0, L, SS_GAMES, 1);
    EXPECT_EQ(Get_Player_Season_Stat(0, 0, L, SS_GAMES), 3);
    Set_Player_Season_Stat(FREE_AGENT_TEAM, 3, T, SS_PASS_YARDS, 9);
    Clear_All_Players_Period(T);
    EXPECT_FALSE(Player_Period_Has_Stats(0, 0, T));
    EXPECT_FALSE(Player_Period_Has_Stats(FREE_AGENT_TEAM, 3, T));
    EXPECT_TRUE(Player_Period_Has_Stats(0, 0, L));
    Clear_Player_Period(0, 0, L);
    EXPECT_FALSE(Player_Period_Has_Stats(0, 0, L));
}
