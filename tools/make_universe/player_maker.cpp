// Who a player is: name, body, birth, college, picture code. The body and
// speed tables are the ones new college players are made from.
#include <cstdio>
#include <set>
#include <string>

#include "database/player.h"
#include "database/random.h"
#include "personnel/colleges.h"
#include "player_parts.h"
#include "ratings_used.h"

namespace {
//                                  QB   RB   TE   WR   T    G    C    DE   DT   LB   CB   S    K    P
const int TYPICAL_HEIGHT[NUMBER_OF_POSITIONS] = {75, 70, 74, 71, 76, 76, 76, 75, 75, 74, 71, 71, 69, 69};    // inches
const int BUILD[NUMBER_OF_POSITIONS] = {100, 100, 110, 90, 140, 140, 140, 130, 130, 120, 90, 100, 100, 100}; // per cent
// 40-yard time: a base in hundredths, less a share of how far the speed
// rating is above the pivot.
const int FORTY_BASE[12] = {485, 440, 475, 448, 525, 525, 515, 470, 495, 470, 453, 454};
const int FORTY_PIVOT[12] = {70, 80, 75, 83, 70, 70, 70, 75, 70, 80, 70, 70};
const int FORTY_SENSITIVITY[12] = {25, 10, 20, 18, 20, 20, 20, 20, 15, 20, 10, 10};
// Picture codes: a letter and a number 1..range.
const char PICTURE_LETTER[NUMBER_OF_POSITIONS] = {'Q', 'B', 'R', 'R', 'L', 'L', 'L', 'L', 'L', 'L', 'R', 'R', 'K', 'P'};
const int PICTURE_RANGE[NUMBER_OF_POSITIONS] = {35, 25, 38, 38, 49, 49, 49, 49, 49, 49, 38, 38, 6, 5};

constexpr int BLOCKING_BACK_HEIGHT = 74;
constexpr int TIGHT_END_BUILD = 110;
// Players come into the league at 21 to 23; kickers and punters up to 25.
constexpr int ENTRY_AGE = 21, ENTRY_AGE_SPREAD = 3, KICKER_ENTRY_AGE_SPREAD = 5;
constexpr int DAYS_BEFORE_MONTH[13] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334, 365};
constexpr int AUGUST = 8;

int s_nNextPlayerId = 1;
std::set<std::string> s_usedNames;

int Typical_Weight(int nPosition, int nHeight) {
    return Ratio(Ratio(nHeight * nHeight, 37, 1000), BUILD[nPosition], 100);
}

int Draw_Height(int nTypical) {
    int r1 = Random(4), r2 = Random(4), r3 = Random(4), r4 = Random(4);
    return nTypical + r3 + r4 - r1 - r2;
}

int Draw_Weight(int nHeight, int nBuild) {
    int w1 = Random(10), w2 = Random(10), w3 = Random(10), w4 = Random(10);
    return Ratio(Ratio(nHeight * nHeight, 37, 1000) + w1 + w3 - w2 - w4, nBuild, 100);
}

// Names are drawn until the full name is new to the league (a few tries).
void Give_Name(TNUM nTeam, PNUM nPlayer, const NameLists& names) {
    std::string szFirst, szLast;
    for (int nTry = 0; nTry < 20; nTry++) {
        szFirst = names.first[Random((int)names.first.size())];
        szLast = names.last[Random((int)names.last.size())];
        if (s_usedNames.insert(szFirst + " " + szLast).second) break;
    }
    Set_Player_First_Name(nTeam, nPlayer, szFirst.c_str());
    Set_Player_Last_Name(nTeam, nPlayer, szLast.c_str());
}

void Give_Picture(TNUM nTeam, PNUM nPlayer, int nPosition) {
    char szPicture[12];
    int nNumber = (1 + Random(PICTURE_RANGE[nPosition])) % 1000; // three digits
    bool bVariant = Random(100) < 50;
    snprintf(szPicture, sizeof szPicture, "%c%03d%s", PICTURE_LETTER[nPosition], nNumber,
             bVariant ? "a" : "");
    Set_Player_Picture(nTeam, nPlayer, szPicture);
}

// A player without injury, destination or scouting score.
void Clear_Status(TNUM nTeam, PNUM nPlayer) {
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY, -1);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_LAST_INJURY, -1);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_DESTINATION, NO_TEAM);
    PlayerRecord& record = g_League.aTeams[nTeam].aPlayers[nPlayer];
    for (int32_t& nEntry : record.anHistory)
        nEntry = -1; // no accessor sets an empty history list
    for (int32_t& nReserved : record.anReserved)
        nReserved = -1;
    record.nOpenRecord = -1;
}
} // namespace

// Born in the start year less his age, a year earlier when the birthday falls after August.
int Birth_Date(int nAge) {
    int nDay = Random(365);
    int nMonth = 0;
    while (DAYS_BEFORE_MONTH[nMonth + 1] <= nDay)
        nMonth++;
    int nYear = UNIVERSE_START_YEAR - nAge - (nMonth >= AUGUST ? 1 : 0);
    return nYear * 10000 + (nMonth + 1) * 100 + (nDay - DAYS_BEFORE_MONTH[nMonth] + 1);
}

int Draw_Experience(int nPosition, int nAge) {
    int nSpread = Position_Group(nPosition) == GROUP_KICKERS ? KICKER_ENTRY_AGE_SPREAD : ENTRY_AGE_SPREAD;
    return Max(0, nAge - ENTRY_AGE - Random(nSpread));
}

int Forty_Yard_Time(int nPosition, const int anPredicted[NUMBER_OF_COUNTERS], int nWeight) {
    if (nPosition >= POS_K) return 0;
    int nTypicalWeight = Typical_Weight(nPosition, TYPICAL_HEIGHT[nPosition]);
    int nRating = Speed_Rating(nPosition, anPredicted);
    return FORTY_BASE[nPosition] - Ratio(FORTY_SENSITIVITY[nPosition],
                                         nRating + (nTypicalWeight - nWeight) / 3 - FORTY_PIVOT[nPosition],
                                         25);
}

void Make_Identity(TNUM nTeam, PNUM nPlayer, int nPosition, int nAge, bool bBlockingBack,
                   const NameLists& names) {
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID, s_nNextPlayerId++);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION, nPosition);
    Clear_Status(nTeam, nPlayer);
    Give_Name(nTeam, nPlayer, names);
    int nHeight = Draw_Height(bBlockingBack ? BLOCKING_BACK_HEIGHT : TYPICAL_HEIGHT[nPosition]);
    int nWeight = Draw_Weight(nHeight, bBlockingBack ? TIGHT_END_BUILD : BUILD[nPosition]);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_HEIGHT, nHeight);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_WEIGHT, nWeight);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_AGE, nAge);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_BIRTH_DATE, Birth_Date(nAge));
    int nCollege = Min(Random(NUMBER_OF_COLLEGES), Random(NUMBER_OF_COLLEGES));
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_COLLEGE, nCollege);
    Set_Player_College(nTeam, nPlayer, Get_College_Name(nCollege));
    Give_Picture(nTeam, nPlayer, nPosition);
    Set_Aging_Parameters(nTeam, nPlayer);
}
