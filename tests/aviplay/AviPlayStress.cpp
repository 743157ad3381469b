// Play, Seek and Stop in quick succession against a real 1 ms timer and a real (silent) sound
// device, with the event loop serving the posted draws, stops and buffer notices throughout.
#include "AviFixtures.h"
#include "AviPlay.h"
#include "Forms.h"
#include "TestFolder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <thread>

namespace {
using namespace std::chrono;

TEST(AviPlayStress, PlaySeekStopAgainstARealTimer) {
    SetWaveOutFactory(&OpenSilentWaveOut);
    TestFolder dir;
    FixtureSpec s;
    s.frames = 40;
    s.width = 24;
    s.height = 16;
    s.scale = 1;
    s.rate = 1000; // a 1 ms period
    s.audio = FixtureAudio{8000, 16, 1, 16};
    WriteBytes(dir.file("fast.avi"), MakeAvi(s));
    {
        TForm form;
        auto* avi = new TQuillAVIPlay(&form, &form);
        int starts = 0, stops = 0;
        avi->OnStart = [&](TObject*) { ++starts; };
        avi->OnStop = [&](TObject*) { ++stops; };
        avi->SetFileName(dir.file("fast.avi"));
        ASSERT_EQ(avi->Period(), 0); // not played yet
        std::mt19937 rng(7);
        auto until = steady_clock::now() + milliseconds(1500);
        int rounds = 0;
        while (steady_clock::now() < until) {
            switch (rng() % 6) {
            case 0:
            case 1:
                avi->Play(std::int32_t(rng() % 10), 30 + std::int32_t(rng() % 10), std::int32_t(rng() % 3));
                break;
            case 2:
                avi->Seek(std::int32_t(rng() % 50) - 5);
                break;
            case 3:
                avi->Stop();
                break;
            case 4:
                avi->SetPlaySound(!avi->PlaySound());
                break;
            default:
                break;
            }
            auto serve = steady_clock::now() + milliseconds(rng() % 8);
            while (steady_clock::now() < serve) {
                QCoreApplication::processEvents();
                std::this_thread::sleep_for(microseconds(200));
            }
            std::int32_t f = avi->FCurrentFrame();
            ASSERT_GE(f, 0);
            ASSERT_LT(f, 41);
            ++rounds;
        }
        avi->Stop();
        QCoreApplication::processEvents();
        EXPECT_GT(rounds, 50);
        EXPECT_GE(starts, 1);
        EXPECT_FALSE(avi->Active());
        EXPECT_EQ(avi->Audio().BuffersOut() >= 0, true);
    }
    for (int i = 0; i < 20; ++i)
        QCoreApplication::processEvents(); // notices of the last device find the control gone
    SetWaveOutFactory({});
}

} // namespace
