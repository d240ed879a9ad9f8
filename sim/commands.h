// The commands of brakvell-sim. Each takes the arguments after its name and
// returns the exit status: 0 success, 1 failure, 2 wrong arguments.
#pragma once
#include <cstdint>
#include <filesystem>
#include <string>

#include "database/league_database.h"
#include "personnel/negotiation.h"

#define BRAKVELL_VERSION 2187
#define BRAKVELL_VERSION_TEXT "2.1.8.7"

struct SimCommand {
    const char* szName;
    const char* szUsage;
    const char* szHelp;
    int (*pRun)(int argc, char** argv);
};

// The table ends with an entry whose name is null.
const SimCommand* Sim_Commands();

// Prints "usage: brakvell-sim <usage>" on stderr and returns 2.
int Sim_Usage(const char* szUsage);
// An option with a whole-number value at argv[i] ("--seed 7"): true when it
// is szName with a number from nLo to nHi, and i then steps over the value.
// A number out of range is reported by the option's name.
bool Parse_Option(int& i, int argc, char** argv, const char* szName, long& nValue, long nLo, long nHi);
// "--contracts ask|sign|release" at argv[i]: true when it is that option,
// with *pBad set for an unknown policy.
bool Parse_Contract_Policy(int& i, int argc, char** argv, ContractPolicy* pPolicy, bool* pBad);
constexpr long MAXIMUM_SEED = 0xFFFFFFFFL;  // the generator takes 32 bits
// Text from a file as it may reach a terminal: control characters as \xNN.
std::string Printable(const char* szText, size_t nMaximum = (size_t)-1);

// A scratch folder in the temporary directory becomes the working folder, so
// that files a command writes (play-by-play, reports, saves) never land in the
// caller's game folder. The name lists are linked in from gameFolder, for
// the players a season creates. Leaving removes it and returns to the caller's folder.
struct ScratchFolder {
    std::filesystem::path old, scratch;
};
// A fresh folder of our own or nothing: false, with a message, when it
// cannot be made or entered.
bool Enter_Scratch_Folder(const char* szStem, const std::filesystem::path& gameFolder, ScratchFolder* pFolder);
void Leave_Scratch_Folder(const ScratchFolder& folder);

// A team code, or a team's abbreviation (case ignored), of a team in use.
bool Parse_Team(const char* szArg, TNUM* pTeam);
// A slot of the team that holds a player; false, with a message, for any other text.
bool Parse_Player_Slot(TNUM nTeam, const char* szArg, PNUM* pSlot);

// A league file loaded as the game loads one, and made ready as every load is.
bool Load_League_File(const char* szFile);
// The program's start, seeded, then the default league of the working folder
// as a new game: team 0 at "Coach", no options, as
// `new --team 0 --difficulty 1 --seed S` makes it. False when Universe.dat is
// missing or cannot be set up. nTeams > 0 keeps only the first nTeams franchises.
bool Start_Default_Game(uint32_t nSeed, int nTeams = 0);
// Universe.dat of the caller's folder linked into a scratch folder, for the
// commands that start a new game there; false when the caller has none.
bool Link_Universe(const ScratchFolder& folder);
// A saved game that can be written back (not the default league, not locked
// by another process, a writable file in a writable folder); otherwise false
// with a message ("%s in a saved game made by 'new'" for the default league).
bool Writable_Game(const char* szFile, const char* szVerb);
