// Names from the string table: calendar, positions, moods, teams and pictures.
#include <cstdio>

#include "base/random.h"
#include "database/player.h"
#include "database/text_format.h"
#include "platform/platform.h"

namespace {
const char* const MONTH_NAMES[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};
const int MONTH_DAYS[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
const char* const WEEKDAY_NAMES[7] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                                      "Friday", "Saturday", "Sunday"};
const char* const PLAYOFF_WEEK_NAMES[5] = {"Wild Card", "Division Game", "Conference", "Super Bowl",
                                           "Pro Bowl"};
const char* const POSITION_NAMES[NUMBER_OF_POSITIONS] = {
    "Quarterback",   "Running Back",     "Tight End",  "Wide Receiver", "Tackle", "Guard",  "Center",
    "Defensive End", "Defensive Tackle", "Linebacker", "Cornerback",    "Safety", "Kicker", "Punter",
};
const char* const POSITION_ABBREVIATIONS[NUMBER_OF_POSITIONS] = {"QB", "RB", "TE", "WR", "T", "G", "C",
                                                "DE", "DT", "LB", "CB", "S", "K", "P"};
const char* const FAN_MOODS[8] = {"Apathetic",    "Disinterested", "Fickle",  "Casual",
                                  "Enthusiastic", "Loyal",         "Devoted", "Fanatic"};
const char* const STAT_PERIOD_NAMES[NUMBER_OF_STAT_PERIODS] = {"This Season", "Last Season", "Career", "Predicted"};
const char* const DIFFICULTY_NAMES[4] = {"Fan", "Coach", "Manager", "Vantor"};

// The team helpers answer NO_TEAM quietly: empty playoff slots and the like pass it.
bool Team_Code_Ok(TNUM nTeam, const char* szRoutine) {
    if (nTeam == NO_TEAM) return false;
    if (nTeam < 0 || nTeam > TOTAL_NUMBER_OF_TEAMS) {
        Error_Log("Invalid nTeam in %s(%d)", szRoutine, nTeam);
        return false;
    }
    return true;
}

bool Franchise_Ok(TNUM nTeam, const char* szRoutine) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES) {
        Error_Log("Invalid nTeam in %s(%d)", szRoutine, nTeam);
        return false;
    }
    return true;
}
} // namespace

void Get_Month_Name(int nMonth, char* szOut) {
    szOut[0] = '\0';
    if (nMonth < 0 || nMonth > 11) {
        Error_Log("Invalid nMonth in Get_Month_Name(%d)", nMonth);
        return;
    }
    Copy_Field(szOut, TEXT_SIZE, MONTH_NAMES[nMonth]);
}

void Get_Weekday_Name(int nWeekday, char* szOut) {
    szOut[0] = '\0';
    if (nWeekday < 0 || nWeekday > 6) {
        Error_Log("Invalid nWeekday in Get_Weekday_Name(%d)", nWeekday);
        return;
    }
    Copy_Field(szOut, TEXT_SIZE, WEEKDAY_NAMES[nWeekday]);
}

void Get_Date_Text(int nDay, char* szOut) {
    int nLeft = (nDay % 365 + 365) % 365;
    int nMonth = 0;
    while (nLeft >= MONTH_DAYS[nMonth])
        nLeft -= MONTH_DAYS[nMonth++];
    Format_Text(szOut, "%s %d", MONTH_NAMES[nMonth], nLeft + 1);
}

void Get_Current_Year_Text(char* szOut) {
    Format_Text(szOut, "%d", Current_Calendar_Year());
}

// Calendar entry k holds week P + k (P the first playoff week), one past the
// week of round k; hence the entries are matched against week + 1.
void Get_Week_Name(int nWeek, char* szOut) {
    szOut[0] = '\0';
    if (nWeek == -1) nWeek = Current_Week();
    if (nWeek < 0) {
        Error_Log("Invalid nWeek in Get_Week_Name(%d)", nWeek);
        return;
    }
    if (nWeek < First_Playoff_Week()) {
        Format_Text(szOut, "Week %d", nWeek + 1);
        return;
    }
    for (int k = 1; k <= 5; k++) {
        if (nWeek + 1 == g_League.anCalendar[k]) {
            Copy_Field(szOut, TEXT_SIZE, PLAYOFF_WEEK_NAMES[k - 1]);
            return;
        }
    }
    Copy_Field(szOut, TEXT_SIZE, "Off Season");
}

void Get_Position_Name(int nPosition, char* szOut) {
    const char* szName = "<Error>";
    if (nPosition >= 0 && nPosition < POS_ANY)
        szName = POSITION_NAMES[nPosition];
    else if (nPosition == POS_ANY)
        szName = "Any Position";
    Copy_Field(szOut, TEXT_SIZE, szName);
}

void Get_Position_Name_Lower(int nPosition, char* szOut) {
    Get_Position_Name(nPosition, szOut);
    for (char* p = szOut; *p; p++)
        if (*p >= 'A' && *p <= 'Z') *p = (char)(*p - 'A' + 'a');
}

void Get_Position_At_Text(int nPosition, char* szOut) {
    char szName[TEXT_SIZE];
    Get_Position_Name_Lower(nPosition, szName);
    Format_Text(szOut, "at %s", szName);
}

void Get_Position_Abbreviation(int nPosition, char* szOut) {
    szOut[0] = '\0';
    if (nPosition < 0) nPosition = 0;
    if (nPosition < POS_ANY)
        Copy_Field(szOut, TEXT_SIZE, POSITION_ABBREVIATIONS[nPosition]);
    else if (nPosition == POS_ANY)
        Copy_Field(szOut, TEXT_SIZE, "Any");
}

void Get_Fan_Mood(int nLoyalty, char* szOut) {
    Copy_Field(szOut, TEXT_SIZE, FAN_MOODS[Clamp(0, nLoyalty / 100 - 6, 7)]);
}

void Get_Stat_Period_Name(int nPeriod, char* szOut) {
    szOut[0] = '\0';
    if (nPeriod < 0 || nPeriod > 3) {
        Error_Log("Invalid nPeriod in Get_Stat_Period_Name(%d)", nPeriod);
        return;
    }
    Copy_Field(szOut, TEXT_SIZE, STAT_PERIOD_NAMES[nPeriod]);
}

void Get_Difficulty_Name(int nLevel, char* szOut) {
    Copy_Field(szOut, TEXT_SIZE, DIFFICULTY_NAMES[Clamp(0, nLevel, 3)]);
}

void Get_Team_City(TNUM nTeam, char* szOut) {
    szOut[0] = '\0';
    if (Team_Code_Ok(nTeam, "Get_Team_City") && nTeam <= FREE_AGENT_TEAM)
        Get_Team_String(nTeam, TS_CITY, szOut);
}

void Get_Team_Nickname(TNUM nTeam, char* szOut) {
    szOut[0] = '\0';
    if (Team_Code_Ok(nTeam, "Get_Team_Nickname") && nTeam <= HALL_OF_FAME_TEAM)
        Get_Team_String(nTeam, TS_NICKNAME, szOut);
}

void Get_Team_Abbreviation(TNUM nTeam, char* szOut) {
    szOut[0] = '\0';
    if (Team_Code_Ok(nTeam, "Get_Team_Abbreviation")) Get_Team_String(nTeam, TS_ABBREVIATION, szOut);
}

void Get_Team_Label(TNUM nTeam, char* szOut) {
    szOut[0] = '\0';
    if (nTeam >= DRAFT_POOL_TEAMS && nTeam <= TOTAL_NUMBER_OF_TEAMS) {
        char szRound[TEXT_SIZE];
        Get_Ordinal_Words_Capitalised(Get_Game_State(GS_DRAFT_ROUND) + 1, szRound);
        Format_Text(szOut, "%s Round Draft Pick", szRound);
    } else if (nTeam == FREE_AGENT_TEAM) {
        Copy_Field(szOut, TEXT_SIZE, "Free Agent");
    } else if (nTeam == HALL_OF_FAME_TEAM) {
        Copy_Field(szOut, TEXT_SIZE, "Hall Of Fame Inductee");
    } else if (nTeam != NO_TEAM && Valid_Team(nTeam)) {
        char szCity[TEXT_SIZE], szNickname[TEXT_SIZE];
        Get_Team_City(nTeam, szCity);
        Get_Team_Nickname(nTeam, szNickname);
        Format_Text(szOut, "%s %s", szCity, szNickname);
    }
}

// Later seasons bring in a second set of faces.
void Get_Manager_Picture(TNUM nTeam, char* szOut) {
    szOut[0] = '\0';
    if (!Franchise_Ok(nTeam, "Get_Manager_Picture")) return;
    int nFace = nTeam * 11 % 36;
    if (nFace < Current_Season_Index() - 15) nFace += 36;
    Format_Text(szOut, "dialogs/faces/gm%d.jpg", nFace);
}

void Get_Stadium_Picture(TNUM nTeam, char* szOut) {
    szOut[0] = '\0';
    if (!Franchise_Ok(nTeam, "Get_Stadium_Picture")) return;
    char szStem[32];
    Get_Team_String(nTeam, TS_STADIUM_PICTURE, szStem);
    Format_Text(szOut, "dialogs/stadiums/%s.jpg", szStem);
}
