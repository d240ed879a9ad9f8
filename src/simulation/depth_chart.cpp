// The depth chart: who plays a position at a depth, with the substitutes
// when the position runs dry, and the returners.
#include "database/team.h"
#include "platform/platform.h"
#include "simulation/game_internal.h"

namespace {
// Where to look when a position runs dry, level 1..7 (level 0 is the position itself).
const int8_t SUBSTITUTES[NUMBER_OF_POSITIONS][8] = {
    {POS_QB, POS_RB, POS_WR, POS_TE, POS_K, POS_P, POS_CB, POS_S},
    {POS_RB, POS_WR, POS_TE, POS_QB, POS_T, POS_G, POS_C, POS_CB},
    {POS_TE, POS_WR, POS_RB, POS_CB, POS_S, POS_QB, POS_LB, POS_DE},
    {POS_WR, POS_TE, POS_RB, POS_CB, POS_S, POS_QB, POS_LB, POS_DE},
    {POS_T, POS_G, POS_C, POS_TE, POS_DT, POS_DE, POS_LB, POS_RB},
    {POS_G, POS_C, POS_T, POS_TE, POS_DT, POS_DE, POS_LB, POS_RB},
    {POS_C, POS_G, POS_T, POS_TE, POS_DT, POS_DE, POS_LB, POS_RB},
    {POS_DE, POS_DT, POS_LB, POS_S, POS_CB, POS_T, POS_G, POS_C},
    {POS_DT, POS_DE, POS_LB, POS_S, POS_CB, POS_T, POS_G, POS_C},
    {POS_LB, POS_S, POS_DE, POS_DT, POS_CB, POS_TE, POS_RB, POS_T},
    {POS_CB, POS_S, POS_LB, POS_WR, POS_TE, POS_RB, POS_DE, POS_DT},
    {POS_S, POS_CB, POS_LB, POS_WR, POS_TE, POS_RB, POS_DE, POS_DT},
    {POS_K, POS_P, POS_QB, POS_WR, POS_RB, POS_TE, POS_CB, POS_S},
    {POS_P, POS_K, POS_QB, POS_WR, POS_RB, POS_TE, POS_CB, POS_S},
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
// (bit CHART_RETURNER for the returners), which is what an injury can change.
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
    PNUM nSlot = Get_Team_Returner(nTeam, nDepth ? PUNT_RETURNER : KICK_RETURNER);
    if (Unavailable_Returner(nTeam, nSlot)) {
        nSlot = Get_Team_Returner(nTeam, nDepth ? KICK_RETURNER : PUNT_RETURNER);
        int nPosition = Game_Player_Position(nTeam, nSlot);
        if (Unavailable_Returner(nTeam, nSlot) || nPosition == POS_K || nPosition == POS_P)
            return Depth_Chart_Slot(chart, POS_WR, 3, pUsed, 0, nConsulted);
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
    if (nPosition < 0 || nPosition > CHART_RETURNER) nPosition = POS_QB;
    if (nLevel > 0 && nPosition != CHART_RETURNER) nPosition = SUBSTITUTES[nPosition][Min(nLevel, 7)];
    nConsulted |= 1u << nPosition;
    if (nPosition == CHART_RETURNER) return Returner(chart, nDepth, pUsed, nConsulted);

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
    if (nSlot == Get_Team_Returner(nTeam, KICK_RETURNER) || nSlot == Get_Team_Returner(nTeam, PUNT_RETURNER))
        nChanged |= 1u << CHART_RETURNER;
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
