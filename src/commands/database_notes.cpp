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
