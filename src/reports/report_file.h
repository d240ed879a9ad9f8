// Writing a season report into "Output": the old file goes first, then the
// lines one by one. A file that cannot be written loses its lines silently.
#pragma once
#include <cstdio>

// The calendar year of the season the team records show.
int Report_Year();
// Deletes "Output/<szFormat with the year mod 100>" and opens it anew;
// nullptr when it cannot be written.
FILE* Open_Report_File(const char* szFormat);
// One line with its line break; nothing for a null file.
void Report_Line(FILE* pFile, const char* szFormat, ...) __attribute__((format(printf, 2, 3)));
void Close_Report_File(FILE* pFile);
