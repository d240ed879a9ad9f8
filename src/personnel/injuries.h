// Injuries: who gets hurt in a game, with what and for how long, the lasting
// damage an injury may leave, the user's alert, and the weekly healing.
#pragma once
#include "database/league_database.h"

constexpr int NUMBER_OF_INJURIES = 150;  // kinds 0..149 in three body regions of 50
constexpr int NO_INJURY = -1;
constexpr int INJURY_WEIGHT_TOTAL = 566;  // the sum of the squared draw weights
constexpr int DEFAULT_INJURY_ALERT_WEEKS = 4;

// GS_INJURY_CONTINGENCY is the alert: positive weeks = on, negative = off
// keeping the number, 0 = off with the default. GS_PENDING_INJURY holds the ID
// of an injury waiting to be announced.

struct InjuryKind {
    const char* szName;  // empty for an unused kind
    int nShortest;       // weeks
    int nLongest;
    int nWeight;  // drawn with probability weight^2 / INJURY_WEIGHT_TOTAL
};

// The table entry of a kind; an out-of-range kind gives the empty entry.
const InjuryKind& Get_Injury_Kind(int nKind);
// The table name, "NO INJURY" for -1, the empty text for any other number.
const char* Get_Injury_Name(int nKind);
// "Healthy" when the player is not out, else the name of his injury.
const char* Get_Injury_Status(TNUM nTeam, PNUM nPlayer);
bool Is_Injured(TNUM nTeam, PNUM nPlayer);
// " Out for 1 week" / " Out for %d weeks" (empty when healthy); szOut holds 32.
void Get_Injury_Out_Text(TNUM nTeam, PNUM nPlayer, char* szOut);

// Chance per mille that an exposed player of a franchise gets hurt.
int Injury_Chance(TNUM nTeam);
// One exposure in a game: 1 when the player was hurt now.
int Try_Injury(TNUM nTeam, PNUM nPlayer);
// The two-candidate draw that favours lighter injuries.
int Draw_Injury_Kind(TNUM nTeam, PNUM nPlayer);
// Draws kind and length, applies them and any lasting damage, and raises the alert.
void Inflict_Injury(TNUM nTeam, PNUM nPlayer);
// For a managed team's player out longer than the alert threshold: keeps him
// for the announcement and asks the running season loop to stop after the week.
void Check_Injury_Alert(TNUM nTeam, PNUM nPlayer);

// The alert setting.
bool Injury_Alert_On();
int Injury_Alert_Weeks();
void Set_Injury_Alert(bool bOn, int nWeeks);

// The Injury Contingency window. Opening it turns an unset entry into "off,
// four weeks"; OK stores the number typed (at least 1, at most
// MAXIMUM_ALERT_WEEKS), negative while the box is clear.
constexpr int MAXIMUM_ALERT_WEEKS = 999;
struct InjuryContingencyForm {
    bool bStop;
    int nWeeks;
};
void Open_Injury_Contingency(InjuryContingencyForm* pForm);
void Apply_Injury_Contingency(bool bStop, const char* szWeeks);

// The injury message for the player's current injury (nothing when healthy).
void Announce_Injury(TNUM nTeam, PNUM nPlayer);
// Announces the injury held in entry 56, if any, and clears the entry.
void Announce_Pending_Injury();

// One week of healing for every player of team codes 0..40.
void Heal_Injuries();
void Heal_Player_Injury(TNUM nTeam, PNUM nPlayer);
