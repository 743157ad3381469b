#include "AviAssembly.h"

#include <cstring>
#include <string>

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

struct IndexEntry {
    int stream;
    std::size_t header; // offset of the chunk header
    std::uint32_t size;
};

void streamHeader(RiffWriter& w, const char* type, FOURCC handler, std::uint32_t scale, std::uint32_t rate,
                  std::uint32_t length, std::uint32_t sampleSize, int width, int height) {
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

std::vector<std::uint8_t> AssembleAvi(const AviVideoTrack& video, const std::optional<AviSoundTrack>& sound,
                                      const AviLayout& s) {
    RiffWriter w;
    w.unpadded = s.unpaddedOddChunks;
    const int frames = int(video.frames.size());
    const bool odml = s.index == FixtureIndex::OpenDML;
    const int riffs = s.secondRiff ? 2 : 1;
    const int nStreams = sound ? 2 : 1;
    const int split = s.secondRiff ? frames / 2 : frames;
    const char* videoId = video.compressed ? "00dc" : "00db";
    const int blockAlign = sound ? sound->channels * sound->bits / 8 : 0;
    std::uint32_t videoLength = s.lengthInHeader ? *s.lengthInHeader : std::uint32_t(frames);

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
    w.u32(std::uint32_t(video.width));
    w.u32(std::uint32_t(video.height));
    for (int i = 0; i < 4; ++i)
        w.u32(0);

    std::size_t superAt[2] = {0, 0};
    std::size_t strl = w.list("LIST", "strl");
    streamHeader(w, "vids", video.handler, s.scale, s.rate, videoLength, 0, video.width, video.height);
    w.chunk("strf", video.format.data(), video.format.size());
    if (odml) superAt[0] = superIndex(w, "00dc", riffs);
    w.end(strl);
    if (sound) {
        strl = w.list("LIST", "strl");
        std::size_t soundBytes = 0;
        for (const auto& c : sound->chunks)
            soundBytes += c.size();
        std::uint32_t totalAudio = blockAlign ? std::uint32_t(soundBytes / std::size_t(blockAlign)) : 0;
        streamHeader(w, "auds", 0, 1, std::uint32_t(sound->rate), totalAudio, std::uint32_t(blockAlign), 0,
                     0);
        WAVEFORMATEX wf;
        wf.wFormatTag = WAVE_FORMAT_PCM;
        wf.nChannels = std::uint16_t(sound->channels);
        wf.nSamplesPerSec = std::uint32_t(sound->rate);
        wf.nAvgBytesPerSec = std::uint32_t(sound->rate * blockAlign);
        wf.nBlockAlign = std::uint16_t(blockAlign);
        wf.wBitsPerSample = std::uint16_t(sound->bits);
        wf.cbSize = 0;
        w.chunk("strf", &wf, sizeof wf);
        if (odml) superAt[1] = superIndex(w, "01wb", riffs);
        w.end(strl);
    }
    w.end(hdrl);

    std::vector<IndexEntry> entries;
    std::size_t moviOfFirst = 0;
    int frame = 0;
    for (int r = 0; r < riffs; ++r) {
        std::size_t riffAt = riff;
        if (r > 0) riffAt = w.list("RIFF", "AVIX");
        std::size_t movi = w.list("LIST", "movi");
        if (r == 0) moviOfFirst = movi + 8;
        std::vector<IndexEntry> here;
        int last = r == 0 ? split : frames;
        for (; frame < last; ++frame) {
            const auto& f = video.frames[std::size_t(frame)];
            here.push_back({0, w.chunk(videoId, f.data(), f.size()), std::uint32_t(f.size())});
            if (sound && std::size_t(frame) < sound->chunks.size()) {
                const auto& pcm = sound->chunks[std::size_t(frame)];
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
                const char* cid = e.stream == 0 ? videoId : "01wb";
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

void PutU32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b.at(at + std::size_t(i)) = std::uint8_t(v >> (8 * i));
}

std::uint32_t GetU32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return std::uint32_t(b.at(at)) | (std::uint32_t(b.at(at + 1)) << 8) |
           (std::uint32_t(b.at(at + 2)) << 16) | (std::uint32_t(b.at(at + 3)) << 24);
}
