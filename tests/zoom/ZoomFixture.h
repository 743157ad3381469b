#pragma once
// The zoom tests start on a page whose every pixel tells where it lies, so a pixel that moved
// shows from where.
#include "Menus.h"
#include "OrvantaFixture.h"
#include "TButton.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TScrollBox.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "Zoompic.h"
#include "mydialog.h"

inline TColor placeColour(int x, int y) {
    return RGB(x & 0xFF, y & 0xFF, ((x >> 8) & 0xF) | ((y >> 8) << 4));
}

inline TBitmap placePage(int w, int h) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, placeColour(x, y));
    return b;
}

class ZoomTest : public OrvantaTest {
protected:
    void SetUp() override {
        OrvantaTest::SetUp();
        TPbook1& pb = *Pbook1;
        // What a test may leave behind that the start-up does not reset.
        pb.zm1spin->SetValue(180);
        if (pb.panelzoomspot->Visible()) pb.SpeedButton60->Click();
        pb.zmshape1->Hide();
        for (TMenuItem* m : {pb.Zoomx21, pb.Zoomx41, pb.Zoomx81})
            m->SetChecked(false);
        pb.butzoomspot->SetEnabled(true);
        pb.zmpanel1->Hide();
        pb.zm1->Bitmap().FreeImage();
        pb.PageControl1->SetActivePage(pb.TabSheet1);
        pb.zoomloaded = false;
        Form3->toolcode = 0;
        original = placePage(400, 300);
        pb.ptbox1->Picture().Assign(original);
        pb.initpages();
    }
    // A tab chosen as the user chooses it.
    static void tab(TTabSheet* sheet) {
        Pbook1->PageControl1->SetActivePage(sheet);
        Pbook1->PageControl1Change(Pbook1->PageControl1);
    }
    TBitmap original;
};
