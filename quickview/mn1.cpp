#include "mn1.h"

#include "Pictures.h"
#include "ProgramFolder.h"
#include "ScreenKit.h"
#include "velmorafrm.h"

#include <exception>

namespace quickview {

Tmn* mn = nullptr;

Tmn::Tmn(TComponent* AOwner) : TForm(AOwner) {
    SetName("mn");
    SetCaption("Velmora Quick View");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu | biMinimize);
    SetBounds(0, 0, 466, 307);
    SetColor(clInfoBk);
    TBitmap icon;
    DrawProgramIcon(icon, 32);
    SetIcon(icon);

    Panel1 = kit::alignedPanel(this, "Panel1", alLeft, 89);
    Image1 = kit::picture(Panel1, "Image1", 8, 8, 73, 65);
    Image1->SetStretch(true);
    DrawProgramIcon(Image1->Picture().Bitmap(), 64);

    BitBtn1 = kit::bitBtn(Panel1, "BitBtn1", "Start Here", 4, 96, 81, 57, glyph(Glyph::Play, 24), blGlyphTop);
    BitBtn1->SetSpacing(2);
    kit::hint(BitBtn1, "Open the Velmora main window");
    BitBtn1->OnClick = bindMethod(this, &Tmn::BitBtn1Click);

    SpeedButton1 =
        kit::speedButton(Panel1, "SpeedButton1", 4, 232, 81, 33, glyph(Glyph::Cross), "Leave the quick view");
    SpeedButton1->SetCaption("Exit");
    SpeedButton1->OnClick = bindMethod(this, &Tmn::SpeedButton1Click);

    RichEdit1 = new TRichEdit(this, this);
    RichEdit1->SetName("RichEdit1");
    RichEdit1->SetBounds(97, 8, 353, 265);
    RichEdit1->SetBorderStyle(bsNone);
    RichEdit1->SetColor(clInfoBk);
    RichEdit1->SetScrollBars(ssVertical);
    builtinText();

    OnCreate = bindMethod(this, &Tmn::FormCreate);
    OnShow = bindMethod(this, &Tmn::FormShow);
}

void Tmn::builtinText() {
    RichEdit1->Lines().SetText("Velmora Quickview\r\n"
                               "\r\n"
                               "\r\n"
                               "You have received a quick view of the Velmora program.\r\n"
                               "\r\n"
                               "Velmora is a film-project workbench: it gathers bitmaps, sounds and AVI "
                               "clips into projects, composes foreground sprites over background frames, "
                               "edits frames one by one, records and plays sound, and makes movies for "
                               "the web.\r\n"
                               "\r\n"
                               "This quick view shows what Velmora's windows look like. None of them "
                               "performs its functions.\r\n"
                               "\r\n"
                               "Choose \"Start Here\" to open the main window, then use its buttons and "
                               "menus to look at the project wizards, the movie editor, the special "
                               "effects manager, the media players and the image browser.\r\n"
                               "\r\n"
                               "Choose \"Exit\" to leave the quick view.");
    RichEdit1->SetSelStart(0);
    RichEdit1->SetSelLength(int(std::string("Velmora Quickview").size()));
    RichEdit1->SelAttributes().SetName("Arial");
    RichEdit1->SelAttributes().SetSize(16);
    RichEdit1->SelAttributes().SetStyle(fsBold);
    RichEdit1->SelAttributes().SetColor(clNavy);
    RichEdit1->SetSelStart(0);
    RichEdit1->SetModified(false);
}

void Tmn::FormCreate(TObject*) {
    CenterOnScreen();
}

void Tmn::FormShow(TObject*) {
    if (!ProgramFolder::FileExists("Readme.rtf")) return;
    RichEdit1->SetPlainText(false);
    try {
        RichEdit1->Lines().LoadFromFile(ProgramFolder::MapPathString("Readme.rtf"));
    } catch (const std::exception&) {
        // An unreadable readme leaves the built-in introduction in place.
    }
}

void Tmn::SpeedButton1Click(TObject*) {
    Close();
}

void Tmn::BitBtn1Click(TObject*) {
    Mainfrm->Show();
    SetWindowState(wsMinimized);
}

} // namespace quickview
