#include "FilmWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <jpeglib.h>

namespace {
using Bytes = std::vector<std::uint8_t>;

void put32(Bytes& b, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(v >> (8 * i)));
}
void put16(Bytes& b, std::uint16_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void id(Bytes& b, const char* s) {
    for (int i = 0; i < 4; ++i)
        b.push_back(std::uint8_t(s[i]));
}
void patch32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + std::size_t(i)] = std::uint8_t(v >> (8 * i));
}

// Top-down RGB rows of frame n.
Bytes picture(int w, int h, int n) {
    Bytes rgb(std::size_t(w) * std::size_t(h) * 3);
    std::uint32_t seed = 2463534242u + std::uint32_t(n);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            seed ^= seed << 13;
            seed ^= seed >> 17;
            seed ^= seed << 5;
            int noise = int(seed & 15) - 8;
            int xs = x + 3 * n, ys = y + n;
            bool edge = ((xs / 40) + (ys / 40)) % 2;
            std::uint8_t* p = rgb.data() + (std::size_t(y) * std::size_t(w) + std::size_t(x)) * 3;
            p[0] = std::uint8_t(std::clamp(xs * 255 / (w + 3 * n + 1) + noise, 0, 255));
            p[1] = std::uint8_t(std::clamp(ys * 255 / (h + n + 1) + (edge ? 40 : 0) + noise, 0, 255));
            p[2] = std::uint8_t(std::clamp((edge ? 200 : 60) + noise, 0, 255));
        }
    return rgb;
}

Bytes jpeg(const Bytes& rgb, int w, int h) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = JDIMENSION(w);
    c.image_height = JDIMENSION(h);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 85, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        JSAMPROW r =
            const_cast<std::uint8_t*>(rgb.data()) + std::size_t(c.next_scanline) * std::size_t(w) * 3;
        jpeg_write_scanlines(&c, &r, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    Bytes out(mem, mem + size);
    std::free(mem);
    return out;
}

Bytes dib(const Bytes& rgb, int w, int h) {
    std::size_t stride = (std::size_t(w) * 3 + 3) & ~std::size_t(3);
    Bytes out(stride * std::size_t(h), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const std::uint8_t* s = rgb.data() + (std::size_t(y) * std::size_t(w) + std::size_t(x)) * 3;
            std::uint8_t* d = out.data() + stride * std::size_t(h - 1 - y) + std::size_t(x) * 3;
            d[0] = s[2];
            d[1] = s[1];
            d[2] = s[0];
        }
    return out;
}
} // namespace

bool WriteBenchFilm(const std::string& path, bool mjpeg, int frames, int w, int h) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    Bytes b;
    id(b, "RIFF");
    put32(b, 0);
    id(b, "AVI ");
    id(b, "LIST");
    std::size_t hdrl = b.size();
    put32(b, 0);
    id(b, "hdrl");
    id(b, "avih");
    put32(b, 56);
    put32(b, 40000); // 25 fps
    for (int i = 0; i < 3; ++i)
        put32(b, 0);
    put32(b, std::uint32_t(frames));
    put32(b, 0);
    put32(b, 1);
    put32(b, 0);
    put32(b, std::uint32_t(w));
    put32(b, std::uint32_t(h));
    for (int i = 0; i < 4; ++i)
        put32(b, 0);
    id(b, "LIST");
    std::size_t strl = b.size();
    put32(b, 0);
    id(b, "strl");
    id(b, "strh");
    put32(b, 56);
    id(b, "vids");
    id(b, mjpeg ? "MJPG" : "DIB ");
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 1);
    put32(b, 25);
    put32(b, 0);
    put32(b, std::uint32_t(frames));
    put32(b, 0);
    put32(b, 0xFFFFFFFFu);
    put32(b, 0);
    put16(b, 0);
    put16(b, 0);
    put16(b, std::uint16_t(w));
    put16(b, std::uint16_t(h));
    id(b, "strf");
    put32(b, 40);
    put32(b, 40);
    put32(b, std::uint32_t(w));
    put32(b, std::uint32_t(h));
    put16(b, 1);
    put16(b, 24);
    if (mjpeg)
        id(b, "MJPG");
    else
        put32(b, 0);
    put32(b, std::uint32_t(((std::size_t(w) * 3 + 3) & ~std::size_t(3)) * std::size_t(h)));
    for (int i = 0; i < 4; ++i)
        put32(b, 0);
    patch32(b, strl, std::uint32_t(b.size() - strl - 4));
    patch32(b, hdrl, std::uint32_t(b.size() - hdrl - 4));
    id(b, "LIST");
    std::size_t movi = b.size();
    put32(b, 0);
    id(b, "movi");

    Bytes index;
    std::uint64_t written = 0;
    auto flush = [&] {
        written += b.size();
        bool ok = std::fwrite(b.data(), 1, b.size(), f) == b.size();
        b.clear();
        return ok;
    };
    std::uint64_t moviAt = movi + 4; // offset of the 'movi' word
    std::uint64_t pos = b.size();
    Bytes head = b;
    // The header sizes are patched at the end: keep the header in memory and stream frames.
    b.clear();
    std::fwrite(head.data(), 1, head.size(), f);
    written = head.size();
    for (int n = 0; n < frames; ++n) {
        Bytes rgb = picture(w, h, n);
        Bytes data = mjpeg ? jpeg(rgb, w, h) : dib(rgb, w, h);
        id(index, mjpeg ? "00dc" : "00db");
        put32(index, 0x10);
        put32(index, std::uint32_t(pos - moviAt));
        put32(index, std::uint32_t(data.size()));
        id(b, mjpeg ? "00dc" : "00db");
        put32(b, std::uint32_t(data.size()));
        b.insert(b.end(), data.begin(), data.end());
        if (data.size() & 1) b.push_back(0);
        pos += b.size();
        if (!flush()) break;
    }
    std::uint32_t moviSize = std::uint32_t(pos - movi - 4);
    id(b, "idx1");
    put32(b, std::uint32_t(index.size()));
    b.insert(b.end(), index.begin(), index.end());
    flush();
    std::uint32_t riffSize = std::uint32_t(written - 8);
    std::fseek(f, 4, SEEK_SET);
    std::fwrite(&riffSize, 4, 1, f);
    std::fseek(f, long(movi), SEEK_SET);
    std::fwrite(&moviSize, 4, 1, f);
    return std::fclose(f) == 0;
}
