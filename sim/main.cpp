// brakvell-sim: the headless tool. New leagues, weeks and seasons, saved
// games, reports and benchmarks, without a window.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "commands/core_hooks.h"
#include "platform/headless.h"
#include "sim/commands.h"

// A terminal obeys control characters: a name in a file could clear or
// retitle it. What goes to one is shown escaped; pipes and files get it as is.
static ssize_t Write_Escaped(void* pCookie, const char* pBytes, size_t nSize) {
    int nFd = (int)(intptr_t)pCookie;
    std::string szOut;
    for (size_t i = 0; i < nSize; i++) {
        unsigned char c = (unsigned char)pBytes[i];
        if ((c < 0x20 && c != '\n' && c != '\t') || c == 0x7f) {
            char szEscape[8];
            snprintf(szEscape, sizeof szEscape, "\\x%02x", c);
            szOut += szEscape;
        } else {
            szOut += (char)c;
        }
    }
    for (size_t nDone = 0; nDone < szOut.size();) {
        ssize_t n = write(nFd, szOut.data() + nDone, szOut.size() - nDone);
        if (n <= 0) return -1;
        nDone += (size_t)n;
    }
    return (ssize_t)nSize;
}

static FILE* Escaping_Stream(FILE* pStream, int nFd) {
    if (!isatty(nFd)) return pStream;
    fflush(pStream);
    cookie_io_functions_t functions = {nullptr, Write_Escaped, nullptr, nullptr};
    FILE* pEscaping = fopencookie((void*)(intptr_t)nFd, "w", functions);
    if (!pEscaping) return pStream;
    setvbuf(pEscaping, nullptr, _IOLBF, 0);
    return pEscaping;
}

static const char* const USAGE = "usage: brakvell-sim [--help | --version | COMMAND ARGS...]\n";

static void Print_Help() {
    printf("%s\nBrakvell %s, the headless tool.\n\nCommands:\n", USAGE, BRAKVELL_VERSION_TEXT);
    for (const SimCommand* p = Sim_Commands(); p->szName; p++) printf("  %-40s %s\n", p->szUsage, p->szHelp);
    printf("\nOptions:\n  --help      show this text\n  --version   print the version number\n");
}

int main(int argc, char** argv) {
    stdout = Escaping_Stream(stdout, STDOUT_FILENO);
    stderr = Escaping_Stream(stderr, STDERR_FILENO);
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
