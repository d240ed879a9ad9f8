#include "personnel/renewal.h"

#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/contracts.h"
#include "personnel/negotiation.h"
#include "personnel/ratings.h"
#include "platform/headless.h"
#include "test_support.h"

namespace {
constexpr int THIN_ROSTER = 59;

class RenewalTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Build_Game_League(9, 2);
        Set_League_Rule(LR_SALARY_CAP, 200000000);
        for (TNUM nTeam = 0; nTeam < 2; nTeam++) Set_Team_Financial_Stat(nTeam, FIN_CASH, 30000000);
        // The best player of team 0, on the last year of his contract.
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player(0, nPlayer) && Player_Current_Value(0, nPlayer) > Player_Current_Value(0, m_nStar))
                m_nStar = nPlayer;
        Set_Player_Vital_Stat(0, m_nStar, VS_AGE, 26);
        Set_Player_Vital_Stat(0, m_nStar, VS_CONTRACT_LEFT, 1);
        Set_Player_Vital_Stat(0, m_nStar, VS_BONUS, 0);
        m_nID = Get_Player_Vital_Stat(0, m_nStar, VS_PLAYER_ID);
    }
    void TearDown() override {
        Set_Contract_Policy(CONTRACT_POLICY_ASK);
        LeagueTest::TearDown();
    }
    // Trims or fills team 0 to nPlayers, never touching the star; the fillers
    // are copies of his first team-mate without his history.
    void Roster_Of(int nPlayers) {
        PNUM nModel = m_nStar == 0 ? 1 : 0;
        for (int nID = 5000; Number_Of_Players(0) < nPlayers; nID++) {
            PNUM nSlot = First_Empty_Slot(0);
            Copy_Player(0, nSlot, 0, nModel);
            Set_Player_Vital_Stat(0, nSlot, VS_PLAYER_ID, nID);
            for (int& nRecord : g_League.aTeams[0].aPlayers[nSlot].anHistory) nRecord = -1;
            g_League.aTeams[0].aPlayers[nSlot].nOpenRecord = -1;
        }
        Rebuild_Player_Index();
        while (Number_Of_Players(0) > nPlayers) {
            PNUM nLast = (PNUM)(Number_Of_Players(0) - 1);
            Delete_Player(0, nLast == m_nStar ? (PNUM)(nLast - 1) : nLast);
        }
        ASSERT_EQ(Number_Of_Players(0), nPlayers);
        m_nStar = Star_Slot();
    }
    PNUM Star_Slot() const {
        TNUM nTeam;
        PNUM nPlayer;
        return Find_Player_ID(m_nID, &nTeam, &nPlayer) && nTeam == 0 ? nPlayer : NO_PLAYER;
    }
    TNUM Star_Team() const {
        TNUM nTeam = NO_TEAM;
        Find_Player_ID(m_nID, &nTeam);
        return nTeam;
    }
    PNUM m_nStar = 0;
    int m_nID = 0;
};
}  // namespace

TEST_F(RenewalTest, CommissionerModeRenewsAtTheBaseAskingTermsForNothing) {
    Set_Game_State(GS_COMMISSIONER, 1);
    int nSalary = Base_Asking_Salary(0, m_nStar), nYears = Preferred_Contract_Length(0, m_nStar);
    EXPECT_EQ(Check_Renew_Contract(0, m_nStar), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(0, m_nStar, VS_SALARY), nSalary);
    EXPECT_EQ(Get_Player_Vital_Stat(0, m_nStar, VS_CONTRACT_LEFT), nYears);
    EXPECT_EQ(Get_Player_Vital_Stat(0, m_nStar, VS_CONTRACT_YEARS), nYears);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_CASH), 30000000);
}

TEST_F(RenewalTest, APersonInDebtMayNotNegotiate) {
    Set_Team_Stat(0, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    Set_Team_Financial_Stat(0, FIN_CASH, -1);
    char szName[FULL_NAME_WIDTH + 1];
    Get_Player_Full_Name(0, m_nStar, szName);
    EXPECT_EQ(Check_Renew_Contract(0, m_nStar), 0);
    EXPECT_EQ(Star_Team(), FREE_AGENT_TEAM);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    char szTeam[TEXT_SIZE];
    Get_Team_Label(0, szTeam);
    EXPECT_EQ(Headless_Notices()[0].title, szTeam);
    EXPECT_EQ(Headless_Notices()[0].text, std::string("Because you are in debt, you may not discuss a new contract with ") +
                                              szName + ". He is being released.");
    EXPECT_TRUE(Headless_Questions().empty());
}

TEST_F(RenewalTest, APersonSignsOrReleasesByTheNegotiation) {
    Set_Team_Stat(0, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    EXPECT_EQ(Check_Renew_Contract(0, m_nStar), 1);
    EXPECT_EQ(Star_Team(), 0);
    EXPECT_GE(Get_Player_Vital_Stat(0, m_nStar, VS_CONTRACT_LEFT), 1);
    Set_Contract_Policy(CONTRACT_POLICY_RELEASE);
    EXPECT_EQ(Check_Renew_Contract(0, m_nStar), 0);
    EXPECT_EQ(Star_Team(), FREE_AGENT_TEAM);
    EXPECT_TRUE(Headless_Notices().empty());
}

TEST_F(RenewalTest, AThinComputerRosterKeepsHimAndPaysTheMinimumBonus) {
    Roster_Of(THIN_ROSTER);
    int nBonus = Minimum_Signing_Bonus(0, m_nStar);
    int nYears = Preferred_Contract_Length(0, m_nStar);
    EXPECT_EQ(Check_Renew_Contract(0, m_nStar), 1);
    EXPECT_EQ(Get_Player_Vital_Stat(0, m_nStar, VS_BONUS), nBonus);
    EXPECT_EQ(Get_Player_Vital_Stat(0, m_nStar, VS_CONTRACT_LEFT), nYears);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_CASH), 30000000 - 1000 * nBonus);

    // A worthless player on a thin roster still earns the league minimum.
    PNUM nWorst = 0;
    for (PNUM nPlayer = 0; nPlayer < THIN_ROSTER; nPlayer++)
        if (Player_Current_Value(0, nPlayer) < Player_Current_Value(0, nWorst)) nWorst = nPlayer;
    Set_Team_Financial_Stat(0, FIN_CASH, -5000000);  // no wealth: he is worth nothing to them
    EXPECT_EQ(Check_Renew_Contract(0, nWorst), 1);
    EXPECT_GE(g_League.aTeams[0].aPlayers[nWorst].anVital[VS_SALARY], MINIMUM_SALARY);
}

TEST_F(RenewalTest, AFullComputerRosterLetsGoWhomItCannotAfford) {
    Roster_Of(THIN_ROSTER + 1);
    Set_Team_Financial_Stat(0, FIN_CASH, 0);  // wealth 0: every offer is nothing
    int nSalary = Base_Asking_Salary(0, m_nStar), nYears = Preferred_Contract_Length(0, m_nStar);
    EXPECT_EQ(Check_Renew_Contract(0, m_nStar), 0);
    TNUM nTeam;
    PNUM nPlayer;
    ASSERT_TRUE(Find_Player_ID(m_nID, &nTeam, &nPlayer));
    EXPECT_EQ(nTeam, FREE_AGENT_TEAM);
    // He goes asking what he asked of them.
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT), nYears);
    EXPECT_EQ(Get_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY), nSalary);
    EXPECT_EQ(Number_Of_Players(0), THIN_ROSTER);
    EXPECT_EQ(Get_Team_Financial_Stat(0, FIN_CASH), 0);
}
