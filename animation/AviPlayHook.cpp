#include "AviPlayHook.h"

#include "AviPlay.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {
std::vector<TQuillAVIPlay*>& players() {
    static std::vector<TQuillAVIPlay*> list;
    return list;
}
TAviPlayerHook* hook = nullptr;
int quietDepth = 0;

QRect screenRect(const QWidget* w) {
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

// What of the player can show on the screen: its rectangle cut by every parent's. A player
// larger than its panel shows nothing of itself past the panel, so a change there leaves it as
// it is.
QRect shownRect(const QWidget* w) {
    QRect r = screenRect(w);
    for (const QWidget* p = w->parentWidget(); p; p = p->isWindow() ? nullptr : p->parentWidget())
        r &= screenRect(p);
    return r;
}

// Whether w lies beneath p in the same parent (a sibling stacked below it).
bool stackedBelow(const QWidget* w, const QWidget* p) {
    const QWidget* wp = w;
    while (wp && wp->parentWidget() != p->parentWidget())
        wp = wp->parentWidget();
    if (!wp) return true; // not a sibling: only the overlap decides
    const QObjectList& kids = p->parentWidget()->children();
    return kids.indexOf(const_cast<QWidget*>(wp)) < kids.indexOf(const_cast<QWidget*>(p));
}
} // namespace

void TAviPlayerHook::Add(TQuillAVIPlay* p) {
    players().push_back(p);
    if (players().size() == 1 && QCoreApplication::instance()) {
        hook = new TAviPlayerHook();
        QCoreApplication::instance()->installEventFilter(hook);
    }
}

void TAviPlayerHook::Remove(TQuillAVIPlay* p) {
    auto& list = players();
    list.erase(std::remove(list.begin(), list.end(), p), list.end());
    if (list.empty() && hook) {
        if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(hook);
        delete hook;
        hook = nullptr;
    }
}

int TAviPlayerHook::Count() {
    return int(players().size());
}
bool TAviPlayerHook::Installed() {
    return hook != nullptr;
}

TAviPlayerHook::Quiet::Quiet() {
    ++quietDepth;
}
TAviPlayerHook::Quiet::~Quiet() {
    --quietDepth;
}

bool TAviPlayerHook::eventFilter(QObject* watched, QEvent* e) {
    if (quietDepth > 0 || (e->type() != QEvent::Resize && e->type() != QEvent::Paint)) return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w) return false;
    TControl* c = TControl::FromWidget(w);
    if (!c) return false;
    const auto list = players();
    for (TQuillAVIPlay* p : list) {
        if (!p->Transparent() || c == p) continue;
        QWidget* pw = p->Widget();
        bool related = false;
        if (!dynamic_cast<TQuillAVIPlay*>(c) && c->Owner() == p->Owner())
            related = stackedBelow(w, pw);
        else if (c == p->Owner())
            related = true;
        if (!related || !screenRect(w).intersects(shownRect(pw))) continue;
        p->FNeedSnapshot = true;
        p->Invalidate();
    }
    return false;
}

int TQuillAVIPlay::PlayerCount() {
    return TAviPlayerHook::Count();
}
bool TQuillAVIPlay::HookInstalled() {
    return TAviPlayerHook::Installed();
}
