#include "TCoolBar.h"

#include <stdexcept>

TCoolBar::TCoolBar(TComponent* owner, TWinControl* parent) : TPanel(owner, parent) {
    SetBevelOuter(bvNone);
    SetDesignSize(150, 75);
}

void TCoolBar::SetVertical(bool v) {
    vertical_ = v;
    LayoutBands();
}

TCoolBand& TCoolBar::Bands(int i) {
    if (i < 0 || i >= BandCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return bands_[size_t(i)];
}

TCoolBand& TCoolBar::AddBand(TControl* control, const std::string& text) {
    TCoolBand b;
    b.Control = control;
    b.Text = text;
    if (control) b.MinHeight = vertical_ ? control->Width() : control->Height();
    bands_.push_back(b);
    LayoutBands();
    return bands_.back();
}

void TCoolBar::LayoutBands() {
    int pos = 2;
    for (TCoolBand& b : bands_) {
        if (!b.Control || !b.Control->Visible()) continue;
        if (vertical_) {
            b.Control->SetBounds(pos, 2, b.MinHeight, std::max(Height() - 4, b.MinWidth));
            pos += b.MinHeight + 2;
        } else {
            b.Control->SetBounds(2, pos, std::max(Width() - 4, b.MinWidth), b.MinHeight);
            pos += b.MinHeight + 2;
        }
    }
}
