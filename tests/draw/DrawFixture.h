#pragma once
// The main window and the tool palette made once, as the program makes them, over a fresh program
// folder. Each test starts on a white 450 x 250 page with the palette's defaults, no stroke in
// progress, and drives the page through its own mouse events.
#include "Application.h"
#include "ModalTesting.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TImage.h"
#include "TSpinEdit.h"
#include "TestFolder.h"
#include "Toolpal.h"

#include <functional>
#include <vector>

class DrawTest : public TModalTest {
protected:
    static void SetUpTestSuite() {
        if (Form3) return;
        static TestFolder folder;
        ProgramFolder::SetRoot(folder.path());
        Screen->SetSize(1024, 768);
        Application->CreateForm(Pbook1);
        Application->CreateForm(Form3);
    }

    void SetUp() override {
        TModalTest::SetUp();
        TForm3& p = *Form3;
        p.toolcode = 0;
        p.leftcolor = clBlack;
        p.rightcolor = clWhite;
        p.fillstyle = 0;
        p.normalfill = true;
        p.patternfill = false;
        p.pasteframe = false;
        p.SpinEdit1->SetValue(1);
        p.linewidth = 1;
        p.penwidth = 1;
        TPbook1& pb = *Pbook1;
        pb.ptbox1->Picture().Assign(TBitmap(450, 250));
        pb.initpages();
        page().Canvas().Pen = TPen();
        page().Canvas().Brush = TBrush();
        pb.buttondown = pb.mousedown = pb.pensetup = false;
        pb.bezplaced = pb.bezhandles = pb.bezdragging = false;
        pb.bezgrab1 = pb.bezgrab2 = pb.bezgrab3 = pb.bezgrab4 = false;
        pb.spraymix = false;
        pb.firstoutline = true;
        pb.polycount = 1;
    }

    static TBitmap& page() { return Pbook1->ptbox1->Picture().Bitmap(); }
    static TBitmap& undo() { return Pbook1->Image2->Picture().Bitmap(); }

    // A tool button: the code first, then the palette's tool selection.
    static void choose(int code) {
        Form3->toolcode = code;
        Form3->do_tool(std::uint8_t(code));
    }
    static void down(int x, int y, TMouseButton b = mbLeft) { Pbook1->ptbox1->MouseDown(b, 0, x, y); }
    static void move(int x, int y) { Pbook1->ptbox1->MouseMove(0, x, y); }
    static void up(int x, int y, TMouseButton b = mbLeft) { Pbook1->ptbox1->MouseUp(b, 0, x, y); }
    static void click(int x, int y, TMouseButton b = mbLeft) {
        down(x, y, b);
        up(x, y, b);
    }

    // A white bitmap of the page's size with `draw` done on it, to compare the page with.
    static TBitmap expected(const std::function<void(TCanvas&)>& draw) {
        TBitmap b(page().Width(), page().Height());
        draw(b.Canvas());
        return b;
    }
    static bool samePixels(const TBitmap& a, const TBitmap& b) {
        if (a.Width() != b.Width() || a.Height() != b.Height()) return false;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
        return true;
    }
    // Where two bitmaps of one size differ.
    static std::vector<TPoint> differences(const TBitmap& a, const TBitmap& b) {
        std::vector<TPoint> d;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.GetPixel(x, y) != b.GetPixel(x, y)) d.push_back({x, y});
        return d;
    }
    static int countColour(const TBitmap& b, TColor c) {
        int n = 0;
        for (int y = 0; y < b.Height(); ++y)
            for (int x = 0; x < b.Width(); ++x)
                n += b.GetPixel(x, y) == c;
        return n;
    }
};
