// The New Game page's Play button: the default league turned into the
// user's new game.
#include <filesystem>

#include "commands/game_commands.h"
#include "commands/new_game.h"
#include "commands/shuffle.h"
#include "commands/start_up.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "finance/finance.h"
#include "halloffame/fame_file.h"
#include "personnel/development_shift.h"
#include "personnel/names.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "season/season_loop.h"

namespace {

// The page settings a new game starts with; the leaders' conference is kept.
struct StateDefault {
    int nEntry, nValue;
};
const StateDefault STATE_DEFAULTS[] = {
    {GS_STANDINGS_COLUMN + 0, 2}, {GS_STANDINGS_COLUMN + 1, 0}, {GS_STANDINGS_COLUMN + 2, 7},
    {GS_STANDINGS_COLUMN + 3, 8}, {GS_FINANCE_COLUMN + 0, 5},   {GS_FINANCE_COLUMN + 1, 11},
    {GS_FINANCE_COLUMN + 2, 8},   {GS_FINANCE_COLUMN + 3, 13},  {GS_FINANCE_COLUMN + 4, 15},
    {GS_LEADER_CATEGORY + 0, 2},  {GS_LEADER_CATEGORY + 1, 11}, {GS_LEADER_CATEGORY + 2, 15},
    {GS_LEADER_CATEGORY + 3, 24}, {GS_LEADER_PERIOD, 0},        {GS_CALENDAR_COLUMN + 0, 2},
    {GS_CALENDAR_COLUMN + 1, 3},  {GS_CALENDAR_COLUMN + 2, 4},  {GS_CALENDAR_COLUMN + 3, 5},
    {GS_RESERVED_27, 0},          {GS_RESERVED_30, 0},
};

TNUM First_Managed_Team(int* pCount) {
    TNUM nFirst = NO_TEAM;
    *pCount = 0;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        if (Get_Team_Stat(nTeam, TEAM_STAT_CONTROL) != 1) continue;
        if (nFirst == NO_TEAM) nFirst = nTeam;
        ++*pCount;
    }
    return nFirst;
}

// The saved-game name becomes a file name: a separator typed into the
// manager's name must not lead the periodic save into another folder.
void Store_Game_Name(const std::string& szTitle) {
    Copy_Field(g_League.szGameName, sizeof g_League.szGameName, szTitle.c_str());
    Replace_Character(g_League.szGameName, '/', '-');
    Replace_Character(g_League.szGameName, '\\', '-');
}

// Hall-of-fame members keep their year inducted and share of votes there.
void Set_Every_Aging_Parameter() {
    for (TNUM nTeam = 0; nTeam <= TOTAL_NUMBER_OF_TEAMS; nTeam++)
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
            if (nTeam != HALL_OF_FAME_TEAM && Is_Valid_Player(nTeam, nPlayer)) Set_Aging_Parameters(nTeam, nPlayer);
}

}  // namespace

void Equalize_Cities(bool bShuffled) {
    for (int nCity = 0; nCity < Number_Of_Cities(); nCity++) {
        Set_Default_City_Data(nCity);
        Set_City_Data(nCity, CITY_LONGITUDE, nCity % 11 * 4000 + 70000);
        Set_City_Data(nCity, CITY_LATITUDE, nCity % 10 * 2000 + 25000);
    }
    if (!bShuffled) return;
    for (TNUM nTeam = 0; nTeam < Number_Of_Teams(); nTeam++) {
        for (int nField : {FIN_FAN_LOYALTY, FIN_SCOUTING_QUALITY, FIN_MEDICAL_QUALITY})
            Set_Team_Financial_Stat(nTeam, nField, 1000);
        Set_Team_Financial_Stat(nTeam, FIN_CASH, 15000000);
    }
}

void Set_New_Game_State() {
    for (const StateDefault& entry : STATE_DEFAULTS) Set_Game_State(entry.nEntry, entry.nValue);
    int nManaged;
    TNUM nUser = First_Managed_Team(&nManaged);
    if (nUser == NO_TEAM) return;
    Set_Game_State(GS_USER_TEAM, nUser);
    Set_Game_State(GS_MANAGED_TEAM, nUser);
    Set_Game_State(GS_CONFERENCE_VIEW, Get_Team_Division(nUser) / 4);
}

std::string New_Game_Title() {
    char szDifficulty[TEXT_SIZE], szTitle[TEXT_SIZE];
    Get_Difficulty_Name(Get_Game_State(GS_DIFFICULTY), szDifficulty);
    int nManaged;
    TNUM nUser = First_Managed_Team(&nManaged);
    if (nManaged > 1) {
        Format_Text(szTitle, "%d teams - %d players (%s)", Number_Of_Teams(), nManaged, szDifficulty);
    } else {
        char szLabel[TEXT_SIZE], szManager[sizeof g_League.szManager];
        Get_Team_Label(nUser, szLabel);
        Copy_Field(szManager, sizeof szManager, g_League.szManager);
        Format_Text(szTitle, "%s - %s (%s)", szLabel, szManager, szDifficulty);
    }
    return szTitle;
}

void Empty_Output_Folder() {
    namespace fs = std::filesystem;
    std::string szFolder = Find_Data_File("Output");
    std::error_code ec;
    if (szFolder.empty()) {
        fs::create_directory("Output", ec);
        return;
    }
    for (const std::string& szName : List_Files(szFolder.c_str(), ""))
        if (!fs::remove(fs::path(szFolder) / szName, ec)) Error_Log("Couldn't delete '%s'", szName.c_str());
}

bool New_Game_Keeps_Rating(const NewGameForm& form) {
    for (bool bChecked : form.abOption)
        if (bChecked) return false;
    return true;
}

bool Play_New_Game(const NewGameForm& form) {
    if (form.nTeam < 0 || form.nTeam >= NUMBER_OF_FRANCHISES || !Valid_Team(form.nTeam)) {
        Error_Log("Invalid nTeam in Play_New_Game(%d)", form.nTeam);
        return false;
    }
    if (form.nDifficulty < 0 || form.nDifficulty >= NUMBER_OF_DIFFICULTIES) {
        Error_Log("Invalid nDifficulty in Play_New_Game(%d)", form.nDifficulty);
        return false;
    }
    // The name files may have changed since Universe.dat was written.
    Count_Name_Files();
    Set_Team_Stat(form.nTeam, TEAM_STAT_CONTROL, HUMAN_MANAGED);
    Set_Game_State(GS_DIFFICULTY, form.nDifficulty);
    Set_Game_State(GS_HOF_VIEW_LEVEL, form.nDifficulty);
    Set_Team_String(form.szNickname.c_str(), form.nTeam, TS_NICKNAME);
    Set_Team_String(form.szManager.c_str(), form.nTeam, TS_MANAGER);

    if (form.abOption[NEW_GAME_SHUFFLE]) Shuffle_Players();
    if (form.abOption[NEW_GAME_EQUALIZE]) Equalize_Cities(form.abOption[NEW_GAME_SHUFFLE]);
    if (form.abOption[NEW_GAME_SIMULATION])
        Set_League_Rule(LR_FIXED_AGING, 1);
    else
        Random_Development_Shift();
    Set_Game_State(GS_RATING_VALID, New_Game_Keeps_Rating(form));

    Set_New_Game_State();
    Set_Fame_Manager_Name(form.szManager.c_str());
    Copy_Field(g_League.szManager, sizeof g_League.szManager, form.szManager.c_str());
    Store_Game_Name(New_Game_Title());
    // A new career has no file yet: its season's save must not take the loaded game's.
    Remember_Game_File(nullptr);

    Set_Game_State(GS_CURRENT_PAGE, PAGE_STANDINGS);
    Set_Every_Aging_Parameter();
    Empty_Output_Folder();
    Initialise_League_Finances();
    Set_Up_New_Season(SEASON_OF_NEW_GAME);
    After_League_Loaded();
    return true;
}
