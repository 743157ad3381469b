#pragma once
// Real mouse events sent to the widgets, as a user's pointer delivers them: a test that calls a
// handler directly cannot see a fault in how the event got there (a parent that also takes it, a
// menu that never opens, a disabled button that still answers).
#include "Controls.h"
#include "Menus.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

namespace realevents {

inline void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
    const bool down = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    Qt::MouseButtons held = down ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent e(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

inline void send(TControl* c, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton) {
    send(c->Widget(), type, at, button);
}

inline void click(QWidget* w, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    send(w, QEvent::MouseMove, at);
    send(w, QEvent::MouseButtonPress, at, button);
    send(w, QEvent::MouseButtonRelease, at, button);
}

inline void click(TControl* c, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    click(c->Widget(), at, button);
}

// A click in the middle of a control.
inline void click(TControl* c) {
    click(c, QPoint(c->Width() / 2, c->Height() / 2));
}

// Chooses a menu item as a user does: a click on its menu's title in the form's menu bar, then
// on each entry down to the item in the pop-up menus that open. False when a title or an entry
// could not be found where the user would look for it.
inline bool chooseMenu(TMainMenu* menu, TMenuItem* item) {
    std::vector<TMenuItem*> path;
    for (TMenuItem* i = item; i && i->Parent(); i = i->Parent())
        path.insert(path.begin(), i);
    if (path.empty()) return false;
    QAction* title = path.front()->Action();
    QMenuBar* row = nullptr;
    for (QMenuBar* r : menu->MenuBar()->Rows())
        if (r->actions().contains(title)) row = r;
    if (!row) return false;
    QRect at = row->actionGeometry(title);
    if (at.isEmpty()) return false;
    send(row, QEvent::MouseMove, at.center());
    send(row, QEvent::MouseButtonPress, at.center(), Qt::LeftButton);
    send(row, QEvent::MouseButtonRelease, at.center(), Qt::LeftButton);
    QApplication::processEvents();
    for (size_t level = 1; level < path.size(); ++level) {
        QMenu* popup = path[level - 1]->Action()->menu();
        if (!popup || !popup->isVisible()) return false;
        QRect entry = popup->actionGeometry(path[level]->Action());
        if (entry.isEmpty()) return false;
        click(popup, entry.center());
        QApplication::processEvents();
    }
    return true;
}

} // namespace realevents
