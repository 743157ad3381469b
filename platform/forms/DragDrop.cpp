#include "DragDrop.h"

#include <QApplication>
#include <QCursor>
#include <cstdlib>

namespace DragDrop {
namespace {

struct State {
    TControl* source = nullptr;
    TControl* target = nullptr;
    bool pending = false;
    bool active = false;
    bool accepted = false;
    bool cursorSet = false;
    int threshold = 5;
    QPoint start;
    TPoint last;
};

State& state() {
    static State s;
    return s;
}

void setCursor(TCursor c) {
    State& s = state();
    if (!QGuiApplication::instance()) return;
    if (s.cursorSet)
        QGuiApplication::changeOverrideCursor(QCursor(ToQtCursor(c)));
    else
        QGuiApplication::setOverrideCursor(QCursor(ToQtCursor(c)));
    s.cursorSet = true;
}

void clear() {
    State& s = state();
    if (s.cursorSet && QGuiApplication::instance()) QGuiApplication::restoreOverrideCursor();
    s = State{};
}

void activate() {
    State& s = state();
    s.pending = false;
    s.active = true;
    setCursor(crNoDrop);
    if (s.source->OnStartDrag) s.source->OnStartDrag(s.source);
}

} // namespace

TControl* Source() {
    return state().source;
}
bool Active() {
    return state().active;
}
bool Pending() {
    return state().pending;
}

void Begin(TControl* source, bool immediate, int threshold) {
    State& s = state();
    if (s.source || !source) return;
    s.source = source;
    s.threshold = threshold < 0 ? 5 : threshold;
    s.start = QGuiApplication::instance() ? QCursor::pos() : QPoint();
    if (immediate)
        activate();
    else
        s.pending = true;
}

bool MoveTo(TControl* target, int x, int y) {
    State& s = state();
    if (!s.active) return false;
    TDragState ds = dsDragMove;
    if (target != s.target) {
        if (s.target && s.target->OnDragOver) {
            bool ignored = false;
            s.target->OnDragOver(s.target, s.source, s.last.x, s.last.y, dsDragLeave, ignored);
        }
        s.target = target;
        ds = dsDragEnter;
    }
    s.last = {x, y};
    s.accepted = false;
    if (target && target->OnDragOver) {
        s.accepted = true;
        target->OnDragOver(target, s.source, x, y, ds, s.accepted);
    }
    if (s.active) setCursor(s.accepted ? s.source->DragCursor() : crNoDrop);
    return s.accepted;
}

void Finish(bool drop) {
    State s = state();
    if (!s.source) return;
    clear();
    bool dropped = drop && s.active && s.accepted && s.target;
    if (dropped && s.target->OnDragDrop) s.target->OnDragDrop(s.target, s.source, s.last.x, s.last.y);
    if (s.active && s.source->OnEndDrag)
        s.source->OnEndDrag(s.source, dropped ? s.target : nullptr, s.last.x, s.last.y);
}

void MouseMovedTo(const QPoint& global) {
    State& s = state();
    if (s.pending) {
        QPoint d = global - s.start;
        if (std::abs(d.x()) >= s.threshold || std::abs(d.y()) >= s.threshold)
            activate();
        else
            return;
    }
    if (!s.active) return;
    QWidget* w = QApplication::widgetAt(global);
    TControl* c = w ? TControl::FromWidget(w) : nullptr;
    if (c) {
        QPoint local = c->Widget()->mapFromGlobal(global);
        MoveTo(c, local.x(), local.y());
    } else {
        MoveTo(nullptr, 0, 0);
    }
}

void MouseReleasedAt(const QPoint& global) {
    State& s = state();
    if (s.pending) {
        clear();
        return;
    }
    if (!s.active) return;
    MouseMovedTo(global);
    Finish(true);
}

void Forget(TControl* c) {
    State& s = state();
    if (s.source == c)
        clear();
    else if (s.target == c)
        s.target = nullptr;
}

} // namespace DragDrop
