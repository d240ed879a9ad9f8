#include <algorithm>

#include "base/random.h"
#include "database/player.h"
#include "personnel/ratings.h"
#include "personnel_support.h"
#include "platform/headless.h"
#include "test_support.h"

using PredictedStatsTest = LeagueTest;

namespace {
constexpr TNUM TEAM = 0;
constexpr int P = PERIOD_PREDICTED;
const char* const TOO_LARGE = "Warning: Modifier too large in Modify_Predicted_Player_Stats()";

bool Warned() {
    const auto& lines = Headless_Log_Lines();
    return std::find(lines.begin(), lines.end(), TOO_LARGE) != lines.end();
}
void Fill_Baseline(PNUM nSlot, int nPosition) {
    for (int i = 0; i < 20; i++) Set_Player_Season_Stat(TEAM, nSlot, P, i, Baseline_Season(nPosition, i));
}
}  // namespace

TEST_F(PredictedStatsTest, ModifierBoundsWarnButApply) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_RB);
    Set_Player_Season_Stat(TEAM, 0, P, SS_RUSH_YARDS, 2000);
    Modify_Predicted_Player_Stats(TEAM, 0, P, -950, DEVELOP_LOWER_BODY);
    EXPECT_FALSE(Warned());
    // Factor 200 at -950 takes 190 per cent of the 1440-yard baseline.
    EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, SS_RUSH_YARDS), 0);
    Set_Player_Season_Stat(TEAM, 0, P, SS_RUSH_YARDS, 2000);
    Modify_Predicted_Player_Stats(TEAM, 0, P, 951, DEVELOP_GENERAL);
    EXPECT_TRUE(Warned());
    EXPECT_GE(Get_Player_Season_Stat(TEAM, 0, P, SS_RUSH_YARDS), 2000 + 1369);
    Headless_Reset();
    Modify_Predicted_Player_Stats(TEAM, 0, P, -951, DEVELOP_GENERAL);
    EXPECT_TRUE(Warned());
    for (int i = 0; i < 20; i++) EXPECT_GE(Get_Player_Season_Stat(TEAM, 0, P, i), 0) << i;
}

TEST_F(PredictedStatsTest, ZeroModifierChangesNothingButDrawsTwentyTimes) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_QB);
    Fill_Baseline(0, POS_QB);
    Seed_Random(77);
    for (int i = 0; i < 20; i++) Random(1000);
    uint32_t nExpected = Random_Next();
    Seed_Random(77);
    Modify_Predicted_Player_Stats(TEAM, 0, P, 0, DEVELOP_YOUTH);
    EXPECT_EQ(Random_Next(), nExpected);
    for (int i = 0; i < 20; i++) EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, i), Baseline_Season(POS_QB, i)) << i;
}

TEST_F(PredictedStatsTest, RemaindersAreRoundedWithOneDrawPerCounterInOrder) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_QB);
    Fill_Baseline(0, POS_QB);
    // +100 in the general mode: whole changes and the remainders (thousandths)
    // they leave; interceptions and fumbles move the other way.
    const int WHOLE[NUMBER_OF_COUNTERS] = {0, 0, 22, 27, 0, 340, 2, 2, 20, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const int REMAINDER[NUMBER_OF_COUNTERS] = {800, 800, 500, 0, -392, 0, 500, 500, 0, 200, 0, 0, 0, -98, 0, 0, 0, 0, 0, 0};
    for (uint32_t nSeed : {1u, 2u, 3u, 4u, 5u}) {
        Fill_Baseline(0, POS_QB);
        Seed_Random(nSeed);
        int anDraw[20];
        for (int& n : anDraw) n = Random(1000);
        Seed_Random(nSeed);
        Modify_Predicted_Player_Stats(TEAM, 0, P, 100, DEVELOP_GENERAL);
        for (int i = 0; i < 20; i++) {
            int nExtra = anDraw[i] < std::abs(REMAINDER[i]) ? (REMAINDER[i] > 0 ? 1 : -1) : 0;
            EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, i), Baseline_Season(POS_QB, i) + WHOLE[i] + nExtra)
                << "seed " << nSeed << " counter " << i;
        }
    }
}

TEST_F(PredictedStatsTest, CountersOutsideTheTableNeverChange) {
    Use_Teams(2);
    Make_Player(TEAM, 0, 101, POS_K);
    Fill_Baseline(0, POS_K);
    Modify_Predicted_Player_Stats(TEAM, 0, P, -900, DEVELOP_LOWER_BODY);
    // A kicker's attempts stay; only the made kicks fall.
    for (int i : {SS_PAT_ATTEMPTS, SS_FGA_UNDER_30, SS_FGA_UNDER_40, SS_FGA_UNDER_50, SS_FGA_50_PLUS})
        EXPECT_EQ(Get_Player_Season_Stat(TEAM, 0, P, i), Baseline_Season(POS_K, i)) << i;
    EXPECT_LT(Get_Player_Season_Stat(TEAM, 0, P, SS_PAT_MADE), 50);
    EXPECT_EQ(Development_Factor(1, 7, DEVELOP_VETERAN), 0);
    EXPECT_EQ(Development_Factor(1, 10, DEVELOP_VETERAN), -50);
    EXPECT_EQ(Development_Factor(0, 4, DEVELOP_YOUTH), -100);
}

TEST_F(PredictedStatsTest, BadArgumentsAreLoggedAndDrawNothing) {
    Use_Teams(2);
    Seed_Random(5);
    uint32_t nExpected = Random_Next();
    Seed_Random(5);
    Modify_Predicted_Player_Stats(TEAM, 3, P, 100, DEVELOP_GENERAL);
    EXPECT_TRUE(Logged("Invalid player in Modify_Predicted_Player_Stats()"));
    Make_Player(TEAM, 0, 101, POS_QB);
    Modify_Predicted_Player_Stats(TEAM, 0, P, 100, 5);
    EXPECT_EQ(Random_Next(), nExpected);
}
