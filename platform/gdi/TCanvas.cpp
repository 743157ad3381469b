#include "TCanvas.h"

#include "TBitmap.h"

// Placeholder until the rasteriser lands: pixel access only.
TCanvas::TCanvas(TBitmap* target) : target_(target) {}

TColor TCanvas::Pixels(int x, int y) const { return target_->GetPixel(x, y); }

void TCanvas::SetPixels(int x, int y, TColor c) {
    target_->SetPixel(x, y, c);
    target_->Changed(Rect(x, y, x + 1, y + 1));
}
