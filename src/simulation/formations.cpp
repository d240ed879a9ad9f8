// Formations, the depth chart with its substitutes, and the coaches' choice
// of units before every snap.
#include "database/random.h"
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
    {{P_QB, 0}, {P_RB, 0}, {P_RB, 1}, {P_TE, 0}, {P_TE, 1}, {P_WR, 0}, {P_T, 0}, {P_G, 0}, {P_C, 0}, {P_G, 1}, {P_T, 1}},
    {{P_QB, 0}, {P_RB, 0}, {P_RB, 1}, {P_TE, 0}, {P_WR, 0}, {P_WR, 1}, {P_T, 0}, {P_G, 0}, {P_C, 0}, {P_G, 1}, {P_T, 1}},
    {{P_QB, 0}, {P_RB, 0}, {P_TE, 0}, {P_WR, 0}, {P_WR, 1}, {P_WR, 2}, {P_T, 0}, {P_G, 0}, {P_C, 0}, {P_G, 1}, {P_T, 1}},
    {{P_QB, 0}, {P_RB, 0}, {P_WR, 0}, {P_WR, 1}, {P_WR, 2}, {P_WR, 3}, {P_T, 0}, {P_G, 0}, {P_C, 0}, {P_G, 1}, {P_T, 1}},
    {{P_DE, 0}, {P_DT, 0}, {P_DT, 1}, {P_DE, 1}, {P_LB, 0}, {P_LB, 1}, {P_LB, 2}, {P_LB, 3}, {P_CB, 0}, {P_S, 0}, {P_S, 1}},
    {{P_DE, 0}, {P_DT, 0}, {P_DT, 1}, {P_DT, 2}, {P_DE, 1}, {P_LB, 0}, {P_LB, 1}, {P_CB, 0}, {P_CB, 1}, {P_S, 0}, {P_S, 1}},
    {{P_DE, 0}, {P_DT, 0}, {P_DT, 1}, {P_DE, 1}, {P_LB, 0}, {P_LB, 1}, {P_LB, 2}, {P_CB, 0}, {P_CB, 1}, {P_S, 0}, {P_S, 1}},
    {{P_DE, 0}, {P_DT, 0}, {P_DE, 1}, {P_LB, 0}, {P_LB, 1}, {P_LB, 2}, {P_LB, 3}, {P_CB, 0}, {P_CB, 1}, {P_S, 0}, {P_S, 1}},
    {{P_DE, 0}, {P_DT, 0}, {P_DT, 1}, {P_DE, 1}, {P_LB, 0}, {P_LB, 1}, {P_CB, 0}, {P_CB, 1}, {P_CB, 2}, {P_S, 0}, {P_S, 1}},
    {{P_DE, 0}, {P_DT, 0}, {P_DT, 1}, {P_DE, 1}, {P_LB, 0}, {P_CB, 0}, {P_CB, 1}, {P_CB, 2}, {P_S, 0}, {P_S, 1}, {P_S, 2}},
    {{P_DE, 0}, {P_DT, 0}, {P_DE, 1}, {P_LB, 0}, {P_CB, 0}, {P_CB, 1}, {P_CB, 2}, {P_CB, 3}, {P_S, 0}, {P_S, 1}, {P_S, 2}},
    {{P_K, 0}, {P_LB, 3}, {P_LB, 4}, {P_LB, 5}, {P_TE, 1}, {P_TE, 2}, {P_RB, 3}, {P_S, 2}, {P_S, 3}, {P_CB, 2}, {P_CB, 3}},
    {{P_P, 0}, {P_TE, 1}, {P_TE, 2}, {P_RB, 2}, {P_RB, 3}, {P_S, 3}, {P_T, 2}, {P_G, 2}, {P_C, 1}, {P_G, 3}, {P_T, 3}},
    {{P_K, 0}, {P_P, 0}, {P_TE, 1}, {P_TE, 2}, {P_RB, 2}, {P_RB, 3}, {P_T, 2}, {P_G, 2}, {P_C, 1}, {P_G, 3}, {P_T, 3}},
    {{P_K, 0}, {P_P, 0}, {P_TE, 1}, {P_TE, 2}, {P_RB, 2}, {P_RB, 3}, {P_T, 2}, {P_G, 2}, {P_C, 1}, {P_G, 3}, {P_T, 3}},
    {{P_RETURNER, 0}, {P_WR, 3}, {P_RB, 2}, {P_T, 2}, {P_T, 3}, {P_G, 2}, {P_G, 3}, {P_TE, 2}, {P_TE, 3}, {P_LB, 3}, {P_LB, 4}},
    {{P_RETURNER, 1}, {P_RB, 2}, {P_LB, 3}, {P_LB, 4}, {P_DE, 2}, {P_DT, 2}, {P_DE, 3}, {P_CB, 2}, {P_CB, 3}, {P_S, 2}, {P_S, 3}},
    {{P_DE, 2}, {P_DT, 2}, {P_DT, 3}, {P_DE, 3}, {P_LB, 3}, {P_LB, 4}, {P_LB, 5}, {P_CB, 2}, {P_CB, 3}, {P_S, 2}, {P_S, 3}},
};

// Where to look when a position runs dry, level 1..7 (level 0 is the position itself).
const int8_t SUBSTITUTES[14][8] = {
    {P_QB, P_RB, P_WR, P_TE, P_K, P_P, P_CB, P_S},  {P_RB, P_WR, P_TE, P_QB, P_T, P_G, P_C, P_CB},
    {P_TE, P_WR, P_RB, P_CB, P_S, P_QB, P_LB, P_DE}, {P_WR, P_TE, P_RB, P_CB, P_S, P_QB, P_LB, P_DE},
    {P_T, P_G, P_C, P_TE, P_DT, P_DE, P_LB, P_RB},   {P_G, P_C, P_T, P_TE, P_DT, P_DE, P_LB, P_RB},
    {P_C, P_G, P_T, P_TE, P_DT, P_DE, P_LB, P_RB},   {P_DE, P_DT, P_LB, P_S, P_CB, P_T, P_G, P_C},
    {P_DT, P_DE, P_LB, P_S, P_CB, P_T, P_G, P_C},    {P_LB, P_S, P_DE, P_DT, P_CB, P_TE, P_RB, P_T},
    {P_CB, P_S, P_LB, P_WR, P_TE, P_RB, P_DE, P_DT}, {P_S, P_CB, P_LB, P_WR, P_TE, P_RB, P_DE, P_DT},
    {P_K, P_P, P_QB, P_WR, P_RB, P_TE, P_CB, P_S},   {P_P, P_K, P_QB, P_WR, P_RB, P_TE, P_CB, P_S},
};

// Backups take the field when the game is out of reach.
const int8_t GARBAGE_SHIFT[14] = {1, 1, 1, 2, 2, 2, 1, 2, 2, 3, 2, 2, 0, 0};

void Enter_Used(PNUM* pUsed, PNUM nSlot) {
    if (!pUsed) return;
    for (int i = 0; i < LINEUP_SIZE; i++)
        if (pUsed[i] == NO_PLAYER) {
            pUsed[i] = nSlot;
            return;
        }
}

bool Is_Used(const PNUM* pUsed, PNUM nSlot) {
    if (!pUsed) return false;
    for (int i = 0; i < LINEUP_SIZE; i++)
        if (pUsed[i] == nSlot) return true;
    return false;
}

bool Unavailable_Returner(TNUM nTeam, PNUM nSlot) {
    return !Game_Slot_Filled(nTeam, nSlot) || Game_Player_Injured(nTeam, nSlot);
}

PNUM Returner(TNUM nTeam, int nDepth, PNUM* pUsed) {
    PNUM nSlot = Game_Returner(nTeam, nDepth ? 1 : 0);
    if (Unavailable_Returner(nTeam, nSlot)) {
        nSlot = Game_Returner(nTeam, nDepth ? 0 : 1);
        int nPosition = Game_Player_Position(nTeam, nSlot);
        if (Unavailable_Returner(nTeam, nSlot) || nPosition == P_K || nPosition == P_P)
            return Get_Team_Position(nTeam, P_WR, 3, pUsed, 0);
    }
    Enter_Used(pUsed, nSlot);
    return nSlot;
}

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

PNUM Get_Team_Position(TNUM nTeam, int nPosition, int nDepth, PNUM* pUsed, int nLevel) {
    if (nDepth < 0) {
        Message_Box("System Error", "Bad nIndex in Get_Team_Position(%d,%d,<%d>,--,%d)", nTeam, nPosition, nDepth, nLevel);
        nDepth = 0;
    }
    if (nPosition < 0 || nPosition > P_RETURNER) nPosition = P_QB;
    if (nLevel > 0 && nPosition != P_RETURNER) nPosition = SUBSTITUTES[nPosition][Min(nLevel, 7)];
    if (nPosition == P_RETURNER) return Returner(nTeam, nDepth, pUsed);

    int nCount = 0;
    PNUM nLast = NO_PLAYER;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (Game_Player_Position(nTeam, nSlot) != nPosition || !Game_Slot_Filled(nTeam, nSlot)) continue;
        nLast = nSlot;
        if (Game_Player_Injured(nTeam, nSlot)) continue;
        if (nCount++ == nDepth && !Is_Used(pUsed, nSlot)) {
            Enter_Used(pUsed, nSlot);
            return nSlot;
        }
    }
    if (nLevel == 0 && nDepth > 0) return Get_Team_Position(nTeam, nPosition, nDepth - 1, pUsed, 0);
    if (nLevel < 7) return Get_Team_Position(nTeam, nPosition, 0, pUsed, nLevel + 1);
    if (nLast == NO_PLAYER) {
        // Nobody of the whole chain on the roster: any player not yet on the field.
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM && nLast == NO_PLAYER; nSlot++)
            if (Game_Slot_Filled(nTeam, nSlot) && !Is_Used(pUsed, nSlot)) nLast = nSlot;
        if (nLast == NO_PLAYER) nLast = 0;
    }
    Enter_Used(pUsed, nLast);
    return nLast;
}

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
    int nMade50 = Game_Player_Stat(nTeam, nKicker, GAME_PREDICTED, 17);
    int nLongest = Random(3) + 2 * nMade50 - Game_Player_Stat(nTeam, nKicker, GAME_PREDICTED, 16) / 2 + 47;
    if (nMade50 > 0) nLongest = Max(nLongest, Random(2) + 50);
    return nLongest;
}

int Kicker_Range(GameRecord* g) {
    TNUM nTeam = g->nPossession;
    PNUM nKicker = Get_Team_Position(nTeam, P_K, 0, nullptr, 0);
    auto Percent = [&](int nMade, int nTried) { return Ratio(1000, nMade, nTried) / 10; };
    auto Stat = [&](int n) { return Game_Player_Stat(nTeam, nKicker, GAME_PREDICTED, n); };
    int nAll = Percent(Stat(11) + Stat(13) + Stat(15) + Stat(17), Stat(10) + Stat(12) + Stat(14) + Stat(16));
    int n40 = Percent(Stat(15), Stat(14));
    int n50 = Percent(Stat(17), Stat(16));
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

void Fill_Lineup(GameRecord* g, int nSide) {
    TNUM nTeam = g->anTeam[nSide];
    int nFormation = Clamp(0, g->anFormation[nSide], NUMBER_OF_FORMATIONS - 1);
    bool bShift = nFormation <= FORM_PREVENT && Garbage_Time(g);
    PNUM anUsed[LINEUP_SIZE];
    for (PNUM& n : anUsed) n = NO_PLAYER;
    for (int i = 0; i < LINEUP_SIZE; i++) {
        const Spot& spot = FORMATIONS[nFormation][i];
        int nDepth = spot.nDepth + (bShift ? GARBAGE_SHIFT[spot.nPosition] : 0);
        PNUM nSlot = Get_Team_Position(nTeam, spot.nPosition, nDepth, anUsed, 0);
        g->anLineup[nSide][i] = nSlot;
        Game_Set_Player_Played(nTeam, nSlot, true);
    }
}
