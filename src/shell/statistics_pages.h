// The Leaders, Calendar and Games pages with the dialogs they open.
#pragma once

void Register_Leaders_Page();  // page 40032 and the Leader Heading dialog
void Register_Calendar_Page(); // page 40036, the Schedule Stat and Other Team dialogs
void Register_Games_Page();    // page 40086 and the Games command
