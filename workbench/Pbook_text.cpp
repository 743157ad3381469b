// The "Text" tab: a small rich-text editor whose text can be drawn into a bitmap, character by
// character in each character's own font, and dropped onto the page as a floating paste; plain
// text and RTF files, and text to and from the clipboard.
#include "Application.h"
#include "Clipboard.h"
#include "ClipboardGuard.h"
#include "Dialogs.h"
#include "FormKit.h"
#include "MessageBox.h"
#include "Pbook.h"
#include "PictureWriters.h"
#include "Screen.h"
#include "TPageControl.h"
#include "TRichEdit.h"
#include "mydialog.h"

#include <QString>
#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

// A 16 x 16 button picture: a few letters on the olive ground the buttons leave out.
TBitmap letterGlyph(const char* letters, TColor colour) {
    TBitmap g(16, 16);
    TCanvas& c = g.Canvas();
    c.Brush.SetColor(clOlive);
    c.FillRect(Rect(0, 0, 16, 16));
    c.Font.Name = "Arial";
    c.Font.SetHeight(-12);
    c.Font.Style = fsBold;
    c.Font.Color = colour;
    c.Brush.SetStyle(bsClear);
    c.TextOut((16 - c.TextWidth(letters)) / 2, 1, letters);
    return g;
}

// The canvas font takes the attributes the rich edit reports for its selection, in the order
// the platform's font takes them: the height, set last, decides the size.
void takeAttributes(TFont& font, const TFont& a) {
    font.Style = a.Style;
    font.Name = a.Name;
    font.Color = a.Color;
    font.SetSize(a.Size);
    font.SetHeight(int(std::lround(a.Size * 96.0 / 72.0)));
}

bool sameFont(const TFont& a, const TFont& b) {
    return a.Name == b.Name && a.Height == b.Height && a.Size == b.Size && a.Style == b.Style &&
           a.Color == b.Color;
}

// The characters of a line, one string each (k counts characters, not bytes).
std::vector<std::string> charactersOf(const std::string& line) {
    std::vector<std::string> out;
    const QString text = QString::fromUtf8(line.data(), qsizetype(line.size()));
    out.reserve(size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i)
        out.push_back(text.mid(i, 1).toStdString());
    return out;
}

} // namespace

void TPbook1::createTextPage() {
    textbanner = kit::label(TabSheet4, "textbanner",
                            "Right Click on the desktop and turn off Font Smoothing if it is on.", 0, 0);
    textbanner->SetAlign(alTop);
    textbanner->SetTransparent(false);
    textbanner->SetColor(clRed);
    TFont banner = textbanner->Font();
    banner.Color = clWhite;
    banner.Style = fsBold;
    textbanner->SetFont(banner);

    paneltext = kit::alignedPanel(TabSheet4, "paneltext", alRight, 92);
    auto button = [this](TSpeedButton*& field, const char* name, int left, int top, const char* letters,
                         TColor colour, const char* h) {
        field = kit::speedButton(paneltext, name, left, top, 40, 28, letterGlyph(letters, colour), h);
    };
    BitBtn41 = kit::bitBtn(paneltext, "BitBtn41", "", 6, 6, 40, 28, letterGlyph("F", clBlack));
    kit::hint(BitBtn41, "Select font");
    button(SpeedButton24, "SpeedButton24", 46, 6, "A", clRed, "Font color");
    Checkwrap = kit::check(paneltext, "Checkwrap", "Wrap", 8, 40, 76, true);
    BitBtn38 = kit::bitBtn(paneltext, "BitBtn38", "Paint", 6, 64, 80, 28, TBitmap());
    kit::hint(BitBtn38, "Click to copy and paste into the Paint Area.");
    BitBtn42 = kit::bitBtn(paneltext, "BitBtn42", "", 6, 98, 40, 28, letterGlyph("C", clNavy));
    kit::hint(BitBtn42, "Select Text and copy to clipboard as text");
    button(SpeedButton20, "SpeedButton20", 46, 98, "P", clNavy, "Paste text onto page");
    button(SpeedButton19, "SpeedButton19", 6, 132, "O", clGreen, "Open FIle");
    button(SpeedButton27, "SpeedButton27", 46, 132, "S", clGreen, "Save As");
    button(SpeedButton25, "SpeedButton25", 6, 166, "?", clBlue, "");
    button(SpeedButton15, "SpeedButton15", 46, 166, "Pr", clMaroon, "Print text");

    RichEdit2 = new TRichEdit(this, TabSheet4);
    RichEdit2->SetName("RichEdit2");
    RichEdit2->SetAlign(alClient);
    RichEdit2->SetScrollBars(ssBoth);
    RichEdit2->SetWordWrap(true);

    auto item = [this](TMenuItem* menu, const char* name, const char* caption) {
        return kit::item(this, menu, name, caption);
    };
    FontType1 = item(Text1, "FontType1", "F&ont Type");
    FontColor1 = item(Text1, "FontColor1", "&Font Color");
    Wordwrap1 = item(Text1, "Wordwrap1", "&Wordwrap");
    CopytoPaint1 = item(Text1, "CopytoPaint1", "&Copy to Paint");
    CopyTexttoClipboard1 = item(Text1, "CopyTexttoClipboard1", "Copy &Text to Clipboard");
    PasteTextfromClipboard1 = item(Text1, "PasteTextfromClipboard1", "Paste Text Fro&m Clipboard");
    OpenFile1 = item(Text1, "OpenFile1", "Ope&n Text File");
    SaveTextFIle1 = item(Text1, "SaveTextFIle1", "&Save Text FIle");
    PrintText1 = item(Text1, "PrintText1", "&Print Text");
    Text1->SetEnabled(false); // until the "Text" tab is chosen
    TextPanel1 = item(Tools1, "TextPanel1", "T&ext Panel");
    TextPanel1->SetChecked(true);

    FontDialog1 = new TFontDialog(this);
    FontDialog1->SetName("FontDialog1");
    ColorDialog1 = new TColorDialog(this);
    ColorDialog1->SetName("ColorDialog1");
}

void TPbook1::wireText() {
    auto both = [this](TMenuItem* m, TControl* c, void (TPbook1::*handler)(TObject*)) {
        m->OnClick = bindMethod(this, handler);
        if (c) c->OnClick = bindMethod(this, handler);
    };
    both(FontType1, BitBtn41, &TPbook1::FontType1Click);
    both(FontColor1, SpeedButton24, &TPbook1::FontColor1Click);
    both(Wordwrap1, nullptr, &TPbook1::Wordwrap1Click);
    Checkwrap->OnClick = bindMethod(this, &TPbook1::CheckwrapClick);
    both(CopytoPaint1, BitBtn38, &TPbook1::CopytoPaint1Click);
    both(CopyTexttoClipboard1, BitBtn42, &TPbook1::CopyTexttoClipboard1Click);
    both(PasteTextfromClipboard1, SpeedButton20, &TPbook1::PasteTextfromClipboard1Click);
    both(OpenFile1, SpeedButton19, &TPbook1::OpenFile1Click);
    both(SaveTextFIle1, SpeedButton27, &TPbook1::SaveTextFIle1Click);
    SpeedButton25->OnClick = bindMethod(this, &TPbook1::SpeedButton25Click);
    both(PrintText1, SpeedButton15, &TPbook1::PrintText1Click);
    TextPanel1->OnClick = bindMethod(this, &TPbook1::TextPanel1Click);
}

void TPbook1::FontType1Click(TObject*) {
    if (FontDialog1->Execute()) RichEdit2->SetFont(FontDialog1->Font());
}

void TPbook1::FontColor1Click(TObject*) {
    if (!ColorDialog1->Execute()) return;
    TFont f = RichEdit2->Font();
    f.Color = ColorDialog1->Color();
    RichEdit2->SetFont(f);
}

void TPbook1::CheckwrapClick(TObject*) {
    RichEdit2->SetWordWrap(Checkwrap->Checked());
    Wordwrap1->SetChecked(Checkwrap->Checked());
}

void TPbook1::Wordwrap1Click(TObject*) {
    Wordwrap1->SetChecked(!Wordwrap1->Checked());
    Checkwrap->SetChecked(Wordwrap1->Checked());
    RichEdit2->SetWordWrap(Checkwrap->Checked());
}

void TPbook1::TextPanel1Click(TObject*) {
    TextPanel1->SetChecked(!TextPanel1->Checked());
    paneltext->SetVisible(TextPanel1->Checked());
}

void TPbook1::CopyTexttoClipboard1Click(TObject*) {
    if (RichEdit2->SelLength() > 0)
        Clipboard()->SetAsText(RichEdit2->SelText());
    else
        MessageDlg("No lines selected", mtInformation, mbOK);
}

void TPbook1::PasteTextfromClipboard1Click(TObject*) {
    if (Clipboard()->HasFormat(CF_TEXT)) RichEdit2->SetSelText(Clipboard()->AsText());
}

void TPbook1::OpenFile1Click(TObject*) {
    if (RichEdit2->Modified() && mydialog1->mbox("Ok to clear text?", "", "", "", "", 2) == 2) return;
    if (OpenDialog1->Execute()) RichEdit2->Lines().LoadFromFile(OpenDialog1->FileName());
}

void TPbook1::SaveTextFIle1Click(TObject*) {
    dosavedit("TEMP.RTF");
}

void TPbook1::dosavedit(const std::string& defaultName) {
    if (!defaultName.empty()) SaveDialog1->SetFileName(defaultName);
    if (!SaveDialog1->Execute() || SaveDialog1->FileName().empty()) return;
    const std::string name = SaveDialog1->FileName();
    const std::string ext = UpperExtension(name);
    // The setting stays for later opens too, as the control has only the one.
    RichEdit2->SetPlainText(ext == ".TXT" || ext == ".HTM" || ext == ".HTML");
    RichEdit2->Lines().SaveToFile(name);
}

void TPbook1::SpeedButton25Click(TObject*) {
    dohelp("Using Text.RTF");
}

// No printing of the text is defined: the button and the menu item run the paste panel's "1/2",
// which acts only on a live paste.
void TPbook1::PrintText1Click(TObject* Sender) {
    SpeedButton4Click(Sender);
}

TBitmap TPbook1::textPicture() {
    // With word wrap on, the lines as the tab shows them, so the picture looks like the tab.
    const std::vector<std::string> lines =
        RichEdit2->WordWrap() ? RichEdit2->displayLines() : RichEdit2->Lines().ToVector();
    if (lines.empty()) return TBitmap();
    std::vector<std::vector<std::string>> chars;
    chars.reserve(lines.size());
    for (const std::string& line : lines)
        chars.push_back(charactersOf(line));

    TBitmap picture(RichEdit2->Width(), RichEdit2->Height());
    TCanvas& canvas = picture.Canvas();
    // The row table grows with the text rather than stopping at a fixed number of rows.
    std::vector<int> top(lines.size());
    int k = 0, y = 0, pitch = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        TFont measured;
        bool anyMeasured = false;
        int height = 0;
        for (size_t j = 0; j < chars[i].size(); ++j) {
            takeAttributes(canvas.Font, RichEdit2->caretFont(k + 1));
            // The whole line measures the same in the same font: measure again only on a change.
            if (!anyMeasured || !sameFont(measured, canvas.Font)) {
                height = canvas.TextHeight(lines[i]);
                measured = canvas.Font;
                anyMeasured = true;
            }
            pitch = i == 0 ? height : std::max(pitch, height);
            ++k;
        }
        // An empty first line has no character to measure: it takes the editor's own text height.
        if (i == 0 && chars[i].empty()) {
            const TFont saved = canvas.Font;
            canvas.Font = RichEdit2->Font();
            pitch = canvas.TextHeight("Hg");
            canvas.Font = saved;
        }
        top[i] = y;
        y += pitch;
        const int width = canvas.TextWidth(lines[i]);
        if (width > picture.Width()) picture.SetSize(width, picture.Height());
    }
    picture.SetSize(picture.Width(), y);

    // Each character's width in the current font, worked out once a font.
    TFont widthsFont;
    std::map<std::string, int> widths;
    auto widthOf = [&](const std::string& ch) {
        if (!sameFont(widthsFont, canvas.Font)) {
            widths.clear();
            widthsFont = canvas.Font;
        }
        auto [it, added] = widths.try_emplace(ch, 0);
        if (added) it->second = canvas.TextWidth(ch);
        return it->second;
    };
    k = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        int x = 0;
        // Characters that follow in one font go out together when together they are exactly as
        // wide as one by one, which puts every glyph where its own TextOut would.
        size_t j = 0;
        while (j < chars[i].size()) {
            takeAttributes(canvas.Font, RichEdit2->caretFont(k + 1));
            const TFont font = canvas.Font;
            std::string run = chars[i][j];
            int runWidth = widthOf(run);
            size_t end = j + 1;
            while (end < chars[i].size()) {
                TFont next = font;
                takeAttributes(next, RichEdit2->caretFont(k + 1 + int(end - j)));
                if (!sameFont(next, font)) break;
                runWidth += widthOf(chars[i][end]);
                run += chars[i][end];
                ++end;
            }
            if (end - j > 1 && canvas.TextWidth(run) == runWidth) {
                canvas.TextOut(x, top[i], run);
                x += runWidth;
                k += int(end - j);
                j = end;
                continue;
            }
            for (; j < end; ++j, ++k) {
                canvas.TextOut(x, top[i], chars[i][j]);
                x += widthOf(chars[i][j]);
            }
        }
    }
    // The caret is left where the last character's attributes were read.
    RichEdit2->SetSelStart(k);
    return picture;
}

void TPbook1::CopytoPaint1Click(TObject*) {
    Screen->SetCursor(crHourGlass);
    const TBitmap picture = textPicture();
    if (picture.Empty()) {
        Screen->SetCursor(crDefault);
        return;
    }
    ClipboardGuardWrite(picture, reportNoticeNotAvailableOrEmpty);
    Screen->SetCursor(crDefault);
    PageControl1->SetActivePage(TabSheet1);
    Application->ProcessMessages();
    Screen->SetCursor(crHandPoint);
    doapaste();
    Screen->SetCursor(crDefault);
}
