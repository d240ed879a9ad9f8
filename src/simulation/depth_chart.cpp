// The depth chart: who plays a position at a depth, with the substitutes
// when the position runs dry, and the returners.
#include "platform/platform.h"
#include "simulation/game_internal.h"

namespace {
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

// A team's players by position, in roster order.
struct DepthChart {
    TNUM nTeam;
    int8_t anCount[NUMBER_OF_POSITIONS];
    PNUM aanSlots[NUMBER_OF_POSITIONS][PLAYERS_PER_TEAM];
};

// The charts of the two teams of the game in play.
DepthChart s_aChart[SIDES] = {{NO_TEAM, {}, {}}, {NO_TEAM, {}, {}}};

// nConsulted gains a bit for each position whose players were looked at
// (bit P_RETURNER for the returners), which is what an injury can change.
PNUM Depth_Chart_Slot(const DepthChart& chart, int nPosition, int nDepth, PNUM* pUsed, int nLevel, uint32_t& nConsulted);

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

PNUM Returner(const DepthChart& chart, int nDepth, PNUM* pUsed, uint32_t& nConsulted) {
    TNUM nTeam = chart.nTeam;
    PNUM nSlot = Game_Returner(nTeam, nDepth ? 1 : 0);
    if (Unavailable_Returner(nTeam, nSlot)) {
        nSlot = Game_Returner(nTeam, nDepth ? 0 : 1);
        int nPosition = Game_Player_Position(nTeam, nSlot);
        if (Unavailable_Returner(nTeam, nSlot) || nPosition == P_K || nPosition == P_P)
            return Depth_Chart_Slot(chart, P_WR, 3, pUsed, 0, nConsulted);
    }
    Enter_Used(pUsed, nSlot);
    return nSlot;
}

void Build_Depth_Chart(TNUM nTeam, DepthChart* pChart) {
    pChart->nTeam = nTeam;
    for (int8_t& n : pChart->anCount) n = 0;
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
        if (!Game_Slot_Filled(nTeam, nSlot)) continue;
        int nPosition = Game_Player_Position(nTeam, nSlot);
        pChart->aanSlots[nPosition][pChart->anCount[nPosition]++] = nSlot;
    }
}

// Injured players keep their place in the chart and are skipped here, so an
// injury during the game needs no new chart, only new lineups.
PNUM Depth_Chart_Slot(const DepthChart& chart, int nPosition, int nDepth, PNUM* pUsed, int nLevel, uint32_t& nConsulted) {
    TNUM nTeam = chart.nTeam;
    if (nDepth < 0) {
        Message_Box("System Error", "Bad nIndex in Get_Team_Position(%d,%d,<%d>,--,%d)", nTeam, nPosition, nDepth, nLevel);
        nDepth = 0;
    }
    if (nPosition < 0 || nPosition > P_RETURNER) nPosition = P_QB;
    if (nLevel > 0 && nPosition != P_RETURNER) nPosition = SUBSTITUTES[nPosition][Min(nLevel, 7)];
    nConsulted |= 1u << nPosition;
    if (nPosition == P_RETURNER) return Returner(chart, nDepth, pUsed, nConsulted);

    int nCount = 0;
    PNUM nLast = NO_PLAYER;
    for (int i = 0; i < chart.anCount[nPosition]; i++) {
        PNUM nSlot = chart.aanSlots[nPosition][i];
        nLast = nSlot;
        if (Game_Player_Injured(nTeam, nSlot)) continue;
        if (nCount++ == nDepth && !Is_Used(pUsed, nSlot)) {
            Enter_Used(pUsed, nSlot);
            return nSlot;
        }
    }
    if (nLevel == 0 && nDepth > 0) return Depth_Chart_Slot(chart, nPosition, nDepth - 1, pUsed, 0, nConsulted);
    if (nLevel < 7) return Depth_Chart_Slot(chart, nPosition, 0, pUsed, nLevel + 1, nConsulted);
    if (nLast == NO_PLAYER) {
        // Nobody of the whole chain on the roster: any player not yet on the field.
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM && nLast == NO_PLAYER; nSlot++)
            if (Game_Slot_Filled(nTeam, nSlot) && !Is_Used(pUsed, nSlot)) nLast = nSlot;
        if (nLast == NO_PLAYER) nLast = 0;
    }
    Enter_Used(pUsed, nLast);
    return nLast;
}

}  // namespace

void Load_Game_Rosters(const GameRecord* g) {
    for (int nSide = 0; nSide < SIDES; nSide++) {
        Build_Depth_Chart(g->anTeam[nSide], &s_aChart[nSide]);
        Forget_Lineups(nSide, ~0u);
    }
    Game_Forget_Players(g->anTeam[0], g->anTeam[1]);
}

void Player_Hurt(const GameRecord* g, int nSide, PNUM nSlot) {
    TNUM nTeam = g->anTeam[nSide];
    uint32_t nChanged = 1u << Game_Player_Position(nTeam, nSlot);
    if (nSlot == Game_Returner(nTeam, 0) || nSlot == Game_Returner(nTeam, 1)) nChanged |= 1u << P_RETURNER;
    Forget_Lineups(nSide, nChanged);
    Game_Forget_Player(nTeam, nSlot);
}

PNUM Game_Team_Position(const GameRecord* g, TNUM nTeam, int nPosition, int nDepth, PNUM* pUsed, uint32_t* pConsulted) {
    for (int nSide = 0; nSide < SIDES; nSide++) {
        if (g->anTeam[nSide] != nTeam) continue;
        if (s_aChart[nSide].nTeam != nTeam) Build_Depth_Chart(nTeam, &s_aChart[nSide]);
        uint32_t nConsulted = 0;
        PNUM nSlot = Depth_Chart_Slot(s_aChart[nSide], nPosition, nDepth, pUsed, 0, nConsulted);
        if (pConsulted) *pConsulted |= nConsulted;
        return nSlot;
    }
    return Get_Team_Position(nTeam, nPosition, nDepth, pUsed, 0);
}

PNUM Get_Team_Position(TNUM nTeam, int nPosition, int nDepth, PNUM* pUsed, int nLevel) {
    DepthChart chart;
    Build_Depth_Chart(nTeam, &chart);
    uint32_t nConsulted = 0;
    return Depth_Chart_Slot(chart, nPosition, nDepth, pUsed, nLevel, nConsulted);
}
