// The counter-offer: it ends with an offer the partner accepts and never two
// players of one position, or gives up saying so and leaves the offer alone;
// a player the rules refuse is not drawn again.
#include <cstring>
#include <set>

#include "base/random.h"

#include "platform/headless.h"
#include "personnel/ratings.h"
#include "trade_league.h"
#include "trades/counter_offer.h"
#include "trades/trade_value.h"

namespace {

constexpr TNUM USER = 0;
constexpr TNUM PARTNER = 1;
constexpr int SEEDS = 12;

bool Any_Offer(const TRADE_OFFER&) { return true; }
bool No_Offer(const TRADE_OFFER&) { return false; }
bool No_Quarterback(const TRADE_OFFER& offer) {
    for (int i = 0; i < TRADE_ITEMS; i++)
        if (Trade_Item_Is_Player(offer, 0, i) && Get_Player_Vital_Stat(USER, offer.aanItems[0][i], VS_POSITION) == POS_QB)
            return false;
    return true;
}

class CounterOfferTest : public TradeLeagueTest {
  protected:
    void SetUp() override {
        TradeLeagueTest::SetUp();
        Set_Team_Stat(USER, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        Set_Game_State(GS_MANAGED_TEAM, USER);
        Set_Game_State(GS_TRADE_PARTNER, USER + 2);
    }
    // The partner's best player asked for, the user's least valued offered.
    static TRADE_OFFER Asking_For_The_Best() {
        TRADE_OFFER offer;
        Clear_Trade_Offer(&offer, USER, PARTNER);
        PNUM nBest = 0, nLeast = 0;
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
            if (Is_Valid_Player(PARTNER, p) && Player_Trade_Value(PARTNER, p) > Player_Trade_Value(PARTNER, nBest)) nBest = p;
            if (Is_Valid_Player(USER, p) && Player_Trade_Value(USER, p) < Player_Trade_Value(USER, nLeast)) nLeast = p;
        }
        offer.aanItems[1][0] = nBest;
        offer.aanItems[0][0] = nLeast;
        return offer;
    }
    static int Partners_Score(const TRADE_OFFER& offer) {
        TeamNeeds needs;
        Compute_Team_Needs(PARTNER, &needs);
        return Offer_Score(offer, needs);
    }
};

}  // namespace

TEST_F(CounterOfferTest, TheCounterOfferIsAcceptedAndNeverRepeatsAPosition) {
    int nSucceeded = 0;
    for (uint32_t nSeed = 1; nSeed <= SEEDS; nSeed++) {
        Seed_Random(nSeed);
        TRADE_OFFER offer = Asking_For_The_Best();
        if (!Make_Counter_Offer(&offer, Any_Offer)) continue;
        nSucceeded++;
        EXPECT_TRUE(Offer_Is_Accepted(Partners_Score(offer))) << nSeed;
        EXPECT_EQ(Get_Game_State(GS_TRADE_PARTNER), PARTNER);
        std::set<int> positions;
        int nPlayers = 0;
        for (int i = 0; i < TRADE_ITEMS; i++) {
            if (!Trade_Item_Is_Player(offer, 0, i)) continue;
            positions.insert(Get_Player_Vital_Stat(USER, offer.aanItems[0][i], VS_POSITION));
            nPlayers++;
        }
        EXPECT_GT(nPlayers, 1) << nSeed;
        EXPECT_EQ((int)positions.size(), nPlayers) << nSeed;
    }
    EXPECT_GT(nSucceeded, 0);
}

TEST_F(CounterOfferTest, WhenNothingCanBeAddedThePartnerSaysSoAndTheOfferStays) {
    Seed_Random(3);
    TRADE_OFFER offer = Asking_For_The_Best(), before = offer;
    EXPECT_FALSE(Make_Counter_Offer(&offer, No_Offer));
    EXPECT_EQ(memcmp(&offer, &before, sizeof offer), 0);
    ASSERT_FALSE(Headless_Notices().empty());
    EXPECT_EQ(Headless_Notices().back().title, "Nope");
    EXPECT_EQ(Headless_Notices().back().text, "I can't make a suitable trade out of that.");
    EXPECT_EQ(Get_Game_State(GS_TRADE_PARTNER), USER + 2);
}

TEST_F(CounterOfferTest, APlayerTheRulesRefuseIsNotAskedForAgain) {
    for (uint32_t nSeed = 1; nSeed <= SEEDS; nSeed++) {
        Seed_Random(nSeed);
        TRADE_OFFER offer = Asking_For_The_Best();
        Make_Counter_Offer(&offer, No_Quarterback);
        EXPECT_TRUE(No_Quarterback(offer)) << nSeed;
    }
}
