#pragma once
// Every file the program folder holds that the programs do not make themselves: pictures and
// films drawn here, texts kept beside this generator.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

struct GeneratedFile {
    std::string name; // relative to the program folder, with '/'
    std::vector<std::uint8_t> bytes;
    bool usersOwn = false; // the user may change it: written only when missing
};

std::vector<GeneratedFile> patternFiles(); // bin/b1.bmp .. bin/b16.bmp
std::vector<GeneratedFile> iconFiles();    // bin/but1.bmp .. bin/but4.bmp
std::vector<GeneratedFile> filmFiles();    // the intro, the globe and the manual's films

// Writes every file into the folder: the user's own only when missing, the others when their
// bytes differ. `texts` holds the hand-written pages in the folder's own layout. Returns the
// number of files written.
int layOutProgramFolder(const std::filesystem::path& folder, const std::filesystem::path& texts);
