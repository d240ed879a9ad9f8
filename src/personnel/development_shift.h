// The random development shift of a new league and of every new season.
#pragma once

// Every valid player may have his predicted statistics moved up or down a
// little, more often the younger and less experienced he is.
void Random_Development_Shift();
