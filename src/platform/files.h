// Data files named the way the game's texts name them ("News\Standing.jpg"):
// either separator, any letter case.
#pragma once
#include <string>
#include <vector>

// The path with backslashes turned into slashes.
std::string Native_Path(const char* szPath);

// The existing file or folder the path names: the exact path when it exists,
// otherwise the first case-insensitive match of each component in turn.
// Empty when nothing matches.
std::string Find_Data_File(const char* szPath);

// Names of the regular files in a folder whose extension matches szExtension
// (".vtr") regardless of case, sorted.
std::vector<std::string> List_Files(const char* szFolder, const char* szExtension);

// A file in the "Output" folder of the working directory. The folder is found
// without regard to case and made when missing; empty when it cannot be made.
std::string Output_File_Path(const char* szName);
