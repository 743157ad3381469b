#pragma once

#include "Application.h"

#include <QToolButton>
#include <QWidget>

// The up and down arrows shared by the spin controls: auto-repeating while held, each press run
// under the application's error guard.
template <class Up, class Down>
void makeArrowButtons(QWidget* host, QToolButton*& up, QToolButton*& down, Up onUp, Down onDown) {
    up = new QToolButton(host);
    down = new QToolButton(host);
    up->setArrowType(Qt::UpArrow);
    down->setArrowType(Qt::DownArrow);
    up->setAutoRepeat(true);
    down->setAutoRepeat(true);
    QObject::connect(up, &QToolButton::clicked, [onUp] { Application->Guard(onUp); });
    QObject::connect(down, &QToolButton::clicked, [onDown] { Application->Guard(onDown); });
}

// Up above down, the lower one taking the odd pixel.
inline void stackArrowButtons(QToolButton* up, QToolButton* down, int w, int h) {
    up->setGeometry(0, 0, w, h / 2);
    down->setGeometry(0, h / 2, w, h - h / 2);
}
