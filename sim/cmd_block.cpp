// brakvell-sim block: the trading block asked headless. The listed players of
// the team go on the block with the wish, every other team answers, and the
// offers print in the list's order. Nothing is saved. bench block times it.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "base/random.h"
#include "database/player.h"
#include "sim/commands.h"
#include "sim/season_run.h"
#include "trades/trading_block.h"

namespace {
const char* const USAGE = "block FILE --team T --list SLOT,... --wish W [--cash N] [--seed S]";

// "3,17,40": slots of players of the team, at most TRADE_ITEMS, none twice.
bool Parse_Block_List(TNUM nTeam, const char* szList, TRADE_OFFER* pBlock) {
    std::string rest = szList;
    int nCount = 0;
    for (size_t nStart = 0; nStart <= rest.size();) {
        size_t nEnd = rest.find(',', nStart);
        if (nEnd == std::string::npos) nEnd = rest.size();
        PNUM nSlot;
        if (nCount >= TRADE_ITEMS || !Parse_Player_Slot(nTeam, rest.substr(nStart, nEnd - nStart).c_str(), &nSlot))
            return false;
        for (int i = 0; i < nCount; i++)
            if (pBlock->aanItems[0][i] == nSlot) return false;
        pBlock->aanItems[0][nCount++] = nSlot;
        nStart = nEnd + 1;
    }
    return nCount > 0;
}

void Print_Refusal(const TradeRefusal& refusal) { printf("%s: %s\n", refusal.szTitle, refusal.szText); }
}  // namespace

int Sim_Block(int argc, char** argv) {
    const char* szTeam = nullptr;
    const char* szList = nullptr;
    long nWish = -1, nCash = 0, nSeed = 1;
    for (int i = 1; i < argc; i++) {
        if ((strcmp(argv[i], "--team") == 0 || strcmp(argv[i], "--list") == 0) && i + 1 < argc) {
            (argv[i][2] == 't' ? szTeam : szList) = argv[i + 1];
            i++;
            continue;
        }
        if (!Parse_Option(i, argc, argv, "--wish", nWish, 0, TRADING_BLOCK_WISHES - 1) &&
            !Parse_Option(i, argc, argv, "--cash", nCash, 0, TRADE_CASH_LIMIT) &&
            !Parse_Option(i, argc, argv, "--seed", nSeed, 0, MAXIMUM_SEED))
            return Sim_Usage(USAGE);
    }
    if (argc < 1 || argv[0][0] == '-' || !szTeam || !szList || nWish < 0) return Sim_Usage(USAGE);
    if (!Load_League_File(argv[0])) {
        fprintf(stderr, "brakvell-sim: cannot load %s\n", Printable(argv[0]).c_str());
        return 1;
    }
    TNUM nTeam;
    if (!Parse_Team(szTeam, &nTeam)) {
        fprintf(stderr, "brakvell-sim: no team \"%s\" in \"%s\"\n", Printable(szTeam).c_str(), Printable(argv[0]).c_str());
        return 1;
    }
    TRADE_OFFER block;
    Clear_Trade_Offer(&block, nTeam, NO_TEAM);
    if (!Parse_Block_List(nTeam, szList, &block)) return Sim_Usage(USAGE);
    Set_Up_Trading_Block(&block, nTeam, (int)nCash, (int)nWish);
    Seed_Random((uint32_t)nSeed);
    printf("Wish: %s\n", Trading_Block_Wish_Name((int)nWish));
    TRADE_OFFER aOffers[TRADING_BLOCK_OFFERS];
    TradeRefusal refusal;
    int nCount = Build_Trading_Block_Offers(block, (int)nWish, aOffers, &refusal);
    if (nCount <= 0) {
        Print_Refusal(refusal);
        return 1;
    }
    for (int i = 0; i < nCount; i++) printf("%s\n", Describe_Block_Offer(aOffers[i]).c_str());
    return 0;
}

// Each run puts team 0's first three players on the block, the wishes in
// turn, from the same league: every wish's search is timed.
int Bench_Block(int argc, char** argv) {
    long nCount = 20, nSeed = 1;
    ScratchFolder folder;
    if (int nStatus = Start_League_Bench("block", 10000, argc, argv, &nCount, &nSeed, &folder)) return nStatus;
    std::vector<double> times;
    std::vector<LeagueDatabase> saved(1, g_League);
    for (long n = 0; n < nCount; n++) {
        g_League = saved[0];
        Seed_Random((uint32_t)(nSeed + n));
        int nWish = (int)(n % TRADING_BLOCK_WISHES);
        TRADE_OFFER block, aOffers[TRADING_BLOCK_OFFERS];
        Clear_Trade_Offer(&block, 0, NO_TEAM);
        int nListed = 0;
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM && nListed < 3; nPlayer++)
            if (Is_Valid_Player(0, nPlayer)) block.aanItems[0][nListed++] = nPlayer;
        Set_Up_Trading_Block(&block, 0, 0, nWish);
        TradeRefusal refusal;
        double fStart = Cpu_Ms();
        int nOffers = Build_Trading_Block_Offers(block, nWish, aOffers, &refusal);
        double fCpu = Cpu_Ms() - fStart;
        times.push_back(fCpu);
        printf("block %ld (%s): %.2f ms on the processor, %d offers\n", n + 1, Trading_Block_Wish_Name(nWish), fCpu,
               Max(0, nOffers));
    }
    g_League = saved[0];
    Leave_Scratch_Folder(folder);
    printf("ms/block: %.2f\n", Median(times));
    return 0;
}
