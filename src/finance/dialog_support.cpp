#include "database/team.h"
#include "finance/dialog_support.h"

#include <cctype>
#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "database/text_format.h"
#include "platform/platform.h"

namespace {
constexpr int64_t MONEY_LIMIT = 1000000000000LL; // cents; keeps a long typed number from overflowing

int Saturated(int64_t n) {
    return n > INT32_MAX ? INT32_MAX : n < INT32_MIN ? INT32_MIN : (int)n;
}
} // namespace

void Dialog_Format(char* szOut, const char* szFormat, ...) {
    char szText[TEXT_SIZE];
    va_list args;
    va_start(args, szFormat);
    vsnprintf(szText, sizeof szText, szFormat, args);
    va_end(args);
    Copy_Field(szOut, DIALOG_TEXT, szText);
}

bool Budget_Editable(TNUM nTeam) {
    if (nTeam < 0 || nTeam >= NUMBER_OF_FRANCHISES || !Valid_Team(nTeam)) return false;
    return Human_Managed(nTeam) || Get_Game_State(GS_COMMISSIONER) != 0;
}

bool Parse_Money_Text(const char* szText, int64_t* pCents) {
    if (!szText) return false;
    const char* p = szText;
    bool bNegative = false;
    while (isspace((unsigned char)*p))
        p++;
    if (*p == '-') bNegative = true, p++;
    if (*p == '$') p++;
    if (*p == '-') bNegative = true, p++;
    int64_t nWhole = 0;
    bool bDigits = false;
    for (; isdigit((unsigned char)*p) || *p == ','; p++) {
        if (*p == ',') continue;
        nWhole = nWhole * 10 + (*p - '0');
        if (nWhole > MONEY_LIMIT) nWhole = MONEY_LIMIT;
        bDigits = true;
    }
    int nCents = 0;
    if (*p == '.') {
        p++;
        for (int nPlace = 0; isdigit((unsigned char)*p); p++, nPlace++) {
            if (nPlace == 0) nCents += 10 * (*p - '0');
            if (nPlace == 1) nCents += *p - '0';
            bDigits = true;
        }
    }
    while (isspace((unsigned char)*p))
        p++;
    if (!bDigits || *p != '\0') return false;
    int64_t nCentsTotal = nWhole * 100 + nCents;
    *pCents = bNegative ? -nCentsTotal : nCentsTotal;
    return true;
}

void Number_Text(int64_t n, char* szOut) {
    char szText[TEXT_SIZE];
    Format_Thousands(Saturated(n), szText);
    Dialog_Format(szOut, "%s", szText);
}

void Money_Text(int64_t nDollars, char* szOut) {
    char szNumber[DIALOG_TEXT];
    Number_Text(nDollars < 0 ? -nDollars : nDollars, szNumber);
    Dialog_Format(szOut, "%s$%s", nDollars < 0 ? "-" : "", szNumber);
}

void Cents_Text(int nCents, char* szOut) {
    Dialog_Format(szOut, "%d.%02d", nCents / 100, nCents % 100);
}

void Widest_Price_Text(PriceBox box, char* szOut) {
    switch (box) {
    case PRICE_BOX_TICKET: Cents_Text(MAX_TICKET_PRICE, szOut); break;
    case PRICE_BOX_CONCESSION: Cents_Text(MAX_CONCESSION_PRICE, szOut); break;
    case PRICE_BOX_BUDGET: Money_Text(MAX_BUDGET, szOut); break;
    }
}

int64_t Per_Game(int64_t nTotal, int nGames) {
    return nGames < 1 ? 0 : nTotal / nGames;
}

void Rank_Text(TNUM nTeam, int nCode, char* szOut) {
    char szOrdinal[TEXT_SIZE];
    Get_Number_With_Suffix(Get_Team_Financial_Rank(nTeam, nCode) + 1, szOrdinal);
    Dialog_Format(szOut, "(%s)", szOrdinal);
}

void Fill_Ranked_Figure(TNUM nTeam, int nCode, RankedFigure* pFigure) {
    pFigure->nValue = Get_Team_Financial_Stat(nTeam, nCode);
    Money_Text(pFigure->nValue, pFigure->szValue);
    Rank_Text(nTeam, nCode, pFigure->szRank);
}

bool Dialog_Team(TNUM nTeam, const char* szRoutine) {
    if (nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES && Valid_Team(nTeam)) return true;
    Error_Log("Invalid nTeam in %s()", szRoutine);
    return false;
}
