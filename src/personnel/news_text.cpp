#include "personnel/news_text.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <strings.h>

#include "base/random.h"
#include "database/player.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/injuries.h"
#include "personnel/scouting_error.h"
#include "platform/platform.h"

namespace {

// Tokens in the order of their replacements below.
enum {
    TOKEN_PLAYER_NAME,
    TOKEN_PLAYER_LAST_NAME,
    TOKEN_PLAYER_FIRST_NAME,
    TOKEN_AGE,
    TOKEN_POSITION,
    TOKEN_EXPERIENCE,
    TOKEN_PLAYER_INJURY,
    TOKEN_PLAYER_DISABLED_DAYS,
    TOKEN_PLAYER_DISABLED_WEEKS,
    TOKEN_PERMANENT_DAMAGE,
    TOKEN_SALARY,
    TOKEN_CONTRACT,
    TOKEN_CONTRACT_MILLIONS,
    TOKEN_CONTRACT_LENGTH,
    TOKEN_YEAR_CONTRACT_ENDS,
    TOKEN_GAMES_PLAYED,
    TOKEN_TEAM_CITY = 20,
    TOKEN_TEAM_NAME,
    TOKEN_TEAM_GAMES,
    TOKEN_TEAM_LEAGUE,
    TOKEN_TEAM_LEAGUE_ABBR,
    TOKEN_TEAM_CASH,
    TOKEN_TEAM_PAYROLL,
    TOKEN_TEAM_DIVISION_ABBR,
    TOKEN_TEAM_DIVISION,
    TOKEN_TEAM_DIVISION_LEADER_NAME,
    TOKEN_TEAM_DIVISION_LEADER_CITY,
    TOKEN_TEAM_STANDING,
    TOKEN_TEAM_WINS,
    TOKEN_TEAM_LOSSES,
    TOKEN_TEAM_WINNING_PERCENTAGE,
    NUMBER_OF_TOKENS,
    NO_TOKEN = -1,
};

// 16..19 are spare: an empty name is never matched, so "{}" is an unknown token.
const char* const TOKEN_NAMES[NUMBER_OF_TOKENS] = {
    "PLAYER NAME",
    "PLAYER LAST NAME",
    "PLAYER FIRST NAME",
    "AGE",
    "POSITION",
    "EXPERIENCE",
    "PLAYER INJURY",
    "PLAYER DISABLED DAYS",
    "PLAYER DISABLED WEEKS",
    "PERMANENT DAMAGE",
    "SALARY",
    "CONTRACT",
    "CONTRACT MILLIONS",
    "CONTRACT LENGTH",
    "YEAR CONTRACT ENDS",
    "GAMES PLAYED",
    "",
    "",
    "",
    "",
    "TEAM CITY",
    "TEAM NAME",
    "TEAM GAMES",
    "TEAM LEAGUE",
    "TEAM LEAGUE ABBR",
    "TEAM CASH",
    "TEAM PAYROLL",
    "TEAM DIVISION ABBR",
    "TEAM DIVISION",
    "TEAM DIVISION LEADER NAME",
    "TEAM DIVISION LEADER CITY",
    "TEAM STANDING",
    "TEAM WINS",
    "TEAM LOSSES",
    "TEAM WINNING PERCENTAGE",
};

const char* const RISK_PHRASES[] = {
    "no",
    "very little",
    "insignificant",
    "little if any",
    "possible",
    "some minor",
    "some",
    "a chance of significant",
    "a chance of career-ending",
    "possible",
    "potentially serious",
    "unpredictable",
    "a good chance of serious",
    "significant",
    "serious",
    "a good chance of serious",
    "potentially career-ending",
    "a chance of career-ending",
    "grave",
    "career-ending",
};
constexpr int NUMBER_OF_RISK_PHRASES = sizeof RISK_PHRASES / sizeof RISK_PHRASES[0];
constexpr int RISK_STEP = 20;  // VS_INJURY_DAMAGE per phrase

int Token_Index(const char* pToken, size_t nLength) {
    for (int i = 0; i < NUMBER_OF_TOKENS; i++)
        if (TOKEN_NAMES[i][0] && strlen(TOKEN_NAMES[i]) == nLength &&
            strncasecmp(TOKEN_NAMES[i], pToken, nLength) == 0)
            return i;
    return NO_TOKEN;
}

bool Is_Franchise(TNUM nTeam) {
    return nTeam >= 0 && nTeam < NUMBER_OF_FRANCHISES && Valid_Team(nTeam);
}

// Thousands of dollars as "12.3" millions, the sign kept for debts under a million.
void Format_Millions_Tenths(int64_t nThousands, char* szOut) {
    int64_t n = nThousands < 0 ? -nThousands : nThousands;
    Format_Text(szOut, "%s%lld.%lld", nThousands < 0 ? "-" : "", (long long)(n / 1000),
                (long long)(n % 1000 / 100));
}

void Format_Dollars(int64_t nThousands, char* szOut) {
    char szDigits[TEXT_SIZE];
    constexpr int64_t LIMIT = 2000000000;  // beyond any contract, within an int
    Format_Thousands((int)(nThousands > LIMIT ? LIMIT : nThousands < -LIMIT ? -LIMIT : nThousands), szDigits);
    Format_Text(szOut, "$%s,000", szDigits);
}

void Words(int n, char* szOut) {
    Get_Cardinal_Words(Max(0, n), szOut);
}

// The team of the division listed first, or second when the first is nTeam.
TNUM Division_Leader(TNUM nTeam) {
    int nDivision = Get_Team_Division(nTeam);
    TNUM nFirst = Get_Division_Team(nDivision, 0);
    return nFirst == nTeam ? Get_Division_Team(nDivision, 1) : nFirst;
}

// The replacement of one token, at most TEXT_SIZE characters.
void Replace_Token(int nToken, TNUM t, PNUM p, const char* pToken, size_t nLength, char* szOut) {
    szOut[0] = '\0';
    bool bFranchise = Is_Franchise(t);
    int nYearsLeft = Get_Player_Vital_Stat(t, p, VS_CONTRACT_LEFT);
    int64_t nContract = (int64_t)Get_Player_Vital_Stat(t, p, VS_SALARY) * nYearsLeft;
    char szLeague[TEXT_SIZE];
    switch (nToken) {
    case TOKEN_PLAYER_NAME:
        Get_Player_Full_Name(t, p, szOut);
        break;
    case TOKEN_PLAYER_LAST_NAME:
        Get_Player_Last_Name(t, p, szOut);
        break;
    case TOKEN_PLAYER_FIRST_NAME:
        Get_Player_First_Name(t, p, szOut);
        break;
    case TOKEN_AGE:
        Format_Text(szOut, "%d", Get_Player_Vital_Stat(t, p, VS_AGE));
        break;
    case TOKEN_POSITION:
        Get_Position_Name_Lower(Get_Player_Vital_Stat(t, p, VS_POSITION), szOut);
        break;
    case TOKEN_EXPERIENCE:
        Words(Get_Player_Vital_Stat(t, p, VS_EXPERIENCE), szOut);
        break;
    case TOKEN_PLAYER_INJURY:
        Format_Text(szOut, "%s", Get_Injury_Name(Get_Player_Vital_Stat(t, p, VS_INJURY)));
        break;
    case TOKEN_PLAYER_DISABLED_WEEKS:
        Words(Get_Player_Vital_Stat(t, p, VS_INJURY_WEEKS), szOut);
        break;
    case TOKEN_PERMANENT_DAMAGE:
        Get_Injury_Risk_Phrase(t, p, szOut);
        break;
    case TOKEN_SALARY:
        Format_Dollars(Get_Player_Vital_Stat(t, p, VS_SALARY), szOut);
        break;
    case TOKEN_CONTRACT:
        Format_Dollars(nContract, szOut);
        break;
    case TOKEN_CONTRACT_MILLIONS:
        Format_Millions_Tenths(nContract, szOut);
        break;
    case TOKEN_CONTRACT_LENGTH:
        Words(nYearsLeft, szOut);
        break;
    case TOKEN_YEAR_CONTRACT_ENDS:
        Format_Text(szOut, "%d", Current_Calendar_Year() + nYearsLeft);
        break;
    case TOKEN_GAMES_PLAYED:
        Format_Text(szOut, "%d", Get_Player_Season_Stat(t, p, PERIOD_THIS_SEASON, SS_GAMES));
        break;
    case TOKEN_TEAM_CITY:
        Get_Team_City(t, szOut);
        break;
    case TOKEN_TEAM_NAME:
        Get_Team_Nickname(t, szOut);
        if (!szOut[0]) Error_Log("No Team Name in News Label");
        break;
    case TOKEN_TEAM_GAMES:
        Format_Text(szOut, "%d", bFranchise ? Get_Team_Wins(t) + Get_Team_Losses(t) : 0);
        break;
    case TOKEN_TEAM_LEAGUE:
    case TOKEN_TEAM_LEAGUE_ABBR:
        szLeague[0] = '\0';
        if (bFranchise) Get_League_Name(Get_Team_League(t), szLeague);
        if (nToken == TOKEN_TEAM_LEAGUE)
            Format_Text(szOut, "%s Football Conference", szLeague);
        else if (szLeague[0])
            Format_Text(szOut, "%cFC", szLeague[0]);
        else
            Error_Log("No Team League in News Label");
        break;
    case TOKEN_TEAM_CASH:
        Format_Millions_Tenths(bFranchise ? Get_Team_Financial_Stat(t, FIN_CASH) / 1000 : 0, szOut);
        break;
    case TOKEN_TEAM_PAYROLL:
        Format_Millions_Tenths(bFranchise ? Get_Team_Financial_Stat(t, FIN_PAYROLL) : 0, szOut);
        break;
    case TOKEN_TEAM_DIVISION_ABBR:
    case TOKEN_TEAM_DIVISION:
        if (bFranchise) Get_Division_Name(Get_Team_Division(t), szOut);
        break;
    case TOKEN_TEAM_DIVISION_LEADER_NAME:
    case TOKEN_TEAM_DIVISION_LEADER_CITY:
        if (!bFranchise || !Is_Franchise(Division_Leader(t))) break;
        if (nToken == TOKEN_TEAM_DIVISION_LEADER_NAME)
            Get_Team_Nickname(Division_Leader(t), szOut);
        else
            Get_Team_City(Division_Leader(t), szOut);
        break;
    case TOKEN_TEAM_STANDING:
        break;
    case TOKEN_TEAM_WINS:
        Format_Text(szOut, "%d", bFranchise ? Get_Team_Wins(t) : 0);
        break;
    case TOKEN_TEAM_LOSSES:
        Format_Text(szOut, "%d", bFranchise ? Get_Team_Losses(t) : 0);
        break;
    case TOKEN_TEAM_WINNING_PERCENTAGE: {
        int w = bFranchise ? Get_Team_Wins(t) : 0, l = bFranchise ? Get_Team_Losses(t) : 0;
        int nPerMille = Ratio(1000, w, w + l);
        if (nPerMille >= 1000)
            Format_Text(szOut, "%d.%03d", nPerMille / 1000, nPerMille % 1000);
        else
            Format_Text(szOut, ".%03d", nPerMille);
        break;
    }
    default:  // unknown, and the disabled days that never had a figure
        Format_Text(szOut, "[%.*s]", (int)Min((int)nLength, TEXT_SIZE), pToken);
        break;
    }
}

// An output that never grows past its bound and remembers that it was cut.
// Pieces start on a character boundary (they are split at braces), so a cut
// steps back over UTF-8 continuation bytes and never leaves half a letter.
struct BoundedText {
    std::string szText;
    size_t nLimit;  // characters, without the terminator
    bool bCut = false;
    void Append(const char* p, size_t n) {
        size_t nRoom = nLimit - szText.size();
        if (n > nRoom) {
            n = nRoom;
            while (n > 0 && ((unsigned char)p[n] & 0xC0) == 0x80)
                n--;
            bCut = true;
        }
        szText.append(p, n);
    }
};
}  // namespace

void Substitute_News_Strings(TNUM nTeam, PNUM nPlayer, char* szText, size_t nSize) {
    if (!szText || nSize == 0) return;
    if (nTeam == NO_TEAM) {
        Error_Log("NO_TEAM passed in pSlot to Substitute_News_Strings()");
        return;
    }
    if (!Is_Valid_Player(nTeam, nPlayer)) {
        Error_Log("Invalid Player in Substitute_News_Strings()");
        return;
    }
    size_t nInput = strnlen(szText, nSize);
    BoundedText out{std::string(), nSize - 1};
    char szReplacement[TEXT_SIZE];
    size_t i = 0;
    while (i < nInput && !out.bCut) {
        const char* pOpen = (const char*)memchr(szText + i, '{', nInput - i);
        const char* pClose = pOpen ? (const char*)memchr(pOpen, '}', szText + nInput - pOpen) : nullptr;
        if (!pClose) {
            out.Append(szText + i, nInput - i);
            break;
        }
        out.Append(szText + i, (size_t)(pOpen - (szText + i)));
        const char* pToken = pOpen + 1;
        size_t nLength = (size_t)(pClose - pToken);
        Replace_Token(Token_Index(pToken, nLength), nTeam, nPlayer, pToken, nLength, szReplacement);
        out.Append(szReplacement, strlen(szReplacement));
        i = (size_t)(pClose + 1 - szText);
    }
    memcpy(szText, out.szText.c_str(), out.szText.size() + 1);
}

void Get_Injury_Risk_Phrase(TNUM nTeam, PNUM nPlayer, char* szOut) {
    szOut[0] = '\0';
    if (!Is_Valid_Player(nTeam, nPlayer)) return;
    int nMedical = Is_Franchise(nTeam) ? Get_Team_Financial_Stat(nTeam, FIN_MEDICAL_QUALITY) : 0;
    int d = Ratio(5, 1000, nMedical);
    // Two draws of 0..d-1 from the month's hash: a glance at a card must not
    // move the game's own generator, and the phrase holds for the month.
    int nNoise = 0;
    if (d > 0) {
        int h = Player_Hash(Get_Player_Vital_Stat(nTeam, nPlayer, VS_PLAYER_ID), d * d);
        nNoise = h / d - h % d;
    }
    int nIndex = Clamp(0, Get_Player_Vital_Stat(nTeam, nPlayer, VS_INJURY_DAMAGE) / RISK_STEP + nNoise,
                       NUMBER_OF_RISK_PHRASES - 1);
    Format_Text(szOut, "%s", RISK_PHRASES[nIndex]);
}
