#include "personnel/ratings.h"

// The ratings are filled in by the ratings work; until then no code is defined
// here, so the season-stat accessor answers them as unrecognized codes.
int Get_Player_Rating_Stat(TNUM, PNUM, int, int, bool* pDefined) {
    if (pDefined) *pDefined = false;
    return 0;
}
