// Editing of texts: plurals, padding, case, replacing and splitting.
#include <cctype>
#include <cstring>
#include <string>

#include "database/text_format.h"

namespace {
std::string Text_Of(const char* szText) {
    return szText ? szText : "";
}

std::string Padded(const char* szText, int nWidth, int nSpacesPerMissing) {
    std::string szResult = Text_Of(szText);
    int nMissing = nWidth - (int)szResult.size();
    if (nMissing <= 0) return szResult;
    // Anything beyond the buffer would be cut anyway.
    size_t nSpaces = (size_t)nMissing * nSpacesPerMissing;
    if (nSpaces > TEXT_SIZE) nSpaces = TEXT_SIZE;
    return std::string(nSpaces, ' ') + szResult;
}
} // namespace

// A vowel before the 'y' keeps it: "Day" gives "Days", not "Daies".
void Make_Plural(const char* szWord, char* szOut) {
    std::string szText = Text_Of(szWord);
    size_t nLength = szText.size();
    if (nLength == 0) {
        szOut[0] = '\0';
        return;
    }
    char cLast = szText[nLength - 1];
    if (cLast == 'y' && !(nLength > 1 && Is_Vowel(szText[nLength - 2])))
        szText.replace(nLength - 1, 1, "ies");
    else if (cLast == 's')
        szText += "es";
    else
        szText += "s";
    Copy_Field(szOut, TEXT_SIZE, szText.c_str());
}

void Pad_Left(const char* szText, int nWidth, char* szOut) {
    Copy_Field(szOut, TEXT_SIZE, Padded(szText, nWidth, 1).c_str());
}

void Pad_Left_Double(const char* szText, int nWidth, char* szOut) {
    Copy_Field(szOut, TEXT_SIZE, Padded(szText, nWidth, 2).c_str());
}

bool Is_Vowel(char c) {
    return c != '\0' && strchr("aeiouAEIOU", c) != nullptr;
}

void Make_Upper_Case(char* szText) {
    if (!szText) return;
    for (char* p = szText; *p; p++)
        *p = (char)toupper((unsigned char)*p);
}

void Capitalise(char* szText) {
    if (!szText || !*szText) return;
    szText[0] = (char)toupper((unsigned char)szText[0]);
    for (char* p = szText + 1; *p; p++)
        *p = (char)tolower((unsigned char)*p);
}

bool Replace_Character(char* szText, char cFrom, char cTo) {
    if (!szText || cFrom == '\0') return false;
    bool bReplaced = false;
    for (char* p = szText; *p; p++) {
        if (*p == cFrom) {
            *p = cTo;
            bReplaced = true;
        }
    }
    return bReplaced;
}

bool Split_At(char* szText, char cDelimiter, char* szOut) {
    if (!szText) {
        szOut[0] = '\0';
        return false;
    }
    char* pDelimiter = cDelimiter ? strchr(szText, cDelimiter) : nullptr;
    size_t nHead = pDelimiter ? (size_t)(pDelimiter - szText) : strlen(szText);
    std::string szHead(szText, nHead);
    if (pDelimiter)
        memmove(szText, pDelimiter + 1, strlen(pDelimiter + 1) + 1);
    else
        szText[0] = '\0';
    Copy_Field(szOut, TEXT_SIZE, szHead.c_str());
    return pDelimiter != nullptr;
}
