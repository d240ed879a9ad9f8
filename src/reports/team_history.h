// The team History dialog (174): one line per completed season, oldest
// first, and the averages over them.
#pragma once
#include "database/league_database.h"
#include "database/text_format.h"
#include "finance/dialog_support.h"

constexpr int HISTORY_LINE = TEXT_SIZE;

struct TeamHistory {
    int nSeasons;
    // Year, home attendance, net result, record, league rank and outcome,
    // each followed by a tab.
    char aszLines[NUMBER_OF_SEASONS][HISTORY_LINE];
    char szAttendance[DIALOG_TEXT]; // "Attendance: 512,340" or "Attendance: n/a"
    char szProfit[DIALOG_TEXT];
    char szRecord[DIALOG_TEXT];
    char szRank[DIALOG_TEXT];
};

// "3rd (Central)", "AFC Wild Card", "World Champion" ...; "" for a level
// outside 0..8.
void Season_Outcome_Text(TNUM nTeam, int nLevel, char* szOut);
void Fill_Team_History(TNUM nTeam, TeamHistory* pHistory);

// The dialog's chart: wins and profit for the same completed seasons, with
// the scale they are drawn on.
struct HistoryChart {
    int nSeasons;
    int anYear[NUMBER_OF_SEASONS];
    int anWins[NUMBER_OF_SEASONS];
    int anProfit[NUMBER_OF_SEASONS];  // dollars
    int nMostGames;   // the wins' scale: the longest season's games, at least 1
    int nHighProfit;  // the money's scale, at least 0 ...
    int nLowProfit;   // ... and at most 0, so the zero line is always on it
};
void Fill_History_Chart(TNUM nTeam, HistoryChart* pChart);
// The team the dialog opens on: setting 28 when it names a franchise in use.
TNUM History_First_Team();
