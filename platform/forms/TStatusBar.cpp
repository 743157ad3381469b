#include "TStatusBar.h"

#include "TPanel.h"

#include <QPainter>
#include <stdexcept>

TStatusBar::TStatusBar(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new TPaintHost) {
    SetDesignSize(200, 19);
    SetAlign(alBottom);
}

void TStatusBar::SetSimplePanel(bool s) {
    simplePanel_ = s;
    Invalidate();
}

void TStatusBar::SetSimpleText(const std::string& t) {
    simpleText_ = t;
    Invalidate();
}

TStatusPanel& TStatusBar::Panels(int i) {
    if (i < 0 || i >= PanelCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return panels_[size_t(i)];
}

TStatusPanel& TStatusBar::AddPanel(const std::string& text, int width) {
    panels_.push_back({text, width, taLeftJustify});
    Invalidate();
    return panels_.back();
}

void TStatusBar::SetSizeGrip(bool s) {
    sizeGrip_ = s;
    Invalidate();
}

void TStatusBar::Paint(QPainter& p, const QRect& r) {
    p.fillRect(r, ToQColor(Color()));
    p.setFont(widget_->font());
    auto cell = [&](QRect c, const std::string& text, TAlignment a) {
        QRect inner = c;
        DrawBevel(p, inner, false, 1);
        p.setPen(ToQColor(Font().Color));
        int flags = Qt::AlignVCenter | (a == taCenter         ? Qt::AlignHCenter
                                        : a == taRightJustify ? Qt::AlignRight
                                                              : Qt::AlignLeft);
        p.drawText(inner.adjusted(2, 0, -2, 0), flags, ToQString(text));
    };
    QRect all = widget_->rect().adjusted(0, 2, 0, 0);
    if (simplePanel_ || panels_.empty()) {
        cell(all, simplePanel_ ? simpleText_ : "", taLeftJustify);
        return;
    }
    int x = 0;
    for (size_t i = 0; i < panels_.size(); ++i) {
        bool last = i + 1 == panels_.size();
        int w = last ? std::max(all.width() - x, 0) : panels_[i].Width;
        cell(QRect(x, all.top(), w - 2, all.height()), panels_[i].Text, panels_[i].Alignment);
        x += w;
    }
}
