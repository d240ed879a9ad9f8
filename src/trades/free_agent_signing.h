// Free agency: the computer's signing round of a new season, and the rules a
// person's signing passes before and after the contract negotiation. The
// free-agent list binds to these; the tool and the tests use them as they are.
#pragma once
#include "database/league_database.h"

// A refusal as the list shows it: a titled box.
constexpr int SIGNING_TEXT_WIDTH = 160;
struct SigningRefusal {
    char szTitle[48];
    char szText[SIGNING_TEXT_WIDTH];
};

// Once a new season, after the draft: every computer-run franchise lets its
// slots 77..79 go, each franchise under the cap scores every pool player
// asking a million or more by its needs, and pool positions are taken in
// turn, the best positive score signing, so each franchise signs one player
// at most and keeps the pool contract. The choice remembers the player each
// score was for: every signing closes a gap in the pool, so a position holds
// someone else by the time it is reached. The last slots go again at the end.
void Computer_Signing_Round();

// Whether nTeam may sign a free agent now; otherwise pRefusal says why
// ("Trading Deadline" outside the window, "Debt" in debt).
bool Free_Agent_Signing_Allowed(TNUM nTeam, SigningRefusal* pRefusal);
// "Too Many Players" when the roster holds 80; the player is named.
bool Free_Agent_Roster_Room(TNUM nTeam, PNUM nPoolPlayer, SigningRefusal* pRefusal);
// A player of the pool who has signed joins the team after the last player of
// his side: his new slot, or NO_PLAYER with the "Too Many Players" refusal.
PNUM Join_Signed_Free_Agent(TNUM nTeam, PNUM nPoolPlayer, SigningRefusal* pRefusal);
// The whole signing: the rules (roster room before the negotiation, so a
// full roster pays no bonus), the negotiation, the joining. Refusals are shown
// as boxes. The new slot, or NO_PLAYER.
PNUM Sign_Free_Agent(TNUM nTeam, PNUM nPoolPlayer);

// Each time the list opens: every pool player at his preferred length with no
// bonus, asking anew; the pool is sorted again for the new asking salaries.
void Reset_Free_Agent_Contracts();

// The roster's release: to the pool, or out of the league (history freed).
// The team's later players move up.
void Release_Player(TNUM nTeam, PNUM nPlayer, bool bToPool);
// A person releases from his own franchise's roster (from any franchise's in
// commissioner mode); otherwise pRefusal says why, titled "Release Player".
bool Release_Allowed(TNUM nTeam, PNUM nPlayer, SigningRefusal* pRefusal);
// The question a release asks first; szOut holds TEXT_SIZE.
void Release_Question(TNUM nTeam, PNUM nPlayer, char* szOut);
// The roster windows' release: the rule (a refusal is shown), the question,
// then the player goes to the free-agent pool. True when he went.
bool Ask_To_Release_Player(TNUM nTeam, PNUM nPlayer);

// The list's cap line: "Room Under Salary Cap: $%s,000", or "Exceeding Salary
// Cap by: $%s,000" at a room of 0 or less. szOut holds TEXT_SIZE.
void Free_Agent_Cap_Room_Text(TNUM nTeam, char* szOut);
