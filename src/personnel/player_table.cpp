#include "personnel/player_table.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>

#include "database/player.h"
#include "database/text_format.h"
#include "personnel/injuries.h"
#include "personnel/position_kinds.h"
#include "personnel/ratings.h"
#include "personnel/roster.h"

namespace {
const char* const HEADINGS[NUMBER_OF_PLAYER_COLUMNS] = {
    "Depth", "Pos", "Name", "Age", "Ovr", "Key 1", "Key 2", "Key 3", "Key 4", "Key 5",
    "Value", "Salary", "Contract", "Injury", "Team", "Class", "Ht", "Wt", "College", "CSS",
};
const char* const CLASS_NAMES[] = {"Fr", "So", "Jr", "Sr"};  // experience -4 .. -1

void Put(PlayerRow* pRow, int nColumn, int64_t nKey, const char* szText) {
    pRow->anKey[nColumn] = nKey;
    Copy_Field(pRow->aszText[nColumn], PLAYER_CELL_SIZE, szText);
}
void Put_Number(PlayerRow* pRow, int nColumn, int nValue) {
    char szText[PLAYER_CELL_SIZE];
    snprintf(szText, sizeof szText, "%d", nValue);
    Put(pRow, nColumn, nValue, szText);
}
}  // namespace

const char* Player_Column_Heading(int nColumn) {
    return nColumn >= 0 && nColumn < NUMBER_OF_PLAYER_COLUMNS ? HEADINGS[nColumn] : "";
}

int Player_Column_Rating(int nColumn, int nPosition) {
    if (nColumn < COLUMN_KEY_RATING || nColumn >= COLUMN_VALUE) return 0;
    return Position_Rating_Code(nPosition, nColumn - COLUMN_KEY_RATING);
}

int Starters_At_Position(int nPosition) {
    if (!Is_Known_Position(nPosition)) return 0;
    int nSide = Side_Of_Position(nPosition), nCount = 0;
    for (int nSpot = 0; nSpot < Starter_Spots(nSide); nSpot++)
        if (Starter_Position(nSide, nSpot) == nPosition) nCount++;
    return nCount;
}

int Depth_At_Position(TNUM nTeam, PNUM nSlot, bool bHealthyOnly) {
    if (!Is_Valid_Player(nTeam, nSlot)) return 0;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VS_POSITION), nDepth = 0;
    for (PNUM p = 0; p < nSlot; p++)
        if (Is_Valid_Player(nTeam, p) && Get_Player_Vital_Stat(nTeam, p, VS_POSITION) == nPosition &&
            !(bHealthyOnly && Is_Injured(nTeam, p)))
            nDepth++;
    return nDepth;
}

void Get_Player_Row(TNUM nTeam, PNUM nSlot, PlayerRow* pRow) {
    memset(pRow, 0, sizeof *pRow);
    pRow->nTeam = nTeam;
    pRow->nSlot = nSlot;
    if (!Is_Valid_Player(nTeam, nSlot)) return;
    int nPosition = Get_Player_Vital_Stat(nTeam, nSlot, VS_POSITION);
    pRow->nPosition = nPosition;
    pRow->nDepth = Depth_At_Position(nTeam, nSlot);
    // The game sends out the first healthy players of the position. Only a
    // franchise has a lineup; the pool's order means nothing on the field.
    pRow->bStarter = nTeam < NUMBER_OF_FRANCHISES && !Is_Injured(nTeam, nSlot) &&
                     Depth_At_Position(nTeam, nSlot, true) < Starters_At_Position(nPosition);

    char szText[TEXT_SIZE], szPosition[TEXT_SIZE];
    Get_Position_Abbreviation(nPosition, szPosition);
    Put(pRow, COLUMN_DEPTH, (int64_t)nPosition * PLAYERS_PER_TEAM + pRow->nDepth,
        (szPosition + std::to_string(pRow->nDepth + 1)).c_str());
    Put(pRow, COLUMN_POSITION, nPosition, szPosition);

    char szName[FULL_NAME_WIDTH + 8], szFirst[TEXT_SIZE], szLast[TEXT_SIZE];
    Get_Player_Full_Name(nTeam, nSlot, szName);
    Put(pRow, COLUMN_NAME, 0, szName);
    Get_Player_First_Name(nTeam, nSlot, szFirst);
    Get_Player_Last_Name(nTeam, nSlot, szLast);
    Copy_Field(pRow->szSortName, PLAYER_CELL_SIZE, (std::string(szLast) + " " + szFirst).c_str());

    Put_Number(pRow, COLUMN_AGE, Get_Player_Vital_Stat(nTeam, nSlot, VS_AGE));
    Put_Number(pRow, COLUMN_OVERALL, Player_Overall_Rating(nTeam, nSlot));
    for (int nColumn = COLUMN_KEY_RATING; nColumn < COLUMN_VALUE; nColumn++) {
        int nRating = Player_Column_Rating(nColumn, nPosition);
        // A slot the position lacks sorts below every rating.
        if (nRating)
            Put_Number(pRow, nColumn, Get_Player_Season_Stat(nTeam, nSlot, PERIOD_PREDICTED, nRating));
        else
            Put(pRow, nColumn, -1, "");
    }
    int nWorth = Get_Player_Season_Stat(nTeam, nSlot, PERIOD_PREDICTED, SS_SEASON_WORTH);
    Format_Thousands(nWorth, szText);
    Put(pRow, COLUMN_VALUE, nWorth, szText);

    int nSalary = Get_Player_Vital_Stat(nTeam, nSlot, VS_SALARY);
    char szSalary[TEXT_SIZE];
    Format_Thousands(nSalary, szSalary);
    Put(pRow, COLUMN_SALARY, nSalary, ("$" + std::string(szSalary) + ",000").c_str());
    int nLeft = Get_Player_Vital_Stat(nTeam, nSlot, VS_CONTRACT_LEFT);
    int nYears = Get_Player_Vital_Stat(nTeam, nSlot, VS_CONTRACT_YEARS);
    snprintf(szText, sizeof szText, "%d of %d", nLeft, nYears);
    Put(pRow, COLUMN_CONTRACT, (int64_t)nLeft * 100 + nYears, szText);

    if (Is_Injured(nTeam, nSlot)) {
        int nWeeks = Get_Player_Vital_Stat(nTeam, nSlot, VS_INJURY_WEEKS);
        snprintf(szText, sizeof szText, "%s (%d %s)", Get_Injury_Status(nTeam, nSlot), nWeeks,
                 nWeeks == 1 ? "wk" : "wks");
        Put(pRow, COLUMN_INJURY, nWeeks, szText);
    } else {
        Put(pRow, COLUMN_INJURY, 0, "");
    }

    if (nTeam >= DRAFT_POOL_TEAMS)
        strcpy(szText, "Undrafted");
    else
        Get_Team_Label(nTeam, szText);
    Put(pRow, COLUMN_TEAM, 0, szText);
    int nExperience = Get_Player_Vital_Stat(nTeam, nSlot, VS_EXPERIENCE);
    Put(pRow, COLUMN_CLASS, nExperience, nExperience >= -4 && nExperience < 0 ? CLASS_NAMES[nExperience + 4] : "");
    int nHeight = Get_Player_Vital_Stat(nTeam, nSlot, VS_HEIGHT);
    snprintf(szText, sizeof szText, "%d-%d", nHeight / 12, nHeight % 12);
    Put(pRow, COLUMN_HEIGHT, nHeight, szText);
    Put_Number(pRow, COLUMN_WEIGHT, Get_Player_Vital_Stat(nTeam, nSlot, VS_WEIGHT));
    Get_Player_College(nTeam, nSlot, szText);
    Put(pRow, COLUMN_COLLEGE, 0, szText);
    Put(pRow, COLUMN_SCOUT_SCORE, 0, "");
}

std::vector<PlayerRow> Get_Player_Rows(TNUM nTeam, int nSide) {
    std::vector<PlayerRow> rows;
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++) {
        if (!Is_Valid_Player(nTeam, p)) continue;
        if (nSide >= 0 && Get_Player_Side(nTeam, p) != nSide) continue;
        rows.emplace_back();
        Get_Player_Row(nTeam, p, &rows.back());
    }
    return rows;
}

void Sort_Player_Rows(std::vector<PlayerRow>& rows, int nColumn, bool bDescending) {
    if (nColumn < 0 || nColumn >= NUMBER_OF_PLAYER_COLUMNS) return;
    std::stable_sort(rows.begin(), rows.end(), [nColumn, bDescending](const PlayerRow& a, const PlayerRow& b) {
        int nOrder = a.anKey[nColumn] < b.anKey[nColumn] ? -1 : a.anKey[nColumn] > b.anKey[nColumn] ? 1 : 0;
        if (!nOrder && nColumn == COLUMN_NAME) nOrder = strcmp(a.szSortName, b.szSortName);
        if (!nOrder && (nColumn == COLUMN_TEAM || nColumn == COLUMN_COLLEGE))
            nOrder = strcmp(a.aszText[nColumn], b.aszText[nColumn]);
        if (bDescending) nOrder = -nOrder;
        if (nOrder) return nOrder < 0;
        return a.nTeam != b.nTeam ? a.nTeam < b.nTeam : a.nSlot < b.nSlot;
    });
}
