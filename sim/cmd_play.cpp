// brakvell-sim commands that play a saved league's season.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <strings.h>
#include <ctime>
#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "base/random.h"
#include "commands/start_up.h"
#include "commands/trade_page.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/aging.h"
#include "personnel/negotiation.h"
#include "platform/files.h"
#include "platform/platform.h"
#include "season/college_draft.h"
#include "season/playoffs.h"
#include "season/schedule.h"
#include "season/season_loop.h"
#include "season/stored_games.h"
#include "sim/commands.h"
#include "sim/season_run.h"
#include "simulation/game.h"
#include "trades/computer_trades.h"

namespace {
// "Week 5: BUF 17 at MIA 24, ..." for the week just played.
void Print_Week_Played() {
    int nWeek = Current_Week() - 1;
    printf("Week %d:", nWeek + 1);
    int nGames = 0;
    for (TNUM nHome = 0; nWeek < SCHEDULE_SLOTS && nHome < NUMBER_OF_FRANCHISES; nHome++) {
        if (!Valid_Team(nHome) || Get_Schedule_Kind(nHome, nWeek) != SLOT_FIRST_NAMED) continue;
        StoredGame game;
        if (!Stored_Game_Teams_And_Score(Get_Schedule_Field(nHome, nWeek, SLOT_GAME_RECORD), &game) ||
            game.nHome != nHome)
            continue;
        char szVisitor[TEXT_SIZE], szHome[TEXT_SIZE];
        Get_Team_Abbreviation(game.nVisitor, szVisitor);
        Get_Team_Abbreviation(game.nHome, szHome);
        printf("%s %s %d at %s %d", nGames++ ? "," : "", Printable(szVisitor).c_str(), game.nVisitorScore,
               Printable(szHome).c_str(), game.nHomeScore);
    }
    printf("%s\n", nGames ? "" : " no games");
}

void Print_Computer_Trade(const char* szLine) { printf("%s\n", Printable(szLine).c_str()); }

// A computer team's proposal to the person's team: printed, then declined,
// or talked over and proposed back as it stands, the deal signed if accepted.
bool g_bTalkOverProposals = false;

void Answer_Proposal(const TRADE_OFFER& offer) {
    char szLine[4 * TEXT_SIZE];
    Format_Computer_Trade(offer, szLine, sizeof szLine);
    printf("Proposal: %s", Printable(szLine + strlen("Trade: ")).c_str());
    if (!g_bTalkOverProposals) {
        printf(": declined\n");
        return;
    }
    TRADE_OFFER page;
    Talk_About_Trade_Proposal(offer, &page);
    Set_Trade_Answer_Hook([](const TradeAnswerView&) { return true; });
    TradeOutcome outcome = Submit_Trade_Offer(&page);
    Set_Trade_Answer_Hook(nullptr);
    printf(": %s\n", outcome == TRADE_COMPLETED ? "traded" : "talked over, no trade");
}

// The finished season's champion, then what its off-season did and left:
// "2011: champion BUF; off-season 150 retired, 1 inducted, 12 released;
// franchise ages mean 26.9, oldest 39; history records 23456".
void Print_Season_Line(int nYear, TNUM nChampion) {
    char szChampion[TEXT_SIZE] = "none";
    if (nChampion != NO_TEAM) Get_Team_Abbreviation(nChampion, szChampion);
    int64_t nAges = 0;
    int nPlayers = 0, nOldest = 0;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            if (!Is_Valid_Player(nTeam, nPlayer)) continue;
            int nAge = Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
            nAges += nAge;
            nPlayers++;
            nOldest = std::max(nOldest, nAge);
        }
    }
    AgingTally tally = Get_Aging_Tally();
    printf("%d: champion %s; off-season %d retired, %d inducted, %d released; franchise ages mean %.1f, oldest %d; "
           "history records %d\n",
           nYear, Printable(szChampion).c_str(), tally.nRetirements, tally.nInductions, tally.nReleases,
           nPlayers ? (double)nAges / nPlayers : 0.0, nOldest, Count_History_Records_In_Use());
}

// Whole seasons: each finished, then the turn to the next (the expiring
// contracts question answered Yes, as the headless front end does).
bool Play_Seasons(long nSeasons) {
    for (long n = 0; n < nSeasons; n++) {
        if (!Finish_Season()) {
            fprintf(stderr, "brakvell-sim: the %d season does not finish\n", Current_Calendar_Year());
            return false;
        }
        int nYear = Current_Calendar_Year();
        TNUM nChampion = Get_League_Champion();
        int nSeason = Current_Season_Index();
        Play_Weeks(1);
        End_Waiting_Draft();
        if (Current_Season_Index() != nSeason + 1) {
            fprintf(stderr, "brakvell-sim: the season after %d did not start\n", nYear);
            return false;
        }
        Print_Season_Line(nYear, nChampion);
    }
    return true;
}

}  // namespace

int Sim_Play(int argc, char** argv) {
    const char* szUsage =
        "play FILE --weeks N | --seasons N [--seed S] [--contracts ask|sign|release] [--proposals decline|talk]";
    long nWeeks = 0, nSeasons = 0, nSeed = -1;
    ContractPolicy nPolicy = CONTRACT_POLICY_SIGN;
    for (int i = 1; i < argc; i++) {
        bool bBad = false;
        if (Parse_Contract_Policy(i, argc, argv, &nPolicy, &bBad)) {
            if (bBad) return Sim_Usage(szUsage);
            continue;
        }
        if (strcmp(argv[i], "--proposals") == 0 && i + 1 < argc &&
            (strcmp(argv[i + 1], "decline") == 0 || strcmp(argv[i + 1], "talk") == 0)) {
            g_bTalkOverProposals = strcmp(argv[++i], "talk") == 0;
            continue;
        }
        if (!Parse_Option(i, argc, argv, "--weeks", nWeeks, 1, 1000) &&
            !Parse_Option(i, argc, argv, "--seasons", nSeasons, 1, NUMBER_OF_SEASONS) &&
            !Parse_Option(i, argc, argv, "--seed", nSeed, 0, MAXIMUM_SEED))
            return Sim_Usage(szUsage);
    }
    if (argc < 1 || (nWeeks < 1) == (nSeasons < 1)) return Sim_Usage(szUsage);
    const char* szFile = argv[0];
    std::string szShown = Printable(szFile);
    if (!Open_Game_To_Write_Back(szFile)) return 1;
    if (nSeed < 0) {
        nSeed = Clock_Seed();
        printf("Seed %ld\n", nSeed);
    }
    Seed_Random((uint32_t)nSeed);
    Set_Play_By_Play_File(false);
    // Only the file given is written, and only at the end.
    Skip_Automatic_Saves(true);
    int nSeason = Current_Season_Index();
    bool bPlayed = true;
    Set_Computer_Trade_Observer(Print_Computer_Trade);
    Set_Trade_Proposal_Hook(Answer_Proposal);
    if (nSeasons > 0) {
        Set_Contract_Policy(nPolicy);
        bPlayed = Play_Seasons(nSeasons);
    } else {
        SeasonLoopObserver observer{};
        observer.pRedraw_Page = Print_Week_Played;
        Set_Season_Loop_Observer(observer);
        End_Waiting_Draft();
        Play_Weeks((int)nWeeks);
        End_Waiting_Draft();
        Set_Season_Loop_Observer(SeasonLoopObserver{});
        if (Current_Season_Index() != nSeason) printf("Started the %d season\n", Current_Calendar_Year());
    }
    Set_Computer_Trade_Observer(nullptr);
    Set_Trade_Proposal_Hook(nullptr);
    Skip_Automatic_Saves(false);
    if (Save_Game(szFile) != SAVE_OK) {
        fprintf(stderr, "brakvell-sim: cannot save %s\n", szShown.c_str());
        return 1;
    }
    return bPlayed ? 0 : 1;
}

int Bench_Season(int argc, char** argv) {
    long nCount = 3, nSeed = 1;
    // The new game and the reports of the new seasons go to a scratch folder, not the caller's.
    ScratchFolder folder;
    if (int nStatus = Start_League_Bench("season", 1000, argc, argv, &nCount, &nSeed, &folder)) return nStatus;
    Set_Game_State(GS_AUTOSAVE, 0);
    Set_Play_By_Play_File(false);
    std::vector<double> times;
    for (long n = 0; n < nCount; n++) {
        if (n > 0) {
            Process_Offseason();
            End_Waiting_Draft();
        }
        auto start = std::chrono::steady_clock::now();
        double fCpuStart = Cpu_Ms();
        Play_Weeks(22);  // the regular season
        Play_Weeks(22);  // the playoffs
        double fCpu = Cpu_Ms() - fCpuStart;
        double fWall = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
        times.push_back(fCpu);
        printf("season %ld: %.1f ms on the processor, %.1f ms elapsed\n", n + 1, fCpu, fWall);
    }
    Set_Play_By_Play_File(true);
    Leave_Scratch_Folder(folder);
    printf("ms/season: %.0f\n", Median(times));
    return 0;
}

// One off-season's retirements and renewals of the whole league, each run
// from the same league at its season's end.
int Bench_Offseason(int argc, char** argv) {
    long nCount = 20, nSeed = 1;
    ScratchFolder folder;
    if (int nStatus = Start_League_Bench("offseason", 10000, argc, argv, &nCount, &nSeed, &folder)) return nStatus;
    Set_Game_State(GS_AUTOSAVE, 0);
    Set_Play_By_Play_File(false);
    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    bool bLoaded = Finish_Season();
    std::vector<double> times;
    if (bLoaded) {
        std::vector<LeagueDatabase> saved(1, g_League);
        for (long n = 0; n < nCount; n++) {
            g_League = saved[0];
            Seed_Random((uint32_t)nSeed);
            double fCpuStart = Cpu_Ms();
            Retirements_And_Renewals();
            Close_Progress();
            double fCpu = Cpu_Ms() - fCpuStart;
            times.push_back(fCpu);
            AgingTally tally = Get_Aging_Tally();
            printf("off-season %ld: %.2f ms on the processor, %d retired, %d released\n", n + 1, fCpu,
                   tally.nRetirements, tally.nReleases);
        }
        g_League = saved[0];
    }
    Set_Play_By_Play_File(true);
    Leave_Scratch_Folder(folder);
    if (!bLoaded) return 1;
    printf("ms/offseason: %.1f\n", Median(times));
    return 0;
}

// A week's computer trade rounds for the whole league before the deadline,
// each run from the same league with the seed moved on; the time of a round
// is the week's over its rounds.
int Bench_Trades(int argc, char** argv) {
    long nCount = 20, nSeed = 1;
    ScratchFolder folder;
    if (int nStatus = Start_League_Bench("trades", 10000, argc, argv, &nCount, &nSeed, &folder)) return nStatus;
    std::vector<double> times;
    std::vector<LeagueDatabase> saved(1, g_League);
    for (long n = 0; n < nCount; n++) {
        g_League = saved[0];
        Seed_Random((uint32_t)(nSeed + n));
        int nTrades = 0;
        double fCpuStart = Cpu_Ms();
        for (int nRound = 0; nRound < COMPUTER_TRADE_ROUNDS_PER_WEEK; nRound++) nTrades += Computer_Trade_Round();
        double fCpu = Cpu_Ms() - fCpuStart;
        times.push_back(fCpu / COMPUTER_TRADE_ROUNDS_PER_WEEK);
        printf("week %ld: %.2f ms on the processor for %d rounds, %d trades\n", n + 1, fCpu,
               COMPUTER_TRADE_ROUNDS_PER_WEEK, nTrades);
    }
    g_League = saved[0];
    Leave_Scratch_Folder(folder);
    printf("ms/round: %.2f\n", Median(times));
    return 0;
}
