#include "CodedFilms.h"

#include <cmath>
#include <cstring>
#include <stdexcept>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace {

using Bytes = std::vector<std::uint8_t>;

void check(bool ok, const char* what) {
    if (!ok) throw std::runtime_error(std::string("coded film: ") + what);
}

struct Packet {
    Bytes data;
    bool key = false;
};

// ---- video ------------------------------------------------------------------------------------

struct Encoded {
    std::vector<Packet> packets;
    int codecId = 0;
    Bytes extradata;
};

void drawFrame(AVFrame* f, int n) {
    // Luma: diagonal stripes moving right and a gradient; chroma: slow sweeps.
    for (int y = 0; y < f->height; ++y)
        for (int x = 0; x < f->width; ++x)
            f->data[0][y * f->linesize[0] + x] =
                std::uint8_t(40 + ((x + y + 3 * n) / 6 % 2) * 120 + (x * 60) / f->width);
    const AVPixFmtDescriptor* d = av_pix_fmt_desc_get(AVPixelFormat(f->format));
    const int cw = AV_CEIL_RSHIFT(f->width, d->log2_chroma_w),
              ch = AV_CEIL_RSHIFT(f->height, d->log2_chroma_h);
    for (int y = 0; y < ch; ++y)
        for (int x = 0; x < cw; ++x) {
            f->data[1][y * f->linesize[1] + x] = std::uint8_t(128 + 60 * std::sin((x + n) * 0.3));
            f->data[2][y * f->linesize[2] + x] = std::uint8_t(128 + 60 * std::cos((y - n) * 0.25));
        }
}

Encoded encodeVideo(const CodedVideo& v) {
    const AVCodec* codec = avcodec_find_encoder_by_name(v.encoder.c_str());
    check(codec, "no encoder");
    AVCodecContext* c = avcodec_alloc_context3(codec);
    c->width = v.width;
    c->height = v.height;
    c->time_base = {1, 25};
    c->framerate = {25, 1};
    c->pix_fmt = v.pixelFormat >= 0 ? AVPixelFormat(v.pixelFormat) : codec->pix_fmts[0];
    c->gop_size = v.gop;
    c->max_b_frames = v.bFrames;
    c->thread_count = 1;
    c->bit_rate = 400000;
    // Groups of pictures closed at their key frames, as common encoders write them.
    if (v.bFrames > 0) c->flags |= AV_CODEC_FLAG_CLOSED_GOP;
    if (v.encoder == "mjpeg") {
        c->flags |= AV_CODEC_FLAG_QSCALE;
        c->global_quality = FF_QP2LAMBDA * 3;
        c->color_range = AVCOL_RANGE_JPEG;
    }
    AVDictionary* opts = nullptr;
    if (v.encoder == "mpeg4" && v.bFrames > 0)
        av_dict_set(&opts, "sc_threshold", "1000000000", 0); // needed by closed groups
    if (v.encoder == "libx264") {
        av_dict_set(&opts, "preset", "veryfast", 0);
        av_dict_set(&opts, "x264-params", "bframes=2:b-adapt=0:scenecut=0:open-gop=0", 0);
    }
    const int rc = avcodec_open2(c, codec, &opts);
    check(rc >= 0, (v.encoder + " does not open: " + std::to_string(rc)).c_str());
    av_dict_free(&opts);
    Encoded e;
    e.codecId = codec->id;
    if (c->extradata_size > 0) e.extradata.assign(c->extradata, c->extradata + c->extradata_size);
    AVFrame* f = av_frame_alloc();
    f->format = c->pix_fmt;
    f->width = c->width;
    f->height = c->height;
    check(av_frame_get_buffer(f, 0) >= 0, "no frame buffer");
    AVPacket* p = av_packet_alloc();
    auto drain = [&] {
        while (avcodec_receive_packet(c, p) == 0) {
            e.packets.push_back({Bytes(p->data, p->data + p->size), (p->flags & AV_PKT_FLAG_KEY) != 0});
            av_packet_unref(p);
        }
    };
    for (int n = 0; n < v.frames; ++n) {
        check(av_frame_make_writable(f) >= 0, "frame not writable");
        drawFrame(f, n);
        f->pts = n;
        check(avcodec_send_frame(c, f) >= 0, "encode failed");
        drain();
    }
    avcodec_send_frame(c, nullptr);
    drain();
    av_packet_free(&p);
    av_frame_free(&f);
    avcodec_free_context(&c);
    return e;
}

AVPixelFormat plainFormat(AVPixelFormat f, bool& full) {
    full = true;
    switch (f) {
    case AV_PIX_FMT_YUVJ420P:
        return AV_PIX_FMT_YUV420P;
    case AV_PIX_FMT_YUVJ422P:
        return AV_PIX_FMT_YUV422P;
    case AV_PIX_FMT_YUVJ444P:
        return AV_PIX_FMT_YUV444P;
    default:
        full = false;
        return f;
    }
}

// Each frame to 24-bit rows through a fresh conversion context, range set from the frame.
Bytes toDib(const AVFrame* f) {
    bool full = false;
    AVPixelFormat src = plainFormat(AVPixelFormat(f->format), full);
    if (f->color_range == AVCOL_RANGE_JPEG) full = true;
    SwsContext* s = sws_getContext(f->width, f->height, src, f->width, f->height, AV_PIX_FMT_BGR24,
                                   SWS_BICUBIC, nullptr, nullptr, nullptr);
    check(s, "no conversion");
    int *inv, *tbl, srcRange, dstRange, b, c, sat;
    sws_getColorspaceDetails(s, &inv, &srcRange, &tbl, &dstRange, &b, &c, &sat);
    sws_setColorspaceDetails(s, sws_getCoefficients(SWS_CS_DEFAULT), full ? 1 : 0,
                             sws_getCoefficients(SWS_CS_DEFAULT), 1, b, c, sat);
    const int stride = (f->width * 3 + 3) & ~3;
    Bytes out(std::size_t(stride) * std::size_t(f->height), 0);
    std::uint8_t* dst[4] = {out.data() + std::size_t(stride) * std::size_t(f->height - 1), nullptr, nullptr,
                            nullptr};
    int dstStride[4] = {-stride, 0, 0, 0};
    sws_scale(s, f->data, f->linesize, 0, f->height, dst, dstStride);
    sws_freeContext(s);
    return out;
}

std::vector<Bytes> referenceFrames(const Encoded& e, int width, int height) {
    const AVCodec* codec = avcodec_find_decoder(AVCodecID(e.codecId));
    check(codec, "no decoder");
    AVCodecContext* c = avcodec_alloc_context3(codec);
    c->width = width;
    c->height = height;
    c->thread_count = 1;
    if (!e.extradata.empty()) {
        c->extradata =
            static_cast<std::uint8_t*>(av_mallocz(e.extradata.size() + AV_INPUT_BUFFER_PADDING_SIZE));
        std::memcpy(c->extradata, e.extradata.data(), e.extradata.size());
        c->extradata_size = int(e.extradata.size());
    }
    check(avcodec_open2(c, codec, nullptr) >= 0, "decoder does not open");
    AVPacket* p = av_packet_alloc();
    AVFrame* f = av_frame_alloc();
    std::vector<Bytes> out;
    auto take = [&] {
        while (avcodec_receive_frame(c, f) == 0) {
            out.push_back(toDib(f));
            av_frame_unref(f);
        }
    };
    for (const Packet& k : e.packets) {
        check(av_new_packet(p, int(k.data.size())) >= 0, "no packet");
        std::memcpy(p->data, k.data.data(), k.data.size());
        avcodec_send_packet(c, p);
        av_packet_unref(p);
        take();
    }
    avcodec_send_packet(c, nullptr);
    take();
    av_frame_free(&f);
    av_packet_free(&p);
    avcodec_free_context(&c);
    return out;
}

// ---- sound ------------------------------------------------------------------------------------

struct EncodedSound {
    Bytes bytes;
    WAVEFORMATEX format;
    Bytes extra;
    std::uint32_t sampleSize = 0; // the stream header's sample size
    std::uint32_t scale = 0;
    std::uint32_t rate = 0;
    int codecId = 0;
};

EncodedSound encodeSound(const CodedSound& s) {
    const AVCodec* codec = avcodec_find_encoder_by_name(s.encoder.c_str());
    check(codec, "no sound encoder");
    AVCodecContext* c = avcodec_alloc_context3(codec);
    c->sample_rate = s.rate;
    av_channel_layout_default(&c->ch_layout, s.channels);
    c->sample_fmt = codec->sample_fmts[0];
    c->time_base = {1, s.rate};
    if (s.encoder == "libmp3lame") c->bit_rate = 64000;
    check(avcodec_open2(c, codec, nullptr) >= 0, "sound encoder does not open");
    EncodedSound e;
    e.codecId = codec->id;
    const int frameSize = c->frame_size > 0 ? c->frame_size : 1024;
    AVFrame* f = av_frame_alloc();
    f->format = c->sample_fmt;
    f->nb_samples = frameSize;
    av_channel_layout_copy(&f->ch_layout, &c->ch_layout);
    check(av_frame_get_buffer(f, 0) >= 0, "no sound frame");
    AVPacket* p = av_packet_alloc();
    auto drain = [&] {
        while (avcodec_receive_packet(c, p) == 0) {
            e.bytes.insert(e.bytes.end(), p->data, p->data + p->size);
            av_packet_unref(p);
        }
    };
    const int total = int(s.seconds * s.rate);
    const bool planar = av_sample_fmt_is_planar(c->sample_fmt);
    for (int at = 0; at < total; at += frameSize) {
        check(av_frame_make_writable(f) >= 0, "sound frame not writable");
        for (int i = 0; i < frameSize; ++i) {
            const double t = double(at + i) / s.rate;
            const double v = 0.5 * std::sin(2 * M_PI * (300 + 400 * t) * t);
            for (int ch = 0; ch < s.channels; ++ch) {
                const double w = ch ? -v : v;
                switch (c->sample_fmt) {
                case AV_SAMPLE_FMT_S16:
                case AV_SAMPLE_FMT_S16P: {
                    auto* d = reinterpret_cast<std::int16_t*>(f->data[planar ? ch : 0]);
                    d[planar ? i : i * s.channels + ch] = std::int16_t(w * 32000);
                    break;
                }
                case AV_SAMPLE_FMT_FLTP:
                case AV_SAMPLE_FMT_FLT: {
                    auto* d = reinterpret_cast<float*>(f->data[planar ? ch : 0]);
                    d[planar ? i : i * s.channels + ch] = float(w);
                    break;
                }
                case AV_SAMPLE_FMT_S32P:
                case AV_SAMPLE_FMT_S32: {
                    auto* d = reinterpret_cast<std::int32_t*>(f->data[planar ? ch : 0]);
                    d[planar ? i : i * s.channels + ch] = std::int32_t(w * 2.0e9);
                    break;
                }
                default:
                    check(false, "sample format");
                }
            }
        }
        f->pts = at;
        check(avcodec_send_frame(c, f) >= 0, "sound encode failed");
        drain();
    }
    avcodec_send_frame(c, nullptr);
    drain();

    const AVCodecTag* const tables[] = {avformat_get_riff_audio_tags(), nullptr};
    unsigned tag = 0;
    check(av_codec_get_tag2(tables, codec->id, &tag), "no sound tag");
    WAVEFORMATEX& w = e.format;
    w.wFormatTag = std::uint16_t(tag);
    w.nChannels = std::uint16_t(s.channels);
    w.nSamplesPerSec = std::uint32_t(s.rate);
    if (s.encoder == "libmp3lame") {
        // Constant bit rate MP3 as a byte stream, as common writers store it.
        w.nBlockAlign = 1;
        w.nAvgBytesPerSec = std::uint32_t(c->bit_rate / 8);
        w.wBitsPerSample = 0;
        e.extra = {1, 0, 2, 0, 0, 0, 0x80, 0x01, 1, 0, 0x71, 0x05}; // MPEG layer-3 format record
        e.sampleSize = 1;
        e.scale = 1;
        e.rate = w.nAvgBytesPerSec;
    } else {
        w.nBlockAlign = std::uint16_t(c->block_align > 0 ? c->block_align : s.channels);
        w.wBitsPerSample = std::uint16_t(c->bits_per_coded_sample);
        const int samplesPerBlock = c->block_align > 0 && c->frame_size > 0 ? c->frame_size : 1;
        w.nAvgBytesPerSec = std::uint32_t(std::int64_t(s.rate) * w.nBlockAlign / samplesPerBlock);
        if (c->extradata_size > 0) e.extra.assign(c->extradata, c->extradata + c->extradata_size);
        e.sampleSize = w.nBlockAlign;
        e.scale = w.nBlockAlign;
        e.rate = w.nAvgBytesPerSec;
    }
    w.cbSize = std::uint16_t(e.extra.size());
    av_packet_free(&p);
    av_frame_free(&f);
    avcodec_free_context(&c);
    return e;
}

// The stream's bytes through libavcodec's own parser (for formats framed in the stream) or in
// whole blocks, then to 16-bit interleaved samples.
Bytes referencePcm(const EncodedSound& e) {
    const AVCodec* codec = avcodec_find_decoder(AVCodecID(e.codecId));
    check(codec, "no sound decoder");
    AVCodecContext* c = avcodec_alloc_context3(codec);
    c->sample_rate = int(e.format.nSamplesPerSec);
    av_channel_layout_default(&c->ch_layout, e.format.nChannels);
    c->block_align = e.format.nBlockAlign;
    c->bit_rate = std::int64_t(e.format.nAvgBytesPerSec) * 8;
    c->bits_per_coded_sample = e.format.wBitsPerSample;
    if (!e.extra.empty()) {
        c->extradata = static_cast<std::uint8_t*>(av_mallocz(e.extra.size() + AV_INPUT_BUFFER_PADDING_SIZE));
        std::memcpy(c->extradata, e.extra.data(), e.extra.size());
        c->extradata_size = int(e.extra.size());
    }
    check(avcodec_open2(c, codec, nullptr) >= 0, "sound decoder does not open");
    AVCodecParserContext* parser = av_parser_init(codec->id);
    AVPacket* p = av_packet_alloc();
    AVFrame* f = av_frame_alloc();
    Bytes out;
    const int channels = e.format.nChannels;
    auto take = [&] {
        while (avcodec_receive_frame(c, f) == 0) {
            SwrContext* swr = nullptr;
            AVChannelLayout layout;
            av_channel_layout_default(&layout, channels);
            swr_alloc_set_opts2(&swr, &layout, AV_SAMPLE_FMT_S16, c->sample_rate, &f->ch_layout,
                                AVSampleFormat(f->format), f->sample_rate, 0, nullptr);
            swr_init(swr);
            const std::size_t at = out.size();
            out.resize(at + std::size_t(f->nb_samples) * 2 * std::size_t(channels));
            std::uint8_t* dst = out.data() + at;
            const int got = swr_convert(swr, &dst, f->nb_samples,
                                        const_cast<const std::uint8_t**>(f->extended_data), f->nb_samples);
            out.resize(at + std::size_t(std::max(got, 0)) * 2 * std::size_t(channels));
            swr_free(&swr);
            av_frame_unref(f);
        }
    };
    auto send = [&](const std::uint8_t* d, std::size_t n) {
        check(av_new_packet(p, int(n)) >= 0, "no packet");
        std::memcpy(p->data, d, n);
        avcodec_send_packet(c, p);
        av_packet_unref(p);
        take();
    };
    if (parser) {
        const std::uint8_t* d = e.bytes.data();
        std::size_t left = e.bytes.size();
        while (left > 0) {
            std::uint8_t* pkt = nullptr;
            int size = 0;
            const int used =
                av_parser_parse2(parser, c, &pkt, &size, d, int(left), AV_NOPTS_VALUE, AV_NOPTS_VALUE, 0);
            d += used;
            left -= std::size_t(used);
            if (size > 0) send(pkt, std::size_t(size));
        }
        av_parser_close(parser);
    } else {
        const std::size_t block = e.format.nBlockAlign;
        for (std::size_t at = 0; at + block <= e.bytes.size(); at += block)
            send(e.bytes.data() + at, block);
    }
    av_frame_free(&f);
    av_packet_free(&p);
    avcodec_free_context(&c);
    return out;
}

// ---- the AVI file -----------------------------------------------------------------------------

struct Riff {
    Bytes b;
    void u16(std::uint32_t v) {
        b.push_back(std::uint8_t(v));
        b.push_back(std::uint8_t(v >> 8));
    }
    void u32(std::uint32_t v) {
        u16(v & 0xFFFF);
        u16(v >> 16);
    }
    void id(const char* s) { b.insert(b.end(), s, s + 4); }
    std::size_t open(const char* kind, const char* type) {
        std::size_t at = b.size();
        id(kind);
        u32(0);
        id(type);
        return at;
    }
    void close(std::size_t at) {
        const std::uint32_t n = std::uint32_t(b.size() - at - 8);
        std::memcpy(b.data() + at + 4, &n, 4);
    }
    std::size_t chunk(const char* cid, const void* data, std::size_t n) {
        std::size_t at = b.size();
        id(cid);
        u32(std::uint32_t(n));
        auto* p = static_cast<const std::uint8_t*>(data);
        b.insert(b.end(), p, p + n);
        if (n & 1) b.push_back(0);
        return at;
    }
    void streamHeader(const char* type, FOURCC handler, std::uint32_t scale, std::uint32_t rate,
                      std::uint32_t length, std::uint32_t sampleSize, int w, int h) {
        id("strh");
        u32(56);
        id(type);
        u32(handler);
        u32(0);
        u32(0);
        u32(0);
        u32(scale);
        u32(rate);
        u32(0);
        u32(length);
        u32(0);
        u32(0xFFFFFFFFu);
        u32(sampleSize);
        u16(0);
        u16(0);
        u16(std::uint32_t(w));
        u16(std::uint32_t(h));
    }
};

} // namespace

bool HaveEncoder(const std::string& name) {
    return avcodec_find_encoder_by_name(name.c_str()) != nullptr;
}

CodedFilm MakeCodedFilm(const std::optional<CodedVideo>& video, const std::optional<CodedSound>& sound) {
    av_log_set_level(AV_LOG_QUIET);
    CodedFilm film;
    // The video: coded packets, or (beside sound) one still 8 x 8 frame a second.
    std::vector<Packet> packets;
    FOURCC fourcc = 0;
    int w = 8, h = 8;
    std::uint32_t scale = 1, rate = 1;
    Bytes extradata;
    if (video) {
        Encoded e = encodeVideo(*video);
        film.frames = referenceFrames(e, video->width, video->height);
        packets = std::move(e.packets);
        extradata = std::move(e.extradata);
        fourcc = video->fourcc;
        w = video->width;
        h = video->height;
        scale = 1;
        rate = 25;
    }
    EncodedSound s;
    if (sound) {
        s = encodeSound(*sound);
        s.bytes.resize(s.bytes.size() / s.sampleSize * s.sampleSize); // whole blocks
        film.sound = s.bytes;
        film.pcm = referencePcm(s);
        film.soundFormat = s.format;
        if (!video) {
            const int stills = int(std::ceil(sound->seconds));
            const int stride = (w * 3 + 3) & ~3;
            for (int i = 0; i < stills; ++i)
                packets.push_back({Bytes(std::size_t(stride) * std::size_t(h), std::uint8_t(40 * i)), true});
        }
    }
    const bool raw = fourcc == 0;

    Riff r;
    const std::size_t riff = r.open("RIFF", "AVI ");
    const std::size_t hdrl = r.open("LIST", "hdrl");
    r.id("avih");
    r.u32(56);
    r.u32(1000000u * scale / rate);
    for (int i = 0; i < 3; ++i)
        r.u32(0);
    r.u32(std::uint32_t(packets.size()));
    r.u32(0);
    r.u32(sound ? 2 : 1);
    r.u32(0);
    r.u32(std::uint32_t(w));
    r.u32(std::uint32_t(h));
    for (int i = 0; i < 4; ++i)
        r.u32(0);
    std::size_t strl = r.open("LIST", "strl");
    r.streamHeader("vids", raw ? mmioFOURCC('D', 'I', 'B', ' ') : fourcc, scale, rate,
                   std::uint32_t(packets.size()), 0, w, h);
    BITMAPINFOHEADER bi;
    bi.biWidth = w;
    bi.biHeight = h;
    bi.biBitCount = 24;
    bi.biCompression = raw ? 0 : fourcc;
    bi.biSizeImage = std::uint32_t(((w * 3 + 3) & ~3) * h);
    Bytes strf(sizeof bi);
    std::memcpy(strf.data(), &bi, sizeof bi);
    strf.insert(strf.end(), extradata.begin(), extradata.end());
    r.chunk("strf", strf.data(), strf.size());
    r.close(strl);
    if (sound) {
        strl = r.open("LIST", "strl");
        r.streamHeader("auds", 0, s.scale, s.rate, std::uint32_t(s.bytes.size() / s.sampleSize), s.sampleSize,
                       0, 0);
        Bytes wf(sizeof(WAVEFORMATEX));
        std::memcpy(wf.data(), &s.format, sizeof(WAVEFORMATEX));
        wf.insert(wf.end(), s.extra.begin(), s.extra.end());
        r.chunk("strf", wf.data(), wf.size());
        r.close(strl);
    }
    r.close(hdrl);

    struct Entry {
        const char* id;
        std::size_t at;
        std::uint32_t size;
        bool key;
    };
    std::vector<Entry> index;
    const std::size_t movi = r.open("LIST", "movi");
    // Sound interleaved beside the frames, in pieces of whole blocks.
    const std::size_t pieces = packets.size();
    const std::size_t block = sound ? s.sampleSize : 1;
    const std::size_t blocks = sound ? s.bytes.size() / block : 0;
    std::size_t soundAt = 0;
    for (std::size_t i = 0; i < packets.size(); ++i) {
        const char* vid = raw ? "00db" : "00dc";
        index.push_back({vid, r.chunk(vid, packets[i].data.data(), packets[i].data.size()),
                         std::uint32_t(packets[i].data.size()), packets[i].key});
        if (sound) {
            const std::size_t end = (blocks * (i + 1) / pieces) * block;
            if (end > soundAt) {
                index.push_back({"01wb", r.chunk("01wb", s.bytes.data() + soundAt, end - soundAt),
                                 std::uint32_t(end - soundAt), true});
                soundAt = end;
            }
        }
    }
    r.close(movi);
    Bytes idx;
    for (const Entry& e : index) {
        Riff one;
        one.id(e.id);
        one.u32(e.key ? 0x10 : 0);
        one.u32(std::uint32_t(e.at - (movi + 8)));
        one.u32(e.size);
        idx.insert(idx.end(), one.b.begin(), one.b.end());
    }
    r.chunk("idx1", idx.data(), idx.size());
    r.close(riff);
    film.avi = std::move(r.b);
    return film;
}
