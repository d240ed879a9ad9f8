// brakvell-sim offer: one trade offer built from slots and picks, shown as
// the trade page lists it, checked, judged by the partner as the answer page
// would answer it, with --counter answered by a counter-offer, and with
// --apply carried out and saved; with --submit proposed as the page's
// Submit does, --sign answering the acceptance, and saved when it went through.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <strings.h>
#include <string>
#include <unistd.h>

#include "commands/trade_page.h"
#include "database/league_database.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/text_format.h"
#include "platform/headless.h"
#include "platform/platform.h"
#include "sim/commands.h"
#include "trades/counter_offer.h"
#include "trades/implement_trade.h"
#include "trades/trade_answers.h"
#include "trades/trade_rules.h"
#include "trades/trade_value.h"

namespace {
const char* const USAGE =
    "offer FILE --from A --give SLOT,... --to B --get SLOT,... [--give-picks N,...] [--get-picks N,...] "
    "[--cash N] [--counter] [--apply | --submit [--sign yes|no]]";

// "3,17,40": whole numbers 0..nHighest, at most TRADE_ITEMS of them.
bool Parse_List(const char* szList, int nHighest, int* anOut, int* pCount) {
    *pCount = 0;
    std::string szRest = szList;
    size_t nStart = 0;
    while (nStart <= szRest.size()) {
        size_t nEnd = szRest.find(',', nStart);
        std::string szItem = szRest.substr(nStart, nEnd == std::string::npos ? std::string::npos : nEnd - nStart);
        char* pEnd = nullptr;
        long n = strtol(szItem.c_str(), &pEnd, 10);
        if (szItem.empty() || *pEnd != '\0' || n < 0 || n > nHighest || *pCount >= TRADE_ITEMS) return false;
        anOut[(*pCount)++] = (int)n;
        if (nEnd == std::string::npos) break;
        nStart = nEnd + 1;
    }
    return true;
}

struct SideRequest {
    const char* szTeam = nullptr;
    const char* szSlots = nullptr;
    const char* szPicks = nullptr;
};

// The side's items as the page stores them: slots as given, picks after the
// players. A slot without a player would read as a pick: it is named in
// *pEmptySlot instead (else -1).
bool Fill_Side(TRADE_OFFER* pOffer, int nSide, const SideRequest& request, int* pEmptySlot) {
    *pEmptySlot = -1;
    int anSlots[TRADE_ITEMS], anPicks[TRADE_ITEMS], nSlots = 0, nPicks = 0;
    if (request.szSlots && !Parse_List(request.szSlots, PLAYERS_PER_TEAM - 1, anSlots, &nSlots)) return false;
    if (request.szPicks && !Parse_List(request.szPicks, INT8_MAX, anPicks, &nPicks)) return false;
    if (nSlots + nPicks > TRADE_ITEMS) return false;
    int nPlayers = Number_Of_Players(pOffer->anTeam[nSide]), nItem = 0;
    for (int i = 0; i < nSlots; i++) {
        if (!Is_Valid_Player(pOffer->anTeam[nSide], (PNUM)anSlots[i]) && *pEmptySlot < 0) *pEmptySlot = anSlots[i];
        pOffer->aanItems[nSide][nItem++] = (int8_t)anSlots[i];
    }
    for (int i = 0; i < nPicks; i++) {
        if (nPlayers + anPicks[i] > INT8_MAX) return false;
        pOffer->aanItems[nSide][nItem++] = (int8_t)(nPlayers + anPicks[i]);
    }
    return true;
}

void Print_Side(const TRADE_OFFER& offer, int nSide) {
    char szName[32], szText[TRADE_TEXT_WIDTH];
    Get_Team_Nickname(offer.anTeam[nSide], szName);
    Format_Trade_Roster_Count(offer.anTeam[nSide], szText);
    printf("%s %s, %s:\n", nSide == 0 ? "The" : "in exchange for... the", szName, szText);
    for (int nIndex = 0; nIndex < Count_Trade_Items(offer, nSide); nIndex++) {
        Format_Trade_Item(offer, nSide, nIndex, szText);
        printf("  %d: %s\n", offer.aanItems[nSide][nIndex], szText[0] ? szText : "(no such item)");
    }
    if (Trade_Cash_Field(offer, nSide) > 0) printf("  and  $%d million\n", Trade_Cash_Field(offer, nSide));
}

bool Legal_Offer(const TRADE_OFFER& offer) {
    char szReason[TRADE_TEXT_WIDTH];
    return Trade_Is_Legal(offer, szReason);
}

void Print_Hint(const std::string& szHint) {
    printf("Hint:\n");
    for (size_t nStart = 0; nStart < szHint.size();) {
        size_t nEnd = szHint.find('\n', nStart);
        if (nEnd == std::string::npos) nEnd = szHint.size();
        printf("  %s\n", szHint.substr(nStart, nEnd - nStart).c_str());
        nStart = nEnd + 1;
    }
}

// The partner's score and answer; a refusal comes with the hint's needs list.
void Print_Judgement(const TRADE_OFFER& offer) {
    TeamNeeds needs;
    Compute_Team_Needs(offer.anTeam[1], &needs);
    int nScore = Offer_Score(offer, needs);
    bool bAccepted = Offer_Is_Accepted(nScore);
    if (nScore == EMPTY_OFFER_SCORE)
        printf("Partner: nothing offered, refused\n");
    else
        printf("Partner: score %d, %s\n", nScore, bAccepted ? "accepted" : "refused");
    printf("Answer: %s\n", Response_Text(nScore));
    if (bAccepted) return;
    Print_Hint(Needs_List_Text(needs));
}

// By TradeOutcome.
const char* const OUTCOME_TEXTS[] = {"traded",  "illegal",    "refused in debt", "not permitted",
                                     "refused", "not signed", "cheater"};
bool g_bSign = true;

// The answer page of --submit: the partner's answer printed, the script's
// choice taken.
bool Print_Answer(const TradeAnswerView& view) {
    if (view.nScore == EMPTY_OFFER_SCORE)
        printf("Partner: nothing offered, refused\n");
    else
        printf("Partner: score %d, %s\n", view.nScore, view.bAccepted ? "accepted" : "refused");
    printf("Answer: %s\n", view.szLine.c_str());
    if (!view.bAccepted) {
        Print_Hint(view.szHint);
        return false;
    }
    printf("Signed: %s\n", g_bSign ? "yes" : "no");
    return g_bSign;
}

// The offer the partner would accept; its refusal is the notice's own text.
void Print_Counter_Offer(const TRADE_OFFER& offer) {
    TRADE_OFFER counter = offer;
    if (!Make_Counter_Offer(&counter, Legal_Offer)) {
        printf("Counter-offer: none\n");
        return;
    }
    printf("Counter-offer:\n");
    Print_Side(counter, 0);
    Print_Side(counter, 1);
    TeamNeeds needs;
    Compute_Team_Needs(counter.anTeam[1], &needs);
    printf("Partner: score %d\n", Offer_Score(counter, needs));
}

bool Save_Traded(const char* szFile) {
    if (Save_Game(szFile) == SAVE_OK) return true;
    fprintf(stderr, "brakvell-sim: cannot save %s\n", Printable(szFile).c_str());
    return false;
}

// The page's Submit with the script's answers: the permission question and
// the acceptance both take --sign. Only a completed trade is saved.
int Submit_And_Save(TRADE_OFFER* pOffer, const char* szFile) {
    Headless_Set_Default_Answer(g_bSign ? ANSWER_YES : ANSWER_NO);
    Set_Trade_Answer_Hook(Print_Answer);
    TradeOutcome outcome = Submit_Trade_Offer(pOffer);
    Set_Trade_Answer_Hook(nullptr);
    printf("Outcome: %s\n", OUTCOME_TEXTS[outcome]);
    if (outcome != TRADE_COMPLETED) return 1;
    if (!Save_Traded(szFile)) return 1;
    printf("Traded and saved\n");
    return 0;
}
}  // namespace

int Sim_Offer(int argc, char** argv) {
    SideRequest aSides[TRADE_SIDES];
    long nCash = 0;
    bool bApply = false, bCounter = false, bSubmit = false;
    g_bSign = true;
    for (int i = 1; i < argc; i++) {
        const char** pszValue = nullptr;
        if (strcmp(argv[i], "--from") == 0) pszValue = &aSides[0].szTeam;
        if (strcmp(argv[i], "--to") == 0) pszValue = &aSides[1].szTeam;
        if (strcmp(argv[i], "--give") == 0) pszValue = &aSides[0].szSlots;
        if (strcmp(argv[i], "--get") == 0) pszValue = &aSides[1].szSlots;
        if (strcmp(argv[i], "--give-picks") == 0) pszValue = &aSides[0].szPicks;
        if (strcmp(argv[i], "--get-picks") == 0) pszValue = &aSides[1].szPicks;
        if (pszValue && i + 1 < argc) {
            *pszValue = argv[++i];
            continue;
        }
        if (strcmp(argv[i], "--apply") == 0) {
            bApply = true;
            continue;
        }
        if (strcmp(argv[i], "--submit") == 0) {
            bSubmit = true;
            continue;
        }
        if (strcmp(argv[i], "--sign") == 0 && i + 1 < argc &&
            (strcmp(argv[i + 1], "yes") == 0 || strcmp(argv[i + 1], "no") == 0)) {
            g_bSign = strcmp(argv[++i], "yes") == 0;
            continue;
        }
        if (strcmp(argv[i], "--counter") == 0) {
            bCounter = true;
            continue;
        }
        if (!Parse_Option(i, argc, argv, "--cash", nCash, -TRADE_CASH_LIMIT, TRADE_CASH_LIMIT)) return Sim_Usage(USAGE);
    }
    if (argc < 1 || !aSides[0].szTeam || !aSides[1].szTeam || (bApply && bSubmit)) return Sim_Usage(USAGE);
    const char* szFile = argv[0];
    if ((bApply || bSubmit) && !Writable_Game(szFile, "trade")) return 1;
    if (!Load_League_File(szFile)) {
        fprintf(stderr, "brakvell-sim: cannot load %s\n", Printable(szFile).c_str());
        return 1;
    }
    TNUM anTeam[TRADE_SIDES];
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++)
        if (!Parse_Team(aSides[nSide].szTeam, &anTeam[nSide])) {
            fprintf(stderr, "brakvell-sim: no team \"%s\" in \"%s\"\n", Printable(aSides[nSide].szTeam).c_str(),
                    Printable(szFile).c_str());
            return 1;
        }
    TRADE_OFFER offer;
    Clear_Trade_Offer(&offer, anTeam[0], anTeam[1]);
    offer.nCash = (int32_t)nCash;
    for (int nSide = 0; nSide < TRADE_SIDES; nSide++) {
        int nEmptySlot;
        if (!Fill_Side(&offer, nSide, aSides[nSide], &nEmptySlot)) return Sim_Usage(USAGE);
        if (nEmptySlot >= 0) {
            char szName[32];
            Get_Team_Nickname(anTeam[nSide], szName);
            printf("Legality: The %s have no player in slot %d.\n", szName, nEmptySlot);
            return 1;
        }
    }
    Print_Side(offer, 0);
    Print_Side(offer, 1);
    char szReason[TRADE_TEXT_WIDTH];
    bool bLegal = Trade_Is_Legal(offer, szReason);
    printf("Legality: %s\n", bLegal ? "legal" : szReason);
    if (bSubmit) return Submit_And_Save(&offer, szFile);
    if (!bLegal) {
        printf("Partner: not judged\n");
        return 1;
    }
    Print_Judgement(offer);
    if (bCounter) Print_Counter_Offer(offer);
    if (!bApply) return 0;
    if (!Implement_Trade(offer)) return 1;
    if (!Save_Traded(szFile)) return 1;
    printf("Traded and saved\n");
    return 0;
}
