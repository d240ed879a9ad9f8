// brakvell-sim commands for single games: play one and print it, or time many.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "database/league_database.h"
#include "database/random.h"
#include "database/saved_game.h"
#include "database/text_format.h"
#include "personnel/injuries.h"
#include "simulation/game.h"
#include "simulation/game_league.h"
#include "sim/commands.h"
#include "tests/simulation/game_fixture.h"


namespace {
const char* const DEMO_LEAGUE = ":demo";

bool Load_League(const char* szFile) {
    if (strcmp(szFile, DEMO_LEAGUE) == 0) {
        game_fixture::Build_League(1, 4);
        return true;
    }
    return Load_Game(szFile);
}

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
    if (nPosition == P_QB) return "Att Cmp Yds TD Int";
    switch (Game_Position_Side(nPosition)) {
    case 0: return "Rush Yds Rec Yds TD";
    case 1: return "Sk/2 Int - - TD";
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
            int nPosition = nSlot == NO_PLAYER ? P_T : Game_Player_Position(nTeam, nSlot);
            if (nSlot != NO_PLAYER) {
                Game_Player_Full_Name(nTeam, nSlot, szName);
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
        if (!Parse_Option(i, argc, argv, "--seed", nSeed)) return Sim_Usage(szUsage);
    if (!Load_League(argv[0])) return 1;
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

double Games_Per_Second(int nCount, bool bFiles) {
    Set_Play_By_Play_File(bFiles);
    int nTeams = Number_Of_Teams();
    GameRecord game;
    auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < nCount; i++) {
        TNUM nHome = (TNUM)(i % nTeams), nVisitor = (TNUM)((i + 1 + i / nTeams) % nTeams);
        if (nVisitor == nHome) nVisitor = (TNUM)((nHome + 1) % nTeams);
        Play_Game(nHome, nVisitor, Current_Week(), &game);
        if ((i + 1) % (nTeams / 2) == 0) Heal_Injuries();  // a week's games
    }
    double fSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return fSeconds > 0 ? nCount / fSeconds : 0;
}
}  // namespace

int Sim_Game(int argc, char** argv) { return Game_Command(argc, argv); }

int Bench_Season(int argc, char** argv);

int Sim_Bench(int argc, char** argv) {
    const char* szUsage = "bench games|season [--count N] [--seed S]";
    if (argc >= 1 && strcmp(argv[0], "season") == 0) return Bench_Season(argc, argv);
    if (argc < 1 || strcmp(argv[0], "games") != 0) return Sim_Usage(szUsage);
    long nCount = 200, nSeed = 1;
    for (int i = 1; i < argc; i++)
        if (!Parse_Option(i, argc, argv, "--count", nCount) && !Parse_Option(i, argc, argv, "--seed", nSeed))
            return Sim_Usage(szUsage);
    if (nCount < 1) return Sim_Usage(szUsage);
    game_fixture::Build_League((uint32_t)nSeed, 8);
    Seed_Random((uint32_t)nSeed);
    // The files go to a scratch folder, not the caller's.
    std::error_code error;
    auto old = std::filesystem::current_path();
    auto scratch = std::filesystem::temp_directory_path() / ("brakvell-bench-" + std::to_string(getpid()));
    std::filesystem::create_directories(scratch, error);
    std::filesystem::current_path(scratch, error);
    double fWithFiles = Games_Per_Second((int)nCount, true);
    std::filesystem::current_path(old, error);
    std::filesystem::remove_all(scratch, error);
    double fWithout = Games_Per_Second((int)nCount, false);
    Set_Play_By_Play_File(true);
    printf("games: %ld\n", nCount);
    printf("games/s with play-by-play files: %.0f\n", fWithFiles);
    printf("games/s: %.0f\n", fWithout);
    return 0;
}
