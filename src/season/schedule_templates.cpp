// The two fixed schedule templates and the first-season team tables.
#include "base/random.h"
#include "database/team.h"
#include "platform/platform.h"
#include "season/schedule.h"
#include "season/standings.h"

namespace {
// One game of a template: the visitor's and the home team's template index.
// Unused places stay {0, 0}; no team visits itself, so that pair reads as no game.
struct TemplateGame {
    int8_t nVisitor, nHome;
};

// 31 teams.
const TemplateGame TEMPLATE_2001[TEMPLATE_WEEKS][MAX_TEMPLATE_GAMES] = {
    /* week  0 */ {{26,  3}, { 4,  9}, {14, 10}, {22, 19}, {24, 23}, {11, 13}, {28, 21}, { 1,  2},
                   { 7,  8}, {25,  6}, {27, 17}, {18, 15}, {30, 29}, { 0,  5}, {16, 12}},
    /* week  1 */ {{19, 24}, { 9,  5}, {12,  1}, { 3,  0}, {29, 26}, {23, 16}, {17, 22}, {20, 18},
                   { 4, 28}, {30, 27}, { 2, 11}, { 8, 25}, {13, 14}, {10,  7}, {21,  6}},
    /* week  2 */ {{28, 30}, {21, 25}, { 6,  9}, {24, 10}, {15, 19}, { 3,  1}, {16, 13}, {11,  0},
                   { 5,  8}, { 2,  4}, {27, 29}, {17, 14}, {12, 20}, {18, 23}},
    /* week  3 */ {{ 7,  3}, { 0, 27}, {22, 21}, { 1,  4}, {26, 16}, {13, 18}, {23, 28}, {30, 20},
                   { 9, 15}, {10,  8}, {14, 11}, { 6, 12}, {19, 17}, {29,  2}},
    /* week  4 */ {{25, 30}, {15, 10}, { 4,  0}, {21, 26}, {18, 16}, {20, 17}, { 9,  7}, { 5,  6},
                   { 8, 14}, {13, 12}, { 2,  3}, {23, 22}, {28, 29}, {27, 24}},
    /* week  5 */ {{29, 30}, {20, 25}, {10,  9}, { 6, 23}, {22,  5}, { 7, 13}, {16, 27}, {24, 21},
                   {15,  4}, {26, 28}, { 0,  2}, {12, 14}, {11,  1}, {18, 19}},
    /* week  6 */ {{ 3,  8}, {25,  9}, { 6, 10}, { 5, 24}, { 4,  1}, {30, 26}, {27,  2}, { 7, 22},
                   {28, 18}, {12, 15}, {13, 20}, {23, 21}, {19, 11}, {17, 16}},
    /* week  7 */ {{29, 25}, { 9, 24}, { 1, 13}, {26, 27}, {21, 22}, { 2, 28}, { 8,  6}, {20, 19},
                   { 4, 12}, {11, 17}, { 3, 15}, { 0, 14}, {16, 18}, { 5,  7}},
    /* week  8 */ {{ 4, 30}, {10, 25}, {22, 23}, { 8,  5}, {28,  0}, {19, 16}, { 6,  7}, {17, 20},
                   {24, 29}, {13, 15}, {14, 18}, { 1,  3}, { 2, 26}, {12, 11}},
    /* week  9 */ {{19, 30}, {23, 25}, { 7, 10}, {22, 24}, { 0,  1}, {28, 27}, { 3,  4}, {13,  2},
                   { 9,  8}, {15, 12}, {21, 17}, {16, 20}, {26, 29}, {11, 14}, { 6,  5}},
    /* week 10 */ {{25, 22}, {29, 28}, {10,  6}, {14,  3}, { 5,  9}, {17, 19}, {30, 23}, { 2,  0},
                   { 1, 26}, {15, 11}, { 8,  7}, {24, 20}, {18, 12}, {27,  4}, {16, 21}},
    /* week 11 */ {{23, 24}, {12, 19}, { 0,  3}, { 9, 10}, { 7,  5}, {29,  1}, {14, 13}, {18, 17},
                   {30, 28}, { 6,  8}, {20, 15}, {26,  4}, {11, 16}, {25, 21}, {22, 27}},
    /* week 12 */ {{17, 13}, {27, 30}, {24, 25}, {22,  9}, { 5, 10}, {12,  0}, {28, 26}, { 4,  2},
                   {21,  7}, { 1,  6}, {15, 14}, {19, 18}, {20, 11}, { 3, 29}, {23,  8}},
    /* week 13 */ {{26, 30}, {28,  3}, { 8,  9}, {16, 19}, {25, 23}, {29, 27}, { 5, 21}, {10,  4},
                   {15, 17}, {24, 22}, {18, 20}, { 2,  7}, {13, 11}, {14, 12}, { 1,  0}},
    /* week 14 */ {{20, 16}, {11, 15}, { 4,  3}, {22, 25}, { 8, 10}, {21, 24}, {30,  1}, {12, 13},
                   { 9,  2}, {17, 18}, { 0, 29}, {19, 14}, {23,  5}, { 7,  6}, {27, 26}},
    /* week 15 */ {{ 0,  4}, {17, 29}, { 5, 11}, { 3, 30}, {10, 23}, {15, 13}, {14, 16}, {24,  7},
                   {26, 22}, {25, 18}, {27, 28}, { 9,  6}, {19, 20}, { 8, 21}, { 2,  1}},
    /* week 16 */ {{ 6, 22}, { 7,  9}, {29, 19}, {25, 24}, {21, 23}, {10,  5}, { 1, 27}, {30,  0},
                   { 3,  2}, {20, 28}, {13,  8}, {16, 17}, {14, 15}, {11, 12}, {18, 26}},
};

// 32 teams.
const TemplateGame TEMPLATE_2002[TEMPLATE_WEEKS][MAX_TEMPLATE_GAMES] = {
    /* week  0 */ {{29, 18}, { 2,  3}, {26, 24}, {15, 11}, {14, 10}, {22, 25}, {16,  4}, {27,  1},
                   {31, 17}, { 9, 23}, { 5,  6}, {21, 20}, {30, 12}, {28, 13}, {19,  7}, { 8,  0}},
    /* week  1 */ {{24, 22}, {11, 10}, { 4, 19}, { 1,  5}, { 6, 14}, {25, 21}, { 0,  2}, {27, 23},
                   {20,  9}, {31, 30}, {18, 28}, { 3, 26}, { 7, 15}, {13, 29}, {12,  8}, {16, 17}},
    /* week  2 */ {{10,  4}, { 2,  1}, {23, 26}, {14,  0}, {21, 24}, {19, 16}, { 5,  7}, {15, 31},
                   { 3, 13}, {25, 27}, {17, 29}, {30, 18}, {11, 22}, {28, 20}},
    /* week  3 */ {{21, 27}, {23, 25}, { 1, 14}, {24,  3}, {19, 28}, { 7, 16}, {10,  8}, { 2,  6},
                   {18, 31}, {20, 11}, { 4, 12}, { 0, 15}, {26, 30}, {13,  9}},
    /* week  4 */ {{20, 22}, {12,  3}, {18, 19}, {17,  4}, {11,  5}, { 0,  1}, { 8, 21}, {31, 23},
                   {14,  2}, {15, 13}, {28, 29}, {16,  6}, { 9, 10}, {25, 24}},
    /* week  5 */ {{ 8, 11}, {23, 19}, { 6,  4}, { 9,  5}, {27, 26}, {25,  0}, {22, 18}, {21, 17},
                   { 3,  7}, {14, 15}, {10, 20}, {12, 28}, { 1, 13}, {29, 30}},
    /* week  6 */ {{23, 22}, {24, 27}, {30, 28}, { 3,  1}, {29, 21}, {26,  2}, {20, 16}, {13, 14},
                   { 6,  9}, {15, 12}, { 7, 10}, {17, 25}, {19, 31}, { 5,  8}},
    /* week  7 */ {{27,  3}, { 4, 11}, {30, 19}, {12, 14}, {24, 26}, {22, 21}, {10,  2}, {20, 23},
                   { 8,  9}, {31, 29}, {13,  0}, { 7,  6}, { 5, 17}, {18, 16}},
    /* week  8 */ {{ 9, 22}, { 0,  3}, {16, 24}, { 8, 10}, {19, 27}, { 4,  5}, {26, 20}, {11,  7},
                   { 2, 15}, {17, 30}, {28, 31}, {29, 12}, { 6, 18}, { 1, 25}},
    /* week  9 */ {{27, 25}, { 7,  4}, {15, 28}, {18, 26}, { 5, 16}, {22,  8}, {21, 23}, {11,  9},
                   {17,  6}, {30, 31}, {14, 29}, { 0, 24}, { 1,  2}, {12, 13}},
    /* week 10 */ {{ 8,  4}, {19,  5}, { 3, 14}, { 9,  1}, {25, 26}, {17, 18}, {31, 16}, {21, 22},
                   {10, 11}, {23, 20}, {29, 15}, {13, 30}, { 6,  7}, { 2, 27}, { 0, 12}, {24, 28}},
    /* week 11 */ {{15,  1}, {26,  0}, {10, 21}, { 3,  2}, {27, 24}, { 6, 19}, {11,  8}, {22, 23},
                   { 4,  9}, {25, 20}, {14, 30}, {12, 31}, {28, 17}, {18,  7}, { 5, 13}, {16, 29}},
    /* week 12 */ {{ 0, 27}, {17, 19}, { 8,  6}, { 1,  3}, { 9, 11}, {23, 10}, {24, 25}, {31, 14},
                   {22, 26}, { 4, 18}, { 7,  5}, {13, 15}, {30, 29}, {28, 16}, {20, 21}, { 2, 12}},
    /* week 13 */ {{ 5,  4}, {28, 14}, { 3,  0}, {29, 19}, { 7,  8}, {22, 20}, {18, 17}, {11, 23},
                   {10,  6}, {21,  9}, {27, 31}, {16, 30}, {12, 15}, {13,  2}, {26, 25}, {24,  1}},
    /* week 14 */ {{30, 22}, {15,  3}, { 2, 24}, { 6, 11}, { 5, 10}, {20, 27}, {12,  1}, {26, 21},
                   {17, 16}, {23,  8}, { 9,  7}, {14, 13}, {19, 18}, {25, 29}, {31, 28}, { 0,  4}},
    /* week 15 */ {{ 1, 26}, {29, 31}, {16, 19}, { 7, 17}, {24, 23}, { 4,  6}, {27, 22}, {21, 11},
                   { 3, 25}, {18,  5}, {15, 14}, {28, 30}, {10,  9}, {13, 12}, { 2,  0}, { 8, 20}},
    /* week 16 */ {{16, 18}, {14, 12}, { 9,  8}, {19, 17}, { 4,  7}, {11,  3}, {22, 10}, {26, 27},
                   { 1,  0}, {23, 21}, { 6,  5}, {25,  2}, {31, 13}, {30, 15}, {20, 24}, {29, 28}},
};

// First season: template index of team code 0, 1, 2, ...
const int FIRST_SEASON_2001[31] = {20, 30, 6,  3,  28, 25, 9,  10, 19, 12, 24, 23, 1,  8, 13, 0,
                                   21, 4,  26, 16, 2,  11, 17, 7,  15, 29, 14, 27, 22, 5, 18};
const int FIRST_SEASON_2002[32] = {31, 22, 9, 3,  23, 24, 11, 10, 19, 13, 27, 25, 7,  5,  6,  14,
                                   1,  26, 0, 21, 18, 2,  12, 16, 8,  15, 29, 30, 28, 20, 4,  17};

// Division exchanges of a later season: the blocks that may trade places, as
// drawn by random(8) (32 teams) or random(6) (31 teams) for each conference.
const int BLOCK_STARTS_32[2][8] = {{0, 4, 8, 12, 0, 4, 8, 12}, {16, 20, 24, 28, 16, 20, 24, 28}};
const int BLOCK_STARTS_31[2][6] = {{0, 11, 0, 11, 0, 11}, {16, 21, 26, 16, 21, 26}};

int Template_Opponent(const TemplateGame (&aWeeks)[TEMPLATE_WEEKS][MAX_TEMPLATE_GAMES], int nWeek, int nGame,
                      int nSide) {
    if (nWeek < 0 || nWeek >= TEMPLATE_WEEKS || nGame < 0 || nGame >= MAX_TEMPLATE_GAMES)
        return NO_TEMPLATE_GAME;
    const TemplateGame& game = aWeeks[nWeek][nGame];
    if (game.nVisitor == game.nHome) return NO_TEMPLATE_GAME;
    return nSide == 0 ? game.nVisitor : game.nHome;
}

// Swaps two blocks of template indexes of nSize teams each.
void Exchange_Blocks(int nTeams, int* anOrder, int nStartA, int nStartB, int nSize) {
    if (nStartA == nStartB) return;
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        int& nIndex = anOrder[nTeam];
        if (nIndex >= nStartA && nIndex < nStartA + nSize)
            nIndex += nStartB - nStartA;
        else if (nIndex >= nStartB && nIndex < nStartB + nSize)
            nIndex += nStartA - nStartB;
    }
}

// True when anOrder holds every index 0..nTeams-1 once.
bool Is_Permutation(int nTeams, const int* anOrder) {
    bool abSeen[NUMBER_OF_FRANCHISES] = {};
    for (int nTeam = 0; nTeam < nTeams; nTeam++) {
        int nIndex = anOrder[nTeam];
        if (nIndex < 0 || nIndex >= nTeams || abSeen[nIndex]) return false;
        abSeen[nIndex] = true;
    }
    return true;
}

// Index from the last standings: the teams of all earlier divisions, then the place.
bool Order_From_Standings(int nTeams, int* anOrder) {
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) {
        int nDivision = Get_Team_Division(nTeam);
        int nBefore = 0;
        for (int n = 0; n < nDivision; n++) nBefore += Division_Team_Count(n);
        int nPlace = Get_Team_Standing(nTeam);
        if (nPlace == NO_TEAM) return false;
        anOrder[nTeam] = nBefore + nPlace;
    }
    return Is_Permutation(nTeams, anOrder);
}
}  // namespace

int Get_2001_NFL_Schedule_Opponent(int nWeek, int nGame, int nSide) {
    return Template_Opponent(TEMPLATE_2001, nWeek, nGame, nSide);
}

int Get_2002_NFL_Schedule_Opponent(int nWeek, int nGame, int nSide) {
    return Template_Opponent(TEMPLATE_2002, nWeek, nGame, nSide);
}

int First_Season_Template_Index(int nTeams, TNUM nTeam) {
    if (nTeam < 0 || nTeam >= nTeams) return -1;
    if (nTeams == 31) return FIRST_SEASON_2001[nTeam];
    if (nTeams == 32) return FIRST_SEASON_2002[nTeam];
    return -1;
}

void Make_Template_Order(int nTeams, int* anOrder) {
    if (Current_Season_Index() > 0 && Order_From_Standings(nTeams, anOrder)) {
        for (int nConference = 0; nConference < NUMBER_OF_LEAGUES; nConference++) {
            if (nTeams == 32) {
                for (int n = 0; n < 4; n++) {
                    int nStartA = BLOCK_STARTS_32[nConference][Random(8)];
                    int nStartB = BLOCK_STARTS_32[nConference][Random(8)];
                    Exchange_Blocks(nTeams, anOrder, nStartA, nStartB, 4);
                }
            } else {
                for (int n = 0; n < 3; n++) {
                    int nStartA = BLOCK_STARTS_31[nConference][Random(6)];
                    int nStartB = BLOCK_STARTS_31[nConference][Random(6)];
                    Exchange_Blocks(nTeams, anOrder, nStartA, nStartB, 5);
                }
            }
        }
        return;
    }
    // The first season, and any season whose last standings do not give
    // every team its own index (divisions edited since), use the fixed table.
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) anOrder[nTeam] = First_Season_Template_Index(nTeams, nTeam);
}

void Fill_NFL_Schedule(int nTemplateYear) {
    int nTeams = nTemplateYear == 2001 ? 31 : 32;
    if (Number_Of_Teams() != nTeams) {
        Error_Log("Invalid number of teams in Fill_NFL_Schedule(%d)", Number_Of_Teams());
        return;
    }
    int anOrder[NUMBER_OF_FRANCHISES];
    Make_Template_Order(nTeams, anOrder);
    TNUM anTeamAt[NUMBER_OF_FRANCHISES];
    for (TNUM nTeam = 0; nTeam < nTeams; nTeam++) anTeamAt[anOrder[nTeam]] = nTeam;

    for (int nWeek = 0; nWeek < TEMPLATE_WEEKS; nWeek++) {
        for (int nGame = 0; nGame < MAX_TEMPLATE_GAMES; nGame++) {
            int nVisitor, nHome;
            if (nTemplateYear == 2001) {
                nVisitor = Get_2001_NFL_Schedule_Opponent(nWeek, nGame, 0);
                nHome = Get_2001_NFL_Schedule_Opponent(nWeek, nGame, 1);
            } else {
                nVisitor = Get_2002_NFL_Schedule_Opponent(nWeek, nGame, 0);
                nHome = Get_2002_NFL_Schedule_Opponent(nWeek, nGame, 1);
            }
            if (nVisitor == NO_TEMPLATE_GAME || nHome == NO_TEMPLATE_GAME) continue;
            if (nVisitor < 0 || nHome < 0) {
                Message_Box("Assert Error",
                            "Get_%d_NFL_Schedule_Opponent() returned negative"
                            " in Fill_NFL_Schedule()",
                            nTemplateYear);
                continue;
            }
            if (nVisitor >= nTeams || nHome >= nTeams) continue;
            Schedule_Season_Game(anTeamAt[nHome], anTeamAt[nVisitor], nWeek);
        }
    }
}
