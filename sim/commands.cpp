#include "sim/commands.h"

#include <cstdio>

int Sim_Check(int argc, char** argv);

// Each command group adds its entries here.
static const SimCommand COMMANDS[] = {
    {"check", "check FILE", "verify a league's integrity and list every violation", Sim_Check},
    {nullptr, nullptr, nullptr, nullptr},
};

const SimCommand* Sim_Commands() { return COMMANDS; }

int Sim_Usage(const char* szUsage) {
    fprintf(stderr, "usage: brakvell-sim %s\n", szUsage);
    return 2;
}
