#include "Application.h"
#include "Clipboard.h"
#include "OrvantaFixture.h"
#include "TBitBtn.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TestClipboardSystem.h"
#include "Zoompic.h"
#include "mydialog.h"

#include <functional>

namespace {

class ToolSelectionTest : public OrvantaTest {
protected:
    // Leaves every mode a tool choice resets in its other state, and the undo copy stale.
    void dirty() {
        // Window activations queued by the last row run first: the one-shot filters pump
        // messages, and an activation of the palette would otherwise land in the middle of them.
        Application->ProcessMessages();
        TPbook1& pb = *Pbook1;
        Form3->pasteframe = true;
        pb.modified = false;
        pb.spraymix = true;
        pb.mousedown = true;
        pb.firstoutline = false;
        pb.pensetup = true;
        pb.polycount = 7;
        pb.undoptb1->SetEnabled(false);
        pb.PageControl1->SetActivePage(pb.TabSheet3);
        page().SetPixel(3, 4, 0x123456);
        undo().SetPixel(3, 4, 0x654321);
        pb.shpmov->Show();
    }
};

struct ToolRow {
    const char* button;
    std::function<void(TForm3&)> press;
    int code;          // the code left in toolcode
    bool outlinereset; // polycount back to 1, pensetup cleared
};

std::vector<ToolRow> toolRows() {
    auto click = [](auto member) { return [member](TForm3& f) { (f.*member)->Click(); }; };
    return {
        {"BitBtn13", click(&TForm3::BitBtn13), 1, false},
        {"BitBtn5", click(&TForm3::BitBtn5), 2, false},
        {"BitBtn3", click(&TForm3::BitBtn3), 3, false},
        {"BitBtn4", click(&TForm3::BitBtn4), 4, false},
        {"BitBtn2", click(&TForm3::BitBtn2), 5, false},
        {"BitBtn6", click(&TForm3::BitBtn6), 6, false},
        {"BitBtn12", click(&TForm3::BitBtn12), 7, true},
        {"BitBtn14", click(&TForm3::BitBtn14), 8, true},
        {"BitBtn7", click(&TForm3::BitBtn7), 9, false},
        {"BitBtn9", click(&TForm3::BitBtn9), 10, false},
        {"BitBtn15", click(&TForm3::BitBtn15), 11, false},
        {"BitBtn16", click(&TForm3::BitBtn16), 12, false},
        {"BitBtn10", click(&TForm3::BitBtn10), 13, false},
        {"BitBtn11", click(&TForm3::BitBtn11), 14, false},
        {"plainbut1", click(&TForm3::plainbut1), 15, false},
        {"mixbut1", click(&TForm3::mixbut1), 15, false},
        {"BitBtn18", click(&TForm3::BitBtn18), 16, false},
        {"BitBtn29", click(&TForm3::BitBtn29), 17, false},
        {"BitBtn30", click(&TForm3::BitBtn30), 18, false},
        {"BitBtn31", click(&TForm3::BitBtn31), 19, true},
        {"BitBtn32", click(&TForm3::BitBtn32), 20, false},
        {"BitBtn19", click(&TForm3::BitBtn19), 21, true},
        {"BitBtn20", click(&TForm3::BitBtn20), 22, true},
        {"BitBtn21", click(&TForm3::BitBtn21), 23, true},
        {"BitBtn28", click(&TForm3::BitBtn28), 24, true},
        {"BitBtn34", click(&TForm3::BitBtn34), 25, true},
        {"pm1", click(&TForm3::pm1), 101, true},
        {"pm2", click(&TForm3::pm2), 102, true},
        {"pm3", click(&TForm3::pm3), 103, true},
        {"pm4", click(&TForm3::pm4), 104, true},
        {"pm5", click(&TForm3::pm5), 105, true},
        {"pm6", click(&TForm3::pm6), 106, true},
        {"pm7", click(&TForm3::pm7), 107, true},
        {"pm8", click(&TForm3::pm8), 108, true},
        {"BitBtn8", click(&TForm3::BitBtn8), 109, true},
        {"gradbut2", click(&TForm3::gradbut2), 152, false},
        {"gradbut3", click(&TForm3::gradbut3), 153, false},
        {"gradbut8", click(&TForm3::gradbut8), 154, false},
        {"gradbut5", click(&TForm3::gradbut5), 155, false},
        {"gradbut6", click(&TForm3::gradbut6), 156, false},
        {"gradbut4", click(&TForm3::gradbut4), 157, false},
        {"BitBtn23", click(&TForm3::BitBtn23), 217, false},
        {"BitBtn25", click(&TForm3::BitBtn25), 229, true},
        // The one-shot filters run once and leave no tool chosen.
        {"SpeedButton6", click(&TForm3::SpeedButton6), 0, false},
        {"SpeedButton7", click(&TForm3::SpeedButton7), 0, false},
        {"SpeedButton8", click(&TForm3::SpeedButton8), 0, false},
        {"SpeedButton9", click(&TForm3::SpeedButton9), 0, false},
    };
}

TEST_F(ToolSelectionTest, EveryToolButtonLeavesItsCodeAndResetsTheMainWindow) {
    for (const ToolRow& row : toolRows()) {
        SCOPED_TRACE(row.button);
        dirty();
        row.press(*Form3);
        TPbook1& pb = *Pbook1;
        EXPECT_EQ(Form3->toolcode, row.code);
        EXPECT_TRUE(pb.modified);
        EXPECT_FALSE(Form3->pasteframe);
        EXPECT_EQ(pb.spraymix, std::string(row.button) == "mixbut1");
        EXPECT_FALSE(pb.mousedown);
        EXPECT_TRUE(pb.firstoutline);
        EXPECT_TRUE(pb.undoptb1->Enabled());
        EXPECT_EQ(pb.PageControl1->ActivePage(), pb.TabSheet1);
        EXPECT_EQ(undo().GetPixel(3, 4), 0x123456u) << "undo snapshot of the page";
        EXPECT_EQ(pb.polycount, row.outlinereset ? 1 : 7);
        EXPECT_EQ(pb.pensetup, !row.outlinereset);
        bool mover = row.code >= 101 && row.code <= 108;
        EXPECT_EQ(pb.shpmov->Visible(), mover) << "the mover marker shows only for the movers";
    }
}

TEST_F(ToolSelectionTest, CutAndTheColourReplacerPolygonEmptyTheClipboard) {
    auto clip = std::make_shared<TestClipboardSystem>();
    SetClipboardSystem(clip);
    for (TBitBtn* button : {Form3->BitBtn21, Form3->BitBtn31}) {
        SCOPED_TRACE(button->Name());
        clip->PutTextFromOtherProgram("words");
        button->Click();
        EXPECT_FALSE(clip->IsFormatAvailable(CF_TEXT));
        EXPECT_FALSE(clip->IsOpen());
    }
    clip->PutTextFromOtherProgram("words");
    Form3->BitBtn20->Click();
    EXPECT_TRUE(clip->IsFormatAvailable(CF_TEXT)) << "a capture outline keeps the clipboard";
    SetClipboardSystem(nullptr);
}

TEST_F(ToolSelectionTest, DoToolNeverStoresTheCode) {
    Form3->toolcode = 11;
    Form3->do_tool(5);
    EXPECT_EQ(Form3->toolcode, 11);
    EXPECT_TRUE(Pbook1->modified);
}

TEST_F(ToolSelectionTest, PlainAfterMixLeavesSprayMixCleared) {
    Form3->mixbut1->Click();
    EXPECT_TRUE(Pbook1->spraymix);
    Form3->plainbut1->Click();
    EXPECT_FALSE(Pbook1->spraymix);
    EXPECT_EQ(Form3->toolcode, 15);
}

TEST_F(ToolSelectionTest, BezierButtonClearsTheCurveFlags) {
    TPbook1& pb = *Pbook1;
    pb.bezplaced = pb.bezgrab1 = pb.bezgrab2 = pb.bezgrab3 = pb.bezgrab4 = pb.bezdragging = true;
    pb.bezhandles = true;
    Form3->BitBtn16->Click();
    EXPECT_FALSE(pb.bezplaced || pb.bezgrab1 || pb.bezgrab2 || pb.bezgrab3 || pb.bezgrab4 || pb.bezdragging);
    EXPECT_FALSE(pb.bezhandles);
}

TEST_F(ToolSelectionTest, MoverToolSizesTheMoverBoxExactly) {
    Pbook1->mask1->Picture().Bitmap().SetSize(7, 3);
    Form3->pm4->Click();
    const TBitmap& box = Pbook1->mask1->Picture().Bitmap();
    EXPECT_EQ(box.Width(), 50);
    EXPECT_EQ(box.Height(), 40);
    EXPECT_EQ(Pbook1->mask1->Width(), 50);
    EXPECT_EQ(Pbook1->mask1->Height(), 40);
    EXPECT_EQ(Pbook1->shpmov->Pen().Mode, pmCopy);
    EXPECT_EQ(Pbook1->shpmov->Brush().Style, bsClear);
    EXPECT_EQ(Pbook1->shpmov->Brush().Color, clWhite);
}

TEST_F(ToolSelectionTest, ZoomViewIsWrittenBackOnceOnly) {
    TPbook1& pb = *Pbook1;
    int w = page().Width(), h = page().Height();
    pb.zm1->Bitmap().SetSize(w, h);
    pb.zm1->Bitmap().Canvas().Brush.Color = clRed;
    pb.zm1->Bitmap().Canvas().FillRect(Rect(0, 0, w, h));
    pb.zmbuton->SetEnabled(true);
    pb.zoomon = true;

    Form3->BitBtn5->Click();
    EXPECT_TRUE(pb.zoomwritten);
    EXPECT_FALSE(pb.zmbuton->Enabled());
    EXPECT_EQ(page().GetPixel(w / 2, h / 2), clRed);
    EXPECT_EQ(undo().GetPixel(w / 2, h / 2), clWhite)
        << "undo gives back the page from before the write-back";

    pb.zm1->Bitmap().Canvas().Brush.Color = clBlue;
    pb.zm1->Bitmap().Canvas().FillRect(Rect(0, 0, w, h));
    Form3->BitBtn5->Click();
    EXPECT_EQ(page().GetPixel(w / 2, h / 2), clRed);
}

TEST_F(ToolSelectionTest, SpraySelectionRaisesTheWidthToTen) {
    struct Row {
        int before, after;
    } rows[] = {{1, 10}, {5, 10}, {9, 10}, {10, 10}, {30, 30}};
    for (auto press : {&TForm3::plainbut1, &TForm3::mixbut1, &TForm3::BitBtn32}) {
        for (const Row& r : rows) {
            SCOPED_TRACE(r.before);
            Form3->linewidth = r.before;
            (Form3->*press)->Click();
            EXPECT_EQ(Form3->linewidth, r.after);
        }
    }
}

TEST_F(ToolSelectionTest, ToolBarShowsAtMostOneOverlay) {
    TForm3& p = *Form3;
    p.ToolButton1->Click();
    EXPECT_TRUE(p.Panel7->Visible());
    p.ToolButton2->Click();
    EXPECT_TRUE(p.pmoverpanel1->Visible());
    EXPECT_FALSE(p.Panel7->Visible());
    p.ToolButton3->Click();
    EXPECT_TRUE(p.Panel3->Visible());
    EXPECT_FALSE(p.pmoverpanel1->Visible());
    p.ToolButton3->Click();
    EXPECT_FALSE(p.Panel3->Visible());
    EXPECT_FALSE(p.Panel7->Visible() || p.pmoverpanel1->Visible());

    p.ToolButton1->Click();
    p.BitBtn17->Click();
    EXPECT_TRUE(p.Panel8->Visible());
    EXPECT_TRUE(p.Panel7->Visible()) << "the spray choice lies over the panel that shows";
    p.backspraybut1->Click();
    EXPECT_FALSE(p.Panel8->Visible());
    p.BitBtn22->Click();
    EXPECT_FALSE(p.Panel7->Visible());
}

} // namespace
