// brakvell-sim offer as a user runs it: the items and the legality line,
// --apply trading and saving a league that check still finds sound, and bad
// input refused with the file left as it was.
#include <string>

#include "database/text_format.h"
#include "trades/trade_fixture.h"

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
