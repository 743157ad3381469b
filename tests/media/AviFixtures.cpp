#include "AviFixtures.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <stdexcept>

#include <jpeglib.h>

namespace {

class RiffWriter {
public:
    std::vector<std::uint8_t> b;
    bool unpadded = false;

    void u8(std::uint8_t v) { b.push_back(v); }
    void u16(std::uint16_t v) {
        u8(std::uint8_t(v));
        u8(std::uint8_t(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(std::uint16_t(v));
        u16(std::uint16_t(v >> 16));
    }
    void u64(std::uint64_t v) {
        u32(std::uint32_t(v));
        u32(std::uint32_t(v >> 32));
    }
    void id(const char* s) {
        for (int i = 0; i < 4; ++i)
            b.push_back(std::uint8_t(s[i]));
    }
    void bytes(const void* p, std::size_t n) {
        auto* c = static_cast<const std::uint8_t*>(p);
        b.insert(b.end(), c, c + n);
    }
    std::size_t list(const char* kind, const char* type) {
        std::size_t at = b.size();
        id(kind);
        u32(0);
        id(type);
        return at;
    }
    void end(std::size_t at) { PutU32(b, at + 4, std::uint32_t(b.size() - at - 8)); }
    // Returns the offset of the chunk header.
    std::size_t chunk(const char* cid, const void* data, std::size_t n) {
        std::size_t at = b.size();
        id(cid);
        u32(std::uint32_t(n));
        bytes(data, n);
        if ((n & 1) && !unpadded) u8(0);
        return at;
    }
};

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

struct IndexEntry {
    int stream;
    std::size_t header; // offset of the chunk header
    std::uint32_t size;
};

void streamHeader(RiffWriter& w, const char* type, FOURCC handler, std::uint32_t scale, std::uint32_t rate,
                  std::uint32_t length, std::uint32_t sampleSize, int width, int height) {
    std::size_t strh = w.b.size();
    w.id("strh");
    w.u32(56);
    w.id(type);
    w.u32(handler);
    w.u32(0); // flags
    w.u16(0); // priority
    w.u16(0); // language
    w.u32(0); // initial frames
    w.u32(scale);
    w.u32(rate);
    w.u32(0); // start
    w.u32(length);
    w.u32(0); // suggested buffer size
    w.u32(0xFFFFFFFFu);
    w.u32(sampleSize);
    w.u16(0);
    w.u16(0);
    w.u16(std::uint16_t(width));
    w.u16(std::uint16_t(height));
    (void)strh;
}

// Reserves a super index of `entries` entries; returns the offset of its first entry.
std::size_t superIndex(RiffWriter& w, const char* chunkId, int entries) {
    w.id("indx");
    w.u32(std::uint32_t(24 + 16 * entries));
    w.u16(4);
    w.u8(0);
    w.u8(0); // an index of indexes
    w.u32(std::uint32_t(entries));
    w.id(chunkId);
    w.u32(0);
    w.u32(0);
    w.u32(0);
    std::size_t at = w.b.size();
    for (int i = 0; i < entries * 16; ++i)
        w.u8(0);
    return at;
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
    RiffWriter w;
    w.unpadded = s.unpaddedOddChunks;
    const bool odml = s.index == FixtureIndex::OpenDML;
    const int riffs = s.secondRiff ? 2 : 1;
    const int nStreams = s.audio ? 2 : 1;
    const int split = s.secondRiff ? s.frames / 2 : s.frames;

    int blockAlign = 0, audioPerChunk = 0;
    if (s.audio) {
        blockAlign = s.audio->channels * s.audio->bits / 8;
        audioPerChunk =
            s.audio->bytesPerChunk
                ? s.audio->bytesPerChunk
                : int(std::int64_t(s.audio->rate) * blockAlign * s.scale / s.rate) / blockAlign * blockAlign;
    }
    std::uint32_t videoLength = s.lengthInHeader ? *s.lengthInHeader : std::uint32_t(s.frames);

    std::size_t riff = w.list("RIFF", "AVI ");
    std::size_t hdrl = w.list("LIST", "hdrl");
    w.id("avih");
    w.u32(56);
    w.u32(s.rate ? std::uint32_t(1000000ull * s.scale / s.rate) : 0);
    w.u32(0);
    w.u32(0);
    w.u32(0x10); // has index
    w.u32(std::uint32_t(split));
    w.u32(0);
    w.u32(std::uint32_t(nStreams));
    w.u32(0);
    w.u32(std::uint32_t(s.width));
    w.u32(std::uint32_t(s.height));
    for (int i = 0; i < 4; ++i)
        w.u32(0);

    std::size_t superAt[2] = {0, 0};
    std::size_t strl = w.list("LIST", "strl");
    streamHeader(w, "vids", enc.handler, s.scale, s.rate, videoLength, 0, s.width, s.height);
    w.chunk("strf", enc.format.data(), enc.format.size());
    if (odml) superAt[0] = superIndex(w, "00dc", riffs);
    w.end(strl);
    if (s.audio) {
        strl = w.list("LIST", "strl");
        std::uint32_t totalAudio = std::uint32_t(audioPerChunk / blockAlign * s.frames);
        streamHeader(w, "auds", 0, 1, std::uint32_t(s.audio->rate), totalAudio, std::uint32_t(blockAlign), 0,
                     0);
        WAVEFORMATEX wf;
        wf.wFormatTag = WAVE_FORMAT_PCM;
        wf.nChannels = std::uint16_t(s.audio->channels);
        wf.nSamplesPerSec = std::uint32_t(s.audio->rate);
        wf.nAvgBytesPerSec = std::uint32_t(s.audio->rate * blockAlign);
        wf.nBlockAlign = std::uint16_t(blockAlign);
        wf.wBitsPerSample = std::uint16_t(s.audio->bits);
        wf.cbSize = 0;
        w.chunk("strf", &wf, sizeof wf);
        if (odml) superAt[1] = superIndex(w, "01wb", riffs);
        w.end(strl);
    }
    w.end(hdrl);

    std::vector<IndexEntry> entries;
    std::size_t soundPos = 0;
    std::size_t moviOfFirst = 0;
    int frame = 0;
    for (int r = 0; r < riffs; ++r) {
        std::size_t riffAt = riff;
        if (r > 0) riffAt = w.list("RIFF", "AVIX");
        std::size_t movi = w.list("LIST", "movi");
        if (r == 0) moviOfFirst = movi + 8;
        std::vector<IndexEntry> here;
        int last = r == 0 ? split : s.frames;
        for (; frame < last; ++frame) {
            const auto& f = enc.frames[std::size_t(frame)];
            here.push_back({0,
                            w.chunk(s.codec == FixtureCodec::Mjpeg || s.codec == FixtureCodec::Rle8 ||
                                            s.codec == FixtureCodec::Rle4
                                        ? "00dc"
                                        : "00db",
                                    f.data(), f.size()),
                            std::uint32_t(f.size())});
            if (s.audio) {
                std::vector<std::uint8_t> pcm(static_cast<std::size_t>(audioPerChunk));
                for (auto& v : pcm)
                    v = SoundByte(soundPos++);
                here.push_back({1, w.chunk("01wb", pcm.data(), pcm.size()), std::uint32_t(pcm.size())});
            }
        }
        if (odml) {
            for (int st = 0; st < nStreams; ++st) {
                std::size_t ix = w.b.size();
                w.id(st == 0 ? "ix00" : "ix01");
                w.u32(0);
                std::size_t count = 0;
                for (auto& e : here)
                    count += e.stream == st;
                w.u16(2);
                w.u8(0);
                w.u8(1); // an index of chunks
                w.u32(std::uint32_t(count));
                w.id(st == 0 ? "00dc" : "01wb");
                w.u64(0); // base offset: offsets are absolute
                w.u32(0);
                for (auto& e : here)
                    if (e.stream == st) {
                        w.u32(std::uint32_t(e.header + 8));
                        w.u32(e.size);
                    }
                w.end(ix);
                std::size_t entry = superAt[st] + std::size_t(r) * 16;
                PutU32(w.b, entry, std::uint32_t(ix));
                PutU32(w.b, entry + 4, 0);
                PutU32(w.b, entry + 8, std::uint32_t(w.b.size() - ix));
                PutU32(w.b, entry + 12, std::uint32_t(count));
            }
        }
        w.end(movi);
        entries.insert(entries.end(), here.begin(), here.end());
        if (r == 0 && (s.index == FixtureIndex::Idx1 || s.index == FixtureIndex::Idx1Absolute)) {
            std::vector<std::uint8_t> idx;
            for (auto& e : entries) {
                const char* cid =
                    e.stream == 0 ? (s.codec == FixtureCodec::Raw24 || s.codec == FixtureCodec::Raw8 ||
                                             s.codec == FixtureCodec::Raw16 || s.codec == FixtureCodec::Raw32
                                         ? "00db"
                                         : "00dc")
                                  : "01wb";
                std::size_t at = idx.size();
                idx.resize(at + 16);
                std::memcpy(idx.data() + at, cid, 4);
                PutU32(idx, at + 4, 0x10);
                std::uint32_t off =
                    std::uint32_t(s.index == FixtureIndex::Idx1 ? e.header - moviOfFirst : e.header);
                PutU32(idx, at + 8, off);
                PutU32(idx, at + 12, e.size);
            }
            w.chunk("idx1", idx.data(), idx.size());
        }
        w.end(riffAt);
    }
    return w.b;
}

std::vector<std::uint8_t> MakeWav(int rate, int bits, int channels, std::size_t bytes) {
    RiffWriter w;
    std::size_t riff = w.list("RIFF", "WAVE");
    WAVEFORMATEX wf;
    wf.nChannels = std::uint16_t(channels);
    wf.nSamplesPerSec = std::uint32_t(rate);
    wf.nBlockAlign = std::uint16_t(channels * bits / 8);
    wf.nAvgBytesPerSec = std::uint32_t(rate) * wf.nBlockAlign;
    wf.wBitsPerSample = std::uint16_t(bits);
    wf.cbSize = 0;
    w.chunk("fmt ", &wf, 16);
    std::vector<std::uint8_t> pcm(bytes);
    for (std::size_t i = 0; i < bytes; ++i)
        pcm[i] = SoundByte(i);
    w.chunk("data", pcm.data(), pcm.size());
    w.end(riff);
    return w.b;
}

std::vector<std::uint8_t> EncodeJpeg(int width, int height, TColor colour, int quality) {
    jpeg_compress_struct c{};
    jpeg_error_mgr err{};
    c.err = jpeg_std_error(&err);
    jpeg_create_compress(&c);
    unsigned char* mem = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&c, &mem, &size);
    c.image_width = JDIMENSION(width);
    c.image_height = JDIMENSION(height);
    c.input_components = 3;
    c.in_color_space = JCS_RGB;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, quality, TRUE);
    jpeg_start_compress(&c, TRUE);
    std::vector<std::uint8_t> row(std::size_t(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[std::size_t(x) * 3] = std::uint8_t(GetRValue(colour));
        row[std::size_t(x) * 3 + 1] = std::uint8_t(GetGValue(colour));
        row[std::size_t(x) * 3 + 2] = std::uint8_t(GetBValue(colour));
    }
    while (c.next_scanline < c.image_height) {
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
    std::ofstream f(path, std::ios::binary);
    f.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
    if (!f) throw std::runtime_error("cannot write " + path);
}

void PutU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.at(at + std::size_t(i)) = std::uint8_t(v >> (8 * i));
}

std::uint32_t GetU32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b.at(at)) | (std::uint32_t(b.at(at + 1)) << 8) |
           (std::uint32_t(b.at(at + 2)) << 16) | (std::uint32_t(b.at(at + 3)) << 24);
}

std::size_t FindFourCC(const std::vector<std::uint8_t>& b, const char* id, std::size_t from) {
    for (std::size_t i = from; i + 4 <= b.size(); ++i)
        if (std::memcmp(b.data() + i, id, 4) == 0) return i;
    return std::string::npos;
}
