#include "personnel/player_card.h"

#include <algorithm>

#include "database/player.h"
#include "personnel/contracts.h"
#include "personnel/injuries.h"
#include "personnel/ratings.h"
#include "platform/platform.h"

namespace {
constexpr int CARD_RATING_FIRST_ROW = 1;

bool Is_Prospect(TNUM nTeam, PNUM nPlayer) {
    return nTeam >= DRAFT_POOL_TEAMS && nTeam <= TOTAL_NUMBER_OF_TEAMS &&
           Get_Player_Vital_Stat(nTeam, nPlayer, VS_EXPERIENCE) < 0;
}

void Money_Line(const char* szLabel, int nThousands, char* szOut) {
    char szMoney[TEXT_SIZE];
    Card_Money_Text(nThousands, szMoney);
    Format_Text(szOut, "%s: %s", szLabel, szMoney);
}

// Who he is and where he came from.
void Column_Zero(int nRow, TNUM nTeam, PNUM nPlayer, char* szOut) {
    auto vital = [&](int nIndex) { return Get_Player_Vital_Stat(nTeam, nPlayer, nIndex); };
    switch (nRow) {
    case 0: Get_Experience_Text(vital(VS_EXPERIENCE), szOut); break;
    case 1: Get_Player_College(nTeam, nPlayer, szOut); break;
    case 2: Get_Height_Text(vital(VS_HEIGHT), szOut); break;
    case 3: Get_Weight_Text(vital(VS_WEIGHT), szOut); break;
    case 4:
        if (nTeam <= HALL_OF_FAME_TEAM) Get_Drafted_Text(vital(VS_DRAFTED), szOut);
        break;
    case 5:
        if (nTeam <= HALL_OF_FAME_TEAM) Get_Draft_Pick_Text(vital(VS_DRAFT_PICK), szOut);
        break;
    }
}

// His age, his money, his health.
void Column_One(int nRow, TNUM nTeam, PNUM nPlayer, char* szOut) {
    auto vital = [&](int nIndex) { return Get_Player_Vital_Stat(nTeam, nPlayer, nIndex); };
    bool bFame = nTeam == HALL_OF_FAME_TEAM, bProspect = Is_Prospect(nTeam, nPlayer);
    bool bFranchise = nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES;
    switch (nRow) {
    case 0: Format_Text(szOut, "Age: %d", vital(VS_AGE)); break;
    case 1:
        if (bProspect)
            Format_Text(szOut, "CSS: %d.%d", vital(VS_SCOUT_SCORE) / 10, vital(VS_SCOUT_SCORE) % 10);
        else if (bFame)
            Format_Text(szOut, "Year Inducted: %d", vital(VS_YEAR_INDUCTED));
        else
            Money_Line("Salary", std::max(vital(VS_SALARY), MINIMUM_SALARY), szOut);
        break;
    case 2:
        if (bFame)
            Format_Text(szOut, "Votes Received: %d%%", vital(VS_VOTES));
        else if (!bProspect)
            Get_Contract_End_Text(vital(VS_CONTRACT_LEFT), szOut);
        break;
    case 3:
        if (bFranchise) Money_Line("Cap Impact", Cap_Impact(nTeam, nPlayer), szOut);
        break;
    case 4:
        if (Is_Injured(nTeam, nPlayer)) {
            Copy_Field(szOut, TEXT_SIZE, Get_Injury_Status(nTeam, nPlayer));
            Make_Upper_Case(szOut);
        } else if (bFranchise && vital(VS_BONUS) >= 1) {
            Money_Line("Signing Bonus", vital(VS_BONUS), szOut);
        }
        break;
    case 5:
        if (Is_Injured(nTeam, nPlayer))
            Get_Injury_Out_Text(nTeam, nPlayer, szOut);
        else if (vital(VS_POSITION) <= POS_S && vital(VS_FORTY) > 0)
            Get_Forty_Text(vital(VS_FORTY), szOut);
        break;
    }
}
}  // namespace

void Card_Money_Text(int nThousands, char* szOut) {
    if (nThousands < 1000)
        Format_Text(szOut, "$%d,000", nThousands);
    else
        Format_Text(szOut, "$%d,%03d,000", nThousands / 1000, nThousands % 1000);
}

void Get_Player_Card_Text(int nColumn, int nRow, TNUM nTeam, PNUM nPlayer, char* szOut) {
    szOut[0] = '\0';
    if (nColumn < 0 || nColumn >= CARD_COLUMNS || nRow < 0 || nRow >= CARD_ROWS) {
        Error_Log("Invalid cell (%d, %d) in Get_Player_Card_Text", nColumn, nRow);
        return;
    }
    if (!Is_Valid_Player(nTeam, nPlayer)) return;
    if (nColumn == 0) return Column_Zero(nRow, nTeam, nPlayer, szOut);
    if (nColumn == 1) return Column_One(nRow, nTeam, nPlayer, szOut);
    // The ratings: names in column 2, Predicted values in column 3.
    if (nTeam == HALL_OF_FAME_TEAM || nRow < CARD_RATING_FIRST_ROW) return;
    int nCode = Position_Rating_Code(Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION), nRow - CARD_RATING_FIRST_ROW);
    if (!nCode || !Rating_Name(nCode)[0]) return;
    if (nColumn == 2)
        Copy_Field(szOut, TEXT_SIZE, Rating_Name(nCode));
    else
        Format_Text(szOut, "%d", Get_Player_Rating(nTeam, nPlayer, PERIOD_PREDICTED, nCode));
}

int Key_Statistic(int nPosition) {
    switch (nPosition) {
    case POS_QB: return SS_PASS_YARDS;
    case POS_RB: return SS_RUSH_YARDS;
    case POS_TE:
    case POS_WR: return SS_RECEIVING_YARDS;
    case POS_T:
    case POS_G:
    case POS_C: return SS_STARTS;  // a lineman's figures are what he lets through
    case POS_DE:
    case POS_DT:
    case POS_LB: return SS_TACKLES;
    case POS_CB:
    case POS_S: return SS_INTERCEPTIONS;
    case POS_K: return SS_FG_MADE;
    case POS_P: return SS_PUNT_YARDS;
    }
    return SS_GAMES;
}

const char* Key_Statistic_Name(int nPosition) {
    switch (Key_Statistic(nPosition)) {
    case SS_PASS_YARDS: return "Passing Yards";
    case SS_RUSH_YARDS: return "Rushing Yards";
    case SS_RECEIVING_YARDS: return "Receiving Yards";
    case SS_STARTS: return "Starts";
    case SS_TACKLES: return "Tackles";
    case SS_INTERCEPTIONS: return "Interceptions";
    case SS_FG_MADE: return "Field Goals";
    case SS_PUNT_YARDS: return "Punting Yards";
    }
    return "Games";
}

std::vector<CareerSeason> Player_Career(TNUM nTeam, PNUM nPlayer) {
    std::vector<CareerSeason> seasons;
    if (!Is_Valid_Player(nTeam, nPlayer)) return seasons;
    int nKey = Key_Statistic(Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION));
    int nEntries = Count_History_Entries(nTeam, nPlayer);
    for (int k = 0; k < nEntries; k++) {
        int nRecord = Get_Player_History_Record(nTeam, nPlayer, k);
        if (nRecord < 0) continue;
        int nPeriod = PERIOD_HISTORY + k;
        seasons.push_back({Get_History_Year(nRecord), Get_History_Team(nRecord),
                           Player_Season_Value(nTeam, nPlayer, nPeriod),
                           Get_Player_Season_Stat(nTeam, nPlayer, nPeriod, nKey)});
    }
    std::sort(seasons.begin(), seasons.end(),
              [](const CareerSeason& a, const CareerSeason& b) { return a.nYear < b.nYear; });
    return seasons;
}
