// Passes, penalties and kicks: the rules that bound their outcomes.
#include <algorithm>
#include <cstring>

#include "base/random.h"
#include "game_test_support.h"

namespace {
int32_t& Predicted_Stat(TNUM nTeam, PNUM nSlot, int nStat) {
    return g_League.aTeams[nTeam].aPlayers[nSlot].anStats[PERIOD_PREDICTED][nStat];
}
int This_Season(TNUM nTeam, PNUM nSlot, int nStat) {
    return g_League.aTeams[nTeam].aPlayers[nSlot].anStats[PERIOD_THIS_SEASON][nStat];
}
constexpr PNUM QB1 = 0, K1 = 50, P1 = 51;
}  // namespace

class PlayTest : public GameTest {
  protected:
    // Both units on the field for formations nOffence and nDefence.
    void Line_Up(int nOffence, int nDefence) {
        m_Game.anFormation[Offence_Side(&m_Game)] = nOffence;
        m_Game.anFormation[Defence_Side(&m_Game)] = nDefence;
        Fill_Lineup(&m_Game, 0);
        Fill_Lineup(&m_Game, 1);
    }
};

TEST_F(PlayTest, PassOutcomeWeightsAreClampedToTheirShares) {
    int64_t anSure[PASS_OUTCOMES] = {0, 1000, 0, 0, 0};
    Clamp_Pass_Weights(anSure);
    EXPECT_EQ(anSure[PASS_COMPLETE], 750);
    EXPECT_EQ(anSure[PASS_INTERCEPTED], 10);
    int64_t anWild[PASS_OUTCOMES] = {500, 0, 500, 0, 0};
    Clamp_Pass_Weights(anWild);
    EXPECT_EQ(anWild[PASS_COMPLETE], 300);
    EXPECT_EQ(anWild[PASS_INTERCEPTED], 60);
    int64_t anNegative[PASS_OUTCOMES] = {-50, 400, 20, 300, 300};
    Clamp_Pass_Weights(anNegative);
    EXPECT_EQ(anNegative[PASS_INCOMPLETE], 0);
    EXPECT_EQ(anNegative[PASS_COMPLETE], 400);
    EXPECT_EQ(anNegative[PASS_INTERCEPTED], 20);
}

TEST_F(PlayTest, InvalidPassOutcomeIsReportedAndChangesNothing) {
    Start(600, 60);
    Line_Up(FORM_STANDARD, FORM_BASE);
    GameRecord before = m_Game;
    Do_Pass_Result(&m_Game, m_Game.anLineup[0][1], PASS_OUTCOMES, 10);
    EXPECT_TRUE(Logged("Invalid value in Do_Pass_Result()"));
    EXPECT_EQ(memcmp(&before, &m_Game, sizeof m_Game), 0);
}

TEST_F(PlayTest, SackNeverChangesPossessionNorCountsAsAnAttempt) {
    Start(600, 60);
    Line_Up(FORM_STANDARD, FORM_BASE);
    Do_Pass_Result(&m_Game, m_Game.anLineup[0][1], PASS_SACKED, 12);
    EXPECT_EQ(Play_Result(&m_Game.play), RESULT_SACKED);
    EXPECT_FALSE(Game_Turnover(&m_Game));
    EXPECT_LT(Game_Gain(&m_Game), 0);
    EXPECT_EQ(m_Game.anTeamStats[0][TG_PASS_ATTEMPTS], 0);
    EXPECT_EQ(m_Game.anTeamStats[1][TG_SACKS], 1);
    EXPECT_EQ(This_Season(0, QB1, SS_PASS_ATTEMPTS), 0);
}

TEST_F(PlayTest, CompletionToTheGoalLineOnATryIsTwoPoints) {
    Start(600, 2);
    Situation(0, DOWN_TRY, 2, 2);
    Line_Up(FORM_HEAVY, FORM_GOAL_LINE);
    Do_Pass_Result(&m_Game, m_Game.anLineup[0][3], PASS_COMPLETE, 2);
    EXPECT_EQ(Play_Result(&m_Game.play), RESULT_TWO_POINTS);
    EXPECT_EQ(This_Season(0, QB1, SS_PASS_TD), 0);  // no touchdown pass
}

TEST_F(PlayTest, CarrierWithoutFumblesNeverFumbles) {
    for (PNUM nSlot = 0; nSlot < 27; nSlot++) Predicted_Stat(0, nSlot, SS_FUMBLES) = 0;
    for (int i = 0; i < 300; i++) {
        Seed_Random(i + 1);
        Start(600, 60);
        Line_Up(FORM_STANDARD, FORM_BASE);
        Run_Play(&m_Game);
        ASSERT_FALSE(Game_Turnover(&m_Game));
        int nResult = Play_Result(&m_Game.play);
        ASSERT_TRUE(nResult >= RESULT_RUN_LEFT && nResult <= RESULT_TD_RUN) << nResult;
        if (nResult != RESULT_TD_RUN) {
            EXPECT_FALSE(Game_Clock_Stopped(&m_Game));
        }
    }
}

TEST_F(PlayTest, PenaltyYardsAreHalfTheDistanceAtMost) {
    EXPECT_EQ(Enforced_Penalty_Yards(PENALTY_PASS_INTERFERENCE, 40, 30), 29);  // into the end zone: ball at the 1
    EXPECT_EQ(Enforced_Penalty_Yards(PENALTY_PASS_INTERFERENCE, 30, 50), 25);
    EXPECT_EQ(Enforced_Penalty_Yards(PENALTY_HOLDING, 10, 94), -3);  // holding at the own 6
    EXPECT_EQ(Enforced_Penalty_Yards(PENALTY_HOLDING, 10, 50), -10);
    EXPECT_EQ(Enforced_Penalty_Yards(PENALTY_ENCROACHMENT, 5, 6), 3);
}

TEST_F(PlayTest, NoPenaltyOnFourthDownKicksTriesOrLateInTheHalf) {
    struct Case {
        int nElapsed, nDown;
    };
    const Case CASES[] = {{600, 3}, {600, DOWN_KICKOFF}, {600, DOWN_TRY}, {1800 - 119, 0}, {3600 - 60, 1}, {3600 + 900 - 100, 0}};
    for (const Case& c : CASES) {
        Start(c.nElapsed, 60);
        Situation(0, c.nDown, 10, 60);
        Line_Up(FORM_STANDARD, FORM_BASE);
        Seed_Random(3);
        uint32_t nNext = Random_Next();
        Seed_Random(3);
        for (int i = 0; i < 50; i++) EXPECT_FALSE(Penalty_Check(&m_Game));
        EXPECT_EQ(Random_Next(), nNext);  // nothing drawn
    }
}

TEST_F(PlayTest, IntentionalGroundingCostsTheDown) {
    int nFound = 0;
    for (uint32_t nSeed = 1; nSeed < 40000 && nFound < 3; nSeed++) {
        Seed_Random(nSeed);
        Start(600, 60);
        Situation(0, 2, 4, 60);
        Line_Up(FORM_STANDARD, FORM_BASE);
        if (!Penalty_Check(&m_Game) || Play_Amount(&m_Game.play) != PENALTY_INTENTIONAL_GROUNDING) continue;
        nFound++;
        EXPECT_EQ(Game_Down(&m_Game), 2);  // the flag is on third down until the result is applied
        Apply_Result(&m_Game, true);
        EXPECT_EQ(Game_Down(&m_Game), 3);
        EXPECT_EQ(Game_To_Go(&m_Game), 14);
        EXPECT_EQ(Game_Ball(&m_Game), 70);
        EXPECT_EQ(m_Game.anTeamStats[0][TG_THIRD_DOWNS], 1);
        EXPECT_EQ(m_Game.anTeamStats[0][TG_FOURTH_DOWNS], 0);
    }
    EXPECT_EQ(nFound, 3);
}

TEST_F(PlayTest, CalledPenaltiesAreBookedToThePenalisedSide) {
    int nCalled = 0;
    for (uint32_t nSeed = 1; nSeed < 3000; nSeed++) {
        Seed_Random(nSeed);
        Start(600, 60);
        Line_Up(FORM_STANDARD, FORM_BASE);
        if (!Penalty_Check(&m_Game)) continue;
        nCalled++;
        EXPECT_EQ(Play_Result(&m_Game.play), RESULT_PENALTY);
        int nSide = Game_Gain(&m_Game) > 0 ? 1 : 0;
        EXPECT_EQ(m_Game.anTeamStats[nSide][TG_PENALTIES], 1);
        EXPECT_EQ(m_Game.anTeamStats[nSide][TG_PENALTY_YARDS], Play_Yards(&m_Game.play));
    }
    EXPECT_GT(nCalled, 50);
    EXPECT_LT(nCalled, 600);
}

TEST_F(PlayTest, FieldGoalBeyondTheRangeIsNeverGood) {
    Predicted_Stat(0, K1, SS_FGA_50_PLUS) = 10;
    Predicted_Stat(0, K1, SS_FG_50_PLUS) = 0;  // L = 47..49 + 0 - 5
    for (int i = 0; i < 200; i++) {
        Seed_Random(i + 1);
        Start(600, 45);  // a 62-yard try
        Line_Up(FORM_FIELD_GOAL, FORM_KICK_BLOCK);
        Field_Goal_Play(&m_Game);
        ASSERT_EQ(Play_Result(&m_Game.play), RESULT_FIELD_GOAL_MISSED);
        Apply_Result(&m_Game, false);
        EXPECT_EQ(m_Game.nPossession, m_Game.anTeam[1]);
        EXPECT_EQ(Game_Ball(&m_Game), 48);  // 93 - 45
    }
    // A quarterback kicking: good only when random(50) is below 31 - 25.
    g_League.aTeams[0].aPlayers[K1].anVital[VS_POSITION] = POS_QB;
    int nMisses = 0;
    for (int i = 0; i < 20; i++) {
        Seed_Random(i + 1);
        Start(600, 8);
        Line_Up(FORM_FIELD_GOAL, FORM_KICK_BLOCK);
        Field_Goal_Play(&m_Game);
        if (Play_Result(&m_Game.play) != RESULT_FIELD_GOAL_MISSED) continue;
        nMisses++;
        Apply_Result(&m_Game, false);
        EXPECT_EQ(Game_Ball(&m_Game), 80);  // inside the 13 the ball comes out to the 20
    }
    EXPECT_GT(nMisses, 10);
}

TEST_F(PlayTest, KickerWhoMakesEveryExtraPointNeverMisses) {
    Predicted_Stat(0, K1, SS_PAT_ATTEMPTS) = 40;
    Predicted_Stat(0, K1, SS_PAT_MADE) = 40;
    for (int i = 0; i < 300; i++) {
        Seed_Random(i + 1);
        Start(600, 2);
        Situation(0, DOWN_TRY, 2, 2);
        Line_Up(FORM_EXTRA_POINT, FORM_KICK_BLOCK);
        Extra_Point_Play(&m_Game);
        ASSERT_EQ(Play_Result(&m_Game.play), RESULT_EXTRA_POINT);
    }
    EXPECT_EQ(This_Season(0, K1, SS_PAT_ATTEMPTS), 300);
    EXPECT_EQ(This_Season(0, K1, SS_PAT_MADE), 300);
}

TEST_F(PlayTest, KickoffsAreTouchbacksOrReturnsFromTheirLanding) {
    int nTouchbacks = 0;
    for (int i = 0; i < 400; i++) {
        Seed_Random(i + 1);
        Start(0, 70);
        Situation(0, DOWN_KICKOFF, 10, 70);
        Line_Up(FORM_KICKOFF, FORM_KICK_RETURN);
        Kickoff_Play(&m_Game);
        Apply_Result(&m_Game, false);
        ASSERT_EQ(m_Game.nPossession, m_Game.anTeam[1]);
        int nResult = Play_Result(&m_Game.play);
        if (nResult == RESULT_KICKOFF_TOUCHBACK) {
            nTouchbacks++;
            EXPECT_EQ(Game_Ball(&m_Game), 80);
        } else if (nResult == RESULT_KICKOFF_RETURN) {
            EXPECT_EQ(Game_Ball(&m_Game), Play_Amount(&m_Game.play));
            EXPECT_EQ(Game_Down(&m_Game), 0);
        } else {
            ASSERT_EQ(nResult, RESULT_KICKOFF_RETURN_TD);
            EXPECT_EQ(Game_Down(&m_Game), DOWN_TRY);
        }
    }
    // Two draws of 0..14 summing to 21 or more: 45 of 225.
    EXPECT_GT(nTouchbacks, 40);
    EXPECT_LT(nTouchbacks, 130);
}

TEST_F(PlayTest, PuntFromTheOpponents35StartsFromAShortAverage) {
    Predicted_Stat(0, P1, SS_PUNTS) = 50;
    Predicted_Stat(0, P1, SS_PUNT_YARDS) = 2500;  // a 50.0 average
    int nLongest = 0;
    for (int i = 0; i < 300; i++) {
        Seed_Random(i + 1);
        Start(600, 35);
        Situation(0, 3, 10, 35);
        Line_Up(FORM_PUNT, FORM_PUNT_RETURN);
        Punt_Play(&m_Game);
        nLongest = std::max(nLongest, Play_Yards(&m_Game.play));
        int nResult = Play_Result(&m_Game.play);
        ASSERT_TRUE(nResult == RESULT_PUNT || nResult == RESULT_PUNT_TOUCHBACK || nResult == RESULT_PUNT_RETURN_TD);
    }
    EXPECT_LE(nLongest, 35);  // touchbacks count to the goal line only
}

TEST_F(PlayTest, NoEligibleReturnerIsAnAssertion) {
    EXPECT_EQ(Get_Eligible_Returner(0, 0), 3);  // the first running back
    EXPECT_EQ(Get_Eligible_Returner(0, 200), 0);
    ASSERT_EQ(Headless_Notices().size(), 1u);
    EXPECT_EQ(Headless_Notices()[0].title, "Assertion Failure");
    EXPECT_EQ(Headless_Notices()[0].text, "Error in Get_Eligible_Returner()");
}

namespace {
int Position_Of(TNUM nTeam, PNUM nSlot) { return g_League.aTeams[nTeam].aPlayers[nSlot].anVital[VS_POSITION]; }
bool Find_In(TNUM nTeam, int nID, PNUM* pSlot) {
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (g_League.aTeams[nTeam].aPlayers[nSlot].anVital[VS_PLAYER_ID] == nID) return *pSlot = nSlot, true;
    return false;
}
}  // namespace

TEST_F(PlayTest, AFlagNeverBecomesACatchOrAFieldGoal) {
    int nOnSkill = 0, nOnCounters = 0;
    for (uint32_t nSeed = 1; nSeed < 6000; nSeed++) {
        Seed_Random(nSeed);
        Start(600, 60);
        Line_Up(FORM_STANDARD, FORM_BASE);
        if (!Penalty_Check(&m_Game)) continue;
        int nSide = Game_Gain(&m_Game) > 0 ? 1 : 0;
        TNUM nTeam = m_Game.anTeam[nSide];
        PNUM nSlot;
        ASSERT_TRUE(Find_In(nTeam, m_Game.play.nFirst, &nSlot));
        int nGroup = Position_Group(Position_Of(nTeam, nSlot));
        nOnSkill += nGroup == GROUP_SKILL;
        nOnCounters += nGroup == GROUP_LINE || nGroup == GROUP_DEFENCE;
    }
    EXPECT_GT(nOnSkill, 0);
    EXPECT_GT(nOnCounters, 0);
    int nCounted = 0;
    for (TNUM nTeam = 0; nTeam < 2; nTeam++)
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            int nGroup = Position_Group(Position_Of(nTeam, nSlot));
            if (nGroup == GROUP_SKILL) {
                EXPECT_EQ(This_Season(nTeam, nSlot, SS_RECEPTIONS), 0) << (int)nSlot;
                EXPECT_EQ(This_Season(nTeam, nSlot, SS_RECEIVING_YARDS), 0) << (int)nSlot;
            } else if (nGroup == GROUP_KICKERS) {
                EXPECT_EQ(This_Season(nTeam, nSlot, SS_FGA_UNDER_30), 0) << (int)nSlot;
                EXPECT_EQ(This_Season(nTeam, nSlot, SS_FG_UNDER_30), 0) << (int)nSlot;
            } else {
                nCounted += This_Season(nTeam, nSlot, SS_PENALTIES);
            }
        }
    EXPECT_GT(nCounted, 0);
}

TEST_F(PlayTest, ManyCatchesDoNotDrawTheFlags) {
    Start(600, 60);
    Line_Up(FORM_STANDARD, FORM_BASE);
    int nReceiver = -1;
    for (int i = 0; i < LINEUP_SIZE && nReceiver < 0; i++)
        if (Lineup_Position(&m_Game, 0, i) == POS_WR) nReceiver = i;
    ASSERT_GE(nReceiver, 0);
    Predicted_Stat(0, m_Game.anLineup[0][nReceiver], SS_RECEPTIONS) = 400;
    int nOffence = 0, nOnHim = 0;
    for (uint32_t nSeed = 1; nSeed < 20000; nSeed++) {
        Seed_Random(nSeed);
        Start(600, 60);
        Line_Up(FORM_STANDARD, FORM_BASE);
        if (!Penalty_Check(&m_Game) || Game_Gain(&m_Game) > 0) continue;
        nOffence++;
        nOnHim += m_Game.play.nFirst == Lineup_ID(&m_Game, 0, nReceiver);
    }
    ASSERT_GT(nOffence, 100);
    EXPECT_LT(nOnHim * 4, nOffence);  // one of eleven, not most of them
}
