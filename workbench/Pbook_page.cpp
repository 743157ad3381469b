// New page, resizing, undo and redo, and the conventions other windows share.
#include "Application.h"
#include "Numbers.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TImage.h"
#include "TPageControl.h"
#include "TRadioGroup.h"
#include "TShape.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "TStatusBar.h"
#include "TTrackBar.h"
#include "ToolCodes.h"
#include "Toolpal.h"
#include "Zoompic.h"
#include "imview.h"
#include "jpegop.h"
#include "newsizefrm1.h"
#include "resizefrm.h"

#include <algorithm>

int jpegshrinkratio(int pw, int ph, int w, int h) {
    if (w <= 0 || h <= 0) return 0;
    const long double rx = Real48(static_cast<long double>(pw) / w);
    const long double ry = Real48(static_cast<long double>(ph) / h);
    const auto r = Round(std::max(rx, ry));
    return r == 2 || r == 4 || r == 8 ? int(r) : 0;
}

void TPbook1::opeImNew() {
    Screen->SetCursor(crDefault);
    if (modified && !checktosave()) return;
    zoomon = false;
    zm1->Hide();
    if (newsizefrm->ShowModal() != mrOk) return;

    SetCaption("TEMP.BMP");
    TSpinEdit* sw = newsizefrm->SpinEdit1;
    TSpinEdit* sh = newsizefrm->SpinEdit2;
    if (sw->Value() > 4000) sw->SetValue(4000);
    if (sh->Value() > 4000) sh->SetValue(4000);
    newwidth = std::max(sw->Value(), 10);
    newheight = std::max(sh->Value(), 10);

    TBitmap fresh(newwidth, newheight);
    ptbox1->Picture().Assign(fresh);
    ptbox1->SetBounds(0, 0, newwidth, newheight);

    zm1->SetzoomValue(100);
    zoomon = false;
    zm1spin->SetValue(100);
    chk1->SetChecked(false);

    Form3->linewidth = Form3->SpinEdit1->Value();
    const TColor fill = Form3->rightcolor;
    ptbox1->Canvas().Brush.Color = PALETTERGB(GetRValue(fill), GetGValue(fill), GetBValue(fill));

    zm1->Show();
    initpages();
    ptbox1->Show();
    PageControl1->SetActivePage(TabSheet1);
    zmbuton->SetEnabled(true);
    chk1->SetEnabled(true);
    undoptb1->SetEnabled(true);
    redoptb1->SetEnabled(true);
}

void TPbook1::New1Click(TObject*) {
    opeImNew();
}

void TPbook1::SpeedButton2Click(TObject*) {
    opeImNew();
    StatusBar1->SetSimpleText("Width:" + std::to_string(ptbox1->Picture().Width()) +
                              " Height:" + std::to_string(ptbox1->Picture().Height()));
}

void TPbook1::Resize1Click(TObject*) {
    if (ResizeForm->ShowModal() == mrOk) resize_it();
}

// The page goes through a JPEG file and comes back decoded at 1:r. The image browser does the
// decoding, so its picture, name and scale are kept and put back. False (with the page as it
// was) when the file could not be written or read back.
bool TPbook1::shrinkthroughjpeg(int r) {
    jpop1->TrackBar1->SetPosition(100);
    Image2->Picture().Assign(picform1->Image1->Picture());
    const int oldscale = picform1->Scale->ItemIndex();
    const std::string oldpicname = picform1->picname;
    const std::string oldbrowsercaption = picform1->Caption();
    const std::string caption = Caption();
    bool ok = false;
    try {
        const std::string temp = tempdir1->Text() + "\\clpcache\\$TE$MP$.JPG";
        saveJPG(temp);
        Screen->SetCursor(crDefault);
        SetCaption(caption);
        picform1->Scale->SetItemIndex(r == 2 ? 1 : r == 4 ? 2 : 3);
        ok = picform1->openthefile(temp) && !picform1->Image1->Picture().Empty();
        if (ok) ptbox1->Picture().Assign(picform1->Image1->Picture());
    } catch (const std::exception&) {
        ok = false;
    }
    Screen->SetCursor(crDefault);
    SetCaption(caption);
    picform1->picname = oldpicname;
    picform1->SetCaption(oldbrowsercaption);
    picform1->Image1->Picture().Assign(Image2->Picture());
    picform1->Scale->SetItemIndex(oldscale);
    return ok;
}

void TPbook1::resize_it() {
    if (ResizeForm->ModalResult() != mrOk) return;
    TSpinEdit* sw = ResizeForm->SpinEdit1;
    TSpinEdit* sh = ResizeForm->SpinEdit2;
    if (sw->Value() < 10) sw->SetValue(10);
    if (sh->Value() < 10) sh->SetValue(10);
    const int W = sw->Value();
    const int H = sh->Value();

    if (ResizeForm->RadioGroup2->ItemIndex() == 0) {
        const int r = jpegshrinkratio(ptbox1->Picture().Width(), ptbox1->Picture().Height(), W, H);
        if (r) shrinkthroughjpeg(r); // on failure the page is unchanged and the stretch below does it all
    }
    jpop1->TrackBar1->SetPosition(100);

    TBitmap& page = ptbox1->Picture().Bitmap();
    if (page.Width() != W || page.Height() != H) {
        TBitmap scratch(page);
        page.SetSize(W, H);
        ptbox1->SetBounds(ptbox1->Left(), ptbox1->Top(), W, H);
        TCanvas& c = page.Canvas();
        SetStretchBltMode(c, COLORONCOLOR);
        StretchBlt(c, 0, 0, W, H, scratch.Canvas(), 0, 0, scratch.Width(), scratch.Height(), SRCCOPY);
    }
    initpages();
}

void TPbook1::undoptb1Click(TObject*) {
    redoptb1->SetEnabled(true);
    redo->Picture().Assign(ptbox1->Picture());
    ptbox1->Picture().Assign(Image2->Picture());
}

void TPbook1::redoptb1Click(TObject*) {
    // Nothing has been undone yet: an empty redo copy would blank the page.
    if (redo->Picture().Empty()) return;
    Screen->SetCursor(crHourGlass);
    redoptb1->SetEnabled(false);
    ptbox1->Picture().Assign(redo->Picture());
    undoptb1->SetEnabled(true);
    Screen->SetCursor(crDefault);
}

void TPbook1::Exit1Click(TObject*) {
    Close();
}

void TPbook1::donil(TImage* image) {
    TBitmap& b = image->Picture().Bitmap();
    b.SetWidth(10);
    b.SetHeight(10);
}

void TPbook1::donepv() {
    TPen& pen = shpmov->PenRef();
    pen.Mode = pmCopy;
    TBrush& brush = shpmov->BrushRef();
    brush.Color = clWhite;
    brush.Style = bsClear;
    shpmov->Changed();
    shpmov->Hide();
    Application->ProcessMessages();
    mask1->Picture().Clear();
    clpmap1->Picture().Clear();
    morfimage1->Picture().Clear();
    Image2->Picture().Assign(ptbox1->Picture());
    Form3->toolcode = tools::noTool;
}

void TPbook1::clearit() {
    Image2->Picture().Assign(ptbox1->Picture());
    set_t(tools::wholePageFill);
    const TPicture& page = ptbox1->Picture();
    ptbox1->Canvas().Rectangle(0, 0, page.Width(), page.Height());
}

void TPbook1::Cut1Click(TObject*) {
    Screen->SetCursor(crHourGlass);
    try {
        // The page is cleared only once it is safely on the clipboard.
        if (getcap()) clearit();
    } catch (...) {
        Screen->SetCursor(crDefault);
        throw;
    }
    Screen->SetCursor(crDefault);
}
