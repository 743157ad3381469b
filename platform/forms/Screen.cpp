#include "Screen.h"

#include "Application.h"
#include "Forms.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>
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

TBitmap TScreen::Capture() const {
    const int w = Width(), h = Height();
    QImage image;
    if (QGuiApplication::platformName() == "xcb")
        if (QScreen* s = QGuiApplication::primaryScreen()) image = s->grabWindow(0).toImage();
    if (image.isNull()) {
        image = QImage(w, h, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && !top->isMinimized()) p.drawPixmap(top->geometry().topLeft(), top->grab());
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    TBitmap out(w, h);
    for (int y = 0; y < std::min(h, image.height()); ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::uint32_t* dst = out.Row32(y);
        for (int x = 0; x < std::min(w, image.width()); ++x)
            dst[x] = 0xFF000000u | src[x];
    }
    out.Changed();
    return out;
}
