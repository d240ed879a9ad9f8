// The texts around the free-agent list: its title, the roster count, what a
// player or the team is seeking, and where the payroll stands.
#pragma once
#include <string>

#include "database/league_database.h"

// Who signs from the list: the person's team, the one being viewed when it
// is a person's; in commissioner mode whichever team is being viewed.
TNUM Free_Agent_Signing_Team();
// "Free Agents", or "Free Agents (Sign to %s)" when more than one franchise
// is a person's.
std::string Free_Agent_List_Title(TNUM nTeam);
// "The %s have %d roster players, out of a maximum of 80."
std::string Roster_Count_Text(TNUM nTeam);
// "%s is seeking a $%s,000 salary" for a player of the pool.
std::string Player_Seeking_Text(PNUM nPoolPlayer);
// "%s is seeking %s..." with the team's first needs.
std::string Team_Seeking_Text(TNUM nTeam);
// "The %s are exceeding the salary cap", "The %s are $%s,000 under the
// salary cap" with less than $5 million of room, else "The %s currently have
// a $%s,000 total payroll".
std::string Payroll_Text(TNUM nTeam);
