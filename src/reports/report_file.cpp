#include "reports/report_file.h"

#include <cstdarg>

#include "database/team.h"
#include "database/text_format.h"
#include "platform/files.h"

int Report_Year() { return Get_League_Rule(LR_START_YEAR) + Record_Season_Index(); }

FILE* Open_Report_File(const char* szFormat) {
    char szName[TEXT_SIZE];
    Format_Text(szName, szFormat, Report_Year() % 100);
    std::string szPath = Output_File_Path(szName);
    if (szPath.empty()) return nullptr;
    remove(szPath.c_str());
    return fopen(szPath.c_str(), "w");
}

void Report_Line(FILE* pFile, const char* szFormat, ...) {
    if (!pFile) return;
    va_list args;
    va_start(args, szFormat);
    vfprintf(pFile, szFormat, args);
    va_end(args);
    fputc('\n', pFile);
}

void Close_Report_File(FILE* pFile) {
    if (pFile) fclose(pFile);
}
