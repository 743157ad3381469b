#include "Mylabel.h"

#include "Menus.h"
#include "TBitmap.h"

#include <QImage>
#include <QPainter>
#include <algorithm>

TLabel3d::TLabel3d(TComponent* owner, TWinControl* parent) : TLabel(owner, parent) {
    SetTransparent(true);
}

void TLabel3d::SetAStyle3D(T3DEffect v) {
    if (v == AStyle3D_) return;
    AStyle3D_ = v;
    Invalidate();
}

void TLabel3d::SetAShadeRightBottom(TColor v) {
    if (v == AShadeRightBottom_) return;
    AShadeRightBottom_ = v;
    Invalidate();
}

void TLabel3d::SetAShadeLeftTop(TColor v) {
    if (AShadeLTSet_ || v == AShadeLeftTop_) return;
    AShadeLeftTop_ = v;
    Invalidate();
}

void TLabel3d::SetAHShadeOffSet(int v) {
    if (v == AHShadeOffSet_) return;
    AHShadeOffSet_ = v;
    Invalidate();
}

void TLabel3d::SetAVShadeOffSet(int v) {
    if (v == AVShadeOffSet_) return;
    AVShadeOffSet_ = v;
    Invalidate();
}

void TLabel3d::SetAShadeLTSet(bool v) {
    if (v != AShadeLTSet_) {
        AShadeLTSet_ = v;
        if (v) {
            keptLeftTop_ = AShadeLeftTop_;
            AShadeLeftTop_ = 0xFFFFFF;
        } else {
            AShadeLeftTop_ = keptLeftTop_;
        }
    }
    Invalidate();
}

void TLabel3d::CaptionChanged() {
    TLabel::CaptionChanged();
    fitToText();
}

void TLabel3d::FontApplied() {
    TLabel::FontApplied();
    fitToText();
}

void TLabel3d::fitToText() {
    if (!AutoSize()) return;
    TBitmap probe(1, 1, pf32bit);
    TCanvas& c = probe.Canvas();
    c.Font = Font();
    c.Font.Escapement = 0;
    std::string text = firstCharacters(Caption(), maxCaption);
    if (ShowAccelChar()) text = StripHotkey(text);
    int w = 0, lines = 0;
    size_t from = 0;
    while (true) {
        size_t end = text.find('\n', from);
        std::string line = text.substr(from, end == std::string::npos ? std::string::npos : end - from);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        w = std::max(w, c.TextWidth(line));
        ++lines;
        if (end == std::string::npos) break;
        from = end + 1;
    }
    SetBounds(Left(), Top(), w, lines * c.TextHeight("Wg"));
}

std::string firstCharacters(const std::string& text, int count) {
    size_t i = 0;
    for (int n = 0; n < count && i < text.size(); ++n) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return text.substr(0, i);
}

void TLabel3d::drawOn(TCanvas& c) const {
    TRect r = ClientRect();
    c.Font = Font();
    c.Font.Escapement = 0;
    if (!Transparent()) {
        c.Brush.Style = bsSolid;
        c.Brush.Bitmap = nullptr;
        c.Brush.Color = Color();
        c.FillRect(r);
    }
    c.Brush.Style = bsClear;
    unsigned flags = DT_EXPANDTABS | DT_WORDBREAK;
    flags |= Alignment() == taRightJustify ? DT_RIGHT : Alignment() == taCenter ? DT_CENTER : DT_LEFT;
    if (!ShowAccelChar()) flags |= DT_NOPREFIX;
    std::string text = firstCharacters(Caption(), maxCaption);
    auto copy = [&](TColor shade, int dx, int dy) {
        c.Font.Color = shade;
        c.DrawText(text, OffsetRect(r, dx, dy), flags);
    };
    switch (AStyle3D_) {
    case Raised3d:
        copy(AShadeRightBottom_, 1, 1);
        copy(AShadeLeftTop_, -1, -1);
        break;
    case Resit3d:
        copy(AShadeLeftTop_, 1, 1);
        copy(AShadeRightBottom_, -1, -1);
        break;
    case Shadowed3d:
        copy(AShadeRightBottom_, AHShadeOffSet_, AVShadeOffSet_);
        break;
    case Normal3d:
        break;
    }
    copy(Enabled() ? Font().Color : clGrayText, 0, 0);
}

void TLabel3d::Paint(QPainter& p, const QRect&) {
    if (Width() <= 0 || Height() <= 0) return;
    QImage img = keyedLabelImage(Width(), Height(),
                                 {Font().Color, clGrayText, AShadeRightBottom_, AShadeLeftTop_, Color()},
                                 [this](TCanvas& c) { drawOn(c); });
    p.drawImage(QPoint(0, 0), img);
}

QImage keyedLabelImage(int w, int h, std::initializer_list<TColor> used,
                       const std::function<void(TCanvas&)>& draw) {
    TColor key = 0;
    for (TColor candidate : {TColor(0x010203), TColor(0x030201), TColor(0x0B0D0C), TColor(0x102030),
                             TColor(0x302010), TColor(0x203010)}) {
        key = candidate;
        if (std::none_of(used.begin(), used.end(), [&](TColor u) { return ColorToRGB(u) == candidate; }))
            break;
    }
    TBitmap bmp(w, h, pf32bit);
    const std::uint32_t keyWord = TBitmap::ToWord(key);
    for (int y = 0; y < h; ++y)
        std::fill_n(bmp.Row32(y), w, keyWord);
    draw(bmp.Canvas());
    QImage img(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y) {
        const std::uint32_t* src = bmp.Row32(y);
        auto* dst = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            dst[x] = src[x] == keyWord ? 0u : src[x];
    }
    return img;
}
