#include "database/team.h"
#include "season/playoffs.h"
#include "season/schedule.h"
#include "season/standings.h"
#include "season/stored_games.h"
#include "season_fixture.h"

namespace {
class PlayoffsTest : public SeasonTest {
  protected:
    // Every home team of the week wins 21-14, booked through a stored game record.
    void Play_Playoff_Week(int nWeek) {
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
            if (Is_Home(nTeam, nWeek)) {
                Set_Stored_Game(m_nNextGame, Get_Schedule_Opponent(nTeam, nWeek), nTeam, 14, 21, nWeek);
                Record_Playoff_Game(m_nNextGame++);
            }
    }
    int Games_In_Week(int nWeek) {
        int nGames = 0;
        for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) nGames += Is_Home(nTeam, nWeek);
        return nGames;
    }
    void Open_Playoffs() {
        g_League.anGameState[GS_CURRENT_WEEK] = 16;
        Recompute_Standings();
        g_League.anGameState[GS_CURRENT_WEEK] = 17;
        Fix_Playoff_Field();
    }
};

// 32 teams in eight divisions of four. Conference 0 leaders: 8 (+12), 0 (+8),
// 12 (+6), 4 (+2); wild cards 1 (+4) and 9 (+2). Conference 1 gets worse by
// team code: leaders 16, 20, 24, 28, wild cards 17 and 18.
class FullBracketTest : public PlayoffsTest {
  protected:
    void SetUp() override {
        PlayoffsTest::SetUp();
        Make_Even_League(32, 4);
        for (TNUM nTeam = 0; nTeam < 16; nTeam++) Add_Record(nTeam, 2, 14);
        const int RECORDS[][3] = {{8, 14, 2}, {0, 12, 4}, {12, 11, 5}, {4, 9, 7},
                                  {1, 10, 6}, {9, 9, 7},  {5, 8, 8}};
        for (const auto& r : RECORDS) {
            Set_Team_Record_Stat((TNUM)r[0], YR_WINS, r[1]);
            Set_Team_Record_Stat((TNUM)r[0], YR_LOSSES, r[2]);
        }
        for (TNUM nTeam = 16; nTeam < 32; nTeam++) Add_Record(nTeam, 31 - nTeam, nTeam - 16);
    }
};
}  // namespace

TEST_F(FullBracketTest, SeedsTakeTheirSlots) {
    Open_Playoffs();
    const int EXPECTED[][2] = {{17, 8}, {19, 0}, {5, 12}, {1, 4}, {0, 1},   {4, 9},
                               {21, 16}, {23, 20}, {13, 24}, {9, 28}, {12, 17}, {8, 18}};
    for (const auto& e : EXPECTED) EXPECT_EQ(Get_Playoff_Team(e[0]), e[1]) << "slot " << e[0];
    for (int nSlot = 24; nSlot < PLAYOFF_SLOTS; nSlot++) EXPECT_EQ(Get_Playoff_Team(nSlot), NO_TEAM);
}

TEST_F(FullBracketTest, TopSeedRestsThenHostsUnlessTheVisitorScoresHigher) {
    Open_Playoffs();
    Schedule_Playoff_Week(17);
    EXPECT_EQ(Games_In_Week(17), 4);
    EXPECT_EQ(Get_Schedule_Opponent(8, 17), NO_TEAM);
    EXPECT_EQ(Get_Schedule_Opponent(1, 17), 4);
    EXPECT_TRUE(Is_Home(1, 17));  // wild card above the division winner
    EXPECT_EQ(Get_Schedule_Opponent(18, 17), 28);
    EXPECT_EQ(Get_Schedule_Opponent(17, 17), 24);
    Play_Playoff_Week(17);
    EXPECT_EQ(Get_Playoff_Team(16), 1);
    EXPECT_EQ(Get_Playoff_Score(0), 21);
    EXPECT_EQ(Get_Playoff_Score(1), 14);
    EXPECT_EQ(Get_Playoff_Team(22), 17);

    Schedule_Playoff_Week(18);
    EXPECT_TRUE(Is_Home(8, 18));
    EXPECT_EQ(Get_Schedule_Opponent(8, 18), 1);
    EXPECT_TRUE(Is_Home(17, 18));  // 13 games up against seed 2's 7
    EXPECT_EQ(Get_Schedule_Opponent(17, 18), 20);
}

TEST_F(FullBracketTest, FourRoundsCrownAChampion) {
    Open_Playoffs();
    for (int nWeek = 17; nWeek <= 22; nWeek++) {
        Schedule_Playoff_Week(nWeek);
        if (nWeek != 20) Play_Playoff_Week(nWeek);
    }
    EXPECT_EQ(Games_In_Week(19), 2);
    EXPECT_EQ(Games_In_Week(20), 1);
    EXPECT_EQ(Games_In_Week(21), 0);
    EXPECT_EQ(Get_Playoff_Team(24), 8);
    EXPECT_EQ(Get_Playoff_Team(26), 16);
    g_League.anGameState[GS_CURRENT_WEEK] = 20;
    EXPECT_FALSE(Season_Is_Over());
    Play_Playoff_Week(20);
    EXPECT_EQ(Get_Playoff_Team(CHAMPION_SLOT), 16);
    EXPECT_TRUE(Season_Is_Over());

    Set_Season_Outcome_Levels();
    const int EXPECTED[][2] = {{16, 8}, {8, 7}, {17, 6}, {0, 6}, {12, 6},
                               {4, 5},  {1, 6}, {9, 4}, {2, 2}, {3, 1}};
    for (const auto& e : EXPECTED)
        EXPECT_EQ(Get_Team_Record_Stat((TNUM)e[0], YR_OUTCOME), e[1]) << "team " << e[0];
}

TEST_F(PlayoffsTest, OneDivisionConferencesMeetInTheFinalOnTheFourthWeek) {
    Make_League({0, 0, 4, 4});
    Add_Record(1, 3, 1);
    Add_Record(2, 2, 2);
    Open_Playoffs();
    EXPECT_EQ(Get_Playoff_Team(28), 1);
    EXPECT_EQ(Get_Playoff_Team(29), 2);
    for (int nWeek = 17; nWeek < 20; nWeek++) {
        Schedule_Playoff_Week(nWeek);
        EXPECT_EQ(Games_In_Week(nWeek), 0);
    }
    Schedule_Playoff_Week(20);
    EXPECT_TRUE(Is_Home(1, 20));
    EXPECT_EQ(Get_Schedule_Opponent(1, 20), 2);
    Record_Playoff_Result(2, 30, 1, 27);
    EXPECT_EQ(Get_League_Champion(), 2);
    EXPECT_EQ(Get_Playoff_Score(29), 30);
}

TEST_F(PlayoffsTest, OneConferenceOfOneDivisionHasItsChampionAtOnce) {
    Make_League({0, 0, 0});
    Add_Record(2, 1, 0);
    Open_Playoffs();
    EXPECT_EQ(Champion_Slot(), 28);
    EXPECT_EQ(Get_League_Champion(), 2);
}

TEST_F(PlayoffsTest, TwoDivisionsPlayTheConferenceFinalOnTheThirdWeek) {
    Make_League({0, 0, 1, 1, 4, 4, 5, 5});
    Add_Record(3, 1, 0);
    Add_Record(7, 1, 0);
    Open_Playoffs();
    EXPECT_EQ(Get_Playoff_Team(24), 0);
    EXPECT_EQ(Get_Playoff_Team(25), 3);
    EXPECT_EQ(Get_Playoff_Team(26), 4);
    EXPECT_EQ(Get_Playoff_Team(27), 7);
    Schedule_Playoff_Week(18);
    EXPECT_EQ(Games_In_Week(18), 0);
    Schedule_Playoff_Week(19);
    EXPECT_TRUE(Is_Home(3, 19));
    EXPECT_TRUE(Is_Home(7, 19));
}

// Three one-team divisions give conference 0 only three seeds; the missing
// seeds must not stall the bracket short of a champion.
TEST_F(PlayoffsTest, ShortConferenceStillReachesTheFinal) {
    Make_League({0, 1, 2, 4, 4, 4});
    Add_Record(2, 3, 0);
    Add_Record(1, 2, 1);
    Open_Playoffs();
    EXPECT_EQ(Get_Playoff_Team(17), 2);
    EXPECT_EQ(Get_Playoff_Team(19), 1);
    EXPECT_EQ(Get_Playoff_Team(5), 0);
    for (int nWeek = 17; nWeek <= 20; nWeek++) {
        Schedule_Playoff_Week(nWeek);
        Play_Playoff_Week(nWeek);
    }
    EXPECT_EQ(Get_Playoff_Team(28), 2);
    EXPECT_NE(Get_League_Champion(), NO_TEAM);
}

TEST_F(PlayoffsTest, SlotsOutsideTheBracketAreReported) {
    EXPECT_EQ(Get_Playoff_Team(31), NO_TEAM);
    EXPECT_TRUE(Logged("Invalid playoff slot in Get_Playoff_Team(31)"));
    EXPECT_EQ(Get_Playoff_Score(-1), -128);
    EXPECT_TRUE(Logged("Invalid playoff slot in Get_Playoff_Score(-1)"));
}

TEST_F(PlayoffsTest, MagicNumbersForLeaderAndChasers) {
    Make_League({0, 0, 0, 4});
    Add_Record(0, 10, 3);
    Add_Record(1, 8, 5);
    Add_Record(2, 3, 10);
    Recompute_Standings();
    EXPECT_EQ(Get_Magic_Number(0), 2);   // 17 - 10 - 5
    EXPECT_EQ(Get_Magic_Number(1), -2);  // 17 - 5 - 10
    EXPECT_EQ(Get_Magic_Number(2), TEAM_ELIMINATED);
    Add_Record(0, 2, 0);
    Recompute_Standings();
    EXPECT_EQ(Get_Magic_Number(0), 0);
}

// Three divisions: runners-up 1 (+6), 4 (+2), 7 (-2). The second of them is
// the rival; the rival itself chases the third.
TEST_F(PlayoffsTest, WildCardRivalIsTheSecondRunnerUp) {
    Make_League({0, 0, 0, 1, 1, 1, 2, 2, 2, 4});
    const int RECORDS[][3] = {{0, 12, 1}, {1, 9, 3}, {2, 2, 11}, {3, 12, 1}, {4, 7, 5},
                              {5, 6, 7},  {6, 12, 1}, {7, 5, 7},  {8, 1, 12}};
    for (const auto& r : RECORDS) Add_Record(r[0], r[1], r[2]);
    Recompute_Standings();
    EXPECT_EQ(Get_Wild_Card_Rival(2), 4);
    EXPECT_EQ(Get_Wild_Card_Rival(4), 7);
    EXPECT_EQ(Get_Magic_Number(5), -(17 - 7 - 7));  // the leader is out of reach, the rival is not
    EXPECT_EQ(Get_Magic_Number(8), TEAM_ELIMINATED);
    EXPECT_EQ(Get_Wild_Card_Rival(9), NO_TEAM);
}

TEST_F(FullBracketTest, ResultOutsideTheBracketPairingIsRefused) {
    Open_Playoffs();
    Record_Playoff_Result(1, 21, 4, 14);
    Record_Playoff_Result(1, 21, 4, 14);  // booked twice
    EXPECT_EQ(Get_Playoff_Team(24), NO_TEAM);
    Record_Playoff_Result(8, 30, 12, 0);  // not opponents
    EXPECT_EQ(Get_Playoff_Team(24), NO_TEAM);
    EXPECT_TRUE(Logged("Teams not paired in Record_Playoff_Result(8,12)"));
}
