#include "TScrollBox.h"

#include "Application.h"

#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace {
constexpr int kBar = 16;
}

TScrollBox::TScrollBox(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new TPaintHost) {
    viewport_ = new QWidget(widget_);
    hwidget_ = new QScrollBar(Qt::Horizontal, widget_);
    vwidget_ = new QScrollBar(Qt::Vertical, widget_);
    hbar_.box_ = this;
    hbar_.horizontal_ = true;
    vbar_.box_ = this;
    QObject::connect(hwidget_, &QScrollBar::valueChanged,
                     [this](int v) { Application->Guard([this, v] { hbar_.SetPosition(v); }); });
    QObject::connect(vwidget_, &QScrollBar::valueChanged,
                     [this](int v) { Application->Guard([this, v] { vbar_.SetPosition(v); }); });
    SetDesignSize(185, 41);
    updateRanges();
}

int TControlScrollBar::MaxPosition() const {
    if (!box_) return 0;
    int extent = horizontal_ ? box_->ClientWidth() : box_->ClientHeight();
    return std::max(range_ - extent, 0);
}

void TControlScrollBar::SetPosition(int p) {
    p = std::clamp(p, 0, MaxPosition());
    if (p == position_) return;
    int old = position_;
    position_ = p;
    if (box_) box_->positionChanged(*this, old);
}

void TControlScrollBar::SetRange(int r) {
    range_ = std::max(r, 0);
    if (box_) box_->updateRanges();
}

void TControlScrollBar::SetVisible(bool v) {
    visible_ = v;
    if (box_) box_->updateRanges();
}

int TScrollBox::ClientWidth() const {
    int b = borderStyle_ == bsSingle ? 2 : 0;
    bool v = vwidget_ && !vwidget_->isHidden();
    return std::max(Width() - 2 * b - (v ? kBar : 0), 0);
}

int TScrollBox::ClientHeight() const {
    int b = borderStyle_ == bsSingle ? 2 : 0;
    bool h = hwidget_ && !hwidget_->isHidden();
    return std::max(Height() - 2 * b - (h ? kBar : 0), 0);
}

void TScrollBox::positionChanged(TControlScrollBar& bar, int oldPos) {
    int d = bar.position_ - oldPos;
    if (bar.horizontal_)
        ScrollBy(-d, 0);
    else
        ScrollBy(0, -d);
    QSignalBlocker bh(hwidget_), bv(vwidget_);
    hwidget_->setValue(hbar_.position_);
    vwidget_->setValue(vbar_.position_);
}

void TScrollBox::ScrollBy(int dx, int dy) {
    scrolling_ = true;
    for (int i = 0; i < ControlCount(); ++i) {
        TControl* c = Controls(i);
        if (c->Align() == alNone) c->SetBounds(c->Left() + dx, c->Top() + dy, c->Width(), c->Height());
    }
    scrolling_ = false;
}

void TScrollBox::ScrollInView(TControl* c) {
    if (!c) return;
    if (c->Left() < 0)
        hbar_.SetPosition(hbar_.position_ + c->Left());
    else if (c->Left() + c->Width() > ClientWidth())
        hbar_.SetPosition(hbar_.position_ + std::min(c->Left(), c->Left() + c->Width() - ClientWidth()));
    if (c->Top() < 0)
        vbar_.SetPosition(vbar_.position_ + c->Top());
    else if (c->Top() + c->Height() > ClientHeight())
        vbar_.SetPosition(vbar_.position_ + std::min(c->Top(), c->Top() + c->Height() - ClientHeight()));
}

void TScrollBox::SetAutoScroll(bool a) {
    autoScroll_ = a;
    if (!a) {
        hbar_.range_ = 0;
        vbar_.range_ = 0;
    }
    updateRanges();
}

void TScrollBox::SetBorderStyle(TBorderStyle b) {
    borderStyle_ = b;
    updateRanges();
    Invalidate();
}

void TScrollBox::updateRanges() {
    if (updating_) return;
    struct Flag {
        bool& f;
        Flag(bool& x) : f(x) { f = true; }
        ~Flag() { f = false; }
    } flag(updating_);
    if (autoScroll_) {
        int w = 0, h = 0;
        for (int i = 0; i < ControlCount(); ++i) {
            TControl* c = Controls(i);
            if (!c->Visible() || c->Align() != alNone) continue;
            w = std::max(w, c->Left() + c->Width() + hbar_.position_);
            h = std::max(h, c->Top() + c->Height() + vbar_.position_);
        }
        hbar_.range_ = w;
        vbar_.range_ = h;
    }
    // Bars show when their range exceeds the room; one bar takes room from the other.
    int b = borderStyle_ == bsSingle ? 2 : 0;
    int fullW = Width() - 2 * b, fullH = Height() - 2 * b;
    bool showH = false, showV = false;
    for (int pass = 0; pass < 2; ++pass) {
        showH = hbar_.visible_ && hbar_.range_ > fullW - (showV ? kBar : 0);
        showV = vbar_.visible_ && vbar_.range_ > fullH - (showH ? kBar : 0);
    }
    hwidget_->setVisible(showH);
    vwidget_->setVisible(showV);
    layoutBars();
    Realign();
    // Positions beyond the new range come back, moving the children with them.
    if (!showH)
        hbar_.SetPosition(0);
    else
        hbar_.SetPosition(std::min(hbar_.position_, hbar_.MaxPosition()));
    if (!showV)
        vbar_.SetPosition(0);
    else
        vbar_.SetPosition(std::min(vbar_.position_, vbar_.MaxPosition()));
    QSignalBlocker bh(hwidget_), bv(vwidget_);
    hwidget_->setRange(0, hbar_.MaxPosition());
    hwidget_->setPageStep(std::max(ClientWidth(), 1));
    hwidget_->setSingleStep(hbar_.increment_);
    hwidget_->setValue(hbar_.position_);
    vwidget_->setRange(0, vbar_.MaxPosition());
    vwidget_->setPageStep(std::max(ClientHeight(), 1));
    vwidget_->setSingleStep(vbar_.increment_);
    vwidget_->setValue(vbar_.position_);
}

void TScrollBox::layoutBars() {
    int b = borderStyle_ == bsSingle ? 2 : 0;
    viewport_->setGeometry(b, b, ClientWidth(), ClientHeight());
    hwidget_->setGeometry(b, b + ClientHeight(), ClientWidth(), kBar);
    vwidget_->setGeometry(b + ClientWidth(), b, kBar, ClientHeight());
}

void TScrollBox::BoundsChanged() {
    updateRanges();
    TWinControl::BoundsChanged();
}

void TScrollBox::ChildChanged(TControl*) {
    if (!scrolling_) updateRanges();
}

void TScrollBox::Paint(QPainter& p, const QRect& r) {
    p.fillRect(r, ToQColor(Color()));
    if (borderStyle_ == bsSingle) {
        p.setPen(ToQColor(clBtnShadow));
        p.drawRect(widget_->rect().adjusted(0, 0, -1, -1));
        p.setPen(ToQColor(cl3DDkShadow));
        p.drawRect(widget_->rect().adjusted(1, 1, -2, -2));
    }
}

bool TScrollBox::HandleEvent(QEvent* e) {
    if (e->type() == QEvent::Wheel) {
        auto* we = static_cast<QWheelEvent*>(e);
        int steps = we->angleDelta().y() / 120;
        vbar_.SetPosition(vbar_.position_ - steps * std::max(vbar_.increment_, 1) * 3);
        return true;
    }
    return TWinControl::HandleEvent(e);
}
