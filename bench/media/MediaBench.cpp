// Decoding every frame of a 640 x 480 film, MJPEG and uncompressed, through the frame
// decompressor the player uses; and a silent 640 x 480 MPEG played through the media player's
// device, unpaced, every frame decoded and converted to the display's 32-bit pixels.
// `--write-films=DIR` writes the three films (for compare.sh); `--time=FILE` decodes an AVI,
// `--time-device=FILE` plays a film through the device, once per run, 5 runs, and prints the
// median in ms.
#include "AviFile.h"
#include "AviGetFrame.h"
#include "FilmBuilder.h"
#include "MciDevice.h"
#include "MpegFilm.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

namespace {
constexpr int kMjpegFrames = 300;
constexpr int kRawFrames = 100;
constexpr int kMpegFrames = 300;

// Frame n: gradients, edges and noise that move from frame to frame, so neither codec gets an
// easy picture.
TBitmap benchFrame(int w, int h, int n) {
    TBitmap b(w, h, pf24bit);
    std::uint32_t seed = 2463534242u + std::uint32_t(n);
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < w; ++x) {
            seed ^= seed << 13;
            seed ^= seed >> 17;
            seed ^= seed << 5;
            int noise = int(seed & 15) - 8;
            int xs = x + 3 * n, ys = y + n;
            bool edge = ((xs / 40) + (ys / 40)) % 2;
            int r = std::clamp(xs * 255 / (w + 3 * n + 1) + noise, 0, 255);
            int g = std::clamp(ys * 255 / (h + n + 1) + (edge ? 40 : 0) + noise, 0, 255);
            int bl = std::clamp((edge ? 200 : 60) + noise, 0, 255);
            row[x] = TBitmap::ToWord(RGB(r, g, bl));
        }
    }
    return b;
}

// A 640 x 480 film at 25 frames a second, MJPEG or uncompressed 24-bit.
bool writeBenchFilm(const std::string& path, bool mjpeg, int frames) {
    FilmSpec spec;
    spec.coding = mjpeg ? FilmCoding::Mjpeg : FilmCoding::Raw;
    spec.rate = 25;
    for (int n = 0; n < frames; ++n)
        spec.frames.push_back(benchFrame(640, 480, n));
    try {
        WriteBytes(path, MakeFilm(spec));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}
// A silent 640 x 480 MPEG-1 film with B-frames, 25 frames a second.
bool writeBenchMpeg(const std::string& path) {
    try {
        WriteBytes(path, MakeMpeg(MpegSpec{640, 480, kMpegFrames, 2, false}));
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

std::string benchFolder() {
    static std::string dir = [] {
        auto d = std::filesystem::temp_directory_path() / "orvanta-media-bench";
        std::filesystem::create_directories(d);
        return d.string();
    }();
    return dir;
}

std::string mpegPath() {
    std::string p = benchFolder() + "/silent.mpg";
    if (!std::filesystem::exists(p)) writeBenchMpeg(p);
    return p;
}

std::string filmPath(bool mjpeg) {
    std::string p = benchFolder() + (mjpeg ? "/mjpeg.avi" : "/raw.avi");
    if (!std::filesystem::exists(p)) writeBenchFilm(p, mjpeg, mjpeg ? kMjpegFrames : kRawFrames);
    return p;
}

// Decodes every frame; returns the frames decoded.
int decodeAll(const std::string& path) {
    auto file = TAviFile::Open(path);
    if (!file) return -1;
    auto video = file->GetStream(streamtypeVIDEO);
    auto getter = TGetFrame::Open(video);
    if (!getter) return -1;
    int n = 0;
    for (std::int32_t f = video->Start(); f < video->Start() + video->Length(); ++f)
        if (const BITMAPINFOHEADER* bi = getter->GetFrame(f)) {
            benchmark::DoNotOptimize(TGetFrame::Bits(bi)[0]);
            ++n;
        }
    return n;
}

// Opens the film and plays it to its end through the device with a clock that runs far ahead
// of every frame once the play has started, so nothing waits: each frame is decoded, converted
// to the display size and handed over. Returns the frames handed over.
int playUnpaced(const std::string& path) {
    std::atomic<int> clockCalls{0};
    auto device = MakeMciDevice([&clockCalls] { return clockCalls++ == 0 ? 0.0 : 1e9; });
    std::atomic<int> notes{0};
    device->OnNotify = [&notes] { ++notes; };
    try {
        device->Open(path);
        device->SetDisplaySize(640, 480);
        clockCalls = 0;
        notes = 0;
        device->Play();
        while (device->Mode() == mpPlaying)
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        device->Close();
    } catch (const EMCIDeviceError&) {
        return -1;
    }
    return notes - 1; // one notification a frame, one at the end
}

void BM_DevicePlayMpeg640x480Unpaced(benchmark::State& state) {
    const std::string p = mpegPath();
    int frames = 0;
    for (auto _ : state)
        frames = playUnpaced(p);
    state.counters["frames"] = frames;
    state.counters["frames/s"] =
        benchmark::Counter(double(frames), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DevicePlayMpeg640x480Unpaced)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodeMjpeg640x480(benchmark::State& state) {
    std::string p = filmPath(true);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeAll(p));
    state.counters["frames/s"] =
        benchmark::Counter(double(kMjpegFrames), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DecodeMjpeg640x480)->Unit(benchmark::kMillisecond);

void BM_DecodeRaw640x480(benchmark::State& state) {
    std::string p = filmPath(false);
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeAll(p));
    state.counters["frames/s"] =
        benchmark::Counter(double(kRawFrames), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DecodeRaw640x480)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--write-films=", 14) == 0) {
            std::string dir = argv[i] + 14;
            bool ok = writeBenchFilm(dir + "/mjpeg.avi", true, kMjpegFrames) &&
                      writeBenchFilm(dir + "/raw.avi", false, kRawFrames) &&
                      writeBenchMpeg(dir + "/silent.mpg");
            return ok ? 0 : 1;
        }
        const bool avi = std::strncmp(argv[i], "--time=", 7) == 0;
        const bool device = std::strncmp(argv[i], "--time-device=", 14) == 0;
        if (avi || device) {
            const std::string path = std::strchr(argv[i], '=') + 1;
            std::vector<double> ms;
            int frames = 0;
            for (int run = 0; run < 5; ++run) {
                auto t0 = std::chrono::steady_clock::now();
                frames = device ? playUnpaced(path) : decodeAll(path);
                ms.push_back(
                    std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
            }
            std::sort(ms.begin(), ms.end());
            std::printf("%.1f ms (%d frames)\n", ms[2], frames);
            return frames > 0 ? 0 : 1;
        }
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
