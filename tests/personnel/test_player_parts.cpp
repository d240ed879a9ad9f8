// The parts of a new player the game and the default-league maker share:
// body, 40-yard time, games missed and the rules every made-up season keeps.
#include <algorithm>
#include <vector>

#include "base/random.h"
#include "database/player.h"
#include "personnel/player_creation.h"
#include "personnel/ratings.h"
#include "personnel_support.h"
#include "test_support.h"

using PlayerPartsTest = LeagueTest;

namespace {
constexpr TNUM TEAM = 0;

int Vital(PNUM nSlot, int nIndex) { return Get_Player_Vital_Stat(TEAM, nSlot, nIndex); }

// The generator's next value after the given number of draws from a fresh seed.
int Next_After(uint32_t nSeed, int nDraws) {
    Seed_Random(nSeed);
    for (int i = 0; i < nDraws; i++) Random(6);
    return Random(1000000);
}

std::vector<int32_t> Counters(std::initializer_list<std::pair<int, int>> values) {
    std::vector<int32_t> s(NUMBER_OF_COUNTERS, 0);
    for (const auto& [nCounter, nValue] : values) s[nCounter] = nValue;
    return s;
}
}  // namespace

TEST_F(PlayerPartsTest, GamesMissedStayWithinASeasonAndMostlyNone) {
    Seed_Random(7);
    std::vector<int> anCount(MOST_GAMES_MISSED + 1, 0);
    for (int i = 0; i < 20000; i++) {
        int nMissed = Draw_Games_Missed();
        ASSERT_TRUE(nMissed >= 0 && nMissed <= MOST_GAMES_MISSED) << nMissed;
        anCount[nMissed]++;
    }
    EXPECT_EQ(std::max_element(anCount.begin(), anCount.end()) - anCount.begin(), 0);
    EXPECT_GT(anCount[1], anCount[3]);
    EXPECT_GT(anCount[3], 0);
}

TEST_F(PlayerPartsTest, GamesMissedTakeFiveDraws) {
    Seed_Random(11);
    Draw_Games_Missed();
    int nNext = Random(1000000);
    EXPECT_EQ(nNext, Next_After(11, 5));
}

TEST_F(PlayerPartsTest, TidyKeepsPenaltyYardsOnAFlagsGrid) {
    for (int nPenalties : {0, 1, 4, 11})
        for (int nYards : {0, 3, 5 * nPenalties, 7 * nPenalties + 1, 20 * nPenalties + 4}) {
            std::vector<int32_t> s = Counters({{SS_PENALTIES, nPenalties}, {SS_PENALTY_YARDS, nYards}});
            Tidy_Drawn_Season(POS_G, s.data());
            int nTidy = s[SS_PENALTY_YARDS];
            EXPECT_EQ(nTidy % 5, 0) << nPenalties << " " << nYards;
            EXPECT_GE(nTidy, 6 * nPenalties - 2) << nPenalties << " " << nYards;
            EXPECT_LE(nTidy, 9 * nPenalties + 2) << nPenalties << " " << nYards;
            EXPECT_EQ(s[SS_PENALTIES], nPenalties);
        }
}

TEST_F(PlayerPartsTest, TidyLetsNoKickerMakeMoreThanHeTried) {
    for (int nPosition : {POS_K, POS_P}) {
        std::vector<int32_t> s(NUMBER_OF_COUNTERS, 0);
        for (int nTried = SS_PAT_ATTEMPTS; nTried <= SS_FGA_50_PLUS; nTried += 2) {
            s[nTried] = nTried;           // tried
            s[nTried + 1] = 2 * nTried;   // made: twice as many
        }
        s[SS_LONG_FG] = 71;
        Tidy_Drawn_Season(nPosition, s.data());
        for (int nTried = SS_PAT_ATTEMPTS; nTried <= SS_FGA_50_PLUS; nTried += 2) {
            EXPECT_EQ(s[nTried], nTried);
            EXPECT_EQ(s[nTried + 1], nTried) << nPosition << " counter " << nTried + 1;
        }
        EXPECT_EQ(s[SS_LONG_FG], 71);
    }
}

// Counters 8..17 are catches, yards and returns elsewhere: never capped.
TEST_F(PlayerPartsTest, TidyLeavesOtherPositionsAlone) {
    for (int nPosition : {POS_QB, POS_RB, POS_TE, POS_WR, POS_DE, POS_LB, POS_CB, POS_S}) {
        std::vector<int32_t> s(NUMBER_OF_COUNTERS);
        for (int n = 0; n < NUMBER_OF_COUNTERS; n++) s[n] = 3 + 17 * n;
        std::vector<int32_t> before = s;
        Tidy_Drawn_Season(nPosition, s.data());
        EXPECT_EQ(s, before) << nPosition;
    }
}

TEST_F(PlayerPartsTest, BlockingBackIsBuiltLikeATightEnd) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_RB);
    Seed_Random(3);
    int nBack = 0, nBlocker = 0;
    const int ROUNDS = 400;
    for (int i = 0; i < ROUNDS; i++) {
        Set_Random_Body(TEAM, 0, false);
        nBack += Vital(0, VS_HEIGHT);
        EXPECT_LE(std::abs(Vital(0, VS_HEIGHT) - Typical_Height(POS_RB)), 6);
        Set_Random_Body(TEAM, 0, true);
        int nHeight = Vital(0, VS_HEIGHT);
        nBlocker += nHeight;
        EXPECT_LE(std::abs(nHeight - Typical_Height(POS_TE)), 6);
        EXPECT_LE(std::abs(Vital(0, VS_WEIGHT) - Weight_For_Height(nHeight, Position_Build(POS_TE))), 25);
    }
    EXPECT_NEAR(nBack / (double)ROUNDS, Typical_Height(POS_RB), 0.5);
    EXPECT_NEAR(nBlocker / (double)ROUNDS, Typical_Height(POS_TE), 0.5);
    EXPECT_TRUE(Logged_Nothing());
}

TEST_F(PlayerPartsTest, RandomBodyTakesEightDraws) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_DT);
    Seed_Random(5);
    Set_Random_Body(TEAM, 0, false);
    int nNext = Random(1000000);
    EXPECT_EQ(nNext, Next_After(5, 8));
}

TEST_F(PlayerPartsTest, FortyYardTimeFollowsSpeedAndWeight) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_RB);
    Set_Player_Vital_Stat(TEAM, 0, VS_WEIGHT, Typical_Weight(POS_RB));
    Set_Forty_Yard_Time(TEAM, 0);
    int nSlowRunner = Vital(0, VS_FORTY);
    Set_Counters(TEAM, 0, PERIOD_PREDICTED, {{SS_RUSHES, 300}, {SS_RUSH_YARDS, 1500}});
    Set_Forty_Yard_Time(TEAM, 0);
    int nFastRunner = Vital(0, VS_FORTY);
    EXPECT_LT(nFastRunner, nSlowRunner);
    Set_Player_Vital_Stat(TEAM, 0, VS_WEIGHT, Typical_Weight(POS_RB) + 30);
    Set_Forty_Yard_Time(TEAM, 0);
    EXPECT_GT(Vital(0, VS_FORTY), nFastRunner);
    EXPECT_TRUE(Vital(0, VS_FORTY) > 400 && Vital(0, VS_FORTY) < 600);

    // Kickers are not timed, whatever an earlier position left behind.
    Set_Player_Vital_Stat(TEAM, 0, VS_POSITION, POS_K);
    Set_Forty_Yard_Time(TEAM, 0);
    EXPECT_EQ(Vital(0, VS_FORTY), 0);
    EXPECT_TRUE(Logged_Nothing());
}
