// The player card: the block of short facts shown at the head of a player's
// scouting window, a grid of 4 columns x 6 rows of texts read from his
// record, and his career season by season for the window's picture. Members
// of the hall of fame and draft prospects see their own variants.
#pragma once
#include <vector>

#include "database/league_database.h"
#include "database/text_format.h"

constexpr int CARD_COLUMNS = 4;
constexpr int CARD_ROWS = 6;

// Cell (nColumn, nRow) of the card of (nTeam, nPlayer) in szOut of TEXT_SIZE;
// empty when the cell does not apply or the slot is empty.
void Get_Player_Card_Text(int nColumn, int nRow, TNUM nTeam, PNUM nPlayer, char* szOut);
// "$%d,000" or "$%d,%03d,000" of a sum in thousands of dollars.
void Card_Money_Text(int nThousands, char* szOut);

// The one counting statistic that says most of a season at the position.
int Key_Statistic(int nPosition);  // a season-stat code
const char* Key_Statistic_Name(int nPosition);

// One season of the history list, oldest first.
struct CareerSeason {
    int nYear;
    TNUM nTeam;
    int nValue;  // the season's worth, on the value scale of Player_Season_Value
    int nKey;    // Key_Statistic of his present position
};
std::vector<CareerSeason> Player_Career(TNUM nTeam, PNUM nPlayer);
