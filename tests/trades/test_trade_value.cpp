// The offer score: the line at 1000, the empty offer kept apart from every
// figure, cash moving the score the right way with nothing overflowing, the
// user's handicap, and draft picks valued by where they will fall.
#include <climits>
#include <initializer_list>

#include "trade_league.h"
#include "personnel/ratings.h"
#include "trades/trade_value.h"

namespace {

constexpr TNUM PROPOSER = 0;
constexpr TNUM PARTNER = 1;
constexpr int DIFFICULTY_STEP = 200;  // score points per difficulty level against the user
constexpr int WEALTHY_CASH = 15000000;  // dollars: a cash level of 1000

TRADE_OFFER Offer(std::initializer_list<PNUM> give, std::initializer_list<PNUM> get, int nCash = 0) {
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, PROPOSER, PARTNER);
    int i = 0;
    for (PNUM nPlayer : give) offer.aanItems[0][i++] = nPlayer;
    i = 0;
    for (PNUM nPlayer : get) offer.aanItems[1][i++] = nPlayer;
    offer.nCash = nCash;
    return offer;
}

// The partner's most valuable player: what he gives then weighs, and the
// score stays clear of its ceiling.
PNUM Partners_Best() {
    PNUM nBest = 0;
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
        if (Is_Valid_Player(PARTNER, nPlayer) && Player_Trade_Value(PARTNER, nPlayer) > Player_Trade_Value(PARTNER, nBest))
            nBest = nPlayer;
    return nBest;
}

TRADE_OFFER Fair_Looking_Offer() {
    for (TNUM t : {PROPOSER, PARTNER}) Set_Team_Financial_Stat(t, FIN_CASH, WEALTHY_CASH);
    return Offer({Player_At_Depth(PROPOSER, POS_RB, 0)}, {Partners_Best()});
}

int Score(const TRADE_OFFER& offer) {
    TeamNeeds needs;
    Compute_Team_Needs(offer.anTeam[1], &needs);
    return Offer_Score(offer, needs);
}

void Make_Users_Team(TNUM nTeam) {
    Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Game_State(GS_MANAGED_TEAM, nTeam);
}

}  // namespace

TEST(OfferScore, ExactlyOneThousandIsRefusedAndOneMoreAccepted) {
    EXPECT_EQ(Score_Of_Values(1000, 1000), ACCEPTED_SCORE);
    EXPECT_FALSE(Offer_Is_Accepted(Score_Of_Values(1000, 1000)));
    EXPECT_TRUE(Offer_Is_Accepted(Score_Of_Values(1001, 1000)));
    EXPECT_FALSE(Offer_Is_Accepted(EMPTY_OFFER_SCORE));
}

TEST(OfferScore, WhatIsWorthLessThanNothingNeverScoresAsAGain) {
    // Over a given value below the received one the quotient would turn positive.
    EXPECT_LE(Score_Of_Values(-1000, -5000), 0);
    EXPECT_LE(Score_Of_Values(-1000, 0), 0);
    // A small gift for nothing is a gain, not a division by zero.
    EXPECT_TRUE(Offer_Is_Accepted(Score_Of_Values(10, 0)));
    EXPECT_TRUE(Offer_Is_Accepted(Score_Of_Values(INT64_MAX / 2000, -1)));
    EXPECT_FALSE(Offer_Is_Accepted(Score_Of_Values(-(INT64_MAX / 2000), 1)));
    EXPECT_NE(Score_Of_Values(-(INT64_MAX / 2000), 1), EMPTY_OFFER_SCORE);
}

TEST_F(TradeLeagueTest, TheEmptyOfferScoreIsAMarkThatNoHandicapMoves) {
    Make_Users_Team(PROPOSER);
    PNUM nStarter = Player_At_Depth(PARTNER, POS_QB, 0);
    for (int nDifficulty = 0; nDifficulty < NUMBER_OF_DIFFICULTIES; nDifficulty++)
        for (int nReputation : {-2000, 0, 2000}) {
            Set_Game_State(GS_DIFFICULTY, nDifficulty);
            Set_League_Rule(LR_TRADE_REPUTATION, nReputation);
            EXPECT_EQ(Score(Offer({}, {nStarter})), EMPTY_OFFER_SCORE);
            EXPECT_EQ(Score(Offer({}, {nStarter}, -3)), EMPTY_OFFER_SCORE);  // asking for cash too
            EXPECT_EQ(Score(Offer({}, {})), EMPTY_OFFER_SCORE);
        }
    // Cash alone is something on the table.
    EXPECT_NE(Score(Offer({}, {nStarter}, 1)), EMPTY_OFFER_SCORE);

    // Between computer teams an empty side is just worth nothing.
    Set_Team_Stat(PROPOSER, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
    int nScore = Score(Offer({}, {nStarter}));
    EXPECT_NE(nScore, EMPTY_OFFER_SCORE);
    EXPECT_FALSE(Offer_Is_Accepted(nScore));
}

TEST_F(TradeLeagueTest, CashMovesTheScoreTheWayItFlows) {
    TRADE_OFFER offer = Fair_Looking_Offer();
    int nWithout = Score(offer);
    ASSERT_LT(nWithout, 10 * ACCEPTED_SCORE);  // clear of the ceiling of twenty to one
    offer.nCash = 3;
    int nPaid = Score(offer);
    offer.nCash = -3;
    int nPaying = Score(offer);
    EXPECT_GT(nPaid, nWithout);
    EXPECT_LT(nPaying, nWithout);

    // A partner without cash counts money as nothing, either way.
    Set_Team_Financial_Stat(PARTNER, FIN_CASH, -1);
    nWithout = Score(offer);
    offer.nCash = 3;
    EXPECT_EQ(Score(offer), nWithout);
    offer.nCash = 0;
    EXPECT_EQ(Score(offer), nWithout);
}

TEST_F(TradeLeagueTest, CashFromOutsideNeverOverflowsTheScore) {
    TRADE_OFFER offer = Fair_Looking_Offer();
    offer.nCash = INT32_MAX;
    EXPECT_TRUE(Offer_Is_Accepted(Score(offer)));
    offer.nCash = INT32_MIN;
    int nScore = Score(offer);
    EXPECT_NE(nScore, EMPTY_OFFER_SCORE);
    EXPECT_LE(nScore, 0);  // a fortune paid away outweighs everything
}

TEST_F(TradeLeagueTest, TheUserPaysForDifficultyAndEarnsReputation) {
    Make_Users_Team(PROPOSER);
    TRADE_OFFER offer = Fair_Looking_Offer();
    Set_League_Rule(LR_TRADE_REPUTATION, 0);
    Set_Game_State(GS_DIFFICULTY, 1);
    int nCoach = Score(offer);
    Set_Game_State(GS_DIFFICULTY, 3);
    EXPECT_EQ(Score(offer), nCoach - 2 * DIFFICULTY_STEP);
    Set_League_Rule(LR_TRADE_REPUTATION, 2000);
    EXPECT_EQ(Score(offer), nCoach - 2 * DIFFICULTY_STEP + 200);

    // A computer team's offer carries no handicap.
    Set_Team_Stat(PROPOSER, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
    int nComputer = Score(offer);
    Set_Game_State(GS_DIFFICULTY, 0);
    EXPECT_EQ(Score(offer), nComputer);
}

TEST_F(TradeLeagueTest, DraftPicksAreWorthMoreEarlyInTheOrderTheRoundsAndTheYears) {
    for (TNUM t = 0; t < Number_Of_Teams(); t++) Set_Team_Record_Stat(t, YR_FINAL_RANK, 0);
    constexpr TNUM CHAMPION = 3;
    Set_Team_Record_Stat(CHAMPION, YR_OUTCOME, 8);
    EXPECT_EQ(Projected_Draft_Place(CHAMPION), Number_Of_Teams() - 1);
    EXPECT_LT(Draft_Pick_Value(0, 0, CHAMPION), Draft_Pick_Value(0, 0, 0));
    for (int nRound = 0; nRound + 1 < NUMBER_OF_DRAFT_ROUNDS; nRound++)
        EXPECT_GT(Draft_Pick_Value(0, nRound, 0), Draft_Pick_Value(0, nRound + 1, 0)) << nRound;
    for (int nDraft = 0; nDraft + 1 < DRAFT_YEARS; nDraft++)
        EXPECT_GT(Draft_Pick_Value(nDraft, 0, 0), Draft_Pick_Value(nDraft + 1, 0, 0)) << nDraft;
    // The last two rounds are half and a fifth of the fifth.
    int nFifth = Draft_Pick_Value(0, 4, 0);
    EXPECT_NEAR(Draft_Pick_Value(0, 5, 0) * 2, nFifth, 2);
    EXPECT_NEAR(Draft_Pick_Value(0, 6, 0) * 5, nFifth, 5);

    // A pick on the table raises the partner's score by its value's share.
    TRADE_OFFER offer = Fair_Looking_Offer();
    int nWithout = Score(offer);
    offer.aanItems[0][1] = (int8_t)(Number_Of_Players(PROPOSER) + 0);
    ASSERT_FALSE(Trade_Item_Is_Player(offer, 0, 1));
    EXPECT_EQ(Offered_Picks_Value(offer, 0), Draft_Pick_Value(0, 0, PROPOSER));
    EXPECT_GT(Score(offer), nWithout);
}
