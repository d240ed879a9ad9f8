// brakvell-sim sign and release: a person's signing of a free agent, and his
// release of a player, without a window. For the signing, the
// rules and the negotiation are the list's own; the contract policy answers
// for the person. Only a signing is saved: a refusal leaves the file as it was.
#include <cstdio>
#include <cstring>

#include "database/player.h"
#include "database/saved_game.h"
#include "database/text_format.h"
#include "personnel/negotiation.h"
#include "sim/commands.h"
#include "trades/free_agent_signing.h"

int Sim_Sign(int argc, char** argv) {
    const char* const USAGE = "sign FILE --team T --slot S [--contracts ask|sign|release]";
    const char* szTeam = nullptr;
    long nSlot = -1;
    ContractPolicy nPolicy = CONTRACT_POLICY_SIGN;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--team") == 0 && i + 1 < argc) {
            szTeam = argv[++i];
            continue;
        }
        bool bBad = false;
        if (Parse_Contract_Policy(i, argc, argv, &nPolicy, &bBad)) {
            if (bBad) return Sim_Usage(USAGE);
            continue;
        }
        if (!Parse_Option(i, argc, argv, "--slot", nSlot, 0, PLAYERS_PER_TEAM - 1)) return Sim_Usage(USAGE);
    }
    if (argc < 1 || !szTeam || nSlot < 0) return Sim_Usage(USAGE);
    const char* szFile = argv[0];
    if (!Writable_Game(szFile, "sign free agents")) return 1;
    if (!Load_League_File(szFile)) {
        fprintf(stderr, "brakvell-sim: cannot load %s; it is left as it was\n", Printable(szFile).c_str());
        return 1;
    }
    TNUM nTeam = NO_TEAM;
    if (!Parse_Team(szTeam, &nTeam) || nTeam >= NUMBER_OF_FRANCHISES) {
        fprintf(stderr, "brakvell-sim: no franchise \"%s\" in \"%s\"\n", Printable(szTeam).c_str(),
                Printable(szFile).c_str());
        return 1;
    }
    if (!Is_Valid_Player(FREE_AGENT_TEAM, (PNUM)nSlot)) {
        fprintf(stderr, "brakvell-sim: no free agent in slot %ld\n", nSlot);
        return 1;
    }
    // The slot is the one the listing showed; opening the list re-prices and re-sorts the pool.
    int nID = Get_Player_Vital_Stat(FREE_AGENT_TEAM, (PNUM)nSlot, VS_PLAYER_ID);
    char szName[FULL_NAME_WIDTH + 1], szTeamName[TEXT_SIZE];
    Get_Player_Full_Name(FREE_AGENT_TEAM, (PNUM)nSlot, szName);
    Get_Team_Nickname(nTeam, szTeamName);
    SigningRefusal refusal;
    if (!Free_Agent_Signing_Allowed(nTeam, &refusal) || !Free_Agent_Roster_Room(nTeam, (PNUM)nSlot, &refusal)) {
        printf("%s: %s\n", refusal.szTitle, refusal.szText);
        return 1;
    }
    Reset_Free_Agent_Contracts();
    PNUM nPoolSlot = NO_PLAYER;
    TNUM nFound = NO_TEAM;
    if (!Find_Player_ID(nID, &nFound, &nPoolSlot) || nFound != FREE_AGENT_TEAM) return 1;
    Set_Contract_Policy(nPolicy);
    PNUM nNew = Sign_Free_Agent(nTeam, nPoolSlot);
    if (nNew == NO_PLAYER) {
        printf("%s did not sign with the %s; %s is left as it was\n", szName, szTeamName, Printable(szFile).c_str());
        return 1;
    }
    if (Save_Game(szFile) != SAVE_OK) {
        fprintf(stderr, "brakvell-sim: cannot save %s\n", Printable(szFile).c_str());
        return 1;
    }
    char szSalary[TEXT_SIZE], szBonus[TEXT_SIZE];
    Format_Thousands(Get_Player_Vital_Stat(nTeam, nNew, VS_SALARY), szSalary);
    Format_Thousands(Get_Player_Vital_Stat(nTeam, nNew, VS_BONUS), szBonus);
    printf("%s signed with the %s in slot %d: %d years, salary $%s,000, bonus $%s,000; saved\n", szName, szTeamName,
           nNew, Get_Player_Vital_Stat(nTeam, nNew, VS_CONTRACT_LEFT), szSalary, szBonus);
    return 0;
}

// brakvell-sim release: a person's release from a roster without a window;
// the tool answers the question for him. A refusal leaves the file as it was.
int Sim_Release(int argc, char** argv) {
    const char* const USAGE = "release FILE --team T --slot S";
    const char* szTeam = nullptr;
    const char* szSlot = nullptr;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--team") == 0 && i + 1 < argc)
            szTeam = argv[++i];
        else if (strcmp(argv[i], "--slot") == 0 && i + 1 < argc)
            szSlot = argv[++i];
        else
            return Sim_Usage(USAGE);
    }
    if (argc < 1 || !szTeam || !szSlot) return Sim_Usage(USAGE);
    const char* szFile = argv[0];
    if (!Writable_Game(szFile, "release players")) return 1;
    if (!Load_League_File(szFile)) {
        fprintf(stderr, "brakvell-sim: cannot load %s; it is left as it was\n", Printable(szFile).c_str());
        return 1;
    }
    TNUM nTeam = NO_TEAM;
    PNUM nSlot = NO_PLAYER;
    if (!Parse_Team(szTeam, &nTeam)) {
        fprintf(stderr, "brakvell-sim: no team \"%s\" in \"%s\"\n", Printable(szTeam).c_str(), Printable(szFile).c_str());
        return 1;
    }
    if (!Parse_Player_Slot(nTeam, szSlot, &nSlot)) return 1;
    SigningRefusal refusal;
    if (!Release_Allowed(nTeam, nSlot, &refusal)) {
        printf("%s: %s\n", refusal.szTitle, refusal.szText);
        return 1;
    }
    char szQuestion[TEXT_SIZE], szName[FULL_NAME_WIDTH + 1], szTeamName[TEXT_SIZE];
    Release_Question(nTeam, nSlot, szQuestion);
    Get_Player_Full_Name(nTeam, nSlot, szName);
    Get_Team_Nickname(nTeam, szTeamName);
    printf("%s\n", szQuestion);
    Release_Player(nTeam, nSlot, true);
    if (Save_Game(szFile) != SAVE_OK) {
        fprintf(stderr, "brakvell-sim: cannot save %s\n", Printable(szFile).c_str());
        return 1;
    }
    printf("%s was released by the %s to the free agents; saved\n", szName, szTeamName);
    return 0;
}
