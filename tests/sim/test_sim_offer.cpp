// brakvell-sim offer as a user runs it: the items and the legality line, the
// partner's score, answer and hint, the counter-offer, --apply trading and
// saving a league that check still finds sound, --submit saving only a
// completed trade, and bad input refused with the file left as it was.
#include <string>

#include "database/text_format.h"
#include "personnel/ratings.h"
#include "trades/trade_answers.h"
#include "trades/trade_fixture.h"
#include "trades/trade_rules.h"
#include "trades/trade_value.h"

namespace {
class SimOfferTest : public TradeTest {
  protected:
    void SetUp() override {
        TradeTest::SetUp();
        Set_League_Rule(LR_SALARY_CAP, HIGHEST_CAP);
        m_szFile = (m_WorkDir / "offer.vtr").string();
        ASSERT_EQ(Save_Game(m_szFile.c_str()), SAVE_OK);
    }
    SimResult Offer(const std::string& szArguments) { return Run_Sim("offer " + m_szFile + " " + szArguments); }
    uint32_t File_Checksum() {
        EXPECT_TRUE(Load_Game(m_szFile.c_str()));
        return Saved_Data_Checksum();
    }
    // The partner's score as the core gives it for the saved league.
    int Score_Of(const TRADE_OFFER& offer) {
        EXPECT_TRUE(Load_Game(m_szFile.c_str()));
        After_League_Loaded();
        TeamNeeds needs;
        Compute_Team_Needs(offer.anTeam[1], &needs);
        return Offer_Score(offer, needs);
    }
    static bool Has(const SimResult& result, const std::string& szText) {
        return result.szOutput.find(szText) != std::string::npos;
    }
    std::string m_szFile;
};
}  // namespace

TEST_F(SimOfferTest, ShowsTheItemsAndTheLegalityLine) {
    char szName[FULL_NAME_WIDTH + 1];
    Get_Player_Full_Name(0, 2, szName);
    SimResult result = Offer("--from 0 --give 2 --to 1 --get-picks 0 --cash -3");
    EXPECT_EQ(result.nStatus, 0) << result.szOutput;
    EXPECT_NE(result.szOutput.find(std::string("  2: ") + szName + " ("), std::string::npos) << result.szOutput;
    EXPECT_NE(result.szOutput.find(" Round ("), std::string::npos) << result.szOutput;
    EXPECT_NE(result.szOutput.find("and  $3 million"), std::string::npos) << result.szOutput;
    EXPECT_NE(result.szOutput.find("Legality: legal\n"), std::string::npos) << result.szOutput;
}

TEST_F(SimOfferTest, ApplyTradesSavesAndStaysSound) {
    int nID = Get_Player_Vital_Stat(0, 2, VS_PLAYER_ID);
    int nCash = Get_Team_Financial_Stat(1, FIN_CASH);
    SimResult result = Offer("--from 0 --give 2 --to 1 --cash 2 --apply");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    ASSERT_TRUE(Load_Game(m_szFile.c_str()));
    TNUM nTeam;
    ASSERT_TRUE(Find_Player_ID(nID, &nTeam));
    EXPECT_EQ(nTeam, 1);
    EXPECT_EQ(Get_Team_Financial_Stat(1, FIN_CASH), nCash + 2000000);
    SimResult check = Run_Sim("check " + m_szFile);
    EXPECT_EQ(check.nStatus, 0) << check.szOutput;
}

TEST_F(SimOfferTest, BadOffersAreRefusedAndChangeNothing) {
    uint32_t nBefore = File_Checksum();
    SimResult empty = Offer("--from 0 --give 79 --to 1 --apply");
    EXPECT_EQ(empty.nStatus, 1);
    EXPECT_NE(empty.szOutput.find("no player in slot 79"), std::string::npos) << empty.szOutput;
    SimResult pick = Offer("--from 0 --to 1 --get-picks 60 --apply");
    EXPECT_EQ(pick.nStatus, 1);
    EXPECT_NE(pick.szOutput.find("do not own that draft pick"), std::string::npos) << pick.szOutput;
    SimResult self = Offer("--from 3 --give 0 --to 3 --apply");
    EXPECT_EQ(self.nStatus, 1);
    EXPECT_NE(self.szOutput.find("cannot trade with itself"), std::string::npos) << self.szOutput;
    EXPECT_EQ(Offer("--from 0 --to 99").nStatus, 1);
    EXPECT_EQ(Offer("--from 0 --give 1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16 --to 1").nStatus, 2);
    EXPECT_EQ(Offer("--from 0 --to 1 --cash 1000").nStatus, 2);
    EXPECT_EQ(Offer("--to 1").nStatus, 2);
    EXPECT_EQ(File_Checksum(), nBefore);
}

TEST_F(SimOfferTest, ARefusedOfferShowsTheScoreItsAnswerAndTheHint) {
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, 0, 1);
    offer.aanItems[1][0] = 0;  // the partner's first man for nothing
    int nScore = Score_Of(offer);
    ASSERT_FALSE(Offer_Is_Accepted(nScore));
    SimResult result = Offer("--from 0 --to 1 --get 0");
    EXPECT_EQ(result.nStatus, 0) << result.szOutput;
    EXPECT_TRUE(Has(result, "Partner: score " + std::to_string(nScore) + ", refused\n")) << result.szOutput;
    EXPECT_TRUE(Has(result, std::string("Answer: ") + Response_Text(nScore) + "\n")) << result.szOutput;
    EXPECT_TRUE(Has(result, "Hint:\n  (1) A ")) << result.szOutput;
}

TEST_F(SimOfferTest, AnAcceptedGiftGetsTheHandshakeAndNoHint) {
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, 0, 1);
    offer.aanItems[0][0] = 0;
    offer.nCash = 5;
    int nScore = Score_Of(offer);
    ASSERT_TRUE(Offer_Is_Accepted(nScore));
    SimResult result = Offer("--from 0 --give 0 --to 1 --cash 5");
    EXPECT_TRUE(Has(result, "Partner: score " + std::to_string(nScore) + ", accepted\n")) << result.szOutput;
    EXPECT_TRUE(Has(result, std::string("Answer: ") + Answer_Text(TIER_ACCEPTED, Answer_Line(nScore)))) << result.szOutput;
    EXPECT_FALSE(Has(result, "Hint:")) << result.szOutput;
}

TEST_F(SimOfferTest, AnIllegalOfferIsNotJudged) {
    SimResult result = Offer("--from 3 --give 0 --to 3");
    EXPECT_EQ(result.nStatus, 1);
    EXPECT_TRUE(Has(result, "Partner: not judged\n")) << result.szOutput;
    EXPECT_FALSE(Has(result, "Answer:")) << result.szOutput;
}

TEST_F(SimOfferTest, TheCounterOfferIsOneThePartnerAccepts) {
    SimResult result = Offer("--from 0 --to 1 --get 0 --counter");
    EXPECT_EQ(result.nStatus, 0) << result.szOutput;
    size_t nCounter = result.szOutput.find("Counter-offer:\n");
    ASSERT_NE(nCounter, std::string::npos) << result.szOutput;
    size_t nScore = result.szOutput.find("Partner: score ", nCounter);
    ASSERT_NE(nScore, std::string::npos) << result.szOutput;
    EXPECT_GT(std::stoi(result.szOutput.substr(nScore + 15)), ACCEPTED_SCORE) << result.szOutput;
    EXPECT_FALSE(Has(result, "Counter-offer: none")) << result.szOutput;
}

TEST_F(SimOfferTest, ACounterOfferOutOfNothingSaysSo) {
    // At its trading minimum the team can give nobody, so no addition is legal.
    Own_Next_Draft_Picks(0, 0);
    Size_Roster(0, FULL_ROSTER_MINIMUM);
    ASSERT_EQ(Save_Game(m_szFile.c_str()), SAVE_OK);
    SimResult result = Offer("--from 0 --to 1 --cash -1 --counter");
    EXPECT_TRUE(Has(result, "Partner: score 0, refused\n")) << result.szOutput;
    EXPECT_TRUE(Has(result, "Counter-offer: none\n")) << result.szOutput;
    EXPECT_TRUE(Has(result, "Nope: I can't make a suitable trade out of that.")) << result.szOutput;
}

// Submit as the page does: walking away from an accepted offer saves nothing,
// signing it trades and saves.
TEST_F(SimOfferTest, SubmitSavesOnlyATradeThatWentThrough) {
    PNUM nBest = 0;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
        if (Is_Valid_Player(0, p) && Player_Trade_Value(0, p) > Player_Trade_Value(0, nBest)) nBest = p;
    int nID = Get_Player_Vital_Stat(0, nBest, VS_PLAYER_ID);
    std::string szGift = "--from 0 --give " + std::to_string(nBest) + " --to 1 --submit";
    uint32_t nBefore = File_Checksum();
    SimResult kept = Offer(szGift + " --sign no");
    EXPECT_EQ(kept.nStatus, 1) << kept.szOutput;
    EXPECT_TRUE(Has(kept, "accepted\n")) << kept.szOutput;
    EXPECT_TRUE(Has(kept, "Outcome: not signed\n")) << kept.szOutput;
    EXPECT_EQ(File_Checksum(), nBefore);
    SimResult traded = Offer(szGift);
    ASSERT_EQ(traded.nStatus, 0) << traded.szOutput;
    EXPECT_TRUE(Has(traded, "Outcome: traded\nTraded and saved\n")) << traded.szOutput;
    ASSERT_TRUE(Load_Game(m_szFile.c_str()));
    EXPECT_EQ(Team_Of(nID), 1);
    EXPECT_EQ(Offer("--from 0 --to 1 --submit --apply").nStatus, 2);
    EXPECT_EQ(Offer("--from 0 --to 1 --submit --sign maybe").nStatus, 2);
}
