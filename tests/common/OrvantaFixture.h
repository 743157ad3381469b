#pragma once
// Orvanta started once per test binary, as the program starts (every window in its order), over a
// fresh program folder for each suite. Every test starts from a fresh first page (450 x 250 white,
// named "TEMP.BMP", unmodified, no stroke in progress), the palette's defaults, the box size
// 50 x 40 and JPEG quality 100, with a clean modal seam. It drives the page through its own
// mouse events.
//
//   class MyPageTest : public OrvantaTest {};
//   TEST_F(MyPageTest, DrawsALine) { choose(3); down(10, 10); up(40, 10); EXPECT_EQ(...); }
#include "Application.h"
#include "Clipboard.h"
#include "ModalTesting.h"
#include "OrvantaProgram.h"
#include "Pbook.h"
#include "Pixels.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TImage.h"
#include "TSpinEdit.h"
#include "TestClipboardSystem.h"
#include "TestFolder.h"
#include "Toolpal.h"

#include <functional>
#include <memory>
#include <string>

class OrvantaTest : public TModalTest {
protected:
    static void SetUpTestSuite();
    void SetUp() override;

    // The suite's program folder (with its "bin").
    static TestFolder& program();

    static TBitmap& page() { return Pbook1->ptbox1->Picture().Bitmap(); }
    static TBitmap& undo() { return Pbook1->Image2->Picture().Bitmap(); }
    // A page of w x h with one marked pixel at (1, 1), laid out as a loaded picture would be.
    static void loadPage(int w, int h, TColor mark = clRed);

    // A tool button: the code first, then the palette's tool selection.
    static void choose(int code);
    static void down(int x, int y, TMouseButton b = mbLeft) { Pbook1->ptbox1->MouseDown(b, 0, x, y); }
    static void move(int x, int y) { Pbook1->ptbox1->MouseMove(0, x, y); }
    static void up(int x, int y, TMouseButton b = mbLeft) { Pbook1->ptbox1->MouseUp(b, 0, x, y); }
    static void click(int x, int y, TMouseButton b = mbLeft) {
        down(x, y, b);
        up(x, y, b);
    }

    // A white bitmap of the page's size with `draw` done on it, to compare the page with.
    static TBitmap expected(const std::function<void(TCanvas&)>& draw);
    // A message with this text was shown since the test began.
    static bool shown(const std::string& text);

private:
    static std::unique_ptr<TestFolder>& folder();
};

// The same, with a fresh clipboard double for each test; the suite gives the real clipboard back.
class OrvantaClipboardTest : public OrvantaTest {
protected:
    static void TearDownTestSuite() { SetClipboardSystem(nullptr); }
    void SetUp() override {
        OrvantaTest::SetUp();
        board = std::make_shared<TestClipboardSystem>();
        SetClipboardSystem(board);
    }
    std::shared_ptr<TestClipboardSystem> board;
};
