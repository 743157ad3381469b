#pragma once
// Orvanta's main window and tool palette started as the program starts them, on the offscreen
// platform, with a program folder of the benchmark's own under the temporary folder, for the
// benchmarks that drive the real windows. A QApplication must exist.
#include "Application.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "Toolpal.h"

#include <filesystem>
#include <string>

inline std::filesystem::path startMainWindow(const std::string& folderName) {
    const std::filesystem::path root = std::filesystem::temp_directory_path() / folderName;
    std::filesystem::create_directories(root / "bin");
    ProgramFolder::SetRoot(root);
    Screen->SetSize(1024, 768);
    Application->CreateForm(Pbook1);
    Application->CreateForm(Form3);
    Pbook1->Show();
    Application->ProcessMessages();
    return root;
}
