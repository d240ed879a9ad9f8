// make_universe DATA_DIR OUTPUT_FILE [--report]
// Builds the default league from the tables in DATA_DIR and writes it to
// OUTPUT_FILE in the saved-game format. The build runs it; the same source
// always gives the same bytes.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/random.h"
#include "commands/core_hooks.h"
#include "database/integrity.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "platform/headless.h"
#include "universe.h"
#include "universe_report.h"

namespace {
void Build_Universe(const std::string& szData) {
    Seed_Random(UNIVERSE_SEED);
    NameLists names{Read_Names(szData + "/names/first.txt"), Read_Names(szData + "/names/last.txt")};
    Set_Up_League(Read_Cities(szData + "/cities.tsv"), Read_Franchises(szData + "/franchises.tsv"), names);
    Make_Rosters(names);
    Make_Free_Agents(names);
    Make_Hall_Of_Fame(names);
    Scale_Payrolls();
    Rebuild_Player_Index();
}

// Anything the accessors logged while the league was built is a fault of the maker.
bool Report_Problems() {
    bool bProblems = false;
    for (const std::string& szLine : Headless_Log_Lines()) {
        fprintf(stderr, "make_universe: %s\n", szLine.c_str());
        bProblems = true;
    }
    std::vector<std::string> violations;
    Check_League_Integrity(&violations);
    for (const std::string& szViolation : violations) {
        fprintf(stderr, "make_universe: %s\n", szViolation.c_str());
        bProblems = true;
    }
    return bProblems;
}
} // namespace

int main(int argc, char** argv) {
    bool bReport = argc == 4 && strcmp(argv[3], "--report") == 0;
    if (argc != 3 && !bReport) {
        fprintf(stderr, "usage: make_universe DATA_DIR OUTPUT_FILE [--report]\n");
        return 2;
    }
    Install_Core_Hooks();
    Build_Universe(argv[1]);
    if (Report_Problems()) return 1;
    if (bReport) Print_Universe_Report(stdout);
    if (Save_Game(argv[2]) != SAVE_OK) {
        fprintf(stderr, "make_universe: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
