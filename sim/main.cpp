// brakvell-sim: the headless tool. New leagues, weeks and seasons, saved
// games, reports and benchmarks, without a window.
#include <cstdio>
#include <cstring>
#include <string>

#include "commands/core_hooks.h"
#include "platform/headless.h"
#include "sim/commands.h"

static const char* const USAGE = "usage: brakvell-sim [--help | --version | COMMAND ARGS...]\n";

static void Print_Help() {
    printf("%s\nBrakvell %s, the headless tool.\n\nCommands:\n", USAGE, BRAKVELL_VERSION_TEXT);
    for (const SimCommand* p = Sim_Commands(); p->szName; p++) printf("  %-40s %s\n", p->szUsage, p->szHelp);
    printf("\nOptions:\n  --help      show this text\n  --version   print the version number\n");
}

int main(int argc, char** argv) {
    Headless_Echo_Notices(true);
    Install_Core_Hooks();
    if (argc < 2) {
        Print_Help();
        return 0;
    }
    std::string szArg = argv[1];
    if (szArg == "--help" || szArg == "-h") {
        Print_Help();
        return 0;
    }
    if (szArg == "--version") {
        printf("%s\n", BRAKVELL_VERSION_TEXT);
        return 0;
    }
    for (const SimCommand* p = Sim_Commands(); p->szName; p++)
        if (szArg == p->szName) return p->pRun(argc - 2, argv + 2);
    fprintf(stderr, "brakvell-sim: unknown argument '%s'\n%s", argv[1], USAGE);
    return 2;
}
