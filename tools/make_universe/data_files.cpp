// The tables of data/: tab-separated, '#' lines are comments, the first
// other line names the columns.
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "universe.h"

namespace {
[[noreturn]] void Fail(const std::string& szPath, int nLine, const std::string& szWhat) {
    fprintf(stderr, "make_universe: %s:%d: %s\n", szPath.c_str(), nLine, szWhat.c_str());
    exit(1);
}

// The data rows of a table, each split into its fields; the column count is checked.
std::vector<std::vector<std::string>> Read_Table(const std::string& szPath, size_t nColumns) {
    std::ifstream file(szPath);
    if (!file) Fail(szPath, 0, "cannot open");
    std::vector<std::vector<std::string>> rows;
    std::string szLine;
    bool bHeader = true;
    for (int nLine = 1; std::getline(file, szLine); nLine++) {
        if (szLine.empty() || szLine[0] == '#') continue;
        std::vector<std::string> fields;
        std::stringstream line(szLine);
        for (std::string szField; std::getline(line, szField, '\t');)
            fields.push_back(szField);
        if (fields.size() != nColumns)
            Fail(szPath, nLine,
                 std::to_string(fields.size()) + " columns, expected " + std::to_string(nColumns));
        if (bHeader)
            bHeader = false;
        else
            rows.push_back(fields);
    }
    return rows;
}

int Number(const std::string& szPath, const std::string& szField) {
    char* pEnd = nullptr;
    long nValue = strtol(szField.c_str(), &pEnd, 10);
    if (szField.empty() || *pEnd != '\0') Fail(szPath, 0, "not a number: '" + szField + "'");
    return (int)nValue;
}
} // namespace

std::vector<CityRow> Read_Cities(const std::string& szPath) {
    std::vector<CityRow> cities;
    for (const auto& fields : Read_Table(szPath, 10)) {
        CityRow city{fields[0], fields[1], {}};
        for (int nField = 0; nField < 8; nField++)
            city.anData[nField] = Number(szPath, fields[2 + nField]);
        cities.push_back(city);
    }
    return cities;
}

std::vector<FranchiseRow> Read_Franchises(const std::string& szPath) {
    std::vector<FranchiseRow> franchises;
    for (const auto& f : Read_Table(szPath, 15)) {
        auto n = [&](int i) { return Number(szPath, f[i]); };
        franchises.push_back(
            {f[0], f[1], f[2], f[3], n(4), f[5], f[6], n(7), n(8), n(9), n(10), n(11), n(12), n(13), n(14)});
    }
    return franchises;
}

std::vector<std::string> Read_Names(const std::string& szPath) {
    std::ifstream file(szPath);
    if (!file) Fail(szPath, 0, "cannot open");
    std::vector<std::string> names;
    for (std::string szLine; std::getline(file, szLine);)
        if (!szLine.empty()) names.push_back(szLine);
    if (names.empty()) Fail(szPath, 0, "no names");
    return names;
}
