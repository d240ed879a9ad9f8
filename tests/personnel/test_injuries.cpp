#include <cstring>
#include <string>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "finance/medical.h"
#include "personnel/injuries.h"
#include "platform/platform.h"
#include "test_support.h"

namespace {
class InjuryTest : public LeagueTest {
  protected:
    static void Add_Player(TNUM nTeam, PNUM nPlayer, int nID, const char* szFirst, const char* szLast) {
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID, nID);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION, POS_RB);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY, NO_INJURY);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_LAST_INJURY, NO_INJURY);
        Set_Player_First_Name(nTeam, nPlayer, szFirst);
        Set_Player_Last_Name(nTeam, nPlayer, szLast);
    }
    static void Injure(TNUM nTeam, PNUM nPlayer, int nKind, int nWeeks) {
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY, nKind);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS, nWeeks);
    }
    static int Weeks(TNUM nTeam, PNUM nPlayer) { return Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_WEEKS); }
};

bool Is_Unused_Kind(int nKind) {
    return (nKind >= 46 && nKind <= 49) || (nKind >= 91 && nKind <= 99) || nKind >= 136;
}
}  // namespace

TEST_F(InjuryTest, TableHoldsEveryKindWithItsWeights) {
    int nSquares = 0;
    for (int nKind = 0; nKind < NUMBER_OF_INJURIES; nKind++) {
        const InjuryKind& kind = Get_Injury_Kind(nKind);
        ASSERT_NE(kind.szName, nullptr) << nKind;
        nSquares += kind.nWeight * kind.nWeight;
        EXPECT_EQ(Is_Unused_Kind(nKind), kind.szName[0] == 0) << nKind;
        if (Is_Unused_Kind(nKind)) {
            EXPECT_EQ(kind.nWeight, 0) << nKind;
            EXPECT_EQ(kind.nLongest, 0) << nKind;
        } else {
            EXPECT_GE(kind.nShortest, 1) << nKind;
            EXPECT_GE(kind.nLongest, kind.nShortest) << nKind;
        }
    }
    EXPECT_EQ(nSquares, INJURY_WEIGHT_TOTAL);

    // The first and last kind of each region sit where the region says.
    EXPECT_STREQ(Get_Injury_Name(0), "bruised foot");
    EXPECT_STREQ(Get_Injury_Name(45), "broken fibula");
    EXPECT_STREQ(Get_Injury_Name(50), "pulled shoulder");
    EXPECT_STREQ(Get_Injury_Name(90), "broken wrist");
    EXPECT_STREQ(Get_Injury_Name(100), "bruised rib");
    EXPECT_STREQ(Get_Injury_Name(135), "pulled groin");
    const InjuryKind& achilles = Get_Injury_Kind(16);
    EXPECT_STREQ(achilles.szName, "torn achilles tendon");
    EXPECT_EQ(achilles.nShortest, 20);
    EXPECT_EQ(achilles.nLongest, 40);
    EXPECT_EQ(achilles.nWeight, 2);
    // One name, two different lengths.
    EXPECT_STREQ(Get_Injury_Name(82), Get_Injury_Name(85));
    EXPECT_NE(Get_Injury_Kind(82).nLongest, Get_Injury_Kind(85).nLongest);

    EXPECT_STREQ(Get_Injury_Name(NO_INJURY), "NO INJURY");
    EXPECT_STREQ(Get_Injury_Name(150), "");
    EXPECT_STREQ(Get_Injury_Name(-2), "");
}

TEST_F(InjuryTest, ChanceFollowsMedicalStaffRank) {
    Use_Teams(31);
    for (TNUM nTeam = 0; nTeam < 31; nTeam++) Set_Team_Financial_Stat(nTeam, FIN_MEDICAL_QUALITY, 500 + nTeam);
    Set_Team_Financial_Stat(31, FIN_MEDICAL_QUALITY, 5000);  // not in use: ranks nobody
    EXPECT_EQ(Medical_Staff_Rank(30), 0);
    EXPECT_EQ(Injury_Chance(30), 17);
    EXPECT_EQ(Medical_Staff_Rank(0), 30);
    EXPECT_EQ(Injury_Chance(0), 47);

    // Equal staffs share the rank and the chance.
    Set_Team_Financial_Stat(5, FIN_MEDICAL_QUALITY, 530);
    EXPECT_EQ(Medical_Staff_Rank(5), Medical_Staff_Rank(30));
    EXPECT_EQ(Injury_Chance(5), 17);
}

TEST_F(InjuryTest, TryInjuryHurtsAtAboutTheChanceAndNeverTwice) {
    Use_Teams(2);
    Set_Team_Financial_Stat(0, FIN_MEDICAL_QUALITY, 900);
    Add_Player(0, 0, 101, "Sam", "Runner");
    Seed_Random(7);
    int nHurt = 0;
    for (int i = 0; i < 20000; i++) {
        if (Try_Injury(0, 0)) {
            nHurt++;
            int nKind = Get_Player_Vital_Stat(0, 0, VS_INJURY);
            const InjuryKind& kind = Get_Injury_Kind(nKind);
            ASSERT_GT(kind.nWeight, 0);
            ASSERT_GE(Weeks(0, 0), kind.nShortest);
            ASSERT_LE(Weeks(0, 0), kind.nLongest);
            ASSERT_LT(Get_Player_Vital_Stat(0, 0, VS_INJURY_DAMAGE), 20 * kind.nLongest);
            EXPECT_EQ(Try_Injury(0, 0), 0);  // already out
            Injure(0, 0, NO_INJURY, 0);
            Set_Player_Vital_Stat(0, 0, VS_INJURY_DAMAGE, 0);
        }
    }
    // The best staff: 17 in 1000.
    EXPECT_GT(nHurt, 250);
    EXPECT_LT(nHurt, 430);

    EXPECT_EQ(Try_Injury(0, 5), 0);
    EXPECT_TRUE(Logged("Invalid player in Try_Injury()"));
}

TEST_F(InjuryTest, DrawFavoursLightInjuriesAndRepeatsAnOldOne) {
    Use_Teams(2);
    Add_Player(0, 0, 101, "Sam", "Runner");
    Seed_Random(11);
    int nLight = 0;
    const int DRAWS = 20000;
    for (int i = 0; i < DRAWS; i++) {
        int nKind = Draw_Injury_Kind(0, 0);
        ASSERT_GT(Get_Injury_Kind(nKind).nWeight, 0);
        if (Get_Injury_Kind(nKind).nLongest == 1) nLight++;
    }
    // The second candidate lifts the share of one-week kinds well above their weight.
    int nLightSquares = 0;
    for (int nKind = 0; nKind < NUMBER_OF_INJURIES; nKind++)
        if (Get_Injury_Kind(nKind).nLongest == 1) nLightSquares += Get_Injury_Kind(nKind).nWeight * Get_Injury_Kind(nKind).nWeight;
    EXPECT_GT(nLight, DRAWS * nLightSquares / INJURY_WEIGHT_TOTAL + DRAWS / 10);

    Set_Player_Vital_Stat(0, 0, VS_INJURY, 16);
    int nSame = 0;
    for (int i = 0; i < DRAWS; i++)
        if (Draw_Injury_Kind(0, 0) == 16) nSame++;
    EXPECT_GT(nSame, DRAWS * 45 / 100);
    EXPECT_LT(nSame, DRAWS * 55 / 100);
}

TEST_F(InjuryTest, AlertStopsForInjuriesLongerThanTheThreshold) {
    Use_Teams(2);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, 1);
    Add_Player(0, 0, 4242, "Sam", "Runner");
    Add_Player(1, 0, 4343, "Al", "Other");
    Set_Injury_Alert(true, 4);
    Set_Game_State(GS_SIMULATING, 1);

    Injure(0, 0, 8, 4);
    Check_Injury_Alert(0, 0);
    EXPECT_EQ(Get_Game_State(GS_PENDING_INJURY), 0);
    EXPECT_FALSE(Stop_Requested());

    Injure(0, 0, 8, 5);
    Check_Injury_Alert(0, 0);
    EXPECT_EQ(Get_Game_State(GS_PENDING_INJURY), 4242);
    EXPECT_TRUE(Stop_Requested());

    // A computer team's player raises no alert.
    Set_Game_State(GS_PENDING_INJURY, 0);
    Injure(1, 0, 16, 30);
    Check_Injury_Alert(1, 0);
    EXPECT_EQ(Get_Game_State(GS_PENDING_INJURY), 0);
}

TEST_F(InjuryTest, AlertSettingKeepsItsWeeksWhenOff) {
    Use_Teams(2);
    Set_Team_Stat(0, TEAM_STAT_CONTROL, 1);
    Add_Player(0, 0, 4242, "Sam", "Runner");
    Set_Game_State(GS_INJURY_CONTINGENCY, 0);
    EXPECT_FALSE(Injury_Alert_On());
    EXPECT_EQ(Injury_Alert_Weeks(), 4);

    Set_Injury_Alert(false, 6);
    EXPECT_EQ(Get_Game_State(GS_INJURY_CONTINGENCY), -6);
    EXPECT_EQ(Injury_Alert_Weeks(), 6);
    Injure(0, 0, 16, 30);
    Check_Injury_Alert(0, 0);
    EXPECT_EQ(Get_Game_State(GS_PENDING_INJURY), 0);

    // Outside the season loop the ID is kept but no stop is left behind.
    Set_Injury_Alert(true, Injury_Alert_Weeks());
    Check_Injury_Alert(0, 0);
    EXPECT_EQ(Get_Game_State(GS_PENDING_INJURY), 4242);
    EXPECT_FALSE(Stop_Requested());
}

TEST_F(InjuryTest, AnnouncementChoosesArticleAndPlural) {
    Use_Teams(2);
    Add_Player(0, 0, 101, "Sam", "Runner");
    Injure(0, 0, 15, 1);
    Announce_Injury(0, 0);
    Injure(0, 0, 60, 3);
    Announce_Injury(0, 0);
    Injure(0, 0, 60, 0);
    Announce_Injury(0, 0);  // healthy: nothing to say
    const auto& notices = Headless_Notices();
    ASSERT_EQ(notices.size(), 2u);
    EXPECT_EQ(notices[0].title, "Injury");
    EXPECT_EQ(notices[0].text, "Sam Runner will be injured for 1 week due to a torn ankle ligament.");
    EXPECT_EQ(notices[1].text, "Sam Runner will be injured for 3 weeks due to an inflamed rotator cuff.");
}

TEST_F(InjuryTest, PendingAnnouncementFindsThePlayerAndClears) {
    Use_Teams(2);
    Add_Player(1, 3, 777, "Al", "Moved");
    Injure(1, 3, 26, 28);
    Set_Game_State(GS_PENDING_INJURY, 777);
    Announce_Pending_Injury();
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].text, "Al Moved will be injured for 28 weeks due to a broken knee.");
    EXPECT_EQ(Get_Game_State(GS_PENDING_INJURY), 0);

    // A player gone from the league since is simply forgotten.
    Set_Game_State(GS_PENDING_INJURY, 999);
    Announce_Pending_Injury();
    EXPECT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Get_Game_State(GS_PENDING_INJURY), 0);
}

TEST_F(InjuryTest, WeeklyHealingMovesTheKindToLastInjury) {
    Use_Teams(2);
    Add_Player(0, 0, 101, "A", "One");
    Add_Player(FREE_AGENT_TEAM, 0, 102, "B", "Two");
    Add_Player(40, 2, 103, "C", "Three");
    Add_Player(1, 0, 104, "D", "Four");
    Injure(0, 0, 37, 1);
    Injure(FREE_AGENT_TEAM, 0, 8, 3);
    Injure(40, 2, 113, 1);
    Set_Player_Vital_Stat(1, 0, VS_LAST_INJURY, 5);

    Heal_Injuries();
    EXPECT_EQ(Weeks(0, 0), 0);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_INJURY), NO_INJURY);
    EXPECT_EQ(Get_Player_Vital_Stat(0, 0, VS_LAST_INJURY), 37);
    EXPECT_EQ(Weeks(FREE_AGENT_TEAM, 0), 2);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VS_INJURY), 8);
    EXPECT_EQ(Get_Player_Vital_Stat(FREE_AGENT_TEAM, 0, VS_LAST_INJURY), NO_INJURY);
    EXPECT_EQ(Get_Player_Vital_Stat(40, 2, VS_LAST_INJURY), 113);
    EXPECT_EQ(Get_Player_Vital_Stat(1, 0, VS_LAST_INJURY), 5);  // a healthy player keeps his history

    char szText[32];
    EXPECT_STREQ(Get_Injury_Status(0, 0), "Healthy");
    EXPECT_STREQ(Get_Injury_Status(FREE_AGENT_TEAM, 0), "twisted ankle");
    Get_Injury_Out_Text(FREE_AGENT_TEAM, 0, szText);
    EXPECT_STREQ(szText, " Out for 2 weeks");
    Heal_Injuries();
    Get_Injury_Out_Text(FREE_AGENT_TEAM, 0, szText);
    EXPECT_STREQ(szText, " Out for 1 week");
    EXPECT_TRUE(Is_Injured(FREE_AGENT_TEAM, 0));
}
