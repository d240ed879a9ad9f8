// brakvell-sim new: a new game from the default league.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "commands/new_game.h"
#include "commands/start_up.h"
#include "database/saved_game.h"
#include "database/text_format.h"
#include "halloffame/fame_file.h"
#include "platform/files.h"
#include "sim/commands.h"

namespace {
const char* const USAGE = "new --team T --difficulty D [--shuffle] [--equalize] [--simulation] [--seed S] --out FILE";

bool Parse_Number(const char* szName, const char* szText, long nLo, long nHi, long* pValue) {
    char* pEnd = nullptr;
    errno = 0;
    long long n = strtoll(szText, &pEnd, 10);
    if (!*szText || *pEnd != '\0') return false;
    if (errno == ERANGE || n < nLo || n > nHi) {
        fprintf(stderr, "brakvell-sim: %s %s is out of range (%ld to %ld)\n", szName, Printable(szText).c_str(), nLo, nHi);
        return false;
    }
    *pValue = (long)n;
    return true;
}

struct NewArguments {
    const char* szTeam = nullptr;
    long nDifficulty = -1;
    long nSeed = -1;
    const char* szOut = nullptr;
    bool abOption[NUMBER_OF_NEW_GAME_OPTIONS] = {};
};

bool Parse_Arguments(int argc, char** argv, NewArguments* pArgs) {
    for (int i = 0; i < argc; i++) {
        const char* szArg = argv[i];
        const char* szValue = i + 1 < argc ? argv[i + 1] : nullptr;
        if (strcmp(szArg, "--shuffle") == 0) {
            pArgs->abOption[NEW_GAME_SHUFFLE] = true;
        } else if (strcmp(szArg, "--equalize") == 0) {
            pArgs->abOption[NEW_GAME_EQUALIZE] = true;
        } else if (strcmp(szArg, "--simulation") == 0) {
            pArgs->abOption[NEW_GAME_SIMULATION] = true;
        } else if (!szValue) {
            return false;
        } else if (strcmp(szArg, "--team") == 0) {
            pArgs->szTeam = argv[++i];
        } else if (strcmp(szArg, "--difficulty") == 0) {
            if (!Parse_Number(szArg, argv[++i], 0, NUMBER_OF_DIFFICULTIES - 1, &pArgs->nDifficulty)) return false;
        } else if (strcmp(szArg, "--seed") == 0) {
            if (!Parse_Number(szArg, argv[++i], 0, MAXIMUM_SEED, &pArgs->nSeed)) return false;
        } else if (strcmp(szArg, "--out") == 0) {
            pArgs->szOut = argv[++i];
        } else {
            return false;
        }
    }
    return pArgs->szTeam && pArgs->nDifficulty >= 0 && pArgs->szOut && *pArgs->szOut;
}
int New_Game_In_Scratch(const ScratchFolder& folder, const NewArguments& args, const std::string& szOut);
}  // namespace

int Sim_New(int argc, char** argv) {
    NewArguments args;
    if (!Parse_Arguments(argc, argv, &args)) return Sim_Usage(USAGE);
    if (Find_Data_File(UNIVERSE_FILE).empty()) {
        fprintf(stderr, "brakvell-sim: no %s in this folder; run 'new' where the game's data is\n", UNIVERSE_FILE);
        return 1;
    }
    // A new game empties Output/ and writes the fame file: in a scratch folder
    // of its own, so that only the --out file reaches the caller's.
    std::error_code error;
    std::string szOut = std::filesystem::absolute(args.szOut, error).string();
    ScratchFolder folder;
    if (error || !Enter_Scratch_Folder("brakvell-new", ".", &folder)) return 1;
    int nStatus = New_Game_In_Scratch(folder, args, szOut);
    Leave_Scratch_Folder(folder);
    return nStatus;
}

namespace {
int New_Game_In_Scratch(const ScratchFolder& folder, const NewArguments& args, const std::string& szOut) {
    std::error_code error;
    if (!Link_Universe(folder)) {
        fprintf(stderr, "brakvell-sim: cannot use %s from this folder\n", UNIVERSE_FILE);
        return 1;
    }
    // The caller's fame file is read as the game would read it, but a copy takes the writes.
    std::string szFame = Find_Data_File((folder.old / FAME_FILE_NAME).string().c_str());
    if (!szFame.empty()) std::filesystem::copy_file(szFame, FAME_FILE_NAME, error);
    StartUpOptions options;
    options.bSeedFromClock = args.nSeed < 0;
    options.nSeed = (uint32_t)args.nSeed;
    Start_Up_Core(options);
    NewGameForm form;
    if (!Open_New_Game_Page(&form)) {
        fprintf(stderr, "brakvell-sim: cannot load %s\n", UNIVERSE_FILE);
        return 1;
    }
    TNUM nTeam = Find_New_Game_Team(args.szTeam);
    if (nTeam == NO_TEAM) {
        fprintf(stderr, "brakvell-sim: no team \"%s\" in %s\n", Printable(args.szTeam).c_str(), UNIVERSE_FILE);
        return Sim_Usage(USAGE);
    }
    Choose_New_Game_Team(&form, nTeam);
    form.nDifficulty = (int)args.nDifficulty;
    for (int nOption = 0; nOption < NUMBER_OF_NEW_GAME_OPTIONS; nOption++)
        if (args.abOption[nOption]) Set_New_Game_Option(&form, nOption, true);
    if (!Play_New_Game(form)) {
        fprintf(stderr, "brakvell-sim: the new game could not be set up\n");
        return 1;
    }
    if (Save_Game(szOut.c_str()) != SAVE_OK) {
        fprintf(stderr, "brakvell-sim: cannot save %s\n", Printable(args.szOut).c_str());
        return 1;
    }
    char szLabel[TEXT_SIZE];
    Get_Team_Label(nTeam, szLabel);
    printf("%s\n", Printable(g_League.szGameName, sizeof g_League.szGameName).c_str());
    printf("User team: %d %s\n", nTeam, Printable(szLabel).c_str());
    return 0;
}
}  // namespace
