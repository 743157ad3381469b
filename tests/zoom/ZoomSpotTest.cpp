// The zoom spot: a square of the page magnified into the page's top-left corner, edited there and
// shrunk back by "Apply", or dropped by "Cancel"; the page's undo copy across it.
#include "ZoomFixture.h"

namespace {

class ZoomSpotTest : public ZoomTest {
protected:
    struct Factor {
        TMenuItem* TPbook1::*item;
        int tool, factor, side, offset;
    };
    static constexpr Factor factors[] = {
        {&TPbook1::Zoomx81, 200, 8, 32, 34},
        {&TPbook1::Zoomx41, 201, 4, 64, 66},
        {&TPbook1::Zoomx21, 202, 2, 128, 130},
    };
    // The factor chosen from the menu, then a click on the page there.
    static void magnify(const Factor& f, int x, int y) {
        (Pbook1->*f.item)->Click();
        down(x, y);
        move(x, y);
        up(x, y);
    }
};

TEST_F(ZoomSpotTest, EachFactorMagnifiesIntoTheCornerAndApplyPutsItBackUnchanged) {
    for (const Factor& f : factors) {
        SCOPED_TRACE(f.tool);
        SetUp();
        TPbook1& pb = *Pbook1;
        (pb.*f.item)->Click();
        EXPECT_EQ(Form3->toolcode, f.tool);
        EXPECT_TRUE((pb.*f.item)->Checked());
        EXPECT_FALSE(pb.butzoomspot->Enabled());
        EXPECT_TRUE(pb.zmshape1->Visible());
        EXPECT_EQ(pb.zmshape1->Width(), f.side);
        move(300, 200);
        EXPECT_EQ(pb.zmshape1->Left(), 300 - f.offset);
        EXPECT_EQ(pb.zmshape1->Top(), 200 - f.offset);

        down(300, 200);
        up(300, 200);
        const int sx = 300 - f.offset, sy = 200 - f.offset;
        EXPECT_EQ(pb.spotx, sx);
        EXPECT_EQ(pb.spoty, sy);
        EXPECT_EQ(Form3->toolcode, 0);
        EXPECT_TRUE(pb.panelzoomspot->Visible());
        EXPECT_FALSE(pb.zmshape1->Visible());
        // Each page pixel of the square as a factor x factor block, framed in colour 2.
        for (int r : {0, 5, f.side - 1})
            for (int c : {0, 7, f.side - 1})
                for (int k : {0, f.factor - 1})
                    ASSERT_EQ(page().GetPixel(f.factor * c + k, f.factor * r + k),
                              placeColour(sx + c + 1, sy + r + 1))
                        << c << "," << r;
        EXPECT_EQ(page().GetPixel(257, 100), TColor(2));
        EXPECT_EQ(page().GetPixel(100, 256), TColor(2));
        EXPECT_EQ(page().GetPixel(258, 100), original.GetPixel(258, 100));
        EXPECT_TRUE(samePixels(undo(), original));

        pb.SpeedButton59->Click();
        EXPECT_TRUE(samePixels(page(), original));
        EXPECT_TRUE(samePixels(undo(), original));
        EXPECT_FALSE(pb.panelzoomspot->Visible());
        EXPECT_TRUE(pb.butzoomspot->Enabled());
        EXPECT_FALSE((pb.*f.item)->Checked());
        EXPECT_FALSE(pb.redoptb1->Enabled());
    }
}

TEST_F(ZoomSpotTest, AnEditedBlockLandsAsOnePixel) {
    magnify(factors[0], 300, 200);
    TCanvas& c = page().Canvas();
    c.Brush.Color = clRed;
    c.FillRect(Rect(8 * 3, 8 * 5, 8 * 4, 8 * 6)); // block of column 3, row 5
    Pbook1->SpeedButton59->Click();
    const int px = Pbook1->spotx + 1 + 3, py = Pbook1->spoty + 1 + 5;
    EXPECT_EQ(differences(page(), original), std::vector<TPoint>{Point(px, py)});
    EXPECT_EQ(page().GetPixel(px, py), clRed);
}

// A click at (20, 20) with x 8 samples from (-13, -13): what lies off the page shows white and
// goes back clipped by the page.
TEST_F(ZoomSpotTest, ASquareReachingOffThePageShowsWhiteAndIsWrittenBackClipped) {
    magnify(factors[0], 20, 20);
    EXPECT_EQ(Pbook1->spotx, -14);
    EXPECT_EQ(page().GetPixel(0, 0), clWhite);
    EXPECT_EQ(page().GetPixel(8 * 12 + 7, 8 * 13), clWhite); // column -1
    EXPECT_EQ(page().GetPixel(8 * 13, 8 * 13), placeColour(0, 0));
    TCanvas& c = page().Canvas();
    c.Brush.Color = clBlue;
    c.FillRect(Rect(0, 0, 256, 256)); // the whole square edited
    Pbook1->SpeedButton59->Click();
    TBitmap expect = original;
    expect.Canvas().Brush.Color = clBlue;
    expect.Canvas().FillRect(Rect(0, 0, 32 - 13, 32 - 13));
    EXPECT_TRUE(samePixels(page(), expect));
}

TEST_F(ZoomSpotTest, CancelRestoresTheCornerAndKeepsToolZero) {
    magnify(factors[1], 200, 150);
    page().Canvas().Brush.Color = clRed;
    page().Canvas().FillRect(Rect(0, 0, 100, 100));
    Pbook1->SpeedButton60->Click();
    EXPECT_TRUE(samePixels(page(), original));
    EXPECT_EQ(Form3->toolcode, 0);
    EXPECT_FALSE(Pbook1->panelzoomspot->Visible());
    EXPECT_TRUE(Pbook1->butzoomspot->Enabled());
    EXPECT_FALSE(Pbook1->Zoomx41->Checked());
}

// The copy kept for "Apply" once lived in the zoom view, which the "Zoom" tab and "Normal Size"
// overwrite: undo then blanked the page.
TEST_F(ZoomSpotTest, UndoAfterApplyGivesThePageBeforeEvenAfterAZoomTabVisit) {
    for (bool visit : {false, true}) {
        SCOPED_TRACE(visit);
        SetUp();
        magnify(factors[2], 250, 250);
        page().Canvas().Brush.Color = clRed;
        page().Canvas().FillRect(Rect(10, 10, 20, 20));
        if (visit) {
            tab(Pbook1->TabSheet3);
            tab(Pbook1->TabSheet1);
        }
        Pbook1->SpeedButton59->Click();
        EXPECT_FALSE(samePixels(page(), original));
        Pbook1->undoptb1->Click();
        EXPECT_TRUE(samePixels(page(), original));
    }
}

TEST_F(ZoomSpotTest, ASmallPageIsEnlargedOnlyAfterYes) {
    struct Case {
        const char* answer;
        int size;
    } cases[] = {{"yes", 256}, {"no", 200}, {"close", 200}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        SetUp();
        loadPage(200, 200);
        std::string answer = c.answer;
        ModalSeam().QueueScript<Tmydialog1>([answer](Tmydialog1& d) {
            EXPECT_EQ(d.l1->Caption(), "Image canvas must be minimum 256x256");
            EXPECT_EQ(d.l2->Caption(), "to use this zoom editing facility.");
            EXPECT_EQ(d.l3->Caption(), "Enlarge image now?");
            if (answer == "yes")
                d.b1->Click();
            else if (answer == "no")
                d.b2->Click();
            else
                d.Close();
        });
        Pbook1->butzoomspot->Click();
        EXPECT_EQ(page().Width(), c.size);
        EXPECT_EQ(page().Height(), c.size);
        EXPECT_EQ(Pbook1->ptbox1->Width(), c.size);
        EXPECT_EQ(page().GetPixel(255, 255), c.size == 256 ? clWhite : TColor(0xFFFFFFFF));
        EXPECT_EQ(Pbook1->PopupMenu2->Menu()->isVisible(), c.size == 256);
        Pbook1->PopupMenu2->Menu()->hide();
    }
}

// Choosing another tool between the factor and the click once left the marker on the page and
// "Zoom an area" disabled for the rest of the run.
TEST_F(ZoomSpotTest, AnotherToolBeforeTheClickGivesTheSpotUp) {
    Pbook1->Zoomx81->Click();
    Form3->BitBtn3->Click(); // Pencil
    EXPECT_FALSE(Pbook1->zmshape1->Visible());
    EXPECT_FALSE(Pbook1->Zoomx81->Checked());
    EXPECT_TRUE(Pbook1->butzoomspot->Enabled());
    click(300, 200);
    EXPECT_FALSE(Pbook1->panelzoomspot->Visible());

    // Once magnified, tools are chosen freely and the spot stays.
    const TBitmap before = page();
    magnify(factors[0], 300, 200);
    Form3->BitBtn3->Click();
    EXPECT_TRUE(Pbook1->panelzoomspot->Visible());
    EXPECT_FALSE(Pbook1->butzoomspot->Enabled());
    Pbook1->SpeedButton59->Click();
    Pbook1->undoptb1->Click();
    EXPECT_TRUE(samePixels(page(), before));
}

} // namespace
