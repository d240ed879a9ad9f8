#include <cstring>
#include <string>

#include "base/random.h"
#include "database/player.h"
#include "personnel/player_creation.h"
#include "test_support.h"

namespace {
class CreationTest : public LeagueTest {
  protected:
    static void Add_Player(TNUM nTeam, PNUM nPlayer, int nPosition, int nStarts) {
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID, 1000 + 100 * nTeam + nPlayer);
        Set_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION, nPosition);
        Set_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, SS_GAMES, 16);
        Set_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, SS_STARTS, nStarts);
    }
    // Ten templates of every position over teams 0 and 1, positions in turn.
    static void Add_Full_Set() {
        for (int i = 0; i < 10 * NUMBER_OF_POSITIONS; i++)
            Add_Player((TNUM)(i / PLAYERS_PER_TEAM), (PNUM)(i % PLAYERS_PER_TEAM), i % NUMBER_OF_POSITIONS, 16);
    }
    static std::string Notice_Text(size_t n) { return Headless_Notices().at(n).text; }
};
}  // namespace

TEST_F(CreationTest, TemplatePoolTakesRegularStartersOfTeamsInUse) {
    Use_Teams(2);
    Add_Player(0, 0, POS_QB, 13);
    Add_Player(0, 1, POS_QB, 12);  // not enough starts
    Add_Player(1, 0, POS_K, 16);
    Add_Player(2, 0, POS_QB, 16);  // team not in use
    Add_Player(FREE_AGENT_TEAM, 0, POS_QB, 16);
    Build_Template_Pool();
    EXPECT_EQ(Template_Pool_Size(), 2);
    EXPECT_EQ(Template_Position_Count(POS_QB), 1);
    EXPECT_EQ(Template_Position_Count(POS_K), 1);
    EXPECT_EQ(Template_Position_Count(POS_RB), 0);

    // Built afresh, not added to.
    Build_Template_Pool();
    EXPECT_EQ(Template_Pool_Size(), 2);
}

TEST_F(CreationTest, TemplatePoolStopsAtAThousand) {
    Use_Teams(14);
    for (TNUM nTeam = 0; nTeam < 14; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            Add_Player(nTeam, nPlayer, nTeam == 13 ? POS_P : nPlayer % POS_P, 16);
    Build_Template_Pool();
    EXPECT_EQ(Template_Pool_Size(), MAX_PLAYER_TEMPLATES);
    // 1000 of the first 1040 in code order: the punters of team 13 come too late.
    EXPECT_EQ(Template_Position_Count(POS_P), 0);
}

TEST_F(CreationTest, MissingPlayerDataIsReportedPerPosition) {
    Use_Teams(2);
    Build_Template_Pool();
    ASSERT_EQ(Headless_Notices().size(), (size_t)NUMBER_OF_POSITIONS);
    EXPECT_EQ(Headless_Notices()[0].title, "Missing Player Data");
    EXPECT_EQ(Notice_Text(0),
              "Player database has no Quarterback data. Brakvell will be unable to create new Quarterback college "
              "players. Please re-install the Universe.dat file provided with Brakvell.");
    EXPECT_NE(Notice_Text(13).find("no Punter data"), std::string::npos);

    Headless_Reset();
    Add_Full_Set();
    Build_Template_Pool();
    EXPECT_TRUE(Headless_Notices().empty());

    Set_Player_Season_Stat(0, 0, PERIOD_PREDICTED, SS_STARTS, 12);  // 9 quarterbacks left
    Build_Template_Pool();
    EXPECT_EQ(Template_Position_Count(POS_QB), 9);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Missing Player Data");
    EXPECT_EQ(Notice_Text(0),
              "Player database has only 9 Quarterback entries. This will limit the realism of the simulation. We "
              "recommend you re-install the Universe.dat file provided with Brakvell.");

    Headless_Reset();
    for (int i = 2 * NUMBER_OF_POSITIONS; i < 10 * NUMBER_OF_POSITIONS; i += NUMBER_OF_POSITIONS)
        Set_Player_Season_Stat((TNUM)(i / PLAYERS_PER_TEAM), (PNUM)(i % PLAYERS_PER_TEAM), PERIOD_PREDICTED,
                               SS_STARTS, 0);
    Build_Template_Pool();
    EXPECT_EQ(Template_Position_Count(POS_QB), 1);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Notice_Text(0),
              "Player database has only 1 Quarterback entries. This will limit the realism of the simulation. We "
              "recommend you re-install the Universe.dat file provided with Brakvell.");
}

TEST_F(CreationTest, EmptyPoolFailsCleanly) {
    Use_Teams(2);
    Build_Template_Pool();
    Headless_Reset();
    EXPECT_EQ(Fabricate_Player(FREE_AGENT_TEAM, 0, POS_LB), 0);
    EXPECT_FALSE(Is_Valid_Player(FREE_AGENT_TEAM, 0));
    EXPECT_TRUE(Headless_Notices().empty());

    EXPECT_EQ(Fabricate_Player(FREE_AGENT_TEAM, 0, 14), 0);
    EXPECT_TRUE(Logged("Invalid argument in Fabricate_Player(36,0,14)"));

    EXPECT_FALSE(Make_College_Class());
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Error in Fabricate_Player()");
    EXPECT_EQ(Notice_Text(0), "Unable to create rookie player. Please restore Universe.dat.");
    EXPECT_EQ(Number_Of_Players(DRAFT_POOL_TEAMS), 0);
}

TEST_F(CreationTest, PositionsAreDrawnByRosterDemand) {
    Seed_Random(3);
    int anCount[NUMBER_OF_POSITIONS] = {};
    for (int i = 0; i < 8600; i++) {
        int nPosition = Draw_Position();
        ASSERT_GE(nPosition, 0);
        ASSERT_LT(nPosition, NUMBER_OF_POSITIONS);
        anCount[nPosition]++;
    }
    // Linebackers (12 in 86) are the commonest, kickers and punters (2 in 86) the rarest.
    EXPECT_GT(anCount[POS_LB], 1000);
    EXPECT_LT(anCount[POS_K], 300);
    EXPECT_LT(anCount[POS_P], 300);
}

TEST_F(CreationTest, TypicalWeightComesFromHeightAndBuild) {
    EXPECT_EQ(Typical_Weight(POS_TE), 223);  // the tight end the blocking rating measures against
    EXPECT_EQ(Typical_Weight(POS_T), Weight_For_Height(76, 140));
}

TEST_F(CreationTest, NewIDsAvoidThoseInUse) {
    Use_Teams(4);
    const int k = 0 + 100 * 38 + 10101;  // slot 0 of code 38 in season 0
    Seed_Random(9);
    int nFirst = New_Player_ID(38, 0);
    EXPECT_EQ(nFirst / 256, k);

    // With every ID of the first range taken the wider range is used.
    for (int j = 0; j < 256; j++) Set_Player_Vital_Stat((TNUM)(j / 80), (PNUM)(j % 80), VS_PLAYER_ID, 256 * k + j);
    Rebuild_Player_Index();
    int nID = New_Player_ID(38, 0);
    EXPECT_EQ(nID / 4096, k);
    EXPECT_FALSE(Find_Player_ID(nID));
}
