// The Calendar page of the team in setting 28: its 22 weeks with opponent,
// score and four chosen values of each game; the Schedule Stat dialog that
// picks a column and the Other Team dialog that picks the team.
#pragma once
#include "database/league_database.h"
#include "database/text_format.h"
#include "simulation/game_record.h"

constexpr int NUMBER_OF_CALENDAR_STATS = 16;
constexpr int CALENDAR_COLUMNS = 4;
constexpr int CALENDAR_WEEKS = SCHEDULE_SLOTS;
static_assert(GS_CALENDAR_COLUMN + CALENDAR_COLUMNS == GS_GAMES_GAME);

const char* Calendar_Stat_Name(int nStat); // "Pass\nDefense"; "" for a bad index
int Calendar_Column_Stat(int nColumn);     // setting 15 + column, kept in range
// The team the page shows: setting 28 when it names a team in use, else the first.
TNUM Calendar_Team();

// The stored game the team played in a week, NO_GAME (-1) when none was played yet.
int Calendar_Game(TNUM nTeam, int nWeek);
// The value of a column for the side nSide of a played game.
void Format_Calendar_Stat(const GameRecord* pGame, int nSide, int nStat, char* szOut); // TEXT_SIZE

enum { OUTCOME_NONE = -1, OUTCOME_LOSS, OUTCOME_TIE, OUTCOME_WIN };
struct CalendarRow {
    char szWeek[TEXT_SIZE];     // "Week %d"
    char szOpponent[TEXT_SIZE]; // nickname, "at %s" on the road, empty in a bye week
    char szScore[TEXT_SIZE];    // "%d-%d", the team's points first; empty until played
    int nOutcome;
    char aszValue[CALENDAR_COLUMNS][TEXT_SIZE];
};
void Get_Calendar_Row(TNUM nTeam, int nWeek, CalendarRow* pRow);
void Get_Calendar_Title(TNUM nTeam, char* szOut); // "%s %s": nickname and record

// The Schedule Stat dialog for one column.
struct ScheduleStatDialog {
    int nColumn;
    int nStat;
};
void Set_Schedule_Stat_Column(int nColumn); // the heading clicked last
int Schedule_Stat_Column();
void Open_Schedule_Stat(int nColumn, ScheduleStatDialog* pDialog);
void Apply_Schedule_Stat(const ScheduleStatDialog* pDialog);

// The Other Team dialog: the teams in use in team order and the one shown.
struct OtherTeamDialog {
    int nTeams;
    TNUM anTeam[NUMBER_OF_FRANCHISES];
    char aszName[NUMBER_OF_FRANCHISES][TEXT_SIZE]; // "City Nickname"
    int nChosen;                                   // index into anTeam
};
void Open_Other_Team(OtherTeamDialog* pDialog);
void Apply_Other_Team(const OtherTeamDialog* pDialog);
