// The college draft between the off-season and the new season: the order,
// the team on the clock, the computer's and the person's picks, the draft
// file, and what becomes of the prospects nobody took.
#pragma once
#include <string>

#include "database/league_database.h"

// Draft order from the season just ended, a new class, round 0 pick 0, the
// draft file begun; then the computer picks until a person's team is on the
// clock or the draft is over (which sets up the new season).
void Start_College_Draft();
// The franchises in use ordered by the finish of the season the records
// show: the worst outside the playoffs first, the champion last; equal teams
// keep their code order.
void Set_Draft_Order();
// The franchise that owns the pick now on the clock; NO_TEAM outside a draft.
TNUM Team_On_The_Clock();
// The next pick; past the last team the next round's banner, and past the
// last round the draft ends and the new season is set up.
void Advance_Draft_Pick();
// The computer's pick for the team: the prospect its needs weigh highest.
// False when it made none (a full roster, or nobody left).
bool Computer_Draft_Pick(TNUM nTeam);
// The prospect of (nPoolTeam, nPlayer) joins the team as the pick on the
// clock, and the draft file says so.
void Record_Draft_Pick(TNUM nTeam, TNUM nPoolTeam, PNUM nPlayer);
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
// "Output/Draft-NN.txt" of this season's draft, NN the season index's last
// two digits; empty when the folder cannot be made.
std::string Draft_File_Path();
