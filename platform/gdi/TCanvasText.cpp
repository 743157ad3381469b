// Text: glyphs are rendered without antialiasing by QPainter into a small mask, whose pixels are
// then painted in the font colour; a solid brush paints the text cell behind them, as the
// platform's opaque background mode does. Needs the application object (fonts come from it).
#include "TCanvas.h"

#include "Raster.h"
#include "TBitmap.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTransform>
#include <cmath>

using namespace raster;

namespace {

QFont qfontOf(const TFont& f) {
    QFont q(QString::fromStdString(f.Name));
    q.setStyleHint(QFont::SansSerif);
    q.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    q.setHintingPreference(QFont::PreferFullHinting);
    q.setKerning(false);
    q.setBold(f.Style & fsBold);
    q.setItalic(f.Style & fsItalic);
    q.setUnderline(f.Style & fsUnderline);
    q.setStrikeOut(f.Style & fsStrikeOut);
    int h = f.Height;
    if (h == 0) h = -int(std::lround(f.Size * 96.0 / 72.0));
    if (h < 0) {
        // A negative height is the character height (the em).
        q.setPixelSize(std::max(1, -h));
    } else {
        // A positive height is the cell height: ascent plus descent.
        q.setPixelSize(h);
        QFontMetrics fm(q);
        if (fm.height() > h) q.setPixelSize(std::max(1, int(std::floor(double(h) * h / fm.height()))));
    }
    return q;
}

// The cell: ascent and descent each rounded up, so hinted glyphs stay inside it.
struct Cell {
    int ascent;
    int height;
};
Cell cellOf(const QFont& q) {
    QFontMetricsF fm(q);
    int a = int(std::ceil(fm.ascent() - 1e-6)), d = int(std::ceil(fm.descent() - 1e-6));
    return {a, a + d};
}

// Draws text with its cell's top-left at (x, y), turned by the font's escapement. With a clip
// rectangle only what lies inside it is drawn, and an opaque background fills the rectangle.
void drawText(TCanvas& c, int x, int y, const std::string& text, const TRect* clip) {
    TBitmap& bmp = *c.Target();
    if (bmp.Empty()) return;
    QString s = QString::fromUtf8(text.data(), qsizetype(text.size()));
    QFont font = qfontOf(c.Font);
    QFontMetrics fm(font);
    Cell cell = cellOf(font);
    int tw = fm.horizontalAdvance(s), th = cell.height;
    bool opaque = c.Brush.Style == bsSolid && !c.Brush.Bitmap;

    QTransform t;
    t.translate(x, y);
    t.rotate(-c.Font.Escapement / 10.0);
    int m = th + 2;
    QRect area = t.mapRect(QRectF(-m, -m, tw + 2 * m, th + 2 * m)).toAlignedRect();
    TRect bounds = IntersectRect(Rect(area.left(), area.top(), area.right() + 1, area.bottom() + 1),
                                 Rect(0, 0, bmp.Width(), bmp.Height()));
    if (clip) bounds = IntersectRect(bounds, NormalizeRect(*clip));

    SpanSet glyphs, back;
    if (!bounds.IsEmpty() && !s.isEmpty()) {
        QImage img(bounds.Width(), bounds.Height(), QImage::Format_RGB32);
        img.fill(0);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setRenderHint(QPainter::TextAntialiasing, false);
        p.translate(-bounds.Left, -bounds.Top);
        p.setTransform(t, true);
        if (opaque && !clip) p.fillRect(QRectF(0, 0, tw, th), QColor(0, 0, 255));
        p.setFont(font);
        p.setPen(QColor(255, 0, 0));
        p.drawText(QPointF(0, cell.ascent), s);
        p.end();
        for (int yy = 0; yy < bounds.Height(); ++yy) {
            const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(yy));
            for (int xx = 0; xx < bounds.Width(); ++xx) {
                if (qRed(row[xx]) > 127)
                    glyphs.AddPixel(bounds.Left + xx, bounds.Top + yy);
                else if (qBlue(row[xx]) > 127)
                    back.AddPixel(bounds.Left + xx, bounds.Top + yy);
            }
        }
    }
    if (opaque && clip) {
        TRect r = IntersectRect(NormalizeRect(*clip), Rect(0, 0, bmp.Width(), bmp.Height()));
        for (int yy = r.Top; yy < r.Bottom; ++yy)
            back.Add(yy, r.Left, r.Right);
    }
    glyphs.Normalise();
    back.Normalise();
    back.Subtract(glyphs);
    TRect touched;
    if (opaque && !back.Empty()) {
        PaintQuiet(bmp, back, SolidInk(bmp, c.Brush.Color, pmCopy));
        touched = back.Bounds();
    }
    if (!glyphs.Empty()) {
        PaintQuiet(bmp, glyphs, SolidInk(bmp, c.Font.Color, pmCopy));
        touched = UnionRect(touched, glyphs.Bounds());
    }
    if (!touched.IsEmpty()) bmp.Changed(touched);
}

} // namespace

void TCanvas::TextOut(int x, int y, const std::string& text) {
    drawText(*this, x, y, text, nullptr);
    pos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
    drawText(*this, x, y, text, &r);
}

int TCanvas::TextWidth(const std::string& text) const {
    QFontMetrics fm(qfontOf(Font));
    return fm.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

int TCanvas::TextHeight(const std::string& text) const {
    (void)text;
    return cellOf(qfontOf(Font)).height;
}
