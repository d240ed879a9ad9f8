// "Output/Stndng%02d.txt": the final standings and the playoff results.
#include "base/random.h"
#include "database/team.h"
#include "database/text_format.h"
#include "reports/report_file.h"
#include "reports/season_reports.h"
#include "reports/standings_columns.h"
#include "season/playoffs.h"
#include "season/standings.h"

namespace {
const char* const ROW_FORMAT = " %-20s %3s %3s %3s %5s %5s %5s %5s %5s";

void Write_Team_Line(FILE* pFile, TNUM nTeam) {
    char szTeam[TEXT_SIZE], szWins[TEXT_SIZE], szLosses[TEXT_SIZE], szTies[TEXT_SIZE], szPercent[TEXT_SIZE];
    char szFor[TEXT_SIZE], szAgainst[TEXT_SIZE], szYards[TEXT_SIZE], szMargin[TEXT_SIZE];
    Get_Team_Label(nTeam, szTeam);
    Format_Text(szWins, "%d", Get_Team_Wins(nTeam));
    Format_Text(szLosses, "%d", Get_Team_Losses(nTeam));
    Format_Text(szTies, "%d", Get_Team_Ties(nTeam));
    Format_Thousandths(Get_Team_Winning_Percentage(nTeam), szPercent);
    Standings_Column_Text(nTeam, SC_POINTS_FOR, szFor);
    Standings_Column_Text(nTeam, SC_POINTS_AGAINST, szAgainst);
    Standings_Column_Text(nTeam, SC_YARDS_PER_PLAY, szYards);
    Turnover_Margin_Text(nTeam, szMargin);
    Report_Line(pFile, ROW_FORMAT, szTeam, szWins, szLosses, szTies, szPercent, szFor, szAgainst, szYards, szMargin);
}

void Write_Division(FILE* pFile, int nDivision) {
    char szName[TEXT_SIZE];
    Get_Division_Name(nDivision, szName);
    Make_Upper_Case(szName);
    Report_Line(pFile, ROW_FORMAT, szName, "W", "L", "T", "PCT", "PF", "PA", "Yds", "+/-");
    for (int nPlace = 0; nPlace < DIVISION_PLACES; nPlace++) {
        TNUM nTeam = Get_Standings_Team(nDivision, nPlace);
        if (nTeam != NO_TEAM) Write_Team_Line(pFile, nTeam);
    }
    Report_Line(pFile, "%s", "");
}

void Write_Conference(FILE* pFile, int nConference) {
    char szName[TEXT_SIZE];
    Get_League_Name(nConference, szName);
    Make_Upper_Case(szName);
    Report_Line(pFile, "%s", "");
    Report_Line(pFile, "%s CONFERENCE (%d)", szName, Report_Year());
    Report_Line(pFile, "%s", "");
    for (int nDivision = 4 * nConference; nDivision < 4 * nConference + 4; nDivision++)
        if (Division_Team_Count(nDivision) > 0) Write_Division(pFile, nDivision);
}

// The round heading that comes before a slot pair, or null.
const char* Round_Heading(int nSlot) {
    int nMostDivisions = 0;
    bool bSplitConference = false;
    for (int nConference = 0; nConference < Number_Of_Conferences(); nConference++) {
        nMostDivisions = Max(nMostDivisions, Conference_Division_Count(nConference));
        if (Conference_Division_Count(nConference) > 1) bSplitConference = true;
    }
    if (nSlot == 0 && nMostDivisions >= 3) return "WILD CARD GAMES";
    if (nSlot == 16 && nMostDivisions >= 3) return "DIVISION PLAYOFFS";
    if (nSlot == 24 && bSplitConference) return "CONFERENCE CHAMPIONSHIPS";
    if (nSlot == 28 && Number_Of_Conferences() == 2) return "SUPER BOWL";
    return nullptr;
}

void Write_Playoffs(FILE* pFile) {
    for (int nSlot = 0; nSlot < CHAMPION_SLOT; nSlot += 2) {
        const char* szHeading = Round_Heading(nSlot);
        if (szHeading) {
            Report_Line(pFile, "%s", "");
            Report_Line(pFile, "%s", szHeading);
        }
        TNUM nFirst = Get_Playoff_Team(nSlot), nSecond = Get_Playoff_Team(nSlot + 1);
        int nFirstScore = Get_Playoff_Score(nSlot), nSecondScore = Get_Playoff_Score(nSlot + 1);
        // A team that went through without an opponent has no game to report.
        if (nFirstScore == nSecondScore || nFirst == NO_TEAM || nSecond == NO_TEAM) continue;
        bool bFirstWon = nFirstScore > nSecondScore;
        char szWinner[TEXT_SIZE], szLoser[TEXT_SIZE];
        Get_Team_Nickname(bFirstWon ? nFirst : nSecond, szWinner);
        Get_Team_Nickname(bFirstWon ? nSecond : nFirst, szLoser);
        Report_Line(pFile, " %s defeat %s, %d-%d", szWinner, szLoser, Max(nFirstScore, nSecondScore),
                    Min(nFirstScore, nSecondScore));
    }
}
}  // namespace

void Write_Standings_Report() {
    FILE* pFile = Open_Report_File("Stndng%02d.txt");
    if (!pFile) return;
    for (int nConference = 0; nConference < Number_Of_Conferences(); nConference++) Write_Conference(pFile, nConference);
    Write_Playoffs(pFile);
    Report_Line(pFile, "%s", "");
    Close_Report_File(pFile);
}
