// The contract negotiation: a person trades contract years against signing
// bonus against salary under the cap. The form works on the player's own
// record (years left, contract length, bonus, salary), recomputing what he
// asks after every change, so whatever shows it (the window, the headless
// policy, a test) sees the same terms. Free agents, renewals and the user's
// draft picks all come through Contract_Negotiation.
#pragma once
#include "database/league_database.h"

constexpr int LONGEST_OFFER = 7;        // years
constexpr int CONTRACT_BONUS_STEP = 100;  // thousands of dollars a click

struct ContractForm {
    TNUM nSigningTeam;  // pays the bonus and takes the cap impact
    TNUM nTeam;         // where the player is now
    PNUM nPlayer;
    bool bSeasonOver;  // the current season counts as one of the years
};

struct ContractButtons {
    bool bFewerYears;
    bool bMoreYears;
    bool bLessBonus;
    bool bMoreBonus;
    bool bSign;
};

// Opens the form: one more year on the contract, kept within the offer's
// bounds, and the asking salary for it.
ContractForm Open_Contract_Form(TNUM nTeam, PNUM nPlayer, TNUM nSigningTeam);
int Fewest_Offer_Years(const ContractForm& form);  // 1, or 2 once the season is over
int Contract_Form_Years(const ContractForm& form);  // years left on the record
ContractButtons Contract_Form_Buttons(const ContractForm& form);
// Each moves the terms by the step given and recomputes the asking salary;
// a step the buttons would not allow is ignored.
void Adjust_Contract_Years(ContractForm& form, int nDelta);
void Adjust_Contract_Bonus(ContractForm& form, int nDelta);
// Typed terms reach the figure the way the buttons would, a step at a time
// while they allow, so no typing gets a contract the buttons could not.
// False when the terms stop short of it, with why in szMessage (TEXT_SIZE);
// they are then left at the nearest the buttons allow. Years are as shown
// (one fewer once the season is over).
bool Type_Contract_Years(ContractForm& form, int nShownYears, char* szMessage);
bool Type_Contract_Bonus(ContractForm& form, int nBonus, char* szMessage);  // thousands
int Contract_Shown_Years(const ContractForm& form);

// The form's texts, each into a TEXT_SIZE buffer.
void Contract_Cap_Room_Text(const ContractForm& form, char* szOut);
// "Room Under Salary Cap:%s$%s,000" or, at 0 or less, "Exceeding Salary Cap
// by:%s$%s,000", the amount after szBreak (a line break in the offer, a space
// beside the free-agent list).
void Cap_Room_Text(int nRoom, const char* szBreak, char* szOut);
void Contract_Cash_Text(const ContractForm& form, char* szOut);
void Contract_Ratings_Text(const ContractForm& form, char* szOut);
void Contract_Offer_Text(const ContractForm& form, char* szOut);
void Contract_Form_Title(const ContractForm& form, char* szOut);  // the player's current team

// Sign: false while the sign button is off (the cash does not cover the
// bonus); refused with the "Salary Cap" notice when the room would fall below
// 0 (the form stays open, false); otherwise the bonus is paid from the
// signing team's cash and the answer is true.
bool Sign_Contract_Form(ContractForm& form);

// 1 signed, 0 not. Whoever does not sign is the caller's to release; the
// negotiation itself moves nobody.
int Contract_Negotiation(TNUM nTeam, PNUM nPlayer, TNUM nSigningTeam);

// The window installs this to let a person negotiate; it answers 1 or 0. On
// 0 the player's record is put back as it was before the form opened.
typedef int (*ContractNegotiationHook)(ContractForm* pForm);
void Set_Contract_Negotiation_Hook(ContractNegotiationHook pHook);

// Without the hook: ask Yes/No through the platform, sign at the asking
// terms, or let him go.
enum ContractPolicy { CONTRACT_POLICY_ASK, CONTRACT_POLICY_SIGN, CONTRACT_POLICY_RELEASE };
void Set_Contract_Policy(ContractPolicy policy);
ContractPolicy Get_Contract_Policy();
