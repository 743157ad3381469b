// The colour bar, its swatches and colour sets, the small swatch panel and the palette strip.
#include "BmpCodec.h"
#include "FileIO.h"
#include "Menus.h"
#include "MessageBox.h"
#include "OrvantaFixture.h"
#include "TCheckBox.h"
#include "TColorGrid.h"
#include "TCoolBar.h"
#include "TPanel.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "mydialog.h"

#include <QApplication>
#include <QMouseEvent>
#include <filesystem>
#include <fstream>

namespace {

class ColourBarTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        std::filesystem::remove(program().path() / "bin" / "smpal.fle");
        Pbook1->chkshe2->SetChecked(false);
        Pbook1->chkshe->SetChecked(false);
        Pbook1->Panel6->Hide();
    }
    static std::string file(const std::string& name) { return (program().path() / "bin" / name).string(); }
    static void writeLines(const std::string& path, int count, int first = 0) {
        std::ofstream out(path, std::ios::binary);
        for (int i = 0; i < count; ++i)
            out << first + i << "\r\n";
    }
    // The program's message box was last shown with this first line.
    static bool boxSaid(const std::string& text) {
        return !ModalSeam().Log().empty() && ModalSeam().Log().back().name == "mydialog1" &&
               mydialog1->l1->Caption() == text;
    }
    static std::string read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
};

TEST_F(ColourBarTest, SwatchesShowTheColourSetThatWasRead) {
    writeLines(file("set.clrs"), 16);
    Pbook1->loadcolors(file("set.clrs"));
    for (int k = 1; k <= 16; ++k)
        EXPECT_EQ(Pbook1->barSwatch(k)->Brush().Color, TColor(k - 1)) << k;
    // The bar survives a restart: the close writes it, the next start reads it.
    std::filesystem::remove(file("pal.clrs"));
    Pbook1->savecolors("");
    Pbook1->barcolors.fill(clWhite);
    Pbook1->loadcolors("");
    EXPECT_EQ(Pbook1->barcolors[15], TColor(15));
    EXPECT_EQ(Pbook1->sh16e2->Brush().Color, TColor(15));
}

TEST_F(ColourBarTest, SwatchReplaceTickedSetsTheSwatchUntickedTakesItsColour) {
    Pbook1->barcolors.fill(clWhite);
    Pbook1->showbarcolors();
    Form3->rightcolor = clRed;
    Pbook1->chkshe->SetChecked(true); // the small panel's box has no effect here
    Pbook1->sh3e2->MouseUp(mbRight, 0, 5, 5);
    EXPECT_EQ(Form3->rightcolor, clWhite) << "unticked: the swatch's colour becomes the right colour";
    EXPECT_EQ(Pbook1->barcolors[2], clWhite);

    Form3->rightcolor = clRed;
    Pbook1->chkshe2->SetChecked(true);
    Pbook1->sh3e2->MouseUp(mbRight, 0, 5, 5);
    EXPECT_EQ(Pbook1->barcolors[2], clRed);
    EXPECT_EQ(Pbook1->sh3e2->Brush().Color, clRed);
    Form3->leftcolor = clBlue;
    Pbook1->sh3e2->MouseUp(mbLeft, 0, 5, 5);
    EXPECT_EQ(Pbook1->barcolors[2], clBlue);
    Pbook1->sh3e2->MouseUp(mbMiddle, 0, 5, 5);
    EXPECT_EQ(Pbook1->barcolors[2], clBlue);
}

TEST_F(ColourBarTest, SaveColorsAddsTheExtensionAndAFailedSaveKeepsTheOldFile) {
    const std::string typed = (program().path() / "mine").string();
    const auto saved = Pbook1->barcolors;
    ModalSeam().QueueFileName(typed);
    Pbook1->SpeedButton56->Click();
    ASSERT_TRUE(std::filesystem::exists(typed + ".clrs"));
    const std::string before = read(typed + ".clrs");
    EXPECT_EQ(std::count(before.begin(), before.end(), '\n'), 16);

    Pbook1->barcolors.fill(clRed);
    {
        ScopedWriteFaults full({.failWriteAfter = 5});
        ModalSeam().QueueButton(IDOK);
        Pbook1->savecolors(typed + ".clrs");
    }
    EXPECT_TRUE(boxSaid("Unable to write to disk"));
    EXPECT_EQ(read(typed + ".clrs"), before);

    // "Load colors" reads a chosen set.
    ModalSeam().QueueFileName(typed + ".clrs");
    Pbook1->SpeedButton62->Click();
    EXPECT_EQ(Pbook1->barcolors, saved);
}

TEST_F(ColourBarTest, SmallPanelOpensFromItsFileAndWritesItOnClose) {
    writeLines(file("smpal.fle"), 8);
    Pbook1->SpeedButton61->Click();
    EXPECT_FALSE(Pbook1->Panel6->Visible()) << "8 lines keep the panel shut";

    std::filesystem::remove(file("smpal.fle"));
    Pbook1->SpeedButton61->Click();
    EXPECT_TRUE(Pbook1->Panel6->Visible()) << "no file: the panel opens with its colours";
    Pbook1->Panel6->Hide();

    writeLines(file("smpal.fle"), 10, 100);
    Pbook1->SpeedButton61->Click();
    EXPECT_TRUE(Pbook1->Panel6->Visible());
    EXPECT_EQ(Pbook1->Sh1e->Brush().Color, TColor(100));
    EXPECT_EQ(Pbook1->Sh9e->Brush().Color, TColor(108));

    Form3->leftcolor = clBlack;
    Pbook1->sh2e->MouseUp(mbLeft, 0, 3, 3);
    EXPECT_EQ(Form3->leftcolor, TColor(101));
    Pbook1->chkshe->SetChecked(true);
    Form3->rightcolor = clLime;
    Pbook1->Sh4e->MouseUp(mbRight, 0, 3, 3);
    EXPECT_EQ(Pbook1->Sh4e->Brush().Color, clLime);

    Pbook1->SpeedButton63->Click();
    EXPECT_FALSE(Pbook1->Panel6->Visible());
    EXPECT_EQ(read(file("smpal.fle")), "100\r\n101\r\n102\r\n" + std::to_string(int(clLime)) +
                                           "\r\n104\r\n105\r\n106\r\n107\r\n108\r\n");

    // A failed write keeps the old file, so the panel still opens next time.
    const std::string before = read(file("smpal.fle"));
    {
        ScopedWriteFaults full({.failWriteAfter = 3});
        ModalSeam().QueueButton(IDOK);
        Pbook1->SpeedButton63->Click();
    }
    EXPECT_TRUE(boxSaid("Unable to write to disk"));
    EXPECT_EQ(read(file("smpal.fle")), before);
}

TEST_F(ColourBarTest, PaletteBitmapsMustBeBmpFiles) {
    TBitmap palette(40, 300);
    palette.Canvas().Brush.SetColor(clTeal);
    palette.Canvas().FillRect(Rect(0, 0, 40, 300));
    const TBitmap designed = Pbook1->Image6->Picture().Bitmap();

    ModalSeam().QueueFileName(file("p.jpg"));
    ModalSeam().QueueButton(IDOK);
    Pbook1->LoadBitmapPalette1->Click();
    EXPECT_TRUE(boxSaid("Palettes must be in bitmap form."));
    EXPECT_TRUE(samePixels(Pbook1->Image6->Picture().Bitmap(), designed));

    for (const char* name : {"p.BMP", "q.bmp"}) {
        SaveBmpToFile(palette, file(name));
        ModalSeam().QueueFileName(file(name));
        Pbook1->LoadBitmapPalette1->Click();
        EXPECT_TRUE(samePixels(Pbook1->Image6->Picture().Bitmap(), palette)) << name;
        EXPECT_EQ(Pbook1->Image6->Height(), 300);
    }

    // A broken bitmap is reported by the default error box; the strip keeps its picture.
    for (const std::string& body : {std::string(), std::string("BM"), std::string(60, 'x')}) {
        std::ofstream(file("broken.bmp"), std::ios::binary) << body;
        ModalSeam().QueueFileName(file("broken.bmp"));
        EXPECT_ANY_THROW(Pbook1->LoadBitmapPalette1->Click());
        EXPECT_TRUE(samePixels(Pbook1->Image6->Picture().Bitmap(), palette));
    }

    // The strip's colours go to the buttons and rebuild the gradient list.
    Pbook1->Image6->MouseMove(0, 5, 5);
    Pbook1->Image6->MouseUp(mbRight, 0, 5, 5);
    EXPECT_EQ(Form3->rightcolor, clTeal);
    Pbook1->Image6->MouseUp(mbLeft, 0, 5, 5);
    EXPECT_EQ(Form3->leftcolor, clTeal);
}

TEST_F(ColourBarTest, LSetsTheRightColourAndRTheLeft) {
    ModalSeam().QueueColor(clRed);
    Pbook1->SpeedButton11->Click();
    EXPECT_EQ(Form3->rightcolor, clRed);
    EXPECT_EQ(Form3->leftcolor, clBlack);
    ModalSeam().QueueColor(clBlue);
    Pbook1->SpeedButton12->Click();
    EXPECT_EQ(Form3->leftcolor, clBlue);
    EXPECT_EQ(Pbook1->Image12->Picture().Bitmap().GetPixel(18, 20), clBlue) << "the colour box copy";
}

TEST_F(ColourBarTest, ColourGridPicksByButtonUnderTheSwatches) {
    Pbook1->Show();
    Pbook1->SpeedButton45->Click();
    EXPECT_FALSE(Pbook1->Panel4->Visible());
    QWidget* w = Pbook1->cogrid->Widget();
    auto press = [w](int x, Qt::MouseButton b) {
        QMouseEvent down(QEvent::MouseButtonPress, QPointF(x, 10), QPointF(w->mapToGlobal(QPoint(x, 10))), b,
                         b, Qt::NoModifier);
        QApplication::sendEvent(w, &down);
        QMouseEvent up(QEvent::MouseButtonRelease, QPointF(x, 10), QPointF(w->mapToGlobal(QPoint(x, 10))), b,
                       Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &up);
    };
    press(9 * 20 + 5, Qt::LeftButton); // cell 9 of 16 across: red
    EXPECT_EQ(Form3->leftcolor, clRed);
    press(12 * 20 + 5, Qt::RightButton); // blue
    EXPECT_EQ(Form3->rightcolor, clBlue);
    EXPECT_EQ(Form3->leftcolor, clRed);
    Pbook1->SpeedButton47->Click();
    EXPECT_TRUE(Pbook1->Panel4->Visible());
}

TEST_F(ColourBarTest, PanelMenuItemsShowTheirPanelsWhileTicked) {
    struct Row {
        TMenuItem* item;
        TControl* panel;
    } rows[] = {{Pbook1->InnerToolbars1, Pbook1->paneltools},
                {Pbook1->InnerColorbar1, Pbook1->panelcolor},
                {Pbook1->SidePanel1, Pbook1->CoolBar1}};
    for (const Row& r : rows) {
        EXPECT_TRUE(r.item->Checked());
        r.item->Click();
        EXPECT_FALSE(r.item->Checked());
        EXPECT_FALSE(r.panel->Visible()) << r.item->Name();
        r.item->Click();
        EXPECT_TRUE(r.item->Checked());
        EXPECT_TRUE(r.panel->Visible()) << r.item->Name();
    }
    Pbook1->SpeedButton9->Click(); // "Capture colors"
    EXPECT_TRUE(Pbook1->copcolors->Checked());
    EXPECT_EQ(Form3->toolcode, 22);
}

} // namespace
