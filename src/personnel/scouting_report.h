// The scout's one-sentence verdict on a player, as a team's scouts see him:
// a line chosen by age group, value tier blurred by the scouting error, and a
// variant that changes with the month, with its tokens filled in.
#pragma once
#include <cstddef>

#include "database/league_database.h"
#include "personnel/news_text.h"

constexpr int SCOUT_AGE_GROUPS = 3;  // 0 prospect, 1 in his prime, 2 veteran
constexpr int SCOUT_TIERS = 10;     // 0 harshest .. 9 highest praise
constexpr int SCOUT_VARIANTS = 8;
constexpr int SCOUT_LINES = SCOUT_AGE_GROUPS * SCOUT_TIERS * SCOUT_VARIANTS;

// Line nIndex (0..SCOUT_LINES - 1) as written, tokens and all; nIndex is
// 80 x age group + 8 x tier + variant. The empty text out of range.
const char* Scout_Line(int nIndex);

int Scout_Age_Group(int nAge, int nPeakStart, int nPeakEnd);
// The tier a scout believes, reflected back into 0..9 at either end.
int Scouted_Tier(int nTier, int nError);

// What went into a verdict, for the tool and the tests.
struct ScoutingView {
    int nAgeGroup;
    int nTier;      // the player's value tier
    int nError;     // the judging team's scouting error
    int nShownTier;  // the tier the line speaks for
    int nVariant;
    int nLine;  // index into the table
};
// False, with *pView cleared, for an empty slot.
bool Get_Scouting_View(TNUM nTeam, PNUM nPlayer, TNUM nForTeam, ScoutingView* pView);

// The verdict on (nTeam, nPlayer) by nForTeam's scouts (GS_USER_TEAM for the
// manager's own view) in szOut of nSize characters. Empty for an empty slot, a
// member of the hall of fame, and a player of no franchise whose line would
// name his team.
void Get_Scouting_Report(TNUM nTeam, PNUM nPlayer, TNUM nForTeam, char* szOut, size_t nSize = NEWS_TEXT_SIZE);
