// Long mutation runs of the media player's device: damaged AVI, MPEG and WAV files opened,
// sought, stepped and played unpaced; whatever opens must play or be stopped, never crash or
// hang (a stop that never returns). Usage: mci_fuzz [iterations] [seed] [first] (default 500
// iterations, seed 1; each iteration's file and commands depend only on the seed and its number,
// so `first` replays from that iteration on). A run prints how many files opened and exits 0.
#include "AviFixtures.h"
#include "FilmBuilder.h"
#include "MciDevice.h"
#include "MpegFilm.h"
#include "WaveOutRecorder.h"

#include <QCoreApplication>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::vector<std::uint8_t>> seeds() {
    std::vector<std::vector<std::uint8_t>> out;
    for (FixtureCodec c : {FixtureCodec::Raw24, FixtureCodec::Rle8, FixtureCodec::Mjpeg}) {
        FixtureSpec s;
        s.codec = c;
        s.frames = 5;
        s.width = 16;
        s.height = 12;
        s.audio = FixtureAudio{8000, 16, 1, 0};
        out.push_back(MakeAvi(s));
    }
    out.push_back(MakeMpeg(MpegSpec{48, 32, 6, 2, true}));
    out.push_back(MakeMpeg(MpegSpec{32, 32, 4, 0, false}));
    out.push_back(MakeWav(8000, 8, 1, 800));
    out.push_back(MakeWav(22050, 16, 2, 4000));
    return out;
}

// Lets the play run for up to two seconds (a damaged film may rightly last for hours: a frame
// rate of almost nothing), giving the sound's buffers back at once, then stops it.
void playAWhile(TMciDevice& d, TWaveOutRecorder& sound) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (d.Mode() == mpPlaying && std::chrono::steady_clock::now() < until) {
        sound.Complete(100);
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    d.Stop();
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long iterations = argc > 1 ? std::atol(argv[1]) : 500;
    const unsigned seed = argc > 2 ? unsigned(std::atol(argv[2])) : 1u;
    const long first = argc > 3 ? std::atol(argv[3]) : 0;
    if (iterations <= 0) {
        std::fprintf(stderr, "usage: mci_fuzz [iterations] [seed]\n");
        return 2;
    }
    const auto base = seeds();
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("orvanta-mci-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const char* names[] = {"f.avi", "f.mpg", "f.wav"};
    TWaveOutRecorder sound; // sound goes nowhere and takes no time
    // Each clock call moves a second on: plays run unpaced, frames are never waited for.
    std::atomic<long> ticks{0};
    auto device = MakeMciDevice([&ticks] { return double(ticks++); });
    long opened = 0;
    for (long it = first; it < iterations; ++it) {
        std::mt19937 rng(seed * 1000003u + unsigned(it));
        std::vector<std::uint8_t> b = base[rng() % base.size()];
        DamageFile(b, rng);
        const std::string path = (dir / names[rng() % 3]).string();
        WriteBytes(path, b);
        try {
            device->Open(path);
            ++opened;
            device->SetDisplaySize(int(rng() % 40), int(rng() % 40));
            const std::int64_t length = device->Length();
            if (length > 0) device->Seek(std::int64_t(rng() % std::uint64_t(length + 1)));
            if (device->HasVideo()) device->Step(int(rng() % 5) - 2);
            TMciFrame frame;
            device->TakeFrame(frame);
            device->Play();
            playAWhile(*device, sound);
            device->Close();
        } catch (const EMCIDeviceError&) {
        }
        sound.Clear();
    }
    std::filesystem::remove_all(dir);
    std::printf("mci_fuzz: %ld files, %ld opened, no crash or hang\n", iterations, opened);
    return 0;
}
