#include "DirFile.h"

#include "ProgramFolder.h"
#include "TStrings.h"

std::string dirFilePath() {
    return ProgramFolder::MapPathString("dir.fle");
}

bool dirFileExists() {
    return ProgramFolder::FileExists("dir.fle");
}

void saveDirFile(const TStrings& lines) {
    lines.SaveToFile(dirFilePath());
}

void loadDirFile(TStrings& lines) {
    lines.LoadFromFile(dirFilePath());
}
