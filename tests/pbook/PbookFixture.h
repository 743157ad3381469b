#pragma once
// The whole of Orvanta started once per test process, headless, with a fresh program folder;
// every test starts from the first page of a fresh start.
#include "Application.h"
#include "ModalTesting.h"
#include "OrvantaProgram.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TImage.h"
#include "TestFolder.h"
#include "Toolpal.h"

#include <filesystem>
#include <memory>

class PbookTest : public TModalTest {
protected:
    static void SetUpTestSuite() {
        folder() = std::make_unique<TestFolder>();
        std::filesystem::create_directory(folder()->path() / "bin");
        ProgramFolder::SetRoot(folder()->path());
        Screen->SetSize(1024, 768);
        if (!Pbook1) StartOrvanta();
    }
    void SetUp() override {
        TModalTest::SetUp();
        ProgramFolder::SetRoot(folder()->path());
        Screen->SetSize(1024, 768);
        Pbook1->redo->Picture().Clear();
        Form3->rightcolor = clWhite;
        Pbook1->FormCreate(Pbook1);
    }
    static std::unique_ptr<TestFolder>& folder() {
        static std::unique_ptr<TestFolder> f;
        return f;
    }
    static TBitmap& page() { return Pbook1->ptbox1->Picture().Bitmap(); }
    // A page of w x h with one marked pixel, laid out as a loaded picture would be.
    static void loadPage(int w, int h, TColor mark = clRed) {
        TBitmap b(w, h);
        b.SetPixel(1, 1, mark);
        Pbook1->ptbox1->Picture().Assign(b);
        Pbook1->initpages();
    }
};
