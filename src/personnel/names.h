// The name files "names/first.txt" and "names/last.txt", one name a line, and
// the line reader used for them and other text files.
#pragma once
#include <cstdio>
#include <string>

constexpr const char* FIRST_NAME_FILE = "names/first.txt";
constexpr const char* LAST_NAME_FILE = "names/last.txt";
constexpr const char* DEFAULT_FIRST_NAME = "John";
constexpr const char* DEFAULT_LAST_NAME = "Smith";

// Reads one line into szBuffer (at most nSize - 1 characters, the rest of the
// line skipped; a carriage return before the line feed is dropped). True when
// the end of the file was reached.
bool Read_Line(FILE* pFile, char* szBuffer, int nSize);
// The same, but the first over-long line of the run is reported to the user.
bool Read_Line_Limit(FILE* pFile, char* szBuffer, int nSize);
void Reset_Read_Line_Limit_Warning();  // tests

// The path as given when it exists, else a match found regardless of case,
// component by component; the path as given when nothing matches.
std::string Find_File_Ignoring_Case(const std::string& szPath);

// Lines in a file, 0 when it cannot be opened.
int Count_File_Lines(const char* szPath);
// Counts both name files into game-state entries 92 and 93.
void Count_Name_Files();

// Line nLine (from 0) of a name file, read up to nSize - 1 characters; the
// default when the file is missing, too short or the line is empty. A missing
// file is reported once per run.
void Read_Name_Line(const char* szPath, int nLine, char* szOut, int nSize, const char* szDefault);
void Reset_Name_File_Warnings();  // tests
