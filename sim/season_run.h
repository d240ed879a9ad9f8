// What the commands that run whole seasons share: the processor clock, the
// median of a bench's runs, a season played to its end and the benches' start.
#pragma once
#include <vector>

#include "sim/commands.h"

// Processor time: on a shared machine the clock on the wall says more about the neighbours.
double Cpu_Ms();
double Median(std::vector<double> values);
// The tool has nobody to make a person's draft picks: a draft waiting for
// one is finished by the computer, as "&End Draft" would.
void End_Waiting_Draft();
// The rest of the season, playoffs and all (a waiting draft ended first);
// false when it does not move on.
bool Finish_Season();
// The start the whole-league benches share: --count and --seed, a scratch
// folder holding a link to the default league, and a new game in it. 0 when
// the game is ready; otherwise the exit status, with the folder already left.
int Start_League_Bench(const char* szName, long nMaxCount, int argc, char** argv, long* pCount, long* pSeed,
                       ScratchFolder* pFolder);
// A saved game taken up to be played and written back, as `play` takes one:
// Universe.dat refused (every new game starts there), the file locked,
// writable where it lies, loaded. False, with the message, when any of it fails.
bool Open_Game_To_Write_Back(const char* szFile);
