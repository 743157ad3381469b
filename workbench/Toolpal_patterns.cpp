// The palette's fill material: the pattern buttons and the current pattern, and the strip that
// shows the gradient colour list.
#include "BmpCodec.h"
#include "Pbook.h"
#include "ProgramFolder.h"
#include "TImage.h"
#include "TListBox.h"
#include "TPanel.h"
#include "TShape.h"
#include "Toolpal.h"
#include "gradient.h"

#include <string>

namespace {
std::string patternFile(const std::string& progdir, int n) {
    return progdir + "bin\\b" + std::to_string(n) + ".bmp";
}
} // namespace

TImage* TForm3::patternButton(int n) const {
    TImage* const buttons[] = {Bp1, Bp2,  Bp3,  Bp4,  Bp5,  Bp6,  Bp7,  Bp8,
                               Bp9, Bp10, Bp11, Bp12, Bp13, Bp14, Bp15, Bp16};
    return n >= 1 && n <= 16 ? buttons[n - 1] : nullptr;
}

void TForm3::show_pats() {
    for (int n = 1; n <= 16; ++n) {
        const std::string file = patternFile(progdir, n);
        if (!ProgramFolder::FileExists(file)) continue;
        // A file that is no bitmap leaves its button as it was, like a missing one.
        try {
            LoadBmpFromFile(patternButton(n)->Picture().Bitmap(), ProgramFolder::MapPathString(file));
        } catch (const std::exception&) {
        }
    }
    Update();
}

void TForm3::loadPatternPreview() {
    const std::string file = patternFile(progdir, 1);
    if (!ProgramFolder::FileExists(file)) return;
    try {
        LoadBmpFromFile(Image2->Picture().Bitmap(), ProgramFolder::MapPathString(file));
    } catch (const std::exception&) {
    }
}

void TForm3::draw_patternbox() {
    const TCanvas& from = patbox1->Canvas();
    TCanvas& to = Image2->Canvas();
    for (int x = 8; x <= 16; ++x)
        for (int y = 8; y <= 16; ++y) {
            TColor c = from.Pixels(x, y);
            if (c != TColor(0xFFFFFFFF)) to.SetPixels(x - 8, y - 8, c);
        }
}

void TForm3::BpClick(TObject* Sender) {
    auto* button = dynamic_cast<TImage*>(Sender);
    if (!button) return;
    const int n = button->Tag();
    Shape1->SetLeft(button->Left() - 2);
    Shape1->SetTop(button->Top() - 2);
    // The canvas makes an empty picture a white bitmap of the box's size: a missing first
    // choice then fills white.
    patbox1->Canvas().Brush.SetStyle(bsSolid);
    const std::string file = patternFile(progdir, n);
    if (ProgramFolder::FileExists(file)) {
        // A file that is no bitmap is reported; the box keeps its pattern.
        LoadBmpFromFile(patbox1->Picture().Bitmap(), ProgramFolder::MapPathString(file));
    }
    draw_patternbox();
    patternfill = true;
    normalfill = false;
}

void TForm3::showgrad() {
    const int W = Panel6->Width(), H = Panel6->Height();
    Image4->Picture().Bitmap().SetSize(W, H);
    std::vector<TCanvas*> canvases;
    if (Pbook1)
        if (Pbook1->imgrad) canvases.push_back(&Pbook1->imgrad->Canvas());
    canvases.push_back(&Image4->Canvas());
    drawStrip(canvases, W, H, parseGradientList(ListBox1->Items().ToVector()));
}

void TForm3::Panel6Click(TObject* Sender) {
    if (Pbook1) Pbook1->imgradClick(Sender);
}
