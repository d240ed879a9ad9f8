#include "reports/play_by_play.h"

#include <cstdio>
#include <cstring>

#include "platform/files.h"
#include "simulation/game_record.h"

namespace {
// A game's text is some 30 KB; anything far beyond is not a play-by-play file.
constexpr size_t MAXIMUM_FILE_SIZE = 1 << 20;

std::string Trim(const std::string& szText) {
    size_t nStart = szText.find_first_not_of(" \t\r");
    if (nStart == std::string::npos) return "";
    size_t nEnd = szText.find_last_not_of(" \t\r");
    return szText.substr(nStart, nEnd - nStart + 1);
}

// The next blank-separated word from nAt on; empty at the end.
std::string Next_Word(const std::string& szLine, size_t& nAt) {
    nAt = szLine.find_first_not_of(' ', nAt);
    if (nAt == std::string::npos) return "";
    size_t nEnd = szLine.find(' ', nAt);
    if (nEnd == std::string::npos) nEnd = szLine.size();
    std::string szWord = szLine.substr(nAt, nEnd - nAt);
    nAt = nEnd;
    return szWord;
}

// " 12:34 DAL 1-10 (DAL 25) text": time, team, down, then the spot in
// brackets (which holds a blank of its own).
bool Split_Play(const std::string& szLine, PlayByPlayLine* pLine) {
    size_t nAt = 0;
    pLine->szTime = Next_Word(szLine, nAt);
    pLine->szTeam = Next_Word(szLine, nAt);
    pLine->szDown = Next_Word(szLine, nAt);
    if (pLine->szTime.find(':') == std::string::npos || pLine->szDown.empty()) return false;
    size_t nOpen = szLine.find_first_not_of(' ', nAt);
    if (nOpen == std::string::npos || szLine[nOpen] != '(') return false;
    size_t nClose = szLine.find(')', nOpen);
    if (nClose == std::string::npos) return false;
    pLine->szSpot = szLine.substr(nOpen, nClose - nOpen + 1);
    pLine->szText = Trim(szLine.substr(nClose + 1));
    pLine->nKind = PBP_PLAY;
    return true;
}
} // namespace

std::string Play_By_Play_Path(int nGame) {
    const GameRecord* pGame = Get_Game_Record(nGame);
    char szPath[64];
    snprintf(szPath, sizeof szPath, "Output/G-%02d-%03d.txt", pGame ? pGame->nYear % 100 : 0, nGame);
    return szPath;
}

const char* Period_Heading(const std::string& szLabel) {
    static const char* const LABELS[] = {"1st Q", "2nd Q", "3rd Q", "4th Q", "OT", "OT #2", "OT #3"};
    static const char* const HEADINGS[] = {"FIRST QUARTER",  "SECOND QUARTER", "THIRD QUARTER",
                                           "FOURTH QUARTER", "OVERTIME",       "DOUBLE OVERTIME",
                                           "TRIPLE OVERTIME"};
    std::string szTrimmed = Trim(szLabel);
    for (size_t i = 0; i < sizeof LABELS / sizeof LABELS[0]; i++)
        if (szTrimmed == LABELS[i]) return HEADINGS[i];
    return "OVERTIME"; // the fourth overtime and beyond have no words of their own
}

std::vector<PlayByPlayLine> Parse_Play_By_Play(const std::string& szText) {
    std::vector<PlayByPlayLine> lines;
    size_t nStart = 0;
    while (nStart < szText.size()) {
        size_t nEnd = szText.find('\n', nStart);
        if (nEnd == std::string::npos) nEnd = szText.size();
        std::string szLine = szText.substr(nStart, nEnd - nStart);
        nStart = nEnd + 1;
        if (!szLine.empty() && szLine.back() == '\r') szLine.pop_back();
        std::string szTrimmed = Trim(szLine);
        if (szTrimmed.empty() || szTrimmed.compare(0, 5, "-----") == 0) continue;
        PlayByPlayLine line = {PBP_TEXT, "", "", "", "", szTrimmed};
        size_t nArrow = szLine.find(" <=> ");
        if (nArrow != std::string::npos) {
            line.nKind = PBP_HEADING;
            line.szText = std::string("--- ") + Period_Heading(szLine.substr(0, nArrow)) + " ---";
        } else if (szTrimmed.compare(0, 4, "<><>") == 0) {
            line.nKind = PBP_SCORE;
        } else if (!lines.empty() && !Split_Play(szLine, &line)) {
            line = {PBP_TEXT, "", "", "", "", szTrimmed};
        }
        lines.push_back(line);
    }
    return lines;
}

bool Read_Play_By_Play(int nGame, std::vector<PlayByPlayLine>* pLines) {
    pLines->clear();
    std::string szFound = Find_Data_File(Play_By_Play_Path(nGame).c_str());
    if (szFound.empty()) return false;
    FILE* pFile = fopen(szFound.c_str(), "rb");
    if (!pFile) return false;
    std::string szText;
    char buffer[8192];
    size_t nRead;
    while (szText.size() < MAXIMUM_FILE_SIZE && (nRead = fread(buffer, 1, sizeof buffer, pFile)) > 0)
        szText.append(buffer, nRead);
    bool bFailed = ferror(pFile) != 0;
    fclose(pFile);
    if (bFailed) return false;
    *pLines = Parse_Play_By_Play(szText);
    return true;
}
