#include "halloffame/manager_rating.h"

#include <cstdint>
#include <cstring>

#include "base/random.h"
#include "database/team.h"
#include "database/text_format.h"
#include "platform/platform.h"

namespace {
constexpr int FULL_TENURE = 1000;         // per mille: ten seasons and more
constexpr int TENURE_SCALE = 100000;      // root(100000 x n) per mille after n seasons
constexpr int SECRET_CODE_FIRST = 100000; // six digits
constexpr int SECRET_CODE_SPAN = 900000;
constexpr int VANTOR_LEVEL = NUMBER_OF_DIFFICULTIES - 1;
} // namespace

TeamCareerTotals Team_Career_Totals(TNUM nTeam) {
    TeamCareerTotals totals = {};
    // The record holds NUMBER_OF_SEASONS years; a damaged season index reads no further.
    int nSeasons = Min(Get_Game_State(GS_SEASON_INDEX), NUMBER_OF_SEASONS);
    for (int nYear = 0; nYear < nSeasons; nYear++) {
        totals.nWins += Get_Team_Yearly_Stat(nTeam, nYear, YR_WINS);
        totals.nLosses += Get_Team_Yearly_Stat(nTeam, nYear, YR_LOSSES);
        totals.nTies += Get_Team_Yearly_Stat(nTeam, nYear, YR_TIES);
        totals.nPlayoffWins += Get_Team_Yearly_Stat(nTeam, nYear, YR_PLAYOFF_WINS);
        totals.nPlayoffLosses += Get_Team_Yearly_Stat(nTeam, nYear, YR_PLAYOFF_LOSSES);
    }
    return totals;
}

int Vantor_Rating(const TeamCareerTotals& t, int nHandicap, int nSeasons) {
    // Root() takes the magnitude: a negative count must not pass for a career.
    if (nSeasons <= 0) return 0;
    int nGames = t.nWins + t.nLosses + t.nTies;
    // Ties count half and every playoff win as one more win.
    int nScore = nGames > 0 ? Ratio(1000, t.nTies + 2 * (t.nWins + t.nPlayoffWins), 2 * nGames) : 0;
    int nTenure = Min(FULL_TENURE, Root((int64_t)TENURE_SCALE * nSeasons));
    return Max(0, Ratio(nScore + nHandicap, nTenure, 1000));
}

int Manager_Rating(TNUM nTeam) {
    return Vantor_Rating(Team_Career_Totals(nTeam), Get_Team_Financial_Stat(nTeam, FIN_MARKET_HANDICAP),
                         Get_Game_State(GS_SEASON_INDEX));
}

void Rating_Text(int nRating, char* szOut) {
    Format_Text(szOut, "%d.%d", nRating / 10, nRating % 10);
}

TNUM Hall_Of_Fame_Team() {
    TNUM nBest = NO_TEAM;
    int nBestRating = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        if (!Human_Managed(nTeam)) continue;
        int nRating = Manager_Rating(nTeam);
        if (nBest == NO_TEAM || nRating >= nBestRating) {
            nBest = nTeam;
            nBestRating = nRating;
        }
    }
    return nBest;
}

static bool Level_Accepted(int nLevel, const char* szRoutine) {
    if (nLevel >= 0 && nLevel < FAME_LEVELS) return true;
    Error_Log("Invalid nLevel in %s: %d", szRoutine, nLevel);
    return false;
}

bool Rating_Qualifies(const FameFile& fame, int nLevel, int nRating) {
    if (!Level_Accepted(nLevel, "Rating_Qualifies")) return false;
    return nRating > fame.aTables[nLevel][FAME_ENTRIES - 1].nRating;
}

int Fame_Insert_Position(const FameFile& fame, int nLevel, int nRating) {
    if (!Level_Accepted(nLevel, "Fame_Insert_Position")) return -1;
    for (int i = 0; i < FAME_ENTRIES; i++)
        if (fame.aTables[nLevel][i].nRating < nRating) return i;
    return -1;
}

FameEntry Manager_Fame_Entry(TNUM nTeam, int nRating) {
    FameEntry entry;
    memset(&entry, 0, sizeof entry);
    char szText[TEXT_SIZE];
    Get_Team_String(nTeam, TS_MANAGER, szText);
    Copy_Field(entry.szManager, sizeof entry.szManager, szText);
    Get_Team_String(nTeam, TS_CITY, szText);
    Copy_Field(entry.szHome, sizeof entry.szHome, szText);
    entry.nFirstSeason = Get_League_Rule(LR_START_YEAR);
    entry.nLastSeason = Current_Calendar_Year() - 1;
    TeamCareerTotals totals = Team_Career_Totals(nTeam);
    entry.nWins = totals.nWins;
    entry.nLosses = totals.nLosses;
    entry.nTies = totals.nTies;
    entry.nPlayoffWins = totals.nPlayoffWins;
    entry.nPlayoffLosses = totals.nPlayoffLosses;
    entry.nRating = nRating;
    entry.nFlag = FAME_GRAY;
    entry.nHandicap = Get_Team_Financial_Stat(nTeam, FIN_MARKET_HANDICAP);
    return entry;
}

int Insert_Fame_Entry(FameFile* pFame, int nLevel, const FameEntry& entry) {
    int nPlace = Fame_Insert_Position(*pFame, nLevel, entry.nRating);
    if (nPlace < 0) return -1;
    FameEntry* aTable = pFame->aTables[nLevel];
    memmove(&aTable[nPlace + 1], &aTable[nPlace], (FAME_ENTRIES - 1 - nPlace) * sizeof(FameEntry));
    aTable[nPlace] = entry;
    return nPlace;
}

// A string hash folded to six digits: the same name always gets the same code.
int Secret_Code(const char* szManager) {
    uint32_t nHash = 5381;
    for (const unsigned char* p = (const unsigned char*)(szManager ? szManager : ""); *p; p++)
        nHash = nHash * 33 + *p;
    return SECRET_CODE_FIRST + (int)(nHash % SECRET_CODE_SPAN);
}

// Sets the entry's flag and tells the manager how his rating will show.
static void Judge_Entry(FameEntry* pEntry, int nLevel, int nPlace) {
    if (!Get_Game_State(GS_RATING_VALID)) {
        pEntry->nFlag = FAME_GRAY;
        Message_Box(
            "Vantor Rating",
            "You used either Commissioner Mode, Advanced Game Options, or Resume Game to achieve your Vantor "
            "Rating. It will be shown in gray. Vantor Ratings earned without these features are shown in "
            "white.");
        return;
    }
    pEntry->nFlag = FAME_WHITE;
    if (nPlace == 0 && nLevel == VANTOR_LEVEL)
        Message_Box("Congratulations!",
                    "You have earned the #1 spot at the VANTOR level of difficulty. Your secret code is %d.",
                    Secret_Code(pEntry->szManager));
}

bool Retire() {
    TNUM nTeam = Hall_Of_Fame_Team();
    int nRating = nTeam == NO_TEAM ? 0 : Manager_Rating(nTeam);
    int nLevel = Clamp(0, Get_Game_State(GS_DIFFICULTY), FAME_LEVELS - 1);
    FameFile fame;
    // A missing file is what start-up would have built; one that exists but
    // cannot be read is judged as zeros and never written over.
    bool bWritable = true;
    if (!Fame_File_Exists()) {
        memset(&fame, 0, sizeof fame);
        Fill_Built_In_Fame_Entries(&fame);
    } else {
        bWritable = Read_Fame_File(&fame);
    }
    // Nobody to enter when no team is managed, whatever a damaged table holds.
    if (nTeam == NO_TEAM || !Rating_Qualifies(fame, nLevel, nRating)) {
        char szRating[TEXT_SIZE], szText[TEXT_SIZE];
        Rating_Text(nRating, szRating);
        Format_Text(szText,
                    "Your Vantor Rating of %s does not qualify for the Vantor Hall Of Fame. Retire anyway?",
                    szRating);
        return Ask_Yes_No("Retirement", szText) == ANSWER_YES;
    }
    if (Ask_Yes_No(
            "Retirement",
            "Congratulations. Your score qualifies for the Vantor Hall Of Fame. Are you sure you want to "
            "retire?") != ANSWER_YES)
        return false;
    FameEntry entry = Manager_Fame_Entry(nTeam, nRating);
    Judge_Entry(&entry, nLevel, Fame_Insert_Position(fame, nLevel, nRating));
    Insert_Fame_Entry(&fame, nLevel, entry);
    if (bWritable)
        Write_Fame_File(&fame);
    else
        Quick_Message("Couldn't read '%s' for writing.", FAME_FILE_NAME);
    return true;
}
