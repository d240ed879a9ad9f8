#include "personnel/negotiation.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "database/player.h"
#include "database/season_state.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/contracts.h"
#include "personnel/ratings.h"
#include "platform/platform.h"
#include "test_support.h"

namespace {
class NegotiationTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Game_League(5, 2);
        g_League.abPlayoffTeams[Champion_Slot()] = NO_TEAM;
        Set_League_Rule(LR_SALARY_CAP, 200000000);
        Set_Team_Financial_Stat(0, FIN_CASH, 50000000);
        Set_Team_Financial_Stat(1, FIN_CASH, 50000000);
        Set_Contract_Policy(CONTRACT_POLICY_ASK);
        Set_Contract_Negotiation_Hook(nullptr);
        // The best player of team 0 asks well above the minimum and a bonus.
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(0, nPlayer) && Player_Current_Value(0, nPlayer) > Player_Current_Value(0, m_nStar))
                m_nStar = nPlayer;
        Set_Player_Vital_Stat(0, m_nStar, VS_AGE, 25);
        Set_Contract(0, m_nStar, 2, 0);
    }
    void TearDown() override {
        Set_Contract_Policy(CONTRACT_POLICY_ASK);
        Set_Contract_Negotiation_Hook(nullptr);
        LeagueTest::TearDown();
    }
    static void Set_Contract(TNUM nTeam, PNUM nPlayer, int nYears, int nBonus) {
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT, nYears);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_YEARS, nYears);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, nBonus);
    }
    static void End_Season() {
        Set_Game_State(GS_CURRENT_WEEK, 21);
        g_League.abPlayoffTeams[Champion_Slot()] = 1;
    }
    static int Vital(TNUM nTeam, PNUM nPlayer, int nIndex) { return Get_Player_Vital_Stat(nTeam, nPlayer, nIndex); }
    static int Cash(TNUM nTeam) { return Get_Team_Financial_Stat(nTeam, FIN_CASH); }
    // A cap that leaves nRoom thousands once the form's player is signed.
    static void Cap_Leaving(const ContractForm& form, int nRoom) {
        int nImpact = form.nTeam == form.nSigningTeam ? 0 : Cap_Impact(form.nTeam, form.nPlayer);
        Set_League_Rule(LR_SALARY_CAP, 1000 * (Get_Team_Financial_Stat(form.nSigningTeam, FIN_PAYROLL) + nImpact + nRoom));
    }
    static std::string Text(void (*pText)(const ContractForm&, char*), const ContractForm& form) {
        char szText[TEXT_SIZE];
        pText(form, szText);
        return szText;
    }
    PNUM m_nStar = 0;
};
}  // namespace

TEST_F(NegotiationTest, OpeningAddsAYearWithinTheOfferBounds) {
    Set_Contract(0, m_nStar, 0, 0);
    ContractForm form = Open_Contract_Form(0, m_nStar, 0);
    EXPECT_EQ(Contract_Form_Years(form), 1);
    EXPECT_EQ(Vital(0, m_nStar, VS_CONTRACT_YEARS), 1);
    EXPECT_GE(Vital(0, m_nStar, VS_BONUS), Minimum_Signing_Bonus(0, m_nStar));

    Set_Contract(0, m_nStar, LONGEST_OFFER, 0);
    EXPECT_EQ(Contract_Form_Years(Open_Contract_Form(0, m_nStar, 0)), LONGEST_OFFER);

    End_Season();
    Set_Contract(0, m_nStar, 0, 0);
    form = Open_Contract_Form(0, m_nStar, 0);
    EXPECT_EQ(Contract_Form_Years(form), 2);
    EXPECT_EQ(Vital(0, m_nStar, VS_CONTRACT_YEARS), 2);
}

TEST_F(NegotiationTest, YearButtonsStopAtTheBoundsBeforeAndAfterTheSeason) {
    Set_Contract(0, m_nStar, 0, 0);
    ContractForm form = Open_Contract_Form(0, m_nStar, 0);
    EXPECT_FALSE(Contract_Form_Buttons(form).bFewerYears);
    EXPECT_TRUE(Contract_Form_Buttons(form).bMoreYears);
    Adjust_Contract_Years(form, -1);
    EXPECT_EQ(Contract_Form_Years(form), 1);
    Adjust_Contract_Years(form, 1);
    EXPECT_TRUE(Contract_Form_Buttons(form).bFewerYears);
    for (int n = 0; n < 10; n++) Adjust_Contract_Years(form, 1);
    EXPECT_EQ(Contract_Form_Years(form), LONGEST_OFFER);
    EXPECT_EQ(Vital(0, m_nStar, VS_CONTRACT_YEARS), LONGEST_OFFER);
    EXPECT_FALSE(Contract_Form_Buttons(form).bMoreYears);

    End_Season();
    Set_Contract(0, m_nStar, 1, 0);
    form = Open_Contract_Form(0, m_nStar, 0);
    EXPECT_EQ(Contract_Form_Years(form), 2);
    EXPECT_FALSE(Contract_Form_Buttons(form).bFewerYears);
    Adjust_Contract_Years(form, -1);
    EXPECT_EQ(Contract_Form_Years(form), 2);
}

TEST_F(NegotiationTest, BonusAndSignButtonsFollowTheMinimumTheSalaryAndTheCash) {
    ContractForm form = Open_Contract_Form(0, m_nStar, 0);
    int nMinimum = Minimum_Signing_Bonus(0, m_nStar);
    ASSERT_GT(nMinimum, 0);
    EXPECT_EQ(Vital(0, m_nStar, VS_BONUS), nMinimum);
    EXPECT_FALSE(Contract_Form_Buttons(form).bLessBonus);
    int nSalary = Vital(0, m_nStar, VS_SALARY);
    Adjust_Contract_Bonus(form, CONTRACT_BONUS_STEP);
    EXPECT_EQ(Vital(0, m_nStar, VS_BONUS), nMinimum + CONTRACT_BONUS_STEP);
    EXPECT_LT(Vital(0, m_nStar, VS_SALARY), nSalary);  // recomputed: the bonus buys it down
    EXPECT_TRUE(Contract_Form_Buttons(form).bLessBonus);

    int nBonus = Vital(0, m_nStar, VS_BONUS);
    Set_Team_Financial_Stat(0, FIN_CASH, 1000 * (nBonus + CONTRACT_BONUS_STEP));
    EXPECT_FALSE(Contract_Form_Buttons(form).bMoreBonus);
    Adjust_Contract_Bonus(form, CONTRACT_BONUS_STEP);
    EXPECT_EQ(Vital(0, m_nStar, VS_BONUS), nBonus);
    Set_Team_Financial_Stat(0, FIN_CASH, 1000 * (nBonus + CONTRACT_BONUS_STEP + 1));
    EXPECT_TRUE(Contract_Form_Buttons(form).bMoreBonus);

    Set_Team_Financial_Stat(0, FIN_CASH, 1000 * nBonus);
    EXPECT_TRUE(Contract_Form_Buttons(form).bSign);
    Set_Team_Financial_Stat(0, FIN_CASH, 1000 * nBonus - 1);
    EXPECT_FALSE(Contract_Form_Buttons(form).bSign);
    EXPECT_FALSE(Sign_Contract_Form(form));
    EXPECT_EQ(Cash(0), 1000 * nBonus - 1);

    // A bonus large enough to bring the salary to the minimum stops the more-bonus button.
    Set_Team_Financial_Stat(0, FIN_CASH, 2000000000);
    for (int n = 0; n < 1000 && Vital(0, m_nStar, VS_SALARY) > MINIMUM_SALARY; n++)
        Adjust_Contract_Bonus(form, CONTRACT_BONUS_STEP);
    EXPECT_EQ(Vital(0, m_nStar, VS_SALARY), MINIMUM_SALARY);
    EXPECT_FALSE(Contract_Form_Buttons(form).bMoreBonus);
}

TEST_F(NegotiationTest, CapRoomAndCashTexts) {
    ContractForm form = Open_Contract_Form(0, m_nStar, 1);
    Cap_Leaving(form, 0);
    EXPECT_EQ(Text(Contract_Cap_Room_Text, form), "Exceeding Salary Cap by:\n$0,000");
    Cap_Leaving(form, 1);
    EXPECT_EQ(Text(Contract_Cap_Room_Text, form), "Room Under Salary Cap:\n$1,000");
    Cap_Leaving(form, -2500);
    EXPECT_EQ(Text(Contract_Cap_Room_Text, form), "Exceeding Salary Cap by:\n$2,500,000");

    // On his own team his cap impact is in the payroll already.
    ContractForm own = Open_Contract_Form(0, m_nStar, 0);
    Set_League_Rule(LR_SALARY_CAP, 1000 * (Get_Team_Financial_Stat(0, FIN_PAYROLL) + 1));
    EXPECT_EQ(Cap_Room(0, 0, m_nStar), 1);
    EXPECT_EQ(Text(Contract_Cap_Room_Text, own), "Room Under Salary Cap:\n$1,000");

    Set_Team_Financial_Stat(1, FIN_CASH, 1);
    EXPECT_EQ(Text(Contract_Cash_Text, form), "Team Cash: $1");
    Set_Team_Financial_Stat(1, FIN_CASH, 0);
    EXPECT_EQ(Text(Contract_Cash_Text, form), "Team Debt: $0");
    Set_Team_Financial_Stat(1, FIN_CASH, -1234567);
    EXPECT_EQ(Text(Contract_Cash_Text, form), "Team Debt: $1,234,567");
}

TEST_F(NegotiationTest, OfferTextCountsTheYearsInWords) {
    Set_Contract(0, m_nStar, 2, 0);
    ContractForm form = Open_Contract_Form(0, m_nStar, 0);
    char szPosition[TEXT_SIZE], szSalary[TEXT_SIZE], szBonus[TEXT_SIZE], szImpact[TEXT_SIZE], szExpected[TEXT_SIZE];
    Get_Position_Name(Vital(0, m_nStar, VS_POSITION), szPosition);
    Format_Thousands(1000 * Vital(0, m_nStar, VS_SALARY), szSalary);
    Format_Thousands(1000 * Vital(0, m_nStar, VS_BONUS), szBonus);
    Format_Thousands(1000 * Cap_Impact(0, m_nStar), szImpact);
    Format_Text(szExpected,
             "%s (Age 25)\nThree Year Contract\n(Through %d)\nSalary: $%s\nSigning Bonus: $%s\nPayroll Impact: $%s",
             szPosition, Current_Calendar_Year() + 2, szSalary, szBonus, szImpact);
    EXPECT_EQ(Text(Contract_Offer_Text, form), szExpected);

    // Once the season is over the current one no longer counts as a year to come.
    End_Season();
    Set_Contract(0, m_nStar, 2, 0);
    form = Open_Contract_Form(0, m_nStar, 0);
    std::string szOffer = Text(Contract_Offer_Text, form);
    EXPECT_NE(szOffer.find("\nTwo Year Extension\n(Through " + std::to_string(Current_Calendar_Year() + 2) + ")"),
              std::string::npos)
        << szOffer;
    Copy_Player(FREE_AGENT_TEAM, 0, 0, m_nStar);
    form = Open_Contract_Form(FREE_AGENT_TEAM, 0, 0);
    EXPECT_NE(Text(Contract_Offer_Text, form).find("\nThree Year Contract\n"), std::string::npos);

    std::string szRatings = Text(Contract_Ratings_Text, form);
    EXPECT_EQ(std::count(szRatings.begin(), szRatings.end(), '\n'), RATINGS_PER_POSITION - 1);
    int nFirst = Position_Rating_Code(Vital(0, m_nStar, VS_POSITION), 0);
    EXPECT_EQ(szRatings.rfind(std::string(Rating_Name(nFirst)) + ": ", 0), 0u) << szRatings;
}

TEST_F(NegotiationTest, AContractOverTheCapIsRefusedAndCostsNothing) {
    ContractForm form = Open_Contract_Form(0, m_nStar, 1);
    int nBonus = Vital(0, m_nStar, VS_BONUS);
    Cap_Leaving(form, -1);
    EXPECT_FALSE(Sign_Contract_Form(form));
    EXPECT_EQ(Cash(1), 50000000);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Salary Cap");
    EXPECT_EQ(Headless_Notices()[0].text, "That contract would violate the salary cap by $1,000");
    Cap_Leaving(form, 0);
    EXPECT_TRUE(Sign_Contract_Form(form));
    EXPECT_EQ(Cash(1), 50000000 - 1000 * nBonus);
}

TEST_F(NegotiationTest, PoliciesAndTheHookDecideWithoutMovingAnyone) {
    int nID = Vital(0, m_nStar, VS_PLAYER_ID);
    Set_Contract_Policy(CONTRACT_POLICY_RELEASE);
    EXPECT_EQ(Contract_Negotiation(0, m_nStar, 0), 0);
    EXPECT_EQ(Cash(0), 50000000);
    EXPECT_TRUE(Headless_Questions().empty());

    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    Set_Contract(0, m_nStar, 2, 0);
    EXPECT_EQ(Contract_Negotiation(0, m_nStar, 0), 1);
    EXPECT_EQ(Vital(0, m_nStar, VS_CONTRACT_LEFT), 3);
    EXPECT_EQ(Cash(0), 50000000 - 1000 * Vital(0, m_nStar, VS_BONUS));
    EXPECT_TRUE(Headless_Questions().empty());

    Set_Contract_Policy(CONTRACT_POLICY_ASK);
    Set_Team_Financial_Stat(0, FIN_CASH, 50000000);
    Headless_Push_Answer(ANSWER_NO);
    EXPECT_EQ(Contract_Negotiation(0, m_nStar, 0), 0);
    EXPECT_EQ(Cash(0), 50000000);
    ASSERT_EQ(Headless_Questions().size(), 1u);
    char szTeam[TEXT_SIZE];
    Get_Team_Label(0, szTeam);
    EXPECT_EQ(Headless_Questions()[0].title, szTeam);
    Headless_Push_Answer(ANSWER_YES);
    EXPECT_EQ(Contract_Negotiation(0, m_nStar, 0), 1);
    EXPECT_LT(Cash(0), 50000000);
    // Yes to a contract over the cap: the refusal, and no signing.
    Set_League_Rule(LR_SALARY_CAP, 0);
    Headless_Push_Answer(ANSWER_YES);
    EXPECT_EQ(Contract_Negotiation(1, 0, 0), 0);
    EXPECT_EQ(Headless_Notices().back().title, "Salary Cap");

    static int s_nCalls = 0;
    Set_Contract_Negotiation_Hook([](ContractForm* pForm) {
        s_nCalls++;
        return pForm->nSigningTeam == 1 ? 1 : 0;
    });
    EXPECT_EQ(Contract_Negotiation(0, m_nStar, 1), 1);
    EXPECT_EQ(Contract_Negotiation(0, m_nStar, 0), 0);
    EXPECT_EQ(s_nCalls, 2);
    EXPECT_EQ(Vital(0, m_nStar, VS_PLAYER_ID), nID);
    EXPECT_EQ(Headless_Questions().size(), 3u);
}

TEST_F(NegotiationTest, ATypedTermStopsWhereTheButtonsWouldWithTheReason) {
    char szMessage[TEXT_SIZE] = "";
    ContractForm form = Open_Contract_Form(0, m_nStar, 0);
    EXPECT_TRUE(Type_Contract_Years(form, 5, szMessage));
    EXPECT_EQ(Contract_Form_Years(form), 5);
    EXPECT_FALSE(Type_Contract_Years(form, 0, szMessage));
    EXPECT_EQ(Contract_Form_Years(form), 1);
    EXPECT_STREQ(szMessage, "The contract can run from 1 to 7 years.");
    EXPECT_FALSE(Type_Contract_Years(form, 99, szMessage));
    EXPECT_EQ(Contract_Form_Years(form), LONGEST_OFFER);

    // Typed below the minimum, off the step, and past what the cash allows.
    int nMinimum = Minimum_Signing_Bonus(0, m_nStar);
    EXPECT_FALSE(Type_Contract_Bonus(form, 0, szMessage));
    EXPECT_EQ(Vital(0, m_nStar, VS_BONUS), nMinimum);
    EXPECT_TRUE(std::string(szMessage).starts_with("He will not sign for a bonus below $"));
    EXPECT_TRUE(Type_Contract_Bonus(form, nMinimum + 3 * CONTRACT_BONUS_STEP, szMessage));
    EXPECT_FALSE(Type_Contract_Bonus(form, nMinimum + 3 * CONTRACT_BONUS_STEP + 50, szMessage));
    EXPECT_EQ(Vital(0, m_nStar, VS_BONUS), nMinimum + 3 * CONTRACT_BONUS_STEP);
    Set_Team_Financial_Stat(0, FIN_CASH, 1000 * (nMinimum + 5 * CONTRACT_BONUS_STEP));
    EXPECT_FALSE(Type_Contract_Bonus(form, 999999, szMessage));
    EXPECT_FALSE(Contract_Form_Buttons(form).bMoreBonus);
    EXPECT_EQ(Vital(0, m_nStar, VS_BONUS), nMinimum + 4 * CONTRACT_BONUS_STEP);
    EXPECT_TRUE(std::string(szMessage).starts_with("The bonus can rise only while"));

    // After the season the years typed are the years shown.
    End_Season();
    form = Open_Contract_Form(0, m_nStar, 0);
    EXPECT_TRUE(Type_Contract_Years(form, 1, szMessage));
    EXPECT_EQ(Contract_Form_Years(form), 2);
    EXPECT_FALSE(Type_Contract_Years(form, 7, szMessage));
    EXPECT_STREQ(szMessage, "The contract can run from 1 to 6 years.");
}

TEST_F(NegotiationTest, AWindowLeftWithoutSigningPutsTheRecordBack) {
    PlayerRecord before;
    Copy_Player_To_Memory(&before, 0, m_nStar);
    Set_Contract_Negotiation_Hook([](ContractForm* pForm) {
        Adjust_Contract_Years(*pForm, 1);
        Adjust_Contract_Bonus(*pForm, CONTRACT_BONUS_STEP);
        return 0;
    });
    EXPECT_EQ(Contract_Negotiation(0, m_nStar, 0), 0);
    PlayerRecord after;
    Copy_Player_To_Memory(&after, 0, m_nStar);
    EXPECT_EQ(memcmp(&before, &after, sizeof before), 0);
    EXPECT_EQ(Cash(0), 50000000);
}
