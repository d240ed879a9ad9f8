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
};

// Games and starts of a season in the role, drawn.
void Draw_Playing_Time(SeasonShape* pShape);
// The twenty counters of the season. With bNoise each counter varies by up
// to about a fifth either way, as a real season strays from expectation.
// A back's or receiver's blocking rating is left for his body to decide,
// once the season is his (Store_Blocking_Rating).
void Make_Season(const SeasonShape& shape, bool bNoise, int anOut[20]);
// The Predicted period: a full season's counters at the shape's quality,
// whatever his playing time, with his own games and starts. The game weighs
// a bench player's counters as his ability whenever he is on the field, and
// the players it makes later are moulded on full seasons; a lineman's and a
// kicker's figures are per game already.
void Make_Full_Season(const SeasonShape& shape, int anOut[20]);
