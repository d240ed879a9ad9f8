// The page heading editors: the Standings Heading dialog (143) picks one of
// the 26 standings columns for a heading, the Financial Stat dialog (145) one
// of the 36 finance columns. The choice is stored as soon as it is made, so
// the page behind can follow it; cancelling puts the previous one back.
#pragma once

enum { HEADINGS_STANDINGS, HEADINGS_FINANCES, NUMBER_OF_HEADING_KINDS };

int Heading_Slots(int nKind);                            // 4, 5; 0 for a bad kind
int Heading_Choices(int nKind);                          // 26, 36
const char* Heading_Choice_Name(int nKind, int nChoice); // "" when out of range
// The column shown under a heading; a stored value out of range reads as 0.
int Chosen_Heading(int nKind, int nSlot);

struct HeadingChoice {
    int nKind;
    int nSlot; // clamped into the kind's slots
    int nPrevious;
};
HeadingChoice Open_Heading_Choice(int nKind, int nSlot);
void Choose_Heading(const HeadingChoice& choice, int nChoice); // out-of-range choices are ignored
void Cancel_Heading_Choice(const HeadingChoice& choice);
