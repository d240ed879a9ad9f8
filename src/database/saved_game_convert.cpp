// What a load does to the league after the file's image is in: bring older
// versions up to date, then the steps every load needs.
#include <cstring>

#include "database/saved_game_internal.h"
#include "database/team.h"

namespace {

constexpr int EIGHT_DIVISION_VERSION = 2020;
constexpr int FIRST_SEASON_YEAR = 1998;

// Six divisions of sixteen characters become eight of twelve, four to a
// league. The names of the oldest files were moved with their layout.
void Renumber_Divisions(bool bMoveNames) {
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        int32_t& nDivision = g_League.aTeams[nTeam].data.anStats[TEAM_STAT_DIVISION];
        if (Valid_Team(nTeam) && nDivision > 2) nDivision++;
    }
    if (!bMoveNames) return;
    char aszOld[6][17] = {};
    const char* pOld = reinterpret_cast<const char*>(g_League.aszDivisionNames);
    for (int n = 0; n < 6; n++) memcpy(aszOld[n], pOld + 16 * n, 16);
    static const int NEW_DIVISION[6] = {0, 1, 2, 4, 5, 6};
    memset(g_League.aszDivisionNames, 0, sizeof g_League.aszDivisionNames);
    for (int n = 0; n < 6; n++) Set_Division_Name(aszOld[n], NEW_DIVISION[n]);
}

}  // namespace

void Convert_Absolute_Year() {
    int nStored = Get_Game_State(GS_SEASON_INDEX);
    if (nStored < 100) return;
    // Years were kept counted from 1900 (104 for 2004) or in full.
    int nYear = nStored < 1900 ? nStored + 1900 : nStored;
    if (nYear >= FIRST_SEASON_YEAR) {
        Set_Game_State(GS_SEASON_INDEX, nYear - FIRST_SEASON_YEAR);
        Set_League_Rule(LR_START_YEAR, FIRST_SEASON_YEAR);
    } else {
        // A negative season index would break every yearly table.
        Set_Game_State(GS_SEASON_INDEX, 0);
        Set_League_Rule(LR_START_YEAR, nYear);
    }
}

void Post_Load_Conversions(int nVersion) {
    Count_Teams();
    // Before the history snapshots, which are dated by the calendar year.
    Convert_Absolute_Year();
    if (nVersion <= OLDEST_VERSION) {
        Finish_Oldest_Conversion();
        Set_League_Rule(LR_FANTASY_DRAFT, 0);
    }
    Convert_Players_For_Version(nVersion);
    if (nVersion < EIGHT_DIVISION_VERSION) Renumber_Divisions(nVersion > OLDEST_VERSION);
    Sort_Teams();
    Count_Teams();
    Rebuild_Players_After_Load();
}
