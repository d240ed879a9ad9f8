#include "personnel/names.h"

#include <cstring>
#include <filesystem>
#include <map>
#include <set>
#include <vector>

#include "database/league_database.h"
#include "base/random.h"
#include "platform/platform.h"

namespace {
bool g_bLineWarningShown = false;
std::set<std::string> g_ReportedFiles;

// Reads to the end of the line; true when it ended at the end of the file.
bool Read_Into(FILE* pFile, char* szBuffer, int nSize, bool* pTooLong) {
    int nLength = 0;
    bool bEnd = false;
    *pTooLong = false;
    for (;;) {
        int c = fgetc(pFile);
        if (c == EOF) {
            bEnd = true;
            break;
        }
        if (c == '\n') break;
        if (nLength < nSize - 1)
            szBuffer[nLength++] = (char)c;
        else
            *pTooLong = true;
    }
    if (nSize > 0) {
        // Files written on other systems end their lines with "\r\n".
        if (nLength > 0 && szBuffer[nLength - 1] == '\r' && !*pTooLong) nLength--;
        szBuffer[nLength] = 0;
    }
    return bEnd;
}

// A name file read once into its lines (without the line feeds). It is read
// again only when its size or time changes, so a class of prospects costs one
// reading, not one per name.
constexpr int LONGEST_NAME_LINE = 64;
struct NameFile {
    std::string szResolved;
    std::uintmax_t nSize = 0;
    std::filesystem::file_time_type time;
    std::vector<std::string> lines;
};
std::map<std::string, NameFile> g_NameFiles;

std::string Match_Ignoring_Case(const std::filesystem::path& folder, const std::string& szName) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder, ec)) {
        std::string szEntry = entry.path().filename().string();
        if (strcasecmp(szEntry.c_str(), szName.c_str()) == 0) return szEntry;
    }
    return "";
}

const NameFile* Name_File(const char* szPath) {
    std::string szResolved = Find_File_Ignoring_Case(szPath);
    std::error_code ec;
    std::uintmax_t nSize = std::filesystem::file_size(szResolved, ec);
    if (ec) {
        g_NameFiles.erase(szPath);
        return nullptr;
    }
    std::filesystem::file_time_type time = std::filesystem::last_write_time(szResolved, ec);
    auto it = g_NameFiles.find(szPath);
    if (it != g_NameFiles.end() && it->second.szResolved == szResolved && it->second.nSize == nSize &&
        it->second.time == time)
        return &it->second;
    FILE* pFile = fopen(szResolved.c_str(), "rb");
    if (!pFile) return nullptr;
    NameFile file{szResolved, nSize, time, {}};
    std::string szLine;
    for (int c = fgetc(pFile);; c = fgetc(pFile)) {
        if (c == EOF) {
            // The empty tail after the last line feed is no line.
            if (!szLine.empty()) file.lines.push_back(szLine);
            break;
        }
        if (c == '\n') {
            file.lines.push_back(szLine);
            szLine.clear();
        } else if (szLine.size() < (size_t)LONGEST_NAME_LINE) {
            szLine += (char)c;  // enough to know a line is too long
        }
    }
    fclose(pFile);
    return &(g_NameFiles[szPath] = std::move(file));
}
}  // namespace

bool Read_Line(FILE* pFile, char* szBuffer, int nSize) {
    bool bTooLong;
    return Read_Into(pFile, szBuffer, nSize, &bTooLong);
}

bool Read_Line_Limit(FILE* pFile, char* szBuffer, int nSize) {
    bool bTooLong;
    bool bEnd = Read_Into(pFile, szBuffer, nSize, &bTooLong);
    if (bTooLong && !g_bLineWarningShown) {
        g_bLineWarningShown = true;
        Message_Box("Read_Line_Limit", "Line too long. Extra character(s) ignored.");
    }
    return bEnd;
}

void Reset_Read_Line_Limit_Warning() { g_bLineWarningShown = false; }

std::string Find_File_Ignoring_Case(const std::string& szPath) {
    std::error_code ec;
    if (std::filesystem::exists(szPath, ec)) return szPath;
    std::filesystem::path found;
    for (const auto& part : std::filesystem::path(szPath)) {
        std::filesystem::path next = found / part;
        if (!std::filesystem::exists(next, ec)) {
            std::string szMatch = Match_Ignoring_Case(found, part.string());
            if (szMatch.empty()) return szPath;
            next = found / szMatch;
        }
        found = next;
    }
    return found.string();
}

int Count_File_Lines(const char* szPath) {
    FILE* pFile = fopen(Find_File_Ignoring_Case(szPath).c_str(), "r");
    if (!pFile) return 0;
    int nLines = 0;
    char szLine[64];
    for (;;) {
        bool bEnd = Read_Line(pFile, szLine, sizeof szLine);
        // A last line without a line feed still counts; the empty tail after one does not.
        if (bEnd) {
            if (szLine[0]) nLines++;
            break;
        }
        nLines++;
    }
    fclose(pFile);
    return nLines;
}

void Count_Name_Files() {
    g_NameFiles.clear();
    Set_Game_State(GS_FIRST_NAMES, Count_File_Lines(FIRST_NAME_FILE));
    Set_Game_State(GS_LAST_NAMES, Count_File_Lines(LAST_NAME_FILE));
}

void Read_Name_Line(const char* szPath, int nLine, char* szOut, int nSize, const char* szDefault) {
    Copy_Field(szOut, nSize, szDefault);
    const NameFile* pFile = Name_File(szPath);
    if (!pFile) {
        // One notice is enough; a class of prospects would otherwise raise hundreds.
        if (g_ReportedFiles.insert(szPath).second) Message_Box("ERROR", "Couldn't open file: %s", szPath);
        return;
    }
    if (nLine < 0 || nLine >= (int)pFile->lines.size() || nSize <= 0) return;
    // Cut and warned about as the line reader does.
    const std::string& szRaw = pFile->lines[(size_t)nLine];
    size_t nRoom = (size_t)Min(nSize, LONGEST_NAME_LINE) - 1;
    std::string szLine = szRaw.substr(0, nRoom);
    if (szRaw.size() > nRoom) {
        if (!g_bLineWarningShown) {
            g_bLineWarningShown = true;
            Message_Box("Read_Line_Limit", "Line too long. Extra character(s) ignored.");
        }
    } else if (!szLine.empty() && szLine.back() == '\r') {
        szLine.pop_back();
    }
    if (!szLine.empty()) Copy_Field(szOut, nSize, szLine.c_str());
}

void Reset_Name_File_Warnings() {
    g_ReportedFiles.clear();
    g_NameFiles.clear();
}
