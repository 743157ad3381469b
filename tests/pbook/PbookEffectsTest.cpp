// The page effects through the window's own buttons, menu items and mouse: blends and brightness
// steps with undo, flip and mirror, the video filter panel, and the pixel movers.
#include "Menus.h"
#include "OrvantaFixture.h"
#include "TBitBtn.h"
#include "TPanel.h"
#include "TProgressBar.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "blend.h"
#include "filters1.h"

#include <random>

namespace {

class PbookEffectsTest : public OrvantaTest {
protected:
    // A noisy page of w x h, laid out as a loaded picture.
    static TBitmap loadNoise(int w, int h, unsigned seed) {
        TBitmap b(w, h);
        std::mt19937 rng(seed);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                b.SetPixel(x, y, rng() & 0xFFFFFF);
        Pbook1->ptbox1->Picture().Assign(b);
        Pbook1->initpages();
        return b;
    }
    static bool samePage(const TBitmap& b) {
        const TBitmap& p = page();
        if (p.Width() != b.Width() || p.Height() != b.Height()) return false;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                if (p.GetPixel(x, y) != b.GetPixel(x, y)) return false;
        return true;
    }
};

TEST_F(PbookEffectsTest, BlendAndBrightnessButtonsChangeThePageAndUndoRestoresIt) {
    struct Button {
        const char* name;
        TSpeedButton* button;
    } buttons[] = {{"palette Heavy Soft Focus", Form3->SpeedButton6},
                   {"palette Soften Light", Form3->SpeedButton7},
                   {"palette Darken", Form3->SpeedButton8},
                   {"palette Lighten", Form3->SpeedButton9},
                   {"main Soften Light", Pbook1->SpeedButton38},
                   {"main Darken", Pbook1->SpeedButton35},
                   {"main Lighten", Pbook1->SpeedButton36}};
    for (const Button& b : buttons) {
        SCOPED_TRACE(b.name);
        const TBitmap before = loadNoise(40, 30, 7);
        b.button->Click();
        EXPECT_FALSE(samePage(before));
        EXPECT_EQ(Form3->toolcode, 0);
        EXPECT_FALSE(Pbook1->bg1->Visible());
        Pbook1->undoptb1Click(Pbook1);
        EXPECT_TRUE(samePage(before));
    }
    // Lighten on the main window gives every channel + 8.
    loadNoise(10, 10, 8);
    page().SetPixel(3, 3, RGB(250, 10, 0));
    Pbook1->SpeedButton36->Click();
    EXPECT_EQ(page().GetPixel(3, 3), RGB(255, 18, 8));
}

TEST_F(PbookEffectsTest, FlipAndMirrorMenuItemsTurnThePage) {
    const TBitmap before = loadNoise(12, 9, 9);
    Pbook1->Flip1->Click();
    EXPECT_EQ(page().GetPixel(2, 0), before.GetPixel(2, 8));
    EXPECT_EQ(Pbook1->Image2->Picture().Bitmap().GetPixel(2, 0), before.GetPixel(2, 8));
    // Undo shows the undo copy, which holds the flipped page too.
    Pbook1->undoptb1Click(Pbook1);
    EXPECT_EQ(page().GetPixel(2, 0), before.GetPixel(2, 8));
    Pbook1->Flip1->Click();
    EXPECT_TRUE(samePage(before));
    Pbook1->Mirror1->Click();
    EXPECT_EQ(page().GetPixel(0, 4), before.GetPixel(11, 4));
    Pbook1->Mirror1->Click();
    EXPECT_TRUE(samePage(before));
    EXPECT_FALSE(Pbook1->bg1->Visible());
}

TEST_F(PbookEffectsTest, ClearFilterShowsTheFilterPanelAndBackParksIt) {
    TPanel* p = Pbook1->Panelfilt;
    EXPECT_FALSE(p->Visible());
    EXPECT_EQ(p->Top(), -p->Height());
    Pbook1->SpeedButton37->Click();
    EXPECT_TRUE(p->Visible());
    EXPECT_EQ(p->Top(), 0);
    Pbook1->BitBtn45->Click();
    EXPECT_FALSE(p->Visible());
    EXPECT_EQ(p->Top(), -p->Height());
    EXPECT_EQ(Pbook1->t1m->Value(), 10);
    EXPECT_EQ(Pbook1->t2m->Value(), 10);
}

TEST_F(PbookEffectsTest, FilterButtonsRunTheirFiltersWithThePanelsSettings) {
    Pbook1->t1m->SetValue(20);
    Pbook1->t2m->SetValue(30);
    const TFilterSettingsSource set = [] { return TFilterSettings{20, 30}; };
    TQuietProgress quiet;
    struct Button {
        TSpeedButton* button;
        void (*filter)(TBitmap&, const TFilterSettingsSource&, TProgress&);
    } buttons[] = {{Pbook1->SpeedButton29, pairfilt},
                   {Pbook1->SpeedButton32, triplefilt},
                   {Pbook1->SpeedButton31, sortfilt}};
    for (const Button& b : buttons) {
        TBitmap want = loadNoise(25, 14, 10);
        b.filter(want, set, quiet);
        const TBitmap undo = Pbook1->Image2->Picture().Bitmap();
        b.button->Click();
        EXPECT_TRUE(samePage(want)) << b.button->Name();
        EXPECT_FALSE(Pbook1->bg1->Visible());
        // The filters take no undo copy of their own.
        const TBitmap& now = Pbook1->Image2->Picture().Bitmap();
        EXPECT_EQ(now.GetPixel(5, 5), undo.GetPixel(5, 5));
    }
    Pbook1->t1m->SetValue(10);
    Pbook1->t2m->SetValue(10);
}

TEST_F(PbookEffectsTest, MoverToolMovesTheBlockUnderItsMarkerOnePixelPerClick) {
    const TBitmap before = loadNoise(40, 30, 11);
    Pbook1->SpinEdit3->SetValue(6);
    Pbook1->SpinEdit4->SetValue(5);
    Pbook1->pm1->Click(); // "Move Pixels Right"
    ASSERT_EQ(Form3->toolcode, 101);
    EXPECT_EQ(Pbook1->mask1->Picture().Bitmap().Width(), 6);
    // The marker sits up and left of the pointer; the block is the box inside its frame.
    TImage* p = Pbook1->ptbox1;
    p->MouseMove(0, 20, 15);
    p->MouseDown(mbLeft, 0, 20, 15);
    p->MouseUp(mbLeft, 0, 20, 15);
    const int bx = 20 - 7, by = 15 - 6;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            bool moved = x > bx && x <= bx + 6 && y >= by && y < by + 5;
            ASSERT_EQ(page().GetPixel(x, y), before.GetPixel(moved ? x - 1 : x, y)) << x << "," << y;
        }
    Pbook1->SpinEdit3->SetValue(50);
    Pbook1->SpinEdit4->SetValue(40);
}

} // namespace
