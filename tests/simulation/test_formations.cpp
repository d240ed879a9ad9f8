// Depth charts with their substitutes, and the coaches' calls.
#include <cstring>

#include "base/random.h"
#include "game_test_support.h"

namespace {
void Injure(TNUM nTeam, PNUM nSlot) { g_League.aTeams[nTeam].aPlayers[nSlot].anVital[VS_INJURY_WEEKS] = 3; }
int Position(TNUM nTeam, PNUM nSlot) { return g_League.aTeams[nTeam].aPlayers[nSlot].anVital[VS_POSITION]; }
}  // namespace

TEST_F(GameTest, DepthChartSkipsTheInjuredAndFallsBackToShallowerDepths) {
    // Quarterbacks are slots 0..2.
    EXPECT_EQ(Get_Team_Position(0, POS_QB, 1, nullptr, 0), 1);
    Injure(0, 1);
    EXPECT_EQ(Get_Team_Position(0, POS_QB, 1, nullptr, 0), 2);
    Injure(0, 2);
    EXPECT_EQ(Get_Team_Position(0, POS_QB, 1, nullptr, 0), 0);  // the only healthy one
    Injure(0, 0);
    EXPECT_EQ(Position(0, Get_Team_Position(0, POS_QB, 0, nullptr, 0)), POS_RB);
}

TEST_F(GameTest, UsedPlayersAreNotTakenTwice) {
    PNUM anUsed[LINEUP_SIZE];
    for (PNUM& n : anUsed) n = NO_PLAYER;
    PNUM nFirst = Get_Team_Position(0, POS_K, 0, anUsed, 0);
    PNUM nSecond = Get_Team_Position(0, POS_K, 0, anUsed, 0);
    EXPECT_EQ(Position(0, nFirst), POS_K);
    EXPECT_EQ(Position(0, nSecond), POS_P);  // the kicker's first substitute
    EXPECT_EQ(anUsed[0], nFirst);
    EXPECT_EQ(anUsed[1], nSecond);
}

TEST_F(GameTest, NegativeDepthIsReportedAndTheSearchGoesOn) {
    EXPECT_EQ(Get_Team_Position(0, POS_QB, -1, nullptr, 0), 0);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "System Error");
    EXPECT_EQ(Headless_Notices()[0].text, "Bad nIndex in Get_Team_Position(0,0,<-1>,--,0)");
}

TEST_F(GameTest, ReturnerFallsBackToTheOtherThenToTheFourthReceiver) {
    PNUM nKick = g_League.aTeams[0].data.abReturners[KICK_RETURNER];
    PNUM nPunt = g_League.aTeams[0].data.abReturners[PUNT_RETURNER];
    EXPECT_EQ(Get_Team_Position(0, CHART_RETURNER, 0, nullptr, 0), nKick);
    Injure(0, nKick);
    EXPECT_EQ(Get_Team_Position(0, CHART_RETURNER, 0, nullptr, 0), nPunt);
    Injure(0, nPunt);
    PNUM nFourth = Get_Team_Position(0, POS_WR, 3, nullptr, 0);
    EXPECT_EQ(Get_Team_Position(0, CHART_RETURNER, 0, nullptr, 0), nFourth);
}

TEST_F(GameTest, EmptyRosterStillGivesASlotInRange) {
    memset(g_League.aTeams[0].aPlayers, 0, sizeof g_League.aTeams[0].aPlayers);
    PNUM nSlot = Get_Team_Position(0, POS_LB, 3, nullptr, 0);
    EXPECT_GE(nSlot, 0);
    EXPECT_LT(nSlot, PLAYERS_PER_TEAM);
}

TEST_F(GameTest, GarbageTimePutsBackupsOnTheField) {
    Start(2600);
    m_Game.anScore[1] = 30;
    m_Game.anFormation[0] = FORM_STANDARD;
    Fill_Lineup(&m_Game, 0);
    EXPECT_EQ(m_Game.anLineup[0][0], 0);  // no garbage time in the third quarter
    Set_Game_Elapsed(&m_Game, 3000);
    ASSERT_TRUE(Garbage_Time(&m_Game));
    Fill_Lineup(&m_Game, 0);
    EXPECT_EQ(m_Game.anLineup[0][0], 1);  // QB2
    EXPECT_TRUE(g_League.aTeams[0].aPlayers[1].anVital[VS_PLAYED]);
    m_Game.anFormation[0] = FORM_PUNT;
    Fill_Lineup(&m_Game, 0);
    EXPECT_EQ(Position(0, m_Game.anLineup[0][0]), POS_P);
}

TEST_F(GameTest, FourthDownCalls) {
    // Fourth and 1 at the opponent's 30 with a kicker range of 37: go for it; fourth and 2: kick.
    EXPECT_TRUE(Go_For_It(37, 30, 1));
    EXPECT_FALSE(Go_For_It(37, 30, 2));
    EXPECT_FALSE(Go_For_It(40, 80, 1));
}

TEST_F(GameTest, TwoPointChart) {
    for (int nMargin = -30; nMargin <= 20; nMargin++) {
        bool bGo = nMargin == -16 || nMargin == -12 || nMargin == -9 || nMargin == -5 || nMargin == -2 ||
                   nMargin == 1 || nMargin == 5;
        EXPECT_EQ(Go_For_Two(nMargin), bGo) << nMargin;
    }
    Start(60, 2);
    Situation(0, DOWN_TRY, 2, 2);
    m_Game.anScore[0] = 6;
    m_Game.anScore[1] = 8;  // trailing by 2 after the touchdown, first quarter
    Set_Team_Formations(&m_Game);
    EXPECT_EQ(m_Game.anFormation[0], FORM_HEAVY);
    EXPECT_EQ(m_Game.anFormation[1], FORM_GOAL_LINE);
    m_Game.anScore[1] = 0;
    Set_Team_Formations(&m_Game);
    EXPECT_EQ(m_Game.anFormation[0], FORM_EXTRA_POINT);
    EXPECT_EQ(m_Game.anFormation[1], FORM_KICK_BLOCK);
}

TEST_F(GameTest, OvertimeKickInsideHalfTheRangeOnFirstDown) {
    Start(3700, 10);
    Set_Team_Formations(&m_Game);
    EXPECT_EQ(m_Game.anFormation[0], FORM_FIELD_GOAL);
    Set_Game_Elapsed(&m_Game, 1000);
    Set_Team_Formations(&m_Game);
    EXPECT_EQ(m_Game.anFormation[0], FORM_STANDARD);
    EXPECT_EQ(m_Game.anFormation[1], FORM_BASE);
}

TEST_F(GameTest, KickoffsAndUnknownDownFlags) {
    Start(0, 70);
    Situation(0, DOWN_FREE_KICK, 10, 70);
    Set_Team_Formations(&m_Game);
    EXPECT_EQ(m_Game.anFormation[0], FORM_KICKOFF);
    EXPECT_EQ(m_Game.anFormation[1], FORM_KICK_RETURN);
    Situation(0, 7, 10, 70);
    Set_Team_Formations(&m_Game);
    EXPECT_EQ(m_Game.anFormation[0], FORM_KICKOFF);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Set_Team_Formations()");
    EXPECT_EQ(Headless_Notices()[0].text, "Unrecognized Down Flag: 7");
}

TEST_F(GameTest, HurryUpCallsForTheTrailingOffence) {
    Start(3600 - 100, 60);
    m_Game.anScore[1] = 10;
    ASSERT_TRUE(Offence_Hurrying(&m_Game));
    Set_Team_Formations(&m_Game);
    EXPECT_EQ(m_Game.anFormation[0], FORM_FOUR_WIDE);
    EXPECT_EQ(m_Game.anFormation[1], FORM_PREVENT);
    Situation(0, 3, 8, 60);
    Set_Team_Formations(&m_Game);
    EXPECT_EQ(m_Game.anFormation[0], FORM_FOUR_WIDE);  // behind on fourth down: no punt
}

TEST_F(GameTest, TryCanBeRunOrPassed) {
    int nRuns = 0, nTries = 400;
    for (int i = 0; i < nTries; i++) {
        Seed_Random(i + 1);
        Start(600, 2);
        Situation(0, DOWN_TRY, 2, 2);
        m_Game.anFormation[0] = FORM_HEAVY;
        m_Game.anFormation[1] = FORM_GOAL_LINE;
        Fill_Lineup(&m_Game, 0);
        Fill_Lineup(&m_Game, 1);
        nRuns += Choose_Run(&m_Game);
    }
    EXPECT_GT(nRuns, nTries / 10);
    EXPECT_LT(nRuns, nTries - nTries / 10);
}

// A lineup kept from earlier snaps must be the one a fresh look at the depth
// chart gives, whoever got hurt in between: also players it does not hold,
// like the receivers ahead of the fourth one on the kick-return unit.
TEST_F(GameTest, KeptLineupsFollowInjuries) {
    Start();
    const PNUM HURT[] = {11, 14, 0, 43, 12, 50, 17, 27, 3, 13, 44, 1, 51};
    for (PNUM nHurt : HURT) {
        for (int nFormation = 0; nFormation < NUMBER_OF_FORMATIONS; nFormation++) {
            m_Game.anFormation[0] = nFormation;
            Fill_Lineup(&m_Game, 0);
        }
        Injure(0, nHurt);
        Player_Hurt(&m_Game, 0, nHurt);
        PNUM aanKept[NUMBER_OF_FORMATIONS][LINEUP_SIZE];
        for (int nFormation = 0; nFormation < NUMBER_OF_FORMATIONS; nFormation++) {
            m_Game.anFormation[0] = nFormation;
            Fill_Lineup(&m_Game, 0);
            memcpy(aanKept[nFormation], m_Game.anLineup[0], LINEUP_SIZE);
        }
        Load_Game_Rosters(&m_Game);
        for (int nFormation = 0; nFormation < NUMBER_OF_FORMATIONS; nFormation++) {
            m_Game.anFormation[0] = nFormation;
            Fill_Lineup(&m_Game, 0);
            EXPECT_EQ(memcmp(aanKept[nFormation], m_Game.anLineup[0], LINEUP_SIZE), 0)
                << "formation " << nFormation << " after slot " << (int)nHurt << " was hurt";
        }
    }
}
