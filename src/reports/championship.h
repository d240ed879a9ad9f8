// The championship page (command 40074), which the season loop shows once the
// champion is decided when a human-controlled team won its division, its
// conference or the championship. The best result among the human-controlled teams counts;
// the first team in code order on equal results.
#pragma once
#include "database/league_database.h"
#include "finance/dialog_support.h"

enum {
    CHAMPIONSHIP_NONE = 0,
    CHAMPIONSHIP_DIVISION = 5,   // won its division
    CHAMPIONSHIP_CONFERENCE = 7, // won its conference
    CHAMPIONSHIP_LEAGUE = 8,     // champion
};

struct ChampionshipPage {
    TNUM nTeam; // NO_TEAM when no human-controlled team has anything to celebrate
    int nResult;
    const char* szPicture; // "News\\Champs.jpg", "News\\Conferen.jpg", "News\\Divchamp.jpg"
    const char* szSound;   // "celeb3.wav", "celeb2.wav", "celeb1.wav"
    char szYear[DIALOG_TEXT];
    char szTeam[DIALOG_TEXT]; // the team's full name
};

int Championship_Result(TNUM nTeam); // CHAMPIONSHIP_* of this season
void Fill_Championship_Page(ChampionshipPage* pPage);
