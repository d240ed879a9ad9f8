// The pictures and sounds of the game folder, one maker per kind. Each writes
// its files under szGame and returns false when one could not be written.
#pragma once
#include <string>
#include <vector>

// What the pictures need to know of a team of the default league.
struct TeamLook {
    int nCode;                 // team code: helmets are named by it
    std::string szAbbreviation;
    std::string szStadiumPicture;  // team string 4
    int nStructure;            // stadium field 1: 0 open, 1 domed, 2 convertible
    int nSurface;              // stadium field 2: 0 grass, 1 turf
};

bool Make_News_Pages(const std::string& szGame);
bool Make_Bracket_And_Draft_Pages(const std::string& szGame);
bool Make_Hall_Of_Fame_Pages(const std::string& szGame);
bool Make_Championship_Pages(const std::string& szGame);
bool Make_Logo_Pictures(const std::string& szGame);
bool Make_Manager_Faces(const std::string& szGame);
bool Make_Helmets(const std::string& szGame, const std::vector<TeamLook>& teams);
bool Make_Stadium_Photos(const std::string& szGame, const std::vector<TeamLook>& teams);
bool Make_Dialog_Pictures(const std::string& szGame);
bool Make_Sounds(const std::string& szGame);
