#include "commands/database_notes.h"

#include <cstring>

#include "database/league_database.h"

static_assert(sizeof g_League.szNotes == MAXIMUM_NOTES_LENGTH + 1);

// A file written elsewhere may fill the field without a terminator.
std::string Get_Database_Notes() {
    return std::string(g_League.szNotes, strnlen(g_League.szNotes, MAXIMUM_NOTES_LENGTH));
}

// A cut that falls inside a UTF-8 character drops the whole character.
static void Drop_Partial_Character(char* szText) {
    size_t nLength = strlen(szText), nLead = nLength;
    while (nLead > 0 && ((unsigned char)szText[nLead - 1] & 0xC0) == 0x80) nLead--;
    if (nLead == 0) return;
    unsigned char c = (unsigned char)szText[nLead - 1];
    size_t nNeeded = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (nLength - (nLead - 1) < nNeeded) szText[nLead - 1] = 0;
}

void Set_Database_Notes(const char* szText) {
    memset(g_League.szNotes, 0, sizeof g_League.szNotes);
    Copy_Field(g_League.szNotes, sizeof g_League.szNotes, szText ? szText : "");
    Drop_Partial_Character(g_League.szNotes);
}

static bool Continuation_Byte(char c) { return ((unsigned char)c & 0xC0) == 0x80; }

std::string Limit_Notes_Edit(const std::string& szBefore, const std::string& szAfter, size_t* pnCursor) {
    const size_t nLimit = MAXIMUM_NOTES_LENGTH;
    size_t nShorter = szBefore.size() < szAfter.size() ? szBefore.size() : szAfter.size();
    size_t nPrefix = 0;
    while (nPrefix < nShorter && szBefore[nPrefix] == szAfter[nPrefix]) nPrefix++;
    size_t nSuffix = 0;
    while (nSuffix < nShorter - nPrefix &&
           szBefore[szBefore.size() - 1 - nSuffix] == szAfter[szAfter.size() - 1 - nSuffix])
        nSuffix++;
    // Neither kept part may end or start inside a character.
    while (nPrefix > 0 && nPrefix < szAfter.size() && Continuation_Byte(szAfter[nPrefix])) nPrefix--;
    while (nSuffix > 0 && Continuation_Byte(szAfter[szAfter.size() - nSuffix])) nSuffix--;
    if (szAfter.size() <= nLimit) {
        if (pnCursor) *pnCursor = szAfter.size() - nSuffix;
        return szAfter;
    }
    std::string szInserted = szAfter.substr(nPrefix, szAfter.size() - nSuffix - nPrefix);
    size_t nKept = szAfter.size() - szInserted.size();
    if (nKept > nLimit) {
        // Already too long before this edit (a file written elsewhere): cut the end.
        std::string szCut = szAfter.substr(0, nLimit);
        while (!szCut.empty() && Continuation_Byte(szAfter[szCut.size()])) szCut.pop_back();
        if (pnCursor) *pnCursor = szCut.size();
        return szCut;
    }
    size_t nRoom = nLimit - nKept;
    if (szInserted.size() > nRoom) {
        while (nRoom > 0 && Continuation_Byte(szInserted[nRoom])) nRoom--;
        szInserted.resize(nRoom);
    }
    if (pnCursor) *pnCursor = nPrefix + szInserted.size();
    return szAfter.substr(0, nPrefix) + szInserted + szAfter.substr(szAfter.size() - nSuffix);
}
