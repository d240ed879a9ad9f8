#include "reports/calendar_page.h"

#include "base/random.h"
#include "database/team.h"
#include "reports/games_page.h"
#include "reports/page_text.h"

namespace {
const char* const STAT_NAMES[NUMBER_OF_CALENDAR_STATS] = {
    "Offense",     "Defense",      "Passing",       "Rushing",       "Pass\nDefense", "Rush\nDefense",
    "Turnovers",   "Takeaways",    "Turnover\n+/-", "Possession",    "Yards/Play",    "Yards/Play\nAllowed",
    "Third\nDown", "Fourth\nDown", "Sacks",         "Sacks\nAllowed"};

enum { KIND_COUNT, KIND_YARDS, KIND_MARGIN, KIND_CLOCK, KIND_PER_PLAY, KIND_CONVERSIONS };
// Each column: whose numbers (the team's or its opponent's), and which.
struct Column {
    bool bOpponent;
    int nKind;
    int nStat;
};
const Column COLUMNS[NUMBER_OF_CALENDAR_STATS] = {
    {false, KIND_YARDS, 0},
    {true, KIND_YARDS, 0},
    {false, KIND_COUNT, TG_PASS_YARDS},
    {false, KIND_COUNT, TG_RUSH_YARDS},
    {true, KIND_COUNT, TG_PASS_YARDS},
    {true, KIND_COUNT, TG_RUSH_YARDS},
    {false, KIND_COUNT, TG_TURNOVERS},
    {true, KIND_COUNT, TG_TURNOVERS},
    {false, KIND_MARGIN, 0},
    {false, KIND_CLOCK, TG_POSSESSION},
    {false, KIND_PER_PLAY, 0},
    {true, KIND_PER_PLAY, 0},
    {false, KIND_CONVERSIONS, TG_THIRD_DOWNS},
    {false, KIND_CONVERSIONS, TG_FOURTH_DOWNS},
    {false, KIND_COUNT, TG_SACKS},
    {true, KIND_COUNT, TG_SACKS},
};

int g_nScheduleStatColumn = 0;

int Yards(const int16_t* s) {
    return s[TG_RUSH_YARDS] + s[TG_PASS_YARDS];
}
int Plays(const int16_t* s) {
    return s[TG_RUSHES] + s[TG_PASS_ATTEMPTS];
}
} // namespace

const char* Calendar_Stat_Name(int nStat) {
    return nStat >= 0 && nStat < NUMBER_OF_CALENDAR_STATS ? STAT_NAMES[nStat] : "";
}

int Calendar_Column_Stat(int nColumn) {
    if (nColumn < 0 || nColumn >= CALENDAR_COLUMNS) return 0;
    return Clamp(0, Get_Game_State(GS_CALENDAR_COLUMN + nColumn), NUMBER_OF_CALENDAR_STATS - 1);
}

TNUM Calendar_Team() {
    int nTeam = Get_Game_State(GS_USER_TEAM);
    return nTeam >= 0 && nTeam < Number_Of_Teams() ? (TNUM)nTeam : 0;
}

int Calendar_Game(TNUM nTeam, int nWeek) {
    TNUM nOpponent = Get_Schedule_Opponent(nTeam, nWeek);
    if (nOpponent == NO_TEAM || nWeek >= Current_Week()) return NO_GAME;
    int nGame = Get_Schedule_Field(nTeam, nWeek, SLOT_GAME_RECORD);
    if (!Game_Was_Played(nGame)) return NO_GAME;
    // The slot's record may still be one of another season or not yet written.
    const GameRecord* pGame = Get_Game_Record(nGame);
    bool bTeams = (pGame->anTeam[0] == nTeam && pGame->anTeam[1] == nOpponent) ||
                  (pGame->anTeam[1] == nTeam && pGame->anTeam[0] == nOpponent);
    return bTeams && pGame->nWeek == nWeek ? nGame : NO_GAME;
}

void Format_Calendar_Stat(const GameRecord* pGame, int nSide, int nStat, char* szOut) {
    szOut[0] = '\0';
    if (nStat < 0 || nStat >= NUMBER_OF_CALENDAR_STATS) return;
    const Column& column = COLUMNS[nStat];
    int nOf = column.bOpponent ? 1 - nSide : nSide;
    const int16_t* t = pGame->anTeamStats[nOf];
    switch (column.nKind) {
    case KIND_COUNT:
        Format_Text(szOut, "%d", t[column.nStat]);
        break;
    case KIND_YARDS:
        Format_Text(szOut, "%d", Yards(t));
        break;
    case KIND_MARGIN: {
        int nMargin = pGame->anTeamStats[1 - nOf][TG_TURNOVERS] - t[TG_TURNOVERS];
        Format_Text(szOut, nMargin > 0 ? "+%d" : "%d", nMargin);
        break;
    }
    case KIND_CLOCK:
        Format_Text(szOut, "%d:%02d", t[column.nStat] / 60, t[column.nStat] % 60);
        break;
    case KIND_PER_PLAY:
        Format_Decimal(Ratio(10, Yards(t), Plays(t)), 10, 1, "", szOut);
        break;
    default: // conversions of the attempts counted at nStat
        Format_Text(szOut, "%d/%d", t[column.nStat + 1], t[column.nStat]);
        break;
    }
}

void Get_Calendar_Row(TNUM nTeam, int nWeek, CalendarRow* pRow) {
    Format_Text(pRow->szWeek, "Week %d", nWeek + 1);
    pRow->szOpponent[0] = pRow->szScore[0] = '\0';
    pRow->nOutcome = OUTCOME_NONE;
    for (auto& szValue : pRow->aszValue)
        szValue[0] = '\0';
    TNUM nOpponent = Get_Schedule_Opponent(nTeam, nWeek);
    if (nOpponent == NO_TEAM) return;
    char szNickname[TEXT_SIZE];
    Get_Team_Nickname(nOpponent, szNickname);
    if (Get_Schedule_Kind(nTeam, nWeek) == SLOT_SECOND_NAMED)
        Format_Text(pRow->szOpponent, "at %s", szNickname);
    else
        Format_Text(pRow->szOpponent, "%s", szNickname);
    int nGame = Calendar_Game(nTeam, nWeek);
    if (nGame == NO_GAME) return;
    const GameRecord* pGame = Get_Game_Record(nGame);
    int nSide = Team_Side(pGame, nTeam);
    int nOwn = pGame->anScore[nSide], nTheirs = pGame->anScore[1 - nSide];
    Format_Text(pRow->szScore, "%d-%d", nOwn, nTheirs);
    pRow->nOutcome = nOwn > nTheirs ? OUTCOME_WIN : nOwn < nTheirs ? OUTCOME_LOSS : OUTCOME_TIE;
    for (int nColumn = 0; nColumn < CALENDAR_COLUMNS; nColumn++)
        Format_Calendar_Stat(pGame, nSide, Calendar_Column_Stat(nColumn), pRow->aszValue[nColumn]);
}

void Get_Calendar_Title(TNUM nTeam, char* szOut) {
    char szNickname[TEXT_SIZE], szRecord[RECORD_TEXT_WIDTH];
    Get_Team_Nickname(nTeam, szNickname);
    Get_Team_Record_Text(nTeam, szRecord);
    Format_Text(szOut, "%s %s", szNickname, szRecord);
}

void Set_Schedule_Stat_Column(int nColumn) {
    g_nScheduleStatColumn = Clamp(0, nColumn, CALENDAR_COLUMNS - 1);
}
int Schedule_Stat_Column() {
    return g_nScheduleStatColumn;
}

void Open_Schedule_Stat(int nColumn, ScheduleStatDialog* pDialog) {
    pDialog->nColumn = Clamp(0, nColumn, CALENDAR_COLUMNS - 1);
    pDialog->nStat = Calendar_Column_Stat(pDialog->nColumn);
}

void Apply_Schedule_Stat(const ScheduleStatDialog* pDialog) {
    if (pDialog->nColumn < 0 || pDialog->nColumn >= CALENDAR_COLUMNS) return;
    if (pDialog->nStat < 0 || pDialog->nStat >= NUMBER_OF_CALENDAR_STATS) return;
    Set_Game_State(GS_CALENDAR_COLUMN + pDialog->nColumn, pDialog->nStat);
}

void Open_Other_Team(OtherTeamDialog* pDialog) {
    pDialog->nTeams = 0;
    pDialog->nChosen = 0;
    TNUM nShown = Calendar_Team();
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        if (nTeam == nShown) pDialog->nChosen = pDialog->nTeams;
        pDialog->anTeam[pDialog->nTeams] = nTeam;
        Get_Team_Label(nTeam, pDialog->aszName[pDialog->nTeams]);
        pDialog->nTeams++;
    }
}

void Apply_Other_Team(const OtherTeamDialog* pDialog) {
    if (pDialog->nChosen < 0 || pDialog->nChosen >= pDialog->nTeams) return;
    Set_Game_State(GS_USER_TEAM, pDialog->anTeam[pDialog->nChosen]);
}
