// The films: the intro, the link window's globe, the pixel-mover show and the manual's three
// tutorial films. All 8-bit, each with its own palette; only the intro has sound.
#include "Drawing.h"
#include "FilmBuilder.h"
#include "ProgramFiles.h"

#include <cmath>
#include <functional>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

int px(double v) {
    return int(std::lround(v));
}

// The intro: the name drawn stroke by stroke in gold over a deep blue sky, then underlined;
// three seconds with a rising chord of tones.
GeneratedFile introFilm() {
    const int w = 450, h = 250, frames = 45, drawn = 34;
    const HPALETTE pal = rampPalette({{RGB(0x06, 0x0A, 0x28), RGB(0x28, 0x48, 0x98), 96},
                                      {RGB(0x60, 0x40, 0x08), RGB(0xFF, 0xE0, 0x60), 64},
                                      {RGB(0x80, 0x80, 0x90), RGB(0xFF, 0xFF, 0xFF), 64}});
    const std::string name = "ORVANTA";
    const double unit = 9, textW = textWidthUnits(name) * unit, left = (w - textW) / 2, top = 80;
    const auto strokes = textStrokes(name, left, top, unit);
    FilmSpec spec;
    spec.coding = FilmCoding::Rle8;
    spec.rate = 15;
    for (int n = 0; n < frames; ++n) {
        TBitmap f = paletteBitmap(w, h, pal);
        for (int y = 0; y < h; ++y)
            fillRow(f, y, y * 95 / (h - 1));
        TCanvas& c = f.Canvas();
        // The shadow first, then the letters.
        c.Pen.Width = 7;
        c.Pen.Color = RGB(0x04, 0x06, 0x18);
        const double done = std::min(1.0, double(n) / drawn);
        auto shadow = strokes;
        for (auto& s : shadow)
            for (auto& p : s)
                p = {p.x + 4, p.y + 4};
        drawStrokes(c, shadow, done);
        c.Pen.Color = RGB(0xF8, 0xC8, 0x40);
        StrokePoint tip = drawStrokes(c, strokes, done);
        if (n < drawn) { // the pen's spark at the tip
            c.Pen.Width = 1;
            c.Pen.Color = RGB(0xFF, 0xFF, 0xFF);
            c.Brush.Color = RGB(0xFF, 0xFF, 0xF0);
            c.Ellipse(px(tip.x) - 5, px(tip.y) - 5, px(tip.x) + 6, px(tip.y) + 6);
        } else {
            const double sweep = std::min(1.0, double(n - drawn + 1) / (frames - drawn - 2));
            c.Pen.Width = 3;
            c.Pen.Color = RGB(0xF0, 0xF0, 0xFF);
            c.MoveTo(px(left), px(top + 6 * unit + 18));
            c.LineTo(px(left + textW * sweep), px(top + 6 * unit + 18));
        }
        spec.frames.push_back(std::move(f));
    }
    // A rising chord, each tone struck and fading, 8-bit unsigned at 11025 Hz.
    PcmTrack pcm;
    pcm.rate = 11025;
    const double notes[] = {523.25, 659.25, 783.99, 1046.5};
    const int total = pcm.rate * frames / int(spec.rate);
    for (int i = 0; i < total; ++i) {
        const double t = double(i) / pcm.rate;
        double v = 0;
        for (int k = 0; k < 4; ++k) {
            const double start = 0.45 * k;
            if (t >= start)
                v += std::sin(2 * kPi * notes[k] * (t - start)) * std::exp(-2.2 * (t - start)) * 0.22;
        }
        const double fade = std::min(1.0, (3.0 - t) / 0.3);
        pcm.samples.push_back(std::uint8_t(std::clamp(128 + int(std::lround(v * fade * 127)), 0, 255)));
    }
    spec.sound = std::move(pcm);
    return {"bin/logo1.avi", MakeFilm(spec)};
}

// A wire globe turning once per 24 frames by one meridian step, so the loop has no jump.
GeneratedFile globeFilm() {
    const int size = 48, frames = 24;
    const HPALETTE pal = rampPalette({{RGB(0xC0, 0xC0, 0xC0), RGB(0xC0, 0xC0, 0xC0), 1},
                                      {RGB(0x10, 0x20, 0x80), RGB(0x10, 0x20, 0x80), 1},
                                      {RGB(0x90, 0xA8, 0xD8), RGB(0x90, 0xA8, 0xD8), 1},
                                      {RGB(0xE0, 0xF0, 0xFF), RGB(0xE0, 0xF0, 0xFF), 1}});
    const double cx = 23.5, cy = 23.5, r = 20;
    FilmSpec spec;
    spec.coding = FilmCoding::Rle8;
    spec.rate = 12;
    for (int n = 0; n < frames; ++n) {
        TBitmap f = paletteBitmap(size, size, pal);
        TCanvas& c = f.Canvas();
        c.Pen.Color = RGB(0x10, 0x20, 0x80);
        c.Brush.Color = RGB(0xE0, 0xF0, 0xFF);
        c.Ellipse(px(cx - r), px(cy - r), px(cx + r) + 1, px(cy + r) + 1);
        const double phase = double(n) / frames * kPi / 6;
        for (int back = 1; back >= 0; --back) {
            c.Pen.Color = back ? RGB(0x90, 0xA8, 0xD8) : RGB(0x10, 0x20, 0x80);
            for (int k = 0; k < 12; ++k) {
                const double lon = k * kPi / 6 + phase;
                if ((std::cos(lon) < 0) != bool(back)) continue;
                std::vector<TPoint> pts;
                for (int lat = -90; lat <= 90; lat += 10) {
                    const double a = lat * kPi / 180;
                    pts.push_back({px(cx + r * std::cos(a) * std::sin(lon)), px(cy - r * std::sin(a))});
                }
                c.Polyline(pts);
            }
        }
        c.Pen.Color = RGB(0x10, 0x20, 0x80);
        for (int lat = -60; lat <= 60; lat += 30) {
            const double a = lat * kPi / 180, half = r * std::cos(a), y = cy - r * std::sin(a);
            c.MoveTo(px(cx - half), px(y));
            c.LineTo(px(cx + half) + 1, px(y));
        }
        spec.frames.push_back(std::move(f));
    }
    return {"bin/globe.avi", MakeFilm(spec)};
}

// A small landscape the pixel movers and the zoom spot work on.
TBitmap landscape(int w, int h, const HPALETTE& pal) {
    TBitmap f = paletteBitmap(w, h, pal);
    TCanvas& c = f.Canvas();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            c.SetPixels(x, y,
                        y < h * 3 / 5 ? RGB(0x70 + y * 2, 0xB0 + y, 0xF0)
                                      : RGB(0x30, 0x90 + (x * 7 + y * 3) % 24, 0x30));
    c.Pen.Color = RGB(0xE0, 0xA0, 0x20);
    c.Brush.Color = RGB(0xFF, 0xE0, 0x40);
    c.Ellipse(w * 3 / 5, h / 10, w * 3 / 5 + w / 5, h / 10 + w / 5);
    c.Pen.Color = RGB(0x50, 0x30, 0x10);
    c.Brush.Color = RGB(0xB0, 0x30, 0x20);
    c.Rectangle(w / 8, h * 2 / 5, w / 8 + w / 4, h * 3 / 5 + 1);
    c.Brush.Color = RGB(0x60, 0x30, 0x10);
    c.Polygon({{w / 8 - 2, h * 2 / 5}, {w / 8 + w / 8, h * 2 / 5 - h / 6}, {w / 8 + w / 4 + 1, h * 2 / 5}});
    return f;
}

HPALETTE scenePalette() {
    return rampPalette({{RGB(0x00, 0x00, 0x00), RGB(0xFF, 0xFF, 0xFF), 32},
                        {RGB(0x70, 0xB0, 0xF0), RGB(0xE0, 0xF0, 0xF0), 40},
                        {RGB(0x30, 0x90, 0x30), RGB(0x30, 0xB0, 0x30), 24},
                        {RGB(0xE0, 0xA0, 0x20), RGB(0xFF, 0xE0, 0x40), 16},
                        {RGB(0x50, 0x30, 0x10), RGB(0xB0, 0x30, 0x20), 16},
                        {RGB(0xFF, 0x00, 0x00), RGB(0xFF, 0x00, 0x00), 1},
                        {RGB(0x00, 0x00, 0xFF), RGB(0x00, 0x00, 0xFF), 1},
                        {RGB(0xFF, 0xFF, 0x00), RGB(0xFF, 0xFF, 0x00), 1},
                        {RGB(0x00, 0x80, 0x80), RGB(0x00, 0x80, 0x80), 1}});
}

// The index of the scene palette's key colour, which nothing else is drawn in.
constexpr int kKeyIndex = 32 + 40 + 24 + 16 + 16 + 3;

// The animation controls play their films transparently: the colour of a frame's bottom-left
// pixel is left out everywhere. A one-pixel frame in a colour of its own makes that the edge
// alone, so the picture inside shows whole.
void keyFrame(TBitmap& f) {
    const int w = f.Width(), h = f.Height();
    fillRow(f, 0, kKeyIndex);
    fillRow(f, h - 1, kKeyIndex);
    for (int y = 0; y < h; ++y)
        f.ScanLine(y)[0] = f.ScanLine(y)[w - 1] = std::uint8_t(kKeyIndex);
}

// A dotted frame, as the mover's marker shows its box.
void markBox(TCanvas& c, const TRect& r) {
    for (int x = r.Left; x < r.Right; ++x) {
        c.SetPixels(x, r.Top, (x & 2) ? RGB(0, 0, 0) : RGB(255, 255, 255));
        c.SetPixels(x, r.Bottom - 1, (x & 2) ? RGB(0, 0, 0) : RGB(255, 255, 255));
    }
    for (int y = r.Top; y < r.Bottom; ++y) {
        c.SetPixels(r.Left, y, (y & 2) ? RGB(0, 0, 0) : RGB(255, 255, 255));
        c.SetPixels(r.Right - 1, y, (y & 2) ? RGB(0, 0, 0) : RGB(255, 255, 255));
    }
}

// A film whose frames are made one by one, each marked a key frame.
GeneratedFile filmOfFrames(const char* name, FilmCoding coding, int rate, int frames,
                           const std::function<TBitmap(int)>& frame) {
    FilmSpec spec;
    spec.coding = coding;
    spec.rate = rate;
    for (int n = 0; n < frames; ++n) {
        TBitmap f = frame(n);
        keyFrame(f);
        spec.frames.push_back(std::move(f));
    }
    return {name, MakeFilm(spec)};
}

// A box of the picture moved one pixel a frame, right and then up, leaving white behind.
GeneratedFile pixelMoverFilm() {
    const int w = 48, h = 47, bw = 14, bh = 12, frames = 36;
    const TBitmap base = landscape(w, h, scenePalette());
    const TPoint start{4, 17};
    return filmOfFrames("User manual/pixelmovers.avi", FilmCoding::Raw, 8, frames, [&](int n) {
        const TPoint at = n < 24 ? TPoint{start.x + n, start.y} : TPoint{start.x + 23, start.y - (n - 23)};
        TBitmap f = base;
        TCanvas& c = f.Canvas();
        c.Brush.Color = RGB(255, 255, 255);
        c.FillRect({start.x, start.y, start.x + bw, start.y + bh});
        c.CopyRect({at.x, at.y, at.x + bw, at.y + bh}, const_cast<TBitmap&>(base).Canvas(),
                   {start.x, start.y, start.x + bw, start.y + bh});
        markBox(c, {at.x - 1, at.y - 1, at.x + bw + 1, at.y + bh + 1});
        return f;
    });
}

// An arrow pointer with its tip at (x, y).
void pointer(TCanvas& c, int x, int y) {
    c.Pen.Width = 1;
    c.Pen.Color = RGB(0, 0, 0);
    c.Brush.Color = RGB(255, 255, 255);
    c.Polygon({{x, y},
               {x, y + 11},
               {x + 3, y + 8},
               {x + 5, y + 12},
               {x + 7, y + 11},
               {x + 5, y + 7},
               {x + 9, y + 7}});
}

// Freehand line, rectangle and ellipse drawn on a white page as the drawing tools draw them.
GeneratedFile drawingFilm() {
    const int size = 100, frames = 36;
    const HPALETTE pal = scenePalette();
    std::vector<Stroke> line(1), box(1), oval(1);
    for (int i = 0; i <= 40; ++i)
        line[0].push_back({10 + i * 2.0, 22 + 10 * std::sin(i * kPi / 10)});
    box[0] = {{12, 45}, {52, 45}, {52, 85}, {12, 85}, {12, 45}};
    for (int i = 0; i <= 36; ++i)
        oval[0].push_back({73 + 18 * std::cos(i * kPi / 18), 65 + 20 * std::sin(i * kPi / 18)});
    return filmOfFrames("User manual/Drawing.avi", FilmCoding::Rle8, 8, frames, [&](int n) {
        TBitmap f = paletteBitmap(size, size, pal);
        TCanvas& c = f.Canvas();
        c.Brush.Color = RGB(255, 255, 255);
        c.FillRect({0, 0, size, size});
        c.Pen.Width = 2;
        StrokePoint tip{};
        c.Pen.Color = RGB(0, 0, 255);
        tip = drawStrokes(c, line, n / 11.0);
        if (n > 12) {
            c.Pen.Color = RGB(255, 0, 0);
            tip = drawStrokes(c, box, (n - 12) / 10.0);
        }
        if (n > 24) {
            c.Pen.Color = RGB(0, 0, 0);
            tip = drawStrokes(c, oval, (n - 24) / 9.0);
        }
        if (n >= 34) { // the ellipse filled at the end
            c.Brush.Color = RGB(255, 255, 0);
            c.FloodFill(73, 65, RGB(255, 255, 255), fsSurface);
        }
        pointer(c, px(tip.x), px(tip.y));
        return f;
    });
}

// The zoom spot travelling over the landscape, showing its pixels three times larger.
GeneratedFile zoomSpotFilm() {
    const int size = 100, frames = 30, radius = 20, zoom = 3;
    const TBitmap base = landscape(size, size, scenePalette());
    return filmOfFrames("User manual/Zoomspot.avi", FilmCoding::Rle8, 8, frames, [&](int n) {
        TBitmap f = base;
        const double a = 2 * kPi * n / frames;
        const int cx = px(50 + 26 * std::cos(a)), cy = px(50 + 22 * std::sin(a));
        for (int y = cy - radius; y <= cy + radius; ++y)
            for (int x = cx - radius; x <= cx + radius; ++x) {
                if (x < 0 || y < 0 || x >= size || y >= size) continue;
                const int dx = x - cx, dy = y - cy;
                if (dx * dx + dy * dy > radius * radius) continue;
                const int sx = cx + int(std::floor(double(dx) / zoom)),
                          sy = cy + int(std::floor(double(dy) / zoom));
                f.ScanLine(y)[x] = sx >= 0 && sy >= 0 && sx < size && sy < size ? base.ScanLine(sy)[sx] : 0;
            }
        TCanvas& c = f.Canvas();
        c.Pen.Color = RGB(0, 0, 0);
        c.Brush.Style = bsClear;
        c.Ellipse(cx - radius - 1, cy - radius - 1, cx + radius + 2, cy + radius + 2);
        return f;
    });
}

// Numbered animation frames on a film strip: a ball bouncing across, its number in the corner.
GeneratedFile framesFilm() {
    const int size = 100, frames = 24;
    const HPALETTE pal = scenePalette();
    return filmOfFrames("User manual/Frames.avi", FilmCoding::Rle8, 6, frames, [&](int n) {
        TBitmap f = paletteBitmap(size, size, pal);
        TCanvas& c = f.Canvas();
        c.Brush.Color = RGB(0x20, 0x20, 0x20);
        c.FillRect({0, 0, size, size});
        c.Brush.Color = RGB(0xF0, 0xF0, 0xF0);
        c.FillRect({10, 4, 90, 96});
        c.Brush.Color = RGB(0xFF, 0xFF, 0xFF);
        for (int y = 4 + (n % 2) * 6; y < 96; y += 12) { // sprocket holes move with the strip
            c.FillRect({2, y, 7, y + 5});
            c.FillRect({93, y, 98, y + 5});
        }
        // the ball bounces twice over the 24 frames
        const double t = double(n) / frames;
        const int bx = px(14 + 58 * t), by = px(84 - 54 * std::abs(std::sin(2 * kPi * t)));
        c.Pen.Color = RGB(0x80, 0x80, 0x80);
        c.Brush.Color = RGB(0x80, 0x80, 0x80);
        c.Ellipse(bx, 88, bx + 14, 92);
        c.Pen.Color = RGB(0x50, 0x30, 0x10);
        c.Brush.Color = RGB(0xB0, 0x30, 0x20);
        c.Ellipse(bx, by - 14, bx + 14, by);
        c.Pen.Color = RGB(0, 0, 255);
        c.Pen.Width = 2;
        drawStrokes(c, textStrokes(std::to_string(n + 1), 14, 8, 2), 1.0);
        return f;
    });
}

} // namespace

std::vector<GeneratedFile> filmFiles() {
    return {introFilm(), globeFilm(), pixelMoverFilm(), drawingFilm(), zoomSpotFilm(), framesFilm()};
}
