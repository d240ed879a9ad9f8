// brakvell-sim commands for single games: play one and print it, or time many.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>
#include <unistd.h>

#include "base/random.h"
#include "database/league_database.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "database/text_format.h"
#include "personnel/injuries.h"
#include "personnel/roster.h"
#include "platform/files.h"
#include "sim/commands.h"
#include "simulation/game.h"
#include "simulation/game_league.h"
#include "trades/roster_review.h"

namespace {
// A team code or an abbreviation (any case).
TNUM Find_Team(const char* szName) {
    char* pEnd = nullptr;
    long nCode = strtol(szName, &pEnd, 10);
    if (pEnd && *pEnd == '\0' && pEnd != szName)
        return nCode >= 0 && nCode < NUMBER_OF_FRANCHISES && Valid_Team((TNUM)nCode) ? (TNUM)nCode : NO_TEAM;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++) {
        if (!Valid_Team(nTeam)) continue;
        char szAbbreviation[TEXT_SIZE];
        Get_Team_Abbreviation(nTeam, szAbbreviation);
        if (strcasecmp(szAbbreviation, szName) == 0) return nTeam;
    }
    return NO_TEAM;
}

void Print_Team_Stats(const GameRecord* g) {
    static const char* const LABELS[] = {"First downs", "Rushes", "Rushing yards", "Pass attempts", "Completions",
                                         "Passing yards", "Turnovers", "Sacks", "Penalties", "Penalty yards",
                                         "Third downs", "Third-down conversions", "Fourth downs",
                                         "Fourth-down conversions"};
    char szVisitor[TEXT_SIZE], szHome[TEXT_SIZE];
    Get_Team_Abbreviation(g->anTeam[0], szVisitor);
    Get_Team_Abbreviation(g->anTeam[1], szHome);
    printf("\n%-26s %6s %6s\n", "", szVisitor, szHome);
    for (int i = 0; i < TG_POSSESSION; i++) printf("%-26s %6d %6d\n", LABELS[i], g->anTeamStats[0][i], g->anTeamStats[1][i]);
    int nA = g->anTeamStats[0][TG_POSSESSION], nB = g->anTeamStats[1][TG_POSSESSION];
    printf("%-26s %3d:%02d %3d:%02d\n", "Time of possession", nA / 60, nA % 60, nB / 60, nB % 60);
}

// The five columns mean different things by row: passers, other offence, defence, kickers.
const char* Box_Labels(int nPosition) {
    if (nPosition == POS_QB) return "Att Cmp Yds TD Int";
    switch (Position_Side(nPosition)) {
    case SIDE_OFFENCE: return "Rush Yds Rec Yds TD";
    case SIDE_DEFENCE: return "Sk/2 Int - - TD";
    default: return "XPA XP FGA FG -";
    }
}

void Print_Box_Score(const GameRecord* g) {
    for (int nSide = 1; nSide >= 0; nSide--) {
        TNUM nTeam = g->anTeam[nSide];
        char szLabel[TEXT_SIZE];
        Get_Team_Label(nTeam, szLabel);
        printf("\n%s %d\n", szLabel, g->anScore[nSide]);
        for (int nLine = 0; nLine < BOX_LINES; nLine++) {
            int nID = g->anBoxPlayers[nSide][nLine];
            if (nID == 0) continue;
            PNUM nSlot = NO_PLAYER;
            for (PNUM n = 0; n < PLAYERS_PER_TEAM && nSlot == NO_PLAYER; n++)
                if (Game_Player_ID(nTeam, n) == nID) nSlot = n;
            char szName[TEXT_SIZE] = "?", szPosition[TEXT_SIZE] = "";
            int nPosition = nSlot == NO_PLAYER ? POS_T : Game_Player_Position(nTeam, nSlot);
            if (nSlot != NO_PLAYER) {
                Get_Player_Full_Name(nTeam, nSlot, szName);
                Get_Position_Abbreviation(nPosition, szPosition);
            }
            printf("  %-28s %-2s", szName, szPosition);
            for (int c = 0; c < BOX_COLUMNS; c++) printf(" %5d", g->anBoxLines[nSide][nLine][c]);
            printf("   %s\n", Box_Labels(nPosition));
        }
    }
}

int Game_Command(int argc, char** argv) {
    const char* szUsage = "game FILE HOME VISITOR [--seed S]";
    if (argc < 3) return Sim_Usage(szUsage);
    long nSeed = 1;
    for (int i = 3; i < argc; i++)
        if (!Parse_Option(i, argc, argv, "--seed", nSeed, 0, MAXIMUM_SEED)) return Sim_Usage(szUsage);
    if (!Load_League_File(argv[0])) return 1;
    TNUM nHome = Find_Team(argv[1]), nVisitor = Find_Team(argv[2]);
    if (nHome == NO_TEAM || nVisitor == NO_TEAM || nHome == nVisitor) {
        fprintf(stderr, "brakvell-sim: no such pair of teams: %s, %s\n", argv[1], argv[2]);
        return 1;
    }
    Seed_Random((uint32_t)nSeed);
    Set_Play_By_Play_File(false);
    GameRecord game;
    if (!Play_Game(nHome, nVisitor, Current_Week(), &game)) return 1;
    Order_Box_Score(&game);
    fputs(Play_By_Play_Text(), stdout);
    Print_Team_Stats(&game);
    Print_Box_Score(&game);
    return 0;
}

// Sums over the games of a bench run, per team per game when printed.
struct BenchTotals {
    long nTeamGames = 0;
    long nPlays = 0, nPoints = 0, nYards = 0, nAttempts = 0, nCompletions = 0, nRushes = 0;
    long nTurnovers = 0, nSacks = 0, nPenalties = 0, nPunts = 0, nFieldGoals = 0, nFieldGoalsTried = 0;
};

void Add_Game(BenchTotals& t, const GameRecord* g) {
    for (int nSide = 0; nSide < SIDES; nSide++) {
        const int16_t* s = g->anTeamStats[nSide];
        int nSacked = g->anTeamStats[1 - nSide][TG_SACKS];
        t.nTeamGames++;
        t.nPlays += s[TG_RUSHES] + s[TG_PASS_ATTEMPTS] + nSacked;
        t.nPoints += g->anScore[nSide];
        t.nYards += s[TG_RUSH_YARDS] + s[TG_PASS_YARDS];
        t.nAttempts += s[TG_PASS_ATTEMPTS];
        t.nCompletions += s[TG_COMPLETIONS];
        t.nRushes += s[TG_RUSHES];
        t.nTurnovers += s[TG_TURNOVERS];
        t.nSacks += s[TG_SACKS];
        t.nPenalties += s[TG_PENALTIES];
    }
}

// Punts and field goals are not in the game record: the kickers' season
// totals of every team grow by them.
long Kicking_Total(const int* pStats, int nCount) {
    long nSum = 0;
    for (TNUM nTeam = 0; nTeam < NUMBER_OF_FRANCHISES; nTeam++)
        for (int i = 0; i < nCount; i++) nSum += Get_Team_Total(nTeam, LINE_KICKERS, PERIOD_THIS_SEASON, pStats[i]);
    return nSum;
}
constexpr int PUNTS[] = {SS_PUNTS};
constexpr int FIELD_GOALS[] = {SS_FG_UNDER_30, SS_FG_UNDER_40, SS_FG_UNDER_50, SS_FG_50_PLUS};
constexpr int FIELD_GOALS_TRIED[] = {SS_FGA_UNDER_30, SS_FGA_UNDER_40, SS_FGA_UNDER_50, SS_FGA_50_PLUS};

constexpr int SEASON_GAMES_PER_TEAM = 16;

// The kicking counters gained since the marks were taken.
void Add_Kicking(BenchTotals& totals, long nPunts, long nMade, long nTried) {
    totals.nPunts += Kicking_Total(PUNTS, 1) - nPunts;
    totals.nFieldGoals += Kicking_Total(FIELD_GOALS, 4) - nMade;
    totals.nFieldGoalsTried += Kicking_Total(FIELD_GOALS_TRIED, 4) - nTried;
}

double Cpu_Seconds() {
    timespec now;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec / 1e9;
}

// Games per second of CPU time (the machine may be shared, so wall time says
// little about one core). After every round the week's upkeep heals injuries,
// fills short rosters and reorganises them, as the season loop does.
double Games_Per_Second(int nCount, bool bFiles, BenchTotals& totals, const std::vector<unsigned char>& fresh) {
    Set_Play_By_Play_File(bFiles);
    int nTeams = Number_Of_Teams();
    long nPunts = Kicking_Total(PUNTS, 1), nMade = Kicking_Total(FIELD_GOALS, 4), nTried = Kicking_Total(FIELD_GOALS_TRIED, 4);
    GameRecord game;
    double fStart = Cpu_Seconds();
    for (int i = 0; i < nCount; i++) {
        TNUM nHome = (TNUM)(i % nTeams), nVisitor = (TNUM)((i + 1 + i / nTeams) % nTeams);
        if (nVisitor == nHome) nVisitor = (TNUM)((nHome + 1) % nTeams);
        Play_Game(nHome, nVisitor, Current_Week(), &game);
        Add_Game(totals, &game);
        if ((i + 1) % (nTeams / 2) == 0) {
            // A week's end as the season loop has it; the upkeep is not a game's time.
            double fUpkeep = Cpu_Seconds();
            Heal_Injuries();
            Review_Computer_Rosters((i + 1) / (nTeams / 2));
            Organise_Computer_Teams();
            // Teams play at most a season's games, so the league starts
            // afresh after each: past that, rosters wear out as no season does.
            if ((i + 1) % (nTeams * SEASON_GAMES_PER_TEAM / 2) == 0) {
                Add_Kicking(totals, nPunts, nMade, nTried);
                memcpy(&g_League, fresh.data(), sizeof g_League);
                nPunts = Kicking_Total(PUNTS, 1);
                nMade = Kicking_Total(FIELD_GOALS, 4);
                nTried = Kicking_Total(FIELD_GOALS_TRIED, 4);
            }
            fStart += Cpu_Seconds() - fUpkeep;
        }
    }
    double fSeconds = Cpu_Seconds() - fStart;
    Add_Kicking(totals, nPunts, nMade, nTried);
    return fSeconds > 0 ? nCount / fSeconds : 0;
}

void Print_Averages(const BenchTotals& t) {
    double f = t.nTeamGames > 0 ? 1.0 / t.nTeamGames : 0;
    printf("averages per team per game over %ld games:\n", t.nTeamGames / 2);
    printf("plays per game: %.1f\n", t.nPlays * f);
    printf("points: %.1f\n", t.nPoints * f);
    printf("total yards: %.1f\n", t.nYards * f);
    printf("pass attempts: %.1f\n", t.nAttempts * f);
    printf("completions: %.1f\n", t.nCompletions * f);
    printf("rushing attempts: %.1f\n", t.nRushes * f);
    printf("turnovers: %.2f\n", t.nTurnovers * f);
    printf("sacks: %.2f\n", t.nSacks * f);
    printf("punts: %.2f\n", t.nPunts * f);
    printf("penalties: %.2f\n", t.nPenalties * f);
    printf("FG%%: %.1f\n", t.nFieldGoalsTried > 0 ? 100.0 * t.nFieldGoals / t.nFieldGoalsTried : 0.0);
}

// The default league of the caller's folder as a new game, rosters organised
// as the season loop organises them before every week: a raw Universe.dat
// plays worse football. False when the caller has no Universe.dat.
bool Start_Bench_League(const ScratchFolder& folder, uint32_t nSeed) {
    if (!Link_Universe(folder) || !Start_Default_Game(nSeed) || Number_Of_Teams() < 2) return false;
    Organise_Every_Team();
    printf("league: %s (%d teams), set up as a new game\n", UNIVERSE_FILE, Number_Of_Teams());
    return true;
}
}  // namespace

int Sim_Game(int argc, char** argv) { return Game_Command(argc, argv); }

int Bench_Season(int argc, char** argv);
int Bench_Offseason(int argc, char** argv);
int Bench_Trades(int argc, char** argv);
int Bench_Cycle(int argc, char** argv);
int Bench_Block(int argc, char** argv);

int Sim_Bench(int argc, char** argv) {
    const char* szUsage = "bench games|season|offseason|trades|block|cycle [--count N] [--seed S]";
    if (argc >= 1 && strcmp(argv[0], "season") == 0) return Bench_Season(argc, argv);
    if (argc >= 1 && strcmp(argv[0], "trades") == 0) return Bench_Trades(argc, argv);
    if (argc >= 1 && strcmp(argv[0], "offseason") == 0) return Bench_Offseason(argc, argv);
    if (argc >= 1 && strcmp(argv[0], "cycle") == 0) return Bench_Cycle(argc, argv);
    if (argc >= 1 && strcmp(argv[0], "block") == 0) return Bench_Block(argc, argv);
    if (argc < 1 || strcmp(argv[0], "games") != 0) return Sim_Usage(szUsage);
    long nCount = 200, nSeed = 1;
    for (int i = 1; i < argc; i++)
        if (!Parse_Option(i, argc, argv, "--count", nCount, 1, 10000000) &&
            !Parse_Option(i, argc, argv, "--seed", nSeed, 0, MAXIMUM_SEED))
            return Sim_Usage(szUsage);
    // The new game and the play-by-play files go to a scratch folder, not the caller's.
    ScratchFolder folder;
    if (!Enter_Scratch_Folder("brakvell-bench", ".", &folder)) return 1;
    if (!Start_Bench_League(folder, (uint32_t)nSeed)) {
        Leave_Scratch_Folder(folder);
        fprintf(stderr, "brakvell-sim: bench games needs %s in the working folder\n", UNIVERSE_FILE);
        return 1;
    }
    // Both runs play the same games from the same league.
    std::vector<unsigned char> league(sizeof g_League);
    memcpy(league.data(), &g_League, sizeof g_League);
    BenchTotals withFiles, totals;
    Seed_Random((uint32_t)nSeed);
    double fWithFiles = Games_Per_Second((int)nCount, true, withFiles, league);
    memcpy(&g_League, league.data(), sizeof g_League);
    Seed_Random((uint32_t)nSeed);
    double fWithout = Games_Per_Second((int)nCount, false, totals, league);
    Set_Play_By_Play_File(true);
    Leave_Scratch_Folder(folder);
    Print_Averages(totals);
    // Equal checksums before and after a change to the game mean equal results.
    printf("league checksum: %08x\n", Saved_Data_Checksum());
    printf("games: %ld\n", nCount);
    printf("games/s with play-by-play files: %.0f\n", fWithFiles);
    printf("games/s: %.0f\n", fWithout);
    return 0;
}
