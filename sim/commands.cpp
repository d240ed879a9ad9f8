#include "sim/commands.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <strings.h>
#include <unistd.h>
#include <cstdlib>
#include <cstring>

#include "commands/start_up.h"
#include "database/saved_game.h"
#include "platform/files.h"

int Sim_Info(int argc, char** argv);
int Sim_Convert(int argc, char** argv);
int Sim_Check(int argc, char** argv);
int Sim_Standings(int argc, char** argv);
int Sim_Playoffs(int argc, char** argv);
int Sim_Player(int argc, char** argv);
int Sim_Roster(int argc, char** argv);
int Sim_Needs(int argc, char** argv);
int Sim_Finances(int argc, char** argv);
int Sim_Game(int argc, char** argv);
int Sim_Bench(int argc, char** argv);
int Sim_New(int argc, char** argv);
int Sim_Play(int argc, char** argv);
int Sim_Report(int argc, char** argv);
int Sim_Measure(int argc, char** argv);
int Sim_Fame(int argc, char** argv);
int Sim_Offer(int argc, char** argv);
int Sim_Block(int argc, char** argv);
int Sim_Sign(int argc, char** argv);
int Sim_Release(int argc, char** argv);
int Sim_Soak(int argc, char** argv);
int Sim_Scout(int argc, char** argv);
int Sim_Find(int argc, char** argv);
int Sim_Agents(int argc, char** argv);
int Sim_Card(int argc, char** argv);
int Sim_Depth(int argc, char** argv);
int Sim_Draft(int argc, char** argv);

// Each command group adds its entries here.
static const SimCommand COMMANDS[] = {
    {"info", "info FILE", "describe a saved game or Universe.dat", Sim_Info},
    {"convert", "convert IN OUT", "load a file of any version and save it in the current format", Sim_Convert},
    {"check", "check FILE", "verify a league's integrity and list every violation", Sim_Check},
    {"standings", "standings FILE", "print the standings of a saved league", Sim_Standings},
    {"playoffs", "playoffs FILE", "print the playoff field and bracket of a saved league", Sim_Playoffs},
    {"player", "player FILE TEAM SLOT", "show one player's ratings and values", Sim_Player},
    {"scout", "scout FILE TEAM SLOT [--for TEAM]", "one player's scouting report as a team's scouts give it", Sim_Scout},
    {"agents", "agents FILE TEAM", "the free-agent list a team's manager sees, with the lines beside it", Sim_Agents},
    {"find", "find FILE [--position POS|any] [--age N] [--salary N] [--name TEXT] [--min A,B,C,D,E]",
     "the players who meet a search: position, age, salary, name and the least ratings", Sim_Find},
    {"card", "card FILE TEAM SLOT", "one player's card as the scouting window shows it, with the scouting line", Sim_Card},
    {"draft", "draft FILE [--pick N [--contracts ask|sign|release]] [--end]",
     "the college draft as the person sees it: who is on the clock and the class by his scouts; --pick makes "
     "his pick of prospect N, --end lets the computer make every remaining pick", Sim_Draft},
    {"roster", "roster FILE TEAM", "list a roster in depth-chart order with ratings", Sim_Roster},
    {"depth", "depth FILE TEAM offense|defense|special [--auto] [--move SLOT up|down]... [--kick N] [--punt N] [--save]",
     "one side of a team's depth chart; --auto lets the computer choose, --move moves a player at his position, "
     "--kick and --punt pick returners from their lists", Sim_Depth},
    {"needs", "needs FILE TEAM", "a team's needs at every position and the hint they give", Sim_Needs},
    {"finances", "finances FILE", "print every team's money in a saved game", Sim_Finances},
    {"game", "game FILE HOME VISITOR [--seed S]", "play one game and print its play-by-play and box score", Sim_Game},
    {"bench", "bench games|season|offseason|trades|block|cycle [--count N] [--seed S]", "time games, seasons, one off-season's retirements and renewals, a week's computer trade rounds, one team's trading block or whole season cycles", Sim_Bench},
    {"new", "new --team T --difficulty D [--shuffle] [--equalize] [--simulation] [--seed S] --out FILE",
     "start a new game from the default league", Sim_New},
    {"play", "play FILE --weeks N | --seasons N [--seed S] [--contracts ask|sign|release] [--proposals decline|talk]", "play weeks or whole seasons of a saved game, then save it", Sim_Play},
    {"report", "report FILE", "the season's league averages per team-game beside the real league's", Sim_Report},
    {"measure", "measure FILE [--seasons N] [--seed S]", "regular seasons of new games of the league, averaged per team-game", Sim_Measure},
    {"fame", "fame [FILE]", "both halls of fame: VantorFame.dat's managers and FILE's players", Sim_Fame},
    {"offer", "offer FILE --from A --give SLOT,... --to B --get SLOT,... [--give-picks N,...] [--get-picks N,...] [--cash N] [--counter] [--apply | --submit [--sign yes|no]]",
     "show a trade offer's items, whether it is legal and the partner's answer; --counter asks for a counter-offer, "
     "--apply carries it out and saves", Sim_Offer},
    {"block", "block FILE --team T --list SLOT,... --wish W [--cash N] [--seed S]",
     "put players of team T on the trading block with wish W (0..18) and print every other team's offer, best "
     "first; nothing is saved", Sim_Block},
    {"sign", "sign FILE --team T --slot S [--contracts ask|sign|release]",
     "sign the free agent in pool slot S to team T by the signing rules and the contract policy, then save", Sim_Sign},
    {"release", "release FILE --team T --slot S", "release the player in slot S of team T to the free agents by the release rules, then save", Sim_Release},
    {"soak", "soak [FILE | --new] --seasons N --seed S [--teams-fixture 8|2] [--reload K] [--plot FILE.svg]",
     "many seasons with every team in the computer's hands, the league checked after each, a line of drift "
     "figures per season; FILE is saved at the end", Sim_Soak},
    {nullptr, nullptr, nullptr, nullptr},
};

const SimCommand* Sim_Commands() { return COMMANDS; }

int Sim_Usage(const char* szUsage) {
    fprintf(stderr, "usage: brakvell-sim %s\n", szUsage);
    return 2;
}

bool Parse_Contract_Policy(int& i, int argc, char** argv, ContractPolicy* pPolicy, bool* pBad) {
    if (strcmp(argv[i], "--contracts") != 0 || i + 1 >= argc) return false;
    const char* szPolicy = argv[++i];
    *pBad = false;
    if (strcmp(szPolicy, "ask") == 0)
        *pPolicy = CONTRACT_POLICY_ASK;
    else if (strcmp(szPolicy, "sign") == 0)
        *pPolicy = CONTRACT_POLICY_SIGN;
    else if (strcmp(szPolicy, "release") == 0)
        *pPolicy = CONTRACT_POLICY_RELEASE;
    else
        *pBad = true;
    return true;
}

bool Parse_Option(int& i, int argc, char** argv, const char* szName, long& nValue, long nLo, long nHi) {
    if (strcmp(argv[i], szName) != 0 || i + 1 >= argc) return false;
    const char* szValue = argv[i + 1];
    char* pEnd = nullptr;
    errno = 0;
    long long nRead = strtoll(szValue, &pEnd, 10);
    if (!pEnd || *pEnd != '\0' || pEnd == szValue) return false;
    // Cut to 32 bits, 4294967297 would quietly be 1.
    if (errno == ERANGE || nRead < nLo || nRead > nHi) {
        fprintf(stderr, "brakvell-sim: %s %s is out of range (%ld to %ld)\n", szName, Printable(szValue).c_str(), nLo,
                nHi);
        return false;
    }
    nValue = (long)nRead;
    i++;
    return true;
}

std::string Printable(const char* szText, size_t nMaximum) {
    std::string szOut;
    for (size_t i = 0; szText && i < nMaximum && szText[i]; i++) {
        unsigned char c = (unsigned char)szText[i];
        if (c < 0x20 || c == 0x7f) {
            char szEscape[8];
            snprintf(szEscape, sizeof szEscape, "\\x%02x", c);
            szOut += szEscape;
        } else {
            szOut += (char)c;
        }
    }
    return szOut;
}

bool Enter_Scratch_Folder(const char* szStem, const std::filesystem::path& gameFolder, ScratchFolder* pFolder) {
    namespace fs = std::filesystem;
    std::error_code error;
    ScratchFolder folder;
    folder.old = fs::current_path(error);
    fs::path game = fs::absolute(gameFolder, error);
    fs::path temporary = fs::temp_directory_path(error);
    if (error) {
        fprintf(stderr, "brakvell-sim: no temporary folder for a scratch folder\n");
        return false;
    }
    // Made here and now, never one that is already there: another user could have put it in our way.
    std::string szTemplate = (temporary / (std::string(szStem) + "-XXXXXX")).string();
    if (!mkdtemp(szTemplate.data())) {
        fprintf(stderr, "brakvell-sim: cannot make a scratch folder in %s\n", temporary.c_str());
        return false;
    }
    folder.scratch = szTemplate;
    // A league saved away from the game keeps drawing names from the game's folder.
    fs::path names = fs::is_directory(game / "names", error) ? game / "names" : folder.old / "names";
    if (fs::is_directory(names, error)) fs::create_directory_symlink(names, folder.scratch / "names", error);
    error.clear();
    fs::current_path(folder.scratch, error);
    if (error) {
        fs::remove_all(folder.scratch, error);
        fprintf(stderr, "brakvell-sim: cannot enter the scratch folder %s\n", szTemplate.c_str());
        return false;
    }
    *pFolder = folder;
    return true;
}

void Leave_Scratch_Folder(const ScratchFolder& folder) {
    std::error_code error;
    std::filesystem::current_path(folder.old, error);
    std::filesystem::remove_all(folder.scratch, error);
}

bool Load_League_File(const char* szFile) {
    if (!Load_Game(szFile)) return false;
    After_League_Loaded();
    return true;
}

bool Start_Default_Game(uint32_t nSeed, int nTeams) {
    StartUpOptions options;
    options.bSeedFromClock = false;
    options.nSeed = nSeed;
    if (!Start_Up_Core(options).bUniverseLoaded) return false;
    return Start_Default_New_Game(0, 1, nTeams);
}

bool Link_Universe(const ScratchFolder& folder) {
    namespace fs = std::filesystem;
    std::error_code error;
    // In the caller's folder, whatever the case of its name.
    std::string szUniverse = Find_Data_File((folder.old / UNIVERSE_FILE).string().c_str());
    if (szUniverse.empty()) return false;
    fs::create_symlink(szUniverse, folder.scratch / UNIVERSE_FILE, error);
    return !error;
}

// Written back only when the file can take it, as play does.
bool Writable_Game(const char* szFile, const char* szVerb) {
    std::string szShown = Printable(szFile);
    if (strcasecmp(std::filesystem::path(szFile).filename().c_str(), UNIVERSE_FILE) == 0) {
        fprintf(stderr, "brakvell-sim: %s is the default league; %s in a saved game made by 'new'\n", szShown.c_str(),
                szVerb);
        return false;
    }
    int nLock = Lock_Game_File(szFile);
    std::error_code error;
    std::string szFolder = std::filesystem::canonical(szFile, error).parent_path().string();
    if (nLock != GAME_FILE_LOCKED || error || access(szFile, W_OK) != 0 || access(szFolder.c_str(), W_OK) != 0) {
        fprintf(stderr, "brakvell-sim: %s is not a saved game that can be written back\n", szShown.c_str());
        return false;
    }
    return true;
}
