// Proposing from the trade page: an accepted offer signed moves the player
// and the reputation (held to its range); an illegal one, a refused one, a
// withheld permission or a walk-away leave the league as it was; an offer
// that changed before signing is caught; commissioner mode forces a trade,
// and a trade during the draft lets the computer pick on.
#include <cstring>
#include <functional>
#include <memory>

#include "commands/trade_page.h"
#include "database/league_database.h"
#include "season/college_draft.h"
#include "season/default_season_fixture.h"
#include "personnel/ratings.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "trades/trade_fixture.h"
#include "trades/trade_rules.h"
#include "trades/trade_value.h"

namespace {
constexpr TNUM USER = 0;
constexpr TNUM PARTNER = 1;
constexpr int DIFFICULTY = 2;

std::function<bool(const TradeAnswerView&)> g_Answer;
bool Answer_Hook(const TradeAnswerView& view) { return g_Answer(view); }

class TradePageTest : public TradeTest {
  protected:
    void SetUp() override {
        TradeTest::SetUp();
        Set_Team_Stat(USER, TEAM_STAT_CONTROL, HUMAN_MANAGED);
        Set_Game_State(GS_USER_TEAM, USER);
        Set_Game_State(GS_MANAGED_TEAM, USER);
        Set_Game_State(GS_DIFFICULTY, DIFFICULTY);
        Set_League_Rule(LR_TRADE_REPUTATION, 0);
        Set_Trade_Answer_Hook(nullptr);
    }
    void TearDown() override {
        Set_Trade_Answer_Hook(nullptr);
        g_Answer = nullptr;
        TradeTest::TearDown();
    }
    void Answer_With(std::function<bool(const TradeAnswerView&)> answer) {
        g_Answer = std::move(answer);
        Set_Trade_Answer_Hook(Answer_Hook);
    }
    static PNUM Best_Player(TNUM nTeam) {
        PNUM nBest = 0;
        for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
            if (Is_Valid_Player(nTeam, p) && Player_Trade_Value(nTeam, p) > Player_Trade_Value(nTeam, nBest))
                nBest = p;
        return nBest;
    }
    // The user's most valued player for nothing: any partner takes that.
    static TRADE_OFFER Gift() {
        TRADE_OFFER offer;
        Clear_Trade_Offer(&offer, USER, PARTNER);
        offer.aanItems[0][0] = (int8_t)Best_Player(USER);
        return offer;
    }
    // The partner's most valued player for nothing: no partner takes that.
    static TRADE_OFFER Asking_For_The_Best() {
        TRADE_OFFER offer;
        Clear_Trade_Offer(&offer, USER, PARTNER);
        offer.aanItems[1][0] = (int8_t)Best_Player(PARTNER);
        return offer;
    }
    static int Given_ID(const TRADE_OFFER& offer) {
        return Get_Player_Vital_Stat(USER, offer.aanItems[0][0], VS_PLAYER_ID);
    }
    static std::unique_ptr<LeagueDatabase> Snapshot() { return std::make_unique<LeagueDatabase>(g_League); }
    // Judging stores the ratings it computes (a cache): judged once first,
    // the record then shows only what the trade itself changed.
    static std::unique_ptr<LeagueDatabase> Judged_Snapshot(const TRADE_OFFER& offer) {
        TeamNeeds needs;
        Compute_Team_Needs(offer.anTeam[1], &needs);
        Offer_Score(offer, needs);
        return Snapshot();
    }
    static bool Unchanged(const LeagueDatabase& before) {
        return memcmp(&before, &g_League, sizeof g_League) == 0;
    }
    static bool Noticed(const char* szTitle, const std::string& szText) {
        for (const RecordedNotice& notice : Headless_Notices())
            if (notice.title == szTitle && notice.text == szText) return true;
        return false;
    }
};
}  // namespace

TEST_F(TradePageTest, AnAcceptedOfferSignedMovesThePlayerAndRaisesTheReputationToItsLimit) {
    Set_League_Rule(LR_TRADE_REPUTATION, 2000 - Trade_Reputation_Step() / 2);
    TRADE_OFFER offer = Gift();
    int nID = Given_ID(offer);
    TradeAnswerView seen{};
    Answer_With([&seen](const TradeAnswerView& view) {
        seen = view;
        return true;
    });
    EXPECT_EQ(Submit_Trade_Offer(&offer), TRADE_COMPLETED);
    EXPECT_TRUE(seen.bAccepted);
    EXPECT_EQ(seen.nPartner, PARTNER);
    EXPECT_FALSE(seen.szLine.empty());
    EXPECT_FALSE(seen.szFace.empty());
    EXPECT_EQ(Team_Of(nID), PARTNER);
    EXPECT_EQ(Get_League_Rule(LR_TRADE_REPUTATION), 2000);
    EXPECT_EQ(Count_Trade_Items(offer, 0), 0);  // the page starts again
    EXPECT_EQ(offer.anTeam[1], PARTNER);
}

TEST_F(TradePageTest, AnIllegalOfferIsRefusedWithItsReasonAndNothingChanges) {
    Size_Roster(PARTNER, TRADE_ROSTER_LIMIT);
    TRADE_OFFER offer = Gift();
    char szReason[TRADE_TEXT_WIDTH];
    ASSERT_FALSE(Trade_Is_Legal(offer, szReason));
    auto before = Snapshot();
    bool bAsked = false;
    Answer_With([&bAsked](const TradeAnswerView&) { return bAsked = true; });
    EXPECT_EQ(Submit_Trade_Offer(&offer), TRADE_ILLEGAL);
    EXPECT_FALSE(bAsked);
    EXPECT_TRUE(Noticed("Illegal Trade", szReason));
    EXPECT_TRUE(Unchanged(*before));
    // Forcing it is no different.
    Set_Game_State(GS_COMMISSIONER, 1);
    before = Snapshot();
    EXPECT_EQ(Submit_Trade_Offer(&offer), TRADE_ILLEGAL);
    EXPECT_TRUE(Unchanged(*before));
}

TEST_F(TradePageTest, AnOfferWorthLessWhenItComesToSigningIsCaught) {
    TRADE_OFFER offer = Gift();
    int nID = Given_ID(offer);
    PNUM nGiven = offer.aanItems[0][0];
    // While the answer page is open the player ages and his contract swells.
    Answer_With([nGiven](const TradeAnswerView& view) {
        EXPECT_TRUE(view.bAccepted);
        Set_Player_Vital_Stat(USER, nGiven, VS_AGE, 44);
        Set_Player_Vital_Stat(USER, nGiven, VS_SALARY, 40000);
        Set_Player_Vital_Stat(USER, nGiven, VS_CONTRACT_LEFT, 5);
        return true;
    });
    EXPECT_EQ(Submit_Trade_Offer(&offer), TRADE_CHEATER);
    EXPECT_TRUE(Noticed("Cheater", "That's not the trade I agreed to!"));
    EXPECT_EQ(Team_Of(nID), USER);
    EXPECT_EQ(Get_League_Rule(LR_TRADE_REPUTATION), -Trade_Reputation_Step());
    EXPECT_EQ(Count_Trade_Items(offer, 0), 1);  // the offer stays for another try
}

TEST_F(TradePageTest, AnOfferThatTurnedIllegalBeforeSigningIsRefusedWithItsReason) {
    TRADE_OFFER offer = Gift();
    int nID = Given_ID(offer);
    Answer_With([](const TradeAnswerView&) {
        Size_Roster(PARTNER, TRADE_ROSTER_LIMIT);
        return true;
    });
    EXPECT_EQ(Submit_Trade_Offer(&offer), TRADE_ILLEGAL);
    char szReason[TRADE_TEXT_WIDTH];
    EXPECT_FALSE(Trade_Is_Legal(offer, szReason));
    EXPECT_TRUE(Noticed("Illegal Trade", szReason));
    EXPECT_EQ(Team_Of(nID), USER);
}

// Without a window the answer is a question; No walks away.
TEST_F(TradePageTest, WalkingAwayFromAnAcceptedOfferOnlyLowersTheReputation) {
    Set_League_Rule(LR_TRADE_REPUTATION, -2000 + Trade_Reputation_Step() / 2);
    TRADE_OFFER offer = Gift();
    auto before = Judged_Snapshot(offer);
    Headless_Push_Answer(ANSWER_NO);
    EXPECT_EQ(Submit_Trade_Offer(&offer), TRADE_NOT_SIGNED);
    ASSERT_EQ(Headless_Questions().size(), 1u);
    EXPECT_EQ(Headless_Questions()[0].title, "Trade Offer Response");
    EXPECT_EQ(Get_League_Rule(LR_TRADE_REPUTATION), -2000);
    Set_League_Rule(LR_TRADE_REPUTATION, -2000 + Trade_Reputation_Step() / 2);
    EXPECT_TRUE(Unchanged(*before));
}

TEST_F(TradePageTest, ARefusalGivesTheHintAndLeavesTheReputationAlone) {
    TRADE_OFFER offer = Asking_For_The_Best();
    auto before = Judged_Snapshot(offer);
    EXPECT_EQ(Submit_Trade_Offer(&offer), TRADE_REFUSED);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Trade Offer Response");
    EXPECT_NE(Headless_Notices()[0].text.find("(1) "), std::string::npos);
    EXPECT_TRUE(Unchanged(*before));
}

TEST_F(TradePageTest, APersonsPartnerIsAskedForPermission) {
    Set_Team_Stat(PARTNER, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Team_String("Ada Quill", PARTNER, TS_MANAGER);
    TRADE_OFFER offer = Gift();
    int nID = Given_ID(offer);
    auto before = Snapshot();
    Headless_Push_Answer(ANSWER_NO);
    EXPECT_EQ(Submit_Trade_Offer(&offer), TRADE_NOT_PERMITTED);
    ASSERT_EQ(Headless_Questions().size(), 1u);
    EXPECT_EQ(Headless_Questions()[0].title, "Permission Needed");
    EXPECT_EQ(Headless_Questions()[0].text, "Does Ada Quill give permission for this trade?");
    EXPECT_TRUE(Unchanged(*before));
    Headless_Push_Answer(ANSWER_YES);
    EXPECT_EQ(Submit_Trade_Offer(&offer), TRADE_COMPLETED);
    EXPECT_EQ(Team_Of(nID), PARTNER);
    EXPECT_EQ(Get_League_Rule(LR_TRADE_REPUTATION), 0);  // persons keep no score of each other
}

TEST_F(TradePageTest, CommissionerModeForcesATradeNobodyWouldAccept) {
    Set_Game_State(GS_COMMISSIONER, 1);
    EXPECT_STREQ(Submit_Button_Text(), "&Force Trade");
    TRADE_OFFER offer = Asking_For_The_Best();
    int nID = Get_Player_Vital_Stat(PARTNER, offer.aanItems[1][0], VS_PLAYER_ID);
    Answer_With([](const TradeAnswerView&) -> bool {
        ADD_FAILURE() << "a forced trade asks nobody";
        return false;
    });
    EXPECT_EQ(Submit_Trade_Offer(&offer), TRADE_COMPLETED);
    EXPECT_EQ(Team_Of(nID), USER);
    EXPECT_TRUE(Headless_Questions().empty());
}

// A trade made while the person is on the clock of the college draft: the
// pick he gave away is made by its new owner, and the draft runs on to his
// next pick.
class DraftTradeTest : public DefaultSeasonTest {};

TEST_F(DraftTradeTest, TradingThePickOnTheClockLetsTheDraftRunOn) {
    Start(5);
    Set_Game_State(GS_SEASON_INDEX, 1);  // the draft follows the season just ended
    Set_Game_State(GS_DRAFT_ROUND, 0);
    Set_Game_State(GS_DRAFT_PICK, 0);
    Set_Draft_Order();
    TNUM nPerson = Team_On_The_Clock();
    ASSERT_NE(nPerson, NO_TEAM);
    Set_Team_Stat(nPerson, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Game_State(GS_USER_TEAM, nPerson);
    Set_Game_State(GS_MANAGED_TEAM, nPerson);
    Set_League_Rule(LR_SALARY_CAP, 999000000);
    Start_College_Draft();
    ASSERT_EQ(Team_On_The_Clock(), nPerson);
    TNUM nPartner = nPerson == 0 ? 1 : 0;
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, nPerson, nPartner);
    DraftPick pick;
    ASSERT_TRUE(Find_Walk_Pick(nPerson, 0, &pick));
    ASSERT_EQ(pick.nRound, 0);
    offer.aanItems[0][0] = (int8_t)(Number_Of_Players(nPerson) + 0);  // the pick on the clock
    Set_Game_State(GS_COMMISSIONER, 1);
    ASSERT_EQ(Submit_Trade_Offer(&offer), TRADE_COMPLETED);
    EXPECT_EQ(Team_On_The_Clock(), nPerson);
    EXPECT_EQ(Get_Game_State(GS_DRAFT_ROUND), 1);
}

// A computer team's proposal without the window: the script's No (the
// default) leaves everything as it was; Yes proposes it back, and the deal
// signed moves the player.
TEST_F(TradePageTest, AProposalIsDeclinedByDefaultAndTalkedOverOnYes) {
    TRADE_OFFER proposal;
    Clear_Trade_Offer(&proposal, PARTNER, USER);
    proposal.aanItems[1][0] = (int8_t)Best_Player(USER);
    int nID = Get_Player_Vital_Stat(USER, proposal.aanItems[1][0], VS_PLAYER_ID);
    auto before = Snapshot();
    Answer_Trade_Proposal(proposal);
    ASSERT_EQ(Headless_Questions().size(), 1u);
    EXPECT_EQ(Headless_Questions()[0].title, "Trade Offer");
    EXPECT_NE(Headless_Questions()[0].text.find("\n...would like to trade you:\n"), std::string::npos);
    EXPECT_TRUE(Unchanged(*before));

    Headless_Push_Answer(ANSWER_YES);
    Answer_Trade_Proposal(proposal);
    EXPECT_EQ(Team_Of(nID), PARTNER);
}
