// The stored record of one game: situation, clock, score, lineups, the
// scoring list and the box score. Its bytes live in g_League.aGames, so the
// layout is part of the saved-game format.
#pragma once
#include <cstddef>
#include <cstdint>

#include "database/league_database.h"

constexpr int SIDES = 2;  // 0 visitor, 1 home
constexpr int GAME_STATS = 16;
constexpr int BOX_LINES = 16;
constexpr int BOX_COLUMNS = 5;
// Box-score columns; what they hold depends on the player's row.
enum {
    // Passers.
    BOX_PASS_ATTEMPTS = 0,
    BOX_COMPLETIONS = 1,
    BOX_PASS_YARDS = 2,
    BOX_PASS_TD = 3,
    BOX_INTERCEPTIONS_THROWN = 4,
    // The rest of the offence.
    BOX_RUSHES = 0,
    BOX_RUSH_YARDS = 1,
    BOX_RECEPTIONS = 2,
    BOX_RECEIVING_YARDS = 3,
    BOX_TOUCHDOWNS = 4,  // also the defence's
    // Defence.
    BOX_SACKS = 0,  // half sacks
    BOX_INTERCEPTIONS = 1,
    // Kickers.
    BOX_PAT_ATTEMPTS = 0,
    BOX_PAT_MADE = 1,
    BOX_FG_ATTEMPTS = 2,
    BOX_FG_MADE = 3,
};
constexpr int SCORING_LIST_SIZE = 32;
constexpr int LINEUP_SIZE = 11;

// Team game statistics.
enum {
    TG_FIRST_DOWNS,
    TG_RUSHES,
    TG_RUSH_YARDS,
    TG_PASS_ATTEMPTS,
    TG_COMPLETIONS,
    TG_PASS_YARDS,
    TG_TURNOVERS,
    TG_SACKS,
    TG_PENALTIES,
    TG_PENALTY_YARDS,
    TG_THIRD_DOWNS,
    TG_THIRD_CONVERSIONS,
    TG_FOURTH_DOWNS,
    TG_FOURTH_CONVERSIONS,
    TG_POSSESSION,
};

// Down flags besides 0..3 (first to fourth down).
enum {
    DOWN_FAILED = 4,
    DOWN_KICKOFF = 8,
    DOWN_FREE_KICK = 9,
    DOWN_CHANGE = 10,
    DOWN_TRY = 11,
};

// Formation numbers.
enum {
    FORM_HEAVY,
    FORM_STANDARD,
    FORM_THREE_WIDE,
    FORM_FOUR_WIDE,
    FORM_GOAL_LINE,
    FORM_FIVE_MAN,
    FORM_BASE,
    FORM_THREE_FOUR,
    FORM_NICKEL,
    FORM_DIME,
    FORM_PREVENT,
    FORM_KICKOFF,
    FORM_PUNT,
    FORM_FIELD_GOAL,
    FORM_EXTRA_POINT,
    FORM_KICK_RETURN,
    FORM_PUNT_RETURN,
    FORM_KICK_BLOCK,
    NUMBER_OF_FORMATIONS
};

// Result codes of a play.
enum {
    RESULT_INCOMPLETE,
    RESULT_COMPLETE,
    RESULT_INTERCEPTED,
    RESULT_SACKED,
    RESULT_KNOCKED_DOWN,
    RESULT_TD_PASS,
    RESULT_INTERCEPTION_TD,
    RESULT_SAFETY,
    RESULT_RUN_LEFT,
    RESULT_RUN_MIDDLE,
    RESULT_RUN_RIGHT,
    RESULT_TD_RUN,
    RESULT_FUMBLE,
    RESULT_FUMBLE_TD,
    RESULT_FIELD_GOAL,
    RESULT_FIELD_GOAL_MISSED,
    RESULT_PUNT,
    RESULT_PUNT_TOUCHBACK,
    RESULT_PUNT_RETURN_TD,
    RESULT_PUNT_FUMBLED,
    RESULT_KICKOFF_RETURN,
    RESULT_KICKOFF_TOUCHBACK,
    RESULT_KICKOFF_RETURN_TD,
    RESULT_KICKOFF_FUMBLED,
    RESULT_EXTRA_POINT,
    RESULT_EXTRA_POINT_MISSED,
    RESULT_TWO_POINTS,
    RESULT_TWO_POINTS_FAILED,
    RESULT_PENALTY,
    RESULT_NONE,
};

// Penalties: the play's amount when its result is RESULT_PENALTY.
enum {
    PENALTY_ENCROACHMENT,
    PENALTY_FACEMASK,
    PENALTY_DEFENSIVE_HOLDING,
    PENALTY_ROUGHING_THE_PASSER,
    PENALTY_ROUGHING_THE_KICKER,
    PENALTY_DEFENSIVE_ROUGHNESS,
    PENALTY_PASS_INTERFERENCE,
    PENALTY_OFFSIDES,
    PENALTY_FALSE_START,
    PENALTY_ILLEGAL_MOTION,
    PENALTY_OFFENSIVE_INTERFERENCE,
    PENALTY_HOLDING,
    PENALTY_INTENTIONAL_GROUNDING,
    PENALTY_CLIPPING,
    PENALTY_OFFENSIVE_ROUGHNESS,
    NUMBER_OF_PENALTIES
};

struct PlayRecord {
    int32_t nTime;    // low 16 bits: elapsed seconds, filled in the scoring list
    int32_t nFirst;   // player ID named first in the text, -1 none
    int32_t nSecond;  // player ID named second, -1 none
    uint32_t nData;   // bits 0..7 yards, 8..15 second amount, 16 scoring side, 17..23 result
};

struct GameRecord {
    TNUM anTeam[SIDES];
    uint8_t abPad[2];
    int32_t anScore[SIDES];
    int32_t anTimeouts[SIDES];
    int32_t anFormation[SIDES];
    int32_t nYear;
    int32_t nWeek;
    int32_t nKickoffTime;
    int32_t nTemperature;
    int32_t nWind;
    int32_t nAttendance;
    int16_t anTeamStats[SIDES][GAME_STATS];
    int32_t anBoxPlayers[SIDES][BOX_LINES];
    int16_t anBoxLines[SIDES][BOX_LINES][BOX_COLUMNS];
    PlayRecord play;
    PlayRecord aScoring[SCORING_LIST_SIZE];
    uint32_t nClock;      // 16..31 elapsed, 8..15 play time, 0..7 scoring entries
    uint32_t nSituation;  // 31 coin, 30 turnover, 29 stopped, 24..28 down, 16..23 to go, 8..15 ball, 0..7 gain
    TNUM nPossession;
    PNUM anLineup[SIDES][LINEUP_SIZE];
    uint8_t bPad;
};

static_assert(offsetof(GameRecord, anTeam) == 0);
static_assert(offsetof(GameRecord, anScore) == 4);
static_assert(offsetof(GameRecord, anTimeouts) == 12);
static_assert(offsetof(GameRecord, anFormation) == 20);
static_assert(offsetof(GameRecord, nYear) == 28);
static_assert(offsetof(GameRecord, nWeek) == 32);
static_assert(offsetof(GameRecord, nKickoffTime) == 36);
static_assert(offsetof(GameRecord, nTemperature) == 40);
static_assert(offsetof(GameRecord, nWind) == 44);
static_assert(offsetof(GameRecord, nAttendance) == 48);
static_assert(offsetof(GameRecord, anTeamStats) == 52);
static_assert(offsetof(GameRecord, anBoxPlayers) == 116);
static_assert(offsetof(GameRecord, anBoxLines) == 244);
static_assert(offsetof(GameRecord, play) == 564);
static_assert(offsetof(GameRecord, aScoring) == 580);
static_assert(offsetof(GameRecord, nClock) == 1092);
static_assert(offsetof(GameRecord, nSituation) == 1096);
static_assert(offsetof(GameRecord, nPossession) == 1100);
static_assert(offsetof(GameRecord, anLineup) == 1101);
static_assert(sizeof(PlayRecord) == 16);
static_assert(sizeof(GameRecord) == GAME_RECORD_SIZE);
static_assert(alignof(GameRecord) <= alignof(GameRecordImage));

// The stored game record nIndex (0..299), nullptr with a log line otherwise.
GameRecord* Get_Game_Record(int nIndex);
// The team codes of every stored record, after the team blocks have moved
// (the hook of Renumber_Team_Codes).
void Renumber_Game_Record_Teams(const TNUM anNewCode[NUMBER_OF_FRANCHISES]);

// Bit fields. Setters keep the other bits.
inline uint32_t Put_Bits(uint32_t nWord, int nShift, int nWidth, int nValue) {
    uint32_t nMask = ((nWidth == 32 ? 0u : (1u << nWidth)) - 1u) << nShift;
    return (nWord & ~nMask) | (((uint32_t)nValue << nShift) & nMask);
}
inline int Get_Bits(uint32_t nWord, int nShift, int nWidth) {
    return (int)((nWord >> nShift) & ((1u << nWidth) - 1u));
}

inline int Game_Elapsed(const GameRecord* g) { return Get_Bits(g->nClock, 16, 16); }
inline void Set_Game_Elapsed(GameRecord* g, int n) { g->nClock = Put_Bits(g->nClock, 16, 16, n); }
inline int Game_Play_Time(const GameRecord* g) { return Get_Bits(g->nClock, 8, 8); }
inline void Set_Game_Play_Time(GameRecord* g, int n) { g->nClock = Put_Bits(g->nClock, 8, 8, n < 0 ? 0 : n > 255 ? 255 : n); }
inline void Add_Game_Play_Time(GameRecord* g, int n) { Set_Game_Play_Time(g, Game_Play_Time(g) + n); }
inline int Game_Scoring_Count(const GameRecord* g) { return Get_Bits(g->nClock, 0, 8); }
inline void Set_Game_Scoring_Count(GameRecord* g, int n) { g->nClock = Put_Bits(g->nClock, 0, 8, n); }

inline int Game_Coin(const GameRecord* g) { return Get_Bits(g->nSituation, 31, 1); }
inline void Set_Game_Coin(GameRecord* g, int n) { g->nSituation = Put_Bits(g->nSituation, 31, 1, n); }
inline bool Game_Turnover(const GameRecord* g) { return Get_Bits(g->nSituation, 30, 1) != 0; }
inline void Set_Game_Turnover(GameRecord* g, bool b) { g->nSituation = Put_Bits(g->nSituation, 30, 1, b); }
inline bool Game_Clock_Stopped(const GameRecord* g) { return Get_Bits(g->nSituation, 29, 1) != 0; }
inline void Set_Game_Clock_Stopped(GameRecord* g, bool b) { g->nSituation = Put_Bits(g->nSituation, 29, 1, b); }
inline int Game_Down(const GameRecord* g) { return Get_Bits(g->nSituation, 24, 5); }
inline void Set_Game_Down(GameRecord* g, int n) { g->nSituation = Put_Bits(g->nSituation, 24, 5, n); }
inline int Game_To_Go(const GameRecord* g) { return Get_Bits(g->nSituation, 16, 8); }
inline void Set_Game_To_Go(GameRecord* g, int n) { g->nSituation = Put_Bits(g->nSituation, 16, 8, n); }
inline int Game_Ball(const GameRecord* g) { return Get_Bits(g->nSituation, 8, 8); }
inline void Set_Game_Ball(GameRecord* g, int n) { g->nSituation = Put_Bits(g->nSituation, 8, 8, n); }
inline int Game_Gain(const GameRecord* g) { return (int8_t)Get_Bits(g->nSituation, 0, 8); }
inline void Set_Game_Gain(GameRecord* g, int n) { g->nSituation = Put_Bits(g->nSituation, 0, 8, n); }

inline int Play_Yards(const PlayRecord* p) { return Get_Bits(p->nData, 0, 8); }
inline int Play_Signed_Yards(const PlayRecord* p) { return (int8_t)Get_Bits(p->nData, 0, 8); }
inline void Set_Play_Yards(PlayRecord* p, int n) { p->nData = Put_Bits(p->nData, 0, 8, n); }
inline int Play_Amount(const PlayRecord* p) { return Get_Bits(p->nData, 8, 8); }
inline void Set_Play_Amount(PlayRecord* p, int n) { p->nData = Put_Bits(p->nData, 8, 8, n); }
inline int Play_Side(const PlayRecord* p) { return Get_Bits(p->nData, 16, 1); }
inline void Set_Play_Side(PlayRecord* p, int n) { p->nData = Put_Bits(p->nData, 16, 1, n); }
inline int Play_Result(const PlayRecord* p) { return Get_Bits(p->nData, 17, 7); }
inline void Set_Play_Result(PlayRecord* p, int n) { p->nData = Put_Bits(p->nData, 17, 7, n); }

// Sides of the game: the offence is the team in possession.
inline int Offence_Side(const GameRecord* g) { return g->nPossession == g->anTeam[1] ? 1 : 0; }
inline int Defence_Side(const GameRecord* g) { return 1 - Offence_Side(g); }
inline int Team_Side(const GameRecord* g, TNUM nTeam) { return nTeam == g->anTeam[1] ? 1 : 0; }
