#include "CodecFixtures.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {
void put16(std::vector<std::uint8_t>& v, std::uint32_t x) {
    v.push_back(x & 0xFF);
    v.push_back((x >> 8) & 0xFF);
}
void put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}
} // namespace

std::vector<std::uint8_t> MakeBmp(const BmpSpec& s) {
    std::vector<std::uint8_t> info;
    if (s.headerSize == 12) {
        put32(info, 12);
        put16(info, std::uint32_t(s.width));
        put16(info, std::uint32_t(s.height));
        put16(info, 1);
        put16(info, std::uint32_t(s.bpp));
    } else {
        put32(info, s.headerSize);
        put32(info, std::uint32_t(s.width));
        put32(info, std::uint32_t(s.height));
        put16(info, 1);
        put16(info, std::uint32_t(s.bpp));
        put32(info, s.compression);
        put32(info, std::uint32_t(s.pixels.size()));
        put32(info, 2835);
        put32(info, 2835);
        put32(info, s.clrUsed);
        put32(info, 0);
        if (s.headerSize > 40)
            for (std::uint32_t m : s.masks)
                put32(info, m);
        info.resize(s.headerSize, 0);
        if (s.headerSize == 40)
            for (std::uint32_t m : s.masks)
                put32(info, m);
    }
    for (std::uint32_t c : s.palette) {
        info.push_back(c & 0xFF);
        info.push_back((c >> 8) & 0xFF);
        info.push_back((c >> 16) & 0xFF);
        if (s.headerSize != 12) info.push_back(0);
    }
    std::vector<std::uint8_t> f;
    f.push_back('B');
    f.push_back('M');
    const std::uint32_t off = 14 + std::uint32_t(info.size());
    put32(f, off + std::uint32_t(s.pixels.size()));
    put32(f, 0);
    put32(f, s.offBits ? *s.offBits : off);
    f.insert(f.end(), info.begin(), info.end());
    f.insert(f.end(), s.pixels.begin(), s.pixels.end());
    return f;
}

std::vector<std::uint8_t> PadRows(const std::vector<std::vector<std::uint8_t>>& rows) {
    std::vector<std::uint8_t> out;
    for (const auto& r : rows) {
        out.insert(out.end(), r.begin(), r.end());
        out.resize((out.size() + 3) / 4 * 4, 0);
    }
    return out;
}

TBitmap TestPicture(int width, int height) {
    TBitmap b(width, height, pf24bit);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < width; ++x) {
            int r = x * 255 / std::max(1, width - 1);
            int g = y * 255 / std::max(1, height - 1);
            int bl = int(127.5 + 127.5 * std::sin((x + y) * 0.05));
            if ((x / 40 + y / 40) % 5 == 0) r = 255 - r, g = 255 - g; // some hard edges
            row[x] = TBitmap::ToWord(RGB(r, g, bl));
        }
    }
    return b;
}

void Mutate(std::vector<std::uint8_t>& f, SeededRandom& rnd) {
    if (f.empty()) {
        f.push_back(std::uint8_t(rnd.next()));
        return;
    }
    // Most damage goes to the first bytes, where the headers are.
    auto pos = [&] {
        return rnd.below(4) == 0 ? rnd.below(f.size()) : rnd.below(std::min<std::size_t>(f.size(), 128));
    };
    switch (rnd.below(6)) {
    case 0:
        f[pos()] ^= std::uint8_t(1u << rnd.below(8));
        break;
    case 1:
        f[pos()] = std::uint8_t(rnd.next());
        break;
    case 2:
        f[pos()] = rnd.below(2) ? 0xFF : 0x00;
        break;
    case 3: {
        std::size_t p = pos();
        for (std::size_t k = 0; k < 4 && p + k < f.size(); ++k)
            f[p + k] = rnd.below(2) ? 0xFF : 0x7F;
        break;
    }
    case 4:
        f.resize(rnd.below(f.size()));
        break;
    case 5:
        f.insert(f.begin() + std::ptrdiff_t(pos()), std::uint8_t(rnd.next()));
        break;
    }
}

int FuzzIterations(int fallback) {
    if (const char* e = std::getenv("ORVANTA_FUZZ_ITERATIONS")) {
        int n = std::atoi(e);
        if (n > 0) return n;
    }
    return fallback;
}

namespace {
// A "VmRSS:" style line of /proc/self/status, in bytes; -1 when absent.
[[maybe_unused]] long long statusBytes(const char* key) {
    std::FILE* f = std::fopen("/proc/self/status", "r");
    if (!f) return -1;
    char line[256];
    long long kb = -1;
    const std::size_t n = std::strlen(key);
    while (std::fgets(line, sizeof line, f))
        if (std::strncmp(line, key, n) == 0) kb = std::atoll(line + n);
    std::fclose(f);
    return kb < 0 ? -1 : kb * 1024;
}
} // namespace

long long PeakMemoryGrowth(const std::function<void()>& work) {
#if defined(__SANITIZE_ADDRESS__)
    // The sanitizer's shadow memory and quarantine count in the process's resident size.
    work();
    return -1;
#else
    // Writing 5 to clear_refs resets the high-water mark to the present size.
    std::FILE* f = std::fopen("/proc/self/clear_refs", "w");
    const bool reset = f && std::fputs("5", f) >= 0;
    if (f && std::fclose(f) != 0) return -1;
    const long long before = statusBytes("VmRSS:");
    work();
    const long long peak = statusBytes("VmHWM:");
    if (!reset || before < 0 || peak < 0) return -1;
    return peak - before;
#endif
}
