#pragma once
// The remembered folder "dir.fle" beside the program, shared by the image browser and the
// animation manager: line 1 the drive of the drive box ("/" here), line 2 the folder. Only line
// 2 is read back; the writer replaces the whole file.
#include <string>

class TStrings;

std::string dirFilePath();
bool dirFileExists();
// Through the safe writer; EStreamError when the file cannot be written.
void saveDirFile(const TStrings& lines);
// The file's lines into `lines`; EStreamError when it cannot be read.
void loadDirFile(TStrings& lines);
