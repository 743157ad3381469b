#include "TGauge.h"

#include <QPainter>

TGauge::TGauge(TComponent* owner, TWinControl* parent) : TControl(owner, parent, new TPaintHost) {
    SetDesignSize(100, 100);
}

void TGauge::SetMinValue(int v) {
    min_ = v;
    SetProgress(progress_);
    Invalidate();
}

void TGauge::SetMaxValue(int v) {
    max_ = v;
    SetProgress(progress_);
    Invalidate();
}

void TGauge::SetProgress(int p) {
    p = std::clamp(p, std::min(min_, max_), std::max(min_, max_));
    if (p == progress_) return;
    progress_ = p;
    Invalidate();
}

int TGauge::PercentDone() const {
    long long span = (long long)max_ - min_;
    if (span <= 0) return 0;
    return int(((long long)progress_ - min_) * 100 / span);
}

void TGauge::SetKind(TGaugeKind k) {
    kind_ = k;
    Invalidate();
}

void TGauge::SetForeColor(TColor c) {
    fore_ = c;
    Invalidate();
}

void TGauge::SetBackColor(TColor c) {
    back_ = c;
    Invalidate();
}

void TGauge::SetShowText(bool s) {
    showText_ = s;
    Invalidate();
}

void TGauge::Paint(QPainter& p, const QRect&) {
    QRect r = widget_->rect();
    p.fillRect(r, ToQColor(back_));
    int pct = PercentDone();
    switch (kind_) {
    case gkHorizontalBar:
        p.fillRect(QRect(0, 0, r.width() * pct / 100, r.height()), ToQColor(fore_));
        break;
    case gkVerticalBar: {
        int h = r.height() * pct / 100;
        p.fillRect(QRect(0, r.height() - h, r.width(), h), ToQColor(fore_));
        break;
    }
    case gkPie:
    case gkNeedle:
        p.setBrush(ToQColor(fore_));
        p.setPen(Qt::NoPen);
        p.drawPie(r.adjusted(1, 1, -1, -1), 90 * 16, -pct * 360 * 16 / 100);
        break;
    case gkText:
        break;
    }
    p.setPen(ToQColor(clBlack));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    if (showText_) {
        // The text in the background colour over the filled part, in the fill colour elsewhere.
        QString text = QString::number(pct) + "%";
        p.setFont(widget_->font());
        QRect filled = kind_ == gkVerticalBar
                           ? QRect(0, r.height() - r.height() * pct / 100, r.width(), r.height())
                           : QRect(0, 0, r.width() * pct / 100, r.height());
        p.setClipRegion(QRegion(r).subtracted(filled));
        p.setPen(ToQColor(fore_));
        p.drawText(r, Qt::AlignCenter, text);
        p.setClipRect(filled);
        p.setPen(ToQColor(back_));
        p.drawText(r, Qt::AlignCenter, text);
    }
}
