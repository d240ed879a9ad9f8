// Player card lines built from the raw vital-stat values.
#include <cstdio>

#include "database/text_format.h"
#include "platform/platform.h"

namespace {
const char* const COLLEGE_CLASSES[4] = {"Freshman", "Sophomore", "Junior", "Senior"};
}

void Get_Experience_Text(int nExperience, char* szOut) {
    szOut[0] = '\0';
    if (nExperience < -4) {
        Error_Log("Invalid nExperience in Get_Experience_Text(%d)", nExperience);
        return;
    }
    if (nExperience < 0) {
        Copy_Field(szOut, TEXT_SIZE, COLLEGE_CLASSES[nExperience + 4]);
    } else if (nExperience == 0) {
        Copy_Field(szOut, TEXT_SIZE, "Rookie");
    } else {
        char szOrdinal[TEXT_SIZE];
        Get_Ordinal_Words_Capitalised(nExperience + 1, szOrdinal);
        Format_Text(szOut, "%s season", szOrdinal);
    }
}

void Get_Height_Text(int nInches, char* szOut) {
    szOut[0] = '\0';
    if (nInches < 0) {
        Error_Log("Invalid nInches in Get_Height_Text(%d)", nInches);
        return;
    }
    Format_Text(szOut, "Height: %d-%d", nInches / 12, nInches % 12);
}

void Get_Weight_Text(int nPounds, char* szOut) {
    Format_Text(szOut, "Weight: %d", nPounds);
}

void Get_Forty_Text(int nHundredths, char* szOut) {
    szOut[0] = '\0';
    if (nHundredths < 0) {
        Error_Log("Invalid nHundredths in Get_Forty_Text(%d)", nHundredths);
        return;
    }
    Format_Text(szOut, "40-Yard Dash: %d.%02d", nHundredths / 100, nHundredths % 100);
}

// The team part is the drafting team code + 1, so 0 means the team is unknown.
void Get_Drafted_Text(int nDrafted, char* szOut) {
    szOut[0] = '\0';
    if (nDrafted <= 0) return;
    int nTeamPart = nDrafted / 10000;
    int nYear = nDrafted % 10000;
    if (nTeamPart == 0) {
        Format_Text(szOut, "Drafted %d", nYear);
    } else if (nTeamPart <= NUMBER_OF_FRANCHISES) {
        char szTeam[32];
        Get_Team_String((TNUM)(nTeamPart - 1), TS_ABBREVIATION, szTeam);
        if (nYear > 0)
            Format_Text(szOut, "Drafted %d (%s)", nYear, szTeam);
        else
            Format_Text(szOut, "Drafted by %s", szTeam);
    } else {
        Copy_Field(szOut, TEXT_SIZE, "Undrafted");
    }
}

// The round is written as a number with its suffix: "1st Round (#12)".
void Get_Draft_Pick_Text(int nDraftPick, char* szOut) {
    szOut[0] = '\0';
    if (nDraftPick <= 0) return;
    int nRound = nDraftPick / 10000;
    int nPick = nDraftPick % 10000;
    if (nRound == 0) {
        Format_Text(szOut, "Pick #%d", nPick);
        return;
    }
    char szRound[TEXT_SIZE];
    Get_Number_With_Suffix(nRound, szRound);
    if (nPick > 0)
        Format_Text(szOut, "%s Round (#%d)", szRound, nPick);
    else
        Format_Text(szOut, "%s Round", szRound);
}

void Get_Contract_End_Text(int nYearsLeft, char* szOut) {
    char szYear[16];
    snprintf(szYear, sizeof szYear, "%d", Current_Calendar_Year() + nYearsLeft);
    Format_Text(szOut, "Contract Ends: %s", szYear);
}
