#include "OrvantaFixture.h"
#include "TBitBtn.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "mydialog.h"

namespace {

class PaletteWindowTest : public OrvantaTest {};

TEST_F(PaletteWindowTest, MadeAsASmallToolWindowOverTheMainWindowsRightEdge) {
    TForm3& p = *Form3;
    EXPECT_EQ(p.Caption(), "Tools");
    EXPECT_EQ(p.BorderStyle(), bsToolWindow);
    EXPECT_EQ(p.FormStyle(), fsStayOnTop);
    EXPECT_EQ(p.ClientWidth(), 128);
    EXPECT_EQ(p.ClientHeight(), 386);
    EXPECT_EQ(p.Top(), Pbook1->Top());
    EXPECT_EQ(p.Left(), Pbook1->Left() + Pbook1->Width() - 100);
    EXPECT_EQ(p.Image1->Width(), 40);
    EXPECT_EQ(p.Image1->Picture().Bitmap().Width(), 40);
    EXPECT_EQ(p.Image1->Picture().Bitmap().Height(), 40);
    EXPECT_FALSE(p.ListBox1 == nullptr);
    EXPECT_EQ(p.progdir, ProgramFolder::RootWithSlash());
    for (TPanel* overlay : {p.Panel3, p.pmoverpanel1, p.Panel7, p.Panel8}) {
        EXPECT_FALSE(overlay->Visible()) << overlay->Name();
        EXPECT_EQ(overlay->BoundsRect(), p.Panel1->BoundsRect()) << overlay->Name();
    }
    EXPECT_GE(p.Panel9->Left(), p.ClientWidth()) << "the help panel starts parked";
}

TEST_F(PaletteWindowTest, ColourPictureRunsRoundTheHuesDarkToPale) {
    const TBitmap& pic = Form3->Image3->Picture().Bitmap();
    ASSERT_EQ(pic.Width(), 118);
    ASSERT_EQ(pic.Height(), 40);
    auto r = [](TColor c) { return int(c & 0xFF); };
    auto g = [](TColor c) { return int((c >> 8) & 0xFF); };
    auto b = [](TColor c) { return int((c >> 16) & 0xFF); };
    int mid = 20;
    EXPECT_EQ(pic.GetPixel(0, mid), clRed);
    EXPECT_EQ(pic.GetPixel(117, mid), clRed);
    TColor magenta = pic.GetPixel(117 / 6, mid), blue = pic.GetPixel(117 * 2 / 6, mid);
    TColor green = pic.GetPixel(117 * 4 / 6, mid);
    EXPECT_GT(b(magenta), 200);
    EXPECT_GT(r(magenta), 200);
    EXPECT_GT(b(blue), 200);
    EXPECT_LT(r(blue) + g(blue), 40);
    EXPECT_GT(g(green), 200);
    TColor top = pic.GetPixel(0, 0), bottom = pic.GetPixel(0, 39);
    EXPECT_LT(r(top), 80) << "dark at the top";
    EXPECT_GT(g(bottom) + b(bottom), 300) << "pale at the bottom";
}

TEST_F(PaletteWindowTest, HelpPanelSlidesInAndIsParkedByOk) {
    TForm3& p = *Form3;
    p.SpeedButton3->Click();
    EXPECT_EQ(p.Panel9->Left(), 0);
    ASSERT_EQ(p.Memo1->Lines().Count(), 13);
    EXPECT_EQ(p.Memo1->Lines()[8], "\"Paste to file\" a ");
    p.BitBtn24->Click();
    EXPECT_EQ(p.Panel9->Left(), 144);
    EXPECT_EQ(p.Memo1->Lines().Count(), 13) << "no template capture pending: the text stays";
}

TEST_F(PaletteWindowTest, TemplateCaptureFillsTheHelpTextAndOkEndsIt) {
    TForm3& p = *Form3;
    p.BitBtn37->Click();
    EXPECT_EQ(p.Panel9->Left(), 0);
    ASSERT_EQ(p.Memo1->Lines().Count(), 9);
    EXPECT_EQ(p.Memo1->Lines()[0], "Paste a template");
    EXPECT_EQ(p.Memo1->Lines()[8], "template");
    Pbook1->cappaste = true;
    p.BitBtn24->Click();
    EXPECT_EQ(p.Panel9->Left(), 144);
    ASSERT_EQ(p.Memo1->Lines().Count(), 15);
    EXPECT_EQ(p.Memo1->Lines()[2], " ");
    EXPECT_EQ(p.Memo1->Lines()[7], "are in the Bin");
    EXPECT_EQ(p.Memo1->Lines()[10], "\"Paste to file\" a");
}

} // namespace
