#include "sim/commands.h"

#include <cstdio>

// Each command group adds its entries here.
static const SimCommand COMMANDS[] = {
    {nullptr, nullptr, nullptr, nullptr},
};

const SimCommand* Sim_Commands() { return COMMANDS; }

int Sim_Usage(const char* szUsage) {
    fprintf(stderr, "usage: brakvell-sim %s\n", szUsage);
    return 2;
}
