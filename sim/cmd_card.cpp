// brakvell-sim card: the player card of one slot as the scouting window shows
// it, its grid a line a row, then the manager's scouts' verdict.
#include <cstdio>
#include <algorithm>
#include <cstring>
#include <string>

#include "database/player.h"
#include "database/text_format.h"
#include "personnel/player_card.h"
#include "personnel/scouting_report.h"
#include "sim/commands.h"

namespace {
constexpr const char* USAGE = "card FILE TEAM SLOT";
constexpr int CELL_WIDTH = 26;  // the widest cell, "Signing Bonus: $12,345,000", with a gap
}  // namespace

int Sim_Card(int argc, char** argv) {
    if (argc != 3) return Sim_Usage(USAGE);
    if (!Load_League_File(argv[0])) return 1;
    TNUM nTeam = NO_TEAM;
    if (!Parse_Team(argv[1], &nTeam)) {
        fprintf(stderr, "brakvell-sim: no team \"%s\" in \"%s\"\n", argv[1], argv[0]);
        return 1;
    }
    PNUM p = NO_PLAYER;
    if (!Parse_Player_Slot(nTeam, argv[2], &p)) return 1;
    char szName[FULL_NAME_WIDTH + 8], szPosition[TEXT_SIZE], szTeam[TEXT_SIZE];
    Get_Player_Full_Name(nTeam, p, szName);
    Get_Position_Name(Get_Player_Vital_Stat(nTeam, p, VS_POSITION), szPosition);
    Get_Team_Label(nTeam, szTeam);
    printf("%s, %s, %s\n", Printable(szName).c_str(), szPosition, Printable(szTeam).c_str());
    for (int nRow = 0; nRow < CARD_ROWS; nRow++) {
        std::string szLine;
        for (int nColumn = 0; nColumn < CARD_COLUMNS; nColumn++) {
            char szCell[TEXT_SIZE];
            Get_Player_Card_Text(nColumn, nRow, nTeam, p, szCell);
            std::string szText = Printable(szCell);
            if (nColumn < CARD_COLUMNS - 1) szText.resize(std::max(szText.size() + 1, (size_t)CELL_WIDTH), ' ');
            szLine += szText;
        }
        while (!szLine.empty() && szLine.back() == ' ') szLine.pop_back();
        printf("%s\n", szLine.c_str());
    }
    char szReport[NEWS_TEXT_SIZE];
    Get_Scouting_Report(nTeam, p, (TNUM)Get_Game_State(GS_USER_TEAM), szReport);
    if (szReport[0]) printf("\"%s\"\n", Printable(szReport).c_str());
    return 0;
}
