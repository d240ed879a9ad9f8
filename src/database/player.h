// Player records: the vital stats, the four stored stat periods and the
// yearly history, the names, and the operations that move, clear and find
// players. A player is addressed by (team code, slot) or by his player ID.
// Bad arguments write one ERROR line to the log and the accessor returns 0,
// an empty text or does nothing.
#pragma once
#include <cstdint>

#include "database/league_database.h"

// Vital stats: integers 0..29 of the record, plus the computed 100.
enum VITAL_STAT : int {
    VS_PLAYER_ID = 0,  // 0 marks an empty slot
    VS_POSITION = 1,
    VS_HEIGHT = 2,  // inches
    VS_WEIGHT = 3,  // pounds
    VS_FORTY = 4,   // hundredths of a second
    VS_BIRTH_DATE = 5,  // year x 10000 + month x 100 + day
    VS_FAME_MERIT = 6,  // reserved, kept as loaded; the hall-of-fame score counts it
    VS_AGE = 7,
    VS_EXPERIENCE = 8,  // -4..-1 college classes, 0 rookie
    VS_COLLEGE = 9,
    VS_BONUS = 10,   // thousands of dollars
    VS_SALARY = 11,  // thousands of dollars, never below MINIMUM_SALARY
    VS_CONTRACT_LEFT = 12,
    VS_DRAFTED = 13,  // (drafting team + 1) x 10000 + draft year
    VS_INJURY = 14,   // -1 none
    VS_INJURY_WEEKS = 15,
    VS_DRAFT_PICK = 16,  // round x 10000 + pick
    VS_INJURY_DAMAGE = 17,
    VS_LAST_INJURY = 18,
    VS_DECLINE_RATE = 19,
    VS_YEAR_INDUCTED = 19,  // the same field for members of the hall of fame
    VS_GROWTH_RATE = 20,
    VS_VOTES = 20,  // the same field for members: percentage of votes
    VS_PEAK_START = 21,
    VS_PEAK_END = 22,
    VS_CONTRACT_YEARS = 25,
    VS_DESTINATION = 26,  // NO_TEAM = none
    VS_PLACED = 27,
    VS_SCOUT_SCORE = 28,  // tenths
    VS_PLAYED = 29,
    VS_CAP_IMPACT = 100,  // computed: salary + bonus / contract years
};
constexpr int MINIMUM_SALARY = 225;
constexpr int DRAFTED_TEAM_UNIT = 10000;  // VS_DRAFTED: the team part's unit above the year

// Stat periods. Period PERIOD_HISTORY + k is entry k of the player's history list.
enum {
    PERIOD_THIS_SEASON = 0,
    PERIOD_LAST_SEASON = 1,
    PERIOD_CAREER = 2,
    PERIOD_PREDICTED = 3,
    PERIOD_HISTORY = 4,
};

// Season stats: counters 0..19 (their meaning depends on the position group)
// and computed codes.
enum SEASON_STAT : int {
    SS_GAMES = 0,
    SS_STARTS = 1,
    // Position group 0 (QB RB TE WR).
    SS_PASS_ATTEMPTS = 2,
    SS_COMPLETIONS = 3,
    SS_STORED_BLOCKING = 3,  // backs and receivers keep their Blocking rating here
    SS_INTERCEPTIONS_THROWN = 4,
    SS_PASS_YARDS = 5,
    SS_PASS_TD = 6,
    SS_RUSHES = 7,
    SS_RUSH_YARDS = 8,
    SS_RUSH_TD = 9,
    SS_RECEPTIONS = 10,
    SS_RECEIVING_YARDS = 11,
    SS_RECEIVING_TD = 12,
    SS_FUMBLES = 13,
    SS_KICK_RETURNS = 14,
    SS_KICK_RETURN_YARDS = 15,
    SS_KICK_RETURN_TD = 16,
    SS_PUNT_RETURNS = 17,
    SS_PUNT_RETURN_YARDS = 18,
    SS_PUNT_RETURN_TD = 19,
    // Position group 1 (T G C).
    SS_SACKS_ALLOWED = 4,  // quarter sacks
    SS_PENALTIES = 10,
    SS_PENALTY_YARDS = 11,
    // Position group 2 (DE DT LB CB S).
    SS_TACKLES = 2,
    SS_ASSISTS = 3,
    SS_SACKS = 4,  // half sacks
    SS_FORCED_FUMBLES = 5,
    SS_KNOCKDOWNS = 6,
    SS_INTERCEPTIONS = 7,
    SS_FUMBLE_RECOVERIES = 8,
    SS_DEFENSIVE_TD = 9,
    // Position group 3 (K P).
    SS_PUNTS = 2,
    SS_PUNT_YARDS = 3,
    SS_INSIDE_20 = 4,
    SS_LONG_PUNT = 5,
    SS_TOUCHBACKS = 6,
    SS_KICKER_RETURN_YARDS = 7,
    SS_PAT_ATTEMPTS = 8,
    SS_PAT_MADE = 9,
    SS_FGA_UNDER_30 = 10,
    SS_FG_UNDER_30 = 11,
    SS_FGA_UNDER_40 = 12,
    SS_FG_UNDER_40 = 13,
    SS_FGA_UNDER_50 = 14,
    SS_FG_UNDER_50 = 15,
    SS_FGA_50_PLUS = 16,
    SS_FG_50_PLUS = 17,
    SS_LONG_FG = 18,
    // Computed codes.
    SS_PASSER_RATING = 100,  // x 10
    SS_COMPLETION_RATE = 101,
    SS_COMPLETION_POINTS = 102,  // the four passer-rating components
    SS_YARDS_PER_ATTEMPT = 103,  // x 100
    SS_YARDS_PER_ATTEMPT_POINTS = 104,
    SS_TD_RATE = 105,
    SS_TD_POINTS = 106,
    SS_INTERCEPTION_RATE = 107,
    SS_INTERCEPTION_POINTS = 108,
    SS_YARDS_PER_COMPLETION = 109,
    SS_PASS_YARDS_PER_GAME = 110,
    SS_TOUCHES = 111,
    SS_YARDS_PER_RUSH = 112,       // x 10
    SS_YARDS_PER_RECEPTION = 113,  // x 10
    SS_PUNT_AVERAGE = 114,         // x 10
    SS_KICK_RETURN_AVERAGE = 117,
    SS_PUNT_RETURN_AVERAGE = 118,
    SS_PAT_RATE = 119,
    SS_FG_MADE = 120,
    SS_FG_TRIED = 121,
    SS_FG_RATE = 122,
    SS_FG_RATE_UNDER_30 = 123,
    SS_FG_RATE_UNDER_40 = 124,
    SS_FG_RATE_UNDER_50 = 125,
    SS_FG_RATE_50_PLUS = 126,
    SS_FG_RATE_SHORT = 127,  // under 40 yards
    SS_FG_RATE_LONG = 128,   // 40 yards and over
    SS_SCRIMMAGE_YARDS = 129,
    SS_SCRIMMAGE_TD = 130,
    SS_SCRIMMAGE_YARDS_PER_GAME = 131,  // x 10; team totals only
    SS_RUSH_YARDS_PER_GAME = 132,       // x 10; team totals only
    SS_RECEIVING_YARDS_PER_GAME = 133,  // x 10; team totals only
    SS_KICKS_AND_PUNTS = 134,
    SS_ALL_PURPOSE_YARDS = 135,
    SS_TOTAL_TD = 136,
    SS_RETURNS = 137,
    SS_RETURN_YARDS = 138,
    SS_RETURN_TD = 139,
    SS_SACKS_X10 = 140,
    SS_SACKS_X50 = 141,
    SS_SACKS_PER_GAME = 142,
    SS_TACKLES_PER_GAME = 143,
    SS_FIRST_RATING = 200,  // 200..225: the ratings (personnel/ratings.h)
    SS_LAST_RATING = 225,
    SS_SEASON_WORTH = 300,  // value for the period minus a share of return yards
    SS_KICK_RETURN_SKILL = 302,
    SS_PUNT_RETURN_SKILL = 303,
};

// Positions, position groups and sides.
enum {
    POS_QB,
    POS_RB,
    POS_TE,
    POS_WR,
    POS_T,
    POS_G,
    POS_C,
    POS_DE,
    POS_DT,
    POS_LB,
    POS_CB,
    POS_S,
    POS_K,
    POS_P,
    NUMBER_OF_POSITIONS,
    POS_ANY = NUMBER_OF_POSITIONS,  // a search choice
};
enum { GROUP_SKILL, GROUP_LINE, GROUP_DEFENCE, GROUP_KICKERS };
enum { SIDE_OFFENCE, SIDE_DEFENCE, SIDE_KICKERS };
// 0 QB..WR, 1 T G C, 2 DE..S, 3 K P.
inline int Position_Group(int nPosition) {
    return nPosition <= POS_WR ? GROUP_SKILL : nPosition <= POS_C ? GROUP_LINE : nPosition <= POS_S ? GROUP_DEFENCE : GROUP_KICKERS;
}
// 0 positions 0..6, 1 7..11, 2 12 and 13.
inline int Position_Side(int nPosition) {
    return nPosition <= POS_C ? SIDE_OFFENCE : nPosition <= POS_S ? SIDE_DEFENCE : SIDE_KICKERS;
}
int Get_Player_Position_Group(TNUM nTeam, PNUM nPlayer);
int Get_Player_Side(TNUM nTeam, PNUM nPlayer);
// The ideal number of players at each position on a roster, and the fewest
// healthy ones a computer-managed team keeps.
int Ideal_Roster_Count(int nPosition);
int Minimum_Roster_Count(int nPosition);
// The fewest players a franchise holds outside the draft; a roster never holds more than PLAYERS_PER_TEAM.
constexpr int SMALLEST_ROSTER = 53;
// Players who start at the position; the last of them stands at depth count - 1.
int Starters_Count(int nPosition);
// What a fine player at the position is worth to a trade, against which the
// team needs measure their players' values.
int Position_Scale(int nPosition);

// Vital stats. The getter stores and returns MINIMUM_SALARY for a lower salary.
int Get_Player_Vital_Stat(TNUM nTeam, PNUM nPlayer, int nIndex);
void Set_Player_Vital_Stat(TNUM nTeam, PNUM nPlayer, int nIndex, int nValue);

// Season stats. Codes 0..19 are the stored counters; higher codes are computed.
// The ratings (200..225) and the season worth (300) are personnel's formulas,
// which sit above the record: they reach this accessor through a hook that
// Install_Core_Hooks sets. Without it those codes read as undefined.
typedef int (*RatingStatHook)(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat, bool* pDefined);
void Set_Rating_Stat_Hook(RatingStatHook pHook);
int Get_Player_Season_Stat(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat);
void Set_Player_Season_Stat(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat, int nValue);
void Add_Player_Season_Stat(TNUM nTeam, PNUM nPlayer, int nPeriod, int nStat, int nValue);
void Clear_Player_Period(TNUM nTeam, PNUM nPlayer, int nPeriod);
void Clear_All_Players_Period(int nPeriod);  // every player of codes 0..40
void Copy_Player_Period(TNUM nTeam, PNUM nPlayer, int nFromPeriod, int nToPeriod);
void Add_Player_Periods(TNUM nTeam, PNUM nPlayer, int nPeriodA, int nPeriodB);  // A := A + B
bool Player_Period_Has_Stats(TNUM nTeam, PNUM nPlayer, int nPeriod);  // any counter nonzero

// Texts. Getters write an empty text for a bad slot; szOut must hold the width.
constexpr int LAST_NAME_WIDTH = 20;
constexpr int FIRST_NAME_WIDTH = 12;
constexpr int PICTURE_WIDTH = 12;
constexpr int COLLEGE_WIDTH = 24;
constexpr int FULL_NAME_WIDTH = FIRST_NAME_WIDTH + LAST_NAME_WIDTH;
void Get_Player_First_Name(TNUM nTeam, PNUM nPlayer, char* szOut);
void Set_Player_First_Name(TNUM nTeam, PNUM nPlayer, const char* szName);
void Get_Player_Last_Name(TNUM nTeam, PNUM nPlayer, char* szOut);  // empty for an invalid player
void Set_Player_Last_Name(TNUM nTeam, PNUM nPlayer, const char* szName);
void Get_Player_Picture(TNUM nTeam, PNUM nPlayer, char* szOut);
void Set_Player_Picture(TNUM nTeam, PNUM nPlayer, const char* szPicture);
void Get_Player_College(TNUM nTeam, PNUM nPlayer, char* szOut);
void Set_Player_College(TNUM nTeam, PNUM nPlayer, const char* szCollege);  // '&' stored as '+'
void Get_Player_Reversed_Name(TNUM nTeam, PNUM nPlayer, char* szOut);  // "Last, First"; FULL_NAME_WIDTH + 1
void Get_Player_Full_Name(TNUM nTeam, PNUM nPlayer, char* szOut);      // "First Last"; FULL_NAME_WIDTH

// Slots.
PNUM First_Empty_Slot(TNUM nTeam);  // NO_PLAYER when all 80 are filled
int Number_Of_Players(TNUM nTeam);
bool Is_Valid_Player(TNUM nTeam, PNUM nPlayer);
bool Is_Franchise_Player(TNUM nTeam, PNUM nPlayer);

// Whole records. None of these touches history lists or the player-ID index.
void Clear_Player(TNUM nTeam, PNUM nPlayer);
void Copy_Player(TNUM nDstTeam, PNUM nDstPlayer, TNUM nSrcTeam, PNUM nSrcPlayer);
void Copy_Player_To_Memory(PlayerRecord* pBuffer, TNUM nTeam, PNUM nPlayer);
void Copy_Player_From_Memory(TNUM nTeam, PNUM nPlayer, const PlayerRecord* pBuffer);
// Exchanges two records; within one team the returner slots follow the players.
void Swap_Players(TNUM nTeamA, PNUM nPlayerA, TNUM nTeamB, PNUM nPlayerB);

// Moving players out of a roster while keeping it gap-free.
void Remove_Player(TNUM nTeam, PNUM nPlayer);  // clear, then close the gap
// A player leaving the league: frees his history records, then removes him.
// Every departure goes through here; moves use Remove_Player after the copy.
void Delete_Player(TNUM nTeam, PNUM nPlayer);
void Compact_Team(TNUM nTeam);
// Moves the player to the free-agent pool and closes his old slot; returns his new slot.
PNUM Release_To_Free_Agency(TNUM nTeam, PNUM nPlayer);
// Moves the player to another team, after the last player of his side there,
// with a new open history record. The free-agent pool as destination releases
// him. True only when he was placed on the destination's roster; a full
// roster refuses him and he stays where he was.
bool Move_Player_To_Team(TNUM nTeam, PNUM nPlayer, TNUM nDestination);
// Players the franchises took from the free-agent pool since the last reset,
// for the tool's lines: every signing, the computer's and a person's, moves
// a player through Move_Player_To_Team.
void Reset_Signing_Tally();
int Get_Signing_Tally();
void Sort_Free_Agents();
// The pool stands as Sort_Free_Agents leaves it; reads the record only.
bool Free_Agents_In_Order();

// The player-ID index.
bool Find_Player_ID(int nPlayerID, TNUM* pTeam = nullptr, PNUM* pPlayer = nullptr);
void Rebuild_Player_Index();
int Player_ID_Index_Count();

// The history pool.
// Opens the record of the current season; returns its index or -1 when the pool is full.
int Open_History_Record(TNUM nTeam, PNUM nPlayer, bool bMakeOpen);
// Copies This Season (0) or Last Season (1) into a history record of its year.
void Snapshot_Player_Period(TNUM nTeam, PNUM nPlayer, int nPeriod);
int Get_Player_Open_Record(TNUM nTeam, PNUM nPlayer);  // -1 when none
void Add_Player_Open_Record_Stat(TNUM nTeam, PNUM nPlayer, int nStat, int nValue);
int Count_History_Entries(TNUM nTeam, PNUM nPlayer);
int Get_Player_History_Record(TNUM nTeam, PNUM nPlayer, int nEntry);  // -1 when none
int Find_Player_History_Year(TNUM nTeam, PNUM nPlayer, int nYear);     // entry, or -1
bool Has_History_Year(TNUM nTeam, PNUM nPlayer, int nYear);
void Remove_History_Entry(TNUM nTeam, PNUM nPlayer, int nEntry);
void Remove_All_History(TNUM nTeam, PNUM nPlayer);
void Clear_Player_Stats(TNUM nTeam, PNUM nPlayer);  // periods 0..2 and the history; Predicted kept
void Sort_History_Lists();
int Allocate_History_Record();  // the first free record, or -1
void Free_History_Record(int nRecord);
// The league was replaced wholesale: the next allocation searches from 0.
void Forget_History_Allocation();
int Get_History_Year(int nRecord);
int Count_History_Records_In_Use();
int Get_History_Experience(int nRecord);
TNUM Get_History_Team(int nRecord);

// Growth, decline and peak ages of a new or converted player.
void Set_Aging_Parameters(TNUM nTeam, PNUM nPlayer);
