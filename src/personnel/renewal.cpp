// Renewal decides on the player's base asking salary S and his preferred
// length L. A computer team weighs his value by its wealth and its room under
// the cap; a thin roster pays the middle of the two to keep him.
#include "personnel/renewal.h"

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/contracts.h"
#include "personnel/negotiation.h"
#include "personnel/ratings.h"
#include "platform/platform.h"

namespace {
constexpr int THIN_ROSTER = 59;  // up to here a computer team keeps whoever it has

void Set_Terms(TNUM nTeam, PNUM nPlayer, int nSalary, int nYears) {
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_SALARY, nSalary);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_LEFT, nYears);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_CONTRACT_YEARS, nYears);
}

// What a computer team thinks the player worth paying, in $ thousands.
int Computer_Offer(TNUM nTeam, PNUM nPlayer) {
    int w = Player_Current_Value(nTeam, nPlayer);
    int o = Get_Team_Financial_Stat(nTeam, FIN_WEALTH);
    if (o > 1000)
        w = Ratio(w, o + 1000, 2000);
    else if (o < 0)
        w = 0;
    else
        w = Ratio(w, o, 1000);
    int nCap = Get_League_Rule(LR_SALARY_CAP) / 1000;
    int p = Get_Team_Financial_Stat(nTeam, FIN_PAYROLL);
    if (p > nCap + nCap / 10)
        w = 0;
    else if (p > 0)
        w = Ratio(w, nCap, p);
    return w;
}

int Human_Renewal(TNUM nTeam, PNUM nPlayer, int nLength, int nSalary) {
    if (Get_Team_Financial_Stat(nTeam, FIN_CASH) < 0) {
        char szTeam[TEXT_SIZE], szName[FULL_NAME_WIDTH + 1];
        Get_Team_Label(nTeam, szTeam);
        Get_Player_Full_Name(nTeam, nPlayer, szName);
        Message_Box(szTeam, "Because you are in debt, you may not discuss a new contract with %s. He is being released.",
                    szName);
        Release_To_Free_Agency(nTeam, nPlayer);
        return 0;
    }
    Set_Terms(nTeam, nPlayer, nSalary, nLength);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, 0);
    int nSigned = Contract_Negotiation(nTeam, nPlayer, nTeam);
    if (!nSigned) Release_To_Free_Agency(nTeam, nPlayer);
    return nSigned;
}
}  // namespace

int Check_Renew_Contract(TNUM nTeam, PNUM nPlayer) {
    if (!Is_Franchise_Player(nTeam, nPlayer)) {
        Error_Log("Check_Renew_Contract(%d,%d) is not a franchise player", nTeam, nPlayer);
        return 0;
    }
    int nLength = Preferred_Contract_Length(nTeam, nPlayer);
    int nSalary = Base_Asking_Salary(nTeam, nPlayer);
    if (Get_Game_State(GS_COMMISSIONER)) {
        Set_Terms(nTeam, nPlayer, nSalary, nLength);
        return 1;
    }
    if (Human_Managed(nTeam)) return Human_Renewal(nTeam, nPlayer, nLength, nSalary);

    int nMinimumBonus = Minimum_Signing_Bonus(nTeam, nPlayer);
    int w = Computer_Offer(nTeam, nPlayer);
    if (Number_Of_Players(nTeam) <= THIN_ROSTER) {
        // A poor player's worth may be below nothing: the league minimum holds.
        nSalary = Max(MINIMUM_SALARY, (nSalary + w) / 2);
    } else if (w < nSalary) {
        Set_Terms(nTeam, nPlayer, nSalary, nLength);
        Release_To_Free_Agency(nTeam, nPlayer);
        return 0;
    }
    Set_Terms(nTeam, nPlayer, nSalary, nLength);
    Set_Player_Vital_Stat(nTeam, nPlayer, VS_BONUS, nMinimumBonus);
    Add_Team_Financial_Stat(nTeam, FIN_CASH, -nMinimumBonus * 1000);
    return 1;
}
