#include "help1.h"
#include "BindMethod.h"

#include "BmpCodec.h"
#include "Pbook.h"
#include "Screen.h"

#include <filesystem>
#include <fstream>

THelpfrm* Helpfrm = nullptr;

THelpfrm::THelpfrm(TComponent* AOwner) : TForm(AOwner) {
    SetName("Helpfrm");
    SetCaption("Devir Ovidaro Help");
    SetBorderStyle(bsDialog);
    SetBorderIcons(biSystemMenu);
    SetClientWidth(278);
    SetClientHeight(345);

    Panel1 = new TPanel(this, this);
    Panel1->SetName("Panel1");
    Panel1->SetBounds(8, 0, 265, 305);
    Panel1->SetBevelOuter(bvLowered);
    Panel1->SetColor(clInfoBk);

    RichEdit1 = new TRichEdit(this, Panel1);
    RichEdit1->SetName("RichEdit1");
    RichEdit1->SetBounds(8, 9, 257, 287);
    RichEdit1->SetBorderStyle(bsNone);
    RichEdit1->SetColor(clInfoBk);
    TFont& font = RichEdit1->FontRef();
    font.Name = "Arial";
    font.SetHeight(-13);
    font.Style = fsBold;
    RichEdit1->FontChanged();
    RichEdit1->SetScrollBars(ssBoth);
    RichEdit1->SetWordWrap(false);
    RichEdit1->SetMaxLength(45);

    bmm = new TButton(this, this);
    bmm->SetName("bmm");
    bmm->SetBounds(8, 312, 161, 25);
    bmm->SetCaption("Making Movies (on-line help)");
    bmm->SetEnabled(false);
    bmm->OnClick = bindMethod(this, &THelpfrm::bmmClick);

    Button1 = new TButton(this, this);
    Button1->SetName("Button1");
    Button1->SetBounds(192, 312, 75, 25);
    Button1->SetCaption("Close");
    Button1->OnClick = bindMethod(this, &THelpfrm::Button1Click);

    OnCreate = bindMethod(this, &THelpfrm::FormCreate);
}

bool THelpfrm::LoadHelpFile(const std::string& fileName) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fileName, ec) || !std::ifstream(fileName, std::ios::binary))
        return false;
    RichEdit1->Clear();
    RichEdit1->Paragraph().SetRightIndent(1);
    RichEdit1->SetPlainText(false);
    try {
        RichEdit1->Lines().LoadFromFile(fileName);
    } catch (const EStreamError&) {
        return false;
    }
    return true;
}

// The window is made at start-up, after the main window, which is when its manual button
// becomes available: it opens the manual's contents as the Help menu does.
void THelpfrm::FormCreate(TObject*) {
    SetLeft(Screen->Width() - Width());
    SetTop(0);
    if (Pbook1) OnManual = bindMethod(Pbook1, &TPbook1::SupportServices1Click);
    bmm->SetEnabled(true);
}

void THelpfrm::Button1Click(TObject*) {
    Close();
}

void THelpfrm::bmmClick(TObject* Sender) {
    if (OnManual) OnManual(Sender);
}
