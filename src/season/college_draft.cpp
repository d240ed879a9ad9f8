// The college draft: one pick at a time, each written to the draft file as
// it is made, so a draft left for the person's turn goes on after a save.
#include "season/college_draft.h"

#include <climits>
#include <cstdio>

#include "base/random.h"
#include "database/player.h"
#include "database/season_state.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/contracts.h"
#include "personnel/negotiation.h"
#include "personnel/player_creation.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "season/season_loop.h"
#include "season/season_loop_internal.h"
#include "trades/team_needs.h"
#include "trades/trade_value.h"

namespace {
constexpr int RELEASE_ROUNDS = 4;  // only the early rounds are worth a released veteran
constexpr int NEED_WEIGHT_BASE = 1000, NEED_WEIGHT_DIVISOR = 40;
constexpr int WEALTH_SCALE = 10000;

// The draft spans saves and the person's turns, so every line is appended
// to the file as it is made.
void Append_Draft_Line(const char* szLine) {
    std::string szPath = Draft_File_Path();
    if (szPath.empty()) return;
    FILE* pFile = fopen(szPath.c_str(), "a");
    if (!pFile) return;
    fprintf(pFile, "%s\n", szLine);
    fclose(pFile);
}

void Append_Round_Banner(int nRound) {
    char szWord[TEXT_SIZE], szLine[TEXT_SIZE];
    Get_Ordinal_Words(nRound + 1, szWord);
    Make_Upper_Case(szWord);
    Format_Text(szLine, "================= %s ROUND =================", szWord);
    Append_Draft_Line("");
    Append_Draft_Line(szLine);
}

void Begin_Draft_File() {
    std::string szPath = Draft_File_Path();
    if (szPath.empty()) return;
    remove(szPath.c_str());
    char szLine[TEXT_SIZE];
    Format_Text(szLine, "               %d COLLEGE DRAFT", Current_Calendar_Year());
    Append_Draft_Line("");
    Append_Draft_Line(szLine);
    Append_Round_Banner(0);
}

int Overall_Pick() {
    return Get_Game_State(GS_DRAFT_ROUND) * Number_Of_Teams() + Get_Game_State(GS_DRAFT_PICK) + 1;
}

// The last player of the side on the roster, searched from the back.
PNUM Last_Of_Side(TNUM nTeam, int nSide) {
    for (int nPlayer = PLAYERS_PER_TEAM - 1; nPlayer >= 0; nPlayer--)
        if (Is_Valid_Player(nTeam, (PNUM)nPlayer) && Get_Player_Side(nTeam, (PNUM)nPlayer) == nSide)
            return (PNUM)nPlayer;
    return NO_PLAYER;
}

void Tell_Person_On_The_Clock(TNUM nTeam) {
    char szTitle[TEXT_SIZE], szName[TEXT_SIZE];
    Format_Text(szTitle, "Round %d: Overall Pick #%d", Get_Game_State(GS_DRAFT_ROUND) + 1, Overall_Pick());
    Get_Team_Nickname(nTeam, szName);
    if (Get_Game_State(GS_DRAFT_ROUND) == 0) {
        Message_Box(szTitle, "%s: Make your draft pick (choose 'College Draft' from 'Players' menu).", szName);
        Notify_Show_Page(PAGE_DRAFT);
    } else {
        Message_Box(szTitle, "%s: Make your draft pick.", szName);
    }
}

bool Is_Prospect(TNUM nTeam, PNUM nPlayer) {
    return nTeam >= DRAFT_POOL_TEAMS && nTeam <= TOTAL_NUMBER_OF_TEAMS && Is_Valid_Player(nTeam, nPlayer);
}
}  // namespace

std::string Draft_File_Path() {
    char szName[TEXT_SIZE];
    Format_Text(szName, "Draft-%02d.txt", Current_Season_Index() % 100);
    return Output_File_Path(szName);
}

void Set_Draft_Order() {
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) Set_Draft_Place(nTeam, NOT_IN_DRAFT_ORDER);
    // While the draft runs the team records read the season just ended.
    TNUM anOrder[NUMBER_OF_FRANCHISES];
    int nTeams = Projected_Draft_Order(anOrder);
    for (int nPlace = 0; nPlace < nTeams; nPlace++) Set_Draft_Place(anOrder[nPlace], nPlace);
}

void Start_College_Draft() {
    Set_Game_State(GS_DRAFT_ROUND, 0);
    Set_Game_State(GS_DRAFT_PICK, 0);
    Set_Draft_Order();
    Make_College_Class();
    Begin_Draft_File();
    Notify_Play_Menu();
    Run_Computer_Picks();
}

TNUM Team_On_The_Clock() {
    if (!College_Draft_Running()) return NO_TEAM;
    TNUM nOriginal = Draft_Order_Team(Get_Game_State(GS_DRAFT_PICK));
    if (nOriginal == NO_TEAM) return NO_TEAM;
    TNUM nOwner = (TNUM)g_League.abDraftPicks[0][Get_Game_State(GS_DRAFT_ROUND)][nOriginal];
    // An owner that is no team of the league cannot pick: the pick stays home.
    return Valid_Team(nOwner) ? nOwner : nOriginal;
}

void Advance_Draft_Pick() {
    if (!College_Draft_Running()) return;
    int nPick = Get_Game_State(GS_DRAFT_PICK) + 1, nRound = Get_Game_State(GS_DRAFT_ROUND);
    if (nPick >= Number_Of_Teams()) {
        nPick = 0;
        nRound++;
        if (nRound < NUMBER_OF_DRAFT_ROUNDS) Append_Round_Banner(nRound);
    }
    Set_Game_State(GS_DRAFT_PICK, nPick);
    Set_Game_State(GS_DRAFT_ROUND, nRound);
    if (nRound >= NUMBER_OF_DRAFT_ROUNDS) {
        Notify_Play_Menu();
        Set_Up_New_Season();
    }
}

bool Computer_Draft_Pick(TNUM nTeam) {
    if (!Valid_Team(nTeam)) return false;
    TeamNeeds needs;
    Compute_Team_Needs(nTeam, &needs);
    int anWeight[NUMBER_OF_POSITIONS];
    for (int nPosition = 0; nPosition < NUMBER_OF_POSITIONS; nPosition++)
        anWeight[nPosition] = (NEED_WEIGHT_BASE + needs.aanNeed[NEED_STARTER][nPosition] +
                               needs.aanNeed[NEED_VETERAN_BACKUP][nPosition] +
                               needs.aanNeed[NEED_YOUNG_BACKUP][nPosition]) /
                              NEED_WEIGHT_DIVISOR;
    TNUM nPoolTeam = NO_TEAM;
    PNUM nChosen = NO_PLAYER;
    int nBest = INT_MIN;
    for (int nTeamCode = DRAFT_POOL_TEAMS; nTeamCode <= TOTAL_NUMBER_OF_TEAMS; nTeamCode++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            if (!Is_Valid_Player((TNUM)nTeamCode, nPlayer)) continue;
            int nPosition = Get_Player_Vital_Stat((TNUM)nTeamCode, nPlayer, VS_POSITION);
            if (nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) continue;
            int nScore = Get_Player_Vital_Stat((TNUM)nTeamCode, nPlayer, VS_SCOUT_SCORE) * anWeight[nPosition];
            if (nScore > nBest) {
                nBest = nScore;
                nPoolTeam = (TNUM)nTeamCode;
                nChosen = nPlayer;
            }
        }
    if (nChosen == NO_PLAYER) return false;

    if (Get_Game_State(GS_DRAFT_ROUND) < RELEASE_ROUNDS && Number_Of_Players(nTeam) >= PLAYERS_PER_TEAM) {
        PNUM nLast = Last_Of_Side(nTeam, Get_Player_Side(nPoolTeam, nChosen));
        if (nLast != NO_PLAYER) Release_To_Free_Agency(nTeam, nLast);
    }
    if (Number_Of_Players(nTeam) >= PLAYERS_PER_TEAM) return false;

    int nLength = Preferred_Contract_Length(nPoolTeam, nChosen);
    Set_Player_Vital_Stat(nPoolTeam, nChosen, VS_CONTRACT_LEFT, nLength);
    Set_Player_Vital_Stat(nPoolTeam, nChosen, VS_CONTRACT_YEARS, nLength);
    // A rich team pays its rookies more up front.
    int nBonus = Rookie_Bonus(Rookie_Draft_Position(nPoolTeam, nChosen));
    Set_Player_Vital_Stat(nPoolTeam, nChosen, VS_BONUS,
                          Ratio(nBonus, Get_Team_Financial_Stat(nTeam, FIN_WEALTH) + WEALTH_SCALE, WEALTH_SCALE));
    Compute_Asking_Salary(nPoolTeam, nChosen);
    Record_Draft_Pick(nTeam, nPoolTeam, nChosen);
    return true;
}

void Record_Draft_Pick(TNUM nTeam, TNUM nPoolTeam, PNUM nPlayer) {
    if (!Valid_Team(nTeam) || !Is_Prospect(nPoolTeam, nPlayer)) return;
    // A full roster has no place for him: no line for a pick not made.
    if (Number_Of_Players(nTeam) >= PLAYERS_PER_TEAM) return;
    char szTeam[TEXT_SIZE], szName[TEXT_SIZE], szPosition[TEXT_SIZE], szLine[TEXT_SIZE];
    Get_Team_Nickname(nTeam, szTeam);
    if (Human_Managed(nTeam)) Make_Upper_Case(szTeam);
    Get_Player_Full_Name(nPoolTeam, nPlayer, szName);
    Get_Position_Abbreviation(Get_Player_Vital_Stat(nPoolTeam, nPlayer, VS_POSITION), szPosition);
    Format_Text(szLine, " %-15s %-25s (%s)", szTeam, szName, szPosition);
    Append_Draft_Line(szLine);
    Set_Player_Vital_Stat(nPoolTeam, nPlayer, VS_DRAFTED, (nTeam + 1) * DRAFTED_TEAM_UNIT + Current_Calendar_Year());
    Set_Player_Vital_Stat(nPoolTeam, nPlayer, VS_DRAFT_PICK,
                          (Get_Game_State(GS_DRAFT_ROUND) + 1) * DRAFTED_TEAM_UNIT + Overall_Pick());
    // After the last player of his side; his history record opens on the team.
    Move_Player_To_Team(nPoolTeam, nPlayer, nTeam);
}

void Run_Computer_Picks() {
    while (College_Draft_Running()) {
        TNUM nTeam = Team_On_The_Clock();
        if (Human_Managed(nTeam)) {
            Tell_Person_On_The_Clock(nTeam);
            return;
        }
        Computer_Draft_Pick(nTeam);
        Advance_Draft_Pick();
        Notify_Page();
    }
}

void End_College_Draft() {
    while (College_Draft_Running()) {
        Computer_Draft_Pick(Team_On_The_Clock());
        Advance_Draft_Pick();
    }
    Notify_Page();
}

bool Human_Draft_Pick(TNUM nPoolTeam, PNUM nPlayer) {
    TNUM nTeam = Team_On_The_Clock();
    if (nTeam == NO_TEAM || !Is_Prospect(nPoolTeam, nPlayer)) return false;
    // Asked before the negotiation, so that no bonus is paid to a player who
    // cannot join.
    if (Number_Of_Players(nTeam) >= PLAYERS_PER_TEAM) {
        char szName[TEXT_SIZE];
        Get_Player_Full_Name(nPoolTeam, nPlayer, szName);
        Message_Box("Too Many Players", "Your team is currently full. You must release a player before you add %s.",
                    szName);
        return false;
    }
    // A prospect the person does not sign keeps the terms he had, so walking
    // away from the offer leaves the class as it was.
    PlayerRecord before;
    Copy_Player_To_Memory(&before, nPoolTeam, nPlayer);
    int nLength = Preferred_Contract_Length(nPoolTeam, nPlayer);
    Set_Player_Vital_Stat(nPoolTeam, nPlayer, VS_CONTRACT_LEFT, nLength);
    Set_Player_Vital_Stat(nPoolTeam, nPlayer, VS_CONTRACT_YEARS, nLength);
    Set_Player_Vital_Stat(nPoolTeam, nPlayer, VS_BONUS, Rookie_Bonus(Rookie_Draft_Position(nPoolTeam, nPlayer)));
    if (Contract_Negotiation(nPoolTeam, nPlayer, nTeam) != 1) {
        Copy_Player_From_Memory(nPoolTeam, nPlayer, &before);
        return false;
    }
    Record_Draft_Pick(nTeam, nPoolTeam, nPlayer);
    Advance_Draft_Pick();
    Run_Computer_Picks();
    return true;
}

void Move_Undrafted_Prospects() {
    for (int nTeamCode = DRAFT_POOL_TEAMS; nTeamCode <= TOTAL_NUMBER_OF_TEAMS; nTeamCode++) {
        TNUM nPoolTeam = (TNUM)nTeamCode;
        Compact_Team(nPoolTeam);
        for (int n = 0; n < PLAYERS_PER_TEAM && Is_Valid_Player(nPoolTeam, 0); n++) Release_To_Free_Agency(nPoolTeam, 0);
    }
    // Whoever was still at college has his rookie year now.
    for (int nTeamCode = 0; nTeamCode <= FREE_AGENT_TEAM; nTeamCode++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (Is_Valid_Player((TNUM)nTeamCode, nPlayer) &&
                Get_Player_Vital_Stat((TNUM)nTeamCode, nPlayer, VS_EXPERIENCE) < 0)
                Set_Player_Vital_Stat((TNUM)nTeamCode, nPlayer, VS_EXPERIENCE, 0);
}
