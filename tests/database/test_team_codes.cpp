// The team order of a load moves whole team blocks; every team code stored
// elsewhere in the record must follow its block.
#include <string>

#include "database/player.h"
#include "database/team.h"
#include "league_builder.h"
#include "season/stored_games.h"
#include "simulation/game_record.h"
#include "test_support.h"

namespace {
// Blocks at codes 1, 3 and 4 with gaps, out of order: the sort makes the
// Kites (4) code 0, the Rams (3) code 1 and the Owls (1) code 2.
constexpr TNUM OWLS = 1, RAMS = 3, KITES = 4;
constexpr TNUM NEW_KITES = 0, NEW_RAMS = 1, NEW_OWLS = 2;

class TeamCodesTest : public LeagueTest {
  protected:
    void SetUp() override {
        LeagueTest::SetUp();
        Use_Teams(0);
        for (TNUM nTeam : {OWLS, RAMS, KITES}) g_League.aTeams[nTeam].data.anStats[TEAM_STAT_CONTROL] = 0;
        Name(OWLS, "Zenith", "Owls");
        Name(RAMS, "Alton", "Rams");
        Name(KITES, "Alton", "Kites");
        Count_Teams();
    }
    static void Name(TNUM nTeam, const char* szCity, const char* szNickname) {
        Set_Team_String(szCity, nTeam, TS_CITY);
        Set_Team_String(szNickname, nTeam, TS_NICKNAME);
    }
    static std::string Nickname(TNUM nTeam) {
        char szText[32];
        Get_Team_String(nTeam, TS_NICKNAME, szText);
        return szText;
    }
    static int32_t* Vitals(TNUM nTeam, PNUM nSlot) { return g_League.aTeams[nTeam].aPlayers[nSlot].anVital; }
};
}  // namespace

TEST_F(TeamCodesTest, GameStateScheduleAndSeasonTablesFollowTheBlocks) {
    Set_Game_State(GS_USER_TEAM, OWLS);
    Set_Game_State(GS_MANAGED_TEAM, KITES);
    Set_Game_State(GS_TRADE_PARTNER, RAMS);
    ASSERT_EQ(Schedule_Game(OWLS, KITES, 0), 1);
    ASSERT_EQ(Schedule_Game(RAMS, OWLS, 5), 1);
    g_League.abPlayoffTeams[30] = RAMS;
    g_League.abPlayoffTeams[4] = NO_TEAM;
    g_League.abStandingsOrder[2][0] = KITES;
    g_League.abStandingsOrder[2][1] = OWLS;
    g_League.abStandingsOrder[2][2] = NO_TEAM;

    Sort_Teams();
    ASSERT_EQ(Nickname(NEW_KITES), "Kites");
    ASSERT_EQ(Nickname(NEW_RAMS), "Rams");
    ASSERT_EQ(Nickname(NEW_OWLS), "Owls");
    EXPECT_EQ(Get_Game_State(GS_USER_TEAM), NEW_OWLS);
    EXPECT_EQ(Get_Game_State(GS_MANAGED_TEAM), NEW_KITES);
    EXPECT_EQ(Get_Game_State(GS_TRADE_PARTNER), NEW_RAMS);
    // The one who was named first keeps the positive entry.
    EXPECT_EQ(Get_Schedule_Opponent(NEW_OWLS, 0), NEW_KITES);
    EXPECT_EQ(Get_Schedule_Kind(NEW_OWLS, 0), SLOT_FIRST_NAMED);
    EXPECT_EQ(Get_Schedule_Opponent(NEW_KITES, 0), NEW_OWLS);
    EXPECT_EQ(Get_Schedule_Kind(NEW_KITES, 0), SLOT_SECOND_NAMED);
    EXPECT_EQ(Get_Schedule_Opponent(NEW_RAMS, 5), NEW_OWLS);
    EXPECT_EQ(Get_Schedule_Opponent(NEW_OWLS, 5), NEW_RAMS);
    EXPECT_FALSE(Schedule_Slot_Filled(NEW_RAMS, 0));
    EXPECT_EQ(g_League.abPlayoffTeams[30], NEW_RAMS);
    EXPECT_EQ(g_League.abPlayoffTeams[4], NO_TEAM);
    EXPECT_EQ(g_League.abStandingsOrder[2][0], NEW_KITES);
    EXPECT_EQ(g_League.abStandingsOrder[2][1], NEW_OWLS);
    EXPECT_EQ(g_League.abStandingsOrder[2][2], NO_TEAM);
}

TEST_F(TeamCodesTest, DraftPicksMoveUnderTheirTeamAndNameTheirOwner) {
    for (int nRound = 0; nRound < 7; nRound++)
        for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) g_League.abDraftPicks[2][nRound][nTeam] = (uint8_t)nTeam;
    g_League.abDraftPicks[0][3][RAMS] = OWLS;  // the Owls hold the Rams' fourth-round pick
    g_League.abDraftFlags[KITES] = 9;
    Sort_Teams();
    EXPECT_EQ(g_League.abDraftPicks[0][3][NEW_RAMS], NEW_OWLS);
    EXPECT_EQ(g_League.abDraftFlags[NEW_KITES], 9);
    for (TNUM nTeam : {NEW_KITES, NEW_RAMS, NEW_OWLS})
        for (int nRound = 0; nRound < 7; nRound++)
            EXPECT_EQ(g_League.abDraftPicks[2][nRound][nTeam], nTeam) << (int)nTeam << " round " << nRound;
}

TEST_F(TeamCodesTest, GameRecordsHistoryAndPlayersFollowTheBlocks) {
    Set_Stored_Game(7, OWLS, KITES, 10, 24, 3);
    Get_Game_Record(7)->nPossession = KITES;
    // A player of the Rams drafted by the Owls, bound for the Kites, with a
    // season for the Rams and one as a free agent.
    int32_t* anRam = Vitals(RAMS, 0);
    anRam[VS_PLAYER_ID] = 77;
    anRam[VS_DRAFTED] = (OWLS + 1) * DRAFTED_TEAM_UNIT + 2019;
    anRam[VS_DESTINATION] = KITES;
    g_League.aHistory[40] = {2024, 3, RAMS | 0x1200, {}};  // the bytes above the code are kept
    g_League.aHistory[41] = {2025, 4, FREE_AGENT_TEAM, {}};
    // A free agent who went undrafted, with no destination.
    int32_t* anFree = Vitals(FREE_AGENT_TEAM, 0);
    anFree[VS_PLAYER_ID] = 78;
    anFree[VS_DRAFTED] = (FREE_AGENT_TEAM + 1) * DRAFTED_TEAM_UNIT + 2020;
    anFree[VS_DESTINATION] = NO_TEAM;

    Sort_Teams();
    StoredGame game;
    ASSERT_TRUE(Stored_Game_Teams_And_Score(7, &game));
    EXPECT_EQ(game.nVisitor, NEW_OWLS);
    EXPECT_EQ(game.nHome, NEW_KITES);
    EXPECT_EQ(game.nHomeScore, 24);
    EXPECT_EQ(Get_Game_Record(7)->nPossession, NEW_KITES);
    // Blank records (a team against itself) stay blank.
    EXPECT_FALSE(Stored_Game_Teams_And_Score(8, &game));

    anRam = Vitals(NEW_RAMS, 0);
    ASSERT_EQ(anRam[VS_PLAYER_ID], 77);
    EXPECT_EQ(anRam[VS_DRAFTED], (NEW_OWLS + 1) * DRAFTED_TEAM_UNIT + 2019);
    EXPECT_EQ(anRam[VS_DESTINATION], NEW_KITES);
    EXPECT_EQ(g_League.aHistory[40].nTeam, NEW_RAMS | 0x1200);
    EXPECT_EQ(g_League.aHistory[41].nTeam, FREE_AGENT_TEAM);
    EXPECT_EQ(anFree[VS_DRAFTED], (FREE_AGENT_TEAM + 1) * DRAFTED_TEAM_UNIT + 2020);
    EXPECT_EQ(anFree[VS_DESTINATION], NO_TEAM);
}

TEST_F(TeamCodesTest, ErasedTeamsFollowersCloseUpWithTheirCodes) {
    Sort_Teams();
    ASSERT_EQ(Schedule_Game(NEW_RAMS, NEW_OWLS, 2), 1);
    Set_Game_State(GS_MANAGED_TEAM, NEW_OWLS);
    Erase_Team(NEW_KITES);
    EXPECT_EQ(Number_Of_Teams(), 2);
    EXPECT_EQ(Nickname(0), "Rams");
    EXPECT_EQ(Nickname(1), "Owls");
    EXPECT_EQ(Get_Schedule_Opponent(0, 2), 1);
    EXPECT_EQ(Get_Schedule_Opponent(1, 2), 0);
    EXPECT_EQ(Get_Game_State(GS_MANAGED_TEAM), 1);
}
