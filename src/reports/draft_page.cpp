#include "reports/draft_page.h"

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "platform/platform.h"

const DraftPageButton DRAFT_PAGE_BUTTON_PLACES[DRAFT_PAGE_BUTTONS] = {
    {8, 8, 104, 28}, {532, 8, 628, 28}, {8, 34, 104, 54}, {532, 34, 628, 54}};

const char* Draft_Page_Button_Text(int nButton) {
    static const char* const TEXTS[DRAFT_PAGE_BUTTONS] = {"Previous Year", "Next Year", "Previous Round",
                                                          "Next Round"};
    return nButton >= 0 && nButton < DRAFT_PAGE_BUTTONS ? TEXTS[nButton] : "";
}

namespace {
// The first draft follows the first season.
int First_Draft_Year() { return Get_League_Rule(LR_START_YEAR) + 1; }
// The newest draft: this year's once the first season is over and its draft begun.
int Last_Draft_Year() { return Current_Calendar_Year(); }
bool Any_Draft_Held() { return Current_Season_Index() > 0; }

int Shown_Year() {
    return Clamp(First_Draft_Year(), Get_Game_State(GS_DRAFT_PAGE_YEAR), Max(First_Draft_Year(), Last_Draft_Year()));
}
int Shown_Round() { return Clamp(1, Get_Game_State(GS_DRAFT_PAGE_ROUND), NUMBER_OF_DRAFT_ROUNDS); }

// The player drafted with this overall pick in this year, wherever he is now.
bool Find_Drafted(int nYear, int nRound, int nOverall, TNUM* pTeam, PNUM* pPlayer) {
    int nPick = nRound * DRAFTED_TEAM_UNIT + nOverall;
    for (TNUM nTeam = 0; nTeam < DRAFT_POOL_TEAMS; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            if (!Is_Valid_Player(nTeam, nPlayer)) continue;
            if (Get_Player_Vital_Stat(nTeam, nPlayer, VS_DRAFTED) % DRAFTED_TEAM_UNIT == nYear &&
                Get_Player_Vital_Stat(nTeam, nPlayer, VS_DRAFT_PICK) == nPick) {
                *pTeam = nTeam;
                *pPlayer = nPlayer;
                return true;
            }
        }
    return false;
}

// A pick still to come in the running draft.
bool Pick_Still_Open(int nYear, int nRound, int nPickInRound) {
    if (!College_Draft_Running() || nYear != Current_Calendar_Year()) return false;
    int nCurrent = Get_Game_State(GS_DRAFT_ROUND) + 1;
    return nRound > nCurrent || (nRound == nCurrent && nPickInRound >= Get_Game_State(GS_DRAFT_PICK));
}

void Pick_Line(int nYear, int nRound, int nPickInRound, TNUM nOriginal, int nTeams, char* szOut) {
    int nOverall = (nRound - 1) * nTeams + nPickInRound + 1;
    TNUM nTeam = NO_TEAM;
    PNUM nPlayer = NO_PLAYER;
    char szTeam[TEXT_SIZE];
    if (Find_Drafted(nYear, nRound, nOverall, &nTeam, &nPlayer)) {
        char szName[TEXT_SIZE], szPosition[TEXT_SIZE], szCollege[TEXT_SIZE];
        TNUM nDrafting = (TNUM)(Get_Player_Vital_Stat(nTeam, nPlayer, VS_DRAFTED) / DRAFTED_TEAM_UNIT - 1);
        Get_Team_City(Valid_Team(nDrafting) ? nDrafting : nOriginal, szTeam);
        Get_Player_Full_Name(nTeam, nPlayer, szName);
        Get_Position_Abbreviation(Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION), szPosition);
        Get_Player_College(nTeam, nPlayer, szCollege);
        Dialog_Format(szOut, "%d) %s: %s, %s (%s)", nOverall, szTeam, szName, szPosition, szCollege);
        return;
    }
    if (!Pick_Still_Open(nYear, nRound, nPickInRound)) {
        Dialog_Format(szOut, "%d) Player no longer in league", nOverall);
        return;
    }
    TNUM nOwner = (TNUM)g_League.abDraftPicks[0][nRound - 1][nOriginal];
    Get_Team_City(Valid_Team(nOwner) ? nOwner : nOriginal, szTeam);
    if (Valid_Team(nOwner) && nOwner != nOriginal) {
        char szFrom[TEXT_SIZE];
        Get_Team_Abbreviation(nOriginal, szFrom);
        Dialog_Format(szOut, "%d) %s (from %s)", nOverall, szTeam, szFrom);
    } else {
        Dialog_Format(szOut, "%d) %s", nOverall, szTeam);
    }
}

bool Button_Active(int nButton) {
    switch (nButton) {
        case DRAFT_PREVIOUS_YEAR: return Shown_Year() > First_Draft_Year();
        case DRAFT_NEXT_YEAR: return Shown_Year() < Last_Draft_Year();
        case DRAFT_PREVIOUS_ROUND: return Shown_Round() > 1;
        case DRAFT_NEXT_ROUND: return Shown_Round() < NUMBER_OF_DRAFT_ROUNDS;
        default: return false;
    }
}
}  // namespace

bool Open_Draft_Page() {
    if (!Any_Draft_Held()) {
        Message_Box("Draft Page", "The Draft Page is not available until the first off-season college draft has "
                                  "commenced.");
        return false;
    }
    return true;
}

void Prepare_Draft_Page() {
    int nRound = College_Draft_Running() ? Get_Game_State(GS_DRAFT_ROUND) + 1 : Shown_Round();
    Set_Game_State(GS_DRAFT_PAGE_ROUND, nRound);
    Set_Game_State(GS_DRAFT_PAGE_YEAR, Current_Calendar_Year());
}

void Fill_Draft_Page(DraftPage* pPage) {
    *pPage = {};
    int nYear = Shown_Year(), nRound = Shown_Round();
    Dialog_Format(pPage->szTitle, "%d College Draft: Round %d", nYear, nRound);
    for (int nButton = 0; nButton < DRAFT_PAGE_BUTTONS; nButton++) pPage->abButtonActive[nButton] = Button_Active(nButton);
    if (!Any_Draft_Held()) return;
    // The draft of a year follows the season of the year before.
    TNUM anOrder[NUMBER_OF_FRANCHISES];
    int nTeams = Draft_Order_Of_Season(nYear - 1 - Get_League_Rule(LR_START_YEAR), anOrder);
    for (int i = 0; i < nTeams && i < DRAFT_PAGE_LINES; i++)
        Pick_Line(nYear, nRound, i, anOrder[i], nTeams, pPage->aszLines[pPage->nLines++]);
}

int Draft_Page_Button_At(int x, int y) {
    for (int nButton = 0; nButton < DRAFT_PAGE_BUTTONS; nButton++) {
        const DraftPageButton& place = DRAFT_PAGE_BUTTON_PLACES[nButton];
        if (x >= place.nLeft && x < place.nRight && y >= place.nTop && y < place.nBottom) return nButton;
    }
    return -1;
}

bool Click_Draft_Page_Button(int x, int y) {
    int nButton = Draft_Page_Button_At(x, y);
    if (nButton < 0 || !Button_Active(nButton)) return false;
    if (nButton == DRAFT_PREVIOUS_YEAR || nButton == DRAFT_NEXT_YEAR)
        Set_Game_State(GS_DRAFT_PAGE_YEAR, Shown_Year() + (nButton == DRAFT_NEXT_YEAR ? 1 : -1));
    else
        Set_Game_State(GS_DRAFT_PAGE_ROUND, Shown_Round() + (nButton == DRAFT_NEXT_ROUND ? 1 : -1));
    return true;
}
