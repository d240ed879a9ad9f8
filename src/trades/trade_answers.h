// The general manager's spoken answer to an offer: six tiers of sixteen
// lines, from mockery of an empty offer to a handshake. The score picks the
// tier and the line, so the same offer always draws the same answer.
#pragma once
#include <string>

#include "database/league_database.h"

constexpr int ANSWER_TIERS = 6;
constexpr int ANSWER_LINES = 16;  // per tier
enum { TIER_EMPTY_OFFER, TIER_INSULTING, TIER_POOR, TIER_SHORT, TIER_CLOSE, TIER_ACCEPTED };

int Answer_Tier(int nScore);
// The line within the tier; for the empty offer this draws Random(16).
int Answer_Line(int nScore);
const char* Answer_Text(int nTier, int nLine);
// The answer to an offer of that score.
const char* Response_Text(int nScore);

// The partner's general manager's picture, "dialogs/faces/gm%d.jpg": one of
// 36 faces by team code, the second set once a face has served long enough.
constexpr int GENERAL_MANAGER_FACES = 36;
constexpr int FACE_SERVICE_SEASONS = 15;
std::string General_Manager_Face(TNUM nTeam);
