#include "TLabel.h"

#include "Menus.h"

#include <QFontMetrics>
#include <QPainter>

TLabel::TLabel(TComponent* owner, TWinControl* parent) : TControl(owner, parent, new TPaintHost) {
    SetDesignSize(32, 13);
    adjustSize();
}

QString TLabel::shownText() const {
    return ToQString(showAccel_ ? StripHotkey(Caption()) : Caption());
}

void TLabel::adjustSize() {
    if (!autoSize_) return;
    QFontMetrics fm(widget_->font());
    QString text = shownText();
    if (wordWrap_) {
        QRect br = fm.boundingRect(QRect(0, 0, std::max(Width(), 1), 100000), Qt::TextWordWrap, text);
        SetBounds(Left(), Top(), Width(), std::max(br.height(), fm.height()));
    } else {
        QRect br = fm.boundingRect(QRect(0, 0, 100000, 100000), 0, text);
        SetBounds(Left(), Top(), br.width(), std::max(br.height(), fm.height()));
    }
}

void TLabel::FontApplied() {
    TControl::FontApplied();
    adjustSize();
}

void TLabel::ColorChanged() {
    Invalidate();
}

void TLabel::SetAutoSize(bool a) {
    autoSize_ = a;
    adjustSize();
}

void TLabel::SetAlignment(TAlignment a) {
    alignment_ = a;
    Invalidate();
}

void TLabel::SetLayout(TTextLayout l) {
    layout_ = l;
    Invalidate();
}

void TLabel::SetWordWrap(bool w) {
    wordWrap_ = w;
    adjustSize();
    Invalidate();
}

void TLabel::SetTransparent(bool t) {
    transparent_ = t;
    Invalidate();
}

void TLabel::SetShowAccelChar(bool s) {
    showAccel_ = s;
    adjustSize();
    Invalidate();
}

void TLabel::Paint(QPainter& p, const QRect&) {
    QRect r = widget_->rect();
    if (!transparent_) p.fillRect(r, ToQColor(Color()));
    int flags = 0;
    flags |= alignment_ == taLeftJustify    ? Qt::AlignLeft
             : alignment_ == taRightJustify ? Qt::AlignRight
                                            : Qt::AlignHCenter;
    flags |= layout_ == tlTop ? Qt::AlignTop : layout_ == tlCenter ? Qt::AlignVCenter : Qt::AlignBottom;
    if (wordWrap_) flags |= Qt::TextWordWrap;
    p.setFont(widget_->font());
    p.setClipRect(r);
    if (!Enabled()) {
        // As the platform draws disabled text: grey over a white copy one pixel right and down.
        p.setPen(ToQColor(clBtnHighlight));
        p.drawText(r.translated(1, 1), flags, shownText());
    }
    p.setPen(Enabled() ? ToQColor(Font().Color) : ToQColor(clGrayText));
    p.drawText(r, flags, shownText());
}
