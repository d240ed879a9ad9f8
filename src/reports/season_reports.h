// The plain-text reports of a finished season in "Output/", each switched
// by its game-state option.
#pragma once

void Write_Standings_Report();  // "Output/Stndng%02d.txt"
void Write_Awards_Report();     // "Output/Awards%02d.txt"
void Write_Money_Report();      // "Output/Money-%02d.txt"
// Awards, money, standings, each when its option is on.
void Write_Season_Reports();
