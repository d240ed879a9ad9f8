// Small text builders shared by pages, reports and news: numbers as words,
// money, dates and week names, positions, team names and player card lines.
//
// Every szOut must hold TEXT_SIZE characters; longer results are cut to
// TEXT_SIZE - 1 and always terminated. A bad argument logs an ERROR line and
// yields the empty text. Outputs may share the buffer of a text argument.
#pragma once
#include "database/league_database.h"

constexpr int TEXT_SIZE = 256;

// printf into a TEXT_SIZE buffer, cut to fit.
void Format_Text(char* szOut, const char* szFormat, ...) __attribute__((format(printf, 2, 3)));

// Numbers.
void Get_Cardinal_Words(int n, char* szOut); // 342: "three hundred and forty-two"
void Get_Cardinal_Words_Capitalised(int n, char* szOut);
void Get_Ordinal_Words(int n, char* szOut); // 21: "twenty-first"; 1..999999
void Get_Ordinal_Words_Capitalised(int n, char* szOut);
void Get_Number_With_Suffix(int n, char* szOut); // 22: "22nd"
void Format_Thousands(int n, char* szOut);       // -1234: "-1,234"
void Format_Thousandths(int n, char* szOut);     // 656: ".656"; winning percentages
void Format_Millions(int nDollars, char* szOut); // 2450000: "$2.4M"

// Calendar. Day indices count from January 1 of a 365-day year.
void Get_Month_Name(int nMonth, char* szOut);     // 0..11
void Get_Weekday_Name(int nWeekday, char* szOut); // 0 Monday .. 6 Sunday
void Get_Date_Text(int nDay, char* szOut);        // 243: "September 1"
void Get_Current_Year_Text(char* szOut);
// Week index from 0, or -1 for the current week: "Week %d" in the regular
// season, then the playoff round names, then "Off Season".
void Get_Week_Name(int nWeek, char* szOut);

// Names from the string table.
void Get_Position_Name(int nPosition, char* szOut);       // 14: "Any Position"
void Get_Position_Name_Lower(int nPosition, char* szOut); // "running back"
void Get_Position_At_Text(int nPosition, char* szOut);    // "at running back"
void Get_Position_Abbreviation(int nPosition, char* szOut);
void Get_Fan_Mood(int nLoyalty, char* szOut); // per-mille loyalty: 1000 "Enthusiastic"
void Get_Stat_Period_Name(int nPeriod, char* szOut);
void Get_Difficulty_Name(int nLevel, char* szOut);

// Teams. NO_TEAM gives the empty text without a log line.
void Get_Team_City(TNUM nTeam, char* szOut);
void Get_Team_Nickname(TNUM nTeam, char* szOut);
void Get_Team_Abbreviation(TNUM nTeam, char* szOut);
// "City Nickname", or what a special code stands for ("Free Agent", ...).
void Get_Team_Label(TNUM nTeam, char* szOut);
void Get_Manager_Picture(TNUM nTeam, char* szOut); // franchises only
void Get_Stadium_Picture(TNUM nTeam, char* szOut); // franchises only

// Player card lines, from the raw vital-stat values.
void Get_Experience_Text(int nExperience, char* szOut); // 1: "Second season"
void Get_Height_Text(int nInches, char* szOut);         // 74: "Height: 6-2"
void Get_Weight_Text(int nPounds, char* szOut);
void Get_Forty_Text(int nHundredths, char* szOut);     // 452: "40-Yard Dash: 4.52"
void Get_Drafted_Text(int nDrafted, char* szOut);      // (team + 1) x 10000 + year
void Get_Draft_Pick_Text(int nDraftPick, char* szOut); // round x 10000 + overall pick
void Get_Contract_End_Text(int nYearsLeft, char* szOut);

// Editing texts.
void Make_Plural(const char* szWord, char* szOut); // "Safety": "Safeties"
void Pad_Left(const char* szText, int nWidth, char* szOut);
// Two spaces per missing character, for proportional fonts.
void Pad_Left_Double(const char* szText, int nWidth, char* szOut);
bool Is_Vowel(char c);
void Make_Upper_Case(char* szText);
void Capitalise(char* szText); // "tWO" -> "Two"
// Every cFrom becomes cTo; true when any was replaced.
bool Replace_Character(char* szText, char cFrom, char cTo);
// Moves the text before the first cDelimiter into szOut and drops it and the
// delimiter from szText. Without a delimiter the whole text moves, szText is
// left empty and the answer is false.
bool Split_At(char* szText, char cDelimiter, char* szOut);
