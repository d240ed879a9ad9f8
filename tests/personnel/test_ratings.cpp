#include "database/league_average.h"
#include "database/player.h"
#include "personnel/ratings.h"
#include "personnel_support.h"
#include "test_support.h"

using RatingsTest = LeagueTest;

namespace {
constexpr TNUM TEAM = 0;
constexpr int P = PERIOD_PREDICTED;
int Rating(PNUM nSlot, int nCode) { return Get_Player_Season_Stat(TEAM, nSlot, P, nCode); }

void Fill_Baseline(PNUM nSlot, int nPosition) {
    for (int i = 0; i < 20; i++) Set_Player_Season_Stat(TEAM, nSlot, P, i, Baseline_Season(nPosition, i));
}
}  // namespace

TEST_F(RatingsTest, AllZeroQuarterbackSitsOnTheFloors) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_QB);
    for (int nCode = RATING_ACCURACY; nCode <= RATING_RED_ZONE; nCode++) EXPECT_EQ(Rating(0, nCode), 50) << nCode;
    EXPECT_EQ(Rating(0, RATING_HANDS), 50);
    for (int nCode : {RATING_PASS_BLOCKING, RATING_RUSH_BLOCKING, RATING_DISCIPLINE, RATING_ENDURANCE, RATING_RUN_DEFENSE,
                      RATING_PASS_RUSH, RATING_PASS_COVERAGE, RATING_TURNOVERS, RATING_FG_ACCURACY, RATING_FG_DISTANCE,
                      RATING_RELIABILITY, RATING_PUNTING})
        EXPECT_EQ(Rating(0, nCode), 50) << nCode;
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(RatingsTest, QuarterbackRatingsOfABaselineSeason) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_QB);
    Fill_Baseline(0, POS_QB);
    EXPECT_EQ(Rating(0, RATING_ACCURACY), 90);
    EXPECT_EQ(Rating(0, RATING_DISTANCE), 84);
    EXPECT_EQ(Rating(0, RATING_CONTROL), 100);  // 101 before the ceiling
    EXPECT_EQ(Rating(0, RATING_RED_ZONE), 84);
    EXPECT_EQ(Rating(0, RATING_MOBILITY), 76);
    // A handful of attempts caps the passing ratings at attempts / 3 + 50.
    Set_Player_Season_Stat(TEAM, 0, P, SS_PASS_ATTEMPTS, 30);
    Set_Player_Season_Stat(TEAM, 0, P, SS_COMPLETIONS, 30);
    EXPECT_EQ(Rating(0, RATING_ACCURACY), 60);
}

TEST_F(RatingsTest, BackRatingsAndTheStoredBlocking) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_RB);
    Fill_Baseline(0, POS_RB);
    EXPECT_EQ(Rating(0, RATING_RUSHING), 97);
    EXPECT_EQ(Rating(0, RATING_RECEIVING), 80);
    EXPECT_EQ(Rating(0, RATING_DURABILITY), 99);
    EXPECT_EQ(Rating(0, RATING_HANDS), 96);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, SS_STORED_BLOCKING), 0);
    EXPECT_EQ(Rating(0, RATING_BLOCKING), 66);  // typical size: 125 - (97 + 80) / 3
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, SS_STORED_BLOCKING), 66);
    // Once stored it is the answer, whatever the body.
    Set_Player_Vital_Stat(TEAM, 0, VS_WEIGHT, 300);
    EXPECT_EQ(Rating(0, RATING_BLOCKING), 66);
    Set_Player_Season_Stat(TEAM, 0, P, SS_STORED_BLOCKING, 0);
    Set_Player_Vital_Stat(TEAM, 0, VS_HEIGHT, 70);
    EXPECT_EQ(Rating(0, RATING_BLOCKING), 85);  // weight capped at 270: +16, four inches short: +3
}

TEST_F(RatingsTest, BlockingNeverOverwritesAnotherPositionsCounter) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_QB);
    Make_Player(TEAM, 1, 102, POS_LB);
    EXPECT_EQ(Rating(0, RATING_BLOCKING), 50);
    EXPECT_EQ(Rating(1, RATING_BLOCKING), 50);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, SS_COMPLETIONS), 0);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 1, P, SS_ASSISTS), 0);
    Set_Player_Rating(TEAM, 0, RATING_BLOCKING, 80);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, SS_COMPLETIONS), 0);
}

TEST_F(RatingsTest, GuardRushBlockingIsFivePointsAboveTackleAndCentre) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_T);
    Make_Player(TEAM, 1, 102, POS_G);
    Make_Player(TEAM, 2, 103, POS_C);
    EXPECT_EQ(Rating(0, RATING_RUSH_BLOCKING), 50);
    EXPECT_EQ(Rating(1, RATING_RUSH_BLOCKING), 55);
    EXPECT_EQ(Rating(2, RATING_RUSH_BLOCKING), 50);
    // An average season at each position rates 25 above the base.
    for (PNUM p = 0; p < 3; p++)
        for (int i = 0; i < NUMBER_OF_COUNTERS; i++)
            Set_Player_Season_Stat(TEAM, p, P, i, League_Average_Season(POS_T + p, i));
    EXPECT_EQ(Rating(0, RATING_RUSH_BLOCKING), 75);
    EXPECT_EQ(Rating(1, RATING_RUSH_BLOCKING), 80);
    EXPECT_EQ(Rating(2, RATING_RUSH_BLOCKING), 75);
    EXPECT_EQ(Rating(1, RATING_PASS_BLOCKING), 75);
    EXPECT_EQ(Rating(1, RATING_DISCIPLINE), 75);
    // Above average counts fourfold: 1083 per mille becomes 1332.
    Set_Player_Season_Stat(TEAM, 1, P, SS_RUSH_YARDS, 1300);
    EXPECT_EQ(Rating(1, RATING_RUSH_BLOCKING), 88);
}

TEST_F(RatingsTest, EnduranceDefenceAndKickingRatings) {
    Use_Teams(2);
    Set_League_Rule(LR_GAMES_PER_SEASON, 16);
    Make_Player(TEAM, 0, 101, POS_T, 28);
    Set_Player_Vital_Stat(TEAM, 0, VS_WEIGHT, 299);
    Set_Counters(TEAM, 0, P, {{SS_GAMES, 16}, {SS_STARTS, 16}});
    EXPECT_EQ(Rating(0, RATING_ENDURANCE), 78);

    Make_Player(TEAM, 1, 102, POS_LB);
    Fill_Baseline(1, POS_LB);
    EXPECT_EQ(Rating(1, RATING_RUN_DEFENSE), 97);
    EXPECT_EQ(Rating(1, RATING_PASS_RUSH), 76);
    EXPECT_EQ(Rating(1, RATING_PASS_COVERAGE), 75);
    EXPECT_EQ(Rating(1, RATING_TURNOVERS), 78);

    Make_Player(TEAM, 2, 103, POS_K);
    Fill_Baseline(2, POS_K);
    EXPECT_EQ(Rating(2, RATING_FG_ACCURACY), 94);
    EXPECT_EQ(Rating(2, RATING_FG_DISTANCE), 87);
    EXPECT_EQ(Rating(2, RATING_RELIABILITY), 90);

    Make_Player(TEAM, 3, 104, POS_P);
    Fill_Baseline(3, POS_P);
    EXPECT_EQ(Rating(3, RATING_PUNTING), 94);
}

TEST_F(RatingsTest, CodesWithoutAFormulaAreUndefined) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_QB);
    const int UNDEFINED[] = {RATING_LINEMAN_SPARE, RATING_DEFENDER_SPARE, RATING_KICKER_SPARE, RATING_OVERALL + 1,
                             SS_SEASON_WORTH + 1};
    for (int nCode : UNDEFINED) {
        bool bDefined = true;
        Get_Player_Rating_Stat(TEAM, 0, P, nCode, &bDefined);
        EXPECT_FALSE(bDefined) << nCode;
    }
}

TEST_F(RatingsTest, ImportSettersReachTheirTargets) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_G);
    Set_Player_Rating(TEAM, 0, RATING_PASS_BLOCKING, 80);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, SS_GAMES), 14);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, SS_STARTS), 11);
    EXPECT_LE(Rating(0, RATING_PASS_BLOCKING), 80);
    Set_Player_Season_Stat(TEAM, 0, P, SS_SACKS_ALLOWED, Get_Player_Season_Stat(TEAM, 0, P, SS_SACKS_ALLOWED) - 1);
    EXPECT_GT(Rating(0, RATING_PASS_BLOCKING), 80);  // the first count that reaches it

    Set_Player_Season_Stat(TEAM, 0, P, SS_RUSHES, 310);
    Set_Player_Rating(TEAM, 0, RATING_RUSH_BLOCKING, 85);
    EXPECT_GE(Rating(0, RATING_RUSH_BLOCKING), 85);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, SS_RUSH_YARDS) % 5, 0);

    Make_Player(TEAM, 1, 102, POS_WR);
    Set_Player_Rating(TEAM, 1, RATING_BLOCKING, 88);
    EXPECT_EQ(Rating(1, RATING_BLOCKING), 88);
    // A lineman code asked of a quarterback would rewrite his interceptions.
    Make_Player(TEAM, 2, 103, POS_QB);
    Set_Player_Rating(TEAM, 2, RATING_PASS_BLOCKING, 40);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 2, P, SS_INTERCEPTIONS_THROWN), 0);
}

namespace {
int Stored_Blocking(PNUM nSlot) { return Get_Player_Season_Stat(TEAM, nSlot, P, SS_COMPLETIONS); }
void Give_Body(PNUM nSlot, int nHeight, int nWeight) {
    Set_Player_Vital_Stat(TEAM, nSlot, VS_HEIGHT, nHeight);
    Set_Player_Vital_Stat(TEAM, nSlot, VS_WEIGHT, nWeight);
}
}  // namespace

// The stored value is read back raw by the next reader, so the rating that
// is worked out on demand must go in already within the range.
TEST_F(RatingsTest, BlockingWorkedOutOnDemandIsStoredWithinTheRange) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_WR);  // nothing run or caught: 55 and 60
    Give_Body(0, 66, 300);              // heavy and short: 108 before the ceiling
    EXPECT_EQ(Rating(0, RATING_BLOCKING), RATING_CEILING);
    EXPECT_EQ(Stored_Blocking(0), RATING_CEILING);

    Make_Player(TEAM, 1, 102, POS_RB);
    Fill_Baseline(1, POS_RB);
    Give_Body(1, 80, 150);  // light and tall: 39 before the floor
    EXPECT_EQ(Rating(1, RATING_BLOCKING), RATING_FLOOR);
    EXPECT_EQ(Stored_Blocking(1), RATING_FLOOR);
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(RatingsTest, StoredBlockingWithinTheRangeForEveryBodyAndSeason) {
    Use_Teams(2);
    for (int nPosition : {POS_RB, POS_TE, POS_WR})
        for (bool bBaseline : {false, true})
            for (int nHeight = 60; nHeight <= 86; nHeight += 2)
                for (int nWeight = 120; nWeight <= 360; nWeight += 15) {
                    Make_Player(TEAM, 0, 101, nPosition);
                    if (bBaseline) Fill_Baseline(0, nPosition);
                    Give_Body(0, nHeight, nWeight);
                    int nRead = Rating(0, RATING_BLOCKING);
                    int nStored = Stored_Blocking(0);
                    ASSERT_TRUE(nStored >= RATING_FLOOR && nStored <= RATING_CEILING)
                        << nPosition << " " << nHeight << "in " << nWeight << "lb: " << nStored;
                    EXPECT_EQ(nRead, nStored);
                    // Worked out afresh, the same body and season give the same rating.
                    Set_Player_Season_Stat(TEAM, 0, P, SS_COMPLETIONS, RATING_CEILING + 7);
                    Store_Blocking_Rating(TEAM, 0, P);
                    ASSERT_EQ(Stored_Blocking(0), nStored) << nPosition << " " << nHeight << " " << nWeight;
                }
}

TEST_F(RatingsTest, ImportedBlockingIsKeptWithinTheRange) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_TE);
    Set_Player_Rating(TEAM, 0, RATING_BLOCKING, 140);
    EXPECT_EQ(Stored_Blocking(0), RATING_CEILING);
    // Zero would read as "not worked out yet" and be replaced by the body's rating.
    Set_Player_Rating(TEAM, 0, RATING_BLOCKING, 0);
    EXPECT_EQ(Stored_Blocking(0), RATING_FLOOR);
    Set_Player_Rating(TEAM, 0, RATING_BLOCKING, -20);
    EXPECT_EQ(Rating(0, RATING_BLOCKING), RATING_FLOOR);
    EXPECT_EQ(Stored_Blocking(0), RATING_FLOOR);
}

TEST_F(RatingsTest, StoringBlockingReplacesAStaleValueOnlyForBacksAndReceivers) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_RB);
    Fill_Baseline(0, POS_RB);
    Set_Player_Season_Stat(TEAM, 0, P, SS_COMPLETIONS, 90);  // another body's rating
    Store_Blocking_Rating(TEAM, 0, P);
    EXPECT_EQ(Stored_Blocking(0), 66);  // as in BackRatingsAndTheStoredBlocking
    // The Last Season period is rated on its own counters, not the Predicted ones.
    Store_Blocking_Rating(TEAM, 0, PERIOD_LAST_SEASON);
    // 125 - (55 + 60) / 3 for a season with nothing run or caught
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, PERIOD_LAST_SEASON, SS_COMPLETIONS), 87);
    EXPECT_EQ(Stored_Blocking(0), 66);

    Make_Player(TEAM, 1, 102, POS_QB);
    Set_Player_Season_Stat(TEAM, 1, P, SS_COMPLETIONS, 240);
    Make_Player(TEAM, 2, 103, POS_P);
    Set_Player_Season_Stat(TEAM, 2, P, SS_PUNT_YARDS, 2250);
    Store_Blocking_Rating(TEAM, 1, P);
    Store_Blocking_Rating(TEAM, 2, P);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 1, P, SS_COMPLETIONS), 240);
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 2, P, SS_PUNT_YARDS), 2250);

    Store_Blocking_Rating(TEAM, PLAYERS_PER_TEAM, P);
    EXPECT_FALSE(Logged_Nothing());
}
