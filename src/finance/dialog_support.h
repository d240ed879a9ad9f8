// Texts shared by the budget dialogs.
#pragma once
#include <cstdint>

#include "database/league_database.h"
#include "finance/budget_dialogs.h"

// printf into a DIALOG_TEXT field, cut to fit.
void Dialog_Format(char* szOut, const char* szFormat, ...) __attribute__((format(printf, 2, 3)));
void Money_Text(int64_t nDollars, char* szOut); // "$1,234" or "-$1,234"; szOut holds DIALOG_TEXT
void Cents_Text(int nCents, char* szOut);       // "%d.%02d"
void Number_Text(int64_t n, char* szOut);       // "1,234"
// A season total per game, 0 with no games.
int64_t Per_Game(int64_t nTotal, int nGames);
// "(1st)": 1 + the franchises with a greater value of the financial code.
void Rank_Text(TNUM nTeam, int nCode, char* szOut);
void Fill_Ranked_Figure(TNUM nTeam, int nCode, RankedFigure* pFigure);
// A valid franchise for a dialog; logs otherwise.
bool Dialog_Team(TNUM nTeam, const char* szRoutine);
