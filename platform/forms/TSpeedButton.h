#pragma once
#include "Controls.h"
#include "TBitBtn.h"
#include "TBitmap.h"

class QToolButton;

// A tool button: glyph and/or caption, flat look, and grouping: buttons of one parent with the
// same non-zero GroupIndex stay down one at a time (AllowAllUp lets the down one come up again).
class TSpeedButton : public TControl {
public:
    TSpeedButton(TComponent* owner, TWinControl* parent);

    int GroupIndex() const { return groupIndex_; }
    void SetGroupIndex(int g);
    bool Down() const { return down_; }
    void SetDown(bool d);
    bool AllowAllUp() const { return allowAllUp_; }
    void SetAllowAllUp(bool a) { allowAllUp_ = a; }
    bool Flat() const { return flat_; }
    void SetFlat(bool f);
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& g);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t) { transparent_ = t; }
    int Spacing() const { return spacing_; }
    void SetSpacing(int s) { spacing_ = s; }
    int Margin() const { return margin_; }
    void SetMargin(int m) { margin_ = m; }

    void Click() override;
    QToolButton* Button() const;

protected:
    void CaptionChanged() override { applyLook(); }

private:
    void applyLook();
    void applyDown();
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    bool flat_ = false;
    bool transparent_ = true;
    TBitmap glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
    int margin_ = -1;
};
