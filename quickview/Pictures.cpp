#include "Pictures.h"

#include "TCanvas.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace quickview {

namespace {

TColor mix(TColor a, TColor b, int num, int den) {
    if (den <= 0) return a;
    auto ch = [&](int ca, int cb) { return ca + (cb - ca) * num / den; };
    return RGB(ch(GetRValue(a), GetRValue(b)), ch(GetGValue(a), GetGValue(b)),
               ch(GetBValue(a), GetBValue(b)));
}

void verticalGradient(TBitmap& bmp, int top, int bottom, TColor from, TColor to) {
    top = std::max(top, 0);
    bottom = std::min(bottom, bmp.Height());
    for (int y = top; y < bottom; ++y) {
        std::uint32_t word = TBitmap::ToWord(mix(from, to, y - top, std::max(1, bottom - top - 1)));
        std::uint32_t* row = bmp.Row32(y);
        std::fill(row, row + bmp.Width(), word);
    }
}

void box(TCanvas& c, int x1, int y1, int x2, int y2, TColor fill, TColor line) {
    c.Brush.Style = bsSolid;
    c.Brush.Color = fill;
    c.Pen.Color = line;
    c.Pen.Width = 1;
    c.Rectangle(x1, y1, x2, y2);
}

void ellipse(TCanvas& c, int x1, int y1, int x2, int y2, TColor fill, TColor line) {
    c.Brush.Style = bsSolid;
    c.Brush.Color = fill;
    c.Pen.Color = line;
    c.Pen.Width = 1;
    c.Ellipse(x1, y1, x2, y2);
}

void polygon(TCanvas& c, std::vector<TPoint> pts, TColor fill, TColor line) {
    c.Brush.Style = bsSolid;
    c.Brush.Color = fill;
    c.Pen.Color = line;
    c.Pen.Width = 1;
    c.Polygon(pts);
}

void line(TCanvas& c, int x1, int y1, int x2, int y2, TColor color, int width = 1) {
    c.Pen.Color = color;
    c.Pen.Width = width;
    c.MoveTo(x1, y1);
    c.LineTo(x2, y2);
    c.Pen.Width = 1;
}

void text(TCanvas& c, int x, int y, const std::string& s, int height, TColor color, TFontStyles style,
          const char* face = "Arial") {
    c.Brush.Style = bsClear;
    c.Font.Name = face;
    c.Font.SetHeight(-height);
    c.Font.Style = style;
    c.Font.Color = color;
    c.TextOut(x, y, s);
    c.Brush.Style = bsSolid;
}

// Hills and a sun over a sky, inside the rectangle (x, y, w, h) of the canvas.
void sceneInto(TBitmap& bmp, int x0, int y0, int w, int h, int variant) {
    static const TColor skies[][2] = {{RGB(40, 90, 200), RGB(170, 210, 250)},
                                      {RGB(250, 120, 40), RGB(255, 220, 140)},
                                      {RGB(20, 20, 80), RGB(120, 60, 140)},
                                      {RGB(70, 150, 220), RGB(230, 240, 255)}};
    static const TColor hills[][2] = {{RGB(30, 120, 40), RGB(60, 160, 60)},
                                      {RGB(120, 70, 30), RGB(160, 110, 50)},
                                      {RGB(20, 40, 60), RGB(40, 70, 90)},
                                      {RGB(80, 140, 60), RGB(130, 180, 80)}};
    int v = ((variant % 4) + 4) % 4;
    TCanvas& c = bmp.Canvas();
    int horizon = y0 + h * 3 / 5;
    for (int y = y0; y < horizon; ++y) {
        if (y < 0 || y >= bmp.Height()) continue;
        std::uint32_t word =
            TBitmap::ToWord(mix(skies[v][0], skies[v][1], y - y0, std::max(1, horizon - y0)));
        std::uint32_t* row = bmp.Row32(y);
        for (int x = std::max(x0, 0); x < std::min(x0 + w, bmp.Width()); ++x)
            row[x] = word;
    }
    int sunX = x0 + w * (2 + (variant * 3) % 6) / 10;
    int sunR = std::max(2, h / 8);
    TColor sun = v == 2 ? RGB(240, 240, 220) : RGB(255, 230, 80);
    ellipse(c, sunX - sunR, horizon - h / 3 - sunR, sunX + sunR, horizon - h / 3 + sunR, sun, sun);
    box(c, x0, horizon, x0 + w, y0 + h, hills[v][0], hills[v][0]);
    polygon(c,
            {{x0, horizon + h / 10},
             {x0 + w / 4, horizon - h / 6},
             {x0 + w / 2, horizon + h / 12},
             {x0 + w * 3 / 4, horizon - h / 8},
             {x0 + w, horizon + h / 14},
             {x0 + w, y0 + h},
             {x0, y0 + h}},
            hills[v][1], hills[v][1]);
    // A road to the horizon.
    polygon(c,
            {{x0 + w / 2 - w / 30, horizon + h / 12},
             {x0 + w / 2 + w / 30, horizon + h / 12},
             {x0 + w / 2 + w / 5, y0 + h},
             {x0 + w / 2 - w / 5, y0 + h}},
            RGB(110, 100, 90), RGB(110, 100, 90));
}

// One strip of film: black band with sprocket holes, frames showing scenes.
void filmStrip(TBitmap& bmp, int x0, int y0, int w, int h, int firstVariant) {
    TCanvas& c = bmp.Canvas();
    box(c, x0, y0, x0 + w, y0 + h, RGB(16, 16, 16), RGB(16, 16, 16));
    int hole = std::max(2, h / 10);
    for (int x = x0 + hole; x + hole < x0 + w; x += hole * 3) {
        box(c, x, y0 + hole / 2, x + hole + hole / 2, y0 + hole / 2 + hole, RGB(230, 230, 210),
            RGB(230, 230, 210));
        box(c, x, y0 + h - hole / 2 - hole, x + hole + hole / 2, y0 + h - hole / 2, RGB(230, 230, 210),
            RGB(230, 230, 210));
    }
    int fh = h - hole * 4;
    int fw = fh * 4 / 3;
    int gap = std::max(2, hole);
    int v = firstVariant;
    for (int x = x0 + gap; x + fw <= x0 + w - gap; x += fw + gap, ++v)
        sceneInto(bmp, x, y0 + hole * 2, fw, fh, v);
}

} // namespace

void DrawFilmLogo(TBitmap& bmp, int w, int h) {
    bmp.SetSize(w, h);
    verticalGradient(bmp, 0, h * 2 / 3, RGB(8, 8, 40), RGB(120, 40, 90));
    verticalGradient(bmp, h * 2 / 3, h, RGB(120, 40, 90), RGB(10, 10, 10));
    TCanvas& c = bmp.Canvas();
    // Stars.
    for (int i = 0; i < 60; ++i) {
        int x = (i * 97 + 13) % std::max(1, w);
        int y = (i * 53 + 7) % std::max(1, h / 2);
        c.SetPixels(x, y, i % 3 ? RGB(200, 200, 255) : RGB(255, 255, 255));
    }
    int stripH = std::max(20, h * 2 / 5);
    filmStrip(bmp, 0, h / 2 - stripH / 2 + h / 10, w, stripH, 0);
    int th = std::max(12, h / 6);
    std::string name = "VELMORA";
    c.Font.Name = "Arial";
    c.Font.SetHeight(-th);
    c.Font.Style = fsBold;
    int tw = c.TextWidth(name);
    int tx = (w - tw) / 2;
    int ty = std::max(2, h / 12);
    text(c, tx + 2, ty + 2, name, th, RGB(0, 0, 0), fsBold);
    text(c, tx, ty, name, th, RGB(255, 210, 60), fsBold);
    bmp.Changed();
}

void DrawBanner(TBitmap& bmp, int w, int h) {
    bmp.SetSize(w, h);
    TCanvas& c = bmp.Canvas();
    box(c, 0, 0, w, h, RGB(16, 16, 16), RGB(16, 16, 16));
    verticalGradient(bmp, 4, h - 4, RGB(0, 0, 128), RGB(90, 0, 90));
    for (int x = 2; x + 3 < w; x += 7) {
        box(c, x, 1, x + 4, 3, RGB(230, 230, 210), RGB(230, 230, 210));
        box(c, x, h - 3, x + 4, h - 1, RGB(230, 230, 210), RGB(230, 230, 210));
    }
    int th = std::max(8, h - 10);
    c.Font.Name = "Arial";
    c.Font.SetHeight(-th);
    c.Font.Style = fsBold | fsItalic;
    int tw = c.TextWidth("Velmora");
    text(c, (w - tw) / 2 + 1, (h - th) / 2, "Velmora", th, RGB(0, 0, 0), fsBold | fsItalic);
    text(c, (w - tw) / 2, (h - th) / 2 - 1, "Velmora", th, RGB(255, 210, 60), fsBold | fsItalic);
    bmp.Changed();
}

void DrawScene(TBitmap& bmp, int w, int h, int variant) {
    bmp.SetSize(w, h);
    sceneInto(bmp, 0, 0, w, h, variant);
    bmp.Changed();
}

void DrawSprite(TBitmap& bmp, int w, int h, int variant) {
    bmp.SetSize(w, h);
    TCanvas& c = bmp.Canvas();
    box(c, 0, 0, w, h, clWhite, clWhite);
    // A little runner: head, body, arms and legs in a pose that changes with the variant.
    int cx = w / 2, top = h / 8;
    int r = std::max(2, h / 10);
    TColor skin = RGB(240, 190, 140), shirt = variant % 2 ? RGB(200, 30, 30) : RGB(30, 60, 200);
    ellipse(c, cx - r, top, cx + r, top + 2 * r, skin, RGB(120, 80, 40));
    int neck = top + 2 * r;
    int hip = neck + h * 3 / 10;
    box(c, cx - r, neck, cx + r, hip, shirt, RGB(0, 0, 0));
    // A stride: the reach of arms and legs changes from frame to frame.
    int swing = (1 + ((variant % 3) + 3) % 3) * w / 12;
    line(c, cx - r, neck + 2, cx - r - swing, neck + h / 6, skin, std::max(1, w / 20));
    line(c, cx + r, neck + 2, cx + r + swing, neck + h / 4, skin, std::max(1, w / 20));
    line(c, cx - r / 2, hip, cx - r / 2 - swing, h - h / 10, RGB(40, 40, 90), std::max(1, w / 16));
    line(c, cx + r / 2, hip, cx + r / 2 + swing, h - h / 10, RGB(40, 40, 90), std::max(1, w / 16));
    bmp.Changed();
}

void DrawWizardSide(TBitmap& bmp, int w, int h, int variant) {
    bmp.SetSize(w, h);
    TColor tops[] = {RGB(0, 0, 128), RGB(0, 96, 96), RGB(96, 0, 96), RGB(128, 64, 0)};
    verticalGradient(bmp, 0, h, tops[((variant % 4) + 4) % 4], RGB(0, 0, 0));
    TCanvas& c = bmp.Canvas();
    // A film reel.
    int r = w * 2 / 5;
    int cx = w / 2, cy = h / 3;
    ellipse(c, cx - r, cy - r, cx + r, cy + r, RGB(170, 170, 180), RGB(60, 60, 70));
    ellipse(c, cx - r / 5, cy - r / 5, cx + r / 5, cy + r / 5, RGB(60, 60, 70), RGB(30, 30, 30));
    for (int i = 0; i < 6; ++i) {
        double a = i * 3.14159265 / 3;
        int hx = cx + int(std::lround(std::cos(a) * r * 0.6));
        int hy = cy + int(std::lround(std::sin(a) * r * 0.6));
        ellipse(c, hx - r / 6, hy - r / 6, hx + r / 6, hy + r / 6, RGB(20, 20, 30), RGB(20, 20, 30));
    }
    // A clapperboard.
    int bx = w / 8, by = h * 3 / 5, bw = w * 3 / 4, bh = w / 2;
    box(c, bx, by, bx + bw, by + bh, RGB(30, 30, 30), RGB(230, 230, 230));
    polygon(c, {{bx, by - bh / 4}, {bx + bw, by - bh / 2}, {bx + bw, by - bh / 4 + 2}, {bx, by}},
            RGB(240, 240, 240), RGB(20, 20, 20));
    for (int i = 1; i < 5; ++i) {
        int x = bx + bw * i / 5;
        line(c, x, by - bh / 4 - (bh / 4) * i / 5, x - bw / 10, by, RGB(20, 20, 20), 2);
    }
    text(c, bx + 4, by + 4, "SCENE 1", std::max(8, bh / 5), RGB(240, 240, 240), fsBold);
    text(c, bx + 4, by + bh / 2, "TAKE " + std::to_string(variant + 1), std::max(8, bh / 5),
         RGB(240, 240, 240), fsBold);
    bmp.Changed();
}

void DrawProgramIcon(TBitmap& bmp, int size) {
    bmp.SetSize(size, size);
    TCanvas& c = bmp.Canvas();
    box(c, 0, 0, size, size, RGB(20, 20, 20), RGB(20, 20, 20));
    int hole = std::max(1, size / 10);
    for (int y = hole; y + hole < size; y += hole * 3) {
        box(c, hole / 2, y, hole / 2 + hole, y + hole, RGB(240, 240, 220), RGB(240, 240, 220));
        box(c, size - hole / 2 - hole, y, size - hole / 2, y + hole, RGB(240, 240, 220), RGB(240, 240, 220));
    }
    sceneInto(bmp, hole * 2 + 1, size / 6, size - hole * 4 - 2, size * 2 / 3, 1);
    bmp.Changed();
}

void DrawGlyph(TBitmap& bmp, Glyph g, int size) {
    bmp.SetSize(size, size);
    TCanvas& c = bmp.Canvas();
    box(c, 0, 0, size, size, GlyphKey, GlyphKey);
    auto s = [size](int v) { return v * size / 16; };
    const TColor ink = RGB(0, 0, 0);
    const TColor navy = RGB(0, 0, 128);
    switch (g) {
    case Glyph::None:
        break;
    case Glyph::Film:
        box(c, s(1), s(2), s(15), s(14), RGB(30, 30, 30), ink);
        for (int i = 0; i < 4; ++i) {
            box(c, s(2 + i * 3), s(3), s(3 + i * 3) + 1, s(4) + 1, clWhite, clWhite);
            box(c, s(2 + i * 3), s(12), s(3 + i * 3) + 1, s(13) + 1, clWhite, clWhite);
        }
        sceneInto(bmp, s(3), s(5), s(10), s(6), 0);
        break;
    case Glyph::Clapper:
        box(c, s(2), s(7), s(14), s(14), RGB(40, 40, 40), ink);
        polygon(c, {{s(2), s(5)}, {s(14), s(2)}, {s(14), s(5)}, {s(2), s(7)}}, clWhite, ink);
        line(c, s(6), s(4), s(5), s(6), ink, std::max(1, s(1)));
        line(c, s(10), s(3), s(9), s(6), ink, std::max(1, s(1)));
        break;
    case Glyph::Effects:
        polygon(c,
                {{s(8), s(1)},
                 {s(10), s(6)},
                 {s(15), s(6)},
                 {s(11), s(9)},
                 {s(13), s(15)},
                 {s(8), s(11)},
                 {s(3), s(15)},
                 {s(5), s(9)},
                 {s(1), s(6)},
                 {s(6), s(6)}},
                RGB(255, 220, 0), RGB(160, 80, 0));
        break;
    case Glyph::Microphone:
        ellipse(c, s(5), s(1), s(11), s(10), RGB(160, 160, 170), ink);
        line(c, s(8), s(10), s(8), s(14), ink, std::max(1, s(1)));
        line(c, s(4), s(14), s(12), s(14), ink, std::max(1, s(1)));
        box(c, s(13), s(2), s(15), s(4), RGB(220, 0, 0), RGB(220, 0, 0));
        break;
    case Glyph::Projector:
        ellipse(c, s(1), s(1), s(7), s(7), RGB(90, 90, 100), ink);
        ellipse(c, s(7), s(1), s(13), s(7), RGB(90, 90, 100), ink);
        box(c, s(1), s(7), s(12), s(14), RGB(60, 60, 70), ink);
        polygon(c, {{s(12), s(9)}, {s(15), s(7)}, {s(15), s(14)}, {s(12), s(12)}}, RGB(255, 255, 160), ink);
        break;
    case Glyph::Speaker:
        box(c, s(2), s(6), s(6), s(10), RGB(120, 120, 120), ink);
        polygon(c, {{s(6), s(6)}, {s(10), s(2)}, {s(10), s(14)}, {s(6), s(10)}}, RGB(160, 160, 160), ink);
        line(c, s(12), s(5), s(14), s(3), navy);
        line(c, s(12), s(8), s(15), s(8), navy);
        line(c, s(12), s(11), s(14), s(13), navy);
        break;
    case Glyph::Utility:
        box(c, s(2), s(3), s(14), s(13), RGB(192, 192, 192), ink);
        box(c, s(3), s(4), s(13), s(6), navy, navy);
        box(c, s(4), s(8), s(7), s(11), RGB(255, 255, 0), ink);
        box(c, s(9), s(8), s(12), s(11), RGB(0, 200, 0), ink);
        break;
    case Glyph::Html:
        box(c, s(3), s(1), s(13), s(15), clWhite, ink);
        text(c, s(3) + 1, s(4), "<>", std::max(6, s(7)), RGB(200, 0, 0), fsBold, "Courier New");
        line(c, s(5), s(12), s(11), s(12), navy);
        break;
    case Glyph::Explore:
    case Glyph::Folder:
        polygon(c, {{s(1), s(4)}, {s(6), s(4)}, {s(7), s(5)}, {s(15), s(5)}, {s(15), s(14)}, {s(1), s(14)}},
                RGB(255, 210, 80), RGB(128, 96, 0));
        if (g == Glyph::Explore) {
            ellipse(c, s(7), s(7), s(13), s(13), RGB(140, 200, 255), navy);
            line(c, s(12), s(12), s(15), s(15), ink, std::max(1, s(2)));
        }
        break;
    case Glyph::Browser:
        box(c, s(1), s(2), s(15), s(14), RGB(255, 255, 255), ink);
        sceneInto(bmp, s(2), s(3), s(12), s(10), 3);
        break;
    case Glyph::Music:
        ellipse(c, s(2), s(10), s(7), s(14), ink, ink);
        ellipse(c, s(9), s(8), s(14), s(12), ink, ink);
        line(c, s(6), s(12), s(6), s(2), ink, std::max(1, s(1)));
        line(c, s(13), s(10), s(13), s(1), ink, std::max(1, s(1)));
        polygon(c, {{s(6), s(2)}, {s(13), s(1)}, {s(13), s(3)}, {s(6), s(4)}}, ink, ink);
        break;
    case Glyph::Layers:
        box(c, s(5), s(1), s(15), s(9), RGB(120, 180, 255), navy);
        box(c, s(3), s(4), s(13), s(12), RGB(255, 255, 160), RGB(128, 128, 0));
        box(c, s(1), s(7), s(11), s(15), RGB(255, 150, 150), RGB(128, 0, 0));
        break;
    case Glyph::Minimize:
        box(c, s(3), s(11), s(13), s(13), ink, ink);
        break;
    case Glyph::Left:
        polygon(c, {{s(11), s(2)}, {s(11), s(14)}, {s(4), s(8)}}, navy, ink);
        break;
    case Glyph::Right:
        polygon(c, {{s(5), s(2)}, {s(5), s(14)}, {s(12), s(8)}}, navy, ink);
        break;
    case Glyph::Play:
        polygon(c, {{s(4), s(2)}, {s(4), s(14)}, {s(13), s(8)}}, RGB(0, 128, 0), ink);
        break;
    case Glyph::Pause:
        box(c, s(4), s(3), s(7), s(13), navy, ink);
        box(c, s(9), s(3), s(12), s(13), navy, ink);
        break;
    case Glyph::Stop:
        box(c, s(3), s(3), s(13), s(13), RGB(40, 40, 40), ink);
        break;
    case Glyph::Record:
        ellipse(c, s(3), s(3), s(13), s(13), RGB(220, 0, 0), RGB(100, 0, 0));
        break;
    case Glyph::Rewind:
        polygon(c, {{s(8), s(3)}, {s(8), s(13)}, {s(2), s(8)}}, navy, ink);
        polygon(c, {{s(14), s(3)}, {s(14), s(13)}, {s(8), s(8)}}, navy, ink);
        break;
    case Glyph::FastForward:
        polygon(c, {{s(2), s(3)}, {s(2), s(13)}, {s(8), s(8)}}, navy, ink);
        polygon(c, {{s(8), s(3)}, {s(8), s(13)}, {s(14), s(8)}}, navy, ink);
        break;
    case Glyph::StepBack:
        box(c, s(3), s(3), s(5), s(13), navy, ink);
        polygon(c, {{s(13), s(3)}, {s(13), s(13)}, {s(6), s(8)}}, navy, ink);
        break;
    case Glyph::StepForward:
        polygon(c, {{s(3), s(3)}, {s(3), s(13)}, {s(10), s(8)}}, navy, ink);
        box(c, s(11), s(3), s(13), s(13), navy, ink);
        break;
    case Glyph::Open:
        polygon(c, {{s(1), s(4)}, {s(6), s(4)}, {s(7), s(5)}, {s(13), s(5)}, {s(13), s(14)}, {s(1), s(14)}},
                RGB(255, 210, 80), RGB(128, 96, 0));
        polygon(c, {{s(3), s(8)}, {s(15), s(8)}, {s(13), s(14)}, {s(1), s(14)}}, RGB(255, 235, 150),
                RGB(128, 96, 0));
        break;
    case Glyph::Save:
        box(c, s(2), s(2), s(14), s(14), navy, ink);
        box(c, s(4), s(2), s(12), s(7), clWhite, ink);
        box(c, s(5), s(10), s(11), s(14), RGB(192, 192, 192), ink);
        break;
    case Glyph::New:
        polygon(c, {{s(3), s(1)}, {s(10), s(1)}, {s(13), s(4)}, {s(13), s(15)}, {s(3), s(15)}}, clWhite, ink);
        line(c, s(10), s(1), s(10), s(4), ink);
        line(c, s(10), s(4), s(13), s(4), ink);
        break;
    case Glyph::Bold:
        text(c, s(3), s(1), "B", std::max(8, s(14)), ink, fsBold, "Times New Roman");
        break;
    case Glyph::Italic:
        text(c, s(4), s(1), "I", std::max(8, s(14)), ink, fsItalic, "Times New Roman");
        break;
    case Glyph::Underline:
        text(c, s(3), s(0), "U", std::max(8, s(13)), ink, 0, "Times New Roman");
        line(c, s(3), s(14), s(13), s(14), ink);
        break;
    case Glyph::AlignLeft:
    case Glyph::AlignCenter:
    case Glyph::AlignRight:
        for (int i = 0; i < 5; ++i) {
            int len = i % 2 ? s(8) : s(12);
            int x = g == Glyph::AlignLeft ? s(2) : g == Glyph::AlignRight ? s(14) - len : s(8) - len / 2;
            line(c, x, s(3 + i * 2) + i, x + len, s(3 + i * 2) + i, ink);
        }
        break;
    case Glyph::Camera:
        box(c, s(1), s(5), s(15), s(14), RGB(60, 60, 60), ink);
        box(c, s(4), s(3), s(8), s(5), RGB(60, 60, 60), ink);
        ellipse(c, s(5), s(6), s(12), s(13), RGB(120, 180, 255), ink);
        break;
    case Glyph::Pencil:
        polygon(c, {{s(11), s(1)}, {s(15), s(5)}, {s(5), s(15)}, {s(1), s(15)}, {s(1), s(11)}},
                RGB(255, 200, 0), ink);
        line(c, s(1), s(11), s(5), s(15), ink);
        break;
    case Glyph::Copy:
        box(c, s(1), s(1), s(10), s(11), clWhite, ink);
        box(c, s(6), s(5), s(15), s(15), clWhite, ink);
        break;
    case Glyph::Paste:
        box(c, s(2), s(2), s(12), s(15), RGB(200, 160, 90), ink);
        box(c, s(5), s(1), s(9), s(4), RGB(192, 192, 192), ink);
        box(c, s(7), s(6), s(15), s(15), clWhite, ink);
        break;
    case Glyph::Zoom:
        ellipse(c, s(1), s(1), s(11), s(11), RGB(200, 230, 255), ink);
        line(c, s(10), s(10), s(15), s(15), ink, std::max(1, s(2)));
        break;
    case Glyph::ListMaker:
        box(c, s(1), s(1), s(11), s(15), clWhite, ink);
        for (int i = 0; i < 5; ++i)
            line(c, s(3), s(3 + i * 2) + i, s(9), s(3 + i * 2) + i, navy);
        box(c, s(8), s(8), s(15), s(14), RGB(30, 30, 30), ink);
        box(c, s(9), s(10), s(14), s(12), RGB(120, 200, 255), RGB(120, 200, 255));
        break;
    case Glyph::Check:
        line(c, s(2), s(8), s(6), s(12), RGB(0, 128, 0), std::max(1, s(2)));
        line(c, s(6), s(12), s(14), s(3), RGB(0, 128, 0), std::max(1, s(2)));
        break;
    case Glyph::Cross:
        line(c, s(3), s(3), s(13), s(13), RGB(200, 0, 0), std::max(1, s(2)));
        line(c, s(13), s(3), s(3), s(13), RGB(200, 0, 0), std::max(1, s(2)));
        break;
    case Glyph::Help:
        ellipse(c, s(1), s(1), s(15), s(15), RGB(255, 255, 200), navy);
        text(c, s(5), s(2), "?", std::max(8, s(12)), navy, fsBold);
        break;
    }
    // The key colour must stay at the bottom-left pixel, where the buttons read it.
    c.SetPixels(0, size - 1, GlyphKey);
    bmp.Changed();
}

} // namespace quickview
