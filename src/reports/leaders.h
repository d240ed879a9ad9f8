// The Leaders page: thirty categories, four boxes of ten players each, for
// one conference or both, over This Season, Last Season or Career; and the
// Leader Heading dialog that picks a box's category, the conference and the
// period.
#pragma once
#include "database/league_database.h"

constexpr int NUMBER_OF_LEADER_CATEGORIES = 30;
constexpr int LEADER_BOXES = 4;
constexpr int LEADERS_PER_BOX = 10;
constexpr int BOTH_CONFERENCES = 2;

static_assert(GS_LEADER_CATEGORY + LEADER_BOXES == GS_LEADER_CONFERENCE);
enum { LEADERS_THIS_SEASON, LEADERS_LAST_SEASON, LEADERS_CAREER, NUMBER_OF_LEADER_PERIODS };

enum {
    LC_PASSES,
    LC_COMPLETIONS,
    LC_PASS_YARDS,
    LC_COMPLETION_RATE,
    LC_PASS_TD,
    LC_YARDS_PER_ATTEMPT,
    LC_QB_RATING,
    LC_PASSING_PER_GAME,
    LC_KICK_RETURN_AVERAGE,
    LC_KICK_RETURN_TD,
    LC_RUSHES,
    LC_RUSH_YARDS,
    LC_RUSH_TD,
    LC_YARDS_PER_RUSH,
    LC_RECEPTIONS,
    LC_RECEIVING_YARDS,
    LC_RECEIVING_TD,
    LC_YARDS_PER_RECEPTION,
    LC_PUNT_RETURN_AVERAGE,
    LC_PUNT_RETURN_TD,
    LC_TACKLES,
    LC_ASSISTS,
    LC_KNOCKDOWNS,
    LC_FORCED_FUMBLES,
    LC_SACKS,
    LC_INTERCEPTIONS,
    LC_FIELD_GOALS,
    LC_FIELD_GOAL_RATE,
    LC_PUNT_AVERAGE,
    LC_CAP_IMPACT,
};

const char* Leader_Category_Name(int nCategory); // "" for a bad index

struct Leader {
    TNUM nTeam;
    PNUM nPlayer;
    int nValue; // in the category's own unit (tenths, per mille, half sacks ...)
    int nRank;  // 1 ..; tied values share the rank of the first of them
};

// The most a rate category asks of a player before he is ranked: the
// attempts, carries, catches, returns, kicks or punts behind the rate.
// Per game of the period's schedule for a season, fixed for a career.
int Leader_Minimum(int nCategory, int nPeriod);
// Games the period stands for: this season's games so far (the most any team
// has played), a full schedule for last season.
int Leader_Period_Games(int nPeriod);
// Whether the player counts in the category at all, and his value.
bool Leader_Value(TNUM nTeam, PNUM nPlayer, int nCategory, int nPeriod, int* pValue);
// Up to ten leaders of the franchises of conference nConference (0, 1, or
// BOTH_CONFERENCES), best first; ties keep league order. Returns the count.
int Compute_Leaders(int nCategory, int nConference, int nPeriod, Leader* aLeaders);
void Format_Leader_Value(int nCategory, int nValue, char* szOut); // TEXT_SIZE
void Format_Leader_Name(TNUM nTeam, PNUM nPlayer, char* szOut);   // "J. Smith"

// Settings as the page reads them, kept in range.
int Leader_Box_Category(int nBox);
int Leaders_Conference();
int Leaders_Period();
// "AFC Leaders" / "Both Conferences"; "2003" / "2002" / "Career".
void Get_Leaders_Title(char* szOut);
void Get_Leaders_Period_Text(char* szOut);
// "%cFC" from the initial of a conference's name.
void Get_Conference_Label(int nConference, char* szOut);

// The Leader Heading dialog.
struct LeaderHeadingDialog {
    int nBox;
    int nCategory;
    int nConference; // 0, 1 or BOTH_CONFERENCES
    int nPeriod;
};
void Open_Leader_Heading(int nBox, LeaderHeadingDialog* pDialog);
void Apply_Leader_Heading(const LeaderHeadingDialog* pDialog);
// The box whose heading was clicked last; the dialog edits it.
void Set_Leader_Heading_Box(int nBox);
int Leader_Heading_Box();
