#include "personnel/player_editing.h"

#include <cctype>
#include <cstring>

#include "database/league_average.h"
#include "database/player.h"
#include "personnel/player_creation.h"
#include "personnel/ratings.h"
#include "personnel/roster.h"
#include "platform/platform.h"

namespace {
const char* const FIELD_LABELS[NUMBER_OF_EDITOR_FIELDS] = {
    "First Name", "Last Name", "Height", "Weight", "40-Yard Dash", "Salary ($000)", "Bonus ($000)",
    "Contract Years", "Years Left",
};

// Digits only, at most six of them: nothing else is a count the editor takes.
bool Parse_Count(const char* szText, int* pValue) {
    while (*szText == ' ') szText++;
    int nDigits = 0, nValue = 0;
    for (; isdigit((unsigned char)*szText); szText++, nDigits++) {
        if (nDigits == 6) return false;
        nValue = nValue * 10 + (*szText - '0');
    }
    while (*szText == ' ') szText++;
    if (!nDigits || *szText) return false;
    *pValue = nValue;
    return true;
}

// "6-2": feet, a dash and 0..11 inches.
bool Parse_Height(const char* szText, int* pInches) {
    char szFeet[TEXT_SIZE];
    Copy_Field(szFeet, TEXT_SIZE, szText);
    char* pDash = strchr(szFeet, '-');
    if (!pDash) return false;
    *pDash = '\0';
    int nFeet = 0, nInches = 0;
    if (!Parse_Count(szFeet, &nFeet) || !Parse_Count(pDash + 1, &nInches) || nInches > 11) return false;
    *pInches = nFeet * 12 + nInches;
    return true;
}

// "4.52" or "4.5": seconds and up to two decimals, as hundredths.
bool Parse_Seconds(const char* szText, int* pHundredths) {
    char szWhole[TEXT_SIZE];
    Copy_Field(szWhole, TEXT_SIZE, szText);
    char* pPoint = strchr(szWhole, '.');
    int nSeconds = 0, nFraction = 0;
    if (!pPoint) {
        if (!Parse_Count(szWhole, &nSeconds)) return false;
    } else {
        *pPoint = '\0';
        size_t nDecimals = strlen(pPoint + 1);
        if (nDecimals < 1 || nDecimals > 2 || !isdigit((unsigned char)pPoint[1])) return false;
        if (!Parse_Count(szWhole, &nSeconds) || !Parse_Count(pPoint + 1, &nFraction)) return false;
        if (nDecimals == 1) nFraction *= 10;
    }
    *pHundredths = nSeconds * 100 + nFraction;
    return true;
}

// A name is printed in news lines whose tokens are in braces; a brace in a
// name would read as a token.
bool Name_Ok(const char* szName, int nWidth) {
    size_t nLength = strlen(szName);
    if (nLength == 0 || nLength > (size_t)nWidth - 1 || szName[0] == ' ') return false;
    for (const char* p = szName; *p; p++)
        if ((unsigned char)*p < ' ' || *p == '{' || *p == '}' || *p == 127) return false;
    return true;
}

typedef bool (*Parser)(const char* szText, int* pValue);
bool Parsed_In_Range(Parser parse, const char* szText, int nLo, int nHi) {
    int nValue = 0;
    return parse(szText, &nValue) && nValue >= nLo && nValue <= nHi;
}

void Field_Text(TNUM nTeam, PNUM nPlayer, int nField, char* szOut) {
    auto vital = [&](int nIndex) { return Get_Player_Vital_Stat(nTeam, nPlayer, nIndex); };
    switch (nField) {
    case EDIT_FIRST_NAME: Get_Player_First_Name(nTeam, nPlayer, szOut); break;
    case EDIT_LAST_NAME: Get_Player_Last_Name(nTeam, nPlayer, szOut); break;
    case EDIT_HEIGHT: Format_Text(szOut, "%d-%d", vital(VS_HEIGHT) / 12, vital(VS_HEIGHT) % 12); break;
    case EDIT_WEIGHT: Format_Text(szOut, "%d", vital(VS_WEIGHT)); break;
    case EDIT_FORTY: Format_Text(szOut, "%d.%02d", vital(VS_FORTY) / 100, vital(VS_FORTY) % 100); break;
    // The record's own salary, not the getter's floor: a prospect has none.
    case EDIT_SALARY: Format_Text(szOut, "%d", vital(VS_SALARY)); break;
    case EDIT_BONUS: Format_Text(szOut, "%d", vital(VS_BONUS)); break;
    case EDIT_CONTRACT_YEARS: Format_Text(szOut, "%d", vital(VS_CONTRACT_YEARS)); break;
    case EDIT_CONTRACT_LEFT: Format_Text(szOut, "%d", vital(VS_CONTRACT_LEFT)); break;
    }
}

// The value typed in a sound field, for the vital stat it sets.
int Field_Value(const EditPlayerForm& form, int nField) {
    int nValue = 0;
    const char* szText = form.aszField[nField];
    if (nField == EDIT_HEIGHT) Parse_Height(szText, &nValue);
    else if (nField == EDIT_FORTY) Parse_Seconds(szText, &nValue);
    else Parse_Count(szText, &nValue);
    return nValue;
}

bool Field_Ok(const EditPlayerForm& form, int nField, char* szMessage) {
    const char* szText = form.aszField[nField];
    switch (nField) {
    case EDIT_FIRST_NAME:
        if (Name_Ok(szText, FIRST_NAME_WIDTH)) return true;
        Format_Text(szMessage, "A first name takes 1 to %d characters, without braces.", FIRST_NAME_WIDTH - 1);
        return false;
    case EDIT_LAST_NAME:
        if (Name_Ok(szText, LAST_NAME_WIDTH)) return true;
        Format_Text(szMessage, "A last name takes 1 to %d characters, without braces.", LAST_NAME_WIDTH - 1);
        return false;
    case EDIT_HEIGHT:
        if (Parsed_In_Range(Parse_Height, szText, EDITOR_SHORTEST, EDITOR_TALLEST)) return true;
        Format_Text(szMessage, "Height is typed as feet-inches, from %d-%d to %d-%d.", EDITOR_SHORTEST / 12,
                    EDITOR_SHORTEST % 12, EDITOR_TALLEST / 12, EDITOR_TALLEST % 12);
        return false;
    case EDIT_WEIGHT:
        if (Parsed_In_Range(Parse_Count, szText, EDITOR_LIGHTEST, EDITOR_HEAVIEST)) return true;
        Format_Text(szMessage, "Weight is typed in pounds, from %d to %d.", EDITOR_LIGHTEST, EDITOR_HEAVIEST);
        return false;
    case EDIT_FORTY:
        if (Parsed_In_Range(Parse_Seconds, szText, EDITOR_FASTEST, EDITOR_SLOWEST)) return true;
        Format_Text(szMessage, "The 40-yard dash is typed in seconds, from %d.%02d to %d.%02d.", EDITOR_FASTEST / 100,
                    EDITOR_FASTEST % 100, EDITOR_SLOWEST / 100, EDITOR_SLOWEST % 100);
        return false;
    case EDIT_SALARY:
        if (Parsed_In_Range(Parse_Count, szText, MINIMUM_SALARY, EDITOR_HIGHEST_PAY)) return true;
        Format_Text(szMessage, "Salary is typed in thousands of dollars, from %d to %d.", MINIMUM_SALARY,
                    EDITOR_HIGHEST_PAY);
        return false;
    case EDIT_BONUS:
        if (Parsed_In_Range(Parse_Count, szText, 0, EDITOR_HIGHEST_PAY)) return true;
        Format_Text(szMessage, "The signing bonus is typed in thousands of dollars, from 0 to %d.",
                    EDITOR_HIGHEST_PAY);
        return false;
    case EDIT_CONTRACT_YEARS:
        if (Parsed_In_Range(Parse_Count, szText, 1, EDITOR_LONGEST_CONTRACT)) return true;
        Format_Text(szMessage, "A contract runs from 1 to %d years.", EDITOR_LONGEST_CONTRACT);
        return false;
    case EDIT_CONTRACT_LEFT: {
        int nYears = 0;
        if (!Parse_Count(form.aszField[EDIT_CONTRACT_YEARS], &nYears)) nYears = EDITOR_LONGEST_CONTRACT;
        if (Parsed_In_Range(Parse_Count, szText, 1, nYears)) return true;
        Format_Text(szMessage, "The years left run from 1 to the contract's %d years.", nYears);
        return false;
    }
    }
    return true;
}

void Set_Predicted_To_Average(TNUM nTeam, PNUM nPlayer, int nPosition) {
    for (int nCounter = 0; nCounter < NUMBER_OF_COUNTERS; nCounter++)
        Set_Player_Season_Stat(nTeam, nPlayer, PERIOD_PREDICTED, nCounter, League_Average_Season(nPosition, nCounter));
    // A back's counter 3 is his Blocking, not the average's completions.
    Store_Blocking_Rating(nTeam, nPlayer, PERIOD_PREDICTED);
}

PNUM Slot_Of_ID(TNUM nTeam, int nID) {
    for (PNUM p = 0; p < PLAYERS_PER_TEAM; p++)
        if (Get_Player_Vital_Stat(nTeam, p, VS_PLAYER_ID) == nID) return p;
    return NO_PLAYER;
}
}  // namespace

const char* Editor_Field_Label(int nField) {
    return nField >= 0 && nField < NUMBER_OF_EDITOR_FIELDS ? FIELD_LABELS[nField] : "";
}

void Open_Edit_Player_Form(TNUM nTeam, PNUM nPlayer, EditPlayerForm* pForm) {
    *pForm = {};
    pForm->nTeam = nTeam;
    pForm->nPlayer = nPlayer;
    pForm->nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    for (int nField = 0; nField < NUMBER_OF_EDITOR_FIELDS; nField++) {
        Field_Text(nTeam, nPlayer, nField, pForm->aszField[nField]);
        Copy_Field(pForm->aszOpened[nField], TEXT_SIZE, pForm->aszField[nField]);
    }
}

int Check_Edit_Player_Form(const EditPlayerForm& form, char* szMessage) {
    szMessage[0] = '\0';
    for (int nField = 0; nField < NUMBER_OF_EDITOR_FIELDS; nField++) {
        // What the record already held stands, even where the editor's limits are narrower.
        if (strcmp(form.aszField[nField], form.aszOpened[nField]) == 0) continue;
        if (!Field_Ok(form, nField, szMessage)) return nField;
    }
    return NUMBER_OF_EDITOR_FIELDS;
}

bool Apply_Edit_Player_Form(EditPlayerForm* pForm) {
    TNUM nTeam = pForm->nTeam;
    if (!Is_Valid_Player(nTeam, pForm->nPlayer)) return false;
    char szMessage[TEXT_SIZE];
    if (Check_Edit_Player_Form(*pForm, szMessage) < NUMBER_OF_EDITOR_FIELDS) {
        Message_Box("Edit Player", "%s", szMessage);
        return false;
    }
    // The position first: its question may be cancelled, and then nothing is written.
    int nOld = Get_Player_Vital_Stat(nTeam, pForm->nPlayer, VS_POSITION);
    if (pForm->nPosition != nOld && !Change_Player_Position(nTeam, &pForm->nPlayer, pForm->nPosition)) {
        pForm->nPosition = nOld;
        return false;
    }
    PNUM p = pForm->nPlayer;
    Set_Player_First_Name(nTeam, p, pForm->aszField[EDIT_FIRST_NAME]);
    Set_Player_Last_Name(nTeam, p, pForm->aszField[EDIT_LAST_NAME]);
    const struct {
        int nField, nVital;
    } NUMBERS[] = {{EDIT_HEIGHT, VS_HEIGHT},  {EDIT_WEIGHT, VS_WEIGHT},
                   {EDIT_FORTY, VS_FORTY},    {EDIT_SALARY, VS_SALARY},
                   {EDIT_BONUS, VS_BONUS},    {EDIT_CONTRACT_YEARS, VS_CONTRACT_YEARS},
                   {EDIT_CONTRACT_LEFT, VS_CONTRACT_LEFT}};
    for (const auto& number : NUMBERS)
        if (strcmp(pForm->aszField[number.nField], pForm->aszOpened[number.nField]) != 0)
            Set_Player_Vital_Stat(nTeam, p, number.nVital, Field_Value(*pForm, number.nField));
    return true;
}

bool Position_Change_Keeps_Stats(int nFrom, int nTo) {
    return Position_Group(nFrom) == Position_Group(nTo) && nFrom != POS_QB && nTo != POS_QB;
}

bool Change_Player_Position(TNUM nTeam, PNUM* pPlayer, int nPosition) {
    PNUM p = *pPlayer;
    if (!Is_Valid_Player(nTeam, p) || nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) return false;
    int nFrom = Get_Player_Vital_Stat(nTeam, p, VS_POSITION);
    if (nFrom == nPosition) return false;
    if (Position_Change_Keeps_Stats(nFrom, nPosition)) {
        Set_Player_Vital_Stat(nTeam, p, VS_POSITION, nPosition);
        return true;
    }
    char szFrom[TEXT_SIZE], szTo[TEXT_SIZE], szText[TEXT_SIZE];
    Get_Position_Name(nFrom, szFrom);
    Get_Position_Name(nPosition, szTo);
    Format_Text(szText,
                "Changing this player from %s to %s will clear the player's stats and cause a re-sorting of your team.",
                szFrom, szTo);
    if (Ask_Ok_Cancel("Position Change", szText) != ANSWER_OK) return false;
    Set_Player_Vital_Stat(nTeam, p, VS_POSITION, nPosition);
    Clear_Player_Stats(nTeam, p);
    Set_Predicted_To_Average(nTeam, p, nPosition);
    if (nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES) {
        int nID = Get_Player_Vital_Stat(nTeam, p, VS_PLAYER_ID);
        Organise_Team(nTeam);
        *pPlayer = Slot_Of_ID(nTeam, nID);
    }
    return true;
}

void Position_Rating_Text(TNUM nTeam, PNUM nPlayer, int nPosition, int nSlot, char* szOut) {
    szOut[0] = '\0';
    int nCode = Position_Rating_Code(nPosition, nSlot);
    if (!Is_Valid_Player(nTeam, nPlayer) || !nCode || !Rating_Name(nCode)[0]) return;
    // The formulas read his position from the record: lend him the other one for the reading.
    int nOwn = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION, nPosition);
    Format_Text(szOut, "%s: %d", Rating_Name(nCode), Get_Player_Rating(nTeam, nPlayer, PERIOD_PREDICTED, nCode));
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION, nOwn);
}

bool Convert_Player_Position(TNUM nTeam, PNUM nPlayer, int nPosition) {
    if (!Is_Valid_Player(nTeam, nPlayer) || nPosition < 0 || nPosition >= NUMBER_OF_POSITIONS) return false;
    char szName[TEXT_SIZE], szPosition[TEXT_SIZE], szText[TEXT_SIZE];
    Get_Player_Full_Name(nTeam, nPlayer, szName);
    Get_Position_Name(nPosition, szPosition);
    Format_Text(szText, "Converting %s to a %s will have permanent effects on his abilities. Are you sure you want to do this?",
                szName, szPosition);
    if (Ask_Yes_No("Confirm Position Change", szText) != ANSWER_YES) return false;
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION, nPosition);
    return true;
}

bool Delete_Player_Asked(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return false;
    const char* szText = Number_Of_Players(nTeam) > SMALLEST_ROSTER
                             ? "Completely eliminate player from game?"
                             : "This will reduce the number of players below those required for a team, and may cause "
                               "serious errors if not rectified.";
    if (Ask_Ok_Cancel("Delete Player", szText) != ANSWER_OK) return false;
    Delete_Player(nTeam, nPlayer);
    return true;
}

bool Clear_Statistics_Asked(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return false;
    if (Ask_Ok_Cancel("Please verify", "This will clear all the player's real, simulated, and 'typical' statistics.") !=
        ANSWER_OK)
        return false;
    Clear_Player_Stats(nTeam, nPlayer);
    return true;
}

PNUM Copy_Player_Edited(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return NO_PLAYER;
    PNUM nCopy = First_Empty_Slot(nTeam);
    if (nCopy == NO_PLAYER) {
        char szNickname[TEXT_SIZE];
        Get_Team_Nickname(nTeam, szNickname);
        Message_Box("Cannot Copy Player", "The %s do not have space for another player.", szNickname);
        return NO_PLAYER;
    }
    PlayerRecord copy;
    Copy_Player_To_Memory(&copy, nTeam, nPlayer);
    // His seasons stay his: records listed twice would be freed twice.
    for (int32_t& nRecord : copy.anHistory) nRecord = -1;
    copy.nOpenRecord = -1;
    Copy_Player_From_Memory(nTeam, nCopy, &copy);
    Set_Player_Vital_Stat(nTeam, nCopy, VS_PLAYER_ID, New_Player_ID(nTeam, nCopy));
    Set_Player_First_Name(nTeam, nCopy, EDITOR_FIRST_NAME);
    Set_Player_Last_Name(nTeam, nCopy, EDITOR_LAST_NAME);
    // A franchise player's games go into his open record of the season.
    if (nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES) Open_History_Record(nTeam, nCopy, true);
    return nCopy;
}
