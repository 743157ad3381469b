#include "WaveOut.h"
#include "WaveOutRecorder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <thread>
#include <vector>

namespace {
using namespace std::chrono;

WAVEFORMATEX pcm(int rate, int bits, int channels) {
    WAVEFORMATEX f;
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = std::uint16_t(channels);
    f.nSamplesPerSec = std::uint32_t(rate);
    f.nBlockAlign = std::uint16_t(channels * bits / 8);
    f.nAvgBytesPerSec = f.nSamplesPerSec * f.nBlockAlign;
    f.wBitsPerSample = std::uint16_t(bits);
    return f;
}

struct Buffers {
    std::vector<std::vector<std::uint8_t>> data;
    std::vector<WAVEHDR> hdr;
    Buffers(int n, std::size_t size)
        : data(std::size_t(n), std::vector<std::uint8_t>(size)), hdr(std::size_t(n)) {
        for (int i = 0; i < n; ++i) {
            hdr[std::size_t(i)].lpData = data[std::size_t(i)].data();
            hdr[std::size_t(i)].dwBufferLength = std::uint32_t(size);
            hdr[std::size_t(i)].dwUser = std::uintptr_t(i);
            std::fill(data[std::size_t(i)].begin(), data[std::size_t(i)].end(), std::uint8_t(i + 1));
        }
    }
};

// Serves the event loop until the condition holds or the time is up.
bool pumpUntil(const std::function<bool()>& done, milliseconds limit = milliseconds(3000)) {
    auto until = steady_clock::now() + limit;
    while (!done() && steady_clock::now() < until) {
        QCoreApplication::processEvents();
        std::this_thread::sleep_for(milliseconds(1));
    }
    return done();
}

TEST(WaveOutFormats, OnlyExactPcmFormatsOpen) {
    EXPECT_TRUE(IsPlayableFormat(pcm(22050, 8, 1)));
    EXPECT_TRUE(IsPlayableFormat(pcm(44100, 16, 2)));
    WAVEFORMATEX adpcm = pcm(22050, 4, 1);
    adpcm.wFormatTag = 2;
    WAVEFORMATEX badAlign = pcm(22050, 16, 2);
    badAlign.nBlockAlign = 3;
    for (const WAVEFORMATEX& f : {pcm(22050, 24, 1), adpcm, badAlign, pcm(0, 16, 1), pcm(22050, 16, 0)}) {
        std::unique_ptr<TWaveOut> out;
        EXPECT_EQ(WaveOutOpen(out, f, {}), WAVERR_BADFORMAT);
        EXPECT_FALSE(out);
    }
}

// The behaviour every device shares: FIFO notices on the UI thread, reset gives back everything,
// close refuses while buffers are queued.
void checkDevice(std::unique_ptr<TWaveOut>& out, std::vector<std::uintptr_t>& done) {
    Buffers b(4, 800);
    for (auto& h : b.hdr)
        ASSERT_EQ(out->PrepareHeader(&h), MMSYSERR_NOERROR);
    ASSERT_EQ(out->Pause(), MMSYSERR_NOERROR);
    for (auto& h : b.hdr)
        ASSERT_EQ(out->Write(&h), MMSYSERR_NOERROR);
    EXPECT_EQ(out->Write(&b.hdr[0]), MMSYSERR_INVALPARAM); // already queued
    EXPECT_EQ(out->UnprepareHeader(&b.hdr[0]), WAVERR_STILLPLAYING);
    EXPECT_EQ(out->Close(), WAVERR_STILLPLAYING);
    ASSERT_EQ(out->Restart(), MMSYSERR_NOERROR);
    ASSERT_TRUE(pumpUntil([&] { return done.size() >= 2; }));
    ASSERT_EQ(out->Reset(), MMSYSERR_NOERROR);
    ASSERT_TRUE(pumpUntil([&] { return done.size() == 4; }));
    EXPECT_EQ(done, (std::vector<std::uintptr_t>{0, 1, 2, 3}));
    for (auto& h : b.hdr) {
        EXPECT_TRUE(h.dwFlags & WHDR_DONE);
        EXPECT_EQ(out->UnprepareHeader(&h), MMSYSERR_NOERROR);
    }
    EXPECT_EQ(out->Close(), MMSYSERR_NOERROR);
}

TEST(WaveOutDevices, SilentAndSdlDevicesPlayInOrderAndResetGivesAllBack) {
    for (auto open : {&OpenSilentWaveOut, &OpenSdlWaveOut}) {
        std::vector<std::uintptr_t> done;
        std::thread::id ui = std::this_thread::get_id();
        bool offThread = false;
        std::unique_ptr<TWaveOut> out;
        MMRESULT rc = open(out, pcm(8000, 8, 1), [&](WAVEHDR* h) {
            offThread |= std::this_thread::get_id() != ui;
            done.push_back(h->dwUser);
        });
        if (open == &OpenSdlWaveOut && rc != MMSYSERR_NOERROR)
            continue; // no SDL audio driver at all on this machine: the silent device covers it
        ASSERT_EQ(rc, MMSYSERR_NOERROR);
        checkDevice(out, done);
        EXPECT_FALSE(offThread);
    }
}

TEST(WaveOutDevices, SilentDevicePacesInRealTime) {
    std::vector<std::uintptr_t> done;
    std::unique_ptr<TWaveOut> out;
    ASSERT_EQ(OpenSilentWaveOut(out, pcm(8000, 8, 1), [&](WAVEHDR* h) { done.push_back(h->dwUser); }),
              MMSYSERR_NOERROR);
    Buffers b(2, 800); // 100 ms each
    auto start = steady_clock::now();
    for (auto& h : b.hdr) {
        out->PrepareHeader(&h);
        out->Write(&h);
    }
    ASSERT_TRUE(pumpUntil([&] { return done.size() == 2; }));
    EXPECT_GE(duration_cast<milliseconds>(steady_clock::now() - start).count(), 180);
    out->Close();
}

TEST(WaveOutRecorder, LogsEveryCallAndTheBytesAndOverridesTheDevices) {
    TWaveOutRecorder rec;
    std::vector<std::uintptr_t> done;
    std::unique_ptr<TWaveOut> out;
    ASSERT_EQ(WaveOutOpen(out, pcm(11025, 16, 2), [&](WAVEHDR* h) { done.push_back(h->dwUser); }),
              MMSYSERR_NOERROR);
    Buffers b(2, 6);
    for (auto& h : b.hdr) {
        out->PrepareHeader(&h);
        out->Write(&h);
    }
    EXPECT_EQ(rec.Queued(), 2);
    EXPECT_EQ(rec.Complete(1), 1);
    ASSERT_TRUE(pumpUntil([&] { return done.size() == 1; }));
    out->Reset();
    out->UnprepareHeader(&b.hdr[0]);
    out->Close();
    pumpUntil([&] { return done.size() == 2; });
    EXPECT_EQ(rec.Calls(), (std::vector<std::string>{"open 11025x2x16", "prepare", "write 6", "prepare",
                                                     "write 6", "reset", "unprepare", "close"}));
    EXPECT_EQ(rec.Bytes(), (std::vector<std::uint8_t>{1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(rec.Live(), 0);
    rec.FailOpen = true;
    EXPECT_EQ(WaveOutOpen(out, pcm(11025, 16, 2), {}), WAVERR_BADFORMAT);
}

TEST(WaveOutRecorder, NoticesOfAClosedDeviceStillArrive) {
    // A notice posted by reset arrives after the device is gone; its receiver decides what to do.
    TWaveOutRecorder rec;
    std::vector<std::uintptr_t> done;
    std::unique_ptr<TWaveOut> out;
    WaveOutOpen(out, pcm(8000, 8, 1), [&](WAVEHDR* h) { done.push_back(h->dwUser); });
    Buffers b(1, 10);
    out->PrepareHeader(&b.hdr[0]);
    out->Write(&b.hdr[0]);
    out->Reset();
    out->Close();
    out.reset();
    EXPECT_TRUE(done.empty());
    ASSERT_TRUE(pumpUntil([&] { return done.size() == 1; }));
}

} // namespace
