#include "TBitmap.h"

#include "TCanvas.h"

#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <sys/mman.h>

namespace {
constexpr long long kMaxSide = 32768;
constexpr long long kMaxPixels = 1LL << 28; // 1 GiB at 4 bytes a pixel

int paletteSizeFor(TPixelFormat pf) {
    switch (pf) {
    case pf1bit:
        return 2;
    case pf4bit:
        return 16;
    case pf8bit:
        return 256;
    default:
        return 0;
    }
}

HPALETTE defaultPaletteFor(TPixelFormat pf) {
    if (pf == pf1bit) return CreatePalette({{0, 0, 0, 0}, {255, 255, 255, 0}});
    if (pf == pf4bit) {
        static const std::uint8_t vga[16][3] = {
            {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
            {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
            {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};
        std::vector<PALETTEENTRY> e;
        for (auto& c : vga)
            e.push_back({c[0], c[1], c[2], 0});
        return CreatePalette(e);
    }
    return DefaultPalette256();
}
} // namespace

// Large pictures live in 2 MiB-aligned blocks backed by huge pages where the kernel allows it:
// faulting in a 4000 x 4000 page with small pages costs more than most operations on it.
TBitmap::PixelMemory TBitmap::allocatePixels(size_t bytes) {
    constexpr size_t kHuge = size_t(2) << 20;
    void* p = nullptr;
    if (bytes >= kHuge) {
        size_t rounded = (bytes + kHuge - 1) & ~(kHuge - 1);
        p = std::aligned_alloc(kHuge, rounded);
        if (p) madvise(p, rounded, MADV_HUGEPAGE);
    } else {
        p = std::malloc(bytes ? bytes : 1);
    }
    if (!p) throw std::bad_alloc();
    return PixelMemory(static_cast<std::uint8_t*>(p));
}

void TBitmap::PixelMemoryDeleter::operator()(std::uint8_t* p) const {
    std::free(p);
}

TBitmap::TBitmap() = default;

TBitmap::TBitmap(int width, int height, TPixelFormat pf) : format_(pf) {
    if (IsIndexed()) palette_ = defaultPaletteFor(pf);
    allocate(width, height, false);
}

TBitmap TBitmap::unfilled(int width, int height, TPixelFormat pf) {
    TBitmap b;
    b.format_ = pf;
    if (b.IsIndexed()) b.palette_ = defaultPaletteFor(pf);
    b.allocate(width, height, false, false);
    return b;
}

TBitmap::TBitmap(const TBitmap& other) {
    Assign(other);
}

TBitmap& TBitmap::operator=(const TBitmap& other) {
    if (this != &other) Assign(other);
    return *this;
}

TBitmap::TBitmap(TBitmap&& other) noexcept
    : width_(other.width_), height_(other.height_), stride_(other.stride_), format_(other.format_),
      palette_(std::move(other.palette_)), data_(std::move(other.data_)) {
    other.width_ = other.height_ = other.stride_ = 0;
}

TBitmap& TBitmap::operator=(TBitmap&& other) noexcept {
    if (this != &other) {
        width_ = other.width_;
        height_ = other.height_;
        stride_ = other.stride_;
        format_ = other.format_;
        palette_ = std::move(other.palette_);
        data_ = std::move(other.data_);
        other.width_ = other.height_ = other.stride_ = 0;
        Changed();
    }
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::Assign(const TBitmap& other) {
    if (this == &other) return;
    width_ = other.width_;
    height_ = other.height_;
    stride_ = other.stride_;
    format_ = other.format_;
    palette_ = other.palette_ ? CreatePalette(other.palette_->entries) : nullptr;
    if (other.data_ && stride_ > 0 && height_ > 0) {
        size_t bytes = size_t(stride_) * size_t(height_);
        data_ = allocatePixels(bytes);
        std::memcpy(data_.get(), other.data_.get(), bytes);
    } else {
        data_.reset();
    }
    Changed();
}

void TBitmap::FreeImage() {
    width_ = height_ = stride_ = 0;
    data_.reset();
    Changed();
}

void TBitmap::SetWidth(int w) {
    SetSize(w, height_);
}
void TBitmap::SetHeight(int h) {
    SetSize(width_, h);
}

void TBitmap::SetSize(int w, int h) {
    if (w == width_ && h == height_) return;
    allocate(w, h, true);
    Changed();
}

void TBitmap::allocate(int w, int h, bool keep, bool fill) {
    if (w < 0) w = 0;
    if (h < 0) h = 0;
    if (w > kMaxSide || h > kMaxSide || (long long)w * h > kMaxPixels) throw std::bad_alloc();
    int bpp = IsIndexed() ? 1 : 4;
    int stride = ((w * bpp) + 3) & ~3;
    PixelMemory data;
    if (w > 0 && h > 0) {
        size_t bytes = size_t(stride) * size_t(h);
        data = allocatePixels(bytes);
        if (fill && bpp == 4) {
            auto* p = reinterpret_cast<std::uint32_t*>(data.get());
            std::fill(p, p + bytes / 4, 0xFFFFFFFFu);
        } else if (fill) {
            std::memset(data.get(), IndexOf(clWhite), bytes);
        } else if (stride != w * bpp) {
            for (int y = 0; y < h; ++y) // row padding stays defined for whole-row copies
                std::memset(data.get() + size_t(y) * stride + size_t(w) * bpp, 0, size_t(stride - w * bpp));
        }
        if (keep && data_) {
            int cw = std::min(w, width_) * bpp;
            int ch = std::min(h, height_);
            for (int y = 0; y < ch; ++y)
                std::memcpy(data.get() + size_t(y) * stride, data_.get() + size_t(y) * stride_, size_t(cw));
        }
    }
    width_ = w;
    height_ = h;
    stride_ = (w > 0 && h > 0) ? stride : 0;
    data_ = std::move(data);
}

void TBitmap::SetPixelFormat(TPixelFormat pf) {
    if (pf == format_) return;
    bool fromIndexed = IsIndexed();
    bool toIndexed = pf == pf1bit || pf == pf4bit || pf == pf8bit;
    if (fromIndexed == toIndexed) {
        format_ = pf;
        if (toIndexed) {
            // Fewer entries: indexes beyond the new table fold onto their nearest colour.
            int n = paletteSizeFor(pf);
            if (!palette_ || int(palette_->entries.size()) != n) {
                TBitmap copy(*this);
                palette_ = defaultPaletteFor(pf);
                for (int y = 0; y < height_; ++y)
                    for (int x = 0; x < width_; ++x)
                        SetPixel(x, y, copy.GetPixel(x, y));
            }
        }
        Changed();
        return;
    }
    TBitmap old(std::move(*this));
    format_ = pf;
    palette_ = toIndexed ? (old.palette_ && int(old.palette_->entries.size()) == paletteSizeFor(pf)
                                ? old.palette_
                                : defaultPaletteFor(pf))
                         : nullptr;
    allocate(old.width_, old.height_, false);
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x)
            SetPixel(x, y, old.GetPixel(x, y));
    Changed();
}

void TBitmap::SetPalette(const HPALETTE& pal) {
    palette_ = pal ? CreatePalette(pal->entries) : nullptr;
    if (IsIndexed() && !palette_) palette_ = defaultPaletteFor(format_);
    Changed();
}

TCanvas& TBitmap::Canvas() {
    if (!canvas_) canvas_ = std::make_unique<TCanvas>(this);
    return *canvas_;
}

std::uint8_t* TBitmap::ScanLine(int y) {
    if (y < 0 || y >= height_ || !data_) throw ERangeError("Scan line index out of range");
    return data_.get() + size_t(y) * size_t(stride_);
}

const std::uint8_t* TBitmap::ScanLine(int y) const {
    if (y < 0 || y >= height_ || !data_) throw ERangeError("Scan line index out of range");
    return data_.get() + size_t(y) * size_t(stride_);
}

TColor TBitmap::GetPixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || !data_) return 0xFFFFFFFFu;
    const std::uint8_t* row = data_.get() + size_t(y) * size_t(stride_);
    if (!IsIndexed()) return FromWord(reinterpret_cast<const std::uint32_t*>(row)[x]);
    int i = row[x];
    if (!palette_ || i >= int(palette_->entries.size())) return 0;
    const PALETTEENTRY& e = palette_->entries[size_t(i)];
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

void TBitmap::SetPixel(int x, int y, TColor c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || !data_) return;
    std::uint8_t* row = data_.get() + size_t(y) * size_t(stride_);
    if (!IsIndexed())
        reinterpret_cast<std::uint32_t*>(row)[x] = ToWord(ColorToRGB(c));
    else
        row[x] = std::uint8_t(IndexOf(c));
}

int TBitmap::IndexOf(TColor c) const {
    if (!palette_) return 0;
    return GetNearestPaletteIndex(palette_, ColorToRGB(c));
}

void TBitmap::Changed(const TRect& r) {
    if (!OnChange) return;
    TRect clipped = IntersectRect(NormalizeRect(r), Rect(0, 0, width_, height_));
    if (!clipped.IsEmpty()) OnChange(clipped);
}

void TBitmap::Changed() {
    if (OnChange) OnChange(Rect(0, 0, width_, height_));
}
