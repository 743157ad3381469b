#pragma once
// Orvanta started once per test process, headless, with a fresh program folder; each test
// starts from a fresh first page, an unmodified document named "TEMP.BMP" and quality 100.
#include "Application.h"
#include "BmpCodec.h"
#include "Menus.h"
#include "MessageBox.h"
#include "ModalTesting.h"
#include "OrvantaProgram.h"
#include "Pbook.h"
#include "PictureFiles.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TImage.h"
#include "TSpeedButton.h"
#include "TTrackBar.h"
#include "TestFolder.h"
#include "Toolpal.h"
#include "jpegop.h"

#include <filesystem>
#include <memory>

class FilesTest : public TModalTest {
protected:
    static void SetUpTestSuite() {
        program() = std::make_unique<TestFolder>();
        std::filesystem::create_directory(program()->path() / "bin");
        ProgramFolder::SetRoot(program()->path());
        Screen->SetSize(1024, 768);
        if (!Pbook1) StartOrvanta();
    }
    void SetUp() override {
        TModalTest::SetUp();
        ProgramFolder::SetRoot(program()->path());
        Form3->toolcode = 0;
        Pbook1->FormCreate(Pbook1);
        jpop1->TrackBar1->SetPosition(100);
        TBitmap b(30, 20);
        b.SetPixel(1, 1, clRed);
        Pbook1->ptbox1->Picture().Assign(b);
        Pbook1->initpages();
    }
    // The messages shown since the test began, by their text.
    static bool shown(const std::string& text) {
        for (const auto& s : ModalSeam().Log())
            if (s.text == text) return true;
        return false;
    }
    static std::unique_ptr<TestFolder>& program() {
        static std::unique_ptr<TestFolder> f;
        return f;
    }
    TestFolder dir; // where the test's pictures go
};
