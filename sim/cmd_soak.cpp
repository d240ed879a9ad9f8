// brakvell-sim soak: many whole seasons in one process, every team in the
// computer's hands, the league checked after each and its drift printed as a
// line of figures, so a slow fault (ages creeping, money draining, history
// filling) shows long before a person's game would meet it. Also the bench
// of whole season cycles.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "base/random.h"
#include "database/integrity.h"
#include "database/player.h"
#include "database/saved_game.h"
#include "database/season_state.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/aging.h"
#include "personnel/negotiation.h"
#include "personnel/ratings.h"
#include "reports/league_averages.h"
#include "season/college_draft.h"
#include "season/season_loop.h"
#include "sim/commands.h"
#include "sim/season_run.h"
#include "simulation/game.h"
#include "trades/computer_trades.h"

namespace fs = std::filesystem;

namespace {
const char* const USAGE =
    "soak [FILE | --new] --seasons N --seed S [--teams-fixture 8|2] [--reload K] [--plot FILE.svg]";

// The position groups of the rating columns.
struct RatingGroup {
    const char* szName;
    int nFirst, nLast;
};
const RatingGroup RATING_GROUPS[] = {
    {"QB", POS_QB, POS_QB}, {"RB", POS_RB, POS_RB}, {"REC", POS_TE, POS_WR}, {"OL", POS_T, POS_C},
    {"DL", POS_DE, POS_DT}, {"LB", POS_LB, POS_LB}, {"DB", POS_CB, POS_S},   {"KP", POS_K, POS_P},
};
constexpr int NUMBER_OF_RATING_GROUPS = sizeof RATING_GROUPS / sizeof RATING_GROUPS[0];

// The season leaders' columns: the stat and the position group that keeps it.
struct Leader {
    const char* szName;
    int nGroup, nStat;
    bool bHalves;  // sacks are kept in halves
};
const Leader LEADERS[] = {
    {"lead_pass_yds", GROUP_SKILL, SS_PASS_YARDS, false},   {"lead_rush_yds", GROUP_SKILL, SS_RUSH_YARDS, false},
    {"lead_rec_yds", GROUP_SKILL, SS_RECEIVING_YARDS, false}, {"lead_receptions", GROUP_SKILL, SS_RECEPTIONS, false},
    {"lead_sacks", GROUP_DEFENCE, SS_SACKS, true},
};
constexpr int NUMBER_OF_LEADERS = sizeof LEADERS / sizeof LEADERS[0];

// What the plot draws, one value per season.
struct Drift {
    int nYear;
    double fPoints, fAge, fRating, fCash, fHistory;
};

int g_nTrades = 0;
void Count_Trade(const char*) { g_nTrades++; }

bool Franchise_Player(TNUM nTeam, PNUM nPlayer) { return Valid_Team(nTeam) && Is_Valid_Player(nTeam, nPlayer); }

// The season's figures, read at its end before the off-season rolls the statistics over.
std::string Season_Figures(Drift* pDrift) {
    LeagueSums sums = {};
    Add_Season_Sums(&sums);
    char szText[512];
    snprintf(szText, sizeof szText, "%.1f\t%.1f\t%.1f\t%.2f\t%.2f", League_Average(sums, LA_POINTS) / 100.0,
             League_Average(sums, LA_TOTAL_YARDS) / 100.0, League_Average(sums, LA_COMPLETION_PCT) / 100.0,
             League_Average(sums, LA_SACKS) / 100.0, League_Average(sums, LA_INTERCEPTIONS) / 100.0);
    pDrift->fPoints = League_Average(sums, LA_POINTS) / 100.0;
    std::string szLeaders;
    for (const Leader& leader : LEADERS) {
        int nBest = 0;
        for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
            for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++)
                if (Franchise_Player(nTeam, nPlayer) && Get_Player_Position_Group(nTeam, nPlayer) == leader.nGroup)
                    nBest = std::max(nBest, Get_Player_Season_Stat(nTeam, nPlayer, PERIOD_THIS_SEASON, leader.nStat));
        char szLeader[32];
        if (leader.bHalves)
            snprintf(szLeader, sizeof szLeader, "\t%.1f", nBest / 2.0);
        else
            snprintf(szLeader, sizeof szLeader, "\t%d", nBest);
        szLeaders += szLeader;
    }
    return szText + szLeaders;
}

// The league as the off-season left it: ratings, ages, rosters, money, history.
std::string League_Figures(Drift* pDrift) {
    std::vector<int> aRatings[NUMBER_OF_RATING_GROUPS];
    int64_t nAges = 0, nAllRatings = 0;
    int nPlayers = 0, nSmallest = PLAYERS_PER_TEAM, nLargest = 0, nTeams = 0;
    int64_t nPayroll = 0, nCashSum = 0;
    int nCashLo = 0, nCashHi = 0;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        int nRoster = 0;
        for (PNUM nPlayer = 0; nPlayer < PLAYERS_PER_TEAM; nPlayer++) {
            if (!Is_Valid_Player(nTeam, nPlayer)) continue;
            nRoster++;
            nAges += Get_Player_Vital_Stat(nTeam, nPlayer, VS_AGE);
            nPayroll += Get_Player_Vital_Stat(nTeam, nPlayer, VS_CAP_IMPACT);
            int nRating = Player_Overall_Rating(nTeam, nPlayer);
            nAllRatings += nRating;
            int nPosition = Get_Player_Vital_Stat(nTeam, nPlayer, VS_POSITION);
            for (int nGroup = 0; nGroup < NUMBER_OF_RATING_GROUPS; nGroup++)
                if (nPosition >= RATING_GROUPS[nGroup].nFirst && nPosition <= RATING_GROUPS[nGroup].nLast)
                    aRatings[nGroup].push_back(nRating);
        }
        nPlayers += nRoster;
        nSmallest = std::min(nSmallest, nRoster);
        nLargest = std::max(nLargest, nRoster);
        int nCash = Get_Team_Financial_Stat(nTeam, FIN_CASH);
        nCashLo = nTeams ? std::min(nCashLo, nCash) : nCash;
        nCashHi = nTeams ? std::max(nCashHi, nCash) : nCash;
        nCashSum += nCash;
        nTeams++;
    }
    std::string szOut;
    char szText[160];
    for (std::vector<int>& ratings : aRatings) {
        std::sort(ratings.begin(), ratings.end());
        double fMean = 0;
        for (int nRating : ratings) fMean += nRating;
        size_t nCount = ratings.size();
        snprintf(szText, sizeof szText, "%.1f\t%d\t", nCount ? fMean / nCount : 0.0,
                 nCount ? ratings[std::min(nCount - 1, nCount * 9 / 10)] : 0);
        szOut += szText;
    }
    double fCap = Get_League_Rule(LR_SALARY_CAP) / 1000.0;  // the payroll is in thousands
    double fMeanCash = nTeams ? (double)nCashSum / nTeams : 0;
    AgingTally tally = Get_Aging_Tally();
    snprintf(szText, sizeof szText, "%.2f\t%d\t%d\t%d\t%d\t%d\t%d\t%d\t%.3f\t%.1f\t%.1f\t%.1f\t%d",
             nPlayers ? (double)nAges / nPlayers : 0.0, nSmallest, nLargest, Number_Of_Players(FREE_AGENT_TEAM),
             tally.nRetirements, tally.nInductions, g_nTrades, Get_Signing_Tally(),
             nTeams && fCap > 0 ? nPayroll / (nTeams * fCap) : 0.0, nCashLo / 1e6, fMeanCash / 1e6, nCashHi / 1e6,
             Count_History_Records_In_Use());
    pDrift->fAge = nPlayers ? (double)nAges / nPlayers : 0.0;
    pDrift->fRating = nPlayers ? (double)nAllRatings / nPlayers : 0.0;
    pDrift->fCash = fMeanCash / 1e6;
    pDrift->fHistory = Count_History_Records_In_Use();
    return szOut + szText;
}

std::string Header() {
    std::string szHeader = "season\tchampion\tpoints\tyards\tcomp_pct\tsacks\tints";
    for (const Leader& leader : LEADERS) szHeader += std::string("\t") + leader.szName;
    for (const RatingGroup& group : RATING_GROUPS)
        szHeader += std::string("\t") + group.szName + "_mean\t" + group.szName + "_p90";
    return szHeader + "\tmean_age\troster_min\troster_max\tfree_agents\tretired\tinducted\ttrades\tsignings"
                      "\tpayroll_cap\tcash_min_m\tcash_mean_m\tcash_max_m\thistory";
}

// The league checked; false, with the violations on stderr, at the first unsound state.
bool League_Sound(int nYear, const char* szWhen) {
    std::vector<std::string> violations;
    if (Check_League_Integrity(&violations) == 0) return true;
    fprintf(stderr, "brakvell-sim: the league breaks its rules %s %d:\n", szWhen, nYear);
    for (const std::string& szViolation : violations) fprintf(stderr, "  %s\n", szViolation.c_str());
    return false;
}

// The off-season, the draft to its end and the new season's first week set up.
bool Start_Season_After(int nYear) {
    int nSeason = Current_Season_Index();
    Play_Weeks(1);
    // The person's picks, when there is one, go to the computer too.
    for (int nTurn = 0; College_Draft_Running() && nTurn < NUMBER_OF_DRAFT_ROUNDS + 1; nTurn++) End_College_Draft();
    if (College_Draft_Running()) {
        fprintf(stderr, "brakvell-sim: the draft after %d does not end\n", nYear);
        return false;
    }
    if (Current_Season_Index() != nSeason + 1) {
        fprintf(stderr, "brakvell-sim: the season after %d did not start\n", nYear);
        return false;
    }
    return true;
}

// A saved copy taken up again, as a person would between seasons.
bool Save_And_Load_Again() {
    const char* szScratch = "soak-reload.vtr";
    return Save_Game(szScratch) == SAVE_OK && Load_League_File(szScratch);
}

// One small chart per figure, stacked: the line across the seasons, its range written beside it.
bool Write_Plot(const std::string& szFile, const std::vector<Drift>& drift) {
    struct Figure {
        const char* szTitle;
        double Drift::*pValue;
    };
    const Figure FIGURES[] = {
        {"points per team-game", &Drift::fPoints},     {"mean franchise age", &Drift::fAge},
        {"mean overall rating", &Drift::fRating},      {"mean cash ($M)", &Drift::fCash},
        {"history records in use", &Drift::fHistory},
    };
    constexpr int WIDTH = 640, CHART = 110, GAP = 30, LEFT = 60, PLOT_WIDTH = 540;
    FILE* pFile = fopen(szFile.c_str(), "w");
    if (!pFile) return false;
    int nHeight = (int)(sizeof FIGURES / sizeof FIGURES[0]) * (CHART + GAP) + GAP;
    fprintf(pFile,
            "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" font-family=\"sans-serif\" "
            "font-size=\"11\">\n<rect width=\"100%%\" height=\"100%%\" fill=\"white\"/>\n",
            WIDTH, nHeight);
    int nTop = GAP;
    for (const Figure& figure : FIGURES) {
        double fLo = 0, fHi = 0;
        for (size_t n = 0; n < drift.size(); n++) {
            double f = drift[n].*figure.pValue;
            fLo = n ? std::min(fLo, f) : f;
            fHi = n ? std::max(fHi, f) : f;
        }
        double fSpan = fHi > fLo ? fHi - fLo : 1;
        fprintf(pFile, "<text x=\"%d\" y=\"%d\">%s</text>\n", LEFT, nTop - 6, figure.szTitle);
        fprintf(pFile, "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"none\" stroke=\"#bbb\"/>\n", LEFT,
                nTop, PLOT_WIDTH, CHART);
        fprintf(pFile, "<text x=\"%d\" y=\"%d\" text-anchor=\"end\">%.1f</text>\n", LEFT - 4, nTop + 10, fHi);
        fprintf(pFile, "<text x=\"%d\" y=\"%d\" text-anchor=\"end\">%.1f</text>\n", LEFT - 4, nTop + CHART, fLo);
        fprintf(pFile, "<polyline fill=\"none\" stroke=\"#1f5fa8\" stroke-width=\"1.5\" points=\"");
        for (size_t n = 0; n < drift.size(); n++) {
            double fX = LEFT + (drift.size() > 1 ? PLOT_WIDTH * (double)n / (drift.size() - 1) : PLOT_WIDTH / 2.0);
            double fY = nTop + CHART - CHART * (drift[n].*figure.pValue - fLo) / fSpan;
            fprintf(pFile, "%s%.1f,%.1f", n ? " " : "", fX, fY);
        }
        fprintf(pFile, "\"/>\n");
        if (!drift.empty())
            fprintf(pFile, "<text x=\"%d\" y=\"%d\">%d</text><text x=\"%d\" y=\"%d\" text-anchor=\"end\">%d</text>\n",
                    LEFT, nTop + CHART + 12, drift.front().nYear, LEFT + PLOT_WIDTH, nTop + CHART + 12,
                    drift.back().nYear);
        nTop += CHART + GAP;
    }
    fprintf(pFile, "</svg>\n");
    return fclose(pFile) == 0;
}

struct SoakOptions {
    std::string szFile;  // empty with --new
    bool bNew = false;
    long nSeasons = 0, nSeed = -1, nTeams = 0, nReload = 0;
    std::string szPlot;
};

// 0 when the options are whole, else the usage's status.
int Parse_Soak(int argc, char** argv, SoakOptions* pOptions) {
    SoakOptions& options = *pOptions;
    for (int i = 0; i < argc; i++) {
        if (strcmp(argv[i], "--new") == 0) {
            options.bNew = true;
        } else if (strcmp(argv[i], "--plot") == 0 && i + 1 < argc) {
            options.szPlot = argv[++i];
        } else if (strcmp(argv[i], "--teams-fixture") == 0 && i + 1 < argc) {
            const char* szTeams = argv[++i];
            if (strcmp(szTeams, "8") != 0 && strcmp(szTeams, "2") != 0) return Sim_Usage(USAGE);
            options.nTeams = atoi(szTeams);
        } else if (argv[i][0] != '-' && options.szFile.empty()) {
            options.szFile = argv[i];
        } else if (!Parse_Option(i, argc, argv, "--seasons", options.nSeasons, 1, NUMBER_OF_SEASONS) &&
                   !Parse_Option(i, argc, argv, "--seed", options.nSeed, 0, MAXIMUM_SEED) &&
                   !Parse_Option(i, argc, argv, "--reload", options.nReload, 1, NUMBER_OF_SEASONS)) {
            return Sim_Usage(USAGE);
        }
    }
    // One league, new or saved; the fixtures are cut from the new one only.
    if (options.bNew == !options.szFile.empty() || options.nSeasons < 1 || options.nSeed < 0 ||
        (options.nTeams && !options.bNew))
        return Sim_Usage(USAGE);
    return 0;
}

// The seasons, a line each; false at the first that fails or leaves the league unsound.
bool Run_Soak(const SoakOptions& options, std::vector<Drift>* pDrift) {
    printf("%s\n", Header().c_str());
    fflush(stdout);
    for (long n = 0; n < options.nSeasons; n++) {
        int nYear = Current_Calendar_Year();
        g_nTrades = 0;
        Reset_Signing_Tally();
        Drift drift = {nYear, 0, 0, 0, 0, 0};
        if (!Finish_Season()) {
            fprintf(stderr, "brakvell-sim: the %d season does not finish\n", nYear);
            return false;
        }
        char szChampion[TEXT_SIZE] = "none";
        TNUM nChampion = Get_League_Champion();
        if (nChampion != NO_TEAM) Get_Team_Abbreviation(nChampion, szChampion);
        std::string szSeason = Season_Figures(&drift);
        if (!League_Sound(nYear, "at the end of") || !Start_Season_After(nYear) ||
            !League_Sound(nYear + 1, "at the start of"))
            return false;
        if (options.nReload && (n + 1) % options.nReload == 0 && !Save_And_Load_Again()) {
            fprintf(stderr, "brakvell-sim: the league saved after %d cannot be loaded again\n", nYear);
            return false;
        }
        std::string szLeague = League_Figures(&drift);
        printf("%d\t%s\t%s\t%s\n", nYear, Printable(szChampion).c_str(), szSeason.c_str(), szLeague.c_str());
        fflush(stdout);
        pDrift->push_back(drift);
    }
    return true;
}

void Hand_Every_Team_To_The_Computer() {
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        if (Valid_Team(nTeam)) Set_Team_Stat(nTeam, TEAM_STAT_CONTROL, COMPUTER_MANAGED);
}
}  // namespace

int Sim_Soak(int argc, char** argv) {
    SoakOptions options;
    if (int nStatus = Parse_Soak(argc, argv, &options)) return nStatus;
    std::error_code error;
    fs::path gameFolder = fs::current_path(error);
    std::string szFile;
    if (!options.bNew) {
        // Taken up where it lies: the seasons run in a scratch folder.
        szFile = fs::absolute(options.szFile, error).string();
        if (!Open_Game_To_Write_Back(szFile.c_str())) return 1;
        gameFolder = fs::path(szFile).parent_path();
    }
    // The seasons would need a yearly record the league does not have.
    if (!options.bNew && Current_Season_Index() + options.nSeasons >= NUMBER_OF_SEASONS) {
        fprintf(stderr,
                "brakvell-sim: %s is in its season %d of %d; %ld more would need a season past the league's "
                "records\n",
                Printable(options.szFile.c_str()).c_str(), Current_Season_Index() + 1, NUMBER_OF_SEASONS,
                options.nSeasons);
        return 1;
    }
    if (options.bNew && options.nSeasons >= NUMBER_OF_SEASONS) {
        fprintf(stderr, "brakvell-sim: a new league holds %d seasons; %ld more would need a season past them\n",
                NUMBER_OF_SEASONS, options.nSeasons);
        return 1;
    }
    ScratchFolder folder;
    if (!Enter_Scratch_Folder("brakvell-soak", gameFolder, &folder)) return 1;
    if (options.bNew) {
        if (!Link_Universe(folder)) {
            Leave_Scratch_Folder(folder);
            fprintf(stderr, "brakvell-sim: soak --new needs %s in the working folder\n", UNIVERSE_FILE);
            return 1;
        }
        if (!Start_Default_Game((uint32_t)options.nSeed, (int)options.nTeams)) {
            Leave_Scratch_Folder(folder);
            fprintf(stderr, "brakvell-sim: cannot start a new game of the default league\n");
            return 1;
        }
    }
    Hand_Every_Team_To_The_Computer();
    Seed_Random((uint32_t)options.nSeed);
    Set_Play_By_Play_File(false);
    Set_Game_State(GS_AUTOSAVE, 0);
    Skip_Automatic_Saves(true);
    Set_Contract_Policy(CONTRACT_POLICY_SIGN);
    Set_Computer_Trade_Observer(Count_Trade);
    std::vector<Drift> drift;
    bool bSound = Run_Soak(options, &drift);
    Set_Computer_Trade_Observer(nullptr);
    Skip_Automatic_Saves(false);
    Set_Play_By_Play_File(true);
    Leave_Scratch_Folder(folder);
    int nStatus = bSound ? 0 : 1;
    // Kept at a stop too, so the unsound league can be looked at.
    if (!szFile.empty() && Save_Game(szFile.c_str()) != SAVE_OK) {
        fprintf(stderr, "brakvell-sim: cannot save %s\n", Printable(options.szFile.c_str()).c_str());
        nStatus = 1;
    }
    if (!options.szPlot.empty() && !Write_Plot(options.szPlot, drift)) {
        fprintf(stderr, "brakvell-sim: cannot write %s\n", Printable(options.szPlot.c_str()).c_str());
        nStatus = 1;
    }
    return nStatus;
}

// Whole season cycles of the default league in the computer's hands: the
// regular season, the playoffs, the off-season with the draft, each timed on
// the processor, and the check a soak adds to each.
int Bench_Cycle(int argc, char** argv) {
    long nCount = 3, nSeed = 1;
    ScratchFolder folder;
    if (int nStatus = Start_League_Bench("cycle", NUMBER_OF_SEASONS - 1, argc, argv, &nCount, &nSeed, &folder))
        return nStatus;
    Hand_Every_Team_To_The_Computer();
    Set_Game_State(GS_AUTOSAVE, 0);
    Skip_Automatic_Saves(true);
    Set_Play_By_Play_File(false);
    std::vector<double> cycles, checks;
    bool bPlayed = true;
    for (long n = 0; bPlayed && n < nCount; n++) {
        int nYear = Current_Calendar_Year();
        double fStart = Cpu_Ms();
        bPlayed = Finish_Season() && Start_Season_After(nYear);
        double fCycle = Cpu_Ms() - fStart;
        fStart = Cpu_Ms();
        Check_League_Integrity(nullptr);
        double fCheck = Cpu_Ms() - fStart;
        cycles.push_back(fCycle);
        checks.push_back(fCheck);
        printf("cycle %ld (%d): %.1f ms on the processor, check %.1f ms\n", n + 1, nYear, fCycle, fCheck);
    }
    Set_Play_By_Play_File(true);
    Skip_Automatic_Saves(false);
    Leave_Scratch_Folder(folder);
    if (!bPlayed) return 1;
    double fCycle = Median(cycles);
    printf("soak of 99 seasons: about %.1f s (the median cycle and its checks, 99 times)\n",
           99 * (fCycle + 2 * Median(checks)) / 1000);
    printf("ms/cycle: %.0f\n", fCycle);
    return 0;
}
