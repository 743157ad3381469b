#pragma once
#include "TBitBtn.h"

class QLabel;

namespace quickview {

// A large push button with its glyph above its caption, as the main window's button strip and
// the start window show them (the layer's push button puts the glyph beside the text).
class TStripButton : public TBitBtn {
public:
    TStripButton(TComponent* owner, TWinControl* parent);
    // The glyph drawn above the caption; its bottom-left pixel's colour is left out.
    void SetTopGlyph(const TBitmap& glyph);

protected:
    void CaptionChanged() override;

private:
    QLabel* icon_;
    QLabel* text_;
};

} // namespace quickview
