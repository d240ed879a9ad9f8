// The free text kept with the league (Game > Database Notes).
#pragma once
#include <string>

constexpr int MAXIMUM_NOTES_LENGTH = 511;

std::string Get_Database_Notes();
// Longer texts are cut to MAXIMUM_NOTES_LENGTH characters.
void Set_Database_Notes(const char* szText);

// The editor's text after an edit that took it from szBefore to szAfter
// (UTF-8): within the limit it stands; past it, only as much of what was
// typed or pasted is kept as fits, whole characters, and the rest of the
// text is untouched. *pnCursor (may be null) gets the byte offset just after
// the part kept, where the cursor belongs.
std::string Limit_Notes_Edit(const std::string& szBefore, const std::string& szAfter, size_t* pnCursor = nullptr);
