// The Games page's play-by-play: the game's file read back and split into
// the lines the page draws, with the period headers turned into headings.
#pragma once
#include <string>
#include <vector>

enum { PBP_TEXT, PBP_HEADING, PBP_PLAY, PBP_SCORE };

struct PlayByPlayLine {
    int nKind;
    std::string szTime, szTeam, szDown, szSpot; // plays only
    std::string szText; // the play text, the heading "--- FIRST QUARTER ---", or the whole line
};

// "Output/G-%02d-%03d.txt" for the stored game nGame (its season year and index).
std::string Play_By_Play_Path(int nGame);
// "FIRST QUARTER" ... "TRIPLE OVERTIME" for a period label of the file ("1st Q", "OT #2").
const char* Period_Heading(const std::string& szLabel);
std::vector<PlayByPlayLine> Parse_Play_By_Play(const std::string& szText);
// False when the file is not there (any letter case) or cannot be read.
bool Read_Play_By_Play(int nGame, std::vector<PlayByPlayLine>* pLines);
