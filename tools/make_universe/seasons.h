// A season's counters for a player of a position, a quality and a share of
// the playing time: the Predicted period of every player and each year of
// his past are made this way.
#pragma once
#include "player_parts.h"

struct SeasonShape {
    int nPosition;
    int nQuality; // per mille: 0 the league-average season, 1000 the baseline season
    Role role;
    int nGames, nStarts;
    bool bKickReturner, bPuntReturner;
    bool bBlockingBack;
    int nHeight, nWeight; // for the blocking rating of backs and receivers
};

// Games and starts of a season in the role, drawn.
void Draw_Playing_Time(SeasonShape* pShape);
// The twenty counters of the season. With bNoise each counter varies by up
// to about a fifth either way, as a real season strays from expectation.
void Make_Season(const SeasonShape& shape, bool bNoise, int anOut[NUMBER_OF_COUNTERS]);
