// brakvell-sim check FILE: loads a league and lists every violation of its
// integrity. Exit status 0 when clean, 1 with violations or an unreadable
// file, 2 on wrong arguments.
#include <cstdio>
#include <string>
#include <vector>

#include "database/integrity.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "sim/commands.h"

int Sim_Check(int argc, char** argv) {
    if (argc != 1) return Sim_Usage("check FILE");
    const char* szFile = argv[0];
    if (!Load_League_File(szFile)) {
        fprintf(stderr, "brakvell-sim: cannot load %s\n", szFile);
        return 1;
    }
    std::vector<std::string> violations;
    int nViolations = Check_League_Integrity(&violations);
    for (const std::string& szViolation : violations)
        printf("%s\n", szViolation.c_str());
    if (nViolations > 0) {
        printf("%s: %d violation%s\n", szFile, nViolations, nViolations == 1 ? "" : "s");
        return 1;
    }
    int nPlayers = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++)
        nPlayers += Number_Of_Players(nTeam);
    printf("%s: sound (%d teams, %d players)\n", szFile, Number_Of_Teams(), nPlayers);
    return 0;
}
