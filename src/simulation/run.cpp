// The run: the carrier's yards against the defence, fumbles, and the team factors shared with the pass.
#include "base/random.h"
#include "database/team.h"
#include "platform/platform.h"
#include "simulation/game_internal.h"

namespace {
void Credit(GameRecord* g, int nSide, int nIndex, int nGroup, int nStat, int nAmount) {
    Increment_Stat(g, g->anTeam[nSide], g->anLineup[nSide][nIndex], nGroup, nStat, nAmount);
}

void Team_Stat(GameRecord* g, int nSide, int nStat, int nAmount) { g->anTeamStats[nSide][nStat] += nAmount; }

void Set_Players(GameRecord* g, int nFirstSide, int nFirst, int nSecondSide, int nSecond) {
    g->play.nFirst = Lineup_ID(g, nFirstSide, nFirst);
    g->play.nSecond = nSecond < 0 ? -1 : Lineup_ID(g, nSecondSide, nSecond);
}

int Run_Defence_Factor(const GameRecord* g) {
    int nSide = Defence_Side(g);
    static const int TACKLES[2] = {SS_TACKLES, SS_ASSISTS};
    int anSum[2];
    Lineup_Stat_Sums(g, nSide, GROUP_DEFENCE, 2, TACKLES, anSum);
    int nSum = 2 * anSum[0] + anSum[1];
    return Clamp(500, (int)((int64_t)1000 * nSum / 1100), 2000);
}

}  // namespace

int Endurance_Factor(const GameRecord* g) {
    return Clamp(500, 3 * Lineup_Rating_Sum(g, Offence_Side(g), 6, 10, RATING_ENDURANCE) - 50, 2000);
}

namespace {
int Run_Blocking_Factor(const GameRecord* g) {
    int nSide = Offence_Side(g);
    int nFactor = 2 * (Lineup_Rating_Sum(g, nSide, 6, 10, RATING_RUSH_BLOCKING) +
                       Lineup_Rating_Sum(g, nSide, 2, 3, RATING_BLOCKING)) - 50;
    if (Quarter(g) >= 4) nFactor = nFactor * Endurance_Factor(g) / 1000;
    return nFactor;
}

int Ball_Hawk_Factor(const GameRecord* g) {
    int nSide = Defence_Side(g);
    static const int TAKEAWAYS[2] = {SS_FORCED_FUMBLES, SS_FUMBLE_RECOVERIES};
    int anSum[2];
    Lineup_Stat_Sums(g, nSide, GROUP_DEFENCE, 2, TAKEAWAYS, anSum);
    return Clamp(400, 50 * (anSum[0] + anSum[1]) + 200, 2500);
}

void Fumble(GameRecord* g, int nCarrier, int r) {
    int nOffence = Offence_Side(g), nDefence = 1 - nOffence;
    int nBall = Game_Ball(g);
    int nG = Random(10), nH = Random(10);
    Credit(g, nOffence, nCarrier, GROUP_SKILL, SS_RUSHES, 1);
    Credit(g, nOffence, nCarrier, GROUP_SKILL, SS_RUSH_YARDS, nG + nH - 5);
    Credit(g, nOffence, nCarrier, GROUP_SKILL, SS_FUMBLES, 1);
    Team_Stat(g, nOffence, TG_RUSHES, 1);
    Team_Stat(g, nOffence, TG_RUSH_YARDS, nG + nH - 5);
    Team_Stat(g, nOffence, TG_TURNOVERS, 1);
    int nForcer = r % 4 == 0 ? Random(LINEUP_SIZE) : Weighted_Draw(g, nDefence, GROUP_DEFENCE, SS_FORCED_FUMBLES);
    Credit(g, nDefence, nForcer, GROUP_DEFENCE, SS_FORCED_FUMBLES, 1);
    int nRecoverer = r % 4 == 1 ? Random(LINEUP_SIZE) : Weighted_Draw(g, nDefence, GROUP_DEFENCE, SS_FUMBLE_RECOVERIES);
    Add_Game_Play_Time(g, Random(8) + 8);
    Set_Game_Clock_Stopped(g, false);
    Set_Game_Turnover(g, true);
    int nL = Random(12), nM = Random(12);
    int nAdvance = nG + nH - nL * nM / 5 - 5;
    int nDistance = 100 - nBall;
    if (nAdvance >= nDistance) {
        nAdvance = nDistance;
        Credit(g, nDefence, nRecoverer, GROUP_DEFENCE, SS_DEFENSIVE_TD, 1);
        Set_Game_Clock_Stopped(g, true);
        Set_Play_Result(&g->play, RESULT_FUMBLE_TD);
    } else {
        Set_Play_Result(&g->play, RESULT_FUMBLE);
    }
    Set_Game_Gain(g, nAdvance);
    Set_Play_Yards(&g->play, nAdvance);
    Set_Players(g, nDefence, nRecoverer, nOffence, nCarrier);
}
}  // namespace

int Offence_Factor(const GameRecord* g) {
    int nOffence = Offence_Side(g);
    static const int YARDS[2] = {SS_RUSH_YARDS, SS_RECEIVING_YARDS};
    int anSum[2];
    Lineup_Stat_Sums(g, nOffence, GROUP_SKILL, 2, YARDS, anSum);
    int nSum = anSum[0] + anSum[1];
    int nHome = Playoff_Game(g) ? 100 : 50;
    int nFactor = nSum / 20 + 800 + (nOffence == 1 ? nHome : -nHome);
    int nDifficulty = Get_Game_State(GS_DIFFICULTY);
    if (Human_Managed(g->anTeam[nOffence])) nFactor -= 50 * nDifficulty;
    if (Human_Managed(g->anTeam[1 - nOffence])) nFactor += 50 * nDifficulty;
    return Clamp(666, nFactor, 1500);
}

void Run_Play(GameRecord* g) {
    int nOffence = Offence_Side(g), nDefence = 1 - nOffence;
    TNUM nTeam = g->anTeam[nOffence];
    int nCarrier;
    int nDirection = Choose_Run_Direction(g, &nCarrier);
    PNUM nSlot = g->anLineup[nOffence][nCarrier];
    int nBall = Game_Ball(g);
    int nRushes = Game_Player_Stat(nTeam, nSlot, PERIOD_PREDICTED, SS_RUSHES);
    int nFumbles = Game_Player_Stat(nTeam, nSlot, PERIOD_PREDICTED, SS_FUMBLES);
    int nExpected = (int)((int64_t)nFumbles * 10 * Ball_Hawk_Factor(g) / 1000);
    int r = Random(10 * nRushes);
    if (r < nExpected) return Fumble(g, nCarrier, r);
    Add_Game_Play_Time(g, Random(6) + 6);

    int64_t nAverage = Ratio(10, Game_Player_Stat(nTeam, nSlot, PERIOD_PREDICTED, SS_RUSH_YARDS), nRushes);
    int nThisSeason = Game_Player_Stat(nTeam, nSlot, PERIOD_THIS_SEASON, SS_RUSHES);
    if (nThisSeason > nRushes) nAverage = nAverage * nRushes / nThisSeason;
    nAverage = nAverage * Offence_Factor(g) / Run_Defence_Factor(g);
    nAverage = nAverage * Run_Blocking_Factor(g) / 1000;
    if (nBall < 20) nAverage = nAverage * (35 * nBall + 300) / 1000;
    int A = (int)nAverage;
    int nSpread = nDirection == 1 ? 21 : 41;
    int R = Perturb(nDirection == 1 ? A - 6 : A + 6, 700, 2);
    R += Random(nSpread);
    R -= Random(nSpread);
    if (Random(500) < A / 5)
        R += Random(1000);
    else
        R -= A / 5;
    int nGain = (R + 5) / 10;

    if (nGain < nBall) {
        Set_Game_Clock_Stopped(g, false);
        Set_Play_Result(&g->play, RESULT_RUN_LEFT + nDirection);
        int nTackler = Weighted_Draw(g, nDefence, GROUP_DEFENCE, SS_TACKLES);
        Credit(g, nDefence, nTackler, GROUP_DEFENCE, SS_TACKLES, 1);
        if (Random(100) < 50) {
            int nAssist = Weighted_Draw(g, nDefence, GROUP_DEFENCE, SS_ASSISTS);
            Credit(g, nDefence, nAssist, GROUP_DEFENCE, SS_ASSISTS, 1);
        }
        g->play.nSecond = Lineup_ID(g, nDefence, nTackler);
    } else {
        nGain = nBall;
        Set_Game_Clock_Stopped(g, true);
        if (Game_Down(g) == DOWN_TRY) {
            Set_Play_Result(&g->play, RESULT_TWO_POINTS);
        } else {
            Set_Play_Result(&g->play, RESULT_TD_RUN);
            Credit(g, nOffence, nCarrier, GROUP_SKILL, SS_RUSH_TD, 1);
        }
    }
    Credit(g, nOffence, nCarrier, GROUP_SKILL, SS_RUSHES, 1);
    Credit(g, nOffence, nCarrier, GROUP_SKILL, SS_RUSH_YARDS, nGain);
    static const int LINE_FROM[3] = {6, 7, 9}, LINE_TO[3] = {7, 9, 10};
    for (int i = LINE_FROM[nDirection]; i <= LINE_TO[nDirection]; i++) {
        Credit(g, nOffence, i, GROUP_LINE, SS_RUSHES, 1);
        Credit(g, nOffence, i, GROUP_LINE, SS_RUSH_YARDS, nGain);
    }
    Team_Stat(g, nOffence, TG_RUSHES, 1);
    Team_Stat(g, nOffence, TG_RUSH_YARDS, nGain);
    Set_Game_Gain(g, nGain);
    Set_Play_Yards(&g->play, nGain);
    g->play.nFirst = Lineup_ID(g, nOffence, nCarrier);
}
