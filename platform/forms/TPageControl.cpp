#include "TPageControl.h"

#include "Application.h"

#include <QEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <stdexcept>

TTabSheet::TTabSheet(TComponent* owner, TPageControl* pc)
    : TWinControl(owner, pc, new QWidget), pageControl_(pc) {
    if (pc) pc->addSheet(this);
}

TTabSheet::~TTabSheet() {
    if (pageControl_) pageControl_->removeSheet(this);
}

int TTabSheet::PageIndex() const {
    if (!pageControl_) return -1;
    auto& v = pageControl_->pages_;
    return int(std::find(v.begin(), v.end(), this) - v.begin());
}

void TTabSheet::SetTabVisible(bool v) {
    tabVisible_ = v;
    if (pageControl_) pageControl_->refreshTab(this);
}

void TTabSheet::SetTabEnabled(bool e) {
    tabEnabled_ = e;
    if (pageControl_) pageControl_->refreshTab(this);
}

void TTabSheet::CaptionChanged() {
    if (pageControl_) pageControl_->refreshTab(this);
}

void TTabSheet::Paint(QPainter& p, const QRect& r) {
    p.fillRect(r, ToQColor(Color()));
}

bool TTabSheet::HandleEvent(QEvent* e) {
    if (e->type() == QEvent::Resize) {
        QSize s = widget_->size();
        if (s.width() != Width() || s.height() != Height()) {
            SetDesignSize(s.width(), s.height());
            Realign();
        }
    }
    return TWinControl::HandleEvent(e);
}

TPageControl::TPageControl(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new QTabWidget) {
    SetDesignSize(289, 193);
    QObject::connect(Tabs(), &QTabWidget::currentChanged, [this](int qi) {
        if (switching_) return;
        QWidget* w = Tabs()->widget(qi);
        for (TTabSheet* s : pages_)
            if (s->Widget() == w) {
                Application->Guard([this, s] { SelectPage(s); });
                return;
            }
    });
}

TPageControl::~TPageControl() {
    DestroyComponents();
    for (TTabSheet* s : pages_)
        s->pageControl_ = nullptr;
}

QTabWidget* TPageControl::Tabs() const {
    return static_cast<QTabWidget*>(widget_);
}

TTabSheet* TPageControl::Pages(int i) const {
    if (i < 0 || i >= PageCount())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return pages_[size_t(i)];
}

void TPageControl::addSheet(TTabSheet* s) {
    pages_.push_back(s);
    {
        QSignalBlocker block(Tabs());
        switching_ = true;
        Tabs()->addTab(s->Widget(), ToQString(s->Caption()));
        switching_ = false;
    }
    if (!active_)
        SetActivePage(s);
    else {
        QSignalBlocker block(Tabs());
        switching_ = true;
        Tabs()->setCurrentWidget(active_->Widget());
        switching_ = false;
    }
    resizeSheets();
}

void TPageControl::removeSheet(TTabSheet* s) {
    switching_ = true;
    int qi = Tabs()->indexOf(s->Widget());
    if (qi >= 0) Tabs()->removeTab(qi);
    switching_ = false;
    pages_.erase(std::remove(pages_.begin(), pages_.end(), s), pages_.end());
    if (active_ == s) active_ = nullptr;
}

void TPageControl::refreshTab(TTabSheet* s) {
    int qi = Tabs()->indexOf(s->Widget());
    if (qi < 0) return;
    Tabs()->setTabText(qi, ToQString(s->Caption()));
    Tabs()->setTabEnabled(qi, s->tabEnabled_);
    switching_ = true;
    Tabs()->setTabVisible(qi, s->tabVisible_);
    if (active_) Tabs()->setCurrentWidget(active_->Widget());
    switching_ = false;
}

TTabSheet* TPageControl::ActivePage() const {
    return active_;
}

void TPageControl::SetActivePage(TTabSheet* p) {
    if (p && p->pageControl_ != this) return;
    TTabSheet* old = active_;
    active_ = p;
    switching_ = true;
    if (p) Tabs()->setCurrentWidget(p->Widget());
    switching_ = false;
    if (old != p) {
        if (old && old->OnHide) old->OnHide(old);
        if (p && p->OnShow) p->OnShow(p);
    }
}

int TPageControl::ActivePageIndex() const {
    return active_ ? active_->PageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int i) {
    if (i < 0 || i >= PageCount())
        SetActivePage(nullptr);
    else
        SetActivePage(pages_[size_t(i)]);
}

void TPageControl::SelectPage(TTabSheet* p) {
    if (p == active_) return;
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    if (!allow) {
        switching_ = true;
        if (active_) Tabs()->setCurrentWidget(active_->Widget());
        switching_ = false;
        return;
    }
    SetActivePage(p);
    if (OnChange) OnChange(this);
}

void TPageControl::resizeSheets() {
    // Before Qt lays the pages out, the sheets take the room under the tabs.
    int tabH = Tabs()->tabBar()->sizeHint().height();
    for (TTabSheet* s : pages_) {
        if (s->Widget()->isVisible()) continue;
        s->SetDesignSize(std::max(Width() - 8, 0), std::max(Height() - tabH - 8, 0));
        s->Realign();
    }
}

void TPageControl::BoundsChanged() {
    TWinControl::BoundsChanged();
    resizeSheets();
}
