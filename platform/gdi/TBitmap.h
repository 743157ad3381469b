#pragma once
#include "ERangeError.h"
#include "Geometry.h"
#include "Palette.h"
#include "TColor.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

class TCanvas;

enum TPixelFormat { pfDevice, pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfCustom };

// A device-independent bitmap.
//
// Storage: true-colour formats (pfDevice, pf15bit, pf16bit, pf24bit, pf32bit) keep one 32-bit
// word a pixel, 0xFFRRGGBB (the memory layout of QImage::Format_RGB32), so a control can show
// the pixels with no copy. Palette formats (pf1bit, pf4bit, pf8bit) keep one byte a pixel,
// the palette index (QImage::Format_Indexed8), and a palette of up to 256 entries (2, 16 or 256
// for the three formats). The pixel format stays what the caller set: it decides how a file is
// written and how many palette entries there are. Rows are padded to 4 bytes.
//
// A new bitmap and the area added by enlarging one are white (palette formats: the index
// nearest to white).
class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height, TPixelFormat pf = pf24bit);
    // A bitmap whose pixels are left as the memory gives them, for a decoder that writes every
    // one: filling a large page first costs as much as decoding it.
    static TBitmap unfilled(int width, int height, TPixelFormat pf = pf24bit);
    TBitmap(const TBitmap& other);
    TBitmap& operator=(const TBitmap& other);
    TBitmap(TBitmap&& other) noexcept;
    TBitmap& operator=(TBitmap&& other) noexcept;
    ~TBitmap();

    void Assign(const TBitmap& other); // pixels, format and palette; keeps this bitmap's canvas
    void FreeImage();                  // becomes empty (0 x 0)

    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetWidth(int w);
    void SetHeight(int h);
    void SetSize(int w, int h);
    bool Empty() const { return width_ <= 0 || height_ <= 0; }

    TPixelFormat PixelFormat() const { return format_; }
    // Converts the pixels: to a palette format through the nearest palette entry (the current
    // palette, or the default 256-colour one), to true colour through the palette.
    void SetPixelFormat(TPixelFormat pf);
    bool IsIndexed() const { return format_ == pf1bit || format_ == pf4bit || format_ == pf8bit; }

    // The palette handle (null for true-colour bitmaps). Setting it on a palette bitmap replaces
    // the colour table and keeps the pixel indexes; on a true-colour bitmap it is only kept.
    HPALETTE Palette() const { return palette_; }
    void SetPalette(const HPALETTE& pal);

    TCanvas& Canvas();

    // Row access: a 32-bit word a pixel (0xFFRRGGBB) for true colour, a byte a pixel (the
    // index) for palette formats. y is always checked; an out-of-range row throws ERangeError.
    std::uint8_t* ScanLine(int y);
    const std::uint8_t* ScanLine(int y) const;
    std::uint32_t* Row32(int y) { return reinterpret_cast<std::uint32_t*>(ScanLine(y)); }
    const std::uint32_t* Row32(int y) const { return reinterpret_cast<const std::uint32_t*>(ScanLine(y)); }
    int BytesPerLine() const { return stride_; }
    std::uint8_t* Bits() { return data_.get(); }
    const std::uint8_t* Bits() const { return data_.get(); }

    // Pixel value as a TColor (red low) and back, with no canvas; outside gives 0xFFFFFFFF and
    // a write outside is dropped. Palette bitmaps store the nearest index.
    TColor GetPixel(int x, int y) const;
    void SetPixel(int x, int y, TColor c);

    // Change reporting: drawing through the canvas reports what it touched; code that writes
    // rows directly calls Changed itself. A control showing the bitmap repaints only that.
    void Changed(const TRect& r);
    void Changed(); // the whole bitmap
    // The listener gets every changed rectangle (clipped to the bitmap) and a size change as
    // the whole bitmap.
    std::function<void(const TRect&)> OnChange;

    // Storage conversions for true colour words.
    static constexpr std::uint32_t ToWord(TColor c) {
        return 0xFF000000u | ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
    static constexpr TColor FromWord(std::uint32_t w) {
        return ((w >> 16) & 0xFF) | (w & 0xFF00) | ((w & 0xFF) << 16);
    }
    // The palette index that stands for a colour (nearest entry), for palette formats.
    int IndexOf(TColor c) const;

private:
    void allocate(int w, int h, bool keep, bool fill = true);
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    TPixelFormat format_ = pf24bit;
    HPALETTE palette_;
    struct PixelMemoryDeleter {
        void operator()(std::uint8_t* p) const;
    };
    using PixelMemory = std::unique_ptr<std::uint8_t[], PixelMemoryDeleter>;
    static PixelMemory allocatePixels(size_t bytes);
    PixelMemory data_;
    std::unique_ptr<TCanvas> canvas_;
};
