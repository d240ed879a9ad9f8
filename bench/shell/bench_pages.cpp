// Time to compose every registered page, at the smallest window and at full
// HD, on the default league after a few weeks of the season. Runs on the offscreen
// platform; the pictures come from the game folder when it has them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <strings.h>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "../bench_league.h"
#include "commands/game_commands.h"
#include "database/league_database.h"
#include "database/player.h"
#include "personnel/player_creation.h"
#include "platform/page_layout.h"
#include "reports/games_page.h"
#include "season/season_loop.h"
#include "shell/dialogs.h"
#include "shell/drawing.h"
#include "shell/depth_window.h"
#include "shell/page_view.h"
#include "shell/player_table.h"

namespace fs = std::filesystem;

namespace {
constexpr int WEEKS_PLAYED = 4;
const int PAGES[] = {PAGE_NONE,         PAGE_STANDINGS, PAGE_LEADERS, PAGE_FINANCES,     PAGE_CALENDAR,
                     PAGE_HALL_OF_FAME, PAGE_PLAYOFFS,  PAGE_DRAFT,   PAGE_CHAMPIONSHIP, PAGE_GAMES};

// A scratch folder that sees the game folder's pictures and has its own Output.
fs::path Make_Work_Folder() {
    fs::path work = fs::temp_directory_path() / ("brakvell-bench-pages-" + std::to_string(getpid()));
    fs::create_directories(work / "Output");
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(BRAKVELL_GAME_DIR, ec)) {
        std::string szName = entry.path().filename().string();
        if (strcasecmp(szName.c_str(), "Output") != 0) fs::create_symlink(entry.path(), work / szName, ec);
    }
    return work;
}

bool Prepare_League() {
    if (!fs::exists("Universe.dat") || !Start_Bench_League(1)) return false;
    Set_Game_State(GS_AUTOSAVE, 0);
    Play_Weeks(WEEKS_PLAYED);
    return true;
}

void Compose_Page(benchmark::State& state, int nPage) {
    int nWidth = (int)state.range(0), nHeight = (int)state.range(1);
    PageView view;
    view.resize(nWidth, nHeight);
    Rebuild_Fonts(nWidth, nHeight);
    if (nPage == PAGE_GAMES && !Open_Games_Page()) state.SetLabel("no game to show");
    view.Show_Page(nPage);
    for (auto _ : state) {
        view.Forget_Page();
        benchmark::DoNotOptimize(view.grab());
    }
}
// The person's team filled to the 80-player limit with made-up players of every position.
TNUM Full_Roster_Team() {
    TNUM nTeam = (TNUM)Get_Game_State(GS_USER_TEAM);
    int n = 0;
    for (PNUM p = First_Empty_Slot(nTeam); p != NO_PLAYER; p = First_Empty_Slot(nTeam), n++)
        if (!Fabricate_Player(nTeam, p, n % NUMBER_OF_POSITIONS) || !Is_Valid_Player(nTeam, p)) break;
    return nTeam;
}

// The Offense window of an 80-player team opened, laid out, sorted by a
// heading and painted: what a person waits for.
void Open_Roster_Window(benchmark::State& state) {
    TNUM nTeam = Full_Roster_Team();
    state.SetLabel(std::to_string(Number_Of_Players(nTeam)) + " players");
    for (auto _ : state) {
        DepthWindow window(nullptr, nTeam, (int)state.range(0));
        window.Table()->Sort_By(COLUMN_OVERALL, true);
        benchmark::DoNotOptimize(window.grab());
    }
}

// The whole roster in one table, as the Free Agents and Find Players windows show theirs.
void Sort_Roster_Table(benchmark::State& state) {
    TNUM nTeam = Full_Roster_Team();
    PlayerTable table;
    table.Set_Rows(Get_Player_Rows(nTeam));
    table.resize(table.Fit_Columns(), 800);
    int nColumn = 0;
    for (auto _ : state) {
        table.Set_Rows(Get_Player_Rows(nTeam));
        table.Sort_By(nColumn, false);
        nColumn = (nColumn + 1) % NUMBER_OF_PLAYER_COLUMNS;
        benchmark::DoNotOptimize(table.grab());
    }
}
} // namespace

int main(int argc, char** argv) {
    if (!getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication application(argc, argv);
    fs::path old = fs::current_path();
    fs::path work = Make_Work_Folder();
    fs::current_path(work);
    if (!Prepare_League()) fprintf(stderr, "no default league: pages composed over an empty one\n");
    Register_Features();
    for (int nPage : PAGES) {
        if (!Page_Registered(nPage)) continue;
        std::string szName = "BM_Compose_Page/" + std::to_string(nPage);
        benchmark::RegisterBenchmark(szName.c_str(), Compose_Page, nPage)
            ->Args({LOGICAL_PAGE_WIDTH, LOGICAL_PAGE_HEIGHT})
            ->Args({1920, 1080})
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::RegisterBenchmark("BM_Open_Roster_Window", Open_Roster_Window)
        ->Arg(SIDE_OFFENCE)
        ->Arg(SIDE_KICKERS)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_Sort_Roster_Table", Sort_Roster_Table)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::current_path(old);
    fs::remove_all(work);
    return 0;
}
