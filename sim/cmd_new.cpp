// brakvell-sim new: a new game from the default league.
#include "sim/commands.h"

int Sim_New(int, char**) {
    return Sim_Usage("new --team T --difficulty D [--shuffle] [--equalize] [--simulation] [--seed S] --out FILE");
}
