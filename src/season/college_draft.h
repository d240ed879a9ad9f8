// The college draft between the off-season and the new season: the order,
// the team on the clock, the computer's and the person's picks, the draft
// file, and what becomes of the prospects nobody took.
#pragma once
#include "database/league_database.h"

// Draft order from the season just ended, a new class, round 0 pick 0, the
// draft file begun; then the computer picks until a person's team is on the
// clock or the draft is over (which sets up the new season).
void Start_College_Draft();
// The franchise that owns the pick now on the clock; NO_TEAM outside a draft.
TNUM Team_On_The_Clock();
// The computer picks while the team on the clock is computer-managed.
void Run_Computer_Picks();
// "&End Draft": the computer makes every remaining pick, the person's too.
void End_College_Draft();
// A person's pick of the prospect in (nPoolTeam, nPlayer) for the team on
// the clock, after the rookie negotiation. False when not signed or refused.
bool Human_Draft_Pick(TNUM nPoolTeam, PNUM nPlayer);
// After the computer signing round: the prospects left join the free-agent
// pool and every negative experience becomes 0.
void Move_Undrafted_Prospects();
