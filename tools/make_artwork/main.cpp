// make_artwork GAME_DIR
// Draws every picture and synthesises every sound the game names into
// GAME_DIR, which already holds Universe.dat: helmets and stadium photos
// follow its teams. The same source always gives the same bytes.
#include <cstdio>

#include "artwork.h"
#include "database/league_database.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "platform/headless.h"

namespace {
// Every franchise code gets a helmet, so that a team added later has one too.
std::vector<TeamLook> Read_Teams() {
    std::vector<TeamLook> teams;
    for (int nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team((TNUM)nTeam)) {
            teams.push_back({nTeam, "", "", 0, 0});
            continue;
        }
        char szAbbreviation[64] = "", szPicture[64] = "";
        Get_Team_String((TNUM)nTeam, TS_ABBREVIATION, szAbbreviation);
        Get_Team_String((TNUM)nTeam, TS_STADIUM_PICTURE, szPicture);
        teams.push_back({nTeam, szAbbreviation, szPicture, Get_Stadium_Field((TNUM)nTeam, STADIUM_STRUCTURE),
                         Get_Stadium_Field((TNUM)nTeam, STADIUM_SURFACE)});
    }
    return teams;
}
}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: make_artwork GAME_DIR\n");
        return 2;
    }
    std::string szGame = argv[1];
    if (!Load_Game((szGame + "/" + UNIVERSE_FILE).c_str())) {
        fprintf(stderr, "make_artwork: cannot load %s/%s\n", szGame.c_str(), UNIVERSE_FILE);
        return 1;
    }
    std::vector<TeamLook> teams = Read_Teams();
    bool bMade = Make_News_Pages(szGame) && Make_Bracket_And_Draft_Pages(szGame) && Make_Hall_Of_Fame_Pages(szGame) &&
                 Make_Championship_Pages(szGame) && Make_Logo_Pictures(szGame) && Make_Manager_Faces(szGame) &&
                 Make_Helmets(szGame, teams) && Make_Stadium_Photos(szGame, teams) && Make_Dialog_Pictures(szGame) &&
                 Make_Sounds(szGame);
    return bMade ? 0 : 1;
}
