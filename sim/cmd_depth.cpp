// brakvell-sim depth: one side of a team's depth chart as the Offense,
// Defense and Special Teams windows show it, changed as they change it:
// the automatic button, a player moved up or down at his position, the
// returners picked from their lists. Saved only when asked.
#include <cstdio>
#include <cstring>
#include <string>

#include "commands/depth_dialog.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/player_table.h"
#include "sim/commands.h"

namespace {
constexpr const char* USAGE =
    "depth FILE TEAM offense|defense|special [--auto] [--move SLOT up|down]... [--kick N] [--punt N] [--save]";
const char* const SIDE_WORDS[] = {"offense", "defense", "special"};

void Print_Side(const DepthDialog& dialog) {
    std::vector<PlayerRow> rows = Get_Player_Rows(dialog.nTeam, dialog.nSide);
    char szTeam[TEXT_SIZE];
    Get_Team_Label(dialog.nTeam, szTeam);
    printf("%s %s, %d players%s\n", Printable(szTeam).c_str(), SIDE_WORDS[dialog.nSide], (int)rows.size(),
           dialog.bEditable ? "" : " (the computer's)");
    printf("Slot Depth   Name                             Age Ovr Key ratings           Value      Salary Contract Injury\n");
    for (const PlayerRow& row : rows) {
        printf("%4d %-5s%s %-32s %3s %3s", row.nSlot, row.aszText[COLUMN_DEPTH], row.bStarter ? " *" : "  ",
               Printable(row.aszText[COLUMN_NAME]).c_str(), row.aszText[COLUMN_AGE], row.aszText[COLUMN_OVERALL]);
        for (int nColumn = COLUMN_KEY_RATING; nColumn < COLUMN_VALUE; nColumn++)
            printf(" %3s", row.aszText[nColumn]);
        printf(" %7s %11s %8s %s\n", row.aszText[COLUMN_VALUE], row.aszText[COLUMN_SALARY],
               row.aszText[COLUMN_CONTRACT], row.aszText[COLUMN_INJURY]);
    }
    if (dialog.nSide != SIDE_KICKERS) return;
    for (int nKind : {KICK_RETURNER, PUNT_RETURNER}) {
        std::vector<ReturnerChoice> choices = Returner_Choices(dialog.nTeam, nKind, PERIOD_THIS_SEASON);
        int nChoice = Current_Returner_Choice(dialog.nTeam, nKind, choices);
        PNUM nSlot = Get_Team_Returner(dialog.nTeam, nKind);
        char szName[FULL_NAME_WIDTH + 1] = "";
        if (Is_Valid_Player(dialog.nTeam, nSlot)) Get_Player_Full_Name(dialog.nTeam, nSlot, szName);
        printf("%s returner: slot %d, %s\n", nKind == KICK_RETURNER ? "Kick" : "Punt", nSlot,
               nChoice >= 0 ? Printable(choices[nChoice].szText.c_str()).c_str()
                            : (Printable(szName) + " (not in the list)").c_str());
    }
}
}  // namespace

int Sim_Depth(int argc, char** argv) {
    if (argc < 3) return Sim_Usage(USAGE);
    int nSide = -1;
    for (int i = 0; i < 3; i++)
        if (strcmp(argv[2], SIDE_WORDS[i]) == 0) nSide = i;
    if (nSide < 0) return Sim_Usage(USAGE);
    bool bSave = false, bChanges = false;
    for (int i = 3; i < argc; i++) {
        if (strcmp(argv[i], "--auto") == 0 && nSide != SIDE_KICKERS) {
            bChanges = true;
        } else if (strcmp(argv[i], "--move") == 0 && i + 2 < argc &&
                   (strcmp(argv[i + 2], "up") == 0 || strcmp(argv[i + 2], "down") == 0)) {
            bChanges = true;
            i += 2;
        } else if ((strcmp(argv[i], "--kick") == 0 || strcmp(argv[i], "--punt") == 0) && nSide == SIDE_KICKERS &&
                   i + 1 < argc) {
            bChanges = true;
            i++;
        } else if (strcmp(argv[i], "--save") == 0) {
            bSave = true;
        } else {
            return Sim_Usage(USAGE);
        }
    }
    const char* szFile = argv[0];
    if (bSave && !Writable_Game(szFile, "set depth charts")) return 1;
    if (!Load_League_File(szFile)) return 1;
    TNUM nTeam = NO_TEAM;
    if (!Parse_Team(argv[1], &nTeam) || nTeam >= NUMBER_OF_FRANCHISES) {
        fprintf(stderr, "brakvell-sim: no franchise \"%s\" in \"%s\"\n", Printable(argv[1]).c_str(),
                Printable(szFile).c_str());
        return 1;
    }
    DepthDialog dialog;
    Open_Depth_Dialog(nTeam, nSide, &dialog);
    if (bChanges && !dialog.bEditable) {
        fprintf(stderr, "brakvell-sim: the computer manages %s; only a person's team or Commissioner Mode allows changes\n",
                Printable(argv[1]).c_str());
        return 1;
    }
    for (int i = 3; i < argc; i++) {
        if (strcmp(argv[i], "--auto") == 0) {
            Auto_Depth_Chart(&dialog);
        } else if (strcmp(argv[i], "--move") == 0) {
            PNUM nSlot = NO_PLAYER;
            if (!Parse_Player_Slot(nTeam, argv[i + 1], &nSlot)) return 1;
            int nSideOf = Get_Player_Side(nTeam, nSlot);
            if (nSideOf != nSide) {
                fprintf(stderr, "brakvell-sim: slot %d does not play %s\n", nSlot, SIDE_WORDS[nSide]);
                return 1;
            }
            bool bUp = strcmp(argv[i + 2], "up") == 0;
            PNUM nNow = Move_Depth_Player(&dialog, nSlot, bUp ? -1 : 1);
            if (nNow == NO_PLAYER)
                printf("slot %d is already the %s of his position\n", nSlot, bUp ? "first" : "last");
            else
                printf("slot %d moved %s to slot %d\n", nSlot, bUp ? "up" : "down", nNow);
            i += 2;
        } else if (strcmp(argv[i], "--kick") == 0 || strcmp(argv[i], "--punt") == 0) {
            int nKind = strcmp(argv[i], "--kick") == 0 ? KICK_RETURNER : PUNT_RETURNER;
            long nIndex = -1;
            std::vector<ReturnerChoice> choices = Returner_Choices(nTeam, nKind, PERIOD_THIS_SEASON);
            if (!Parse_Option(i, argc, argv, argv[i], nIndex, 0, (long)choices.size() - 1)) {
                fprintf(stderr, "brakvell-sim: %s takes a place in the list of %d eligible players\n", argv[i],
                        (int)choices.size());
                return 1;
            }
            Choose_Depth_Returner(&dialog, nKind, (int)nIndex);
        }
    }
    Print_Side(dialog);
    if (!bSave) return 0;
    if (Save_Game(szFile) != SAVE_OK) {
        fprintf(stderr, "brakvell-sim: cannot save %s\n", Printable(szFile).c_str());
        return 1;
    }
    printf("saved\n");
    return 0;
}
