#pragma once
#include "TBitmap.h"
#include "TButton.h"

class QBoxLayout;
class QLabel;

enum TBitBtnKind {
    bkCustom,
    bkOK,
    bkCancel,
    bkHelp,
    bkYes,
    bkNo,
    bkClose,
    bkAbort,
    bkRetry,
    bkIgnore,
    bkAll
};
enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// A push button with a glyph. A kind other than bkCustom gives the usual caption and modal
// result; bkClose closes the form. Layout puts the glyph left of, right of, above or below the
// caption, Spacing pixels from it; the glyph's bottom-left pixel colour is left out.
class TBitBtn : public TButton {
public:
    TBitBtn(TComponent* owner, TWinControl* parent);

    TBitBtnKind Kind() const { return kind_; }
    void SetKind(TBitBtnKind k);
    const TBitmap& Glyph() const { return glyph_; }
    void SetGlyph(const TBitmap& g);
    int NumGlyphs() const { return numGlyphs_; }
    void SetNumGlyphs(int n);
    TButtonLayout Layout() const { return layout_; }
    void SetLayout(TButtonLayout l);
    int Spacing() const { return spacing_; }
    void SetSpacing(int s);
    int Margin() const { return margin_; }
    void SetMargin(int m) { margin_ = m; }

    void Click() override;

protected:
    void CaptionChanged() override;

private:
    void applyGlyph();
    void applyLayout();
    bool stacked() const { return layout_ == blGlyphTop || layout_ == blGlyphBottom; }
    TBitBtnKind kind_ = bkCustom;
    TBitmap glyph_;
    int numGlyphs_ = 1;
    TButtonLayout layout_ = blGlyphLeft;
    int spacing_ = 4;
    int margin_ = -1;
    // Above or below the caption, the glyph and the caption are labels stacked on the button.
    QBoxLayout* stack_ = nullptr;
    QLabel* glyphLabel_ = nullptr;
    QLabel* textLabel_ = nullptr;
};
