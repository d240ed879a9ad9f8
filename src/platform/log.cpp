// "debug.txt": one line per entry, the file opened and closed each time so
// that nothing is lost if the program dies right after.
#include <cstdio>
#include <ctime>

#include "platform/platform.h"

void Headless_Record_Log(const char* szKind, const char* szText);

static void Write_Log(const char* szKind, const char* szFormat, va_list args) {
    char szText[256];
    int nLength = vsnprintf(szText, sizeof szText, szFormat, args);
    if (nLength <= 0 || nLength >= (int)sizeof szText) return;
    Headless_Record_Log(szKind, szText);
    FILE* pFile = fopen("debug.txt", "a");
    if (!pFile) return;
    fprintf(pFile, "%ld %s: %s\n", (long)time(nullptr), szKind, szText);
    fclose(pFile);
}

void Error_Log(const char* szFormat, ...) {
    va_list args;
    va_start(args, szFormat);
    Write_Log("ERROR", szFormat, args);
    va_end(args);
}

void Warning_Log(const char* szFormat, ...) {
    va_list args;
    va_start(args, szFormat);
    Write_Log("Warning", szFormat, args);
    va_end(args);
}

void Delete_Log() { remove("debug.txt"); }
