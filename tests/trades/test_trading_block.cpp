// The trading block: the cash answer starts at the partner's whole millions,
// the list is ordered with every illegal or empty record last, the minimum
// roster refuses the block at its boundary, and building offers leaves the
// league record as it was.
#include <climits>
#include <cstring>
#include <vector>

#include "base/random.h"
#include "database/text_format.h"
#include "personnel/ratings.h"
#include "trades/implement_trade.h"
#include "trades/trade_fixture.h"
#include "trades/trade_value.h"
#include "trades/trading_block.h"

namespace {

constexpr TNUM USER = 0;
constexpr TNUM PARTNER = 1;

class TradingBlockTest : public TradeTest {
  protected:
    void SetUp() override {
        TradeTest::SetUp();
        Set_Game_State(GS_USER_TEAM, USER);
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Financial_Stat(nTeam, FIN_CASH, 20000000);
    }
    static PNUM Best_Player(TNUM nTeam) {
        PNUM nBest = 0;
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
            if (Is_Valid_Player(nTeam, p) && Player_Trade_Value(nTeam, p) > Player_Trade_Value(nTeam, nBest)) nBest = p;
        return nBest;
    }
    static TRADE_OFFER Block_Of(std::initializer_list<PNUM> players, int nWish, int nCash = 0) {
        TRADE_OFFER block;
        Clear_Trade_Offer(&block, USER, NO_TEAM);
        int i = 0;
        for (PNUM p : players) block.aanItems[0][i++] = p;
        Set_Up_Trading_Block(&block, USER, nCash, nWish);
        return block;
    }
    // The window's block with slots 12 and 30 listed and the wish chosen.
    static TradingBlockPage Listed_Page(int nWish) {
        TradingBlockPage page;
        Open_Trading_Block(&page, USER);
        TradeRefusal refusal;
        for (PNUM nPlayer : {12, 30}) EXPECT_TRUE(List_Block_Player(&page, nPlayer, &refusal));
        page.nWish = nWish;
        return page;
    }
    static int Partners_Score(const TRADE_OFFER& offer) {
        TeamNeeds needs;
        Compute_Team_Needs(offer.anTeam[1], &needs);
        return Offer_Score(offer, needs);
    }
};

TEST_F(TradingBlockTest, CashAnswerStartsAtThePartnersWholeMillions) {
    // A block the partner takes for more than its 12.4 million: it must offer 12, never 13.
    Set_Team_Financial_Stat(PARTNER, FIN_WEALTH, 2000);  // money weighs least
    Set_Team_Financial_Stat(PARTNER, FIN_CASH, 12400000);
    // The block grown greedily by the player the partner wants most, as far as the roster allows.
    TRADE_OFFER offer, thirteen;
    Clear_Trade_Offer(&offer, USER, PARTNER);
    offer.nCash = -13;
    int nSpare = Number_Of_Players(USER) - Trade_Minimum_Roster(USER);
    for (int nListed = 0; nListed < nSpare && Partners_Score(offer) < ACCEPTED_SCORE; nListed++) {
        int nBest = INT_MIN;
        PNUM nChosen = NO_PLAYER;
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
            thirteen = offer;
            thirteen.aanItems[0][nListed] = p;
            if (!Is_Valid_Player(USER, p) || !Block_Offer_Listed(thirteen)) continue;
            int nScore = Partners_Score(thirteen);
            if (nScore > nBest) nBest = nScore, nChosen = p;
        }
        offer.aanItems[0][nListed] = nChosen;
    }
    offer.nCash = 0;
    thirteen = offer;
    thirteen.nCash = -13;
    ASSERT_GE(Partners_Score(thirteen), ACCEPTED_SCORE) << "the block must be worth more than the cash";
    ASSERT_TRUE(Build_Block_Answer(&offer, WISH_CASH));
    EXPECT_EQ(offer.nCash, -12);
    EXPECT_EQ(Count_Trade_Items(offer, 1), 0);
}

TEST_F(TradingBlockTest, CashAnswerIsTheLargestAcceptablePaymentAndNeverAPaymentToThePartner) {
    for (PNUM nPlayer : {5, 20, 35}) {
        TRADE_OFFER offer = Block_Of({nPlayer}, WISH_CASH);
        offer.anTeam[1] = PARTNER;
        if (!Build_Block_Answer(&offer, WISH_CASH)) continue;
        EXPECT_LE(offer.nCash, 0);
        EXPECT_GE(Partners_Score(offer), ACCEPTED_SCORE);
        TRADE_OFFER more = offer;
        more.nCash--;
        if (-more.nCash <= 20) {
            EXPECT_LT(Partners_Score(more), ACCEPTED_SCORE) << "slot " << (int)nPlayer;
        }
    }
}

TEST_F(TradingBlockTest, CashWishForcesTheCashFieldToZeroAndOtherwiseItIsHeldToTheCash) {
    EXPECT_EQ(Block_Of({3}, WISH_CASH, 5).nCash, 0);
    Set_Team_Financial_Stat(USER, FIN_CASH, 3999999);
    EXPECT_EQ(Block_Of({3}, WISH_ANY_PLAYERS, 5).nCash, 3);
}

TEST_F(TradingBlockTest, TheMinimumRosterRefusesTheBlockAtItsBoundary) {
    int nSpare = Number_Of_Players(USER) - Trade_Minimum_Roster(USER);
    ASSERT_GT(nSpare, 0);
    ASSERT_LT(nSpare, TRADE_ITEMS);
    TRADE_OFFER block;
    Clear_Trade_Offer(&block, USER, NO_TEAM);
    for (int i = 0; i < nSpare; i++) block.aanItems[0][i] = (int8_t)i;
    TradeRefusal refusal;
    EXPECT_FALSE(Trading_Block_Refusal(block, &refusal));
    block.aanItems[0][nSpare] = (int8_t)nSpare;
    ASSERT_TRUE(Trading_Block_Refusal(block, &refusal));
    EXPECT_STREQ(refusal.szTitle, "Illegal Trading Block Offer");
    EXPECT_EQ(std::string(refusal.szText),
              Nickname(USER) + " would have less than " + std::to_string(Trade_Minimum_Roster(USER)) + " players.");
    TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS];
    EXPECT_EQ(Build_Trading_Block_Offers(block, WISH_ANY_PLAYERS, aOffers, &refusal), -1);
}

// For every wish the listed offers are legal, one a team, in ascending order
// of the partner's score (cash: the largest payment first), empties after.
TEST_F(TradingBlockTest, OffersAreLegalOrderedAndFollowedOnlyByEmptyRecords) {
    for (int nWish : {(int)POS_LB, (int)WISH_ANY_PLAYERS, (int)WISH_VETERANS, (int)WISH_DRAFT_PICKS, (int)WISH_CASH}) {
        Seed_Random(7);
        TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS];
        TradeRefusal refusal;
        int nCount = Build_Trading_Block_Offers(Block_Of({12, 30}, nWish), nWish, aOffers, &refusal);
        EXPECT_GT(nCount, 0) << "wish " << nWish;
        bool abSeen[NUMBER_OF_FRANCHISES] = {};
        for (int i = 0; i < nCount; i++) {
            EXPECT_TRUE(Block_Offer_Listed(aOffers[i]));
            EXPECT_NE(aOffers[i].anTeam[1], USER);
            EXPECT_FALSE(abSeen[aOffers[i].anTeam[1]]);
            abSeen[aOffers[i].anTeam[1]] = true;
            if (i == 0) continue;
            if (nWish == WISH_CASH)
                EXPECT_LE(aOffers[i - 1].nCash, aOffers[i].nCash);
            else
                EXPECT_LE(Partners_Score(aOffers[i - 1]), Partners_Score(aOffers[i])) << "wish " << nWish;
        }
        for (int i = nCount; i < TRADING_BLOCK_OFFERS; i++) EXPECT_EQ(aOffers[i].anTeam[1], NO_TEAM);
    }
}

TEST_F(TradingBlockTest, OrderingClearsAnEarlierDuplicateAndPutsAnIllegalOfferLast) {
    TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS];
    for (auto& offer : aOffers) Clear_Trade_Offer(&offer, USER, NO_TEAM);
    TRADE_OFFER legal = Block_Of({4}, WISH_ANY_PLAYERS);
    legal.anTeam[1] = PARTNER;
    legal.aanItems[1][0] = 6;
    TRADE_OFFER illegal = legal;
    illegal.anTeam[1] = 2;
    illegal.aanItems[1][0] = (int8_t)(Number_Of_Players(2) + Count_Walk_Picks(2));  // a pick it lacks
    aOffers[0] = illegal;
    aOffers[1] = legal;
    aOffers[2] = legal;
    EXPECT_EQ(Order_Trading_Block_Offers(aOffers, WISH_ANY_PLAYERS), 1);
    EXPECT_EQ(memcmp(&aOffers[0], &legal, sizeof legal), 0);
    for (int i = 1; i < TRADING_BLOCK_OFFERS; i++) EXPECT_NE(aOffers[i].anTeam[1], PARTNER);
}

// The first reading of a back's or receiver's blocking stores it in his season
// counters, as any look at the roster would: read once before the copy, the
// block must then leave every byte alone.
TEST_F(TradingBlockTest, BuildingOffersLeavesTheLeagueRecordUnchanged) {
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        TeamNeeds needs;
        Compute_Team_Needs(nTeam, &needs);
    }
    for (int nWish : {(int)POS_QB, (int)WISH_PROSPECTS, (int)WISH_DRAFT_PICKS, (int)WISH_CASH}) {
        Set_Game_State(GS_TRADING_BLOCK_WISH, nWish);  // the one entry the block keeps
        std::vector<unsigned char> before(sizeof g_League);
        memcpy(before.data(), &g_League, sizeof g_League);
        TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS];
        TradeRefusal refusal;
        Build_Trading_Block_Offers(Block_Of({1, 22, 40}, nWish), nWish, aOffers, &refusal);
        size_t nAt = 0;
        while (nAt < sizeof g_League && before[nAt] == ((unsigned char*)&g_League)[nAt]) nAt++;
        EXPECT_EQ(nAt, sizeof g_League) << "wish " << nWish;
    }
}

TEST_F(TradingBlockTest, DescriptionsJoinTheItemsAndCutALongListAfterFour) {
    TRADE_OFFER offer = Block_Of({4}, WISH_ANY_PLAYERS);
    offer.anTeam[1] = PARTNER;
    offer.nCash = -12;
    char szAbbreviation[TEXT_SIZE];
    Get_Team_Abbreviation(PARTNER, szAbbreviation);
    EXPECT_EQ(Describe_Block_Offer(offer), std::string(szAbbreviation) + " offers\t$12,000,000");
    char aszItem[5][TRADE_TEXT_WIDTH];
    for (int i = 0; i < 5; i++) {
        offer.aanItems[1][i] = (int8_t)i;
        Format_Trade_Item(offer, 1, i, aszItem[i]);
    }
    std::string szHead = std::string(szAbbreviation) + " offers\t";
    offer.aanItems[1][2] = offer.aanItems[1][3] = offer.aanItems[1][4] = NO_TRADE_ITEM;
    EXPECT_EQ(Describe_Block_Offer(offer), szHead + aszItem[0] + " and " + aszItem[1]);
    for (int i = 2; i < 5; i++) offer.aanItems[1][i] = (int8_t)i;
    EXPECT_EQ(Describe_Block_Offer(offer),
              szHead + aszItem[0] + ", " + aszItem[1] + ", " + aszItem[2] + ", " + aszItem[3] + " ...");
}

TEST_F(TradingBlockTest, WishesReshapeNeedsTruncatingTheRaise) {
    TeamNeeds needs;
    for (auto& anRow : needs.aanNeed)
        for (int& n : anRow) n = 1001;
    TeamNeeds position = needs, prospects = needs, picks = needs;
    Reshape_Needs_By_Wish(&position, POS_TE);
    Reshape_Needs_By_Wish(&prospects, WISH_PROSPECTS);
    Reshape_Needs_By_Wish(&picks, WISH_DRAFT_PICKS);
    EXPECT_EQ(position.aanNeed[NEED_STARTER][POS_TE], 1334);
    EXPECT_EQ(position.aanNeed[NEED_STARTER][POS_WR], 0);
    EXPECT_EQ(prospects.aanNeed[NEED_YOUNG_BACKUP][POS_WR], 1334);
    EXPECT_EQ(prospects.aanNeed[NEED_VETERAN_BACKUP][POS_WR], 0);
    EXPECT_EQ(memcmp(&picks, &needs, sizeof needs), 0);
}

TEST_F(TradingBlockTest, OpeningAnOfferClearsThePartnerAndTheCompletedMark) {
    Set_Game_State(GS_TRADE_PARTNER, 3);
    Set_Game_State(GS_TRADE_ACTIVITY, 9);
    TRADE_OFFER offer = Block_Of({4}, WISH_ANY_PLAYERS), page;
    offer.anTeam[1] = PARTNER;
    Open_Block_Offer(offer, &page);
    EXPECT_EQ(memcmp(&page, &offer, sizeof offer), 0);
    EXPECT_EQ(Get_Game_State(GS_TRADE_PARTNER), NO_TEAM);
    EXPECT_FALSE(Block_Trade_Completed());
}

// The page's search is the core's search: the same draws give the same
// list, and the list shown along the way never holds more than the live limit.
TEST_F(TradingBlockTest, AskingFollowsTheSearchLiveUpToTenOffersAndEndsWithItsList) {
    TradingBlockPage page = Listed_Page(WISH_ANY_PLAYERS);
    TradeRefusal refusal;
    Seed_Random(7);
    std::vector<int> shown;
    int nCount = Ask_For_Block_Offers(&page, [&](const TradingBlockPage& p) { shown.push_back(p.nOffers); });
    TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS];
    Seed_Random(7);
    ASSERT_EQ(nCount, Build_Trading_Block_Offers(page.block, WISH_ANY_PLAYERS, aOffers, &refusal));
    EXPECT_EQ(memcmp(aOffers, page.aOffers, sizeof aOffers), 0);
    ASSERT_FALSE(shown.empty());
    EXPECT_LE((int)shown.size(), Number_Of_Teams() - 1);
    for (size_t i = 0; i < shown.size(); i++) {
        EXPECT_LE(shown[i], LIVE_BLOCK_OFFERS);
        if (i > 0) {
            EXPECT_GE(shown[i], shown[i - 1]);
        }
    }
    std::vector<std::string> lines = Block_Offer_Lines(page);
    ASSERT_EQ((int)lines.size(), nCount);
    EXPECT_EQ(lines[0], Describe_Block_Offer(aOffers[0]));
    EXPECT_EQ(Get_Game_State(GS_TRADING_BLOCK_WISH), WISH_ANY_PLAYERS);
}

TEST_F(TradingBlockTest, ChangingTheListForgetsTheOffersAndTheCashFieldHasItsLimits) {
    TradingBlockPage page = Listed_Page(WISH_CASH);
    TradeRefusal refusal;
    EXPECT_FALSE(List_Block_Player(&page, 12, &refusal));  // once only
    Seed_Random(7);
    ASSERT_GT(Ask_For_Block_Offers(&page), 0);
    ASSERT_TRUE(List_Block_Player(&page, 40, &refusal));
    EXPECT_EQ(page.nOffers, 0);
    EXPECT_EQ(page.aOffers[0].anTeam[1], NO_TEAM);
    Unlist_Block_Player(&page, 12);
    EXPECT_FALSE(Block_Lists_Player(page, 12));
    EXPECT_TRUE(Block_Lists_Player(page, 40));
    EXPECT_EQ(Block_Player_Lines(page).size(), 2u);

    EXPECT_EQ(Trading_Block_Cash_Limit(page), 0);
    page.nWish = WISH_ANY_PLAYERS;
    Set_Team_Financial_Stat(USER, FIN_CASH, 7999999);
    EXPECT_EQ(Trading_Block_Cash_Limit(page), 7);
    Set_Team_Financial_Stat(USER, FIN_CASH, 2000000000);
    EXPECT_EQ(Trading_Block_Cash_Limit(page), TRADE_CASH_LIMIT);
    Set_Team_Financial_Stat(USER, FIN_CASH, -5000000);
    EXPECT_EQ(Trading_Block_Cash_Limit(page), 0);
}

TEST_F(TradingBlockTest, ReturningStartsAgainOnlyAfterACompletedTrade) {
    TradingBlockPage page = Listed_Page(WISH_CASH);
    Seed_Random(7);
    ASSERT_GT(Ask_For_Block_Offers(&page), 0);
    TRADE_OFFER opened;
    Open_Block_Offer(page.aOffers[0], &opened);
    TradingBlockPage before = page;
    EXPECT_FALSE(Return_To_Trading_Block(&page));
    EXPECT_EQ(memcmp(&page, &before, sizeof page), 0);
    Set_Game_State(GS_TRADE_ACTIVITY, TRADE_COMPLETED_MARK);
    EXPECT_TRUE(Return_To_Trading_Block(&page));
    EXPECT_EQ(page.nOffers, 0);
    EXPECT_EQ(Count_Trade_Items(page.block, 0), 0);
    EXPECT_EQ(page.nWish, WISH_CASH);
}

}  // namespace
