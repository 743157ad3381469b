#include "FilmBuilder.h"

#include "AviAssembly.h"
#include "FileIO.h"
#include "MediaTypes.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <jpeglib.h>

namespace {

std::vector<std::uint8_t> dibBits(const TBitmap& f, int bits) {
    const std::size_t stride = std::size_t(DibRowBytes(f.Width(), bits));
    std::vector<std::uint8_t> out(stride * std::size_t(f.Height()), 0);
    for (int y = 0; y < f.Height(); ++y) {
        std::uint8_t* d = out.data() + stride * std::size_t(f.Height() - 1 - y);
        if (bits == 8) {
            std::memcpy(d, f.ScanLine(y), std::size_t(f.Width()));
        } else {
            for (int x = 0; x < f.Width(); ++x) {
                TColor c = f.GetPixel(x, y);
                d[3 * x] = std::uint8_t(GetBValue(c));
                d[3 * x + 1] = std::uint8_t(GetGValue(c));
                d[3 * x + 2] = std::uint8_t(GetRValue(c));
            }
        }
    }
    return out;
}

} // namespace

std::vector<std::uint8_t> EncodeRle8(const TBitmap& f) {
    if (f.PixelFormat() != pf8bit) throw std::invalid_argument("RLE8 needs an 8-bit frame");
    std::vector<std::uint8_t> out;
    const int w = f.Width();
    for (int y = f.Height() - 1; y >= 0; --y) {
        const std::uint8_t* row = f.ScanLine(y);
        int x = 0;
        while (x < w) {
            int run = 1;
            while (x + run < w && run < 255 && row[x + run] == row[x])
                ++run;
            if (run >= 2) {
                out.push_back(std::uint8_t(run));
                out.push_back(row[x]);
                x += run;
                continue;
            }
            // A stretch of changing pixels, up to where a run of two starts.
            int n = 1;
            while (x + n < w && n < 255 && !(x + n + 1 < w && row[x + n] == row[x + n + 1]))
                ++n;
            if (n < 3) { // absolute mode needs three pixels at least
                for (int k = 0; k < n; ++k) {
                    out.push_back(1);
                    out.push_back(row[x + k]);
                }
            } else {
                out.push_back(0);
                out.push_back(std::uint8_t(n));
                out.insert(out.end(), row + x, row + x + n);
                if (n & 1) out.push_back(0);
            }
            x += n;
        }
        out.push_back(0);
        out.push_back(0);
    }
    out.push_back(0);
    out.push_back(1);
    return out;
}

std::vector<std::uint8_t> MakeFilm(const FilmSpec& s) {
    if (s.frames.empty()) throw std::invalid_argument("a film needs frames");
    const TBitmap& first = s.frames.front();
    for (const TBitmap& f : s.frames) {
        if (f.Width() != first.Width() || f.Height() != first.Height())
            throw std::invalid_argument("film frames differ in size");
        if (s.coding == FilmCoding::Rle8 && f.PixelFormat() != pf8bit)
            throw std::invalid_argument("RLE8 needs 8-bit frames");
    }
    const bool indexed = s.coding != FilmCoding::Mjpeg && first.PixelFormat() == pf8bit;
    const int bits = indexed ? 8 : 24;

    AviVideoTrack v;
    v.width = first.Width();
    v.height = first.Height();
    BITMAPINFOHEADER bi;
    bi.biWidth = v.width;
    bi.biHeight = v.height;
    bi.biBitCount = std::uint16_t(bits);
    bi.biSizeImage = std::uint32_t(DibRowBytes(v.width, bits) * v.height);
    std::vector<std::uint8_t> table;
    if (indexed) {
        for (const PALETTEENTRY& e : first.Palette()->entries) {
            table.push_back(e.peBlue);
            table.push_back(e.peGreen);
            table.push_back(e.peRed);
            table.push_back(0);
        }
        bi.biClrUsed = std::uint32_t(table.size() / 4);
    }
    switch (s.coding) {
    case FilmCoding::Rle8:
        bi.biCompression = BI_RLE8;
        v.handler = mmioFOURCC('m', 'r', 'l', 'e');
        v.compressed = true;
        break;
    case FilmCoding::Mjpeg:
        bi.biCompression = mmioFOURCC('M', 'J', 'P', 'G');
        v.handler = bi.biCompression;
        v.compressed = true;
        break;
    case FilmCoding::Raw:
        v.handler = mmioFOURCC('D', 'I', 'B', ' ');
        break;
    }
    v.format.resize(sizeof bi);
    std::memcpy(v.format.data(), &bi, sizeof bi);
    v.format.insert(v.format.end(), table.begin(), table.end());
    for (const TBitmap& f : s.frames) {
        switch (s.coding) {
        case FilmCoding::Rle8:
            v.frames.push_back(EncodeRle8(f));
            break;
        case FilmCoding::Mjpeg:
            v.frames.push_back(EncodeJpeg(f, s.jpegQuality));
            break;
        case FilmCoding::Raw:
            v.frames.push_back(dibBits(f, bits));
            break;
        }
    }

    std::optional<AviSoundTrack> sound;
    if (s.sound) {
        AviSoundTrack a;
        a.rate = s.sound->rate;
        a.bits = s.sound->bits;
        a.channels = s.sound->channels;
        const std::size_t align = std::size_t(std::max(1, a.channels * a.bits / 8));
        const std::size_t blocks = s.sound->samples.size() / align;
        const std::size_t n = s.frames.size();
        for (std::size_t k = 0; k < n; ++k) {
            std::size_t from = blocks * k / n * align, to = blocks * (k + 1) / n * align;
            a.chunks.emplace_back(s.sound->samples.begin() + std::ptrdiff_t(from),
                                  s.sound->samples.begin() + std::ptrdiff_t(to));
        }
        sound = std::move(a);
    }
    AviLayout layout;
    layout.scale = s.scale;
    layout.rate = s.rate;
    return AssembleAvi(v, sound, layout);
}

std::vector<std::uint8_t> EncodeJpeg(const TBitmap& picture, int quality) {
    JpegSpec spec;
    spec.width = picture.Width();
    spec.height = picture.Height();
    spec.quality = quality;
    spec.fillRow = [&](int y, std::uint8_t* row) {
        for (int x = 0; x < picture.Width(); ++x) {
            TColor p = picture.GetPixel(x, y);
            row[std::size_t(x) * 3] = std::uint8_t(GetRValue(p));
            row[std::size_t(x) * 3 + 1] = std::uint8_t(GetGValue(p));
            row[std::size_t(x) * 3 + 2] = std::uint8_t(GetBValue(p));
        }
    };
    return EncodeJpeg(spec);
}

std::vector<std::uint8_t> EncodeJpeg(const JpegSpec& spec) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = JDIMENSION(spec.width);
    c.image_height = JDIMENSION(spec.height);
    switch (spec.colours) {
    case JpegColours::Rgb:
        c.input_components = 3;
        c.in_color_space = JCS_RGB;
        break;
    case JpegColours::Grey:
        c.input_components = 1;
        c.in_color_space = JCS_GRAYSCALE;
        break;
    case JpegColours::Cmyk:
        c.input_components = 4;
        c.in_color_space = JCS_CMYK;
        break;
    }
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, spec.quality, TRUE);
    std::vector<jpeg_scan_info> script;
    for (const JpegScan& s : spec.scans) {
        jpeg_scan_info i{};
        i.comps_in_scan = 1;
        i.component_index[0] = 0;
        i.Ss = s.ss, i.Se = s.se, i.Ah = s.ah, i.Al = s.al;
        script.push_back(i);
    }
    if (!script.empty()) {
        c.scan_info = script.data();
        c.num_scans = int(script.size());
    }
    jpeg_start_compress(&c, TRUE);
    std::vector<std::uint8_t> row(std::size_t(spec.width) * std::size_t(c.input_components));
    while (c.next_scanline < c.image_height) {
        spec.fillRow(int(c.next_scanline), row.data());
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<std::uint8_t> out(mem, mem + size);
    std::free(mem);
    return out;
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    writeFileReplacing(path, bytes);
}

void DamageFile(std::vector<std::uint8_t>& b, std::mt19937& rng) {
    const int edits = 1 + int(rng() % 8);
    for (int e = 0; e < edits && !b.empty(); ++e) {
        const std::size_t at = rng() % b.size();
        switch (rng() % 4) {
        case 0:
            b[at] = std::uint8_t(rng());
            break;
        case 1: // a size-like word
            if (at + 4 <= b.size())
                PutU32(b, at, rng() % 3 == 0 ? 0xFFFFFFFFu - (rng() % 16) : std::uint32_t(rng() % 100000));
            break;
        case 2:
            b.resize(at + 1);
            break;
        default:
            b[at] ^= std::uint8_t(1u << (rng() % 8));
            break;
        }
    }
}
