#pragma once

#include <QDialog>

// The program's stay-on-top windows (the tool palette, the capture boxes, Drag n' Save) would
// otherwise cover a system dialog opened from them, leaving its buttons out of reach.
inline int execAbove(QDialog& dlg) {
    dlg.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    return dlg.exec();
}
