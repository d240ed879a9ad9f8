// The free text kept with the league (Game > Database Notes).
#pragma once
#include <string>

constexpr int MAXIMUM_NOTES_LENGTH = 511;

std::string Get_Database_Notes();
// Longer texts are cut to MAXIMUM_NOTES_LENGTH characters.
void Set_Database_Notes(const char* szText);
