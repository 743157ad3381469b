#include "TBitBtn.h"

#include "BitmapImage.h"
#include "Forms.h"

#include <QIcon>
#include <QPushButton>

TBitBtn::TBitBtn(TComponent* owner, TWinControl* parent) : TButton(owner, parent) {}

void TBitBtn::SetKind(TBitBtnKind k) {
    kind_ = k;
    struct KindInfo {
        const char* caption;
        int result;
    };
    static const KindInfo info[] = {
        {"", 0},        {"OK", mrOk},  {"Cancel", mrCancel}, {"&Help", 0},        {"&Yes", mrYes},
        {"&No", mrNo},  {"&Close", 0}, {"Abort", mrAbort},   {"&Retry", mrRetry}, {"&Ignore", mrIgnore},
        {"&All", mrAll}};
    if (k == bkCustom) return;
    SetCaption(info[k].caption);
    SetModalResult(info[k].result);
    if (k == bkOK || k == bkYes) SetDefault(true);
    if (k == bkCancel || k == bkNo) SetCancel(true);
}

void TBitBtn::SetGlyph(const TBitmap& g) {
    glyph_.Assign(g);
    applyGlyph();
}

void TBitBtn::SetNumGlyphs(int n) {
    numGlyphs_ = n;
    applyGlyph();
}

void TBitBtn::SetLayout(TButtonLayout l) {
    layout_ = l;
    Button()->setLayoutDirection(l == blGlyphRight ? Qt::RightToLeft : Qt::LeftToRight);
}

void TBitBtn::applyGlyph() {
    QIcon icon = GlyphIcon(glyph_, numGlyphs_);
    Button()->setIcon(icon);
    if (!glyph_.Empty())
        Button()->setIconSize(QSize(glyph_.Width() / std::max(numGlyphs_, 1), glyph_.Height()));
}

void TBitBtn::Click() {
    if (kind_ == bkClose) {
        if (TCustomForm* f = ParentForm()) f->Close();
        if (OnClick) OnClick(this);
        return;
    }
    TButton::Click();
}
