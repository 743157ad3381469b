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
#include <algorithm>
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
    return Capture(Rect(0, 0, Width(), Height()));
}

TBitmap TScreen::Capture(const TRect& area) const {
    const int w = Width(), h = Height();
    const int left = std::clamp(area.Left, 0, w), top = std::clamp(area.Top, 0, h);
    const QRect part(left, top, std::clamp(area.Right, left, w) - left,
                     std::clamp(area.Bottom, top, h) - top);
    TBitmap out(part.width(), part.height());
    if (part.isEmpty()) return out;
    QImage image;
    if (QGuiApplication::platformName() == "xcb")
        if (QScreen* s = QGuiApplication::primaryScreen())
            image = s->grabWindow(0, part.x(), part.y(), part.width(), part.height()).toImage();
    if (image.isNull()) {
        image = QImage(part.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.translate(-part.topLeft());
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && !top->isMinimized() && top->geometry().intersects(part))
                p.drawPixmap(top->geometry().topLeft(), top->grab());
    }
    image = image.convertToFormat(QImage::Format_RGB32);
    const int rows = std::min(part.height(), image.height());
    const int cols = std::min(part.width(), image.width());
    for (int y = 0; y < rows; ++y) {
        const auto* src = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
        std::uint32_t* dst = out.Row32(y);
        for (int x = 0; x < cols; ++x)
            dst[x] = 0xFF000000u | src[x];
    }
    out.Changed();
    return out;
}
