// brakvell-sim report: the season's league averages beside the real league's.
#include "sim/commands.h"

int Sim_Report(int, char**) { return Sim_Usage("report FILE"); }
