// The rows of a player table, as the roster, free-agent, draft and search
// windows show them: one row a player, each cell a text and a number to sort
// by, so that "1,250" sorts after "900" and positions sort in lineup order.
#pragma once
#include <cstdint>
#include <vector>

#include "database/league_database.h"
#include "personnel/ratings.h"  // RATINGS_PER_POSITION

enum PlayerColumn {
    COLUMN_DEPTH,     // "QB1": position and depth at it
    COLUMN_POSITION,
    COLUMN_NAME,
    COLUMN_AGE,
    COLUMN_OVERALL,
    COLUMN_KEY_RATING,  // one a rating slot of the position
    COLUMN_VALUE = COLUMN_KEY_RATING + RATINGS_PER_POSITION,
    COLUMN_SALARY,
    COLUMN_CONTRACT,  // years left of the contract's years
    COLUMN_INJURY,
    // Shown by the windows that list players of many teams or prospects.
    COLUMN_TEAM,  // "Undrafted" for a prospect
    COLUMN_CLASS,  // "Fr" .. "Sr" while at college
    COLUMN_HEIGHT,
    COLUMN_WEIGHT,
    COLUMN_COLLEGE,
    COLUMN_SCOUT_SCORE,  // left empty: what a team's scouts see is the window's to fill in
    NUMBER_OF_PLAYER_COLUMNS,
};
constexpr int PLAYER_CELL_SIZE = 48;

struct PlayerRow {
    TNUM nTeam;
    PNUM nSlot;
    int nPosition;
    int nDepth;  // 0 for the first of his position in slot order
    bool bStarter;  // healthy, and among the first healthy ones the lineup calls for
    char aszText[NUMBER_OF_PLAYER_COLUMNS][PLAYER_CELL_SIZE];
    int64_t anKey[NUMBER_OF_PLAYER_COLUMNS];
    char szSortName[PLAYER_CELL_SIZE];  // "Last First": names sort by the last
};

const char* Player_Column_Heading(int nColumn);
// The rating shown in a key-rating column for a position, 0 when it has none there.
int Player_Column_Rating(int nColumn, int nPosition);
// How many lineup spots call for the position: its starters.
int Starters_At_Position(int nPosition);
// Players of the same position in the team's slots before this one (the
// healthy ones only, when asked).
int Depth_At_Position(TNUM nTeam, PNUM nSlot, bool bHealthyOnly = false);

void Get_Player_Row(TNUM nTeam, PNUM nSlot, PlayerRow* pRow);
// Every player of the team in slot order; nSide -1 for all, else one side's.
std::vector<PlayerRow> Get_Player_Rows(TNUM nTeam, int nSide = -1);
// Rows by a column's key, then by the text (names), ties in team and slot order.
void Sort_Player_Rows(std::vector<PlayerRow>& rows, int nColumn, bool bDescending);
