// The token language of news and scouting texts: "{PLAYER LAST NAME} signs
// with the {TEAM NAME}" filled in for one player and his team. Tokens match
// without regard to case; an unknown one comes out in square brackets.
#pragma once
#include <cstddef>

#include "database/league_database.h"

constexpr int NEWS_TEXT_SIZE = 2048;  // a news text with its terminator

// Replaces the tokens of szText (a buffer of nSize characters) with the data of
// the player in (nTeam, nPlayer). One pass: a replacement is never read again,
// so a name holding a token stays as it is; the result is cut to fit nSize,
// never inside a UTF-8 character. NO_TEAM or an empty slot logs and leaves the
// text as it was.
void Substitute_News_Strings(TNUM nTeam, PNUM nPlayer, char* szText, size_t nSize = NEWS_TEXT_SIZE);

// How much lasting damage the medical staff expects of the player's injuries,
// "no" .. "career-ending"; a poorly paid staff is less sure. Steady for a
// month, and draws nothing from the game's generator. szOut holds TEXT_SIZE.
void Get_Injury_Risk_Phrase(TNUM nTeam, PNUM nPlayer, char* szOut);
