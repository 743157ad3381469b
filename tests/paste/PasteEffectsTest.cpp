// The paste panel's sizes, effects and pages on a real paste in the started program.
#include "PasteFixture.h"

#include "BmpCodec.h"
#include "Clpfrm.h"
#include "Menus.h"
#include "TBitBtn.h"
#include "TButton.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TSpinButton.h"
#include "imprint.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <functional>

namespace {

class PasteEffectsTest : public PasteFixture {
protected:
    static TBitmap solid(int w, int h, TColor c = clBlue) {
        TBitmap b(w, h);
        b.Canvas().Brush.SetColor(c);
        b.Canvas().FillRect(Rect(0, 0, w, h));
        return b;
    }
    // `under` with every page pixel below a non-white pixel of `clip` at `at` imprinted by `step`.
    static TBitmap imprinted(const TBitmap& under, const TBitmap& clip, TPoint at, int step, bool lighten) {
        TBitmap b = under;
        for (int y = 0; y < clip.Height(); ++y)
            for (int x = 0; x < clip.Width(); ++x) {
                const int px = at.x + x, py = at.y + y;
                if (clip.GetPixel(x, y) != clWhite && px >= 0 && py >= 0 && px < b.Width() && py < b.Height())
                    b.SetPixel(px, py, imprintcolor(b.GetPixel(px, py), step, lighten));
            }
        return b;
    }
    // 16 x 12 (no side below the drawn minimum of 10): red, a green pixel, a white hole.
    static TBitmap shapeClip() {
        TBitmap c = solid(16, 12, clRed);
        c.Canvas().Brush.SetColor(clWhite);
        c.Canvas().FillRect(Rect(4, 3, 8, 7));
        c.SetPixel(14, 1, clLime);
        return c;
    }
    static TBitmap golden(const std::string& name) {
        return ReadBmpFile(std::string(ORVANTA_TEST_DATA) + "/" + name);
    }
    // 48 x 40: mid grey, with a dark band (0x202020) from x = 24 on, where darkening by 48 hits 0.
    static void loadGreyPage() {
        TBitmap b = solid(48, 40, TColor(0x808080));
        b.Canvas().Brush.SetColor(TColor(0x202020));
        b.Canvas().FillRect(Rect(24, 0, 48, 40));
        Pbook1->ptbox1->Picture().Assign(b);
        Pbook1->initpages();
    }
    static std::vector<TControl*> effectButtons() {
        return {Pbook1->SpeedButton4, Pbook1->SpeedButton5, Pbook1->SpeedButton6, Pbook1->SpeedButton7,
                Pbook1->BitBtn14,     Pbook1->BitBtn19,     Pbook1->flpmirbut};
    }
};

TEST(ImprintColour, StepsEachChannelApartWithinTheRange) {
    const struct {
        TColor c;
        int step;
        bool lighten;
        TColor want;
    } cases[] = {
        {RGB(30, 100, 200), 48, false, RGB(0, 52, 152)},     {RGB(230, 100, 10), 48, true, RGB(255, 148, 58)},
        {RGB(100, 0, 255), 12, false, RGB(88, 0, 243)},      {RGB(100, 0, 255), 12, true, RGB(112, 12, 255)},
        {RGB(50, 60, 70), 0, false, RGB(49, 59, 69)},        {RGB(50, 60, 70), -5, true, RGB(51, 61, 71)},
        {RGB(255, 255, 255), 48, false, RGB(207, 207, 207)}, {RGB(0, 0, 0), 48, true, RGB(48, 48, 48)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(imprintcolor(c.c, c.step, c.lighten), c.want)
            << std::hex << c.c << " " << std::dec << c.step;
}

TEST_F(PasteEffectsTest, HalfAndTwiceChangeTheDrawnSizeByAQuarterOfTheClip) {
    struct Case {
        int w, h;
        bool twice;
        int presses;
        int drawnw, drawnh;
    } cases[] = {{40, 20, true, 1, 50, 25}, {40, 20, true, 2, 60, 30}, {12, 12, false, 1, 10, 10}};
    for (const Case& c : cases) {
        putOnClipboard(solid(c.w, c.h));
        Pbook1->butpaste->Click();
        for (int i = 0; i < c.presses; ++i)
            (c.twice ? Pbook1->SpeedButton5 : Pbook1->SpeedButton4)->Click();
        EXPECT_EQ(Pbook1->sizedwidth, c.drawnw);
        EXPECT_EQ(Pbook1->sizedheight, c.drawnh);
        EXPECT_EQ(countColour(page(), clBlue), c.drawnw * c.drawnh);
        Pbook1->SpeedButton3->Click();
        Pbook1->undoptb1Click(Pbook1);
    }
}

// The imprint presses the clip's shape into the page at the paste's place without drawing the
// clip; the next move of the paste starts again from the page before the paste.
TEST_F(PasteEffectsTest, ImprintsChangeOnlyThePageUnderTheShape) {
    const struct {
        TSpeedButton* button;
        bool lighten;
        int moveLeft; // presses of the spin's "left 10" before the imprint
    } cases[] = {
        {Pbook1->SpeedButton6, false, 0}, {Pbook1->SpeedButton7, true, 0}, {Pbook1->SpeedButton6, false, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.button->Hint() + " left " + std::to_string(c.moveLeft));
        loadStripes(60, 40);
        const TBitmap under = page();
        const TBitmap clip = shapeClip();
        putOnClipboard(clip);
        Pbook1->butpaste->Click();
        for (int i = 0; i < c.moveLeft; ++i)
            Pbook1->LRedit1->UpClick();
        const TPoint at{1 - 10 * c.moveLeft, 1};
        Pbook1->polycount = 7;
        Pbook1->pensetup = true;
        c.button->Click();
        EXPECT_TRUE(samePixels(page(), imprinted(under, clip, at, 48, c.lighten)));
        EXPECT_EQ(Pbook1->polycount, 1);
        EXPECT_FALSE(Pbook1->pensetup);
        EXPECT_TRUE(Pbook1->firstoutline);
        EXPECT_TRUE(Form3->pasteframe);
        EXPECT_TRUE(samePixels(undo(), under));
        Pbook1->paste1dn->Click();
        EXPECT_TRUE(samePixels(page(), withClip(under, clip, {at.x, at.y + 1})));
        Pbook1->SpeedButton3->Click();
        Pbook1->undoptb1Click(Pbook1);
        EXPECT_TRUE(samePixels(page(), under));
    }
}

TEST_F(PasteEffectsTest, AnImprintBakesTheDrawnSizeIntoTheClip) {
    putOnClipboard(solid(40, 20));
    Pbook1->butpaste->Click();
    Pbook1->SpeedButton5->Click();
    Pbook1->SpeedButton6->Click();
    EXPECT_EQ(countColour(page(), clBlue), 0);
    EXPECT_EQ(clip().Width(), 50);
    EXPECT_EQ(clip().Height(), 25);
    EXPECT_FALSE(Pbook1->pastesized);
    Pbook1->SpeedButton1->Click(); // "Initial Size" now means the baked size
    EXPECT_EQ(countColour(page(), clBlue), 50 * 25);
}

// Golden pictures of a 12 x 8 clip with a hole on a grey page with a dark band, made once and
// looked at by eye. Shadow: five darkenings by 12 from 5 right and 3 down, each one further right
// and down and 3 pixels smaller, the clip drawn on top. Emboss: 48 darker along the shape's lower
// right edges, 48 lighter along its upper left ones, the two cancelling inside except in the dark
// band, where darkening hit 0.
TEST_F(PasteEffectsTest, ShadowAndEmbossMatchTheirGoldenPictures) {
    const struct {
        TBitBtn* button;
        const char* golden;
    } cases[] = {{Pbook1->BitBtn14, "paste_shadow.bmp"}, {Pbook1->BitBtn19, "paste_emboss.bmp"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.golden);
        loadGreyPage();
        const TBitmap under = page();
        putOnClipboard(shapeClip());
        Pbook1->butpaste->Click();
        Pbook1->LRedit1->DownClick(); // the paste at (11, 1), over both greys
        c.button->Click();
        EXPECT_TRUE(samePixels(page(), golden(c.golden)));
        EXPECT_TRUE(samePixels(undo(), under)); // Undo goes back to the page before the paste
        EXPECT_TRUE(samePixels(onClipboard(), shapeClip()));
        EXPECT_TRUE(Form3->pasteframe);
    }
}

TEST_F(PasteEffectsTest, MirrorTwiceGivesTheFirstPictureBack) {
    loadStripes(60, 40);
    const TBitmap under = page();
    const TBitmap clip = holedClip();
    TBitmap mirrored(12, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            mirrored.SetPixel(11 - x, y, clip.GetPixel(x, y));
    putOnClipboard(clip);
    Pbook1->butpaste->Click();
    Pbook1->paste1dn->Click();
    Pbook1->flpmirbut->Click();
    EXPECT_TRUE(samePixels(page(), withClip(under, mirrored, {0, 0})));
    EXPECT_TRUE(samePixels(onClipboard(), mirrored));
    Pbook1->flpmirbut->Click();
    EXPECT_TRUE(samePixels(page(), withClip(under, clip, {0, 0})));
    EXPECT_TRUE(samePixels(onClipboard(), clip));
    EXPECT_TRUE(samePixels(undo(), under));
}

// After a paste that never started the undo image is stale: no effect may bring it back.
TEST_F(PasteEffectsTest, WithNoLivePasteNoEffectChangesAnything) {
    Clipboard()->Clear();
    Pbook1->butpaste->Click();
    clpform1->BitBtn1->Click();
    page().SetPixel(30, 30, clRed);
    const TBitmap before = page();
    for (TControl* b : effectButtons())
        b->Click();
    EXPECT_TRUE(samePixels(page(), before));
    EXPECT_FALSE(board->GetBitmap(*std::make_unique<TBitmap>()));
}

// A command pressed while an effect pumps messages would resize the clip the effect is reading.
TEST_F(PasteEffectsTest, NothingElseOnThePanelStartsWhileAnEffectRuns) {
    loadStripes(60, 40);
    const TBitmap under = page();
    const TBitmap clip = shapeClip();
    putOnClipboard(clip);
    Pbook1->butpaste->Click();
    int ran = 0;
    for (TControl* second : effectButtons()) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [&ran, second] {
                ++ran;
                EXPECT_TRUE(Pbook1->effectbusy);
                second->Click();
                Pbook1->paste1right->Click();
                Pbook1->SpeedButton3->Click();
                down(5, 5);
            },
            Qt::QueuedConnection);
        Pbook1->SpeedButton6->Click();
        EXPECT_FALSE(Pbook1->effectbusy);
        EXPECT_FALSE(Pbook1->pastedragging);
        EXPECT_TRUE(Pbook1->pastepanel1->Visible());
        EXPECT_TRUE(samePixels(page(), imprinted(under, clip, {1, 1}, 48, false)));
    }
    EXPECT_EQ(ran, int(effectButtons().size()));
}

TEST_F(PasteEffectsTest, PageButtonsAndTheHolderCommandsShowTheirPage) {
    auto press = [](TControl* b) { return [b] { b->Click(); }; };
    const struct {
        const char* what;
        std::function<void()> click;
        bool pastepanel, ppanel, ppanel2, panelclip, panco1, zmpanel, ticked, threeDown;
    } cases[] = {
        {"2", press(Pbook1->SpeedButton30), true, false, true, false, false, true, false, false},
        {"3", press(Pbook1->SpeedButton13), true, false, false, true, true, true, true, true},
        {"1", press(Pbook1->SpeedButton28), true, true, false, false, false, true, true, false},
        {"untick", [] { Pbook1->ClipboardHolders1->Click(); }, false, true, false, false, false, true, false,
         false},
        {"tick", [] { Pbook1->ClipboardHolders1->Click(); }, true, false, false, true, true, false, true,
         true},
        {"1 again", press(Pbook1->SpeedButton28), true, true, false, false, false, true, true, false},
        {"holder button", press(Pbook1->SpeedButton49), true, false, false, true, true, false, true, true},
        {"holder button again", press(Pbook1->SpeedButton49), true, false, false, true, true, false, true,
         true},
    };
    putOnClipboard(holedClip());
    Pbook1->butpaste->Click();
    for (const auto& c : cases) {
        Pbook1->zmpanel1->Show();
        c.click();
        EXPECT_EQ(Pbook1->pastepanel1->Visible(), c.pastepanel) << c.what;
        EXPECT_EQ(Pbook1->ppanel->Visible(), c.ppanel) << c.what;
        EXPECT_EQ(Pbook1->ppanel2->Visible(), c.ppanel2) << c.what;
        EXPECT_EQ(Pbook1->panelclip->Visible(), c.panelclip) << c.what;
        EXPECT_EQ(Pbook1->panco1->Visible(), c.panco1) << c.what;
        EXPECT_EQ(Pbook1->zmpanel1->Visible(), c.zmpanel) << c.what;
        EXPECT_EQ(Pbook1->ClipboardHolders1->Checked(), c.ticked) << c.what;
        if (c.threeDown) {
            EXPECT_TRUE(Pbook1->SpeedButton13->Down()) << c.what;
        }
    }
    Pbook1->zmpanel1->Hide();
}

} // namespace
