// Credit for every play: the player's counters, his team's totals and the
#include <utility>

// game's box score.
#include "platform/platform.h"
#include "simulation/game_internal.h"

namespace {
enum { ROW_QB, ROW_OFFENCE, ROW_DEFENCE, ROW_KICKERS };

// Column of a statistic in each box-score row, -1 none.
int Box_Column(int nRow, int nStat) {
    switch (nRow) {
    case ROW_QB: {
        static const int8_t COLUMNS[20] = {-1, -1, 0, 1, 4, 2, 3, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
        return COLUMNS[nStat];
    }
    case ROW_OFFENCE: {
        static const int8_t COLUMNS[20] = {-1, -1, -1, -1, -1, -1, -1, 0, 1, 4, 2, 3, 4, -1, -1, -1, 4, -1, -1, 4};
        return COLUMNS[nStat];
    }
    case ROW_DEFENCE: {
        static const int8_t COLUMNS[20] = {-1, -1, -1, -1, 0, -1, -1, 1, -1, 4, -1, -1, -1, -1, -1, -1, 4, -1, -1, 4};
        return COLUMNS[nStat];
    }
    default: {
        static const int8_t COLUMNS[20] = {-1, -1, -1, -1, -1, -1, -1, -1, 0, 1, 2, 3, 2, 3, 2, 3, 2, 3, -1, -1};
        return COLUMNS[nStat];
    }
    }
}

const int8_t BOX_WEIGHTS[14][BOX_COLUMNS] = {
    {5, -2, 1, 45, -25}, {0, 2, 5, 3, 45},   {0, 2, 5, 3, 45},   {0, 2, 5, 3, 45},  {0, 0, 0, 0, 0},
    {0, 0, 0, 0, 0},     {0, 0, 0, 0, 0},    {20, 75, 0, 0, 45}, {20, 75, 0, 0, 45}, {20, 75, 0, 0, 45},
    {20, 75, 0, 0, 45},  {20, 75, 0, 0, 45}, {10, 2, 40, 15, 0}, {0, 0, 0, 0, 0},
};

void Add_To_Box_Score(GameRecord* g, int nSide, int nID, int nColumn, int nAmount) {
    int nLine = -1;
    for (int i = 0; i < BOX_LINES && nLine < 0; i++)
        if (g->anBoxPlayers[nSide][i] == nID) nLine = i;
    for (int i = 0; i < BOX_LINES && nLine < 0; i++)
        if (g->anBoxPlayers[nSide][i] == 0) nLine = i;
    if (nLine < 0) return;
    g->anBoxPlayers[nSide][nLine] = nID;
    g->anBoxLines[nSide][nLine][nColumn] = (int16_t)(g->anBoxLines[nSide][nLine][nColumn] + nAmount);
}

int Position_Of_ID(TNUM nTeam, int nID) {
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (Game_Player_ID(nTeam, nSlot) == nID) return Game_Player_Position(nTeam, nSlot);
    return P_T;  // gone from the roster: weighs nothing
}

int Box_Line_Score(const GameRecord* g, int nSide, int nLine) {
    int nID = g->anBoxPlayers[nSide][nLine];
    if (nID == 0) return 0;
    const int8_t* pWeights = BOX_WEIGHTS[Position_Of_ID(g->anTeam[nSide], nID)];
    int nScore = 0;
    for (int c = 0; c < BOX_COLUMNS; c++) nScore += g->anBoxLines[nSide][nLine][c] * pWeights[c];
    return nScore;
}

bool Regular_Season() { return Current_Week() < First_Playoff_Week(); }
}  // namespace

void Increment_Stat(GameRecord* g, TNUM nTeam, PNUM nSlot, int nGroup, int nStat, int nAmount) {
    int nPosition = Game_Player_Position(nTeam, nSlot);
    int nPlayerGroup = Game_Position_Group(nPosition);
    if (nGroup >= 0 && nGroup <= 3 && nGroup != nPlayerGroup) return;
    if (nGroup == 4 && nPlayerGroup != 0 && nPlayerGroup != 2) return;
    if (nTeam < 0 || nTeam > TOTAL_NUMBER_OF_TEAMS) {
        Error_Log("Invalid nTeam in Increment_Stat");
        return;
    }
    if (!Game_Slot_Filled(nTeam, nSlot) || nStat < 0 || nStat >= NUMBER_OF_COUNTERS) return;
    if (Regular_Season()) Game_Add_Player_Stat(nTeam, nSlot, nStat, nAmount);
    if (nPlayerGroup == 1) return;
    int nLine = Game_Position_Side(nPosition);
    int nSide = Team_Side(g, nTeam);
    Game_Add_Team_Total(nTeam, nLine, nStat, nAmount);
    Game_Add_Team_Total(g->anTeam[1 - nSide], 3 + nLine, nStat, nAmount);
    int nRow = nPosition == P_QB ? ROW_QB : nLine == 0 ? ROW_OFFENCE : nLine == 1 ? ROW_DEFENCE : ROW_KICKERS;
    int nColumn = Box_Column(nRow, nStat);
    if (nColumn >= 0) Add_To_Box_Score(g, nSide, Game_Player_ID(nTeam, nSlot), nColumn, nAmount);
}

void Credit_Regular_Season_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nAmount) {
    if (Regular_Season()) Game_Add_Player_Stat(nTeam, nSlot, nStat, nAmount);
}

void Credit_Game_Starters(GameRecord* g) {
    static const int8_t STARTERS[2][LINEUP_SIZE][2] = {
        {{P_QB, 0}, {P_RB, 0}, {P_RB, 1}, {P_TE, 0}, {P_WR, 0}, {P_WR, 1}, {P_T, 0}, {P_G, 0}, {P_C, 0}, {P_G, 1}, {P_T, 1}},
        {{P_DE, 0}, {P_DT, 0}, {P_DT, 1}, {P_DE, 1}, {P_LB, 0}, {P_LB, 1}, {P_LB, 2}, {P_CB, 0}, {P_CB, 1}, {P_S, 0}, {P_S, 1}},
    };
    for (int nSide = 0; nSide < SIDES; nSide++) {
        TNUM nTeam = g->anTeam[nSide];
        for (const auto& unit : STARTERS) {
            PNUM anUsed[LINEUP_SIZE];
            for (PNUM& n : anUsed) n = NO_PLAYER;
            for (const auto& starter : unit) {
                PNUM nSlot = Game_Team_Position(g, nTeam, starter[0], starter[1], anUsed);
                if (!Game_Slot_Filled(nTeam, nSlot)) {
                    Error_Log("Bad nPlayer in Credit_Game_Starters()");
                    continue;
                }
                Increment_Stat(g, nTeam, nSlot, -1, 1, 1);
            }
        }
    }
}

void Order_Box_Score(GameRecord* g) {
    for (int nSide = 0; nSide < SIDES; nSide++) {
        int anScore[BOX_LINES];
        for (int i = 0; i < BOX_LINES; i++) anScore[i] = Box_Line_Score(g, nSide, i);
        for (int nPass = 0; nPass < BOX_LINES; nPass++)
            for (int i = 0; i + 1 < BOX_LINES; i++) {
                if (anScore[i + 1] <= anScore[i]) continue;
                std::swap(anScore[i], anScore[i + 1]);
                std::swap(g->anBoxPlayers[nSide][i], g->anBoxPlayers[nSide][i + 1]);
                for (int c = 0; c < BOX_COLUMNS; c++) std::swap(g->anBoxLines[nSide][i][c], g->anBoxLines[nSide][i + 1][c]);
            }
    }
}
