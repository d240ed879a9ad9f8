// brakvell-sim fame [FILE]: the managers' Vantor Hall Of Fame of the
// VantorFame.dat in the working folder, level by level, and with a league
// file its players' hall of fame, the members still waiting marked.
#include <cstdio>
#include <cstring>
#include <string>

#include "database/text_format.h"
#include "halloffame/fame_file.h"
#include "halloffame/inductees.h"
#include "reports/hall_of_fame_page.h"
#include "reports/page_common.h"
#include "sim/commands.h"

namespace {
const char* Flag_Word(int nFlag) {
    switch (nFlag) {
    case FAME_BUILT_IN:
        return "built-in";
    case FAME_WHITE:
        return "white";
    case FAME_GRAY:
        return "gray";
    default:
        return "?";
    }
}

// The file's texts need not end inside their fields, nor be printable.
std::string Field(const char* pField, size_t nWidth) {
    return Printable(std::string(pField, strnlen(pField, nWidth)).c_str());
}

void Print_Level(const FameFile& fame, int nLevel) {
    char szLevel[TEXT_SIZE];
    Get_Difficulty_Name(nLevel, szLevel);
    printf("%s\n", szLevel);
    for (int i = 0; i < FAME_ENTRIES; i++) {
        const FameEntry& e = fame.aTables[nLevel][i];
        char szRecord[DIALOG_TEXT], szPercentage[DIALOG_TEXT], szPlayoffs[DIALOG_TEXT], szRating[DIALOG_TEXT];
        Record_Text(e.nWins, e.nLosses, e.nTies, szRecord);
        Winning_Percentage_Text(e.nWins, e.nLosses, szPercentage);
        Dialog_Format(szPlayoffs, "%d-%d", e.nPlayoffWins, e.nPlayoffLosses);
        Tenths_Text(e.nRating, szRating);
        printf("%2d. %-24s %-20s %d-%d  %-10s %-6s %-6s %6s  %s\n", i + 1,
               Field(e.szManager, sizeof e.szManager).c_str(), Field(e.szHome, sizeof e.szHome).c_str(),
               e.nFirstSeason, e.nLastSeason, szRecord, szPercentage, szPlayoffs, szRating,
               Flag_Word(e.nFlag));
    }
}
} // namespace

int Sim_Fame(int argc, char** argv) {
    if (argc > 1) return Sim_Usage("fame [FILE]");
    FameFile fame;
    if (!Fame_File_Exists()) {
        printf("no %s here: the built-in tables a first start writes\n", FAME_FILE_NAME);
        memset(&fame, 0, sizeof fame);
        Fill_Built_In_Fame_Entries(&fame);
    } else if (!Read_Fame_File(&fame)) {
        fprintf(stderr, "brakvell-sim: cannot read %s\n", FAME_FILE_NAME);
        return 1;
    }
    for (int nLevel = 0; nLevel < FAME_LEVELS; nLevel++) {
        if (nLevel) printf("\n");
        Print_Level(fame, nLevel);
    }
    if (argc == 0) return 0;
    if (!Load_League_File(argv[0])) {
        fprintf(stderr, "brakvell-sim: cannot load %s\n", argv[0]);
        return 1;
    }
    std::vector<InducteeLine> members = Hall_Of_Fame_Inductees(false);
    printf("\nPlayers' Hall Of Fame, %d (%zu members)\n", Current_Calendar_Year(), members.size());
    for (const InducteeLine& line : members)
        printf("%2d. %-24s %-3s %d %4s%s\n", line.nSlot, Printable(line.szName).c_str(), line.szPosition,
               line.nYearInducted, line.szVotes, line.bWaiting ? "  (waiting)" : "");
    return 0;
}
