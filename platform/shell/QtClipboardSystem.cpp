#include "QtClipboardSystem.h"

#include <QClipboard>
#include <QDataStream>
#include <QGuiApplication>
#include <QIODevice>
#include <QImage>
#include <QMimeData>
#include <cstring>
#include <functional>

namespace {
const char* kBitmapMime = "application/x-orvanta-bitmap";
const char* kPaletteMime = "application/x-orvanta-palette";

QClipboard* board() {
    return QGuiApplication::instance() ? QGuiApplication::clipboard() : nullptr;
}

QByteArray paletteBytes(const HPALETTE& pal) {
    QByteArray out;
    if (!pal) return out;
    for (const PALETTEENTRY& e : pal->entries) {
        out.append(char(e.peRed));
        out.append(char(e.peGreen));
        out.append(char(e.peBlue));
        out.append(char(e.peFlags));
    }
    return out;
}

HPALETTE paletteFrom(const QByteArray& b) {
    std::vector<PALETTEENTRY> e;
    for (qsizetype i = 0; i + 3 < b.size(); i += 4)
        e.push_back(
            {std::uint8_t(b[i]), std::uint8_t(b[i + 1]), std::uint8_t(b[i + 2]), std::uint8_t(b[i + 3])});
    return e.empty() ? nullptr : CreatePalette(e);
}

QImage imageOf(const TBitmap& bmp) {
    if (bmp.Empty()) return QImage();
    if (bmp.IsIndexed()) {
        QImage img(bmp.Bits(), bmp.Width(), bmp.Height(), bmp.BytesPerLine(), QImage::Format_Indexed8);
        QVector<QRgb> table(256, qRgb(0, 0, 0));
        if (bmp.Palette())
            for (size_t i = 0; i < bmp.Palette()->entries.size() && i < 256; ++i) {
                const auto& e = bmp.Palette()->entries[i];
                table[int(i)] = qRgb(e.peRed, e.peGreen, e.peBlue);
            }
        img.setColorTable(table);
        return img.convertToFormat(QImage::Format_RGB32);
    }
    return QImage(bmp.Bits(), bmp.Width(), bmp.Height(), bmp.BytesPerLine(), QImage::Format_RGB32).copy();
}

const char* kQtImageMime = "application/x-qt-image";

// The picture from the exact bitmap bytes (width, height, pixel format, palette, rows).
QImage imageFromExact(const QByteArray& exact) {
    QDataStream s(exact);
    qint32 w = 0, h = 0, pf = 0;
    QByteArray pal, bits;
    s >> w >> h >> pf >> pal >> bits;
    if (s.status() != QDataStream::Ok || w <= 0 || h <= 0 || pf < pfDevice || pf > pfCustom) return QImage();
    TBitmap b = TBitmap::unfilled(w, h, TPixelFormat(pf));
    if (bits.size() != qsizetype(b.BytesPerLine()) * h) return QImage();
    if (HPALETTE p = paletteFrom(pal)) b.SetPalette(p);
    std::memcpy(b.Bits(), bits.constData(), size_t(bits.size()));
    return imageOf(b);
}

// Clipboard data holding a bitmap once, as its exact bytes; other programs (and Qt) asking for
// a picture get one made from those bytes when they ask. A page put on the clipboard so costs
// one copy, not two.
class BitmapMimeData : public QMimeData {
public:
    explicit BitmapMimeData(QByteArray exact) : exact_(std::move(exact)) {}
    const QByteArray& Exact() const { return exact_; }

    QStringList formats() const override {
        QStringList f = QMimeData::formats();
        f << QString::fromLatin1(kBitmapMime) << QString::fromLatin1(kQtImageMime);
        return f;
    }
    bool hasFormat(const QString& mime) const override {
        return mime == QLatin1String(kBitmapMime) || mime == QLatin1String(kQtImageMime) ||
               QMimeData::hasFormat(mime);
    }

protected:
    QVariant retrieveData(const QString& mime, QMetaType type) const override {
        if (mime == QLatin1String(kBitmapMime)) return exact_;
        if (mime == QLatin1String(kQtImageMime)) return imageFromExact(exact_);
        return QMimeData::retrieveData(mime, type);
    }

private:
    QByteArray exact_; // shared, never copied
};

// Replaces the clipboard's data with a copy of it plus one more format. A bitmap already there
// stays as it is held (its bytes are shared, not copied); a picture from elsewhere is copied.
void addFormat(const std::function<void(QMimeData&)>& add, QByteArray newBitmap = {}) {
    QClipboard* cb = board();
    if (!cb) return;
    const QMimeData* old = cb->mimeData();
    const auto* oldBitmap = dynamic_cast<const BitmapMimeData*>(old);
    if (newBitmap.isEmpty() && oldBitmap) newBitmap = oldBitmap->Exact();
    QMimeData* data = newBitmap.isEmpty() ? new QMimeData : new BitmapMimeData(newBitmap);
    if (old) {
        const bool bitmapFormats = !newBitmap.isEmpty() || oldBitmap;
        for (const QString& f : oldBitmap ? oldBitmap->QMimeData::formats() : old->formats())
            if (!bitmapFormats || (f != QLatin1String(kBitmapMime) && f != QLatin1String(kQtImageMime)))
                data->setData(f, old->data(f));
        if (!bitmapFormats && old->hasImage()) data->setImageData(old->imageData());
    }
    add(*data);
    cb->setMimeData(data);
}
} // namespace

bool QtClipboardSystem::ours() const {
    return board() && board()->mimeData() == announcedFor_;
}

void QtClipboardSystem::Empty() {
    announced_.clear();
    announcedFor_ = nullptr;
    if (QClipboard* cb = board()) cb->clear();
}

bool QtClipboardSystem::IsFormatAvailable(unsigned format) const {
    QClipboard* cb = board();
    if (!cb) return false;
    if (ours() && announced_.count(format)) return true;
    const QMimeData* d = cb->mimeData();
    if (!d) return false;
    switch (format) {
    case CF_TEXT:
        return d->hasText();
    case CF_BITMAP:
    case CF_DIB:
        return d->hasImage() || d->hasFormat(kBitmapMime);
    case CF_PALETTE:
        return d->hasFormat(kPaletteMime);
    default:
        return false;
    }
}

void QtClipboardSystem::SetText(const std::string& text) {
    addFormat([&](QMimeData& d) { d.setText(QString::fromUtf8(text.data(), qsizetype(text.size()))); });
    announced_.erase(CF_TEXT);
    announcedFor_ = board() ? board()->mimeData() : nullptr;
}

void QtClipboardSystem::SetBitmap(const TBitmap& bmp) {
    QByteArray exact;
    {
        QDataStream s(&exact, QIODevice::WriteOnly);
        s << qint32(bmp.Width()) << qint32(bmp.Height()) << qint32(bmp.PixelFormat())
          << paletteBytes(bmp.Palette());
        QByteArray bits;
        if (!bmp.Empty())
            bits = QByteArray(reinterpret_cast<const char*>(bmp.Bits()),
                              qsizetype(bmp.BytesPerLine()) * bmp.Height());
        s << bits;
    }
    addFormat([](QMimeData&) {}, exact);
    announced_.erase(CF_BITMAP);
    announcedFor_ = board() ? board()->mimeData() : nullptr;
}

void QtClipboardSystem::SetPalette(const HPALETTE& pal) {
    QByteArray b = paletteBytes(pal);
    addFormat([&](QMimeData& d) { d.setData(kPaletteMime, b); });
    announcedFor_ = board() ? board()->mimeData() : nullptr;
}

void QtClipboardSystem::Announce(unsigned format) {
    // The announcement lives beside whatever data is there; an empty clipboard gets an empty
    // data object to tie it to.
    if (QClipboard* cb = board()) {
        if (!cb->mimeData() || cb->mimeData()->formats().isEmpty()) cb->setMimeData(new QMimeData);
        announcedFor_ = cb->mimeData();
        announced_.insert(format);
    }
}

bool QtClipboardSystem::GetText(std::string& text) const {
    QClipboard* cb = board();
    if (!cb || !cb->mimeData() || !cb->mimeData()->hasText()) return false;
    text = cb->text().toUtf8().toStdString();
    return true;
}

bool QtClipboardSystem::GetBitmap(TBitmap& bmp) const {
    QClipboard* cb = board();
    const QMimeData* d = cb ? cb->mimeData() : nullptr;
    if (!d) return false;
    if (d->hasFormat(kBitmapMime)) {
        QByteArray exact = d->data(kBitmapMime);
        QDataStream s(exact);
        qint32 w = 0, h = 0, pf = 0;
        QByteArray pal, bits;
        s >> w >> h >> pf >> pal >> bits;
        if (s.status() == QDataStream::Ok && w >= 0 && h >= 0 && pf >= pfDevice && pf <= pfCustom) {
            TBitmap out(w, h, TPixelFormat(pf));
            if (HPALETTE p = paletteFrom(pal)) out.SetPalette(p);
            if (!out.Empty() && bits.size() == qsizetype(out.BytesPerLine()) * h) {
                std::memcpy(out.Bits(), bits.constData(), size_t(bits.size()));
                bmp.Assign(out);
                return true;
            }
        }
    }
    if (!d->hasImage()) return false;
    QImage img = qvariant_cast<QImage>(d->imageData()).convertToFormat(QImage::Format_RGB32);
    if (img.isNull()) return false;
    TBitmap out(img.width(), img.height(), pf24bit);
    for (int y = 0; y < img.height(); ++y)
        std::memcpy(out.ScanLine(y), img.constScanLine(y), size_t(img.width()) * 4);
    bmp.Assign(out);
    return true;
}

bool QtClipboardSystem::GetPalette(HPALETTE& pal) const {
    QClipboard* cb = board();
    const QMimeData* d = cb ? cb->mimeData() : nullptr;
    if (!d || !d->hasFormat(kPaletteMime)) return false;
    pal = paletteFrom(d->data(kPaletteMime));
    return pal != nullptr;
}
