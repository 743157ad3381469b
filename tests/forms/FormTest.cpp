#include "Application.h"
#include "Forms.h"
#include "Keys.h"
#include "ModalTesting.h"
#include "Screen.h"
#include "TButton.h"
#include "TEdit.h"
#include "TPanel.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QKeyEvent>

#include <QTimer>
#include <gtest/gtest.h>

namespace {

class FormTest : public TModalTest {
protected:
    void SetUp() override {
        TModalTest::SetUp();
        Application->Reset();
    }
    void TearDown() override {
        Application->Reset();
        Screen->ClearSize();
        TModalTest::TearDown();
    }
};

TEST_F(FormTest, ShowingAVisibleFormDoesNotRunOnShowAgain) {
    TForm f;
    int shows = 0, activations = 0;
    f.OnShow = [&](TObject*) { ++shows; };
    f.OnActivate = [&](TObject*) { ++activations; };
    f.Show();
    f.Show();
    f.SetVisible(true);
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(activations, 1);
    f.Hide();
    f.Show();
    EXPECT_EQ(shows, 2);
}

struct TFirst;
TFirst* First = nullptr;
struct TFirst : TForm {
    TFirst() {
        OnCreate = [this](TObject*) { sawSelf = (First == this); };
    }
    bool sawSelf = false;
};

TEST_F(FormTest, CreateFormSetsTheGlobalBeforeOnCreateAndFirstIsMain) {
    TForm* second = nullptr;
    Application->CreateForm(First);
    Application->CreateForm(second);
    EXPECT_TRUE(First->sawSelf);
    EXPECT_EQ(Application->MainForm(), First);
    delete second;
    delete First;
    EXPECT_EQ(Application->MainForm(), nullptr);
}

TEST_F(FormTest, ClosingASecondaryFormHidesItUnlessItsHandlerRefuses) {
    TForm* main = nullptr;
    TForm* other = nullptr;
    Application->CreateForm(main);
    Application->CreateForm(other);
    other->Show();
    bool refuse = true;
    other->OnCloseQuery = [&](TObject*, bool& can) { can = !refuse; };
    other->Close();
    EXPECT_TRUE(other->Visible());
    refuse = false;
    other->Close();
    EXPECT_FALSE(other->Visible());
    EXPECT_FALSE(Application->Terminated());
    delete other;
    delete main;
}

TEST_F(FormTest, ClosingTheMainFormEndsTheLoopUnlessRefused) {
    TForm* main = nullptr;
    Application->CreateForm(main);
    int closes = 0;
    bool refuse = true;
    main->OnClose = [&](TObject*, TCloseAction& a) {
        ++closes;
        if (refuse) a = caNone;
    };
    // The first close is refused and the loop goes on; the second ends it.
    QTimer::singleShot(0, [&] {
        main->Close();
        EXPECT_FALSE(Application->Terminated());
        refuse = false;
        QTimer::singleShot(0, [&] { main->Close(); });
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { Application->Terminate(); });
    guard.start(5000);
    Application->Run();
    EXPECT_TRUE(guard.isActive()) << "the loop ended only through the guard";
    EXPECT_EQ(closes, 2);
    EXPECT_TRUE(Application->Terminated());
    delete main;
}

TEST_F(FormTest, CentringUsesTheScreenSizeAndTruncatingHalves) {
    Screen->SetSize(801, 481);
    TForm f;
    f.SetBounds(0, 0, 467, 307);
    f.CenterOnScreen();
    EXPECT_EQ(f.Left(), 400 - 233);
    EXPECT_EQ(f.Top(), 240 - 153);
}

// A capture of part of the screen is that part of the whole screen's picture, cut to the screen
// with its corner moved into it.
TEST_F(FormTest, ScreenCaptureOfAnAreaIsThatPartOfTheWholeScreen) {
    Screen->SetSize(400, 300);
    TForm f;
    f.SetBounds(40, 30, 100, 80);
    f.SetColor(clRed);
    TPanel p(&f, &f);
    p.SetBounds(10, 10, 30, 20);
    p.SetColor(clBlue);
    f.Show();
    Application->ProcessMessages();
    TBitmap whole = Screen->Capture();
    ASSERT_EQ(whole.Width(), 400);
    ASSERT_EQ(whole.Height(), 300);
    struct Case {
        TRect area, part;
    } cases[] = {
        {Bounds(45, 35, 60, 50), Bounds(45, 35, 60, 50)},     // inside, over the form and its panel
        {Bounds(-10, -5, 70, 60), Rect(0, 0, 60, 55)},        // off the top left
        {Bounds(380, 280, 50, 50), Rect(380, 280, 400, 300)}, // off the bottom right
        {Bounds(500, 500, 10, 10), Rect(400, 300, 400, 300)}, // off the screen: nothing
    };
    for (const Case& c : cases) {
        TBitmap part = Screen->Capture(c.area);
        ASSERT_EQ(part.Width(), c.part.Width());
        ASSERT_EQ(part.Height(), c.part.Height());
        int differing = 0;
        for (int y = 0; y < part.Height(); ++y)
            for (int x = 0; x < part.Width(); ++x)
                differing += part.GetPixel(x, y) != whole.GetPixel(c.part.Left + x, c.part.Top + y);
        EXPECT_EQ(differing, 0) << c.area.Left << "," << c.area.Top;
    }
    EXPECT_EQ(Screen->Capture(Bounds(45, 35, 60, 50)).GetPixel(0, 0), clRed);
    EXPECT_EQ(Screen->Capture(Bounds(55, 45, 5, 5)).GetPixel(0, 0), clBlue);
}

TEST_F(FormTest, ClientAreaFollowsFrameAndAlignedChildrenFillIt) {
    TForm f;
    f.SetBorderStyle(bsSizeable);
    f.SetBounds(10, 10, 400, 300);
    auto* top = new TPanel(&f, &f);
    top->SetHeight(40);
    top->SetAlign(alTop);
    auto* bottom = new TPanel(&f, &f);
    bottom->SetHeight(20);
    bottom->SetAlign(alBottom);
    auto* client = new TPanel(&f, &f);
    client->SetAlign(alClient);
    int cw = f.ClientWidth(), ch = f.ClientHeight();
    EXPECT_LT(cw, 400);
    EXPECT_LT(ch, 300);
    EXPECT_EQ(top->BoundsRect(), Bounds(0, 0, cw, 40));
    EXPECT_EQ(bottom->BoundsRect(), Bounds(0, ch - 20, cw, 20));
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 40, cw, ch - 60));
    // Setting the client size gives that client area; the aligned children follow.
    f.SetClientWidth(128);
    f.SetClientHeight(386);
    EXPECT_EQ(f.ClientWidth(), 128);
    EXPECT_EQ(f.ClientHeight(), 386);
    EXPECT_EQ(client->BoundsRect(), Bounds(0, 40, 128, 386 - 60));
    // Hiding an aligned panel gives its room to the others.
    top->Hide();
    EXPECT_EQ(client->Top(), 0);
}

TEST_F(FormTest, OnResizeRunsOnceForACodeResize) {
    TForm f;
    int resizes = 0;
    f.OnResize = [&](TObject*) { ++resizes; };
    f.SetBounds(0, 0, 640, 480);
    f.SetBounds(0, 0, 640, 480);
    f.SetLeft(5);
    EXPECT_EQ(resizes, 1);
}

TEST_F(FormTest, OnPaintRunsAfterAnInvalidationAndItsOwnDrawingDoesNotRepaintForever) {
    TForm f;
    f.SetBounds(0, 0, 200, 150);
    int paints = 0;
    f.OnPaint = [&](TObject*) {
        ++paints;
        f.Canvas().SetPixels(5, 5, clRed);
    };
    auto settle = [] {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 60)
            Application->ProcessMessages();
    };
    f.Show();
    settle();
    EXPECT_EQ(paints, 1);
    f.Invalidate();
    settle();
    EXPECT_EQ(paints, 2);
    // Drawing outside OnPaint shows without running it again.
    f.Canvas().SetPixels(6, 6, clBlue);
    settle();
    EXPECT_EQ(paints, 2);
    f.Hide();
}

TEST_F(FormTest, EnterAndEscapePressTheDefaultAndCancelButtonsAfterThePreview) {
    TForm f;
    auto* edit = new TEdit(&f, &f);
    auto* ok = new TButton(&f, &f);
    ok->SetModalResult(mrOk);
    ok->SetDefault(true);
    auto* cancel = new TButton(&f, &f);
    cancel->SetModalResult(mrCancel);
    cancel->SetCancel(true);
    f.SetKeyPreview(true);
    std::vector<unsigned short> previewed;
    f.OnKeyDown = [&](TObject*, unsigned short& key, TShiftState) { previewed.push_back(key); };
    auto press = [&](int key) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(edit->Widget(), &e);
    };
    ModalSeam().QueueScript([&](TCustomForm&) { press(Qt::Key_Escape); });
    EXPECT_EQ(f.ShowModal(), mrCancel);
    ModalSeam().QueueScript([&](TCustomForm&) { press(Qt::Key_Return); });
    EXPECT_EQ(f.ShowModal(), mrOk);
    EXPECT_EQ(previewed, (std::vector<unsigned short>{VK_ESCAPE, VK_RETURN}));
}

} // namespace
