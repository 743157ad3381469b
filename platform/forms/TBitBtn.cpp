#include "TBitBtn.h"

#include "BitmapImage.h"
#include "Forms.h"

#include "Menus.h"

#include <QBoxLayout>
#include <QIcon>
#include <QLabel>
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
    applyLayout();
}

void TBitBtn::SetSpacing(int s) {
    spacing_ = s;
    if (stack_) stack_->setSpacing(s);
}

void TBitBtn::CaptionChanged() {
    if (!stacked()) {
        Button()->setAccessibleName(QString());
        TButton::CaptionChanged();
        return;
    }
    const QString text = ToQString(StripHotkey(Caption()));
    Button()->setText(QString());
    Button()->setAccessibleName(text);
    textLabel_->setText(text);
}

void TBitBtn::applyGlyph() {
    QIcon icon = GlyphIcon(glyph_, numGlyphs_);
    const QSize size =
        glyph_.Empty() ? QSize() : QSize(glyph_.Width() / std::max(numGlyphs_, 1), glyph_.Height());
    if (stacked()) {
        Button()->setIcon(QIcon());
        if (icon.isNull())
            glyphLabel_->clear();
        else
            glyphLabel_->setPixmap(icon.pixmap(size));
        return;
    }
    Button()->setIcon(icon);
    if (!glyph_.Empty()) Button()->setIconSize(size);
}

void TBitBtn::applyLayout() {
    Button()->setLayoutDirection(layout_ == blGlyphRight ? Qt::RightToLeft : Qt::LeftToRight);
    if (stacked() && !stack_) {
        stack_ = new QVBoxLayout(Button());
        stack_->setContentsMargins(2, 4, 2, 4);
        stack_->setSpacing(spacing_);
        glyphLabel_ = new QLabel;
        textLabel_ = new QLabel;
        for (QLabel* l : {glyphLabel_, textLabel_}) {
            l->setAlignment(Qt::AlignCenter);
            l->setAttribute(Qt::WA_TransparentForMouseEvents);
        }
    }
    if (stack_) {
        // The glyph takes the room the caption leaves, centred in it.
        stack_->removeWidget(glyphLabel_);
        stack_->removeWidget(textLabel_);
        if (layout_ == blGlyphBottom) {
            stack_->addWidget(textLabel_);
            stack_->addWidget(glyphLabel_, 1);
        } else {
            stack_->addWidget(glyphLabel_, 1);
            stack_->addWidget(textLabel_);
        }
        glyphLabel_->setVisible(stacked());
        textLabel_->setVisible(stacked());
        stack_->activate();
    }
    CaptionChanged();
    applyGlyph();
}

void TBitBtn::Click() {
    if (kind_ == bkClose) {
        if (TCustomForm* f = ParentForm()) f->Close();
        if (OnClick) OnClick(this);
        return;
    }
    TButton::Click();
}
