#include "BitmapImage.h"

#include <QIcon>
#include <QPixmap>

QVector<QRgb> ColorTableOf(const TBitmap& bmp) {
    QVector<QRgb> table(256, qRgb(0, 0, 0));
    if (const HPALETTE& pal = bmp.Palette()) {
        for (size_t i = 0; i < pal->entries.size() && i < 256; ++i) {
            const PALETTEENTRY& e = pal->entries[i];
            table[int(i)] = qRgb(e.peRed, e.peGreen, e.peBlue);
        }
    }
    return table;
}

QImage WrapBitmap(const TBitmap& bmp) {
    if (bmp.Empty() || !bmp.Bits()) return QImage();
    if (bmp.IsIndexed()) {
        QImage img(bmp.Bits(), bmp.Width(), bmp.Height(), bmp.BytesPerLine(), QImage::Format_Indexed8);
        img.setColorTable(ColorTableOf(bmp));
        return img;
    }
    return QImage(bmp.Bits(), bmp.Width(), bmp.Height(), bmp.BytesPerLine(), QImage::Format_RGB32);
}

QImage TransparentCopy(const QImage& img, QRgb key) {
    QImage out = img.convertToFormat(QImage::Format_ARGB32);
    key &= 0xFFFFFF;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((row[x] & 0xFFFFFF) == key) row[x] = 0;
    }
    return out;
}

QIcon GlyphIcon(const TBitmap& glyph, int numGlyphs) {
    QImage img = WrapBitmap(glyph);
    if (img.isNull()) return QIcon();
    int n = numGlyphs > 0 ? numGlyphs : 1;
    int w = img.width() / n;
    if (w <= 0) w = img.width();
    QImage first = img.copy(0, 0, w, img.height());
    QRgb key = first.pixel(0, first.height() - 1);
    return QIcon(QPixmap::fromImage(TransparentCopy(first, key)));
}
