#include "MciDevice.h"
#include "AviFixtures.h"
#include "FilmBuilder.h"
#include "MpegFilm.h"
#include "TestFolder.h"
#include "WaveOutRecorder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <random>
#include <thread>

namespace {
using namespace std::chrono;

bool pumpUntil(const std::function<bool()>& done, milliseconds limit = milliseconds(5000)) {
    auto until = steady_clock::now() + limit;
    while (!done() && steady_clock::now() < until) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(milliseconds(1));
    }
    return done();
}

// The colour in the middle of the newest frame, red in the low byte.
TColor shownColour(TMciDevice& d) {
    TMciFrame f;
    if (!d.TakeFrame(f) || f.pixels.empty()) return 0xFFFFFFFF;
    const std::uint32_t p =
        f.pixels[std::size_t(f.height / 2) * std::size_t(f.width) + std::size_t(f.width / 2)];
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

bool near(TColor a, TColor b, int tolerance) {
    return std::abs(int(GetRValue(a)) - int(GetRValue(b))) <= tolerance &&
           std::abs(int(GetGValue(a)) - int(GetGValue(b))) <= tolerance &&
           std::abs(int(GetBValue(a)) - int(GetBValue(b))) <= tolerance;
}

TEST(MciDevice, WavLengthIsMillisecondsAndItsBytesReachTheDevice) {
    TestFolder dir;
    const std::size_t bytes = 8000; // one second of 8 kHz 8-bit mono
    WriteBytes(dir.file("a.wav"), MakeWav(8000, 8, 1, bytes));
    TWaveOutRecorder rec;
    auto d = MakeMciDevice();
    d->Open(dir.file("a.wav"));
    EXPECT_EQ(d->Length(), 1000);
    EXPECT_FALSE(d->HasVideo());
    EXPECT_THROW(d->Step(1), EMCIDeviceError);
    d->Play();
    EXPECT_EQ(d->Mode(), mpPlaying);
    // 8-bit mono arrives as 16-bit mono PCM: twice the bytes, each the sample's own value.
    ASSERT_TRUE(pumpUntil([&] {
        rec.Complete(100);
        return d->Mode() == mpStopped;
    }));
    const auto pcm = rec.Bytes();
    ASSERT_EQ(pcm.size(), bytes * 2);
    for (std::size_t i : {std::size_t(0), std::size_t(1234), bytes - 1}) {
        const int sample = std::int16_t(pcm[2 * i] | (pcm[2 * i + 1] << 8));
        EXPECT_EQ(sample, (int(SoundByte(i)) - 128) * 256) << i;
    }
    EXPECT_EQ(d->Position(), 1000);
}

TEST(MciDevice, SeekAndStepShowTheFrameOfThatNumber) {
    TestFolder dir;
    FixtureSpec spec;
    spec.frames = 8;
    WriteBytes(dir.file("a.avi"), MakeAvi(spec));
    WriteBytes(dir.file("b.mpg"), MakeMpeg(MpegSpec{}));
    auto d = MakeMciDevice();
    d->SetDisplaySize(32, 24);

    d->Open(dir.file("a.avi"));
    EXPECT_EQ(d->Length(), 8); // frames
    for (int k : {3, 0, 7, 5}) {
        d->Seek(k);
        EXPECT_EQ(d->Position(), k);
        EXPECT_TRUE(near(shownColour(*d), FrameColour(k), 2)) << k;
    }
    d->Step(1);
    EXPECT_EQ(d->Position(), 6);
    EXPECT_TRUE(near(shownColour(*d), FrameColour(6), 2));
    d->Step(-1);
    EXPECT_TRUE(near(shownColour(*d), FrameColour(5), 2));
    EXPECT_THROW(d->Seek(9), EMCIDeviceError);
    EXPECT_THROW(d->Seek(-1), EMCIDeviceError);

    // MPEG positions are milliseconds (25 frames a second: 40 ms a frame); B-frames come out.
    d->Open(dir.file("b.mpg"));
    EXPECT_TRUE(d->HasVideo());
    EXPECT_NEAR(double(d->Length()), 1000.0, 120.0);
    for (int k : {10, 2, 17, 0}) {
        d->Seek(k * 40);
        EXPECT_TRUE(near(shownColour(*d), FrameColour(k), 12)) << k;
    }
    d->Step(1);
    EXPECT_TRUE(near(shownColour(*d), FrameColour(1), 12));
    d->Step(1);
    EXPECT_TRUE(near(shownColour(*d), FrameColour(2), 12));
}

// Display widths that are no multiple of the converter's block: its vector loops wrote past the
// frame's last row (heap corruption, found by mci_fuzz; glibc does not always notice it here).
// Every small size gives a frame of exactly that size, in the frame's colour; an uncompressed
// 8-bit film too, whose palette comes once with its first packet, before any seek.
TEST(MciDevice, SmallAndOddDisplaySizesGiveWholeFrames) {
    TestFolder dir;
    WriteBytes(dir.file("b.mpg"), MakeMpeg(MpegSpec{}));
    std::vector<std::string> films = {dir.file("b.mpg")};
    for (FixtureCodec c :
         {FixtureCodec::Raw24, FixtureCodec::Rle8, FixtureCodec::Raw16, FixtureCodec::Raw8}) {
        FixtureSpec spec;
        spec.codec = c;
        spec.frames = 3;
        spec.width = 16;
        spec.height = 12;
        films.push_back(dir.file("f" + std::to_string(films.size()) + ".avi"));
        WriteBytes(films.back(), MakeAvi(spec));
    }
    auto d = MakeMciDevice();
    for (const std::string& film : films) {
        d->Open(film);
        const bool avi = film.ends_with(".avi");
        for (int round = 0; round < 4; ++round)
            for (auto [w, h] :
                 {std::pair{1, 1}, {3, 2}, {5, 7}, {7, 1}, {13, 3}, {17, 5}, {31, 2}, {33, 9}}) {
                d->SetDisplaySize(w, h);
                const int k = (round + w) % 3;
                d->Seek(avi ? k : k * 40);
                TMciFrame f;
                ASSERT_TRUE(d->TakeFrame(f)) << film << " " << w << " x " << h;
                ASSERT_EQ(f.width, w);
                ASSERT_EQ(f.height, h);
                ASSERT_EQ(f.pixels.size(), std::size_t(w) * std::size_t(h));
                const std::uint32_t p = f.pixels.back();
                EXPECT_TRUE(near(RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF), FrameColour(k), 24))
                    << film << " " << w << " x " << h;
            }
    }
}

TEST(MciDevice, MpegSoundArrivesAsPcmAndAFilmPlaysToItsEnd) {
    TestFolder dir;
    MpegSpec spec;
    spec.frames = 10;
    WriteBytes(dir.file("b.mpg"), MakeMpeg(spec));
    TWaveOutRecorder rec;
    auto d = MakeMciDevice();
    int notices = 0;
    d->OnNotify = [&] { ++notices; };
    d->Open(dir.file("b.mpg"));
    d->Play();
    ASSERT_TRUE(pumpUntil([&] {
        rec.Complete(100);
        return d->Mode() == mpStopped;
    }));
    EXPECT_EQ(d->Position(), d->Length());
    EXPECT_GT(notices, 5);
    ASSERT_FALSE(rec.Calls().empty());
    EXPECT_EQ(rec.Calls().front(), "open 44100x2x16");
    // 0.4 s of stereo 16-bit sound, give or take the encoder's edges.
    EXPECT_NEAR(double(rec.Bytes().size()), 0.4 * 44100 * 4, 0.1 * 44100 * 4);
}

TEST(MciDevice, PauseResumeAndStopKeepThePosition) {
    TestFolder dir;
    FixtureSpec spec;
    spec.frames = 30;
    spec.rate = 30;
    WriteBytes(dir.file("a.avi"), MakeAvi(spec));
    double now = 0;
    auto d = MakeMciDevice([&now] { return now; });
    EXPECT_THROW(d->Play(), EMCIDeviceError); // nothing open
    d->Open(dir.file("a.avi"));
    d->Play();
    EXPECT_EQ(d->Mode(), mpPlaying);
    now = 0.5; // the injected clock: half a second in, frame 15
    ASSERT_TRUE(pumpUntil([&] { return d->Position() == 15; }));
    d->Pause();
    EXPECT_EQ(d->Mode(), mpPaused);
    EXPECT_EQ(d->Position(), 15);
    d->Resume();
    EXPECT_EQ(d->Mode(), mpPlaying);
    d->Stop();
    EXPECT_EQ(d->Mode(), mpStopped);
    EXPECT_EQ(d->Position(), 15);
    d->Close();
    EXPECT_EQ(d->Mode(), mpNotReady);
    EXPECT_THROW(d->Seek(0), EMCIDeviceError);
}

// Truncated, empty and random files are refused with an error, never a crash.
TEST(MciDeviceHostile, BrokenFilesGiveAnOpenError) {
    TestFolder dir;
    FixtureSpec spec;
    const auto avi = MakeAvi(spec);
    const auto mpg = MakeMpeg(MpegSpec{});
    std::mt19937 rng(7);
    std::vector<std::uint8_t> noise(4096);
    for (auto& b : noise)
        b = std::uint8_t(rng());
    const std::vector<std::pair<const char*, std::vector<std::uint8_t>>> cases = {
        {"empty.avi", {}},
        {"noise.mpg", noise},
        {"head.avi", std::vector<std::uint8_t>(avi.begin(), avi.begin() + 40)},
        {"head.mpg", std::vector<std::uint8_t>(mpg.begin(), mpg.begin() + 20)},
        {"missing.wav", {}},
    };
    auto d = MakeMciDevice();
    for (const auto& [name, bytes] : cases) {
        if (std::string(name) != "missing.wav") WriteBytes(dir.file(name), bytes);
        EXPECT_THROW(d->Open(dir.file(name)), EMCIDeviceError) << name;
        EXPECT_FALSE(d->IsOpen()) << name;
    }
}

// Cut and mutated films: whatever opens, plays and seeks without a crash.
TEST(MciDeviceHostile, MutatedFilmsOpenOrFailCleanly) {
    TestFolder dir;
    FixtureSpec spec;
    spec.frames = 6;
    const auto base = MakeMpeg(MpegSpec{48, 32, 6, 2, true});
    const auto avi = MakeAvi(spec);
    std::mt19937 rng(11);
    auto d = MakeMciDevice([] { return 1e9; }); // unpaced
    for (int i = 0; i < 40; ++i) {
        auto bytes = (i % 2) ? base : avi;
        if (i % 4 < 2) bytes.resize(bytes.size() * std::size_t(rng() % 100) / 100);
        for (int k = 0; k < 8; ++k)
            if (!bytes.empty()) bytes[rng() % bytes.size()] = std::uint8_t(rng());
        const std::string path = dir.file("m" + std::to_string(i));
        WriteBytes(path, bytes);
        try {
            d->Open(path);
            d->SetDisplaySize(16, 16);
            if (d->Length() > 0) d->Seek(d->Length() / 2);
            if (d->HasVideo()) d->Step(2);
            d->Play();
            pumpUntil([&] { return d->Mode() != mpPlaying; }, milliseconds(300));
            d->Close();
        } catch (const EMCIDeviceError&) {
        }
    }
}

} // namespace
