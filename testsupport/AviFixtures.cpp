#include "AviFixtures.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

struct Encoded {
    std::vector<std::vector<std::uint8_t>> frames;
    std::vector<std::uint8_t> format; // strf of the video stream
    FOURCC handler = 0;
};

int bitsOf(FixtureCodec c) {
    switch (c) {
    case FixtureCodec::Raw8:
    case FixtureCodec::Rle8:
        return 8;
    case FixtureCodec::Rle4:
        return 4;
    case FixtureCodec::Raw16:
        return 16;
    case FixtureCodec::Raw32:
        return 32;
    default:
        return 24;
    }
}

std::vector<std::uint8_t> rleFrame(int w, int h, int index, bool four) {
    std::vector<std::uint8_t> out;
    std::uint8_t value = four ? std::uint8_t((index << 4) | index) : std::uint8_t(index);
    for (int y = 0; y < h; ++y) {
        for (int left = w; left > 0;) {
            int n = std::min(left, 254);
            out.push_back(std::uint8_t(n));
            out.push_back(value);
            left -= n;
        }
        out.push_back(0);
        out.push_back(0);
    }
    out.push_back(0);
    out.push_back(1);
    return out;
}

Encoded encode(const FixtureSpec& s) {
    Encoded e;
    const int bits = bitsOf(s.codec);
    BITMAPINFOHEADER bi;
    bi.biWidth = s.width;
    bi.biHeight = s.height;
    bi.biBitCount = std::uint16_t(bits);
    const std::size_t stride = std::size_t(DibRowBytes(s.width, bits));
    bi.biSizeImage = std::uint32_t(stride * std::size_t(s.height));
    std::vector<RGBQUAD> palette;
    if (bits <= 8) {
        palette.resize(bits == 4 ? 16 : 64);
        for (std::size_t i = 0; i < palette.size(); ++i) {
            TColor c = FrameColour(int(i));
            palette[i] = {std::uint8_t(GetBValue(c)), std::uint8_t(GetGValue(c)), std::uint8_t(GetRValue(c)),
                          0};
        }
        bi.biClrUsed = std::uint32_t(palette.size());
    }
    switch (s.codec) {
    case FixtureCodec::Rle8:
        bi.biCompression = BI_RLE8;
        e.handler = mmioFOURCC('m', 'r', 'l', 'e');
        break;
    case FixtureCodec::Rle4:
        bi.biCompression = BI_RLE4;
        e.handler = mmioFOURCC('m', 'r', 'l', 'e');
        break;
    case FixtureCodec::Mjpeg:
        bi.biCompression = mmioFOURCC('M', 'J', 'P', 'G');
        e.handler = bi.biCompression;
        break;
    default:
        e.handler = mmioFOURCC('D', 'I', 'B', ' ');
        break;
    }
    e.format.resize(sizeof bi + palette.size() * 4);
    std::memcpy(e.format.data(), &bi, sizeof bi);
    if (!palette.empty()) std::memcpy(e.format.data() + sizeof bi, palette.data(), palette.size() * 4);

    for (int n = 0; n < s.frames; ++n) {
        TColor c = FrameColour(n);
        std::vector<std::uint8_t> f;
        int index = n % int(palette.empty() ? 1 : palette.size());
        switch (s.codec) {
        case FixtureCodec::Mjpeg:
            f = EncodeJpeg(s.width, s.height, c);
            break;
        case FixtureCodec::Rle8:
        case FixtureCodec::Rle4:
            f = rleFrame(s.width, s.height, index, s.codec == FixtureCodec::Rle4);
            break;
        default: {
            f.assign(stride * std::size_t(s.height), 0);
            for (int y = 0; y < s.height; ++y) {
                std::uint8_t* row = f.data() + stride * std::size_t(y);
                for (int x = 0; x < s.width; ++x) {
                    if (bits == 8) {
                        row[x] = std::uint8_t(index);
                    } else if (bits == 16) {
                        std::uint16_t p = std::uint16_t(((GetRValue(c) >> 3) << 10) |
                                                        ((GetGValue(c) >> 3) << 5) | (GetBValue(c) >> 3));
                        row[2 * x] = std::uint8_t(p);
                        row[2 * x + 1] = std::uint8_t(p >> 8);
                    } else {
                        std::uint8_t* p = row + x * (bits / 8);
                        p[0] = std::uint8_t(GetBValue(c));
                        p[1] = std::uint8_t(GetGValue(c));
                        p[2] = std::uint8_t(GetRValue(c));
                    }
                }
            }
        }
        }
        e.frames.push_back(std::move(f));
    }
    return e;
}

} // namespace

TColor FrameColour(int n) {
    static const std::uint8_t levels[4] = {0x10, 0x60, 0xA8, 0xF0};
    int k = n % 64;
    return RGB(levels[k & 3], levels[(k >> 2) & 3], levels[(k >> 4) & 3]);
}

std::uint8_t SoundByte(std::size_t n) {
    return std::uint8_t((n * 7 + n / 251) & 0xFF);
}

std::vector<std::uint8_t> MakeAvi(const FixtureSpec& s) {
    Encoded enc = encode(s);
    AviVideoTrack v;
    v.width = s.width;
    v.height = s.height;
    v.handler = enc.handler;
    v.format = std::move(enc.format);
    v.compressed =
        s.codec == FixtureCodec::Mjpeg || s.codec == FixtureCodec::Rle8 || s.codec == FixtureCodec::Rle4;
    v.frames = std::move(enc.frames);

    std::optional<AviSoundTrack> sound;
    if (s.audio) {
        AviSoundTrack a;
        a.rate = s.audio->rate;
        a.bits = s.audio->bits;
        a.channels = s.audio->channels;
        const int blockAlign = a.channels * a.bits / 8;
        const int perChunk =
            s.audio->bytesPerChunk
                ? s.audio->bytesPerChunk
                : int(std::int64_t(s.audio->rate) * blockAlign * s.scale / s.rate) / blockAlign * blockAlign;
        std::size_t soundPos = 0;
        for (int n = 0; n < s.frames; ++n) {
            std::vector<std::uint8_t> pcm(static_cast<std::size_t>(perChunk));
            for (auto& b : pcm)
                b = SoundByte(soundPos++);
            a.chunks.push_back(std::move(pcm));
        }
        sound = std::move(a);
    }

    AviLayout layout;
    layout.scale = s.scale;
    layout.rate = s.rate;
    layout.index = s.index;
    layout.secondRiff = s.secondRiff;
    layout.lengthInHeader = s.lengthInHeader;
    layout.unpaddedOddChunks = s.unpaddedOddChunks;
    return AssembleAvi(v, sound, layout);
}

std::vector<std::uint8_t> MakeWav(int rate, int bits, int channels, std::size_t bytes) {
    WAVEFORMATEX wf;
    wf.nChannels = std::uint16_t(channels);
    wf.nSamplesPerSec = std::uint32_t(rate);
    wf.nBlockAlign = std::uint16_t(channels * bits / 8);
    wf.nAvgBytesPerSec = std::uint32_t(rate) * wf.nBlockAlign;
    wf.wBitsPerSample = std::uint16_t(bits);
    wf.cbSize = 0;
    std::vector<std::uint8_t> w;
    auto id = [&](const char* s) {
        for (int i = 0; i < 4; ++i)
            w.push_back(std::uint8_t(s[i]));
    };
    auto u32 = [&](std::size_t v) {
        for (int i = 0; i < 4; ++i)
            w.push_back(std::uint8_t(v >> (8 * i)));
    };
    id("RIFF");
    u32(0);
    id("WAVE");
    id("fmt ");
    u32(16);
    const auto* f = reinterpret_cast<const std::uint8_t*>(&wf);
    for (int i = 0; i < 16; ++i)
        w.push_back(f[i]);
    id("data");
    u32(bytes);
    for (std::size_t i = 0; i < bytes; ++i)
        w.push_back(SoundByte(i));
    if (bytes & 1) w.push_back(0);
    PutU32(w, 4, std::uint32_t(w.size() - 8));
    return w;
}

std::vector<std::uint8_t> EncodeJpeg(int width, int height, TColor colour, int quality) {
    TBitmap b(width, height, pf24bit);
    for (int y = 0; y < height; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < width; ++x)
            row[x] = TBitmap::ToWord(colour);
    }
    return EncodeJpeg(b, quality);
}

std::size_t FindFourCC(const std::vector<std::uint8_t>& b, const char* id, std::size_t from) {
    for (std::size_t i = from; i + 4 <= b.size(); ++i)
        if (std::memcmp(b.data() + i, id, 4) == 0) return i;
    return std::string::npos;
}
