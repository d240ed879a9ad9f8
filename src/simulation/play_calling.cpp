// The offence's call on a scrimmage down: run or pass, where and to whom.
#include <algorithm>

#include "base/random.h"
#include "simulation/game_internal.h"

int Safe_Div(int64_t a, int64_t b) { return b == 0 ? 0 : (int)(a / b); }

void Lineup_Stat_Sums(const GameRecord* g, int nSide, int nGroup, int nCount, const int* pStats, int* pSums) {
    for (int k = 0; k < nCount; k++) pSums[k] = 0;
    for (int i = 0; i < LINEUP_SIZE; i++)
        if (nGroup == ANY_GROUP || Lineup_Group(g, nSide, i) == nGroup)
            for (int k = 0; k < nCount; k++) pSums[k] += Predicted(g, nSide, i, pStats[k]);
}


int Lineup_Rating_Sum(const GameRecord* g, int nSide, int nFirst, int nLast, int nRating) {
    int nSum = 0;
    for (int i = nFirst; i <= nLast; i++) nSum += Game_Player_Rating(g->anTeam[nSide], g->anLineup[nSide][i], nRating);
    return nSum;
}

// A player of weight 0 is never drawn: the draw picks the first running total
// above x, so x = 0 cannot land on a leading player who does not weigh.
int Weighted_Draw(const GameRecord* g, int nSide, int nGroup, int nStat, bool bPenalty) {
    int anWeight[LINEUP_SIZE];
    int nTotal = 0;
    for (int i = 0; i < LINEUP_SIZE; i++) {
        int nWeight = 0;
        if (nGroup == ANY_GROUP || Lineup_Group(g, nSide, i) == nGroup)
            nWeight = nStat == EVEN_WEIGHT ? 1000 : Max(0, Predicted(g, nSide, i, nStat));
        if (bPenalty && Counts_Penalties(Lineup_Group(g, nSide, i)))
            nWeight *= Max(0, Predicted(g, nSide, i, SS_PENALTIES)) + 1;
        anWeight[i] = nWeight;
        nTotal += nWeight;
    }
    if (nTotal <= 0) {
        if (nSide == Offence_Side(g) && nGroup == GROUP_SKILL && nStat == SS_RECEPTIONS) return 1 + Random(5);
        return Random(LINEUP_SIZE);
    }
    int x = Random(nTotal);
    int nRunning = 0;
    for (int i = 0; i < LINEUP_SIZE; i++) {
        nRunning += anWeight[i];
        if (nRunning > x) return i;
    }
    return LINEUP_SIZE - 1;
}

bool Choose_Run(GameRecord* g) {
    int nOffence = Offence_Side(g);
    int64_t nRushes = 0, nCatches = 0;
    for (int i = 0; i < LINEUP_SIZE; i++) {
        if (Lineup_Group(g, nOffence, i) != GROUP_SKILL) continue;
        int nAttempts = Predicted(g, nOffence, i, SS_RUSHES);
        nRushes += i == 2 ? nAttempts / 2 : nAttempts;
        nCatches += Predicted(g, nOffence, i, SS_RECEPTIONS);
    }
    int64_t nEven = (2 * nCatches + nRushes) / 2;
    int64_t nPass = 2 * nCatches + nEven, nRun = nRushes + nEven;
    int nDown = Game_Down(g), nToGo = Game_To_Go(g), nBall = Game_Ball(g);
    // A try is played as fourth and goal from the 2, so both calls stay possible.
    if (nDown == DOWN_TRY) nDown = 3;
    int nMargin = g->anScore[nOffence] - g->anScore[1 - nOffence];
    if (Second_Half(g)) nPass = Max(0, (int)(nPass * (28 - nMargin) / 28));
    if (nDown == 0) nRun = nRun * 110 / 100;
    if (nDown >= 2 && nToGo < 3) nRun *= 4 - nToGo;
    if (nToGo > 11 - 3 * nDown) nPass = nPass * nToGo / (11 - 3 * nDown);
    if (nBall > 90) nPass = nPass * (5000 - 50 * nBall) / 1000;
    if (Offence_Hurrying(g))
        nRun /= 10;
    else if ((Second_Half(g) && Time_Left(g) < 120 && nMargin > 0) || Garbage_Time(g))
        nPass = 0;
    if (nBall < 20) nPass = nPass * (25 * nBall + 500) / 1000;
    nRun = nRun * 70 / 100;
    nPass = Max(0, (int)nPass);
    return Random((int)std::min<int64_t>(nPass + nRun, 1 << 30)) < nRun;
}

int Choose_Run_Direction(GameRecord* g, int* pCarrier) {
    int nOffence = Offence_Side(g);
    int nFirst = Weighted_Draw(g, nOffence, GROUP_SKILL, SS_RUSHES);
    int nSecond = Weighted_Draw(g, nOffence, GROUP_SKILL, SS_RUSHES);
    int nToGo = Game_To_Go(g);
    int nThreshold = Offence_Hurrying(g) ? 0 : nToGo > 2 ? 50 : 75;
    int nDirection = 1;
    if (Random(100) >= nThreshold) nDirection = Random(7) < 4 ? 0 : 2;
    int nCarrier = nFirst;
    if (nToGo < 3) {
        if (g->anLineup[nOffence][nSecond] < g->anLineup[nOffence][nFirst]) nCarrier = nSecond;
        if (Lineup_Position(g, nOffence, nCarrier) == POS_QB) nDirection = 1;
    } else if (Lineup_Position(g, nOffence, nCarrier) == POS_QB && Random(100) < 75) {
        nCarrier = Weighted_Draw(g, nOffence, GROUP_SKILL, SS_RUSHES);
    }
    int nPosition = Lineup_Position(g, nOffence, nCarrier);
    if (nDirection == 1 && (nPosition == POS_WR || nPosition == POS_TE)) nDirection = Random(2) == 0 ? 0 : 2;
    *pCarrier = nCarrier;
    return nDirection;
}

namespace {
bool Deep_On_Roster(TNUM nTeam, PNUM nSlot) {
    int nSide = Position_Side(Game_Player_Position(nTeam, nSlot));
    for (PNUM n = 0; n < PLAYERS_PER_TEAM && Game_Slot_Filled(nTeam, n); n++)
        if (Position_Side(Game_Player_Position(nTeam, n)) == nSide) return nSlot - n >= (nSide == SIDE_KICKERS ? 2 : 11);
    return false;
}
}  // namespace

int Choose_Pass_Target(GameRecord* g) {
    int nOffence = Offence_Side(g);
    TNUM nTeam = g->anTeam[nOffence];
    int nFirst = Weighted_Draw(g, nOffence, GROUP_SKILL, SS_RECEPTIONS);
    int nSecond = Weighted_Draw(g, nOffence, GROUP_SKILL, SS_RECEIVING_YARDS);
    bool bFirstDeep = Deep_On_Roster(nTeam, g->anLineup[nOffence][nFirst]);
    bool bSecondDeep = Deep_On_Roster(nTeam, g->anLineup[nOffence][nSecond]);
    int nTarget;
    if (bFirstDeep != bSecondDeep)
        nTarget = bFirstDeep ? nFirst : nSecond;
    else
        nTarget = Random(100) < 75 ? nFirst : nSecond;
    for (int i = 0; i < 100 && Lineup_Position(g, nOffence, nTarget) == POS_QB; i++)
        nTarget = Weighted_Draw(g, nOffence, GROUP_SKILL, SS_RECEPTIONS);
    if (Lineup_Position(g, nOffence, nTarget) == POS_QB) nTarget = 1 + Random(5);
    return nTarget;
}
