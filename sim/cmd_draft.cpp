// brakvell-sim draft: the college Draft window without its window. It shows
// who is on the clock and the class as the person's scouts see it; --pick
// makes the person's pick (the contract policy answers the negotiation for
// him), --end lets the computer make every remaining pick. Only a change is saved.
#include <cstdio>
#include <cstring>

#include "database/player.h"
#include "database/saved_game.h"
#include "personnel/negotiation.h"
#include "season/college_draft.h"
#include "season/draft_dialog.h"
#include "sim/commands.h"

int Sim_Draft(int argc, char** argv) {
    const char* const USAGE = "draft FILE [--pick N [--contracts ask|sign|release]] [--end]";
    long nPick = -1;
    bool bEnd = false;
    ContractPolicy nPolicy = CONTRACT_POLICY_SIGN;
    for (int i = 1; i < argc; i++) {
        bool bBad = false;
        if (strcmp(argv[i], "--end") == 0) {
            bEnd = true;
        } else if (Parse_Contract_Policy(i, argc, argv, &nPolicy, &bBad)) {
            if (bBad) return Sim_Usage(USAGE);
        } else if (!Parse_Option(i, argc, argv, "--pick", nPick, 0, 3 * PLAYERS_PER_TEAM - 1)) {
            return Sim_Usage(USAGE);
        }
    }
    if (argc < 1 || (nPick >= 0 && bEnd)) return Sim_Usage(USAGE);
    const char* szFile = argv[0];
    if ((nPick >= 0 || bEnd) && !Writable_Game(szFile, "make draft picks")) return 1;
    if (!Load_League_File(szFile)) return 1;
    DraftDialogState state;
    TNUM nPerson = (TNUM)Get_Game_State(GS_USER_TEAM);
    Get_Draft_Dialog_State(nPerson, &state);
    if (!state.bRunning) {
        printf("%s\n", state.szClock);
        return nPick >= 0 || bEnd ? 1 : 0;
    }
    // The person on the clock sees the class through his own scouts.
    if (state.bCanPick) nPerson = state.nOnTheClock;
    std::vector<PlayerRow> rows = Draft_Class_Rows(nPerson);
    if (nPick < 0 && !bEnd) {
        printf("On the clock: %s%s\n", Printable(state.szClock).c_str(), state.bCanPick ? " (a person's pick)" : "");
        for (size_t i = 0; i < rows.size(); i++) {
            const PlayerRow& row = rows[i];
            printf("%3zu  %-3s %-26s %-2s %4s %3s  %-20s %4s\n", i, row.aszText[COLUMN_POSITION],
                   Printable(row.aszText[COLUMN_NAME]).c_str(), row.aszText[COLUMN_CLASS], row.aszText[COLUMN_HEIGHT],
                   row.aszText[COLUMN_WEIGHT], Printable(row.aszText[COLUMN_COLLEGE]).c_str(),
                   row.aszText[COLUMN_SCOUT_SCORE]);
        }
        return 0;
    }
    if (bEnd) {
        End_College_Draft();
        printf("The computer made every remaining pick.\n");
    } else {
        if (!state.bCanPick) {
            printf("No person's team is on the clock (%s); %s is left as it was\n", Printable(state.szClock).c_str(),
                   Printable(szFile).c_str());
            return 1;
        }
        if (nPick >= (long)rows.size()) {
            fprintf(stderr, "brakvell-sim: the class has %zu prospects\n", rows.size());
            return 1;
        }
        const PlayerRow& row = rows[nPick];
        Set_Contract_Policy(nPolicy);
        if (!Draft_Dialog_Pick(row.nTeam, row.nSlot)) {
            printf("%s was not drafted; %s is left as it was\n", Printable(row.aszText[COLUMN_NAME]).c_str(),
                   Printable(szFile).c_str());
            return 1;
        }
        printf("%s drafted: %s\n", Printable(state.szClock).c_str(), Printable(row.aszText[COLUMN_NAME]).c_str());
    }
    if (Save_Game(szFile) != SAVE_OK) {
        fprintf(stderr, "brakvell-sim: cannot save %s\n", Printable(szFile).c_str());
        return 1;
    }
    return 0;
}
