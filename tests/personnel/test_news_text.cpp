// The token language filled in for one player: a replacement is never read
// again (a name holding a token stays as it is), the text never outgrows its
// buffer nor ends in half a letter, and the contract and games tokens each say
// what their names say.
#include <cstring>
#include <string>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/news_text.h"
#include "personnel_support.h"
#include "test_support.h"

namespace {
class NewsTextTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Page_League(4);
        Make_Player(0, 0, 1234, POS_QB, 27);
        Set_Player_First_Name(0, 0, "Ann");
        Set_Player_Last_Name(0, 0, "Other");
    }
    static std::string Substituted(const char* szText) {
        char sz[NEWS_TEXT_SIZE];
        snprintf(sz, sizeof sz, "%s", szText);
        Substitute_News_Strings(0, 0, sz);
        return sz;
    }
};
}  // namespace

TEST_F(NewsTextTest, TokensMatchInAnyCaseAndUnknownOnesAreBracketed) {
    EXPECT_EQ(Substituted("{PLAYER LAST NAME} is the best {AGE}-year-old {POSITION} in the league."),
              "Other is the best 27-year-old quarterback in the league.");
    EXPECT_EQ(Substituted("{player name} of the {Team Name}"), "Ann Other of the Nick0");
    EXPECT_EQ(Substituted("{COACH} said {} and {PLAYER"), "[COACH] said [] and {PLAYER");
}

// Contract length is what is left of it, as the contract's worth counts it;
// the year it ends and the games played are figures of their own.
TEST_F(NewsTextTest, ContractAndGamesTokensSayWhatTheirNamesSay) {
    Set_Player_Vital_Stat(0, 0, VS_SALARY, 1500);
    Set_Player_Vital_Stat(0, 0, VS_CONTRACT_LEFT, 3);
    Set_Player_Vital_Stat(0, 0, VS_CONTRACT_YEARS, 5);
    Set_Player_Season_Stat(0, 0, PERIOD_THIS_SEASON, SS_GAMES, 7);
    std::string szEnds = std::to_string(Current_Calendar_Year() + 3);
    EXPECT_EQ(Substituted("{CONTRACT LENGTH}|{CONTRACT}|{CONTRACT MILLIONS}|{YEAR CONTRACT ENDS}|{GAMES PLAYED}"),
              "three|$4,500,000|4.5|" + szEnds + "|7");
}

TEST_F(NewsTextTest, ANameHoldingATokenIsNeverReadAgain) {
    Set_Player_First_Name(0, 0, "{AGE}");
    Set_Player_Last_Name(0, 0, "{PLAYER NAME}");
    EXPECT_EQ(Substituted("{PLAYER LAST NAME} and {PLAYER FIRST NAME}"), "{PLAYER NAME} and {AGE}");
    EXPECT_EQ(Substituted("{PLAYER NAME}"), "{AGE} {PLAYER NAME}");
}

// A self-naming name in a text full of tokens once grew without end; now
// the text stops at its buffer and the bytes behind it are left alone.
TEST_F(NewsTextTest, TheTextStopsAtItsBuffer) {
    Set_Player_Last_Name(0, 0, "{PLAYER LAST NAME}!");
    const std::string TOKEN = "{PLAYER NAME}", NAME = "Ann {PLAYER LAST NAME}!";
    constexpr size_t GUARD = 64;
    for (size_t nSize : {(size_t)NEWS_TEXT_SIZE, (size_t)40, (size_t)1}) {
        std::string szBuffer(NEWS_TEXT_SIZE + GUARD, 'Z');
        std::string szText;
        while (szText.size() + TOKEN.size() < nSize) szText += TOKEN;
        memcpy(szBuffer.data(), szText.c_str(), szText.size() + 1);
        Substitute_News_Strings(0, 0, szBuffer.data(), nSize);
        EXPECT_EQ(strlen(szBuffer.c_str()), nSize - 1) << nSize;
        EXPECT_EQ(szBuffer.substr(nSize), std::string(NEWS_TEXT_SIZE + GUARD - nSize, 'Z')) << nSize;
        if (nSize > NAME.size()) {
            EXPECT_EQ(szBuffer.substr(0, NAME.size()), NAME) << nSize;
        }
    }
}

TEST_F(NewsTextTest, ACutNeverSplitsALetter) {
    Set_Player_First_Name(0, 0, "\xC3\xA9\xC3\xA9\xC3\xA9");      // "ééé"
    Set_Player_Last_Name(0, 0, "A\xE2\x82\xAC\xC3\xA9\xC3\xA9");  // "A€éé"
    const std::string FULL = "\xC3\xA9\xC3\xA9\xC3\xA9 A\xE2\x82\xAC\xC3\xA9\xC3\xA9";
    for (size_t nSize = 14; nSize <= FULL.size() + 1; nSize++) {
        char szBuffer[64] = "{PLAYER NAME}";
        Substitute_News_Strings(0, 0, szBuffer, nSize);
        size_t nLength = strlen(szBuffer);
        EXPECT_EQ(std::string(szBuffer), FULL.substr(0, nLength)) << nSize;
        // Cut on a letter's first byte, and no more than one letter short.
        EXPECT_TRUE(nLength == FULL.size() || ((unsigned char)FULL[nLength] & 0xC0) != 0x80) << nSize;
        EXPECT_GE(nLength + 2, nSize - 1) << nSize;
        EXPECT_LT(nLength, nSize) << nSize;
    }
}

TEST_F(NewsTextTest, NoTeamOrNoPlayerLeavesTheTextAndLogs) {
    char sz[NEWS_TEXT_SIZE] = "{PLAYER NAME}";
    Substitute_News_Strings(NO_TEAM, 0, sz);
    EXPECT_STREQ(sz, "{PLAYER NAME}");
    EXPECT_TRUE(Logged("NO_TEAM passed in pSlot to Substitute_News_Strings()"));
    Substitute_News_Strings(0, 5, sz);
    EXPECT_STREQ(sz, "{PLAYER NAME}");
    EXPECT_TRUE(Logged("Invalid Player in Substitute_News_Strings()"));
}

// A look at a player's card must not move the game's draws.
TEST_F(NewsTextTest, TheInjuryRiskDrawsNothingAndStaysInItsTable) {
    Set_Team_Financial_Stat(0, FIN_MEDICAL_QUALITY, 250);  // a noisy staff
    Seed_Random(77);
    uint32_t nExpected = Random_Next();
    Seed_Random(77);
    char szFirst[TEXT_SIZE], szAgain[TEXT_SIZE];
    for (int nDamage : {0, 1, 200, 399, 10000}) {
        Set_Player_Vital_Stat(0, 0, VS_INJURY_DAMAGE, nDamage);
        Get_Injury_Risk_Phrase(0, 0, szFirst);
        Get_Injury_Risk_Phrase(0, 0, szAgain);
        EXPECT_NE(szFirst[0], '\0') << nDamage;
        EXPECT_STREQ(szFirst, szAgain) << nDamage;
    }
    EXPECT_EQ(Random_Next(), nExpected);
    Set_Team_Financial_Stat(0, FIN_MEDICAL_QUALITY, 1000);
    Set_Player_Vital_Stat(0, 0, VS_INJURY_DAMAGE, 10000);
    EXPECT_EQ(Substituted("{PERMANENT DAMAGE}"), "career-ending");
}
