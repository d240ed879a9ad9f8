// brakvell-sim commands that play a saved league's season.
#include "sim/commands.h"

int Sim_Play(int, char**) { return Sim_Usage("play FILE --weeks N [--seed S]"); }

int Bench_Season(int, char**) { return Sim_Usage("bench season [--count N] [--seed S]"); }
