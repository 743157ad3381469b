// BMP and JPEG on a 4000 x 4000 page. The raw cases write and read the same number of bytes
// with plain stdio, the yardstick for the BMP codec; the *File JPEG cases do what cjpeg and
// djpeg do (picture file in, JPEG file out and back) so compare.sh can run them side by side.
//
//   codecs_bench [--picture=file.bmp] [benchmark flags]
//   codecs_bench --write-picture=file.bmp   (writes the generated page and stops)
//   codecs_bench --encode in.bmp out.jpg [--progressive] | --decode in.jpg out.bmp
//                                           (one conversion, for timing fresh processes)
#include "BmpCodec.h"
#include "JpegImage.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <sys/mman.h>
#include <unistd.h>

namespace {

std::string g_picture; // a BMP given on the command line, else the generated page

// Photograph-like content: smooth gradients, edges and a little noise, so the entropy coder
// has real work to do.
TBitmap benchPicture(int w, int h) {
    TBitmap b(w, h, pf24bit);
    std::uint32_t seed = 12345;
    for (int y = 0; y < h; ++y) {
        std::uint32_t* row = b.Row32(y);
        for (int x = 0; x < w; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = int(seed >> 28) - 8;
            int r = x * 255 / (w - 1) + noise;
            int g = y * 255 / (h - 1) - noise;
            int bl = int(127.5 + 120 * std::sin(x * 0.013) * std::cos(y * 0.017)) + noise;
            if (((x / 97) ^ (y / 61)) % 7 == 0) r = 255 - r, g = 255 - g;
            auto clamp = [](int v) { return v < 0 ? 0 : v > 255 ? 255 : v; };
            row[x] = 0xFF000000u | (std::uint32_t(clamp(r)) << 16) | (std::uint32_t(clamp(g)) << 8) |
                     std::uint32_t(clamp(bl));
        }
    }
    return b;
}

const TBitmap& page() {
    static const TBitmap p = g_picture.empty() ? benchPicture(4000, 4000) : ReadBmpFile(g_picture);
    return p;
}

std::string tempFile(const char* name) {
    return "/tmp/orvanta-bench-" + std::to_string(getpid()) + "-" + name;
}

struct TempFiles {
    ~TempFiles() {
        for (const char* n : {"page.bmp", "raw.bin", "page.jpg", "out.jpg"})
            std::remove(tempFile(n).c_str());
    }
} g_cleanup;

const std::string& pageBmp() {
    static const std::string path = [] {
        if (!g_picture.empty()) return g_picture;
        std::string p = tempFile("page.bmp");
        SaveBmpToFile(page(), p);
        return p;
    }();
    return path;
}

void BM_BmpWrite(benchmark::State& state) {
    const TBitmap& b = page();
    const std::string path = tempFile("out.bmp");
    for (auto _ : state)
        SaveBmpToFile(b, path);
    state.SetBytesProcessed(state.iterations() * std::int64_t(WriteBmp(b).size()));
    std::remove(path.c_str());
}

void BM_RawWrite(benchmark::State& state) {
    const std::size_t n = WriteBmp(page()).size();
    std::unique_ptr<std::uint8_t[]> bytes(new std::uint8_t[n]);
    std::memset(bytes.get(), 0x5A, n);
    const std::string path = tempFile("raw.bin");
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "wb");
        std::fwrite(bytes.get(), 1, n, f);
        std::fclose(f);
    }
    state.SetBytesProcessed(state.iterations() * std::int64_t(n));
}

void BM_BmpRead(benchmark::State& state) {
    const std::string& path = pageBmp();
    for (auto _ : state) {
        TBitmap b = ReadBmpFile(path);
        benchmark::DoNotOptimize(b.Bits());
    }
}

// The yardstick reads the file into fresh memory of the kind a bitmap gets (2 MiB-aligned,
// huge pages where the kernel allows), so both sides pay the same first touch.
void BM_RawRead(benchmark::State& state) {
    const std::string& path = pageBmp();
    constexpr std::size_t kHuge = std::size_t(2) << 20;
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        std::fseek(f, 0, SEEK_END);
        const long n = std::ftell(f);
        std::rewind(f);
        const std::size_t rounded = (std::size_t(n) + kHuge - 1) & ~(kHuge - 1);
        void* bytes = std::aligned_alloc(kHuge, rounded);
        madvise(bytes, rounded, MADV_HUGEPAGE);
        benchmark::DoNotOptimize(std::fread(bytes, 1, std::size_t(n), f));
        std::fclose(f);
        benchmark::DoNotOptimize(bytes);
        std::free(bytes);
    }
}

// A new white page of the picture's size: what a decode no longer pays (decoders take their
// bitmap unfilled and write every pixel).
void BM_BitmapAllocate(benchmark::State& state) {
    for (auto _ : state) {
        TBitmap b(4000, 4000, pf24bit);
        benchmark::DoNotOptimize(b.Bits());
    }
}

// In memory: the codec alone.
void BM_JpegEncode(benchmark::State& state) {
    const TBitmap& b = page();
    for (auto _ : state) {
        TJPEGImage j;
        j.Assign(b);
        j.SetCompressionQuality(90);
        j.SetProgressiveEncoding(state.range(0) != 0);
        j.Compress();
        benchmark::DoNotOptimize(j.Data().data());
    }
}

std::vector<std::uint8_t> encodedPage(bool progressive) {
    TJPEGImage j;
    j.Assign(page());
    j.SetCompressionQuality(90);
    j.SetProgressiveEncoding(progressive);
    return j.Data();
}

void BM_JpegDecode(benchmark::State& state) {
    const std::vector<std::uint8_t> bytes = encodedPage(state.range(0) != 0);
    for (auto _ : state) {
        TJPEGImage j;
        j.LoadFromStream(bytes);
        j.DIBNeeded();
        benchmark::DoNotOptimize(j.Bitmap().Bits());
    }
}

// File to file, as cjpeg and djpeg work.
void BM_JpegEncodeFile(benchmark::State& state) {
    const std::string& in = pageBmp();
    const std::string out = tempFile("page.jpg");
    for (auto _ : state) {
        TJPEGImage j;
        j.Assign(ReadBmpFile(in));
        j.SetCompressionQuality(90);
        j.SetProgressiveEncoding(state.range(0) != 0);
        j.SaveToFile(out);
    }
}

void BM_JpegDecodeFile(benchmark::State& state) {
    const std::string path = tempFile("page.jpg");
    {
        TJPEGImage j;
        j.Assign(ReadBmpFile(pageBmp()));
        j.SetCompressionQuality(90);
        j.SetProgressiveEncoding(state.range(0) != 0);
        j.SaveToFile(path);
    }
    for (auto _ : state) {
        TJPEGImage j;
        j.LoadFromFile(path);
        j.DIBNeeded();
        benchmark::DoNotOptimize(j.Bitmap().Bits());
    }
}

} // namespace

BENCHMARK(BM_BmpWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BmpRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawRead)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BitmapAllocate)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegEncode)->ArgName("progressive")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegDecode)->ArgName("progressive")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegEncodeFile)->ArgName("progressive")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_JpegDecodeFile)->ArgName("progressive")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// One file-to-file conversion in a fresh process, as a user's save or open meets it and as
// cjpeg and djpeg run: BMP to JPEG at quality 90, or JPEG to BMP.
int convertOnce(const std::string& mode, const std::string& in, const std::string& out, bool progressive) {
    try {
        if (mode == "encode") {
            TJPEGImage j;
            j.Assign(ReadBmpFile(in));
            j.SetCompressionQuality(90);
            j.SetProgressiveEncoding(progressive);
            j.SaveToFile(out);
        } else {
            TJPEGImage j;
            j.LoadFromFile(in);
            SaveBmpToFile(j.Bitmap(), out);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "codecs_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}

int main(int argc, char** argv) {
    // codecs_bench --encode IN.bmp OUT.jpg [--progressive] | --decode IN.jpg OUT.bmp
    if (argc >= 4 && (std::strcmp(argv[1], "--encode") == 0 || std::strcmp(argv[1], "--decode") == 0))
        return convertOnce(argv[1] + 2, argv[2], argv[3],
                           argc > 4 && std::strcmp(argv[4], "--progressive") == 0);
    std::vector<char*> args;
    for (int i = 0; i < argc; ++i) {
        if (std::strncmp(argv[i], "--picture=", 10) == 0) {
            g_picture = argv[i] + 10;
        } else if (std::strncmp(argv[i], "--write-picture=", 16) == 0) {
            SaveBmpToFile(page(), argv[i] + 16);
            return 0;
        } else {
            args.push_back(argv[i]);
        }
    }
    int n = int(args.size());
    benchmark::Initialize(&n, args.data());
    if (benchmark::ReportUnrecognizedArguments(n, args.data())) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
