// Kickoffs, punts, field goals and extra points, with their returns.
#include "base/random.h"
#include "database/team.h"
#include "platform/platform.h"
#include "simulation/game_internal.h"

namespace {
constexpr int KICKER = 0, RETURNER = 0;
// Field-goal distance bands: under 30, 30..39, 40..49, 50 and over.
constexpr int FG_TRIED[4] = {SS_FGA_UNDER_30, SS_FGA_UNDER_40, SS_FGA_UNDER_50, SS_FGA_50_PLUS};
constexpr int FG_MADE[4] = {SS_FG_UNDER_30, SS_FG_UNDER_40, SS_FG_UNDER_50, SS_FG_50_PLUS};

void Credit(GameRecord* g, int nSide, int nIndex, int nGroup, int nStat, int nAmount) {
    Increment_Stat(g, g->anTeam[nSide], g->anLineup[nSide][nIndex], nGroup, nStat, nAmount);
}

// The receiving side ends at nSpot: the yards it gains from the flipped line.
void Change_To(GameRecord* g, int nSpot) {
    Set_Game_Turnover(g, true);
    Set_Game_Gain(g, 100 - Game_Ball(g) - nSpot);
}

int Tackle_By(GameRecord* g, int nSide) {
    int nTackler = Weighted_Draw(g, nSide, GROUP_DEFENCE, SS_TACKLES);
    Credit(g, nSide, nTackler, GROUP_DEFENCE, SS_TACKLES, 1);
    return Lineup_ID(g, nSide, nTackler);
}
}  // namespace

void Kickoff_Play(GameRecord* g) {
    int nKicking = Offence_Side(g), nReceiving = 1 - nKicking;
    TNUM nTeam = g->anTeam[nReceiving];
    PNUM nReturner = g->anLineup[nReceiving][RETURNER];
    int nCarry = Random(15);
    nCarry += Random(15);
    int nSpot = 80 + nCarry;
    g->play.nFirst = Lineup_ID(g, nReceiving, RETURNER);
    if (nSpot >= 101) {
        Change_To(g, 80);
        Set_Game_Clock_Stopped(g, true);
        Add_Game_Play_Time(g, Random(4) + 5);
        Set_Play_Result(&g->play, RESULT_KICKOFF_TOUCHBACK);
        g->play.nFirst = -1;
        return;
    }
    int nReturns = Game_Player_Stat(nTeam, nReturner, PERIOD_PREDICTED, SS_KICK_RETURNS);
    int nAverage = Ratio(10, Game_Player_Stat(nTeam, nReturner, PERIOD_PREDICTED, SS_KICK_RETURN_YARDS), nReturns);
    int A = Max(180, Min(nAverage, 10 * nReturns));
    int T = Max(1, (Perturb(A, 500, 3) + 5) / 10);
    if (Random(1000) < A / 20) T = nSpot;
    if (T < nSpot) {
        g->play.nSecond = Tackle_By(g, nKicking);
        Set_Play_Result(&g->play, RESULT_KICKOFF_RETURN);
    } else {
        T = nSpot;
        Credit(g, nReceiving, RETURNER, RETURNING_GROUPS, SS_KICK_RETURN_TD, 1);
        Set_Play_Result(&g->play, RESULT_KICKOFF_RETURN_TD);
    }
    Credit(g, nReceiving, RETURNER, RETURNING_GROUPS, SS_KICK_RETURNS, 1);
    Credit(g, nReceiving, RETURNER, RETURNING_GROUPS, SS_KICK_RETURN_YARDS, T);
    Add_Game_Play_Time(g, Random(4) + 7 + T / 7);
    Set_Game_Clock_Stopped(g, false);
    Change_To(g, nSpot - T);
    Set_Play_Yards(&g->play, T);
    Set_Play_Amount(&g->play, nSpot - T);
}

void Punt_Play(GameRecord* g) {
    int nKicking = Offence_Side(g), nReceiving = 1 - nKicking;
    TNUM nKickTeam = g->anTeam[nKicking], nTeam = g->anTeam[nReceiving];
    PNUM nPunter = g->anLineup[nKicking][KICKER], nReturner = g->anLineup[nReceiving][RETURNER];
    int nBall = Game_Ball(g);
    int nAverage = Max(Ratio(10, Game_Player_Stat(nKickTeam, nPunter, PERIOD_PREDICTED, SS_PUNT_YARDS),
                             Game_Player_Stat(nKickTeam, nPunter, PERIOD_PREDICTED, SS_PUNTS)), 300);
    int D = Perturb(Min(nAverage, 10 * nBall - 30), 150, 2);
    // At least a yard: the fair-catch chance divides by the length.
    int H = Max(1, (D + 5) / 10);
    if (Random(400) < H) H += Random(25);
    int nLanding = 100 - nBall + H;
    g->play.nFirst = Lineup_ID(g, nReceiving, RETURNER);
    int R = 0;
    if (nLanding >= 100) {
        H = nBall;
        Change_To(g, 80);
        Set_Game_Clock_Stopped(g, true);
        Add_Game_Play_Time(g, Random(4) + 7);
        Set_Play_Result(&g->play, RESULT_PUNT_TOUCHBACK);
        Credit(g, nKicking, KICKER, GROUP_KICKERS, SS_TOUCHBACKS, 1);
        g->play.nFirst = -1;
    } else if (Random(1000) < 14350 / H) {
        Change_To(g, nLanding);
        Set_Game_Clock_Stopped(g, true);
        Add_Game_Play_Time(g, Random(4) + 7);
        Set_Play_Result(&g->play, RESULT_PUNT);
    } else {
        Set_Game_Clock_Stopped(g, false);
        if (nLanding > 80) Credit(g, nKicking, KICKER, GROUP_KICKERS, SS_INSIDE_20, 1);
        int nReturns = Game_Player_Stat(nTeam, nReturner, PERIOD_PREDICTED, SS_PUNT_RETURNS);
        int nReturnYards = Game_Player_Stat(nTeam, nReturner, PERIOD_PREDICTED, SS_PUNT_RETURN_YARDS);
        int nReturnAverage = Ratio(10, nReturnYards, nReturns);
        int B = Max(60, Min(nReturnAverage, 5 * nReturns)) * H / 41;
        R = (Perturb(B, 600, 2) + 5) / 10;
        if (Random(1000) < B / 10) R = nLanding;
        R = Max(1, R);
        Add_Game_Play_Time(g, Random(4) + 9 + R / 7);
        if (R < nLanding) {
            g->play.nSecond = Tackle_By(g, nKicking);
            Set_Play_Result(&g->play, RESULT_PUNT);
        } else {
            R = nLanding;
            Credit(g, nReceiving, RETURNER, RETURNING_GROUPS, SS_PUNT_RETURN_TD, 1);
            Set_Play_Result(&g->play, RESULT_PUNT_RETURN_TD);
        }
        Credit(g, nReceiving, RETURNER, RETURNING_GROUPS, SS_PUNT_RETURNS, 1);
        Credit(g, nReceiving, RETURNER, RETURNING_GROUPS, SS_PUNT_RETURN_YARDS, R);
        Change_To(g, nLanding - R);
    }
    Credit(g, nKicking, KICKER, GROUP_KICKERS, SS_PUNTS, 1);
    Credit(g, nKicking, KICKER, GROUP_KICKERS, SS_PUNT_YARDS, H);
    bool bKicker = Position_Group(Game_Player_Position(nKickTeam, nPunter)) == GROUP_KICKERS;
    if (Current_Week() < First_Playoff_Week() && bKicker) Game_Raise_Player_Stat(nKickTeam, nPunter, SS_LONG_PUNT, H);
    Set_Play_Yards(&g->play, H);
    Set_Play_Amount(&g->play, R);
    Set_Game_Down(g, DOWN_CHANGE);
}

void Field_Goal_Play(GameRecord* g) {
    int nKicking = Offence_Side(g);
    TNUM nTeam = g->anTeam[nKicking];
    PNUM nKicker = g->anLineup[nKicking][KICKER];
    int nBall = Game_Ball(g);
    Set_Game_Clock_Stopped(g, true);
    Set_Game_Play_Time(g, Random(3) + 5);
    int nDistance = nBall + 17;
    int nLongest = Estimated_Longest_Kick(nTeam, nKicker);
    int nBand = nDistance < 30 ? 0 : nDistance < 40 ? 1 : nDistance < 50 ? 2 : 3;
    // The kicker's record in the band and, weighing three times, the next.
    int nFrom = Min(nBand, 2);
    auto Stat = [&](int n) { return Game_Player_Stat(nTeam, nKicker, PERIOD_PREDICTED, n); };
    int A = Stat(FG_TRIED[nFrom]) + 3 * Stat(FG_TRIED[nFrom + 1]);
    int M = Stat(FG_MADE[nFrom]) + 3 * Stat(FG_MADE[nFrom + 1]);
    int nPosition = Game_Player_Position(nTeam, nKicker);
    if (A > 0) {
        if (A == M) A++;
        if (M == 0) {
            A += 3;
            M = 1;
        }
    } else {
        A = 50;
        M = nPosition == POS_K ? 60 - nDistance : 45 - nDistance;
    }
    // Out of range stays out of range, whatever the band's record.
    if (nDistance > nLongest + 7) M = 0;
    if (nDistance > nLongest) A += nDistance - nLongest;
    Credit(g, nKicking, KICKER, GROUP_KICKERS, FG_TRIED[nBand], 1);
    bool bGood = Position_Group(nPosition) == GROUP_KICKERS ? Random(A) < M : Random(50) < 31 - nDistance;
    g->play.nFirst = Lineup_ID(g, nKicking, KICKER);
    Set_Play_Yards(&g->play, nDistance);
    if (bGood) {
        g->anScore[nKicking] += 3;
        Set_Play_Result(&g->play, RESULT_FIELD_GOAL);
        Credit(g, nKicking, KICKER, GROUP_KICKERS, FG_MADE[nBand], 1);
        if (Current_Week() < First_Playoff_Week() && Position_Group(nPosition) == GROUP_KICKERS)
            Game_Raise_Player_Stat(nTeam, nKicker, SS_LONG_FG, nDistance);
        return;
    }
    Set_Play_Result(&g->play, RESULT_FIELD_GOAL_MISSED);
    Change_To(g, Clamp(1, 93 - nBall, 80));
    Set_Game_Down(g, DOWN_CHANGE);
}

void Extra_Point_Play(GameRecord* g) {
    int nKicking = Offence_Side(g);
    TNUM nTeam = g->anTeam[nKicking];
    PNUM nKicker = g->anLineup[nKicking][KICKER];
    Set_Game_Clock_Stopped(g, true);
    int nAttempts = Game_Player_Stat(nTeam, nKicker, PERIOD_PREDICTED, SS_PAT_ATTEMPTS);
    int nMade = Game_Player_Stat(nTeam, nKicker, PERIOD_PREDICTED, SS_PAT_MADE);
    if (nAttempts <= 0) {
        int nPosition = Game_Player_Position(nTeam, nKicker);
        nAttempts = 100;
        nMade = nPosition == POS_K ? 85 : nPosition == POS_P ? 70 : 30;
    }
    Credit(g, nKicking, KICKER, GROUP_KICKERS, SS_PAT_ATTEMPTS, 1);
    g->play.nFirst = Lineup_ID(g, nKicking, KICKER);
    if (Random(nAttempts) < nMade) {
        g->anScore[nKicking] += 1;
        Set_Play_Result(&g->play, RESULT_EXTRA_POINT);
        Credit(g, nKicking, KICKER, GROUP_KICKERS, SS_PAT_MADE, 1);
    } else {
        Set_Play_Result(&g->play, RESULT_EXTRA_POINT_MISSED);
    }
}

PNUM Get_Eligible_Returner(TNUM nTeam, int nIndex) {
    int nCount = 0;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Game_Slot_Filled(nTeam, nSlot)) continue;
        int nPosition = Game_Player_Position(nTeam, nSlot);
        if (nPosition != POS_RB && nPosition != POS_WR && nPosition != POS_CB) continue;
        if (nCount++ == nIndex) return nSlot;
    }
    Message_Box("Assertion Failure", "Error in Get_Eligible_Returner()");
    return 0;
}

void Choose_Team_Returner(TNUM nTeam, int nKind, int nIndex) {
    Set_Team_Returner(nTeam, nKind, Get_Eligible_Returner(nTeam, nIndex));
}
