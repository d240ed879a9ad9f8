#include "platform/files.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <strings.h>

namespace fs = std::filesystem;

std::string Native_Path(const char* szPath) {
    std::string szResult = szPath ? szPath : "";
    std::replace(szResult.begin(), szResult.end(), '\\', '/');
    return szResult;
}

static bool Exists(const fs::path& path) {
    std::error_code ec;
    return fs::exists(path, ec);
}

// The entry of a folder whose name equals szName but for case; exact names win.
static bool Match_Component(const fs::path& folder, const std::string& szName, fs::path& found) {
    if (szName == "." || szName == ".." || Exists(folder / szName)) {
        found = folder / szName;
        return true;
    }
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
    std::string szBest;
    for (; !ec && it != end; it.increment(ec)) {
        std::string szEntry = it->path().filename().string();
        if (strcasecmp(szEntry.c_str(), szName.c_str()) != 0) continue;
        if (szBest.empty() || szEntry < szBest) szBest = szEntry;  // stable choice among several
    }
    if (szBest.empty()) return false;
    found = folder / szBest;
    return true;
}

std::string Find_Data_File(const char* szPath) {
    std::string szNative = Native_Path(szPath);
    if (szNative.empty()) return "";
    if (Exists(szNative)) return szNative;
    fs::path current = szNative[0] == '/' ? fs::path("/") : fs::path();
    size_t nStart = szNative[0] == '/' ? 1 : 0;
    while (nStart <= szNative.size()) {
        size_t nEnd = szNative.find('/', nStart);
        if (nEnd == std::string::npos) nEnd = szNative.size();
        std::string szComponent = szNative.substr(nStart, nEnd - nStart);
        if (!szComponent.empty()) {
            fs::path next;
            if (!Match_Component(current, szComponent, next)) return "";
            current = next;
        }
        nStart = nEnd + 1;
    }
    return current.string();
}

std::vector<std::string> List_Files(const char* szFolder, const char* szExtension) {
    std::vector<std::string> names;
    std::error_code ec;
    size_t nExtension = strlen(szExtension);
    fs::directory_iterator it(szFolder && *szFolder ? szFolder : ".", ec), end;
    for (; !ec && it != end; it.increment(ec)) {
        std::error_code ecType;
        if (!it->is_regular_file(ecType)) continue;
        std::string szName = it->path().filename().string();
        if (szName.size() <= nExtension) continue;
        if (strcasecmp(szName.c_str() + szName.size() - nExtension, szExtension) == 0) names.push_back(szName);
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string Output_File_Path(const char* szName) {
    std::string szFolder = Find_Data_File("Output");
    std::error_code ec;
    if (szFolder.empty()) {
        szFolder = "Output";
        fs::create_directory(szFolder, ec);
    }
    if (!fs::is_directory(szFolder, ec)) return "";
    return szFolder + "/" + szName;
}
