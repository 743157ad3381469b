#include "help1.h"

#include "ScreenKit.h"

namespace quickview {

THelpfrm* Helpfrm = nullptr;

THelpfrm::THelpfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Helpfrm");
    SetCaption("Devir Ovidaro Help");
    SetBorderStyle(bsDialog);
    SetClientWidth(278);
    SetClientHeight(345);

    Panel1 = kit::panel(this, "Panel1", 8, 0, 265, 305, bvLowered);
    Panel1->SetColor(clInfoBk);
    RichEdit1 = new TRichEdit(this, Panel1);
    RichEdit1->SetName("RichEdit1");
    RichEdit1->SetBounds(8, 9, 257 - 8, 287);
    RichEdit1->SetBorderStyle(bsNone);
    RichEdit1->SetColor(clInfoBk);
    RichEdit1->SetScrollBars(ssBoth);
    RichEdit1->SetWordWrap(false);
    kit::heading(RichEdit1, 13);
    RichEdit1->Lines().SetText("Getting started\r\n"
                               "\r\n"
                               "1. Choose New Project Wizard\r\n"
                               "   from the File menu.\r\n"
                               "2. Gather your bitmaps, sounds\r\n"
                               "   and AVI clips.\r\n"
                               "3. Copy the bitmap list to\r\n"
                               "   the project folder.\r\n"
                               "4. Open the Project Manager\r\n"
                               "   and arrange the frames.\r\n"
                               "\r\n"
                               "Color issues\r\n"
                               "\r\n"
                               "Velmora works best with a\r\n"
                               "true-colour display. With 256\r\n"
                               "colours, frames are mapped\r\n"
                               "onto the system palette.\r\n"
                               "\r\n"
                               "File types\r\n"
                               "\r\n"
                               "BMP, JPG, AVI, WAV, MID, LST");
    RichEdit1->SetModified(false);

    bmm = kit::button(this, "bmm", "Making Movies (on-line help)", 8, 312, 161, 25);
    Button1 = kit::button(this, "Button1", "Close", 192, 312, 75, 25);

    OnCreate = bindMethod(this, &THelpfrm::FormCreate);
}

void THelpfrm::FormCreate(TObject*) {
    CenterOnScreen();
}

} // namespace quickview
