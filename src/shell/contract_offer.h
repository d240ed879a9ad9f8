// The Contract Offer window, which every negotiation of a person opens
// (free agents, renewals, draft picks), and the roster windows' release.
// Both only show what the core decides.
#pragma once
#include "database/league_database.h"

struct ContractForm;

// The negotiation's hook: the window over the main window; 1 signed, 0 not.
int Run_Contract_Offer(ContractForm* pForm);
// Asks the question and releases the player to the free agents when the
// rules allow; true when he went. For the roster windows.
bool Release_From_Roster(TNUM nTeam, PNUM nSlot);
