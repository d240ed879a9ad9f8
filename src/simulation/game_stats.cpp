// Credit for every play: the player's counters, his team's totals and the
// game's box score.
#include <utility>

#include "database/team.h"
#include "platform/platform.h"
#include "simulation/game_internal.h"

namespace {
enum { ROW_QB, ROW_OFFENCE, ROW_DEFENCE, ROW_KICKERS };

// Column of a statistic in each box-score row, -1 none.
int Box_Column(int nRow, int nStat) {
    switch (nRow) {
    case ROW_QB:
        switch (nStat) {
        case SS_PASS_ATTEMPTS: return BOX_PASS_ATTEMPTS;
        case SS_COMPLETIONS: return BOX_COMPLETIONS;
        case SS_INTERCEPTIONS_THROWN: return BOX_INTERCEPTIONS_THROWN;
        case SS_PASS_YARDS: return BOX_PASS_YARDS;
        case SS_PASS_TD: return BOX_PASS_TD;
        }
        return -1;
    case ROW_OFFENCE:
        switch (nStat) {
        case SS_RUSHES: return BOX_RUSHES;
        case SS_RUSH_YARDS: return BOX_RUSH_YARDS;
        case SS_RECEPTIONS: return BOX_RECEPTIONS;
        case SS_RECEIVING_YARDS: return BOX_RECEIVING_YARDS;
        case SS_RUSH_TD: case SS_RECEIVING_TD: case SS_KICK_RETURN_TD: case SS_PUNT_RETURN_TD: return BOX_TOUCHDOWNS;
        }
        return -1;
    case ROW_DEFENCE:
        switch (nStat) {
        case SS_SACKS: return BOX_SACKS;
        case SS_INTERCEPTIONS: return BOX_INTERCEPTIONS;
        case SS_DEFENSIVE_TD: case SS_KICK_RETURN_TD: case SS_PUNT_RETURN_TD: return BOX_TOUCHDOWNS;
        }
        return -1;
    default:
        switch (nStat) {
        case SS_PAT_ATTEMPTS: return BOX_PAT_ATTEMPTS;
        case SS_PAT_MADE: return BOX_PAT_MADE;
        case SS_FGA_UNDER_30: case SS_FGA_UNDER_40: case SS_FGA_UNDER_50: case SS_FGA_50_PLUS: return BOX_FG_ATTEMPTS;
        case SS_FG_UNDER_30: case SS_FG_UNDER_40: case SS_FG_UNDER_50: case SS_FG_50_PLUS: return BOX_FG_MADE;
        }
        return -1;
    }
}

// Weights of the five columns by position, POS_QB..POS_P.
const int8_t BOX_WEIGHTS[NUMBER_OF_POSITIONS][BOX_COLUMNS] = {
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
    return POS_T;  // gone from the roster: weighs nothing
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

void Add_To_Totals(TNUM nTeam, int nLine, int nStat, int nAmount) {
    Add_Team_Total(nTeam, nLine, PERIOD_THIS_SEASON, nStat, nAmount);
    Add_Team_Total(nTeam, nLine, PERIOD_CAREER, nStat, nAmount);
}
}  // namespace

void Increment_Stat(GameRecord* g, TNUM nTeam, PNUM nSlot, int nGroup, int nStat, int nAmount) {
    int nPosition = Game_Player_Position(nTeam, nSlot);
    int nPlayerGroup = Position_Group(nPosition);
    if (nGroup >= GROUP_SKILL && nGroup <= GROUP_KICKERS && nGroup != nPlayerGroup) return;
    if (nGroup == RETURNING_GROUPS && nPlayerGroup != GROUP_SKILL && nPlayerGroup != GROUP_DEFENCE) return;
    if (nTeam < 0 || nTeam > TOTAL_NUMBER_OF_TEAMS) {
        Error_Log("Invalid nTeam in Increment_Stat");
        return;
    }
    if (!Game_Slot_Filled(nTeam, nSlot) || nStat < 0 || nStat >= NUMBER_OF_COUNTERS) return;
    if (Regular_Season()) Game_Add_Player_Stat(nTeam, nSlot, nStat, nAmount);
    if (nPlayerGroup == GROUP_LINE) return;
    // The sides and the team's own stat lines run alike.
    static_assert((int)LINE_OFFENCE == SIDE_OFFENCE && (int)LINE_DEFENCE == SIDE_DEFENCE && (int)LINE_KICKERS == SIDE_KICKERS);
    int nLine = Position_Side(nPosition);
    int nSide = Team_Side(g, nTeam);
    Add_To_Totals(nTeam, nLine, nStat, nAmount);
    Add_To_Totals(g->anTeam[1 - nSide], LINE_OPPONENTS_OFFENCE + nLine, nStat, nAmount);
    int nRow = nPosition == POS_QB ? ROW_QB : nLine == LINE_OFFENCE ? ROW_OFFENCE : nLine == LINE_DEFENCE ? ROW_DEFENCE : ROW_KICKERS;
    int nColumn = Box_Column(nRow, nStat);
    if (nColumn >= 0) Add_To_Box_Score(g, nSide, Game_Player_ID(nTeam, nSlot), nColumn, nAmount);
}

void Credit_Regular_Season_Stat(TNUM nTeam, PNUM nSlot, int nStat, int nAmount) {
    if (Regular_Season()) Game_Add_Player_Stat(nTeam, nSlot, nStat, nAmount);
}

void Credit_Game_Starters(GameRecord* g) {
    static const int8_t STARTERS[2][LINEUP_SIZE][2] = {
        {{POS_QB, 0}, {POS_RB, 0}, {POS_RB, 1}, {POS_TE, 0}, {POS_WR, 0}, {POS_WR, 1},
         {POS_T, 0}, {POS_G, 0}, {POS_C, 0}, {POS_G, 1}, {POS_T, 1}},
        {{POS_DE, 0}, {POS_DT, 0}, {POS_DT, 1}, {POS_DE, 1}, {POS_LB, 0}, {POS_LB, 1},
         {POS_LB, 2}, {POS_CB, 0}, {POS_CB, 1}, {POS_S, 0}, {POS_S, 1}},
    };
    for (int nSide = 0; nSide < SIDES; nSide++) {
        TNUM nTeam = g->anTeam[nSide];
        // A thin roster's two-way player fills a spot in both units but starts once.
        bool abStarted[PLAYERS_PER_TEAM] = {};
        for (const auto& unit : STARTERS) {
            PNUM anUsed[LINEUP_SIZE];
            for (PNUM& n : anUsed) n = NO_PLAYER;
            for (const auto& starter : unit) {
                PNUM nSlot = Game_Team_Position(g, nTeam, starter[0], starter[1], anUsed);
                if (!Game_Slot_Filled(nTeam, nSlot)) {
                    Error_Log("Bad nPlayer in Credit_Game_Starters()");
                    continue;
                }
                if (abStarted[nSlot]) continue;
                abStarted[nSlot] = true;
                Increment_Stat(g, nTeam, nSlot, ANY_GROUP, SS_STARTS, 1);
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
