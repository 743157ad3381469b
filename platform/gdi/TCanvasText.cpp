// Text: glyphs are rendered without antialiasing by QPainter into a small mask, whose pixels are
// then painted in the font colour; a solid brush paints the text cell behind them, as the
// platform's opaque background mode does. Needs the application object (fonts come from it).
#include "TCanvas.h"

#include "Faces.h"
#include "Raster.h"
#include "TBitmap.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <vector>

using namespace raster;

namespace {

QFont qfontOf(const TFont& f) {
    QFont q = DesignedFont(f);
    q.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
    q.setHintingPreference(QFont::PreferFullHinting);
    q.setKerning(false);
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
// rectangle only what lies inside it is drawn, and an opaque background fills the rectangle, or
// only the text's cell inside it when `cellOnly`.
void drawText(TCanvas& c, int x, int y, const QString& s, const TRect* clip, bool cellOnly = false) {
    TBitmap& bmp = *c.Target();
    if (bmp.Empty()) return;
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
        if (opaque && (!clip || cellOnly)) p.fillRect(QRectF(0, 0, tw, th), QColor(0, 0, 255));
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
    if (opaque && clip && !cellOnly) {
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

QString qstringOf(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// One line of formatted text: characters [from, to) of the shown text.
struct TextLine {
    qsizetype from, to;
};

// Where each character of a line starts, tabs expanded to their stops; the last entry is the
// line's width.
std::vector<int> lineStops(const QString& s, TextLine l, const QFontMetrics& fm, bool expandTabs) {
    const int tabStop = std::max(1, 8 * fm.averageCharWidth());
    std::vector<int> at;
    at.reserve(size_t(l.to - l.from + 1));
    int segStart = 0;
    qsizetype seg = l.from;
    for (qsizetype i = l.from; i <= l.to; ++i) {
        int x = segStart + fm.horizontalAdvance(s.mid(seg, i - seg));
        at.push_back(x);
        if (i < l.to && expandTabs && s[i] == QLatin1Char('\t')) {
            segStart = (x / tabStop + 1) * tabStop;
            seg = i + 1;
        }
    }
    return at;
}

// The shown text's lines: broken at line ends and, with word breaks, before a word that would
// pass `width` (a word longer than the line keeps a line of its own).
std::vector<TextLine> breakLines(const QString& s, const QFontMetrics& fm, bool wordBreak, bool expandTabs,
                                 int width) {
    std::vector<TextLine> lines;
    qsizetype start = 0;
    while (start <= s.size()) {
        qsizetype end = start;
        while (end < s.size() && s[end] != QLatin1Char('\n') && s[end] != QLatin1Char('\r'))
            ++end;
        qsizetype from = start;
        while (wordBreak) {
            // The longest run of whole words from `from` that fits.
            qsizetype fit = -1, i = from;
            while (i < end) {
                while (i < end && s[i] == QLatin1Char(' '))
                    ++i;
                while (i < end && s[i] != QLatin1Char(' '))
                    ++i;
                if (fit >= 0 && lineStops(s, {from, i}, fm, expandTabs).back() > width) break;
                fit = i;
            }
            if (fit < 0 || fit >= end) break;
            lines.push_back({from, fit});
            from = fit;
            while (from < end && s[from] == QLatin1Char(' '))
                ++from;
        }
        lines.push_back({from, end});
        if (end >= s.size()) break;
        start =
            end +
            (s[end] == QLatin1Char('\r') && end + 1 < s.size() && s[end + 1] == QLatin1Char('\n') ? 2 : 1);
    }
    return lines;
}

} // namespace

void TCanvas::TextOut(int x, int y, const std::string& text) {
    drawText(*this, x, y, qstringOf(text), nullptr);
    pos_ = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& r, int x, int y, const std::string& text) {
    drawText(*this, x, y, qstringOf(text), &r);
}

int TCanvas::DrawText(const std::string& text, const TRect& r, unsigned flags) {
    // The shown text, with the positions of the characters an ampersand marks.
    QString raw = qstringOf(text), s;
    std::vector<qsizetype> marked;
    for (qsizetype i = 0; i < raw.size(); ++i) {
        if (!(flags & DT_NOPREFIX) && raw[i] == QLatin1Char('&')) {
            if (++i >= raw.size()) break;
            if (raw[i] != QLatin1Char('&')) marked.push_back(s.size());
        }
        s += raw[i];
    }
    QFont font = qfontOf(Font);
    font.setUnderline(false);
    QFontMetrics fm(font);
    Cell cell = cellOf(qfontOf(Font));
    bool expandTabs = flags & DT_EXPANDTABS;
    TRect box = NormalizeRect(r);
    std::vector<TextLine> lines = breakLines(s, fm, flags & DT_WORDBREAK, expandTabs, box.Width());

    int y = box.Top;
    for (const TextLine& l : lines) {
        std::vector<int> at = lineStops(s, l, fm, expandTabs);
        int x = box.Left;
        if (flags & DT_RIGHT)
            x = box.Right - at.back();
        else if (flags & DT_CENTER)
            x = box.Left + (box.Width() - at.back()) / 2;
        // Each run between tabs is drawn at its stop.
        qsizetype seg = l.from;
        for (qsizetype i = l.from; i <= l.to; ++i) {
            bool tab = i < l.to && expandTabs && s[i] == QLatin1Char('\t');
            if (i == l.to || tab) {
                if (i > seg)
                    drawText(*this, x + at[size_t(seg - l.from)], y, s.mid(seg, i - seg), &box, true);
                seg = i + 1;
            }
        }
        for (qsizetype m : marked) {
            if (m < l.from || m >= l.to) continue;
            raster::SpanSet line;
            line.Add(y + cell.ascent + 1, x + at[size_t(m - l.from)], x + at[size_t(m - l.from + 1)]);
            line.Normalise();
            line.Clip(IntersectRect(box, Rect(0, 0, target_->Width(), target_->Height())));
            if (!line.Empty()) {
                PaintQuiet(*target_, line, SolidInk(*target_, Font.Color, pmCopy));
                target_->Changed(line.Bounds());
            }
        }
        y += cell.height;
    }
    return int(lines.size()) * cell.height;
}

int TCanvas::TextWidth(const std::string& text) const {
    QFontMetrics fm(qfontOf(Font));
    return fm.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size())));
}

int TCanvas::TextHeight(const std::string& text) const {
    (void)text;
    return cellOf(qfontOf(Font)).height;
}
