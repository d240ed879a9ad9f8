// The pass: its length, the five outcomes and what each one credits.
#include <algorithm>

#include "base/random.h"
#include "database/team.h"
#include "platform/platform.h"
#include "simulation/game_internal.h"

namespace {
constexpr int PASSER = 0;

void Credit(GameRecord* g, int nSide, int nIndex, int nGroup, int nStat, int nAmount) {
    Increment_Stat(g, g->anTeam[nSide], g->anLineup[nSide][nIndex], nGroup, nStat, nAmount);
}

int Pass_Length(GameRecord* g, int nTarget) {
    int nOffence = Offence_Side(g);
    int L = Ratio(10, Predicted(g, nOffence, nTarget, SS_RECEIVING_YARDS),
                  Predicted(g, nOffence, nTarget, SS_RECEPTIONS));
    int Q = Ratio(10, Predicted(g, nOffence, PASSER, SS_PASS_YARDS), Predicted(g, nOffence, PASSER, SS_COMPLETIONS));
    int O = Q > 0 ? (int)((int64_t)L * Q / 120) : L / 2;
    int R = Perturb(O, 500, 2);
    if (Random(1000) < L / 2) R += Random(1000);
    int nLength = (R + 5) / 10;
    if (Random(100) < 60) {
        int H = (R + 5) / 20;
        int nToGo = Game_To_Go(g);
        if (nToGo < H)
            nLength = H;
        else if (nLength < nToGo)
            nLength *= 2;
    }
    return Min(nLength, Game_Ball(g));
}
}  // namespace

void Pass_Outcome_Weights(const GameRecord* g, int nLength, int64_t anWeight[PASS_OUTCOMES]) {
    int nOffence = Offence_Side(g), nDefence = 1 - nOffence;
    int64_t P = Predicted(g, nOffence, PASSER, SS_PASS_ATTEMPTS);
    int64_t C = Predicted(g, nOffence, PASSER, SS_COMPLETIONS);
    int64_t I = Predicted(g, nOffence, PASSER, SS_INTERCEPTIONS_THROWN);
    int64_t Q = Ratio(10, Predicted(g, nOffence, PASSER, SS_PASS_YARDS), C);
    int64_t a = nLength;
    int nBall = Game_Ball(g);
    int nMobility = Max(1, Game_Player_Rating(g->anTeam[nOffence], g->anLineup[nOffence][PASSER], RATING_MOBILITY));
    static const int COVERAGE[4] = {SS_SACKS, SS_FORCED_FUMBLES, SS_KNOCKDOWNS, SS_INTERCEPTIONS};
    int anCoverage[4];
    Lineup_Stat_Sums(g, nDefence, GROUP_DEFENCE, 4, COVERAGE, anCoverage);
    int64_t V = Clamp(400, (int)(1000LL * (anCoverage[2] + anCoverage[3]) / 75), 2500);
    int64_t B = Clamp(400, (int)(V / 7 + 70 * anCoverage[3]), 2500);
    int64_t T = Clamp(500, 8 * Lineup_Rating_Sum(g, nOffence, 6, 10, RATING_PASS_BLOCKING) - 2000, 2000);
    if (Quarter(g) >= 4) T = T * Endurance_Factor(g) / 1000;
    int64_t U = Clamp(400, (int)(1000LL * (anCoverage[0] + anCoverage[1]) / 80), 2500);

    int64_t K = (C * 280 / 1000) * V / 1000;
    int64_t N = Max(0, (int)(P - C - I - C * 280 / 1000)) * V / 1000;
    N = Safe_Div(N * (10 * a + 2 * Q), 3 * Q);
    int64_t X = Safe_Div(I * (Q + 10 * a), 2 * Q);
    X = X * B / 1000;
    if (Game_Down(g) == 3 && a > 5) {
        K += X;
        X /= 5;
    }
    int64_t S = (P * 90 / 1000) * U / 1000;
    S = S * (2000 - T) / 1000;
    S = S * 75 / nMobility;
    S = S * 10 * a / 120;
    int64_t M = C * (T + 2000) / (U + 2000);
    M = M * Offence_Factor(g) / 1000;
    if (nBall < 20) M = M * (35 * nBall + 300) / 1000;
    if (a >= nBall) {
        int64_t nTouchdowns = Min(2375, Safe_Div(20000 * Predicted(g, nOffence, PASSER, SS_PASS_TD), P));
        M = M * (nTouchdowns + 1000) / 2000;
    }
    int64_t nThisSeason =
        Game_Player_Stat(g->anTeam[nOffence], g->anLineup[nOffence][PASSER], PERIOD_THIS_SEASON, SS_PASS_ATTEMPTS);
    if (nThisSeason > P) {
        N = Safe_Div(N * nThisSeason, P);
        X = Safe_Div(X * nThisSeason, P);
    }
    int64_t nComplete = nOffence == 1 ? 1050 : 1000, nOther = nOffence == 1 ? 1000 : 1050;
    TNUM nTeam = g->anTeam[nOffence];
    if (Human_Managed(nTeam) && nTeam == Get_Game_State(GS_MANAGED_TEAM)) {
        int nShift = 5 * Get_Game_State(GS_DIFFICULTY) - 5;
        nComplete += nShift;
        nOther -= nShift;
    }
    anWeight[PASS_INCOMPLETE] = N * nOther / 100;
    anWeight[PASS_COMPLETE] = M * nComplete / 100;
    anWeight[PASS_INTERCEPTED] = X * nOther / 100;
    anWeight[PASS_SACKED] = S * nOther / 100;
    anWeight[PASS_KNOCKED_DOWN] = K * nOther / 100;
    Clamp_Pass_Weights(anWeight);
}

// Completions keep 30..75 % and interceptions 1..6 % of the five weights.
void Clamp_Pass_Weights(int64_t anWeight[PASS_OUTCOMES]) {
    int64_t Z = 0;
    for (int i = 0; i < PASS_OUTCOMES; i++) Z += anWeight[i] = std::max<int64_t>(0, anWeight[i]);
    anWeight[PASS_COMPLETE] = std::max(Z * 30 / 100, std::min(anWeight[PASS_COMPLETE], Z * 75 / 100));
    anWeight[PASS_INTERCEPTED] = std::max(Z / 100, std::min(anWeight[PASS_INTERCEPTED], Z * 6 / 100));
}

void Pass_Play(GameRecord* g) {
    int nTarget = Choose_Pass_Target(g);
    int nLength = Pass_Length(g, nTarget);
    int64_t anWeight[PASS_OUTCOMES];
    Pass_Outcome_Weights(g, nLength, anWeight);
    int64_t nSum = 0;
    for (int64_t n : anWeight) nSum += n;
    int nOutcome = PASS_INCOMPLETE;
    if (nSum <= 0) {
        nOutcome = Random(PASS_OUTCOMES);
    } else {
        int64_t x = Random((int)std::min<int64_t>(nSum, 1 << 30));
        int64_t nRunning = 0;
        for (nOutcome = PASS_INCOMPLETE; nOutcome < PASS_OUTCOMES - 1; nOutcome++) {
            nRunning += anWeight[nOutcome];
            if (nRunning > x) break;
        }
    }
    Do_Pass_Result(g, g->anLineup[Offence_Side(g)][nTarget], nOutcome, nLength);
}

namespace {
int Lineup_Index(const GameRecord* g, int nSide, PNUM nSlot) {
    for (int i = 0; i < LINEUP_SIZE; i++)
        if (g->anLineup[nSide][i] == nSlot) return i;
    return 1;
}

void Not_Caught(GameRecord* g, int nLength) {
    int nOffence = Offence_Side(g);
    Set_Game_Clock_Stopped(g, true);
    Add_Game_Play_Time(g, Random(5) + nLength / 10 + 4);
    Credit(g, nOffence, PASSER, GROUP_SKILL, SS_PASS_ATTEMPTS, 1);
    g->anTeamStats[nOffence][TG_PASS_ATTEMPTS]++;
}
}  // namespace

void Do_Pass_Result(GameRecord* g, PNUM nTargetSlot, int nOutcome, int nLength) {
    if (nOutcome < 0 || nOutcome >= PASS_OUTCOMES) {
        Error_Log("Invalid value in Do_Pass_Result()");
        return;
    }
    int nOffence = Offence_Side(g), nDefence = 1 - nOffence;
    int nTarget = Lineup_Index(g, nOffence, nTargetSlot);
    int nBall = Game_Ball(g);
    int nTargetID = Lineup_ID(g, nOffence, nTarget);
    switch (nOutcome) {
    case PASS_INCOMPLETE:
        Not_Caught(g, nLength);
        g->play.nFirst = nTargetID;
        g->play.nSecond = Lineup_ID(g, nOffence, PASSER);
        Set_Play_Result(&g->play, RESULT_INCOMPLETE);
        break;
    case PASS_COMPLETE: {
        int nChance = Offence_Hurrying(g) ? 85 : 25;
        Set_Game_Clock_Stopped(g, Random(100) < nChance);
        Set_Game_Gain(g, nLength);
        Set_Play_Yards(&g->play, nLength);
        Add_Game_Play_Time(g, Random(6) + nLength / 5 + 5);
        if (nLength < nBall) {
            int nTackler = Weighted_Draw(g, nDefence, GROUP_DEFENCE, SS_TACKLES);
            Credit(g, nDefence, nTackler, GROUP_DEFENCE, SS_TACKLES, 1);
            Set_Play_Result(&g->play, RESULT_COMPLETE);
        } else if (Game_Down(g) == DOWN_TRY) {
            Set_Play_Result(&g->play, RESULT_TWO_POINTS);
        } else {
            Set_Play_Result(&g->play, RESULT_TD_PASS);
            Credit(g, nOffence, PASSER, GROUP_SKILL, SS_PASS_TD, 1);
            Credit(g, nOffence, nTarget, GROUP_SKILL, SS_RECEIVING_TD, 1);
        }
        Credit(g, nOffence, PASSER, GROUP_SKILL, SS_PASS_ATTEMPTS, 1);
        Credit(g, nOffence, PASSER, GROUP_SKILL, SS_COMPLETIONS, 1);
        Credit(g, nOffence, PASSER, GROUP_SKILL, SS_PASS_YARDS, nLength);
        Credit(g, nOffence, nTarget, GROUP_SKILL, SS_RECEPTIONS, 1);
        Credit(g, nOffence, nTarget, GROUP_SKILL, SS_RECEIVING_YARDS, nLength);
        g->anTeamStats[nOffence][TG_PASS_ATTEMPTS]++;
        g->anTeamStats[nOffence][TG_COMPLETIONS]++;
        g->anTeamStats[nOffence][TG_PASS_YARDS] += nLength;
        g->play.nFirst = nTargetID;
        g->play.nSecond = Lineup_ID(g, nOffence, PASSER);
        break;
    }
    case PASS_INTERCEPTED: {
        Set_Game_Clock_Stopped(g, false);
        Add_Game_Play_Time(g, Random(10) + nLength / 10 + 6);
        int nInterceptor = Weighted_Draw(g, nDefence, GROUP_DEFENCE, SS_INTERCEPTIONS);
        Credit(g, nDefence, nInterceptor, GROUP_DEFENCE, SS_INTERCEPTIONS, 1);
        g->anTeamStats[nOffence][TG_TURNOVERS]++;
        g->anTeamStats[nOffence][TG_PASS_ATTEMPTS]++;
        Credit(g, nOffence, PASSER, GROUP_SKILL, SS_PASS_ATTEMPTS, 1);
        Credit(g, nOffence, PASSER, GROUP_SKILL, SS_INTERCEPTIONS_THROWN, 1);
        Set_Game_Turnover(g, true);
        int E = Random(25), F = Random(6);
        int nAdvance = E * F - Random(E * F + 1) - nLength;
        int nDistance = 100 - nBall + nLength;
        if (nAdvance + nLength >= nDistance) {
            nAdvance = 100 - nBall;
            Credit(g, nDefence, nInterceptor, GROUP_DEFENCE, SS_DEFENSIVE_TD, 1);
            Set_Play_Result(&g->play, RESULT_INTERCEPTION_TD);
        } else {
            Set_Play_Result(&g->play, RESULT_INTERCEPTED);
        }
        Set_Game_Gain(g, nAdvance);
        Set_Play_Yards(&g->play, Max(0, nAdvance + nLength));
        g->play.nFirst = Lineup_ID(g, nDefence, nInterceptor);
        g->play.nSecond = nTargetID;
        break;
    }
    case PASS_SACKED: {
        Set_Game_Clock_Stopped(g, false);
        // Half sacks: a whole one, or one shared by two.
        int nSacker = Weighted_Draw(g, nDefence, GROUP_DEFENCE, SS_SACKS);
        if (Random(100) < 75) {
            Credit(g, nDefence, nSacker, GROUP_DEFENCE, SS_SACKS, 2);
        } else {
            Credit(g, nDefence, nSacker, GROUP_DEFENCE, SS_SACKS, 1);
            int nHelper = Weighted_Draw(g, nDefence, GROUP_DEFENCE, SS_SACKS);
            Credit(g, nDefence, nHelper, GROUP_DEFENCE, SS_SACKS, 1);
        }
        g->anTeamStats[nDefence][TG_SACKS]++;
        int nCharge = Random(100);
        int nLinemen = nCharge < 25 ? 1 : nCharge < 50 ? 2 : nCharge < 75 ? 4 : 0;
        // Quarter sacks, shared by the linemen blamed.
        for (int i = 0; i < nLinemen; i++) {
            int nBlamed = Weighted_Draw(g, nOffence, GROUP_LINE, SS_SACKS_ALLOWED);
            Credit(g, nOffence, nBlamed, GROUP_LINE, SS_SACKS_ALLOWED, 4 / nLinemen);
        }
        int H = Random(5);
        int nLoss = Min(H + 5, (H + nLength + 5) / 2);
        Add_Game_Play_Time(g, Random(5) + 5);
        Set_Game_Gain(g, -nLoss);
        Set_Play_Yards(&g->play, nLoss);
        Set_Play_Result(&g->play, RESULT_SACKED);
        g->play.nFirst = Lineup_ID(g, nOffence, PASSER);
        g->play.nSecond = Lineup_ID(g, nDefence, nSacker);
        break;
    }
    default: {  // PASS_KNOCKED_DOWN
        Not_Caught(g, nLength);
        int nDefender = Weighted_Draw(g, nDefence, GROUP_DEFENCE, SS_KNOCKDOWNS);
        Credit(g, nDefence, nDefender, GROUP_DEFENCE, SS_KNOCKDOWNS, 1);
        g->play.nFirst = Lineup_ID(g, nDefence, nDefender);
        g->play.nSecond = nTargetID;
        Set_Play_Result(&g->play, RESULT_KNOCKED_DOWN);
        break;
    }
    }
}
