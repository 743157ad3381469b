// The main window's own commands: changing tab, the 640 x 480 size, the upper tool bar, rolling
// the window up and down, enlarging the canvas, the about box and the help text.
#include "Application.h"
#include "BindMethod.h"
#include "FileControls.h"
#include "Menus.h"
#include "Palette.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "Screen.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TImage.h"
#include "TPageControl.h"
#include "TPanel.h"
#include "TSpeedButton.h"
#include "TSpinEdit.h"
#include "ToolCodes.h"
#include "Toolpal.h"
#include "Zoompic.h"
#include "about.h"
#include "resizefrm.h"
#include "soundfrm1.h"

#include <algorithm>
#include <vector>

void TPbook1::wireCommands() {
    PageControl1->OnChange = bindMethod(this, &TPbook1::PageControl1Change);
    Panel3->OnResize = [this](TObject*) { arrangeToolBar(); };
    SpeedButton58->OnClick = bindMethod(this, &TPbook1::SpeedButton58Click);
    Toolbar3->OnClick = bindMethod(this, &TPbook1::Toolbar3Click);
    Minimize1->OnClick = bindMethod(this, &TPbook1::Minimize1Click);
    RollDown1->OnClick = bindMethod(this, &TPbook1::RollDown1Click);
    NoneStayonTop1->OnClick = bindMethod(this, &TPbook1::NoneStayonTop1Click);
    Enlargecanvas1->OnClick = bindMethod(this, &TPbook1::Enlargecanvas1Click);
    About1->OnClick = bindMethod(this, &TPbook1::About1Click);
    HelpIndex1->OnClick = bindMethod(this, &TPbook1::HelpIndex1Click);
}

void TPbook1::SpeedButton58Click(TObject*) {
    SetWidth(640);
    if (Left() + Width() > Screen->Width()) SetLeft(2);
    SetHeight(480);
    if (Top() + Height() > Screen->Height()) SetTop(2);
}

void TPbook1::Toolbar3Click(TObject*) {
    Toolbar3->SetChecked(!Toolbar3->Checked());
    Panel3->SetVisible(Toolbar3->Checked());
}

// The window rolls up like a blind, 20 pixels at a time, down to its caption and menu.
void TPbook1::Minimize1Click(TObject*) {
    if (Height() < 85) return;
    for (int counter = Height(); counter >= 85; --counter) {
        if (counter % 20 != 0 || Height() <= 85) continue;
        SetHeight(Height() - 20);
        Application->ProcessMessages();
    }
    SetHeight(84);
}

void TPbook1::RollDown1Click(TObject*) {
    const int target = Screen->Height() - Top() - 40;
    if (Height() > target) return;
    for (int counter = Height(); counter <= target; ++counter) {
        if (counter % 20 != 0 || Height() >= target) continue;
        SetHeight(Height() + 20);
        Application->ProcessMessages();
    }
    SetHeight(target);
}

void TPbook1::NoneStayonTop1Click(TObject*) {
    for (TCustomForm* f : Application->Forms())
        if (f->FormStyle() == fsStayOnTop) f->SetFormStyle(fsNormal);
}

// The canvas takes the new size without scaling: the picture stays at the top left and is cut
// at the right and bottom, or extended there in white.
void TPbook1::Enlargecanvas1Click(TObject*) {
    if (ResizeForm->ShowModal() != mrOk) return;
    TSpinEdit* sw = ResizeForm->SpinEdit1;
    TSpinEdit* sh = ResizeForm->SpinEdit2;
    if (sw->Value() < 10) sw->SetValue(10);
    if (sh->Value() < 10) sh->SetValue(10);
    TBitmap& page = ptbox1->Picture().Bitmap();
    page.SetWidth(sw->Value());
    page.SetHeight(sh->Value());
    initpages();
}

void TPbook1::About1Click(TObject*) {
    aboutfrm1->ShowModal();
}

void TPbook1::HelpIndex1Click(TObject*) {
    dohelp("Getting Started.RTF");
}

void TPbook1::PageControl1Change(TObject*) {
    TTabSheet* now = PageControl1->ActivePage();
    if (now == TabSheet5) FileListBox1->SetDirectory(ProgramFolder::MapPathString("User manual"));
    if (now == TabSheet1) {
        if (zoomon) zmbutoffClick(this);
        if (!Form3->pasteframe) hidePastePanel();
        if (tools::isMover(Form3->toolcode)) donepv();
        TCanvas& c = ptbox1->Picture().Bitmap().Canvas();
        SelectPalette(c, ptbox1->Picture().Bitmap().Palette(), false);
        RealizePalette(c);
    }
    // The first tab change of the run ends the intro film.
    if (!dobegin->Checked()) endIntroFilm();
    dobegin->SetChecked(true);
    if (now == TabSheet3) {
        if (!zmpanel1->Visible()) zmpanel1->Show();
        zoom_it();
        zm1->SetBounds(zm1->Left(), zm1->Top(), std::max(zm1->Width(), 2), std::max(zm1->Height(), 2));
        zm1->SetXCenter(spinedit1->Value());
        zm1->SetYCenter(SpinEdit2->Value());
        for (TSpinEdit* e : {spinedit1, SpinEdit2, zm1spin, spbox1, spbox2})
            e->SetIncrement(zsnum->Value());
        zmbutoff->SetEnabled(true);
        zoomon = true;
        Form3->toolcode = tools::zoomViewPaint;
        zm1->Show();
        ptbox1->Show();
        zm1->SetzoomValue(zm1spin->Value());
        zm1->Repaint();
    }
    Text1->SetEnabled(now == TabSheet4);
}

// Two rows of buttons, file and clipboard commands above, the page's and the other windows'
// below, after the thin 640 x 480 button; a button missing from the list follows the others.
void TPbook1::arrangeToolBar() {
    static const char* const order[] = {"SpeedButton2",  "SpeedButton26", "SpeedButton42", "SpeedButton43",
                                        "SpeedButton55", "SpeedButton48", "pbpastetobut1", "SpeedButton46",
                                        "butpaste",      "SpeedButton49", "SpeedButton54", "butzoomspot",
                                        "SpeedButton44", "SpeedButton50", "SpeedButton51", "SpeedButton57",
                                        "SpeedButton52", "SpeedButton53", "SpeedButton17", "SpeedButton8"};
    std::vector<TControl*> buttons;
    for (const char* name : order)
        for (int i = 0; i < Panel3->ControlCount(); ++i)
            if (Panel3->Controls(i)->Name() == name) buttons.push_back(Panel3->Controls(i));
    for (int i = 0; i < Panel3->ControlCount(); ++i) {
        TControl* c = Panel3->Controls(i);
        if (c != SpeedButton58 && std::find(buttons.begin(), buttons.end(), c) == buttons.end())
            buttons.push_back(c);
    }
    const int rowHeight = std::clamp((Panel3->ClientHeight() - 4) / 2, 12, 24);
    SpeedButton58->SetBounds(2, 2, 8, 2 * rowHeight);
    const int perRow = int(buttons.size() + 1) / 2;
    if (perRow == 0) return;
    const int left = 12;
    const int width = std::clamp((Panel3->ClientWidth() - left - 2) / perRow, 36, 64);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const int row = int(i) / perRow, col = int(i) % perRow;
        buttons[i]->SetBounds(left + col * width, 2 + row * rowHeight, width - 1, rowHeight);
    }
}
