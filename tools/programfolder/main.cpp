// make-program-files FOLDER TEXTS: lays out the program folder's own files in FOLDER (see
// ProgramFiles.h). Same bytes on every run.
#include "ProgramFiles.h"

#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s PROGRAM-FOLDER TEXTS-FOLDER\n", argv[0]);
        return 2;
    }
    try {
        layOutProgramFolder(argv[1], argv[2]);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make-program-files: %s\n", e.what());
        return 1;
    }
    return 0;
}
