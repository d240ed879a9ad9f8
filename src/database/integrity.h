// A league's integrity: the invariants every part of the program relies on,
// checked over the whole league in memory without changing it. Used by
// `brakvell-sim check`, by the tests and by long simulated runs.
#pragma once
#include <string>
#include <vector>

// Appends one line of text per violation to *pViolations (when given) and
// returns the number of violations; 0 means the league is sound.
int Check_League_Integrity(std::vector<std::string>* pViolations);

// The part of the integrity a league needs to be played at all: every value
// the game uses as an index, a count or a sum stays where it cannot reach
// outside a table or wrap. A load refuses a league that breaks one of these;
// the full check above reports them with the rest.
int Check_League_Ranges(std::vector<std::string>* pViolations);

// History records in use (a year set) that no player lists. Not a fault of
// the league as such, but records lost this way never come back to the pool.
int Count_Unowned_History_Records();
