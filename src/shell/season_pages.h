// The Standings, Finances and Playoffs pages, the championship page, the
// heading editors they open and the team History dialog.
#pragma once

class QWidget;

void Register_Standings_Page(); // with the Standings Heading dialog
void Register_Finances_Page();  // with the Financial Stat dialog
void Register_Playoffs_Page();
void Register_Championship_Page();  // celebrates whenever it is shown
void Register_History_Dialog();
void Register_Hall_Of_Fame_Page();  // the managers' Vantor Hall Of Fame
void Register_Draft_Page();         // with the Play menu's "&End Draft"

// The pointer of a page with chosen headings (nHeading, -1 for none) and a
// conference switch: a click switches, or opens idDialog for the heading.
int Heading_Page_Pointer(int nHeading, bool bSwitch, int nKind, int idDialog);
int Clicked_Heading();
// The heading editor of a kind (reports/heading_choice.h) for one heading;
// 1 when confirmed, 0 when cancelled (and the old heading is back).
int Run_Heading_Dialog(QWidget* pOwner, int nKind, int nSlot, const char* szTitle);
