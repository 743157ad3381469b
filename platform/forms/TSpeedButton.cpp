#include "TSpeedButton.h"

#include "Application.h"
#include "BitmapImage.h"

#include <QIcon>
#include <QToolButton>

TSpeedButton::TSpeedButton(TComponent* owner, TWinControl* parent)
    : TControl(owner, parent, new QToolButton) {
    clickOnMouseUp_ = false;
    Button()->setFocusPolicy(Qt::NoFocus);
    Button()->setCheckable(true);
    SetDesignSize(23, 22);
    QObject::connect(Button(), &QToolButton::clicked, [this] {
        applyDown();
        Application->Guard([this] { Click(); });
    });
    applyLook();
}

QToolButton* TSpeedButton::Button() const {
    return static_cast<QToolButton*>(widget_);
}

void TSpeedButton::applyDown() {
    Button()->setChecked(down_);
}

void TSpeedButton::SetGroupIndex(int g) {
    groupIndex_ = g;
    if (g == 0 && down_) {
        down_ = false;
        applyDown();
    }
}

void TSpeedButton::SetDown(bool d) {
    if (groupIndex_ == 0) d = false;
    if (d == down_) return;
    down_ = d;
    if (d && Parent()) {
        for (int i = 0; i < Parent()->ControlCount(); ++i) {
            auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
            if (other && other != this && other->groupIndex_ == groupIndex_ && other->down_) {
                other->down_ = false;
                other->applyDown();
            }
        }
    }
    applyDown();
}

void TSpeedButton::SetFlat(bool f) {
    flat_ = f;
    Button()->setAutoRaise(f);
}

void TSpeedButton::SetGlyph(const TBitmap& g) {
    glyph_.Assign(g);
    applyLook();
}

void TSpeedButton::SetNumGlyphs(int n) {
    numGlyphs_ = n;
    applyLook();
}

void TSpeedButton::SetLayout(TButtonLayout l) {
    layout_ = l;
    applyLook();
}

void TSpeedButton::applyLook() {
    QToolButton* b = Button();
    b->setText(ToQString(Caption()));
    bool hasGlyph = !glyph_.Empty();
    if (hasGlyph) {
        b->setIcon(GlyphIcon(glyph_, numGlyphs_));
        b->setIconSize(QSize(glyph_.Width() / std::max(numGlyphs_, 1), glyph_.Height()));
    } else {
        b->setIcon(QIcon());
    }
    if (!hasGlyph)
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    else if (Caption().empty())
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    else if (layout_ == blGlyphTop || layout_ == blGlyphBottom)
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    else
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
}

void TSpeedButton::Click() {
    if (groupIndex_ != 0) {
        if (!down_)
            SetDown(true);
        else if (allowAllUp_)
            SetDown(false);
    }
    applyDown();
    TControl::Click();
}
