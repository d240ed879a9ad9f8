// printf for the play-by-play: only what its texts use (%s and %d with a
// width, '-' and '0'), several times faster than the C library's, which
// costs more than the rest of a snap.
#include <cstdarg>

#include "simulation/game_internal.h"

namespace {
// Each writer returns the new end of the text. pEnd is the last byte of the
// buffer, kept for the terminator. The end is passed by value: a char store
// may alias anything, so an end kept in memory would be reloaded for every
// character.
char* Put_Field(char* p, char* pEnd, const char* s, int nLength, int nWidth, bool bLeft, char cPad) {
    int nPad = nWidth - nLength;
    if (!bLeft)
        for (; nPad > 0 && p < pEnd; nPad--) *p++ = cPad;
    for (int i = 0; i < nLength && p < pEnd; i++) *p++ = s[i];
    for (; nPad > 0 && p < pEnd; nPad--) *p++ = ' ';
    return p;
}

char* Put_Number(char* p, char* pEnd, int n, int nWidth, bool bLeft, bool bZero) {
    char szDigits[12];
    int nLength = 0;
    unsigned int u = n < 0 ? 0u - (unsigned int)n : (unsigned int)n;
    do {
        szDigits[sizeof szDigits - 1 - nLength++] = (char)('0' + u % 10);
        u /= 10;
    } while (u);
    char cPad = bZero && !bLeft ? '0' : ' ';
    if (n < 0 && cPad == '0') {
        // The sign goes before the zeros.
        if (p < pEnd) *p++ = '-';
        nWidth--;
    } else if (n < 0) {
        szDigits[sizeof szDigits - 1 - nLength++] = '-';
    }
    return Put_Field(p, pEnd, szDigits + sizeof szDigits - nLength, nLength, nWidth, bLeft, cPad);
}

int Length(const char* s) {
    int n = 0;
    while (s[n]) n++;
    return n;
}
}  // namespace

int Format_Play_Args(char* szOut, int nSize, const char* szFormat, va_list args) {
    if (nSize <= 0) return 0;
    char* p = szOut;
    char* pEnd = szOut + nSize - 1;
    for (const char* f = szFormat; *f; f++) {
        if (*f != '%') {
            if (p < pEnd) *p++ = *f;
            continue;
        }
        bool bLeft = false, bZero = false;
        for (f++; *f == '-' || *f == '0'; f++) (*f == '-' ? bLeft : bZero) = true;
        int nWidth = 0;
        for (; *f >= '0' && *f <= '9'; f++) nWidth = 10 * nWidth + (*f - '0');
        if (*f == 's') {
            const char* s = va_arg(args, const char*);
            p = Put_Field(p, pEnd, s, Length(s), nWidth, bLeft, ' ');
        } else if (*f == 'd') {
            p = Put_Number(p, pEnd, va_arg(args, int), nWidth, bLeft, bZero);
        } else if (*f == '%') {
            if (p < pEnd) *p++ = '%';
        } else {
            break;  // not one of ours
        }
    }
    *p = '\0';
    return (int)(p - szOut);
}

int Format_Play(char* szOut, int nSize, const char* szFormat, ...) {
    va_list args;
    va_start(args, szFormat);
    int n = Format_Play_Args(szOut, nSize, szFormat, args);
    va_end(args);
    return n;
}
