// Free agency's signings: the computer's round of a new season and the rules
// around a person's negotiation with a free agent.
#include "trades/free_agent_signing.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/contracts.h"
#include "personnel/negotiation.h"
#include "personnel/roster.h"
#include "platform/platform.h"
#include "trades/roster_review.h"
#include "trades/team_needs.h"
#include "trades/trade_value.h"

namespace {
constexpr int SCORED_SALARY = 1000;  // thousands: the round passes over cheaper players

bool Computer_Run(TNUM nTeam) { return Valid_Team(nTeam) && !Human_Managed(nTeam); }

int Player_ID(TNUM nTeam, PNUM nPlayer) { return Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID); }

PNUM Pool_Slot_Of(int nID) {
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (Is_Valid_Player(FREE_AGENT_TEAM, nSlot) && Player_ID(FREE_AGENT_TEAM, nSlot) == nID) return nSlot;
    return NO_PLAYER;
}

PNUM Team_Slot_Of(TNUM nTeam, int nID) {
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        if (Is_Valid_Player(nTeam, nSlot) && Player_ID(nTeam, nSlot) == nID) return nSlot;
    return NO_PLAYER;
}

void Release_Last_Slots_Of_Computer_Teams() {
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Computer_Run(nTeam)) Release_Last_Slots(nTeam);
}

// Every franchise's score of every pool position, human-managed ones and
// those at the cap left at 0.
void Score_Pool(int aanScore[NUMBER_OF_FRANCHISES][PLAYERS_PER_TEAM]) {
    memset(aanScore, 0, sizeof(int) * NUMBER_OF_FRANCHISES * PLAYERS_PER_TEAM);
    int nCap = Get_League_Rule(LR_SALARY_CAP) / 1000;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Computer_Run(nTeam) || Get_Team_Financial_Stat(nTeam, FIN_PAYROLL) >= nCap) continue;
        TeamNeeds needs;
        Compute_Team_Needs(nTeam, &needs);
        for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++) {
            if (!Is_Valid_Player(FREE_AGENT_TEAM, nSlot)) continue;
            int nSalary = Get_Player_Vital_Stat(FREE_AGENT_TEAM, nSlot, VS_SALARY);
            if (nSalary < SCORED_SALARY) continue;
            int nScore = Pool_Offer_Score(nTeam, nSlot, NO_PLAYER, -(nSalary / 1000), needs);
            aanScore[nTeam][nSlot] = nScore == EMPTY_OFFER_SCORE ? 0 : nScore;
        }
    }
}

void Refuse(SigningRefusal* pRefusal, const char* szTitle, const char* szFormat, ...)
    __attribute__((format(printf, 3, 4)));
void Refuse(SigningRefusal* pRefusal, const char* szTitle, const char* szFormat, ...) {
    if (!pRefusal) return;
    snprintf(pRefusal->szTitle, sizeof pRefusal->szTitle, "%s", szTitle);
    va_list args;
    va_start(args, szFormat);
    vsnprintf(pRefusal->szText, sizeof pRefusal->szText, szFormat, args);
    va_end(args);
}

void Show(const SigningRefusal& refusal) { Message_Box(refusal.szTitle, "%s", refusal.szText); }
}  // namespace

void Computer_Signing_Round() {
    Release_Last_Slots_Of_Computer_Teams();
    static int s_aanScore[NUMBER_OF_FRANCHISES][PLAYERS_PER_TEAM];
    Score_Pool(s_aanScore);
    int anScoredID[PLAYERS_PER_TEAM];
    for (PNUM nSlot = 0; nSlot < PLAYERS_PER_TEAM; nSlot++)
        anScoredID[nSlot] = Is_Valid_Player(FREE_AGENT_TEAM, nSlot) ? Player_ID(FREE_AGENT_TEAM, nSlot) : 0;

    for (PNUM nPosition = 0; nPosition < PLAYERS_PER_TEAM; nPosition++) {
        TNUM nBest = NO_TEAM;
        int nBestScore = 0;
        for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
            if (s_aanScore[nTeam][nPosition] > nBestScore) {
                nBest = nTeam;
                nBestScore = s_aanScore[nTeam][nPosition];
            }
        if (nBest == NO_TEAM) continue;
        // The player scored, wherever the signings before have moved him.
        PNUM nSlot = Pool_Slot_Of(anScoredID[nPosition]);
        if (nSlot == NO_PLAYER || !Move_Player_To_Team(FREE_AGENT_TEAM, nSlot, nBest)) continue;
        Group_By_Side(nBest);
        for (int& nScore : s_aanScore[nBest]) nScore = 0;
    }
    Release_Last_Slots_Of_Computer_Teams();
}

bool Free_Agent_Signing_Allowed(TNUM nTeam, SigningRefusal* pRefusal) {
    if (!Signing_Window_Open()) {
        Refuse(pRefusal, "Trading Deadline",
               "You cannot sign a free agent after the transaction deadline. Wait until the end of the season.");
        return false;
    }
    if (Get_Team_Financial_Stat(nTeam, FIN_CASH) < 0) {
        Refuse(pRefusal, "Debt",
               "Because you are currently in debt, you are not allowed to sign free agents or increase your payroll.");
        return false;
    }
    return true;
}

bool Free_Agent_Roster_Room(TNUM nTeam, PNUM nPoolPlayer, SigningRefusal* pRefusal) {
    if (Number_Of_Players(nTeam) < PLAYERS_PER_TEAM) return true;
    char szName[FULL_NAME_WIDTH + 1];
    Get_Player_Full_Name(FREE_AGENT_TEAM, nPoolPlayer, szName);
    Refuse(pRefusal, "Too Many Players", "Your team is currently full. You must release a player before you add %s.",
           szName);
    return false;
}

PNUM Join_Signed_Free_Agent(TNUM nTeam, PNUM nPoolPlayer, SigningRefusal* pRefusal) {
    if (!Is_Valid_Player(FREE_AGENT_TEAM, nPoolPlayer) || !Free_Agent_Roster_Room(nTeam, nPoolPlayer, pRefusal))
        return NO_PLAYER;
    int nID = Player_ID(FREE_AGENT_TEAM, nPoolPlayer);
    if (!Move_Player_To_Team(FREE_AGENT_TEAM, nPoolPlayer, nTeam)) return NO_PLAYER;
    return Team_Slot_Of(nTeam, nID);
}

PNUM Sign_Free_Agent(TNUM nTeam, PNUM nPoolPlayer) {
    if (!Is_Valid_Player(FREE_AGENT_TEAM, nPoolPlayer)) return NO_PLAYER;
    SigningRefusal refusal;
    if (!Free_Agent_Signing_Allowed(nTeam, &refusal) || !Free_Agent_Roster_Room(nTeam, nPoolPlayer, &refusal)) {
        Show(refusal);
        return NO_PLAYER;
    }
    if (Contract_Negotiation(FREE_AGENT_TEAM, nPoolPlayer, nTeam) != 1) return NO_PLAYER;
    PNUM nSlot = Join_Signed_Free_Agent(nTeam, nPoolPlayer, &refusal);
    if (nSlot == NO_PLAYER) Show(refusal);
    return nSlot;
}

void Reset_Free_Agent_Contracts() {
    for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
        if (!Is_Valid_Player(FREE_AGENT_TEAM, nPlayer)) continue;
        int nYears = Preferred_Contract_Length(FREE_AGENT_TEAM, nPlayer);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nPlayer, VS_CONTRACT_LEFT, nYears);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nPlayer, VS_CONTRACT_YEARS, nYears);
        Set_Player_Vital_Stat(FREE_AGENT_TEAM, nPlayer, VS_BONUS, 0);
        Compute_Asking_Salary(FREE_AGENT_TEAM, nPlayer);
    }
    Sort_Free_Agents();
}

void Release_Player(TNUM nTeam, PNUM nPlayer, bool bToPool) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return;
    if (bToPool)
        Release_To_Free_Agency(nTeam, nPlayer);
    else
        Delete_Player(nTeam, nPlayer);
}

bool Release_Allowed(TNUM nTeam, PNUM nPlayer, SigningRefusal* pRefusal) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES || !Valid_Team(nTeam) || !Is_Valid_Player(nTeam, nPlayer)) {
        Refuse(pRefusal, "Release Player", "There is no player in that place to release.");
        return false;
    }
    if (!Human_Managed(nTeam) && !Get_Game_State(GS_COMMISSIONER)) {
        char szTeam[TEXT_SIZE];
        Get_Team_Nickname(nTeam, szTeam);
        Refuse(pRefusal, "Release Player",
               "The %s are managed by the computer; you can release players only from a team you manage.", szTeam);
        return false;
    }
    return true;
}

void Release_Question(TNUM nTeam, PNUM nPlayer, char* szOut) {
    char szName[FULL_NAME_WIDTH + 1];
    Get_Player_Full_Name(nTeam, nPlayer, szName);
    Format_Text(szOut, "Are you sure you want to release %s? He will join the free agents, where any team may sign him.",
                szName);
}

bool Ask_To_Release_Player(TNUM nTeam, PNUM nPlayer) {
    SigningRefusal refusal;
    if (!Release_Allowed(nTeam, nPlayer, &refusal)) {
        Show(refusal);
        return false;
    }
    char szQuestion[TEXT_SIZE];
    Release_Question(nTeam, nPlayer, szQuestion);
    if (Ask_Yes_No("Release Player", szQuestion) != ANSWER_YES) return false;
    Release_Player(nTeam, nPlayer, true);
    return true;
}

void Free_Agent_Cap_Room_Text(TNUM nTeam, char* szOut) { Cap_Room_Text(Cap_Room(nTeam, nTeam, NO_PLAYER), " ", szOut); }
