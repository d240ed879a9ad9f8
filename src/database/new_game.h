// The New Game page: the fields the user fills in and the league
// transformations its Play button applies to the default league.
#pragma once
#include <string>
#include <vector>

#include "database/league_database.h"

enum NewGameOption {
    NEW_GAME_SHUFFLE,
    NEW_GAME_RANDOM_PLAYERS,
    NEW_GAME_EQUALIZE,
    NEW_GAME_SIMULATION,
    NEW_GAME_FANTASY_DRAFT,
    NUMBER_OF_NEW_GAME_OPTIONS,
};

struct NewGameForm {
    TNUM nTeam = 0;               // the chosen franchise
    std::string szNickname;       // team string 2, prefilled
    std::string szManager;        // up to 63 characters, prefilled from the hall-of-fame file
    int nDifficulty = 0;          // 0..3
    bool abOption[NUMBER_OF_NEW_GAME_OPTIONS] = {};
};

// Loads Universe.dat and applies the new-game defaults. False (league as it
// was) when the file cannot be loaded.
bool Open_New_Game_Page(NewGameForm* pForm);
// The team list: one line per team in use, "[%s]" for user-managed ones.
std::vector<std::string> New_Game_Team_List();
// Choosing a team prefills its nickname.
void Choose_New_Game_Team(NewGameForm* pForm, TNUM nTeam);
// A check box changed: the options that exclude each other are cleared.
void Set_New_Game_Option(NewGameForm* pForm, int nOption, bool bChecked);
// Options this build can apply (Random Players and Fantasy Draft come later).
bool New_Game_Option_Available(int nOption);
// The Play button: the chosen team becomes the user's and the league is set up.
bool Play_New_Game(const NewGameForm& form);
