#pragma once
#include "Geometry.h"
#include "Palette.h"
#include "TColor.h"

#include <cstdint>
#include <string>
#include <vector>

class TBitmap;

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The sixteen binary raster operations, in the platform's order (R2_BLACK = 1 .. R2_WHITE = 16
// are pmBlack .. below, named as the windowing library names them).
enum TPenMode {
    pmBlack,
    pmWhite,
    pmNop,
    pmNot,
    pmCopy,
    pmNotCopy,
    pmMergePenNot,
    pmMaskPenNot,
    pmMergeNotPen,
    pmMaskNotPen,
    pmMerge,
    pmNotMerge,
    pmMask,
    pmNotMask,
    pmXor,
    pmNotXor
};

enum TBrushStyle {
    bsSolid,
    bsClear,
    bsHorizontal,
    bsVertical,
    bsFDiagonal,
    bsBDiagonal,
    bsCross,
    bsDiagCross
};

enum TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
using TFontStyles = unsigned;

enum TFillStyle { fsSurface, fsBorder };

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = psSolid;
    TPenMode Mode = pmCopy;
};

// The setters keep the windowing library's rules: a colour drops the pattern and makes a clear
// brush solid, a style drops the pattern, and a pattern brings a solid white brush with it. The
// fields stay open for code that sets a whole brush at once.
struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = bsSolid;
    // A pattern tiled from the bitmap origin; not owned. When set it wins over Style.
    const TBitmap* Bitmap = nullptr;

    void SetColor(TColor c) {
        Color = c;
        Bitmap = nullptr;
        if (Style == bsClear) Style = bsSolid;
    }
    void SetStyle(TBrushStyle s) {
        Style = s;
        Bitmap = nullptr;
    }
    void SetBitmap(const TBitmap* pattern) {
        Color = clWhite;
        Style = bsSolid;
        Bitmap = pattern;
    }
};

struct TFont {
    std::string Name = "MS Sans Serif";
    int Size = 8;     // points; Height = -Size * 96 / 72
    int Height = -11; // pixels; negative means character height, as the platform has it
    TColor Color = clWindowText;
    TFontStyles Style = 0;
    int Escapement = 0; // tenths of a degree, counter-clockwise
    void SetSize(int pt);
    void SetHeight(int px);
};

// ROP3 codes used by block copies.
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t SRCPAINT = 0x00EE0086;
constexpr std::uint32_t SRCAND = 0x008800C6;
constexpr std::uint32_t SRCINVERT = 0x00660046;
constexpr std::uint32_t SRCERASE = 0x00440328;
constexpr std::uint32_t NOTSRCCOPY = 0x00330008;
constexpr std::uint32_t NOTSRCERASE = 0x001100A6;
constexpr std::uint32_t MERGECOPY = 0x00C000CA;
constexpr std::uint32_t MERGEPAINT = 0x00BB0226;
constexpr std::uint32_t PATCOPY = 0x00F00021;
constexpr std::uint32_t PATPAINT = 0x00FB0A09;
constexpr std::uint32_t PATINVERT = 0x005A0049;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr std::uint32_t BLACKNESS = 0x00000042;
constexpr std::uint32_t WHITENESS = 0x00FF0062;
using TCopyMode = std::uint32_t;

// Flags of formatted text (TCanvas::DrawText), with the platform's values.
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOPREFIX = 0x800;

// Stretch modes of stretched copies.
constexpr int BLACKONWHITE = 1; // AND the dropped pixels
constexpr int WHITEONBLACK = 2; // OR the dropped pixels
constexpr int COLORONCOLOR = 3; // drop rows and columns
constexpr int HALFTONE = 4;     // average
constexpr int STRETCH_ANDSCANS = BLACKONWHITE;
constexpr int STRETCH_ORSCANS = WHITEONBLACK;
constexpr int STRETCH_DELETESCANS = COLORONCOLOR;
constexpr int STRETCH_HALFTONE = HALFTONE;

// Drawing on a bitmap, as a device context does: right and bottom edges of figures are
// excluded, reversed corners are normalised, everything is clipped to the bitmap, and every
// operation reports the rectangle it touched to the bitmap (TBitmap::Changed).
//
// Each figure is composed as a set of pixels before it is painted, so no pixel of one figure is
// painted twice: an outline drawn twice in an XOR-like pen mode gives back every pixel, and a
// NOT-XOR figure on white shows exactly what copy mode paints. The pen mode applies to the pen
// and to the inside of filled figures; FillRect, FrameRect, FloodFill and text always copy.
//
// Pens: one-pixel lines by Bresenham's rule with the end point left out; pens wider than one
// pixel are round tips along the line, both ends included (even widths sit half a pixel up and
// left). Dash styles apply to one-pixel pens (dash 18/6, dot 3/3, dash-dot 9/6/3/6,
// dash-dot-dot 9/3/3/3/3/3); their gaps show the brush colour while the brush is solid and are
// transparent otherwise; wider pens draw them solid. psInsideFrame keeps a wide pen inside the
// figure's box. Without a pen (psClear) a rectangle, ellipse, round rectangle, pie or chord is
// filled one pixel less to the right and below, as the platform does.
//
// Brushes: hatches are 8 x 8 cells from the bitmap origin with lines in the brush colour over
// transparent pixels; a pattern bitmap is tiled from the bitmap origin. In block copies a hatch
// has white between its lines and a clear brush gives its colour.
//
// Palette bitmaps: colours are stored as the nearest palette index, and the raster operations
// (pen modes and ROP3 codes) work on the indexes, as on a palette device; pixel reads give the
// palette colour.
class TCanvas {
public:
    explicit TCanvas(TBitmap* target);
    TBitmap* Target() const { return target_; }

    TPen Pen;
    TBrush Brush;
    TFont Font;
    TCopyMode CopyMode = SRCCOPY;
    int StretchMode = BLACKONWHITE;
    HPALETTE SelectedPalette;

    TPoint PenPos() const { return pos_; }
    void SetPenPos(TPoint p) { pos_ = p; }
    TRect ClipRect() const;

    void MoveTo(int x, int y);
    void LineTo(int x, int y); // end point excluded; the pen position moves there
    void Polyline(const std::vector<TPoint>& pts);
    void Polygon(const std::vector<TPoint>& pts); // alternate fill, then the outline
    void Rectangle(int x1, int y1, int x2, int y2);
    void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void FillRect(const TRect& r);  // with the brush, no outline
    void FrameRect(const TRect& r); // one-pixel frame in the brush colour
    void RoundRect(int x1, int y1, int x2, int y2, int cornerW, int cornerH);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    // The ellipse's arc from the radial through (x3,y3) counter-clockwise to the one through (x4,y4).
    void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    // 4-connected, iterative. fsSurface fills the area of exactly `color`; fsBorder fills up to
    // the border `color`. Fills with the brush (colour, hatch or pattern).
    void FloodFill(int x, int y, TColor color, TFillStyle style);

    // Outside the bitmap a read gives 0xFFFFFFFF and a write is dropped.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor c);

    // Text with its cell's top-left at (x, y), turned counter-clockwise about that point by
    // Font.Escapement; unantialiased glyphs in Font.Color; the cell (TextWidth x TextHeight) is
    // filled with the brush colour behind them while the brush is solid. Needs the application
    // object (fonts come from it). TextOut moves the pen position to the cell's right end.
    void TextOut(int x, int y, const std::string& text); // UTF-8; brush behind unless bsClear
    // As TextOut, drawing only inside r; a solid brush fills all of r.
    void TextRect(const TRect& r, int x, int y, const std::string& text);
    // Formatted text into r, as the platform's DrawText does with the DT_ flags above: lines
    // from r's top, one font cell apart, broken at line ends and (DT_WORDBREAK) between words
    // where a line would pass r's right edge; each line left, centred (DT_CENTER) or right
    // (DT_RIGHT) in r; tabs to the next stop eight average character widths apart
    // (DT_EXPANDTABS); "&x" drawn as an underlined x and "&&" as "&" unless DT_NOPREFIX. Only
    // what lies inside r is drawn; a solid brush fills each line's cell. The escapement is not
    // applied. Returns the height of the text.
    int DrawText(const std::string& text, const TRect& r, unsigned flags);
    int TextWidth(const std::string& text) const;
    int TextHeight(const std::string& text) const;

    // Block copies with CopyMode, from another canvas (its bitmap).
    void CopyRect(const TRect& dest, const TCanvas& src, const TRect& srcRect);
    void Draw(int x, int y, const TBitmap& bmp);
    // Draws bmp with every pixel of the key colour left out.
    void DrawTransparent(int x, int y, const TBitmap& bmp, TColor key);
    void StretchDraw(const TRect& dest, const TBitmap& bmp);

private:
    TBitmap* target_;
    TPoint pos_;
};

// Block copy with a ROP3 code. Source rectangles partly outside their bitmap read nothing there
// (the destination keeps its pixels); destinations are clipped. Returns false for an unknown
// code or a null source where the code needs one.
bool BitBlt(TCanvas& dst, int x, int y, int w, int h, const TCanvas* src, int sx, int sy, std::uint32_t rop);
// Stretched copy with the destination canvas's StretchMode. A negative width or height mirrors.
bool StretchBlt(TCanvas& dst, int x, int y, int w, int h, const TCanvas& src, int sx, int sy, int sw, int sh,
                std::uint32_t rop);
int SetStretchBltMode(TCanvas& canvas, int mode); // returns the previous mode
int GetStretchBltMode(const TCanvas& canvas);
