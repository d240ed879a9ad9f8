// The contract negotiation's rules, apart from any window. Years left and the
// contract length move together, so the payroll impact always spreads the
// bonus over the years offered.
#include "personnel/negotiation.h"

#include <string>

#include "base/random.h"
#include "database/player.h"
#include "database/season_state.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/contracts.h"
#include "personnel/ratings.h"
#include "platform/platform.h"

namespace {
ContractNegotiationHook g_pNegotiationHook = nullptr;
ContractPolicy g_Policy = CONTRACT_POLICY_ASK;

int Vital(const ContractForm& form, int nIndex) { return Get_Player_Vital_Stat(form.nTeam, form.nPlayer, nIndex); }

void Set_Years(const ContractForm& form, int nYears) {
    int nDelta = nYears - Vital(form, VS_CONTRACT_LEFT);
    Set_Player_Vital_Stat(form.nTeam, form.nPlayer, VS_CONTRACT_LEFT, nYears);
    Set_Player_Vital_Stat(form.nTeam, form.nPlayer, VS_CONTRACT_YEARS, Vital(form, VS_CONTRACT_YEARS) + nDelta);
}

int Cash_Thousands(const ContractForm& form) { return Get_Team_Financial_Stat(form.nSigningTeam, FIN_CASH) / 1000; }

void Format_Money(int nThousands, char* szOut) { Format_Thousands(nThousands * 1000, szOut); }
}  // namespace

ContractForm Open_Contract_Form(TNUM nTeam, PNUM nPlayer, TNUM nSigningTeam) {
    ContractForm form = {nSigningTeam, nTeam, nPlayer, Season_Is_Over()};
    Set_Years(form, Vital(form, VS_CONTRACT_LEFT) + 1);
    Compute_Asking_Salary(nTeam, nPlayer);
    Set_Years(form, Clamp(Fewest_Offer_Years(form), Vital(form, VS_CONTRACT_LEFT), LONGEST_OFFER));
    Compute_Asking_Salary(nTeam, nPlayer);
    return form;
}

int Fewest_Offer_Years(const ContractForm& form) { return form.bSeasonOver ? 2 : 1; }

int Contract_Form_Years(const ContractForm& form) { return Vital(form, VS_CONTRACT_LEFT); }

ContractButtons Contract_Form_Buttons(const ContractForm& form) {
    int nYears = Contract_Form_Years(form);
    int nBonus = Vital(form, VS_BONUS);
    int nCash = Cash_Thousands(form);
    ContractButtons buttons;
    buttons.bFewerYears = nYears > Fewest_Offer_Years(form);
    buttons.bMoreYears = nYears < LONGEST_OFFER;
    buttons.bLessBonus = nBonus > Minimum_Signing_Bonus(form.nTeam, form.nPlayer);
    buttons.bMoreBonus = Vital(form, VS_SALARY) > MINIMUM_SALARY && nBonus < nCash - CONTRACT_BONUS_STEP;
    buttons.bSign = nCash >= nBonus;
    return buttons;
}

void Adjust_Contract_Years(ContractForm& form, int nDelta) {
    ContractButtons buttons = Contract_Form_Buttons(form);
    if ((nDelta < 0 && !buttons.bFewerYears) || (nDelta > 0 && !buttons.bMoreYears)) return;
    Set_Years(form, Clamp(Fewest_Offer_Years(form), Contract_Form_Years(form) + nDelta, LONGEST_OFFER));
    Compute_Asking_Salary(form.nTeam, form.nPlayer);
}

void Adjust_Contract_Bonus(ContractForm& form, int nDelta) {
    ContractButtons buttons = Contract_Form_Buttons(form);
    if ((nDelta < 0 && !buttons.bLessBonus) || (nDelta > 0 && !buttons.bMoreBonus)) return;
    Set_Player_Vital_Stat(form.nTeam, form.nPlayer, VS_BONUS, Max(0, Vital(form, VS_BONUS) + nDelta));
    Compute_Asking_Salary(form.nTeam, form.nPlayer);
}

int Contract_Shown_Years(const ContractForm& form) {
    // Once the season is over it is one of the years offered, not one to come.
    return form.bSeasonOver ? Contract_Form_Years(form) - 1 : Contract_Form_Years(form);
}

bool Type_Contract_Years(ContractForm& form, int nShownYears, char* szMessage) {
    int nShift = Contract_Form_Years(form) - Contract_Shown_Years(form);
    while (Contract_Shown_Years(form) < nShownYears && Contract_Form_Buttons(form).bMoreYears)
        Adjust_Contract_Years(form, 1);
    while (Contract_Shown_Years(form) > nShownYears && Contract_Form_Buttons(form).bFewerYears)
        Adjust_Contract_Years(form, -1);
    if (Contract_Shown_Years(form) == nShownYears) return true;
    Format_Text(szMessage, "The contract can run from %d to %d years.", Fewest_Offer_Years(form) - nShift,
                LONGEST_OFFER - nShift);
    return false;
}

bool Type_Contract_Bonus(ContractForm& form, int nBonus, char* szMessage) {
    while (nBonus - Vital(form, VS_BONUS) >= CONTRACT_BONUS_STEP && Contract_Form_Buttons(form).bMoreBonus)
        Adjust_Contract_Bonus(form, CONTRACT_BONUS_STEP);
    while (Vital(form, VS_BONUS) - nBonus >= CONTRACT_BONUS_STEP && Contract_Form_Buttons(form).bLessBonus)
        Adjust_Contract_Bonus(form, -CONTRACT_BONUS_STEP);
    int nNow = Vital(form, VS_BONUS);
    if (nNow == nBonus) return true;
    char szNow[TEXT_SIZE];
    Format_Money(nNow, szNow);
    ContractButtons buttons = Contract_Form_Buttons(form);
    if (nBonus < nNow && !buttons.bLessBonus)
        Format_Text(szMessage, "He will not sign for a bonus below $%s.", szNow);
    else if (nBonus > nNow && !buttons.bMoreBonus)
        Format_Text(szMessage,
                    "The bonus can rise only while the team's cash covers it and his salary stays above $%d,000. "
                    "The nearest offer is $%s.",
                    MINIMUM_SALARY, szNow);
    else
        Format_Text(szMessage, "The bonus moves in steps of $%d,000. The nearest offer is $%s.", CONTRACT_BONUS_STEP,
                    szNow);
    return false;
}

void Cap_Room_Text(int nRoom, const char* szBreak, char* szOut) {
    char szRoom[TEXT_SIZE];
    Format_Thousands(nRoom > 0 ? nRoom : -nRoom, szRoom);
    if (nRoom > 0)
        Format_Text(szOut, "Room Under Salary Cap:%s$%s,000", szBreak, szRoom);
    else
        Format_Text(szOut, "Exceeding Salary Cap by:%s$%s,000", szBreak, szRoom);
}

void Contract_Cap_Room_Text(const ContractForm& form, char* szOut) {
    Cap_Room_Text(Cap_Room(form.nSigningTeam, form.nTeam, form.nPlayer), "\n", szOut);
}

void Contract_Cash_Text(const ContractForm& form, char* szOut) {
    int nCash = Get_Team_Financial_Stat(form.nSigningTeam, FIN_CASH);
    char szCash[TEXT_SIZE];
    Format_Thousands(nCash < 1 ? -nCash : nCash, szCash);
    if (nCash < 1)
        Format_Text(szOut, "Team Debt: $%s", szCash);
    else
        Format_Text(szOut, "Team Cash: $%s", szCash);
}

void Contract_Ratings_Text(const ContractForm& form, char* szOut) {
    int nPosition = Vital(form, VS_POSITION);
    std::string aszLines[RATINGS_PER_POSITION];
    for (int nSlot = 0; nSlot < RATINGS_PER_POSITION; nSlot++) {
        int nCode = Position_Rating_Code(nPosition, nSlot);
        if (nCode == 0) continue;
        int nValue = Get_Player_Rating(form.nTeam, form.nPlayer, PERIOD_PREDICTED, nCode);
        if (nValue <= 0) continue;
        char szLine[TEXT_SIZE];
        Format_Text(szLine, "%s: %d", Rating_Name(nCode), nValue);
        aszLines[nSlot] = szLine;
    }
    Format_Text(szOut, "%s\n%s\n%s\n%s\n%s", aszLines[0].c_str(), aszLines[1].c_str(), aszLines[2].c_str(),
                aszLines[3].c_str(), aszLines[4].c_str());
}

void Contract_Offer_Text(const ContractForm& form, char* szOut) {
    char szPosition[TEXT_SIZE], szYears[TEXT_SIZE], szTerm[TEXT_SIZE];
    char szSalary[TEXT_SIZE], szBonus[TEXT_SIZE], szImpact[TEXT_SIZE];
    int nYears = Contract_Form_Years(form);
    Get_Position_Name(Vital(form, VS_POSITION), szPosition);
    Get_Cardinal_Words_Capitalised(Contract_Shown_Years(form), szYears);
    bool bExtension = form.bSeasonOver && form.nTeam >= 0 && form.nTeam < NUMBER_OF_FRANCHISES;
    Format_Text(szTerm, bExtension ? "%s Year Extension" : "%s Year Contract", szYears);
    Format_Money(Vital(form, VS_SALARY), szSalary);
    Format_Money(Vital(form, VS_BONUS), szBonus);
    Format_Money(Cap_Impact(form.nTeam, form.nPlayer), szImpact);
    Format_Text(szOut, "%s (Age %d)\n%s\n(Through %d)\nSalary: $%s\nSigning Bonus: $%s\nPayroll Impact: $%s",
                szPosition, Vital(form, VS_AGE), szTerm, Current_Calendar_Year() + nYears - 1, szSalary, szBonus,
                szImpact);
}

void Contract_Form_Title(const ContractForm& form, char* szOut) { Get_Team_Label(form.nTeam, szOut); }

bool Sign_Contract_Form(ContractForm& form) {
    if (!Contract_Form_Buttons(form).bSign) return false;
    int nRoom = Cap_Room(form.nSigningTeam, form.nTeam, form.nPlayer);
    if (nRoom < 0) {
        char szOver[TEXT_SIZE];
        Format_Thousands(-nRoom, szOver);
        Message_Box("Salary Cap", "That contract would violate the salary cap by $%s,000", szOver);
        return false;
    }
    Add_Team_Financial_Stat(form.nSigningTeam, FIN_CASH, -1000 * Vital(form, VS_BONUS));
    return true;
}

int Contract_Negotiation(TNUM nTeam, PNUM nPlayer, TNUM nSigningTeam) {
    if (!Is_Valid_Player(nTeam, nPlayer)) return 0;
    // A person who walks away leaves the terms as they were before the form opened.
    PlayerRecord before;
    Copy_Player_To_Memory(&before, nTeam, nPlayer);
    ContractForm form = Open_Contract_Form(nTeam, nPlayer, nSigningTeam);
    if (g_pNegotiationHook) {
        if (g_pNegotiationHook(&form)) return 1;
        Copy_Player_From_Memory(nTeam, nPlayer, &before);
        return 0;
    }
    switch (g_Policy) {
        case CONTRACT_POLICY_SIGN: return Sign_Contract_Form(form) ? 1 : 0;
        case CONTRACT_POLICY_RELEASE: return 0;
        case CONTRACT_POLICY_ASK: break;
    }
    char szTitle[TEXT_SIZE], szName[TEXT_SIZE], szOffer[TEXT_SIZE];
    Contract_Form_Title(form, szTitle);
    Get_Player_Full_Name(nTeam, nPlayer, szName);
    Contract_Offer_Text(form, szOffer);
    std::string szQuestion = std::string(szName) + "\n" + szOffer + "\n\nSign him at these terms?";
    if (Ask_Yes_No(szTitle, szQuestion.c_str()) != ANSWER_YES) return 0;
    return Sign_Contract_Form(form) ? 1 : 0;
}

void Set_Contract_Negotiation_Hook(ContractNegotiationHook pHook) { g_pNegotiationHook = pHook; }
void Set_Contract_Policy(ContractPolicy policy) { g_Policy = policy; }
ContractPolicy Get_Contract_Policy() { return g_Policy; }
