// What the season pages and the History dialog share: small texts (every
// szOut holds DIALOG_TEXT characters), the conference shown, hot spots.
#pragma once
#include "database/league_database.h"

void Record_Text(int nWins, int nLosses, int nTies, char* szOut); // "9-7", "9-6-1"
void Tenths_Text(int nTenths, char* szOut);                       // "12.5", "-0.5"
void Rank_Ordinal_Text(int nRank, char* szOut);                   // 1: "1st"
// "%cFC" from the initial of the conference's name.
void Conference_Label(int nConference, char* szOut);
// The conference the Standings and Finances pages show (setting 42): 0 or 1,
// and 0 when the league has only one.
int Shown_Conference();
void Switch_Shown_Conference();
// A click at (x, y) inside the logical rectangle, right and bottom excluded.
inline bool Page_Spot(int x, int y, int nLeft, int nTop, int nRight, int nBottom) {
    return x >= nLeft && x < nRight && y >= nTop && y < nBottom;
}
// The index of the heading under (x, y) in a row of nCount headings nStep
// wide from nLeft, or -1.
int Heading_At(int x, int y, int nLeft, int nStep, int nTop, int nBottom, int nCount);
