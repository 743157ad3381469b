#pragma once
#include <filesystem>
#include <string>

// The program folder (the folder of the executable) and the mapping of the program's own file
// names onto it. Names are written as the program has always written them, with backslashes
// ("bin\coconfig.fle", pathname + "\clpcache"); MapPath turns them into real paths:
// - "\" becomes "/", doubled separators fold into one;
// - a relative name lies below the program folder;
// - a drive letter ("C:\pics\a.bmp") is dropped and the folder part kept ("/pics/a.bmp");
// - each part matches an existing file or folder whatever its case, as on the original
//   platform ("User Manual" and "User manual" are one folder); parts that do not exist yet are
//   kept as written.
namespace ProgramFolder {

// The folder of the running executable, unless a test set another.
std::filesystem::path Root();
void SetRoot(const std::filesystem::path& root);

// The program folder as the program's fields hold it: the path with a trailing "/".
std::string RootWithSlash();

std::filesystem::path MapPath(const std::string& name);
std::string MapPathString(const std::string& name);
bool FileExists(const std::string& name);
bool DirectoryExists(const std::string& name);

} // namespace ProgramFolder
