#pragma once
// The main window and the tool palette, made once as the program makes them (main window first,
// the palette after it), over a fresh program folder. Each test starts from the palette's
// defaults and a main window with no mode set.
#include "Application.h"
#include "ModalTesting.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TImage.h"
#include "TSpinEdit.h"
#include "TestFolder.h"
#include "Toolpal.h"
#include "mydialog.h"

class ToolpalTest : public TModalTest {
protected:
    static void SetUpTestSuite() {
        if (Form3) return;
        static TestFolder folder;
        ProgramFolder::SetRoot(folder.path());
        Screen->SetSize(1024, 768);
        Application->CreateForm(Pbook1);
        Application->CreateForm(Form3);
        Application->CreateForm(mydialog1);
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
        p.linewidth = 1;
        p.penwidth = 1;
        p.SpinEdit1->SetValue(1);
        TPbook1& pb = *Pbook1;
        pb.SpinEdit3->SetValue(50); // the width spin's change copies into the box width
        pb.SpinEdit4->SetValue(40);
        pb.modified = false;
        pb.zoomon = false;
        pb.zoomwritten = false;
        pb.spraymix = false;
        pb.mousedown = false;
        pb.firstoutline = false;
        pb.pensetup = false;
        pb.polycount = 1;
        pb.bezhandles = false;
        pb.cappaste = false;
    }

    static TBitmap& page() { return Pbook1->ptbox1->Picture().Bitmap(); }
    static TBitmap& undo() { return Pbook1->Image2->Picture().Bitmap(); }
};
