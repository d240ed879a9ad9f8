// The New Game page: the fields the user fills in and the league
// transformations its Play button applies to the default league.
#pragma once
#include <memory>
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

constexpr int MANAGER_NAME_LIMIT = 63;  // "Vantor Name:"
constexpr int NICKNAME_LIMIT = 31;      // the team's nickname

struct NewGameForm {
    TNUM nTeam = 0;               // the chosen franchise
    std::string szNickname;       // team string 2, prefilled
    std::string szManager;        // up to 63 characters, prefilled from the hall-of-fame file
    int nDifficulty = 0;          // 0..3
    bool abOption[NUMBER_OF_NEW_GAME_OPTIONS] = {};
};

// Loads Universe.dat and applies the new-game defaults, then prefills the
// form: the first team, its nickname, the last manager's name, "Fan".
// False (league as it was, the load's message shown) when the file cannot be loaded.
bool Open_New_Game_Page(NewGameForm* pForm);
// The page replaces the league in memory as it opens, so the window keeps a
// whole copy first; Cancel hands it back and the game that ran goes on,
// title and unsaved changes included. Null when there is no memory for it.
std::unique_ptr<LeagueDatabase> Keep_League();
void Restore_Kept_League(const LeagueDatabase& kept);
// The team list: one line per team in use, "[%s]" for user-managed ones;
// line n is team code n.
std::vector<std::string> New_Game_Team_List();
// "Difficulty Level:": the four names, line n is level n.
std::vector<std::string> New_Game_Difficulty_Names();
// A team in use named by its code, city, nickname or abbreviation (any
// case); NO_TEAM when none is.
TNUM Find_New_Game_Team(const char* szName);
// Choosing a team prefills its nickname. The franchise box beside the list
// is Get_Franchise_Profile (finance/budget_dialogs.h) of the chosen team.
void Choose_New_Game_Team(NewGameForm* pForm, TNUM nTeam);
// A check box changed: the options that exclude each other are cleared.
void Set_New_Game_Option(NewGameForm* pForm, int nOption, bool bChecked);
// Options this build can apply (Random Players and Fantasy Draft come later).
bool New_Game_Option_Available(int nOption);
// Every check box of the page is an advanced option: each makes a league
// other than the shipped one, so a game started with any of them rates gray.
bool New_Game_Keeps_Rating(const NewGameForm& form);
// The Play button: the chosen team becomes the user's and the league is set
// up. False, with nothing changed, when the form names no team in use or no
// difficulty level.
bool Play_New_Game(const NewGameForm& form);

// Steps of Play, each on the live league.
void Equalize_Cities(bool bShuffled);
void Set_New_Game_State();
// "%s - %s (%s)", or "%d teams - %d players (%s)" with several user-managed teams.
std::string New_Game_Title();
// Every file in "Output/" deleted; the folder is made when there is none.
void Empty_Output_Folder();
// The league cut down to its first nTeams franchises (2..32), for small
// leagues that play quickly: the others' players leave through the delete
// path, the teams kept split into two one-division conferences, and codes of
// the teams gone are taken out of picks, draft marks and history. Before
// Play, which makes the schedule. False, nothing changed, for a bad count.
bool Keep_First_Franchises(int nTeams);
