// Time to compose every registered page, at the smallest window and at full
// HD, on the default league after a few weeks of games. Runs on the offscreen
// platform; the pictures come from the game folder when it has them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdlib>
#include <strings.h>
#include <filesystem>
#include <string>
#include <unistd.h>

#include "database/game_commands.h"
#include "database/league_database.h"
#include "database/random.h"
#include "database/saved_game.h"
#include "database/team.h"
#include "platform/page_layout.h"
#include "personnel/injuries.h"
#include "reports/games_page.h"
#include "season/schedule.h"
#include "shell/dialogs.h"
#include "shell/drawing.h"
#include "shell/page_view.h"
#include "simulation/game.h"

namespace fs = std::filesystem;

namespace {
constexpr int WEEKS_PLAYED = 4;
constexpr int GS_GAME_NUMBER = 21;
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

// Weeks of games the way the season plays them: a record per game, its
// number for the play-by-play file, the box score ordered afterwards.
void Play_Weeks_Of_Games(int nWeeks) {
    int nRecord = 0;
    for (int nWeek = 0; nWeek < nWeeks; nWeek++) {
        for (TNUM nHome = 0; nHome < Number_Of_Teams(); nHome++) {
            if (Get_Schedule_Kind(nHome, nWeek) != SLOT_FIRST_NAMED || nRecord >= NUMBER_OF_GAME_RECORDS)
                continue;
            TNUM nVisitor = Get_Schedule_Opponent(nHome, nWeek);
            Set_Schedule_Field(nHome, nWeek, SLOT_GAME_RECORD, nRecord);
            Set_Schedule_Field(nVisitor, nWeek, SLOT_GAME_RECORD, nRecord);
            Set_Game_State(GS_GAME_NUMBER, nRecord);
            GameRecord* pGame = Get_Game_Record(nRecord++);
            if (Play_Game(nHome, nVisitor, nWeek, pGame)) Order_Box_Score(pGame);
        }
        Heal_Injuries();
        Set_Game_State(GS_CURRENT_WEEK, nWeek + 1);
    }
}

bool Prepare_League() {
    std::string szUniverse = "Universe.dat";
    if (!fs::exists(szUniverse) || !Load_Game(szUniverse.c_str()) || Number_Of_Teams() < 2) return false;
    Seed_Random(1);
    Make_Season_Schedule();
    Play_Weeks_Of_Games(WEEKS_PLAYED);
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
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::current_path(old);
    fs::remove_all(work);
    return 0;
}
