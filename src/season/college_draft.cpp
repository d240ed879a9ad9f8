#include "season/college_draft.h"

#include "season/season_loop.h"

void Start_College_Draft() { Set_Up_New_Season(); }
TNUM Team_On_The_Clock() { return NO_TEAM; }
void Run_Computer_Picks() {}
void End_College_Draft() {}
bool Human_Draft_Pick(TNUM, PNUM) { return false; }
void Move_Undrafted_Prospects() {}
