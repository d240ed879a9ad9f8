#include "personnel/player_creation.h"

#include <cstdint>
#include <cstdio>
#include <iterator>

#include "base/random.h"
#include "database/colleges.h"
#include "database/player.h"
#include "personnel/aging.h"
#include "personnel/injuries.h"
#include "personnel/names.h"
#include "personnel/player_creation_internal.h"
#include "personnel/ratings.h"
#include "platform/platform.h"

namespace {
// Body tables, QB RB TE WR T G C DE DT LB CB S K P.
constexpr int TYPICAL_HEIGHT[NUMBER_OF_POSITIONS] = {75, 70, 74, 71, 76, 76, 76, 75, 75, 74, 71, 71, 69, 69};
constexpr int BUILD[NUMBER_OF_POSITIONS] = {100, 100, 110, 90, 140, 140, 140, 130, 130, 120, 90, 100, 100, 100};
constexpr int DEVELOPMENT_SPREAD[NUMBER_OF_POSITIONS] = {200, 300, 300, 300, 500, 500, 500,
                                                         300, 300, 300, 350, 350, 300, 300};
// 40-yard dash, QB..S; kickers and punters are not timed.
constexpr int FORTY_BASE[POS_K] = {485, 440, 475, 448, 525, 525, 515, 470, 495, 470, 453, 454};
constexpr int FORTY_RATING[POS_K] = {204, 205, 206, 206, 210, 210, 210, 216, 216, 215, 217, 217};
constexpr int FORTY_PIVOT[POS_K] = {70, 80, 75, 83, 70, 70, 70, 75, 70, 80, 70, 70};
constexpr int FORTY_SENSITIVITY[POS_K] = {25, 10, 20, 18, 20, 20, 20, 20, 15, 20, 10, 10};
// Picture codes: a letter and 1..range.
constexpr char PICTURE_LETTER[NUMBER_OF_POSITIONS] = {'Q', 'B', 'R', 'R', 'L', 'L', 'L',
                                                      'L', 'L', 'L', 'R', 'R', 'K', 'P'};
constexpr int PICTURE_RANGE[NUMBER_OF_POSITIONS] = {35, 25, 38, 38, 49, 49, 49, 49, 49, 49, 38, 38, 6, 5};

constexpr int BLOCKING_BACK_HEIGHT = 74;
constexpr int BLOCKING_BACK_BUILD = 110;

bool Valid_Position(int nPosition) { return nPosition >= 0 && nPosition < NUMBER_OF_POSITIONS; }

int Vital(TNUM nTeam, PNUM nPlayer, int nIndex) { return Get_Player_Vital_Stat(nTeam, nPlayer, nIndex); }
void Set_Vital(TNUM nTeam, PNUM nPlayer, int nIndex, int nValue) {
    Set_Player_Vital_Stat(nTeam, nPlayer, nIndex, nValue);
}

// Typical height plus r3 + r4 - r1 - r2.
int Draw_Height(int nTypical) {
    int r1 = Random(4), r2 = Random(4), r3 = Random(4), r4 = Random(4);
    return nTypical + r3 + r4 - r1 - r2;
}

int Draw_Weight(int nHeight, int nBuild) {
    int w1 = Random(10), w2 = Random(10), w3 = Random(10), w4 = Random(10);
    return Ratio(Ratio(nHeight * nHeight, 37, 1000) + w1 + w3 - w2 - w4, nBuild, 100);
}

void Set_Aging(TNUM nTeam, PNUM nPlayer) {
    int a1 = Random(5), a2 = Random(5), a3 = Random(5), a4 = Random(5);
    int b1 = Random(7), b2 = Random(7), b3 = Random(7), b4 = Random(7);
    if (Get_League_Rule(LR_FIXED_AGING)) {
        Set_Vital(nTeam, nPlayer, VS_PEAK_START, 26);
        Set_Vital(nTeam, nPlayer, VS_GROWTH_RATE, 100);
        Set_Vital(nTeam, nPlayer, VS_DECLINE_RATE, 100);
        Set_Vital(nTeam, nPlayer, VS_PEAK_END, 31);
        return;
    }
    Set_Vital(nTeam, nPlayer, VS_PEAK_START, 26 + a2 - a1);
    Set_Vital(nTeam, nPlayer, VS_GROWTH_RATE, 1000 / (10 + b2 - b1));
    Set_Vital(nTeam, nPlayer, VS_DECLINE_RATE, 1000 / (10 + b4 - b3));
    Set_Vital(nTeam, nPlayer, VS_PEAK_END, 31 + a4 - a3);
}

// Better prospects leave college earlier.
int Draw_Class_Year(int nScore) {
    int k = Random(100);
    int nLimit = Max(nScore - 50, nScore / 10);
    if (k < nLimit / 7) return -4;
    if (k < nLimit / 3) return -3;
    if (k < nLimit) return -2;
    return -1;
}

void Set_Names(TNUM nTeam, PNUM nPlayer) {
    char szName[LAST_NAME_WIDTH];
    Read_Name_Line(FIRST_NAME_FILE, Random(Get_Game_State(GS_FIRST_NAMES)), szName, FIRST_NAME_WIDTH,
                   DEFAULT_FIRST_NAME);
    Set_Player_First_Name(nTeam, nPlayer, szName);
    Read_Name_Line(LAST_NAME_FILE, Random(Get_Game_State(GS_LAST_NAMES)), szName, LAST_NAME_WIDTH,
                   DEFAULT_LAST_NAME);
    Set_Player_Last_Name(nTeam, nPlayer, szName);
}

// A play counter and the yards gained on those plays.
struct PlayYards {
    int nPlays, nYards;
};
constexpr PlayYards PLAY_YARDS[] = {{SS_COMPLETIONS, SS_PASS_YARDS},
                                    {SS_RUSHES, SS_RUSH_YARDS},
                                    {SS_RECEPTIONS, SS_RECEIVING_YARDS},
                                    {SS_KICK_RETURNS, SS_KICK_RETURN_YARDS},
                                    {SS_PUNT_RETURNS, SS_PUNT_RETURN_YARDS}};

bool ID_In_Use(int64_t nID) {
    if (nID <= 0 || nID > INT32_MAX) return true;  // not a usable ID
    return Find_Player_ID((int)nID, nullptr, nullptr);
}
}  // namespace

int Typical_Height(int nPosition) { return Valid_Position(nPosition) ? TYPICAL_HEIGHT[nPosition] : 0; }
int Position_Build(int nPosition) { return Valid_Position(nPosition) ? BUILD[nPosition] : 100; }
int Weight_For_Height(int nHeight, int nBuild) { return Ratio(Ratio(nHeight * nHeight, 37, 1000), nBuild, 100); }
int Typical_Weight(int nPosition) { return Weight_For_Height(Typical_Height(nPosition), Position_Build(nPosition)); }

void Step_Down_New_Player(TNUM nTeam, PNUM nPlayer, int nPeriod, int nModifier, int nMode) {
    int nPosition = Is_Valid_Player(nTeam, nPlayer) ? Vital(nTeam, nPlayer, VS_POSITION) : -1;
    if (!Valid_Position(nPosition) || Position_Group(nPosition) != GROUP_SKILL) {
        Modify_Predicted_Player_Stats(nTeam, nPlayer, nPeriod, nModifier, nMode);
        return;
    }
    int anPlays[std::size(PLAY_YARDS)], anYards[std::size(PLAY_YARDS)];
    for (size_t n = 0; n < std::size(PLAY_YARDS); n++) {
        anPlays[n] = Get_Player_Season_Stat(nTeam, nPlayer, nPeriod, PLAY_YARDS[n].nPlays);
        anYards[n] = Get_Player_Season_Stat(nTeam, nPlayer, nPeriod, PLAY_YARDS[n].nYards);
    }
    Modify_Predicted_Player_Stats(nTeam, nPlayer, nPeriod, nModifier, nMode);
    for (size_t n = 0; n < std::size(PLAY_YARDS); n++) {
        // A back's or receiver's completions counter holds his blocking.
        if (PLAY_YARDS[n].nPlays == SS_COMPLETIONS && nPosition != POS_QB) continue;
        if (anPlays[n] <= 0) continue;
        int nPlays = Get_Player_Season_Stat(nTeam, nPlayer, nPeriod, PLAY_YARDS[n].nPlays);
        int nFloor = Ratio(nPlays, anYards[n], anPlays[n]);
        if (Get_Player_Season_Stat(nTeam, nPlayer, nPeriod, PLAY_YARDS[n].nYards) < nFloor)
            Set_Player_Season_Stat(nTeam, nPlayer, nPeriod, PLAY_YARDS[n].nYards, nFloor);
    }
}

void Set_Random_Body(TNUM nTeam, PNUM nPlayer, bool bBlockingBack) {
    int nPosition = Vital(nTeam, nPlayer, VS_POSITION);
    if (!Valid_Position(nPosition)) return;
    int nHeight = Draw_Height(bBlockingBack ? BLOCKING_BACK_HEIGHT : TYPICAL_HEIGHT[nPosition]);
    Set_Vital(nTeam, nPlayer, VS_HEIGHT, nHeight);
    int nBuild = bBlockingBack ? BLOCKING_BACK_BUILD : BUILD[nPosition];
    Set_Vital(nTeam, nPlayer, VS_WEIGHT, Draw_Weight(nHeight, nBuild));
}

void Set_Forty_Yard_Time(TNUM nTeam, PNUM nPlayer) {
    int nPosition = Vital(nTeam, nPlayer, VS_POSITION);
    if (!Valid_Position(nPosition) || nPosition >= POS_K) {
        Set_Vital(nTeam, nPlayer, VS_FORTY, 0);
        return;
    }
    int nRating = Get_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, FORTY_RATING[nPosition]);
    int nHeavier = (Typical_Weight(nPosition) - Vital(nTeam, nPlayer, VS_WEIGHT)) / 3;
    Set_Vital(nTeam, nPlayer, VS_FORTY,
              FORTY_BASE[nPosition] -
                  Ratio(FORTY_SENSITIVITY[nPosition], nRating + nHeavier - FORTY_PIVOT[nPosition], 25));
}

void Set_Random_College(TNUM nTeam, PNUM nPlayer) {
    int c1 = Random(NUMBER_OF_COLLEGES);
    int c2 = Random(NUMBER_OF_COLLEGES);
    int nCollege = Min(c1, c2);
    Set_Vital(nTeam, nPlayer, VS_COLLEGE, nCollege);
    Set_Player_College(nTeam, nPlayer, Get_College_Name(nCollege));
}

void Set_Random_Picture(TNUM nTeam, PNUM nPlayer) {
    int nPosition = Vital(nTeam, nPlayer, VS_POSITION);
    if (!Valid_Position(nPosition)) return;
    char szPicture[32];
    int nNumber = 1 + Random(PICTURE_RANGE[nPosition]);
    snprintf(szPicture, sizeof szPicture, "%c%03d%s", PICTURE_LETTER[nPosition], nNumber,
             Random(100) < 50 ? "a" : "");
    Set_Player_Picture(nTeam, nPlayer, szPicture);
}

int New_Player_ID(TNUM nTeam, PNUM nPlayer) {
    int64_t k = nPlayer + 100 * nTeam + 10000 * (int64_t)Current_Season_Index() + 10101;
    for (int nTry = 0; nTry < 1000; nTry++) {
        int64_t nID = (Random_Next() & 255) + 256 * k;
        if (!ID_In_Use(nID)) return (int)nID;
    }
    for (int nTry = 0; nTry < 10000; nTry++) {
        int64_t nID = (Random_Next() & 4095) + 4096 * k;
        if (!ID_In_Use(nID)) return (int)nID;
    }
    // Never hand out 0 (an empty slot) or an ID already taken.
    for (;;) {
        int64_t nID = Random_Next() & 0x0FFFFFFF;
        if (!ID_In_Use(nID)) return (int)nID;
    }
}

void Set_Random_Birth_Date(TNUM nTeam, PNUM nPlayer) {
    static const int DAYS_IN_MONTH[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int nDay = Random(365);
    int nMonth = 0;
    while (nDay >= DAYS_IN_MONTH[nMonth]) nDay -= DAYS_IN_MONTH[nMonth++];
    // A birthday after August has not come yet when the season starts.
    int nYear = Current_Calendar_Year() - Vital(nTeam, nPlayer, VS_AGE);
    if (nMonth + 1 > 8) nYear--;
    Set_Vital(nTeam, nPlayer, VS_BIRTH_DATE, nYear * 10000 + (nMonth + 1) * 100 + nDay + 1);
}

void Give_New_Identity(TNUM nTeam, PNUM nPlayer) {
    int nPosition = Vital(nTeam, nPlayer, VS_POSITION);
    for (int nIndex : {VS_SALARY, VS_CONTRACT_LEFT, VS_CONTRACT_YEARS, VS_BONUS, VS_INJURY_WEEKS})
        Set_Vital(nTeam, nPlayer, nIndex, 0);
    Set_Vital(nTeam, nPlayer, VS_INJURY, NO_INJURY);
    Set_Vital(nTeam, nPlayer, VS_LAST_INJURY, -1);
    // The template's own past is not his.
    for (int nIndex : {VS_DRAFTED, VS_DRAFT_PICK, VS_INJURY_DAMAGE, VS_PLACED, VS_PLAYED})
        Set_Vital(nTeam, nPlayer, nIndex, 0);
    Set_Vital(nTeam, nPlayer, VS_DESTINATION, NO_TEAM);

    Set_Vital(nTeam, nPlayer, VS_PLAYER_ID, New_Player_ID(nTeam, nPlayer));

    Set_Random_Body(nTeam, nPlayer, false);

    if (nPosition == POS_RB && Random(100) < 25) {
        // A blocking back: built like a tight end, less of a runner.
        Set_Random_Body(nTeam, nPlayer, true);
        Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, -600, DEVELOP_GENERAL);
        Set_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, SS_COMPLETIONS, 75 + Random(10));
    }

    Set_Forty_Yard_Time(nTeam, nPlayer);
    // The template's blocking rating belonged to another body.
    Store_Blocking_Rating(nTeam, nPlayer, PERIOD_PREDICTED);

    Set_Aging(nTeam, nPlayer);

    int nScore = Get_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, RATING_OVERALL);
    Set_Vital(nTeam, nPlayer, VS_SCOUT_SCORE, nScore);
    int nExperience = Draw_Class_Year(nScore);
    Set_Vital(nTeam, nPlayer, VS_EXPERIENCE, nExperience);
    Set_Vital(nTeam, nPlayer, VS_AGE, 22 + Random(2) + nExperience);
    Set_Random_College(nTeam, nPlayer);
    Set_Random_Birth_Date(nTeam, nPlayer);
}

int Fabricate_Player(TNUM nTeam, PNUM nPlayer, int nPosition) {
    if (nTeam < 0 || nTeam > TOTAL_NUMBER_OF_TEAMS || nPlayer < 0 || nPlayer >= PLAYERS_PER_TEAM ||
        !Valid_Position(nPosition)) {
        Error_Log("Invalid argument in Fabricate_Player(%d,%d,%d)", nTeam, nPlayer, nPosition);
        return 0;
    }
    int nTemplate = Find_Template(nPosition);
    if (nTemplate < 0) return 0;

    Clear_Player(nTeam, nPlayer);
    Apply_Template(nTemplate, nTeam, nPlayer);
    PlayerRecord& player = g_League.aTeams[nTeam].aPlayers[nPlayer];
    for (int i = 0; i < HISTORY_ENTRIES; i++) player.anHistory[i] = -1;
    for (int32_t& nReserved : player.anReserved) nReserved = -1;
    player.nOpenRecord = -1;

    Give_New_Identity(nTeam, nPlayer);

    int nSpread = Random(DEVELOPMENT_SPREAD[nPosition]);
    Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, 30 - nSpread, DEVELOP_YOUTH);

    // Shrink him by about the growth still ahead of him before his peak.
    int nYears = Max(0, Vital(nTeam, nPlayer, VS_PEAK_START) - Vital(nTeam, nPlayer, VS_AGE));
    int nGrowth = nYears * Yearly_Growth_Amount(nTeam, nPlayer);
    if (nGrowth < 100) nGrowth = 100 + Random(100);
    Modify_Predicted_Player_Stats(nTeam, nPlayer, PERIOD_PREDICTED, -nGrowth, DEVELOP_YOUTH);

    Generate_Past_Seasons(nTeam, nPlayer);
    Open_History_Record(nTeam, nPlayer, true);

    Set_Names(nTeam, nPlayer);
    Set_Random_Picture(nTeam, nPlayer);
    return 1;
}
