// The random development shift of a new league and of every new season.
#pragma once

// Every valid player of every team code may have his predicted statistics
// moved up or down a little, more often the younger and less experienced he
// is: a new game's league, once as it is made and once as its season is set up.
void Random_Development_Shift();

// The same shift for the players of the franchises in use only: a season
// that follows an off-season. Free agents, prospects and the hall of fame
// stay as they are.
void Random_Yearly_Fluctuation();
