// brakvell-sim scout: one player's scouting report as a team's scouts give
// it, with the figures behind the verdict, so that a report can be checked
// without a window.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "database/player.h"
#include "database/text_format.h"
#include "personnel/scouting_report.h"
#include "sim/commands.h"

namespace {
constexpr const char* USAGE = "scout FILE TEAM SLOT [--for TEAM]";
}  // namespace

int Sim_Scout(int argc, char** argv) {
    if (argc != 3 && !(argc == 5 && strcmp(argv[3], "--for") == 0)) return Sim_Usage(USAGE);
    if (!Load_League_File(argv[0])) return 1;
    TNUM nTeam = NO_TEAM;
    if (!Parse_Team(argv[1], &nTeam)) {
        fprintf(stderr, "brakvell-sim: no team \"%s\" in \"%s\"\n", argv[1], argv[0]);
        return 1;
    }
    TNUM nFor = (TNUM)Get_Game_State(GS_USER_TEAM);
    if (argc == 5 && !Parse_Team(argv[4], &nFor)) {
        fprintf(stderr, "brakvell-sim: no team \"%s\" in \"%s\"\n", argv[4], argv[0]);
        return 1;
    }
    PNUM p = NO_PLAYER;
    if (!Parse_Player_Slot(nTeam, argv[2], &p)) return 1;
    char szName[FULL_NAME_WIDTH + 8], szPosition[TEXT_SIZE], szTeam[TEXT_SIZE], szFor[TEXT_SIZE];
    Get_Player_Full_Name(nTeam, p, szName);
    Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, p, VS_POSITION), szPosition);
    Get_Team_Label(nTeam, szTeam);
    Get_Team_Label(nFor, szFor);
    printf("%s, %s, age %d (%s, slot %d, ID %d)\n", Printable(szName).c_str(), szPosition,
           Get_Player_Vital_Stat(nTeam, p, VS_AGE), Printable(szTeam).c_str(), p,
           Get_Player_Vital_Stat(nTeam, p, VS_PLAYER_ID));
    ScoutingView view;
    Get_Scouting_View(nTeam, p, nFor, &view);
    printf("Scouts of %s: age group %d, tier %d seen as %d (error %d), variant %d\n",
           szFor[0] ? Printable(szFor).c_str() : "no team", view.nAgeGroup, view.nTier, view.nShownTier,
           view.nError, view.nVariant);
    char szReport[NEWS_TEXT_SIZE];
    Get_Scouting_Report(nTeam, p, nFor, szReport);
    if (szReport[0])
        printf("\"%s\"\n", Printable(szReport).c_str());
    else
        printf("No report.\n");
    return 0;
}
