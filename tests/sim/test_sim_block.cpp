// brakvell-sim block as a user runs it: offers printed in the list's order,
// the file untouched byte for byte, wrong arguments refused with the usage.
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "trades/trade_fixture.h"
#include "trades/trading_block.h"

namespace {
class SimBlockTest : public TradeTest {
  protected:
    void SetUp() override {
        TradeTest::SetUp();
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) Set_Team_Financial_Stat(nTeam, FIN_CASH, 20000000);
        m_szFile = (m_WorkDir / "block.vtr").string();
        ASSERT_EQ(Save_Game(m_szFile.c_str()), SAVE_OK);
    }
    std::string File_Bytes() const {
        std::ifstream in(m_szFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    SimResult Block(const std::string& szArguments) { return Run_Sim("block " + m_szFile + " " + szArguments); }
    std::string m_szFile;
};
}  // namespace

// Cash wished: the largest payment first, so the figures never rise down the list.
TEST_F(SimBlockTest, CashOffersPrintLargestFirstAndTheFileIsUntouched) {
    std::string szBefore = File_Bytes();
    SimResult result = Block("--team 0 --list 20 --wish 18");
    ASSERT_EQ(result.nStatus, 0) << result.szOutput;
    std::istringstream lines(result.szOutput);
    std::string szLine;
    long nLast = -1;
    int nOffers = 0;
    while (std::getline(lines, szLine)) {
        size_t nAt = szLine.find(" offers\t$");
        if (nAt == std::string::npos) continue;
        std::string szDigits;
        for (char c : szLine.substr(nAt + 9))
            if (c != ',') szDigits += c;
        long nAmount = std::stol(szDigits);
        if (nLast >= 0) {
            EXPECT_LE(nAmount, nLast) << result.szOutput;
        }
        nLast = nAmount;
        nOffers++;
    }
    EXPECT_GT(nOffers, 1) << result.szOutput;
    EXPECT_TRUE(File_Bytes() == szBefore);
}

TEST_F(SimBlockTest, WrongArgumentsGetTheUsage) {
    for (const char* szArguments : {"--team 0 --list 20", "--team 0 --list 20 --wish 19", "--team 0 --list 20,20 --wish 3",
                                    "--team 0 --list 79 --wish 3", "--team 0 --list x --wish 3", "--list 1 --wish 3"}) {
        SimResult result = Block(szArguments);
        EXPECT_EQ(result.nStatus, 2) << szArguments;
        EXPECT_NE(result.szOutput.find("usage: brakvell-sim block"), std::string::npos) << szArguments;
    }
}
