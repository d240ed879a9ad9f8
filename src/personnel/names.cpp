#include "personnel/names.h"

#include <cstring>
#include <filesystem>
#include <set>

#include "database/league_database.h"
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

std::string Match_Ignoring_Case(const std::filesystem::path& folder, const std::string& szName) {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder.empty() ? "." : folder, ec)) {
        std::string szEntry = entry.path().filename().string();
        if (strcasecmp(szEntry.c_str(), szName.c_str()) == 0) return szEntry;
    }
    return "";
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
    Set_Game_State(GS_FIRST_NAMES, Count_File_Lines(FIRST_NAME_FILE));
    Set_Game_State(GS_LAST_NAMES, Count_File_Lines(LAST_NAME_FILE));
}

void Read_Name_Line(const char* szPath, int nLine, char* szOut, int nSize, const char* szDefault) {
    Copy_Field(szOut, nSize, szDefault);
    FILE* pFile = fopen(Find_File_Ignoring_Case(szPath).c_str(), "r");
    if (!pFile) {
        // One notice is enough; a class of prospects would otherwise raise hundreds.
        if (g_ReportedFiles.insert(szPath).second) Message_Box("ERROR", "Couldn't open file: %s", szPath);
        return;
    }
    char szLine[64] = "";
    int nSizeUsed = nSize < (int)sizeof szLine ? nSize : (int)sizeof szLine;
    for (int i = 0; i <= nLine; i++) {
        szLine[0] = 0;
        bool bEnd = Read_Line_Limit(pFile, szLine, nSizeUsed);
        if (bEnd && i < nLine) {
            szLine[0] = 0;
            break;
        }
    }
    fclose(pFile);
    if (szLine[0]) Copy_Field(szOut, nSize, szLine);
}

void Reset_Name_File_Warnings() { g_ReportedFiles.clear(); }
