// brakvell-sim commands for saved games and the database file.
#include <cstdio>
#include <cstring>

#include "database/league_database.h"
#include "database/saved_game.h"
#include "sim/commands.h"

namespace {

void Print_Save_Mode(int nMode) {
    if (nMode < 0)
        printf("Save mode:  none (short header)\n");
    else if (nMode >= 0x20 && nMode < 0x7f)
        printf("Save mode:  %c\n", nMode);
    else
        printf("Save mode:  byte %d\n", nMode);
}

}  // namespace

int Sim_Info(int argc, char** argv) {
    if (argc != 1) return Sim_Usage("info FILE");
    if (!Load_League_File(argv[0])) return 1;
    const SavedGameInfo& info = Last_Load_Info();
    printf("Version:    %d.%03d (%d)\n", info.nVersion / 1000, info.nVersion % 1000, info.nVersion);
    Print_Save_Mode(info.nSaveMode);
    printf("Teams:      %d\n", Number_Of_Teams());
    printf("Season:     %d, week %d\n", Current_Calendar_Year(), Current_Week() + 1);
    printf("Game name:  %s\n", Printable(g_League.szGameName, sizeof g_League.szGameName).c_str());
    printf("Checksum:   %s\n", info.bChecksumMatches ? "matches" : "does not match");
    return 0;
}

int Sim_Convert(int argc, char** argv) {
    if (argc != 2) return Sim_Usage("convert IN OUT");
    if (!Load_League_File(argv[0])) return 1;
    int nResult = Save_Game(argv[1]);
    if (nResult == SAVE_OK) return 0;
    fprintf(stderr, "brakvell-sim: could not %s \"%s\"\n", nResult == SAVE_CANNOT_CREATE ? "create" : "write",
            argv[1]);
    return 1;
}
