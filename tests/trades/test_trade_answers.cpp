// The general manager's answer: the tier boundaries, the line within a tier,
// and the one draw an empty offer takes.
#include <gtest/gtest.h>

#include <climits>

#include "base/random.h"
#include "database/league_database.h"
#include "trades/trade_answers.h"
#include "trades/trade_value.h"

TEST(TradeAnswers, TiersEndAtEveryQuarterThousandAndAcceptanceLiesAbove1000) {
    struct {
        int nScore, nTier;
    } const CASES[] = {{EMPTY_OFFER_SCORE, TIER_EMPTY_OFFER}, {INT_MIN + 2, TIER_INSULTING}, {-1, TIER_INSULTING}, {250, TIER_INSULTING},
                       {251, TIER_POOR},              {500, TIER_POOR},     {501, TIER_SHORT},
                       {750, TIER_SHORT},             {751, TIER_CLOSE},    {ACCEPTED_SCORE, TIER_CLOSE},
                       {ACCEPTED_SCORE + 1, TIER_ACCEPTED}, {INT_MAX, TIER_ACCEPTED}};
    for (const auto& c : CASES) EXPECT_EQ(Answer_Tier(c.nScore), c.nTier) << c.nScore;
}

TEST(TradeAnswers, TheLineFollowsTheRemainderWithinTheTier) {
    EXPECT_STREQ(Response_Text(ACCEPTED_SCORE), "Maybe next year, if business picks up.");
    EXPECT_EQ(Answer_Line(1249), ANSWER_LINES - 1);
    EXPECT_STREQ(Response_Text(1250), "A good end to a long day.");
    EXPECT_EQ(Answer_Line(-249), 0);  // a negative remainder
    EXPECT_EQ(Answer_Line(INT_MIN + 2), 0);
    for (int nScore = 1; nScore < 2000; nScore++) {
        int nLine = Answer_Line(nScore);
        ASSERT_GE(nLine, 0) << nScore;
        ASSERT_LT(nLine, ANSWER_LINES) << nScore;
        if (nScore % 250 != 0) {
            ASSERT_GE(nLine, Answer_Line(nScore - 1)) << nScore;
        }
    }
}

TEST(TradeAnswers, AnEmptyOfferDrawsItsLineOnceAndOtherScoresDrawNothing) {
    Seed_Random(7);
    int nExpected = Random(ANSWER_LINES);
    uint32_t nAfter = Random_Next();
    Seed_Random(7);
    EXPECT_STREQ(Response_Text(EMPTY_OFFER_SCORE), Answer_Text(TIER_EMPTY_OFFER, nExpected));
    EXPECT_EQ(Random_Next(), nAfter);

    Seed_Random(7);
    uint32_t nFirst = Random_Next();
    Seed_Random(7);
    Response_Text(ACCEPTED_SCORE + 1);
    EXPECT_EQ(Random_Next(), nFirst);
}

TEST(TradeAnswers, TheManagersFaceTurnsToTheSecondSetOnceItHasServedLongEnough) {
    Set_Game_State(GS_SEASON_INDEX, 0);
    EXPECT_EQ(General_Manager_Face(5), "dialogs/faces/gm19.jpg");
    Set_Game_State(GS_SEASON_INDEX, FACE_SERVICE_SEASONS + 19);  // 19 is not below 19
    EXPECT_EQ(General_Manager_Face(5), "dialogs/faces/gm19.jpg");
    Set_Game_State(GS_SEASON_INDEX, FACE_SERVICE_SEASONS + 20);
    EXPECT_EQ(General_Manager_Face(5), "dialogs/faces/gm55.jpg");
    EXPECT_EQ(General_Manager_Face(0), "dialogs/faces/gm36.jpg");
    Set_Game_State(GS_SEASON_INDEX, 0);
}
