// The multimedia device over FFmpeg's libraries. While a play runs, one worker thread demuxes
// and decodes (send/receive, so frames a codec holds back still come out), waits for each
// frame's time on the clock and hands the frame over; the sound it decodes goes, as PCM, to a
// waveform device on the user-interface thread, whose given-back buffers make the clock. When
// no play runs, the commands decode on the caller's thread; only one thread ever touches the
// codec state at a time.
#include "MciDevice.h"

#include "UIThread.h"
#include "WaveOut.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>
#include <new>
#include <thread>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/log.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

TMciDevice::~TMciDevice() = default;

namespace {

constexpr std::int64_t kMaxPixels = 8192LL * 8192LL;
constexpr double kAudioAhead = 0.5;     // seconds of sound queued ahead of the clock at most
constexpr std::size_t kScaleSlack = 64; // pixels past the last row that libswscale may write

double steadySeconds() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

[[noreturn]] void fail(const std::string& what) {
    throw EMCIDeviceError(what);
}

const char* const kNotOpen = "The specified device is not open or is not recognized by MCI.";
const char* const kOutOfRange = "The specified parameter is out of range for the specified command.";

class TAvMciDevice final : public TMciDevice {
public:
    explicit TAvMciDevice(TMciClock clock) : clock_(clock ? std::move(clock) : TMciClock(steadySeconds)) {
        static std::once_flag once;
        std::call_once(once, [] { av_log_set_level(AV_LOG_QUIET); });
        pkt_ = av_packet_alloc();
        frm_ = av_frame_alloc();
        PrepareUIThreadPosting();
    }
    ~TAvMciDevice() override {
        Close();
        av_frame_free(&frm_);
        av_packet_free(&pkt_);
    }

    void Open(const std::string& fileName) override;
    void Close() override;
    bool IsOpen() const override { return fmt_ != nullptr; }
    void Play() override;
    void Pause() override;
    void Resume() override;
    void Stop() override;
    void Seek(std::int64_t pos) override;
    void Step(int frames) override;
    std::int64_t Position() const override { return pos_.load(); }
    std::int64_t Length() const override { return length_; }
    TMPModes Mode() const override { return TMPModes(mode_.load()); }
    bool HasVideo() const override { return vi_ >= 0; }
    void SetDisplaySize(int w, int h) override {
        std::lock_guard lock(frameM_);
        dispW_ = std::max(0, w);
        dispH_ = std::max(0, h);
        if (std::int64_t(dispW_) * dispH_ > kMaxPixels) dispW_ = dispH_ = 0;
    }
    bool TakeFrame(TMciFrame& out) override {
        std::lock_guard lock(frameM_);
        if (!fresh_) return false;
        out = frame_;
        fresh_ = false;
        return true;
    }

private:
    void requireOpen() const {
        if (!fmt_) fail(kNotOpen);
    }
    void notify() {
        if (OnNotify) OnNotify();
    }
    double toSeconds(std::int64_t units) const {
        return frameBased_ ? double(units) / fps_ : double(units) / 1000.0;
    }
    std::int64_t toUnits(double sec) const {
        return std::int64_t(std::llround(frameBased_ ? sec * fps_ : sec * 1000.0));
    }
    double halfFrame() const { return fps_ > 0 ? 0.5 / fps_ : 0.02; }

    bool pump(bool wantAudio);
    void keepPalette();
    AVFrame* nextVideo(bool wantAudio);
    double frameSeconds(const AVFrame* f);
    void seekInternal(double sec);
    void showAt(double sec);
    void publish(const AVFrame* f);
    void emitAudio(const AVFrame* f);
    void flushAudio();
    void stopWorker();
    void stopAudio();
    void startAudio();
    void writeChunk(std::vector<std::uint8_t>& pcm, unsigned generation);
    void bufferDone(WAVEHDR* hdr, unsigned generation);
    double clockNow() const;
    double rawClock() const;
    double audioAhead() const;
    mutable double lastClock_ = 0;
    void run(double startSec);
    void freeAll();

    TMciClock clock_;
    AVFormatContext* fmt_ = nullptr;
    int vi_ = -1, ai_ = -1;
    AVCodecContext* vdec_ = nullptr;
    AVCodecContext* adec_ = nullptr;
    SwsContext* sws_ = nullptr;
    SwrContext* swr_ = nullptr;
    AVPacket* pkt_ = nullptr;
    AVFrame* frm_ = nullptr;
    std::deque<AVFrame*> pending_; // decoded video frames not shown yet, in order
    bool demuxEnd_ = false, videoFlushed_ = false, audioFlushed_ = false;
    bool positioned_ = false; // the decoders continue right after the frame shown
    bool frameBased_ = false;
    double fps_ = 0;
    double start_ = 0; // the file's first time stamp, in seconds
    double lastFrameSec_ = 0;
    std::int64_t length_ = 0;
    double audioFrom_ = 0; // sound before this time is dropped (after a seek)
    // A film with a palette gives it once, with its first picture packet, and a seek goes past
    // that packet: the palette is kept here and given to the decoder again after every seek.
    std::vector<std::uint8_t> palette_;
    bool paletteDue_ = false;

    std::atomic<std::int64_t> pos_{0};
    std::atomic<int> mode_{mpNotReady};

    mutable std::mutex frameM_;
    TMciFrame frame_;
    bool fresh_ = false;
    int dispW_ = 0, dispH_ = 0;

    std::thread worker_;
    std::atomic<bool> quit_{false};
    double playBase_ = 0;   // the play's first time, in seconds
    double clockStart_ = 0; // clock_() when the play started

    // Sound out (the device lives on the user-interface thread).
    int outRate_ = 0, outChannels_ = 0;
    std::unique_ptr<TWaveOut> wave_;
    std::map<WAVEHDR*, std::unique_ptr<std::uint8_t[]>> blocks_;
    std::atomic<bool> audioOn_{false};
    std::atomic<std::int64_t> bytesPosted_{0}, bytesDone_{0};
    std::atomic<double> lastDone_{0};
    double audioDecoded_ = 0;                // seconds of sound decoded in this play (worker only)
    std::vector<std::uint8_t> audioPending_; // converted sound not handed over yet (worker only)
    unsigned generation_ = 0;
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};

AVCodecContext* openDecoder(AVStream* st) {
    const AVCodec* codec = avcodec_find_decoder(st->codecpar->codec_id);
    if (!codec) return nullptr;
    AVCodecContext* ctx = avcodec_alloc_context3(codec);
    if (!ctx) return nullptr;
    if (avcodec_parameters_to_context(ctx, st->codecpar) < 0) {
        avcodec_free_context(&ctx);
        return nullptr;
    }
    ctx->thread_count = 1;
    ctx->max_pixels = kMaxPixels;
    ctx->pkt_timebase = st->time_base;
    if (avcodec_open2(ctx, codec, nullptr) < 0) avcodec_free_context(&ctx);
    return ctx;
}

void TAvMciDevice::freeAll() {
    palette_.clear();
    for (AVFrame* f : pending_)
        av_frame_free(&f);
    pending_.clear();
    sws_freeContext(sws_);
    sws_ = nullptr;
    swr_free(&swr_);
    avcodec_free_context(&vdec_);
    avcodec_free_context(&adec_);
    if (fmt_) avformat_close_input(&fmt_);
    vi_ = ai_ = -1;
    length_ = 0;
    fps_ = 0;
    frameBased_ = positioned_ = false;
}

void TAvMciDevice::Open(const std::string& fileName) {
    Close();
    AVFormatContext* fmt = nullptr;
    if (fileName.empty() || avformat_open_input(&fmt, fileName.c_str(), nullptr, nullptr) < 0)
        fail("Cannot open the file " + fileName + ".");
    fmt_ = fmt;
    try {
        if (avformat_find_stream_info(fmt_, nullptr) < 0)
            fail("The file " + fileName + " is not a known media file.");
        int v = av_find_best_stream(fmt_, AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
        int a = av_find_best_stream(fmt_, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
        if (v >= 0) {
            AVStream* st = fmt_->streams[v];
            if (st->codecpar->width > 0 && st->codecpar->height > 0 &&
                std::int64_t(st->codecpar->width) * st->codecpar->height <= kMaxPixels)
                vdec_ = openDecoder(st);
            if (vdec_) vi_ = v;
        }
        if (a >= 0) {
            AVStream* st = fmt_->streams[a];
            if (st->codecpar->sample_rate > 0 && st->codecpar->sample_rate <= 384000 &&
                st->codecpar->ch_layout.nb_channels > 0 && st->codecpar->ch_layout.nb_channels <= 8)
                adec_ = openDecoder(st);
            if (adec_) ai_ = a;
        }
        if (vi_ < 0 && ai_ < 0) fail("The file " + fileName + " holds no sound or film the device plays.");
        start_ = fmt_->start_time != AV_NOPTS_VALUE ? double(fmt_->start_time) / AV_TIME_BASE : 0.0;
        double duration = fmt_->duration != AV_NOPTS_VALUE ? double(fmt_->duration) / AV_TIME_BASE : 0.0;
        if (vi_ >= 0) {
            AVStream* st = fmt_->streams[vi_];
            AVRational r = st->avg_frame_rate.num > 0 ? st->avg_frame_rate : st->r_frame_rate;
            fps_ = r.num > 0 && r.den > 0 ? av_q2d(r) : 25.0;
            if (fps_ <= 0 || fps_ > 1000 || !std::isfinite(fps_)) fps_ = 25.0;
            frameBased_ = std::strcmp(fmt_->iformat->name, "avi") == 0;
            if (duration <= 0 && st->duration != AV_NOPTS_VALUE)
                duration = double(st->duration) * av_q2d(st->time_base);
            if (frameBased_) {
                length_ = st->nb_frames > 0 ? st->nb_frames : std::int64_t(std::llround(duration * fps_));
                if (vi_ >= 0)
                    start_ = st->start_time != AV_NOPTS_VALUE ? st->start_time * av_q2d(st->time_base) : 0.0;
            }
        }
        if (vi_ >= 0) keepPalette();
        if (!frameBased_) length_ = std::int64_t(std::llround(std::max(duration, 0.0) * 1000.0));
        if (length_ < 0 || length_ > (std::int64_t(1) << 40)) length_ = 0;
        outRate_ = ai_ >= 0 ? adec_->sample_rate : 0;
        outChannels_ = ai_ >= 0 ? std::min(adec_->ch_layout.nb_channels, 2) : 0;
    } catch (...) {
        freeAll();
        throw;
    }
    pos_ = 0;
    mode_ = mpStopped;
}

// Reads up to the first picture packet (every decode starts with a seek, so nothing is lost).
void TAvMciDevice::keepPalette() {
    palette_.clear();
    for (int i = 0; i < 64 && av_read_frame(fmt_, pkt_) >= 0; ++i) {
        const bool video = pkt_->stream_index == vi_;
        std::size_t size = 0;
        if (const std::uint8_t* p = av_packet_get_side_data(pkt_, AV_PKT_DATA_PALETTE, &size); video && p)
            palette_.assign(p, p + size);
        av_packet_unref(pkt_);
        if (video) break;
    }
}

void TAvMciDevice::Close() {
    stopWorker();
    stopAudio();
    freeAll();
    pos_ = 0;
    mode_ = mpNotReady;
    std::lock_guard lock(frameM_);
    frame_ = TMciFrame();
    fresh_ = false;
}

double TAvMciDevice::frameSeconds(const AVFrame* f) {
    std::int64_t ts = f->best_effort_timestamp;
    if (ts == AV_NOPTS_VALUE) ts = f->pts;
    double sec = ts == AV_NOPTS_VALUE ? lastFrameSec_ + (fps_ > 0 ? 1.0 / fps_ : 0.04)
                                      : double(ts) * av_q2d(fmt_->streams[vi_]->time_base) - start_;
    lastFrameSec_ = sec;
    return sec;
}

// Reads one packet (or flushes the decoders at the end) and takes what the decoders give back.
// False when nothing more will come.
bool TAvMciDevice::pump(bool wantAudio) {
    if (demuxEnd_) {
        bool any = false;
        if (vdec_ && !videoFlushed_) {
            avcodec_send_packet(vdec_, nullptr);
            videoFlushed_ = true;
            any = true;
        }
        if (adec_ && !audioFlushed_) {
            avcodec_send_packet(adec_, nullptr);
            audioFlushed_ = true;
            any = true;
        }
        if (!any) {
            // Drain what is left (a decoder may hand back several frames after the flush).
            bool got = false;
            while (vdec_ && avcodec_receive_frame(vdec_, frm_) == 0) {
                pending_.push_back(av_frame_clone(frm_));
                av_frame_unref(frm_);
                got = true;
            }
            return got;
        }
    } else if (av_read_frame(fmt_, pkt_) < 0) {
        demuxEnd_ = true;
        return true;
    } else {
        AVCodecContext* dec = pkt_->stream_index == vi_ ? vdec_ : pkt_->stream_index == ai_ ? adec_ : nullptr;
        if (dec && dec == vdec_ && !palette_.empty()) {
            std::size_t size = 0;
            if (const std::uint8_t* p = av_packet_get_side_data(pkt_, AV_PKT_DATA_PALETTE, &size))
                palette_.assign(p, p + size); // the film changed its palette
            else if (paletteDue_)
                if (std::uint8_t* to = av_packet_new_side_data(pkt_, AV_PKT_DATA_PALETTE, palette_.size()))
                    std::memcpy(to, palette_.data(), palette_.size());
            paletteDue_ = false;
        }
        if (dec) avcodec_send_packet(dec, pkt_); // a broken packet is skipped
        av_packet_unref(pkt_);
    }
    while (vdec_ && avcodec_receive_frame(vdec_, frm_) == 0) {
        if (AVFrame* c = av_frame_clone(frm_)) pending_.push_back(c);
        av_frame_unref(frm_);
    }
    while (adec_ && avcodec_receive_frame(adec_, frm_) == 0) {
        if (wantAudio) emitAudio(frm_);
        av_frame_unref(frm_);
    }
    return true;
}

AVFrame* TAvMciDevice::nextVideo(bool wantAudio) {
    while (pending_.empty() && !quit_)
        if (!pump(wantAudio)) return nullptr;
    if (pending_.empty()) return nullptr;
    AVFrame* f = pending_.front();
    pending_.pop_front();
    return f;
}

void TAvMciDevice::seekInternal(double sec) {
    for (AVFrame* f : pending_)
        av_frame_free(&f);
    pending_.clear();
    const std::int64_t ts = std::int64_t((sec + std::max(start_, 0.0)) * AV_TIME_BASE);
    if (sec <= 0 || av_seek_frame(fmt_, -1, ts, AVSEEK_FLAG_BACKWARD) < 0)
        if (avformat_seek_file(fmt_, -1, INT64_MIN, ts, ts, 0) < 0 || sec <= 0)
            av_seek_frame(fmt_, -1, 0, AVSEEK_FLAG_BYTE);
    if (vdec_) avcodec_flush_buffers(vdec_);
    if (adec_) avcodec_flush_buffers(adec_);
    paletteDue_ = true;
    swr_free(&swr_);
    audioPending_.clear();
    demuxEnd_ = videoFlushed_ = audioFlushed_ = false;
    positioned_ = false;
    audioFrom_ = sec;
}

// Decodes from the nearest earlier key frame up to the frame at `sec` and shows it.
void TAvMciDevice::showAt(double sec) {
    if (vi_ < 0) return;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (attempt == 0)
            seekInternal(sec);
        else
            seekInternal(0); // the seek landed past the frame: decode from the start
        AVFrame* last = nullptr;
        bool late = false;
        while (AVFrame* f = nextVideo(false)) {
            const double t = frameSeconds(f);
            if (!last && t > sec + halfFrame() && attempt == 0 && sec > 0) {
                late = true;
                av_frame_free(&f);
                break;
            }
            av_frame_free(&last);
            last = f;
            if (t >= sec - halfFrame()) break;
        }
        if (late) continue;
        if (last) {
            publish(last);
            av_frame_free(&last);
        }
        positioned_ = true;
        return;
    }
}

void TAvMciDevice::publish(const AVFrame* f) {
    int w, h;
    {
        std::lock_guard lock(frameM_);
        w = dispW_ > 0 && dispH_ > 0 ? dispW_ : f->width;
        h = dispW_ > 0 && dispH_ > 0 ? dispH_ : f->height;
    }
    if (w <= 0 || h <= 0 || f->width <= 0 || f->height <= 0) return;
    sws_ = sws_getCachedContext(sws_, f->width, f->height, AVPixelFormat(f->format), w, h, AV_PIX_FMT_BGRA,
                                SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!sws_) return;
    TMciFrame out;
    out.width = w;
    out.height = h;
    // libswscale's vector loops write whole blocks of pixels, past the end of a row whose width
    // is not a multiple of the block: the rows get room for that, cut off afterwards.
    out.pixels.assign(std::size_t(w) * std::size_t(h) + kScaleSlack, 0xFF000000u);
    std::uint8_t* dst[4] = {reinterpret_cast<std::uint8_t*>(out.pixels.data()), nullptr, nullptr, nullptr};
    int stride[4] = {w * 4, 0, 0, 0};
    if (sws_scale(sws_, f->data, f->linesize, 0, f->height, dst, stride) <= 0) return;
    out.pixels.resize(std::size_t(w) * std::size_t(h));
    for (std::uint32_t& p : out.pixels)
        p |= 0xFF000000u;
    std::lock_guard lock(frameM_);
    frame_ = std::move(out);
    fresh_ = true;
}

void TAvMciDevice::emitAudio(const AVFrame* f) {
    if (!audioOn_) {
        audioDecoded_ += f->sample_rate > 0 ? double(f->nb_samples) / f->sample_rate : 0.0;
        return;
    }
    if (!swr_) {
        AVChannelLayout outLayout;
        av_channel_layout_default(&outLayout, outChannels_);
        if (swr_alloc_set_opts2(&swr_, &outLayout, AV_SAMPLE_FMT_S16, outRate_,
                                const_cast<AVChannelLayout*>(&f->ch_layout), AVSampleFormat(f->format),
                                f->sample_rate, 0, nullptr) < 0 ||
            swr_init(swr_) < 0) {
            swr_free(&swr_);
            av_channel_layout_uninit(&outLayout);
            return;
        }
        av_channel_layout_uninit(&outLayout);
    }
    const int maxOut = swr_get_out_samples(swr_, f->nb_samples);
    if (maxOut <= 0) return;
    std::vector<std::uint8_t> pcm(std::size_t(maxOut) * std::size_t(outChannels_) * 2);
    std::uint8_t* out[1] = {pcm.data()};
    const int n =
        swr_convert(swr_, out, maxOut, const_cast<const std::uint8_t**>(f->extended_data), f->nb_samples);
    if (n <= 0) return;
    const std::size_t block = std::size_t(outChannels_) * 2;
    pcm.resize(std::size_t(n) * block);
    // Drop the sound before the play's start (the seek lands on an earlier packet).
    double t =
        f->pts != AV_NOPTS_VALUE ? f->pts * av_q2d(fmt_->streams[ai_]->time_base) - start_ : audioDecoded_;
    if (t < audioFrom_) {
        const std::size_t skip =
            std::min(pcm.size(), std::size_t(std::llround((audioFrom_ - t) * outRate_)) * block);
        pcm.erase(pcm.begin(), pcm.begin() + std::ptrdiff_t(skip));
    }
    audioDecoded_ += double(n) / outRate_;
    // Buffers of about a tenth of a second: a device that plays whole buffers keeps pace.
    audioPending_.insert(audioPending_.end(), pcm.begin(), pcm.end());
    const std::size_t chunk = std::size_t(outRate_ / 10) * block;
    if (audioPending_.size() >= chunk) flushAudio();
}

void TAvMciDevice::flushAudio() {
    if (audioPending_.empty() || !audioOn_) {
        audioPending_.clear();
        return;
    }
    const std::int64_t bytesPerSecond = std::int64_t(outRate_) * outChannels_ * 2;
    while (!quit_ && bytesPosted_ - bytesDone_ > std::int64_t(kAudioAhead * double(bytesPerSecond)))
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    std::vector<std::uint8_t> pcm;
    pcm.swap(audioPending_);
    if (quit_) return;
    bytesPosted_ += std::int64_t(pcm.size());
    std::weak_ptr<char> alive = alive_;
    const unsigned generation = generation_;
    PostToUIThread([this, alive, generation, data = std::move(pcm)]() mutable {
        if (alive.lock()) writeChunk(data, generation);
    });
}

void TAvMciDevice::writeChunk(std::vector<std::uint8_t>& pcm, unsigned generation) {
    if (generation != generation_ || !wave_) return;
    std::unique_ptr<std::uint8_t[]> block(new (std::nothrow) std::uint8_t[sizeof(WAVEHDR) + pcm.size()]);
    if (!block) return;
    auto* hdr = new (block.get()) WAVEHDR();
    hdr->lpData = block.get() + sizeof(WAVEHDR);
    hdr->dwBufferLength = std::uint32_t(pcm.size());
    std::memcpy(hdr->lpData, pcm.data(), pcm.size());
    if (wave_->PrepareHeader(hdr) != MMSYSERR_NOERROR) return;
    blocks_.emplace(hdr, std::move(block));
    if (wave_->Write(hdr) != MMSYSERR_NOERROR) {
        wave_->UnprepareHeader(hdr);
        bytesDone_ += hdr->dwBufferLength;
        blocks_.erase(hdr);
    }
}

void TAvMciDevice::bufferDone(WAVEHDR* hdr, unsigned generation) {
    auto it = blocks_.find(hdr);
    if (it == blocks_.end() || generation != generation_) return;
    if (wave_) wave_->UnprepareHeader(hdr);
    bytesDone_ += hdr->dwBufferLength;
    lastDone_ = steadySeconds();
    blocks_.erase(it);
}

void TAvMciDevice::startAudio() {
    audioOn_ = false;
    bytesPosted_ = bytesDone_ = 0;
    if (ai_ < 0 || outRate_ <= 0 || outChannels_ <= 0) return;
    WAVEFORMATEX wf;
    std::memset(static_cast<void*>(&wf), 0, sizeof wf);
    wf.wFormatTag = WAVE_FORMAT_PCM;
    wf.nChannels = std::uint16_t(outChannels_);
    wf.nSamplesPerSec = std::uint32_t(outRate_);
    wf.wBitsPerSample = 16;
    wf.nBlockAlign = std::uint16_t(outChannels_ * 2);
    wf.nAvgBytesPerSec = wf.nSamplesPerSec * wf.nBlockAlign;
    const unsigned generation = ++generation_;
    std::weak_ptr<char> alive = alive_;
    std::unique_ptr<TWaveOut> out;
    if (WaveOutOpen(out, wf,
                    [this, alive, generation](WAVEHDR* hdr) {
                        if (alive.lock()) bufferDone(hdr, generation);
                    }) != MMSYSERR_NOERROR ||
        !out)
        return; // no device for it: the film plays silently
    wave_ = std::move(out);
    lastDone_ = steadySeconds();
    audioOn_ = true;
}

void TAvMciDevice::stopAudio() {
    audioOn_ = false;
    if (!wave_) return;
    wave_->Reset();
    wave_->Close();
    wave_.reset();
    blocks_.clear();
    ++generation_;
}

void TAvMciDevice::stopWorker() {
    if (!worker_.joinable()) return;
    quit_ = true;
    worker_.join();
    quit_ = false;
}

double TAvMciDevice::audioAhead() const {
    const double bps = double(outRate_) * outChannels_ * 2;
    return bps > 0 ? double(bytesPosted_ + std::int64_t(audioPending_.size()) - bytesDone_) / bps : 0.0;
}

// The play's clock never goes back (the sound's clock would, after the sound ran dry).
double TAvMciDevice::clockNow() const {
    lastClock_ = std::max(lastClock_, rawClock());
    return lastClock_;
}

double TAvMciDevice::rawClock() const {
    if (audioOn_) {
        const double bps = double(outRate_) * outChannels_ * 2;
        // Between given-back buffers the clock runs on in real time, up to one buffer ahead;
        // with nothing queued (before the sound starts or after it ends) it runs freely.
        const double since = std::max(steadySeconds() - lastDone_.load(), 0.0);
        const bool drained = bytesDone_ >= bytesPosted_;
        return playBase_ + double(bytesDone_.load()) / bps + (drained ? since : std::min(since, 0.05));
    }
    return playBase_ + (clock_() - clockStart_);
}

void TAvMciDevice::run(double startSec) {
    if (vi_ >= 0) {
        while (!quit_) {
            AVFrame* f = nextVideo(true);
            if (!f) break;
            const double t = frameSeconds(f);
            if (t < startSec - halfFrame()) {
                av_frame_free(&f);
                continue;
            }
            // While the frame waits for its time, the sound further on is decoded, so the sound
            // (the clock) never runs dry because the file stores it after the pictures.
            while (!quit_ && clockNow() < t) {
                if (audioOn_ && !demuxEnd_ && pending_.size() < 64 && audioAhead() < kAudioAhead / 2) {
                    pump(true);
                    continue;
                }
                std::this_thread::sleep_for(std::chrono::microseconds(
                    std::clamp<std::int64_t>(std::int64_t((t - clockNow()) * 1e6), 100, 2000)));
            }
            if (quit_) {
                pending_.push_front(f); // the next step or play goes on from here
                break;
            }
            publish(f);
            av_frame_free(&f);
            positioned_ = true;
            pos_ = std::clamp<std::int64_t>(toUnits(t), 0, length_);
            notify();
        }
    } else {
        while (!quit_) {
            if (!pump(true)) break;
            if (!audioOn_)
                while (!quit_ && audioDecoded_ - (clockNow() - startSec) > kAudioAhead)
                    std::this_thread::sleep_for(std::chrono::milliseconds(2));
            pos_ = std::clamp<std::int64_t>(toUnits(clockNow()), 0, length_);
        }
    }
    // The end of the file: the sound plays out, then the device stops at its end.
    if (!quit_) flushAudio();
    const double soundEnd = startSec + audioDecoded_;
    while (!quit_ && (audioOn_ ? bytesDone_ < bytesPosted_ : vi_ < 0 && clockNow() < soundEnd)) {
        if (vi_ < 0) pos_ = std::clamp<std::int64_t>(toUnits(clockNow()), 0, length_);
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (quit_) return;
    pos_ = length_;
    mode_ = mpStopped;
    notify();
}

void TAvMciDevice::Play() {
    requireOpen();
    stopWorker();
    stopAudio();
    if (pos_ >= length_ && length_ > 0) {
        mode_ = mpStopped;
        return;
    }
    const double startSec = toSeconds(pos_);
    seekInternal(startSec);
    audioDecoded_ = 0;
    startAudio();
    playBase_ = startSec;
    clockStart_ = clock_();
    lastClock_ = startSec;
    mode_ = mpPlaying;
    worker_ = std::thread([this, startSec] { run(startSec); });
}

void TAvMciDevice::Pause() {
    requireOpen();
    if (Mode() != mpPlaying) return;
    stopWorker();
    stopAudio();
    mode_ = mpPaused;
}

void TAvMciDevice::Resume() {
    requireOpen();
    if (Mode() == mpPaused) Play();
}

void TAvMciDevice::Stop() {
    requireOpen();
    stopWorker();
    stopAudio();
    if (Mode() != mpNotReady) mode_ = mpStopped;
}

void TAvMciDevice::Seek(std::int64_t pos) {
    requireOpen();
    if (pos < 0 || pos > length_) fail(kOutOfRange);
    Stop();
    showAt(toSeconds(pos));
    pos_ = pos;
    notify();
}

void TAvMciDevice::Step(int frames) {
    requireOpen();
    if (vi_ < 0) fail("The specified MCI device does not support stepping: it has no picture.");
    Stop();
    if (frames == 0) return;
    if (frames < 0) {
        const std::int64_t target = std::max<std::int64_t>(
            0, pos_ + (frameBased_ ? frames : std::int64_t(std::llround(frames * 1000.0 / fps_))));
        showAt(toSeconds(target));
        pos_ = target;
        notify();
        return;
    }
    if (!positioned_) showAt(toSeconds(pos_));
    for (int i = 0; i < frames; ++i) {
        AVFrame* f = nextVideo(false);
        if (!f) break;
        const double t = frameSeconds(f);
        publish(f);
        av_frame_free(&f);
        pos_ = std::clamp<std::int64_t>(toUnits(t), 0, length_);
    }
    positioned_ = true;
    notify();
}

} // namespace

std::unique_ptr<TMciDevice> MakeMciDevice(TMciClock clock) {
    return std::make_unique<TAvMciDevice>(std::move(clock));
}
