// The floating paste on the started program's page, driven through the paste panel's own
// buttons and the page's mouse events, over an in-memory clipboard.
#include "PasteFixture.h"

#include "Clpfrm.h"
#include "Palette.h"
#include "TCheckBox.h"
#include "TPanel.h"
#include "TScrollBox.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinButton.h"
#include "TSpinEdit.h"
#include "cliprotate.h"

namespace {

class PasteTest : public PasteFixture {};

TEST_F(PasteTest, WhiteInTheClipShowsThePageAndTheFirstRedrawMovesOnePixel) {
    loadStripes(60, 40);
    const TBitmap under = page();
    const TBitmap clip = holedClip();
    putOnClipboard(clip);
    Pbook1->cappaste = true; // a template capture abandoned by choosing a tool
    Pbook1->butpaste->Click();
    EXPECT_FALSE(Pbook1->cappaste);
    EXPECT_TRUE(Pbook1->pastepanel1->Visible());
    EXPECT_TRUE(Pbook1->ppanel->Visible());
    EXPECT_TRUE(Form3->pasteframe);
    EXPECT_EQ(Form3->toolcode, 0);
    EXPECT_EQ(Pbook1->pasteOrigin(), (TPoint{0, 0})); // the unscrolled page's corner
    // Drawn at the origin; the dashed frame lies over the page, not in it.
    EXPECT_TRUE(samePixels(page(), withClip(under, clip, {0, 0})));
    EXPECT_TRUE(samePixels(undo(), under));
    EXPECT_TRUE(Pbook1->pasteFrameShape->Visible());

    Pbook1->paste1right->Click();
    Pbook1->paste1left->Click();
    EXPECT_TRUE(samePixels(page(), withClip(under, clip, {1, 1})));
    EXPECT_FALSE(Pbook1->pasteFrameShape->Visible());

    // "Done" leaves the paste as last drawn, without a frame pixel; Undo removes it.
    Pbook1->SpeedButton3->Click();
    EXPECT_FALSE(Pbook1->pastepanel1->Visible());
    EXPECT_FALSE(Form3->pasteframe);
    EXPECT_TRUE(samePixels(page(), withClip(under, clip, {1, 1})));
    Pbook1->undoptb1Click(Pbook1);
    EXPECT_TRUE(samePixels(page(), under));
}

TEST_F(PasteTest, DoneRightAfterThePasteLeavesNoFramePixel) {
    const TBitmap clip = holedClip();
    putOnClipboard(clip);
    Pbook1->butpaste->Click();
    Pbook1->SpeedButton3->Click();
    EXPECT_TRUE(samePixels(page(), withClip(TBitmap(450, 250), clip, {0, 0})));
    EXPECT_FALSE(Pbook1->pasteFrameShape->Visible());
}

TEST_F(PasteTest, ADragLeavesTheUndoImageWithTheClipAtTheLastPlace) {
    loadStripes(120, 90);
    const TBitmap under = page();
    const TBitmap clip = holedClip();
    putOnClipboard(clip);
    Pbook1->butpaste->Click();
    Pbook1->dragbox1->SetChecked(true); // a drag erases its trail all the same
    down(5, 5);
    EXPECT_TRUE(Pbook1->pastedragging);
    move(25, 15);
    move(45, 35);
    EXPECT_EQ(Pbook1->coord1->Caption(), "45:35");
    EXPECT_TRUE(Pbook1->coord1->Visible());
    up(45, 35);
    EXPECT_FALSE(Pbook1->pastedragging);
    EXPECT_TRUE(samePixels(page(), withClip(under, clip, {41, 31})));

    // The buttons and spins leave trails while "Drag" is ticked.
    Pbook1->paste1dn->Click();
    Pbook1->LRedit1->DownClick();
    TBitmap trail = withClip(under, clip, {41, 31});
    trail = withClip(trail, clip, {41, 32});
    EXPECT_TRUE(samePixels(page(), withClip(trail, clip, {51, 32})));
    Pbook1->dragbox1->SetChecked(false);
    Pbook1->UDedit1->UpClick();
    EXPECT_TRUE(samePixels(page(), withClip(under, clip, {51, 22})));
}

TEST_F(PasteTest, PasteFrameTakesTheEventsWhateverTheTool) {
    const TBitmap clip = holedClip();
    putOnClipboard(clip);
    Pbook1->butpaste->Click();
    Form3->toolcode = 5; // a rectangle would be drawn if the events reached the tool
    down(5, 5);
    EXPECT_EQ(Pbook1->ptbox1->Cursor(), crHandPoint);
    move(80, 60);
    up(80, 60);
    EXPECT_TRUE(samePixels(page(), withClip(TBitmap(450, 250), clip, {76, 56})));
}

TEST_F(PasteTest, OnlyAPressStrictlyInsideThePasteGrabsIt) {
    // The paste sits at (1, 1), 12 x 8: its border is x = 1 and 13, y = 1 and 9.
    struct Case {
        int x, y;
        bool grabs;
    } cases[] = {{5, 5, true},   {2, 2, true},  {12, 8, true}, {1, 5, false},
                 {13, 5, false}, {5, 1, false}, {5, 9, false}, {100, 100, false}};
    for (const Case& c : cases) {
        putOnClipboard(holedClip());
        Pbook1->butpaste->Click();
        down(c.x, c.y);
        EXPECT_EQ(Pbook1->pastedragging, c.grabs) << c.x << "," << c.y;
        EXPECT_EQ(Form3->pasteframe, c.grabs) << c.x << "," << c.y;
        EXPECT_EQ(Pbook1->pasteFrameShape->Visible(), c.grabs) << c.x << "," << c.y;
        up(c.x, c.y);
        Pbook1->SpeedButton3->Click();
    }
    // After a click outside, the panel's buttons take the paste up again.
    putOnClipboard(holedClip());
    Pbook1->butpaste->Click();
    click(200, 200);
    EXPECT_FALSE(Form3->pasteframe);
    Pbook1->paste1right->Click();
    EXPECT_TRUE(Form3->pasteframe);
}

TEST_F(PasteTest, SizeSpinsStopAtTenAndInitialSizePutsTheClipBack) {
    TBitmap clip(12, 12);
    clip.Canvas().Brush.SetColor(clBlue);
    clip.Canvas().FillRect(Rect(0, 0, 12, 12));
    putOnClipboard(clip);
    Pbook1->butpaste->Click();
    for (int want : {11, 10, 10}) {
        Pbook1->pwedit1->DownClick();
        EXPECT_EQ(Pbook1->sizedwidth, want);
        EXPECT_EQ(Pbook1->sizedheight, 12);
        EXPECT_TRUE(Pbook1->pastesized);
        EXPECT_EQ(countColour(page(), clBlue), want * 12);
    }
    Pbook1->pastezoomedit1->UpClick();
    Pbook1->phedit1->DownClick();
    EXPECT_EQ(Pbook1->sizedwidth, 11);
    EXPECT_EQ(Pbook1->sizedheight, 12);
    Pbook1->SpeedButton1->Click();
    EXPECT_FALSE(Pbook1->pastesized);
    EXPECT_TRUE(samePixels(page(), withClip(TBitmap(450, 250), clip, {1, 1})));
}

TEST_F(PasteTest, OnlyTwoDifferent256ColourPalettesAreMapped) {
    const PALETTEENTRY odd{10, 200, 30, 0};
    PALETTEENTRY standard;
    GetPaletteEntries(DefaultPalette256(), 40, 1, &standard);
    struct Case {
        const char* what;
        bool palettePage, paletteClip, oddClip;
        PALETTEENTRY after; // the clip's entry 40 once pasted
    } cases[] = {
        {"another palette: mapped", true, true, true, standard},
        {"the same palette", true, true, false, standard},
        {"a true-colour page", false, true, true, odd},
    };
    for (const Case& c : cases) {
        TBitmap p(40, 30, c.palettePage ? pf8bit : pf24bit);
        if (c.palettePage) p.SetPalette(DefaultPalette256());
        Pbook1->ptbox1->Picture().Assign(p);
        Pbook1->initpages();
        TBitmap clip(8, 8, pf8bit);
        HPALETTE own = CreatePalette(DefaultPalette256()->entries);
        if (c.oddClip) SetPaletteEntries(own, 40, 1, &odd);
        clip.SetPalette(own);
        putOnClipboard(clip);
        Pbook1->butpaste->Click();
        PALETTEENTRY e;
        ASSERT_EQ(GetPaletteEntries(Pbook1->clpmap1->Picture().Bitmap().Palette(), 40, 1, &e), 1) << c.what;
        EXPECT_EQ(e, c.after) << c.what;
        Pbook1->SpeedButton3->Click();
    }
}

TEST_F(PasteTest, ScrollingThePageKeepsThePasteOnItsPixels) {
    loadStripes(900, 700);
    const TBitmap under = page();
    const TBitmap clip = holedClip();
    putOnClipboard(clip);
    Pbook1->butpaste->Click();
    Pbook1->ScrollBox1->VertScrollBar().SetPosition(50);
    Pbook1->ScrollBox1->HorzScrollBar().SetPosition(30);
    EXPECT_EQ(Pbook1->pasteOrigin(), (TPoint{30, 50}));
    Pbook1->paste1right->Click();
    EXPECT_TRUE(samePixels(page(), withClip(under, clip, {2, 1})));
}

TEST_F(PasteTest, RotateClipTurnsTheClipboardPictureEachTimeAndKeepsIt) {
    const TBitmap clip = holedClip();
    putOnClipboard(clip);
    Pbook1->butpaste->Click();
    Pbook1->pasterotedit1->SetValue(30);
    Pbook1->SpeedButton18->Click();
    const TBitmap once = page();
    TBitmap turned = clip;
    TQuietProgress bar;
    rotateclip(turned, 30, bar);
    EXPECT_TRUE(samePixels(once, withClip(TBitmap(450, 250), turned, {0, 0})));
    EXPECT_TRUE(samePixels(onClipboard(), clip));
    Pbook1->SpeedButton18->Click();
    EXPECT_TRUE(samePixels(page(), once));
    EXPECT_TRUE(samePixels(onClipboard(), clip));
    EXPECT_TRUE(samePixels(undo(), TBitmap(450, 250)));
}

// A paste that never started leaves the panel up over an undo image from before the last
// strokes: nothing on it may bring that image back or capture over it.
TEST_F(PasteTest, AfterAFailedStartThePanelChangesNothing) {
    for (const char* start : {"empty", "announced"}) {
        SCOPED_TRACE(start);
        OrvantaTest::SetUp();
        if (std::string(start) == "empty") {
            Clipboard()->Clear();
        } else {
            Clipboard()->AnnounceFormat(CF_BITMAP);
            ModalSeam().QueueScript<Tmydialog1>([](Tmydialog1& d) { d.b1->Click(); });
        }
        page().SetPixel(30, 30, clRed); // a stroke made after the undo image was taken
        const TBitmap before = page();
        if (std::string(start) == "empty") {
            Pbook1->butpaste->Click();
            EXPECT_TRUE(clpform1->Visible());
            EXPECT_EQ(clpform1->Label1->Caption(), "Clipboard Not Available or Empty");
            clpform1->BitBtn1->Click();
        } else {
            EXPECT_THROW(Pbook1->butpaste->Click(), EAbort);
        }
        Pbook1->cappaste = true; // as a template capture would have set it
        EXPECT_TRUE(Pbook1->pastepanel1->Visible());
        for (TControl* c :
             std::initializer_list<TControl*>{Pbook1->SpeedButton1, Pbook1->paste1left, Pbook1->paste1right,
                                              Pbook1->paste1up, Pbook1->paste1dn, Pbook1->SpeedButton18})
            c->Click();
        for (TSpinButton* s :
             {Pbook1->pastezoomedit1, Pbook1->pwedit1, Pbook1->phedit1, Pbook1->UDedit1, Pbook1->LRedit1}) {
            s->UpClick();
            s->DownClick();
        }
        Form3->pasteframe = true;
        down(5, 5);
        move(40, 40);
        up(40, 40);
        Pbook1->SpeedButton3->Click();
        EXPECT_FALSE(Pbook1->cappaste);
        EXPECT_TRUE(samePixels(page(), before));
        EXPECT_FALSE(board->GetBitmap(*std::make_unique<TBitmap>()));
    }
}

} // namespace
