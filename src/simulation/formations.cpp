// Formations and the coaches' choice of units before every snap.
#include "base/random.h"
#include "platform/platform.h"
#include "simulation/game_internal.h"

namespace {
struct Spot {
    int8_t nPosition;
    int8_t nDepth;  // from 0
};

// Lineup order is what the plays index: on offence 0 is the passer, 1..5 the
// backs and receivers, 6..10 the line from left tackle to right tackle.
const Spot FORMATIONS[NUMBER_OF_FORMATIONS][LINEUP_SIZE] = {
    {{POS_QB, 0}, {POS_RB, 0}, {POS_RB, 1}, {POS_TE, 0}, {POS_TE, 1}, {POS_WR, 0},
     {POS_T, 0}, {POS_G, 0}, {POS_C, 0}, {POS_G, 1}, {POS_T, 1}},
    {{POS_QB, 0}, {POS_RB, 0}, {POS_RB, 1}, {POS_TE, 0}, {POS_WR, 0}, {POS_WR, 1},
     {POS_T, 0}, {POS_G, 0}, {POS_C, 0}, {POS_G, 1}, {POS_T, 1}},
    {{POS_QB, 0}, {POS_RB, 0}, {POS_TE, 0}, {POS_WR, 0}, {POS_WR, 1}, {POS_WR, 2},
     {POS_T, 0}, {POS_G, 0}, {POS_C, 0}, {POS_G, 1}, {POS_T, 1}},
    {{POS_QB, 0}, {POS_RB, 0}, {POS_WR, 0}, {POS_WR, 1}, {POS_WR, 2}, {POS_WR, 3},
     {POS_T, 0}, {POS_G, 0}, {POS_C, 0}, {POS_G, 1}, {POS_T, 1}},
    {{POS_DE, 0}, {POS_DT, 0}, {POS_DT, 1}, {POS_DE, 1}, {POS_LB, 0}, {POS_LB, 1},
     {POS_LB, 2}, {POS_LB, 3}, {POS_CB, 0}, {POS_S, 0}, {POS_S, 1}},
    {{POS_DE, 0}, {POS_DT, 0}, {POS_DT, 1}, {POS_DT, 2}, {POS_DE, 1}, {POS_LB, 0},
     {POS_LB, 1}, {POS_CB, 0}, {POS_CB, 1}, {POS_S, 0}, {POS_S, 1}},
    {{POS_DE, 0}, {POS_DT, 0}, {POS_DT, 1}, {POS_DE, 1}, {POS_LB, 0}, {POS_LB, 1},
     {POS_LB, 2}, {POS_CB, 0}, {POS_CB, 1}, {POS_S, 0}, {POS_S, 1}},
    {{POS_DE, 0}, {POS_DT, 0}, {POS_DE, 1}, {POS_LB, 0}, {POS_LB, 1}, {POS_LB, 2},
     {POS_LB, 3}, {POS_CB, 0}, {POS_CB, 1}, {POS_S, 0}, {POS_S, 1}},
    {{POS_DE, 0}, {POS_DT, 0}, {POS_DT, 1}, {POS_DE, 1}, {POS_LB, 0}, {POS_LB, 1},
     {POS_CB, 0}, {POS_CB, 1}, {POS_CB, 2}, {POS_S, 0}, {POS_S, 1}},
    {{POS_DE, 0}, {POS_DT, 0}, {POS_DT, 1}, {POS_DE, 1}, {POS_LB, 0}, {POS_CB, 0},
     {POS_CB, 1}, {POS_CB, 2}, {POS_S, 0}, {POS_S, 1}, {POS_S, 2}},
    {{POS_DE, 0}, {POS_DT, 0}, {POS_DE, 1}, {POS_LB, 0}, {POS_CB, 0}, {POS_CB, 1},
     {POS_CB, 2}, {POS_CB, 3}, {POS_S, 0}, {POS_S, 1}, {POS_S, 2}},
    {{POS_K, 0}, {POS_LB, 3}, {POS_LB, 4}, {POS_LB, 5}, {POS_TE, 1}, {POS_TE, 2},
     {POS_RB, 3}, {POS_S, 2}, {POS_S, 3}, {POS_CB, 2}, {POS_CB, 3}},
    {{POS_P, 0}, {POS_TE, 1}, {POS_TE, 2}, {POS_RB, 2}, {POS_RB, 3}, {POS_S, 3},
     {POS_T, 2}, {POS_G, 2}, {POS_C, 1}, {POS_G, 3}, {POS_T, 3}},
    {{POS_K, 0}, {POS_P, 0}, {POS_TE, 1}, {POS_TE, 2}, {POS_RB, 2}, {POS_RB, 3},
     {POS_T, 2}, {POS_G, 2}, {POS_C, 1}, {POS_G, 3}, {POS_T, 3}},
    {{POS_K, 0}, {POS_P, 0}, {POS_TE, 1}, {POS_TE, 2}, {POS_RB, 2}, {POS_RB, 3},
     {POS_T, 2}, {POS_G, 2}, {POS_C, 1}, {POS_G, 3}, {POS_T, 3}},
    {{CHART_RETURNER, 0}, {POS_WR, 3}, {POS_RB, 2}, {POS_T, 2}, {POS_T, 3}, {POS_G, 2},
     {POS_G, 3}, {POS_TE, 2}, {POS_TE, 3}, {POS_LB, 3}, {POS_LB, 4}},
    {{CHART_RETURNER, 1}, {POS_RB, 2}, {POS_LB, 3}, {POS_LB, 4}, {POS_DE, 2}, {POS_DT, 2},
     {POS_DE, 3}, {POS_CB, 2}, {POS_CB, 3}, {POS_S, 2}, {POS_S, 3}},
    {{POS_DE, 2}, {POS_DT, 2}, {POS_DT, 3}, {POS_DE, 3}, {POS_LB, 3}, {POS_LB, 4},
     {POS_LB, 5}, {POS_CB, 2}, {POS_CB, 3}, {POS_S, 2}, {POS_S, 3}},
};

// Backups take the field when the game is out of reach.
const int8_t GARBAGE_SHIFT[NUMBER_OF_POSITIONS] = {1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 0, 0};

int Margin(const GameRecord* g) { return g->anScore[Offence_Side(g)] - g->anScore[Defence_Side(g)]; }

void Set_Pair(GameRecord* g, int nOffence, int nDefence) {
    g->anFormation[Offence_Side(g)] = nOffence;
    g->anFormation[Defence_Side(g)] = nDefence;
}

// Kickoffs, tries and unknown flags are called alike in both tables.
bool Special_Situation(GameRecord* g, int nDown) {
    if (nDown == DOWN_KICKOFF || nDown == DOWN_FREE_KICK) {
        Set_Pair(g, FORM_KICKOFF, FORM_KICK_RETURN);
        return true;
    }
    if (nDown == DOWN_TRY) {
        if (Go_For_Two(Margin(g)))
            Set_Pair(g, FORM_HEAVY, FORM_GOAL_LINE);
        else
            Set_Pair(g, FORM_EXTRA_POINT, FORM_KICK_BLOCK);
        return true;
    }
    if (nDown > 3) {
        Message_Box("Set_Team_Formations()", "Unrecognized Down Flag: %d", nDown);
        return true;
    }
    return false;
}
}  // namespace

bool Garbage_Time(const GameRecord* g) {
    if (Quarter(g) != 4) return false;
    int nMargin = g->anScore[0] - g->anScore[1];
    if (nMargin < 0) nMargin = -nMargin;
    return nMargin > 22 || (nMargin > 15 && Time_Left(g) < 360);
}

bool Offence_Hurrying(const GameRecord* g) {
    if (Garbage_Time(g)) return false;
    if (Second_Half(g)) return Time_Left(g) < 240 && Margin(g) <= 0;
    return Time_Left(g) < 120;
}

bool Go_For_Two(int nMargin) {
    switch (Clamp(-17, nMargin, 6)) {
    case -16: case -12: case -9: case -5: case -2: case 1: case 5:
        return true;
    }
    return false;
}

int Estimated_Longest_Kick(TNUM nTeam, PNUM nKicker) {
    int nMade50 = Game_Player_Stat(nTeam, nKicker, PERIOD_PREDICTED, SS_FG_50_PLUS);
    int nTried50 = Game_Player_Stat(nTeam, nKicker, PERIOD_PREDICTED, SS_FGA_50_PLUS);
    int nLongest = Random(3) + 2 * nMade50 - nTried50 / 2 + 47;
    if (nMade50 > 0) nLongest = Max(nLongest, Random(2) + 50);
    return nLongest;
}

int Kicker_Range(GameRecord* g) {
    TNUM nTeam = g->nPossession;
    PNUM nKicker = Game_Team_Position(g, nTeam, POS_K, 0, nullptr);
    auto Percent = [&](int nMade, int nTried) { return Ratio(1000, nMade, nTried) / 10; };
    auto Stat = [&](int n) { return Game_Player_Stat(nTeam, nKicker, PERIOD_PREDICTED, n); };
    int nAll = Percent(Stat(SS_FG_UNDER_30) + Stat(SS_FG_UNDER_40) + Stat(SS_FG_UNDER_50) + Stat(SS_FG_50_PLUS),
                       Stat(SS_FGA_UNDER_30) + Stat(SS_FGA_UNDER_40) + Stat(SS_FGA_UNDER_50) + Stat(SS_FGA_50_PLUS));
    int n40 = Percent(Stat(SS_FG_UNDER_50), Stat(SS_FGA_UNDER_50));
    int n50 = Percent(Stat(SS_FG_50_PLUS), Stat(SS_FGA_50_PLUS));
    int nLongest = Estimated_Longest_Kick(nTeam, nKicker);
    return ((n50 + n40) / 2 + nAll - 100) / 10 + (nLongest + 35) / 2 - 17;
}

void Set_Team_Formations(GameRecord* g) {
    int nDown = Game_Down(g);
    if (Special_Situation(g, nDown)) return;
    int nBall = Game_Ball(g), nToGo = Game_To_Go(g);
    int nRange = Kicker_Range(g);
    if (Offence_Hurrying(g)) {
        bool bFirstHalf = Game_Elapsed(g) < 1800;
        bool bClose = bFirstHalf || Margin(g) >= -3;
        int nK = bClose ? nRange + 3 : nRange;
        int nLimit = g->anTimeouts[Offence_Side(g)] > 0 ? 30 : 15;
        if (Time_Left(g) < nLimit) {
            if (bClose && nK >= nBall) return Set_Pair(g, FORM_FIELD_GOAL, FORM_KICK_BLOCK);
            if (!bFirstHalf && nBall < 50) return Set_Pair(g, FORM_FOUR_WIDE, FORM_PREVENT);
        }
        if (nDown == 0) return Set_Pair(g, FORM_FOUR_WIDE, FORM_PREVENT);
        if (nDown < 3) return nToGo > 5 ? Set_Pair(g, FORM_FOUR_WIDE, FORM_PREVENT) : Set_Pair(g, FORM_THREE_WIDE, FORM_DIME);
        if (bClose && nK >= nBall) return Set_Pair(g, FORM_FIELD_GOAL, FORM_KICK_BLOCK);
        if (!bFirstHalf && Margin(g) < 0) return Set_Pair(g, FORM_FOUR_WIDE, FORM_PREVENT);
        return Set_Pair(g, FORM_PUNT, FORM_PUNT_RETURN);
    }
    int nK = Margin(g) > -4 ? nRange + 5 : nRange;
    if (Game_Elapsed(g) >= 3600 && nBall < nK / 2) return Set_Pair(g, FORM_FIELD_GOAL, FORM_KICK_BLOCK);
    switch (nDown) {
    case 0:
        return Set_Pair(g, FORM_STANDARD, FORM_BASE);
    case 1:
        if (nToGo > 6) return Set_Pair(g, FORM_THREE_WIDE, FORM_THREE_FOUR);
        if (nToGo > 3) return Set_Pair(g, FORM_STANDARD, FORM_THREE_FOUR);
        return Set_Pair(g, FORM_HEAVY, FORM_BASE);
    case 2:
        if (nToGo > 9) return Set_Pair(g, FORM_FOUR_WIDE, FORM_DIME);
        if (nToGo > 6) return Set_Pair(g, FORM_THREE_WIDE, FORM_NICKEL);
        if (nToGo > 3) return Set_Pair(g, FORM_STANDARD, FORM_THREE_FOUR);
        return Set_Pair(g, FORM_HEAVY, FORM_FIVE_MAN);
    default:
        if (Go_For_It(nK, nBall, nToGo)) return Set_Pair(g, FORM_HEAVY, FORM_GOAL_LINE);
        if (nBall < nK) return Set_Pair(g, FORM_FIELD_GOAL, FORM_KICK_BLOCK);
        return Set_Pair(g, FORM_PUNT, FORM_PUNT_RETURN);
    }
}

bool Go_For_It(int nK, int nBall, int nToGo) { return nToGo < 4 - (nK + nBall - 5) / 25; }

namespace {
// The lineups of the game so far, by side, formation and garbage time. They
// change only when a player of the side gets hurt.
struct KnownLineup {
    bool bKnown;
    PNUM anSlot[LINEUP_SIZE];
    uint32_t nConsulted;  // positions whose players were looked at
};
KnownLineup s_aKnown[SIDES][NUMBER_OF_FORMATIONS][2];
}  // namespace

void Forget_Lineups(int nSide, uint32_t nPositions) {
    for (auto& aByShift : s_aKnown[nSide])
        for (KnownLineup& known : aByShift)
            if (known.nConsulted & nPositions) known.bKnown = false;
}

void Fill_Lineup(GameRecord* g, int nSide) {
    TNUM nTeam = g->anTeam[nSide];
    int nFormation = Clamp(0, g->anFormation[nSide], NUMBER_OF_FORMATIONS - 1);
    bool bShift = nFormation <= FORM_PREVENT && Garbage_Time(g);
    KnownLineup& known = s_aKnown[nSide][nFormation][bShift ? 1 : 0];
    if (!known.bKnown) {
        PNUM anUsed[LINEUP_SIZE];
        for (PNUM& n : anUsed) n = NO_PLAYER;
        known.nConsulted = 0;
        for (int i = 0; i < LINEUP_SIZE; i++) {
            const Spot& spot = FORMATIONS[nFormation][i];
            int nDepth = spot.nDepth + (bShift ? GARBAGE_SHIFT[spot.nPosition] : 0);
            known.anSlot[i] = Game_Team_Position(g, nTeam, spot.nPosition, nDepth, anUsed, &known.nConsulted);
            // Set-up cleared the marks before any lineup was kept.
            Game_Set_Player_Played(nTeam, known.anSlot[i], true);
        }
        known.bKnown = true;
    }
    for (int i = 0; i < LINEUP_SIZE; i++) g->anLineup[nSide][i] = known.anSlot[i];
}
