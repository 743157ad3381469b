#include "preference1.h"

#include "Application.h"
#include "BindMethod.h"
#include "BmpCodec.h"
#include "Dialogs.h"
#include "FileIO.h"
#include "Menus.h"
#include "MessageBox.h"
#include "Pbook.h"
#include "PictureLoader.h"
#include "ProgramFolder.h"
#include "TTimer.h"
#include "mydialog.h"

#include <string>

Tpreference* preference = nullptr;

namespace {

const char* const kSettings = "bin\\coconfig.fle";

std::string linkFile(int n) {
    return "bin\\link" + std::to_string(n) + ".txt";
}

std::string iconFile(int n) {
    return "bin\\but" + std::to_string(n) + ".bmp";
}

std::string defaultName(int n) {
    return "User defined " + std::to_string(n);
}

// The picture button of the quick overview: a strip of film.
TBitmap filmGlyph() {
    TBitmap b(32, 32, pf24bit);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clBtnFace;
    c.FillRect(Rect(0, 0, 32, 32));
    c.Pen.Color = clBlack;
    c.Brush.Color = RGB(0x30, 0x30, 0x30);
    c.Rectangle(2, 5, 30, 27);
    c.Brush.Color = RGB(0x90, 0xC8, 0xF0);
    c.Rectangle(6, 10, 15, 22);
    c.Rectangle(17, 10, 26, 22);
    c.Brush.Color = clWhite;
    for (int x = 4; x < 28; x += 5) {
        c.FillRect(Bounds(x, 6, 3, 2));
        c.FillRect(Bounds(x, 24, 3, 2));
    }
    return b;
}

} // namespace

std::vector<std::string> settingsLines(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::string> lines;
    std::string line;
    for (std::uint8_t b : bytes) {
        if (b == '\n') {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(line);
            line.clear();
        } else {
            line.push_back(char(b));
        }
    }
    if (!line.empty()) {
        if (line.back() == '\r') line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

Tpreference::Tpreference(TComponent* AOwner) : TForm(AOwner) {
    SetName("preference");
    SetCaption("Preferences");
    SetBorderStyle(bsSingle);
    SetBorderIcons(biSystemMenu);
    SetClientWidth(480);
    SetClientHeight(390);

    auto make = [this](auto* control, const std::string& name) {
        control->SetName(name);
        return control;
    };

    Label1 = make(new TLabel(this, this), "Label1");
    Label1->SetBounds(8, 8, 0, 0);
    Label1->SetCaption("Click on a button to change its icon");

    TSpeedButton** buttons[] = {&butpref1, &butpref2, &butpref3, &butpref4};
    TEdit** names[] = {&eprog1, &eprog2, &eprog3, &eprog4};
    TSpeedButton** browse[] = {&SpeedButton39, &SpeedButton34, &SpeedButton40, &SpeedButton41};
    const char* browseNames[] = {"SpeedButton39", "SpeedButton34", "SpeedButton40", "SpeedButton41"};
    for (int i = 0; i < 4; ++i) {
        const int top = 28 + i * 46;
        TSpeedButton* b = make(new TSpeedButton(this, this), "butpref" + std::to_string(i + 1));
        b->SetBounds(8, top, 40, 40);
        b->SetHint("Click to change icon image");
        b->SetShowHint(true);
        *buttons[i] = b;

        TEdit* e = make(new TEdit(this, this), "eprog" + std::to_string(i + 1));
        e->SetBounds(56, top + 9, 300, 21);
        e->SetReadOnly(true);
        e->SetText(defaultName(i + 1));
        *names[i] = e;

        TSpeedButton* s = make(new TSpeedButton(this, this), browseNames[i]);
        s->SetBounds(366, top + 7, 75, 25);
        s->SetCaption("Browse");
        s->SetHint("Shortcut Link 1 to utility program or file");
        s->SetShowHint(true);
        *browse[i] = s;
    }

    Label2 = make(new TLabel(this, this), "Label2");
    Label2->SetBounds(8, 218, 0, 0);
    Label2->SetCaption("Install  Velmora ");
    SpeedButton33 = make(new TSpeedButton(this, this), "SpeedButton33");
    SpeedButton33->SetBounds(8, 236, 40, 40);
    SpeedButton33->SetGlyph(filmGlyph());

    BitBtn1 = make(new TBitBtn(this, this), "BitBtn1");
    BitBtn1->SetBounds(64, 244, 140, 25);
    BitBtn1->SetCaption("!   Clear all links");

    chklowres = make(new TCheckBox(this, this), "chklowres");
    chklowres->SetBounds(8, 292, 250, 17);
    chklowres->SetCaption("Resolutions less than True Color");
    chkmusic = make(new TCheckBox(this, this), "chkmusic");
    chkmusic->SetBounds(8, 316, 250, 17);
    chkmusic->SetCaption("Play intro music on startup");
    chkmusic->SetChecked(true);

    Panel1 = make(new TPanel(this, this), "Panel1");
    Panel1->SetBounds(264, 218, 208, 122);
    Panel1->SetCaption("");
    Panel1->SetBevelOuter(bvLowered);
    Label3 = make(new TLabel(this, Panel1), "Label3");
    Label3->SetAutoSize(false);
    Label3->SetWordWrap(true);
    Label3->SetBounds(6, 6, 196, 86);
    Label3->SetCaption("This version of Orvanta is True Color. However, you may use it with resolutions down "
                       "to 256 colors but the performance will not be the same.");
    Label4 = make(new TLabel(this, Panel1), "Label4");
    Label4->SetBounds(6, 98, 0, 0);
    Label4->SetCaption("Fixes color problems");
    Label4->FontRef().Color = clGreen;
    Label4->FontChanged();

    SpeedButton1 = make(new TSpeedButton(this, this), "SpeedButton1");
    SpeedButton1->SetBounds(397, 354, 75, 25);
    SpeedButton1->SetCaption("Close");

    chklowres2 = make(new TCheckBox(this, this), "chklowres2");
    chklowres2->Hide();
    ListBox1 = make(new TListBox(this, this), "ListBox1");
    ListBox1->Hide();
    Image1 = make(new TImage(this, this), "Image1");
    Image1->Hide();

    OpenDialog1 = new TOpenDialog(this);
    OpenDialog1->SetName("OpenDialog1");
    OpenDialog1->SetFilter("All Files (*.*)|*.*");
    OpenPictureDialog1 = new TOpenDialog(this);
    OpenPictureDialog1->SetName("OpenPictureDialog1");
    OpenPictureDialog1->SetFilter(
        "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|"
        "Icons (*.ico)|*.ico|Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf");

    OleContainer3 = std::make_unique<TOleContainer>();
    OleContainer4 = std::make_unique<TOleContainer>();
    OleContainer5 = std::make_unique<TOleContainer>();
    OleContainer6 = std::make_unique<TOleContainer>();
    OleContainer7 = std::make_unique<TOleContainer>();

    butpref1->OnClick = bindMethod(this, &Tpreference::butpref1Click);
    butpref2->OnClick = bindMethod(this, &Tpreference::butpref2Click);
    butpref3->OnClick = bindMethod(this, &Tpreference::butpref3Click);
    butpref4->OnClick = bindMethod(this, &Tpreference::butpref4Click);
    SpeedButton39->OnClick = bindMethod(this, &Tpreference::SpeedButton39Click);
    SpeedButton34->OnClick = bindMethod(this, &Tpreference::SpeedButton34Click);
    SpeedButton40->OnClick = bindMethod(this, &Tpreference::SpeedButton40Click);
    SpeedButton41->OnClick = bindMethod(this, &Tpreference::SpeedButton41Click);
    BitBtn1->OnClick = bindMethod(this, &Tpreference::BitBtn1Click);
    SpeedButton33->OnClick = bindMethod(this, &Tpreference::SpeedButton33Click);
    SpeedButton1->OnClick = bindMethod(this, &Tpreference::SpeedButton1Click);
    OnCreate = bindMethod(this, &Tpreference::FormCreate);
    OnShow = bindMethod(this, &Tpreference::FormShow);
}

TOleContainer* Tpreference::linkContainer(int n) const {
    const std::unique_ptr<TOleContainer>* all[] = {&OleContainer3, &OleContainer4, &OleContainer5,
                                                   &OleContainer6, &OleContainer7};
    return all[n]->get();
}

TSpeedButton* Tpreference::prefButton(int n) const {
    TSpeedButton* all[] = {butpref1, butpref2, butpref3, butpref4};
    return all[n - 1];
}

TEdit* Tpreference::nameBox(int n) const {
    TEdit* all[] = {eprog1, eprog2, eprog3, eprog4};
    return all[n - 1];
}

void Tpreference::FormCreate(TObject*) {
    CenterOnScreen();
    loadconfig();
}

void Tpreference::loadconfig() {
    if (!ProgramFolder::FileExists(kSettings)) saveconfig();
    if (!ProgramFolder::FileExists(kSettings)) return;
    std::vector<std::string> lines;
    try {
        lines = settingsLines(ReadWholeFile(ProgramFolder::MapPathString(kSettings)));
    } catch (const EStreamError&) {
        saveconfig();
        return;
    }
    ListBox1->Items().SetStrings(lines);
    if (ListBox1->Items().Count() > 5) {
        chklowres->SetChecked(ListBox1->Items()[0] == "true");
        Pbook1->Timer2->SetEnabled(chklowres->Checked());
        eprog1->SetText(ListBox1->Items()[1]);
        eprog2->SetText(ListBox1->Items()[2]);
        eprog3->SetText(ListBox1->Items()[3]);
        eprog4->SetText(ListBox1->Items()[4]);
        chkmusic->SetChecked(ListBox1->Items()[5] == "true");
        loadutilities();
    } else {
        saveconfig();
    }
}

void Tpreference::saveconfig() {
    TStrings& lines = ListBox1->Items();
    lines.Clear();
    lines.Add(chklowres->Checked() ? "true" : "false");
    for (int n = 1; n <= 4; ++n) {
        const std::string name = nameBox(n)->Text();
        lines.Add(name.empty() ? defaultName(n) : name);
    }
    lines.Add(chkmusic->Checked() ? "true" : "false");
    std::string text;
    for (int i = 0; i < lines.Count(); ++i)
        text += lines[i] + "\r\n";
    try {
        writeFileReplacing(ProgramFolder::MapPathString(kSettings), text);
    } catch (const EStreamError&) {
        mydialog1->mbox("Unable to write to file", "", "", "", "", 1);
    }
}

// A link or icon that cannot be loaded is reported and the rest still load: start-up goes on.
void Tpreference::loadutilities() {
    TMenuItem* items[] = {Pbook1->velmora1, Pbook1->utility1, Pbook1->utility2, Pbook1->utility3,
                          Pbook1->utility4};
    for (int n = 0; n <= 4; ++n) {
        if (!ProgramFolder::FileExists(linkFile(n))) continue;
        items[n]->SetEnabled(true);
        TOleContainer* c = linkContainer(n);
        try {
            c->LoadFromFile(ProgramFolder::MapPathString(linkFile(n)));
        } catch (const std::exception& e) {
            Application->HandleException(e);
        }
        c->SetAllowInPlace(false);
        c->SetCopyOnSave(false);
    }
    for (int n = 1; n <= 4; ++n) {
        if (!ProgramFolder::FileExists(iconFile(n))) continue;
        try {
            LoadBmpFromFile(Image1->Picture().Bitmap(), ProgramFolder::MapPathString(iconFile(n)));
            Pbook1->prefButton(n)->SetGlyph(Image1->Picture().Bitmap());
        } catch (const std::exception& e) {
            Application->HandleException(e);
        }
    }
}

void Tpreference::FormShow(TObject*) {
    chklowres2->SetChecked(chklowres->Checked());
    for (int n = 1; n <= 4; ++n)
        prefButton(n)->SetGlyph(Pbook1->prefButton(n)->Glyph());
}

// The tick keeps what was saved; the palette timer keeps what was read at start, so a changed
// low-colour setting takes effect at the next start.
void Tpreference::SpeedButton1Click(TObject*) {
    saveconfig();
    for (int n = 1; n <= 4; ++n)
        Pbook1->prefButton(n)->SetGlyph(prefButton(n)->Glyph());
    Application->ProcessMessages();
    Close();
}

// False, with nothing in Image1, for a cancelled choice or a file that is not a picture.
bool Tpreference::changebut() {
    if (!OpenPictureDialog1->Execute()) return false;
    Image1->Picture().Clear();
    TBitmap picture;
    try {
        TLoadedPicture loaded = LoadPictureFile(OpenPictureDialog1->FileName());
        picture = loaded.IsJpeg() ? loaded.jpeg->ToBitmap() : std::move(loaded.bitmap);
    } catch (const EInvalidGraphic&) {
        return false;
    } catch (const EStreamError&) {
        return false;
    }
    if (picture.Empty()) return false;
    TBitmap icon(32, 32, pf24bit);
    SetStretchBltMode(icon.Canvas(), picture.Width() >= 100 ? COLORONCOLOR : BLACKONWHITE);
    icon.Canvas().StretchDraw(Rect(0, 0, 32, 32), picture);
    Image1->Picture().Assign(icon);
    return true;
}

void Tpreference::changeIcon(int n) {
    if (!changebut()) return;
    const std::string file = ProgramFolder::MapPathString(iconFile(n));
    try {
        SaveBmpToFile(Image1->Picture().Bitmap(), file);
    } catch (const std::exception&) {
        MessageBox("Unable to save bitmap to bin folder", "Error", MB_OK);
        return;
    }
    Application->ProcessMessages();
    try {
        TSpeedButton* b = prefButton(n);
        b->SetNumGlyphs(1);
        b->SetGlyph(ReadBmpFile(file));
    } catch (const std::exception&) {
        MessageBox("Unable to load bitmap from bin folder", "Error", MB_OK);
    }
}

void Tpreference::butpref1Click(TObject*) {
    changeIcon(1);
}
void Tpreference::butpref2Click(TObject*) {
    changeIcon(2);
}
void Tpreference::butpref3Click(TObject*) {
    changeIcon(3);
}
void Tpreference::butpref4Click(TObject*) {
    changeIcon(4);
}

// A link that cannot be made goes to the general error display.
void Tpreference::createLink(int n) {
    if (!OpenDialog1->Execute()) return;
    const std::string file = OpenDialog1->FileName();
    Repaint();
    mydialog1->mbox("About to create a link to your file", "", "This could take a short while",
                    "depending on the type of file.", "Press OK to create link", 1);
    Repaint();
    for (int i = 0; i < 500; ++i)
        Application->ProcessMessages();
    try {
        TOleContainer* c = linkContainer(n);
        c->CreateLinkToFile(file, true);
        c->SaveToFile(ProgramFolder::MapPathString(linkFile(n)));
        c->SetAllowInPlace(false);
        c->SetCopyOnSave(false);
        c->DoVerb(ovShow);
        nameBox(n)->SetText(file);
    } catch (const std::exception& e) {
        Application->HandleException(e);
    }
}

void Tpreference::SpeedButton39Click(TObject*) {
    createLink(1);
}
void Tpreference::SpeedButton34Click(TObject*) {
    createLink(2);
}
void Tpreference::SpeedButton40Click(TObject*) {
    createLink(3);
}
void Tpreference::SpeedButton41Click(TObject*) {
    createLink(4);
}

// Every link then opens the manual's page on links, until the user makes it again.
void Tpreference::BitBtn1Click(TObject*) {
    try {
        TPbook1& pb = *Pbook1;
        if (pb.OleContainer1->HasObject()) pb.OleContainer1->DestroyObject();
        if (pb.OleContainer2->HasObject()) pb.OleContainer2->DestroyObject();
        pb.chkmanual->SetChecked(false);
        pb.explore->SetChecked(false);
        const std::string page = ProgramFolder::MapPathString("User Manual\\Links.html");
        for (int n = 0; n <= 4; ++n) {
            TOleContainer* c = linkContainer(n);
            if (c->HasObject()) c->DestroyObject();
            c->CreateLinkToFile(page, true);
            c->SaveToFile(ProgramFolder::MapPathString(linkFile(n)));
        }
        if (pb.OleContainer8->HasObject()) pb.OleContainer8->DestroyObject();
        if (pb.OleContainer9->HasObject()) pb.OleContainer9->DestroyObject();
        pb.chkmovies->SetChecked(false);
        pb.chkanimation->SetChecked(false);
    } catch (const std::exception&) {
        mydialog1->mbox("Unable to complete request", "Reconfigure buttons", "", "", "", 1);
    }
}

void Tpreference::SpeedButton33Click(TObject* Sender) {
    Pbook1->SpeedButton33Click(Sender);
}
