#include "Screen.h"

#include "Application.h"
#include "Forms.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <stdexcept>

namespace {
TScreen theScreen;

QRect realGeometry() {
    if (QGuiApplication::instance())
        if (QScreen* s = QGuiApplication::primaryScreen()) return s->geometry();
    return QRect(0, 0, 1024, 768);
}
} // namespace

TScreen* Screen = &theScreen;

int TScreen::Width() const {
    return width_ > 0 ? width_ : realGeometry().width();
}
int TScreen::Height() const {
    return height_ > 0 ? height_ : realGeometry().height();
}

void TScreen::SetSize(int w, int h) {
    width_ = w;
    height_ = h;
}

void TScreen::ClearSize() {
    width_ = height_ = 0;
}

void TScreen::SetCursor(TCursor c) {
    cursor_ = c;
    if (!QGuiApplication::instance()) return;
    if (c == crDefault) {
        if (overridden_) QGuiApplication::restoreOverrideCursor();
        overridden_ = false;
        return;
    }
    if (overridden_)
        QGuiApplication::changeOverrideCursor(QCursor(ToQtCursor(c)));
    else
        QGuiApplication::setOverrideCursor(QCursor(ToQtCursor(c)));
    overridden_ = true;
}

int TScreen::FormCount() const {
    return int(Application->Forms().size());
}

TCustomForm* TScreen::Forms(int i) const {
    const auto& f = Application->Forms();
    if (i < 0 || i >= int(f.size()))
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return f[size_t(i)];
}

TCustomForm* TScreen::ActiveForm() const {
    for (TCustomForm* f : Application->Forms())
        if (f->Active()) return f;
    return nullptr;
}
