#include "Menus.h"

#include "Application.h"

#include <QAction>
#include <QActionEvent>
#include <QActionGroup>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <stdexcept>

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), action_(new QAction(nullptr)) {
    QObject::connect(action_, &QAction::triggered, [this](bool) {
        // Choosing an item never ticks it by itself: the handler decides.
        applyCheck();
        Application->Guard([this] { Click(); });
    });
}

TMenuItem::~TMenuItem() {
    for (TMenuItem* c : items_)
        c->parent_ = nullptr;
    if (parent_) parent_->Remove(this);
    delete submenu_;
    delete action_;
}

void TMenuItem::SetCaption(const std::string& c) {
    caption_ = c;
    // A separator with text would be drawn as a titled section: the line needs no text.
    action_->setSeparator(c == "-");
    action_->setText(c == "-" ? QString() : ToQString(c));
}

void TMenuItem::applyCheck() {
    action_->setCheckable(checked_ || radio_ || action_->isCheckable());
    action_->setChecked(checked_);
}

void TMenuItem::SetChecked(bool c) {
    checked_ = c;
    if (c && radio_ && parent_) {
        for (TMenuItem* s : parent_->items_)
            if (s != this && s->radio_ && s->groupIndex_ == groupIndex_ && s->checked_) {
                s->checked_ = false;
                s->applyCheck();
            }
    }
    applyCheck();
}

void TMenuItem::SetEnabled(bool e) {
    enabled_ = e;
    action_->setEnabled(e);
}

void TMenuItem::SetVisible(bool v) {
    visible_ = v;
    action_->setVisible(v);
}

void TMenuItem::SetRadioItem(bool r) {
    radio_ = r;
    applyCheck();
}

void TMenuItem::SetShortCut(TShortCut s) {
    shortCut_ = s;
    if (s == 0) {
        action_->setShortcut(QKeySequence());
        return;
    }
    int key = KeyToQt(static_cast<unsigned short>(s & 0xFFF));
    int mods = 0;
    if (s & scShift) mods |= Qt::SHIFT;
    if (s & scCtrl) mods |= Qt::CTRL;
    if (s & scAlt) mods |= Qt::ALT;
    action_->setShortcut(QKeySequence(key | mods));
}

void TMenuItem::SetHint(const std::string& h) {
    hint_ = h;
    action_->setStatusTip(ToQString(h));
}

QWidget* TMenuItem::container() {
    if (host_) return host_;
    if (!submenu_) {
        submenu_ = new QMenu;
        action_->setMenu(submenu_);
    }
    return submenu_;
}

void TMenuItem::placeChild(TMenuItem* item) {
    QWidget* c = container();
    int i = IndexOf(item);
    QAction* before = (i + 1 < int(items_.size())) ? items_[size_t(i + 1)]->action_ : nullptr;
    c->insertAction(before, item->action_);
}

void TMenuItem::Add(TMenuItem* item) {
    Insert(Count(), item);
}

void TMenuItem::Insert(int index, TMenuItem* item) {
    if (item->parent_) throw std::runtime_error("Menu inserted twice");
    index = std::clamp(index, 0, Count());
    items_.insert(items_.begin() + index, item);
    item->parent_ = this;
    placeChild(item);
}

void TMenuItem::Remove(TMenuItem* item) {
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it == items_.end()) return;
    items_.erase(it);
    item->parent_ = nullptr;
    if (host_)
        host_->removeAction(item->action_);
    else if (submenu_)
        submenu_->removeAction(item->action_);
}

void TMenuItem::Clear() {
    while (!items_.empty()) {
        TMenuItem* c = items_.back();
        Remove(c);
        if (c->Owner() == this) delete c;
    }
}

TMenuItem* TMenuItem::Items(int i) const {
    if (i < 0 || i >= int(items_.size()))
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return items_[size_t(i)];
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void TMenuItem::Click() {
    if (OnClick) OnClick(this);
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), items_(new TMenuItem(nullptr)) {}

TMenu::~TMenu() {
    DestroyComponents();
    delete items_;
}

TMainMenu::TMainMenu(TComponent* owner) : TMenu(owner), bar_(new TMenuBarHost) {
    attachRoot(bar_);
}

TMainMenu::~TMainMenu() {
    DestroyComponents();
    delete bar_.data();
}

TMenuBarHost::TMenuBarHost() : measure_(new QMenuBar) {
    measure_->setNativeMenuBar(false);
    measure_->resize(1 << 20, kRowHeight);
}

TMenuBarHost::~TMenuBarHost() {
    delete measure_;
}

std::vector<std::vector<QAction*>> TMenuBarHost::rowsOfActions(int width) const {
    std::vector<std::vector<QAction*>> rows(1);
    const QList<QAction*> all = actions();
    QRect first;
    for (QAction* a : all)
        if (a->isVisible()) {
            first = measure_->actionGeometry(a);
            break;
        }
    // Each row starts its first menu where the measuring bar starts its first one.
    int margin = first.left(), rowStart = first.left();
    for (QAction* a : all) {
        if (!a->isVisible()) continue;
        QRect g = measure_->actionGeometry(a);
        if (!rows.back().empty() && g.right() - rowStart + margin >= width - margin) {
            rows.emplace_back();
            rowStart = g.left();
        }
        rows.back().push_back(a);
    }
    return rows;
}

int TMenuBarHost::RowsFor(int width) const {
    return int(rowsOfActions(width).size());
}

void TMenuBarHost::Relayout() {
    auto wanted = rowsOfActions(width());
    while (rows_.size() < wanted.size()) {
        auto* row = new QMenuBar(this);
        row->setNativeMenuBar(false);
        rows_.push_back(row);
    }
    for (size_t r = 0; r < rows_.size(); ++r) {
        QMenuBar* row = rows_[r];
        const QList<QAction*> current = row->actions();
        std::vector<QAction*> now(current.begin(), current.end());
        std::vector<QAction*> want = r < wanted.size() ? wanted[r] : std::vector<QAction*>{};
        if (now != want) {
            row->clear();
            for (QAction* a : want)
                row->addAction(a);
        }
        row->setGeometry(0, int(r) * kRowHeight, width(), kRowHeight);
        row->setVisible(r < wanted.size());
    }
}

void TMenuBarHost::actionEvent(QActionEvent* e) {
    if (e->type() == QEvent::ActionAdded) {
        measure_->insertAction(e->before(), e->action());
    } else if (e->type() == QEvent::ActionRemoved) {
        measure_->removeAction(e->action());
    } else {
        // The measuring bar may hear of the change after us: tell it first.
        QActionEvent changed(QEvent::ActionChanged, e->action());
        QCoreApplication::sendEvent(measure_, &changed);
    }
    if (e->type() == QEvent::ActionRemoved)
        for (QMenuBar* row : rows_)
            row->removeAction(e->action());
    Relayout();
    if (OnRowsChanged) OnRowsChanged();
}

void TMenuBarHost::resizeEvent(QResizeEvent*) {
    Relayout();
}

TPopupMenu::TPopupMenu(TComponent* owner) : TMenu(owner), menu_(new QMenu) {
    attachRoot(menu_);
}

TPopupMenu::~TPopupMenu() {
    DestroyComponents();
    delete menu_;
}

void TPopupMenu::Popup(int x, int y) {
    if (OnPopup) OnPopup(this);
    menu_->popup(QPoint(x, y));
}

std::string StripHotkey(const std::string& caption) {
    std::string out;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += caption[i];
    }
    return out;
}
