#include "AviPlay.h"
#include "AviFixtures.h"
#include "CodedFilms.h"
#include "Forms.h"
#include "TPanel.h"
#include "TestFolder.h"
#include "WaveOutRecorder.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

void pump() {
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
}

struct Player {
    TestFolder dir;
    std::unique_ptr<TForm> form = std::make_unique<TForm>();
    TQuillAVIPlay* avi = new TQuillAVIPlay(form.get(), form.get());
    TFakeTimers clock;
    std::vector<std::string> events;

    Player() {
        form->SetBounds(0, 0, 500, 400);
        avi->SetTimerService(&clock);
        avi->OnOpen = [this](TObject*) { events.push_back("open"); };
        avi->OnClose = [this](TObject*) { events.push_back("close"); };
        avi->OnStart = [this](TObject*) { events.push_back("start"); };
        avi->OnStop = [this](TObject*) { events.push_back("stop"); };
    }
    ~Player() {
        form.reset(); // the player goes before the clock and the event log it uses
        pump();
    }
    std::string film(const FixtureSpec& spec, const char* name = "film.avi") {
        WriteBytes(dir.file(name), MakeAvi(spec));
        return dir.file(name);
    }
    // Moves the fake clock by one frame period and serves what the tick posted.
    void frame() {
        clock.Advance(avi->Period());
        pump();
    }
    TColor pixel(int x, int y) const { return TBitmap::FromWord(avi->Screen().Row32(y)[x]); }
};

FixtureSpec film(int frames = 10, bool sound = false) {
    FixtureSpec s;
    s.frames = frames;
    s.width = 32;
    s.height = 24;
    if (sound) s.audio = FixtureAudio{8000, 8, 1, 0};
    return s;
}

TEST(AviPlayOpen, OpeningReadsTheStreamAndSizesTheControl) {
    Player p;
    EXPECT_EQ(p.avi->Width(), 100);
    EXPECT_EQ(p.avi->Height(), 50);
    p.avi->SetFileName(p.film(film(12)));
    EXPECT_TRUE(p.avi->IsOpen());
    EXPECT_EQ(p.avi->FFrameCount(), 12);
    EXPECT_EQ(p.avi->StartFrame(), 0);
    EXPECT_EQ(p.avi->StopFrame(), 11);
    EXPECT_EQ(p.avi->FCurrentFrame(), 0);
    EXPECT_EQ(p.avi->Width(), 32); // auto size
    EXPECT_EQ(p.avi->Height(), 24);
    EXPECT_EQ(p.events, (std::vector<std::string>{"open"}));

    p.avi->SetFileName(p.dir.file("missing.avi"));
    EXPECT_FALSE(p.avi->IsOpen());
    EXPECT_EQ(p.avi->FFrameCount(), 0);
    EXPECT_EQ(p.events, (std::vector<std::string>{"open", "close"}));

    WriteBytes(p.dir.file("junk.avi"), std::vector<std::uint8_t>(100, 7));
    p.avi->SetFileName(p.dir.file("junk.avi"));
    EXPECT_FALSE(p.avi->IsOpen());
    EXPECT_EQ(p.events.size(), 2u);
}

TEST(AviPlayOpen, AFrameRectangleLargerThanTheFramesDoesNotGrowTheControl) {
    Player p;
    std::vector<std::uint8_t> bytes = MakeAvi(film(3));
    std::size_t strh = FindFourCC(bytes, "strh");
    bytes[strh + 8 + 52] = 0xFF; // frame rectangle right and bottom: 32767
    bytes[strh + 8 + 53] = 0x7F;
    bytes[strh + 8 + 54] = 0xFF;
    bytes[strh + 8 + 55] = 0x7F;
    WriteBytes(p.dir.file("wide.avi"), bytes);
    p.avi->SetFileName(p.dir.file("wide.avi"));
    ASSERT_TRUE(p.avi->IsOpen());
    EXPECT_EQ(p.avi->Width(), 32);
    EXPECT_EQ(p.avi->Height(), 24);
}

TEST(AviPlayTiming, ThePeriodComesFromScaleAndRate) {
    struct Case {
        std::uint32_t scale, rate;
        int period;
    };
    for (const Case& c : {Case{1, 15, 67}, Case{1001, 30000, 33}, Case{1, 25, 40}, Case{100, 1000, 100}}) {
        Player p;
        FixtureSpec s = film(3);
        s.scale = c.scale;
        s.rate = c.rate;
        p.avi->SetFileName(p.film(s));
        p.avi->Play(0, 2, 0);
        EXPECT_EQ(p.avi->Period(), c.period) << c.scale << "/" << c.rate;
    }
}

TEST(AviPlayTiming, AStreamWithoutARateShowsItsFramesButDoesNotPlay) {
    Player p;
    FixtureSpec s = film(5);
    s.rate = 0;
    p.avi->SetFileName(p.film(s));
    ASSERT_TRUE(p.avi->IsOpen());
    p.avi->Seek(3);
    EXPECT_EQ(p.avi->FCurrentFrame(), 3);
    p.events.clear();
    p.avi->Play(0, 4, 0);
    EXPECT_FALSE(p.avi->Active());
    EXPECT_EQ(p.clock.Running(), 0);
    EXPECT_EQ(p.avi->FCurrentFrame(), 3);
    EXPECT_TRUE(p.events.empty());
}

TEST(AviPlayTicks, RepetitionsPlayTheRangeThenStop) {
    Player p;
    p.avi->SetFileName(p.film(film(10)));
    p.events.clear();
    p.avi->Play(3, 6, 2);
    EXPECT_TRUE(p.avi->Active());
    std::vector<int> shown;
    for (int i = 0; i < 12 && p.avi->Active(); ++i) {
        p.frame();
        shown.push_back(p.avi->FCurrentFrame());
    }
    // a+1 .. b, then a .. b, then the stop (showing the last frame).
    EXPECT_EQ(shown, (std::vector<int>{4, 5, 6, 3, 4, 5, 6, 6}));
    EXPECT_FALSE(p.avi->Active());
    EXPECT_EQ(p.events, (std::vector<std::string>{"start", "stop"}));
    EXPECT_EQ(p.clock.Running(), 0);
}

TEST(AviPlayTicks, TicksAfterTheLastPassDoNotRestartIt) {
    // The stop is carried out on the user-interface thread; ticks that come before it is
    // served must not take "no passes left" for endless play.
    Player p;
    p.avi->SetFileName(p.film(film(10)));
    p.avi->Play(0, 2, 1);
    p.clock.Advance(p.avi->Period() * 2); // frames 1, 2
    EXPECT_EQ(p.avi->FCurrentFrame(), 2);
    p.clock.Advance(p.avi->Period() * 5); // the end, then more ticks before any event is served
    EXPECT_EQ(p.avi->FCurrentFrame(), 2);
    EXPECT_TRUE(p.avi->Active());
    pump();
    EXPECT_FALSE(p.avi->Active());
    EXPECT_EQ(p.avi->FCurrentFrame(), 2);
}

TEST(AviPlayTicks, ZeroRepetitionsLoopEndlessly) {
    Player p;
    p.avi->SetFileName(p.film(film(4)));
    p.avi->Play(0, p.avi->FFrameCount() - 1, 0);
    std::vector<int> shown;
    for (int i = 0; i < 10; ++i) {
        p.frame();
        shown.push_back(p.avi->FCurrentFrame());
    }
    EXPECT_EQ(shown, (std::vector<int>{1, 2, 3, 0, 1, 2, 3, 0, 1, 2}));
    EXPECT_TRUE(p.avi->Active());
}

TEST(AviPlayTicks, FramesAbove65535ReachThePlay) {
    Player p;
    FixtureSpec s = film(3);
    s.lengthInHeader = 100000; // a long film (its frames past the data draw nothing)
    p.avi->SetFileName(p.film(s));
    ASSERT_EQ(p.avi->FFrameCount(), 100000);
    p.avi->Play(70000, 70002, 1);
    EXPECT_EQ(p.avi->StartFrame(), 70000);
    p.frame();
    p.frame();
    EXPECT_EQ(p.avi->FCurrentFrame(), 70002);
    p.frame();
    EXPECT_FALSE(p.avi->Active());
}

TEST(AviPlayOperations, SeekClampsAndStops) {
    Player p;
    p.avi->SetFileName(p.film(film(10)));
    p.avi->Play(0, 9, 0);
    p.frame();
    p.events.clear();
    p.avi->Seek(p.avi->FCurrentFrame()); // the same frame: nothing, not even a stop
    EXPECT_TRUE(p.avi->Active());
    struct Case {
        int to, shown;
    };
    for (const Case& c : {Case{4, 4}, Case{-5, 0}, Case{20, 9}}) {
        p.avi->Seek(c.to);
        EXPECT_EQ(p.avi->FCurrentFrame(), c.shown) << c.to;
        EXPECT_FALSE(p.avi->Active());
    }
    EXPECT_EQ(p.events, (std::vector<std::string>{"stop"}));
    p.avi->SetStartFrame(-3);
    p.avi->SetStopFrame(50);
    EXPECT_EQ(p.avi->StartFrame(), 0);
    EXPECT_EQ(p.avi->StopFrame(), 9);
}

TEST(AviPlayOperations, SwitchingActiveOnStopsFirstThenStarts) {
    Player p;
    p.avi->SetFileName(p.film(film(10)));
    p.events.clear();
    p.avi->SetActive(true);
    EXPECT_EQ(p.events, (std::vector<std::string>{"stop", "start"}));
    EXPECT_EQ(p.clock.Running(), 1);
    p.avi->SetActive(false);
    EXPECT_EQ(p.clock.Running(), 0);
    p.avi->Reopen();
    EXPECT_EQ(p.events, (std::vector<std::string>{"stop", "start", "close", "open"}));
}

TEST(AviPlayLoading, LoadedOpensOnceWithTheFramesAndPlayStateGiven) {
    Player p;
    std::string path = p.film(film(10));
    p.avi->BeginLoading();
    p.avi->SetFileName(path);
    p.avi->SetStartFrame(2);
    p.avi->SetStopFrame(5);
    p.avi->SetActive(true);
    EXPECT_FALSE(p.avi->IsOpen());
    p.avi->Loaded();
    EXPECT_TRUE(p.avi->IsOpen());
    EXPECT_TRUE(p.avi->Active());
    EXPECT_EQ(p.avi->StartFrame(), 2);
    EXPECT_EQ(p.avi->StopFrame(), 5);
    EXPECT_EQ(p.avi->FCurrentFrame(), 2);

    Player q;
    q.avi->BeginLoading();
    q.avi->SetFileName(q.dir.file("none.avi"));
    q.avi->SetActive(true);
    q.avi->Loaded();
    EXPECT_FALSE(q.avi->Active()); // no film: Active becomes False
}

// ---- sound -----------------------------------------------------------------------------------

TEST(AviPlaySound, EightBuffersOfTheRangeThenRefillsAndNothingAfterReset) {
    TWaveOutRecorder rec;
    Player p;
    FixtureSpec s = film(60, true); // 8000 Hz 8-bit: 533 samples a frame
    p.avi->SetFileName(p.film(s));
    p.avi->Play(3, 59, 0);
    std::vector<std::string> want = {"open 8000x1x8", "pause"};
    for (int i = 0; i < 8; ++i) {
        want.push_back("prepare");
        want.push_back("write 2048");
    }
    want.push_back("restart");
    EXPECT_EQ(rec.Calls(), want);
    // Frame 3 starts at 200 ms: sample 1600.
    EXPECT_EQ(p.avi->Audio().FStartSample, 1600);
    std::vector<std::uint8_t> bytes = rec.Bytes();
    ASSERT_EQ(bytes.size(), 8u * 2048u);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        ASSERT_EQ(bytes[i], SoundByte(1600 + i)) << i;

    // Each buffer given back is freed and replaced by the next part of the range.
    rec.Complete(3);
    pump();
    EXPECT_EQ(rec.Queued(), 8);
    bytes = rec.Bytes();
    ASSERT_EQ(bytes.size(), 11u * 2048u);
    for (std::size_t i = 0; i < bytes.size(); ++i)
        ASSERT_EQ(bytes[i], SoundByte(1600 + i)) << i;

    rec.Clear();
    p.avi->Stop();
    pump();
    std::vector<std::string> calls = rec.Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "reset");
    EXPECT_EQ(calls[1], "close");
    EXPECT_EQ(calls.size(), 2u); // nothing written after the reset
    EXPECT_EQ(p.avi->Audio().BuffersOut(), 0);
    EXPECT_EQ(rec.Live(), 0);
}

TEST(AviPlaySound, TheRangeEndsAtTheLastFrameAndBuffersStopFlowing) {
    TWaveOutRecorder rec;
    Player p;
    p.avi->SetFileName(p.film(film(10, true)));
    p.avi->Play(0, 2, 0); // frames 0..2: samples 0 .. 1072 (frame 2 starts at 134 ms)
    EXPECT_EQ(p.avi->Audio().FEndSample, 1072);
    std::vector<std::uint8_t> bytes = rec.Bytes();
    EXPECT_EQ(bytes.size(), 1072u);
    for (int i = 0; i < 4; ++i) {
        rec.Complete(8);
        pump();
    }
    EXPECT_EQ(rec.Bytes().size(), 1072u);
    EXPECT_EQ(rec.Queued(), 0);
}

TEST(AviPlaySound, EachPassRestartsTheSound) {
    TWaveOutRecorder rec;
    Player p;
    p.avi->SetFileName(p.film(film(4, true)));
    p.avi->Play(0, p.avi->FFrameCount() - 1, 0);
    EXPECT_EQ(rec.Opens(), 1);
    for (int i = 0; i < 4; ++i)
        p.frame(); // 1, 2, 3, then a new pass
    EXPECT_EQ(rec.Opens(), 2);
    for (int i = 0; i < 4; ++i)
        p.frame();
    EXPECT_EQ(rec.Opens(), 3);
    EXPECT_EQ(rec.Live(), 1);
}

TEST(AviPlaySound, BuffersOfAnOldDeviceAreOnlyFreed) {
    TWaveOutRecorder rec;
    Player p;
    p.avi->SetFileName(p.film(film(30, true)));
    p.avi->Play(0, 29, 0);
    // The first device's buffers come back (by its reset) only after the second device opened.
    p.avi->Play(0, 29, 0);
    EXPECT_EQ(rec.Opens(), 2);
    const std::size_t written = rec.Bytes().size();
    pump();
    EXPECT_EQ(rec.Bytes().size(), written); // none re-queued on the new device
    EXPECT_EQ(rec.Queued(), 8);
    EXPECT_EQ(p.avi->Audio().BuffersOut(), 8);
}

TEST(AviPlaySound, NoDeviceWithoutSoundOrWithPlaySoundOff) {
    TWaveOutRecorder rec;
    {
        Player p;
        p.avi->SetFileName(p.film(film(5, false)));
        p.avi->Play(0, 4, 0);
        EXPECT_FALSE(p.avi->HasSoundStream());
    }
    {
        Player p;
        p.avi->SetPlaySound(false);
        p.avi->SetFileName(p.film(film(5, true)));
        p.avi->Play(0, 4, 0);
        p.frame();
        EXPECT_EQ(rec.Opens(), 0);
        p.avi->SetPlaySound(true); // while playing: the sound starts at the current frame
        EXPECT_EQ(rec.Opens(), 1);
        EXPECT_EQ(p.avi->Audio().FStartSample, 536); // frame 1 starts at 67 ms
        p.avi->SetPlaySound(false);
        EXPECT_EQ(rec.Live(), 0);
    }
    EXPECT_EQ(rec.Opens(), 1);
    rec.FailOpen = true; // a device that refuses the format: the film plays silently
    Player p;
    p.avi->SetFileName(p.film(film(5, true)));
    p.avi->Play(0, 4, 0);
    p.frame();
    EXPECT_TRUE(p.avi->Active());
    EXPECT_EQ(p.avi->FCurrentFrame(), 1);
}

TEST(AviPlaySound, SwitchingActiveOffStopsTheSound) {
    TWaveOutRecorder rec;
    Player p;
    p.avi->SetFileName(p.film(film(10, true)));
    p.avi->SetActive(true);
    EXPECT_EQ(rec.Live(), 1);
    p.avi->SetActive(false);
    EXPECT_EQ(rec.Live(), 0);
}

// ---- drawing ---------------------------------------------------------------------------------

TEST(AviPlayDrawing, CentredFrameWithOnlyTheBandsAroundItErased) {
    Player p;
    p.avi->SetAutoSize(false);
    p.avi->SetBounds(0, 0, 400, 300);
    p.avi->SetTransparent(false);
    p.avi->SetColor(clNavy);
    FixtureSpec s = film(3);
    s.width = 320;
    s.height = 240;
    p.avi->SetFileName(p.film(s));
    p.avi->Seek(1);
    p.avi->DrawFrame();
    EXPECT_EQ(p.avi->DrawRect(), Bounds(40, 30, 320, 240));
    EXPECT_EQ(p.pixel(39, 30), clNavy);
    EXPECT_EQ(p.pixel(40, 30), FrameColour(1));
    EXPECT_EQ(p.pixel(359, 269), FrameColour(1));
    EXPECT_EQ(p.pixel(360, 269), clNavy);
    EXPECT_EQ(p.pixel(200, 270), clNavy);

    p.avi->SetStretch(true);
    EXPECT_EQ(p.avi->DrawRect(), Bounds(0, 0, 400, 300));
    EXPECT_EQ(p.pixel(0, 0), FrameColour(1));
    EXPECT_EQ(p.pixel(399, 299), FrameColour(1));

    p.avi->SetStretch(false);
    p.avi->SetCenter(false);
    EXPECT_EQ(p.avi->DrawRect(), Bounds(0, 0, 320, 240));
    EXPECT_EQ(p.pixel(330, 10), clNavy);

    // A frame larger than the control is centred with negative offsets and clipped.
    p.avi->SetCenter(true);
    p.avi->SetBounds(0, 0, 300, 200);
    p.avi->DrawFrame();
    EXPECT_EQ(p.avi->DrawRect(), Bounds(-10, -20, 320, 240));
    EXPECT_EQ(p.pixel(0, 0), FrameColour(1));
}

TEST(AviPlayDrawing, WithNoFilmTheOpaqueControlShowsItsColour) {
    Player p;
    p.avi->SetTransparent(false);
    p.avi->SetColor(clTeal);
    p.avi->DrawFrame();
    EXPECT_EQ(p.pixel(50, 25), clTeal);
}

TEST(AviPlayDrawing, TransparentFramesShowTheParentWhereTheKeyColourIs) {
    Player p;
    auto* panel = new TPanel(p.form.get(), p.form.get());
    panel->SetBounds(10, 10, 200, 150);
    panel->SetColor(clRed);
    panel->SetBevelOuter(bvNone);
    panel->SetCaption("");
    p.avi->SetParent(panel);
    p.avi->SetBounds(20, 20, 60, 40);
    // Frame 0 is black in its bottom rows and green above: black is the key colour.
    FixtureSpec s = film(2);
    s.width = 16;
    s.height = 8;
    std::vector<std::uint8_t> bytes = MakeAvi(s);
    std::size_t data = FindFourCC(bytes, "00db") + 8;
    for (int i = 0; i < 2 * 48; ++i) // the two bottom rows (rows are stored bottom-up)
        bytes[data + std::size_t(i)] = 0;
    for (int i = 2 * 48; i < 8 * 48; i += 3) {
        bytes[data + std::size_t(i)] = 0;
        bytes[data + std::size_t(i) + 1] = 0xFF;
        bytes[data + std::size_t(i) + 2] = 0;
    }
    WriteBytes(p.dir.file("key.avi"), bytes);
    p.avi->SetAutoSize(false);
    p.avi->SetFileName(p.dir.file("key.avi"));
    p.avi->DrawFrame();
    EXPECT_EQ(p.avi->DrawRect(), Bounds(22, 16, 16, 8));
    EXPECT_EQ(p.pixel(30, 17), clLime); // the frame
    EXPECT_EQ(p.pixel(30, 23), clRed);  // its black bottom rows: the panel shows through
    EXPECT_EQ(p.pixel(5, 5), clRed);    // around the frame: the panel too
    EXPECT_EQ(p.pixel(59, 39), clRed);
}

// ---- the control list ------------------------------------------------------------------------

TEST(AviPlayHook, TheLastPlayerRemovesTheWatchAndANewOneInstallsIt) {
    ASSERT_EQ(TQuillAVIPlay::PlayerCount(), 0);
    EXPECT_FALSE(TQuillAVIPlay::HookInstalled());
    auto form = std::make_unique<TForm>();
    auto* a = new TQuillAVIPlay(form.get(), form.get());
    EXPECT_TRUE(TQuillAVIPlay::HookInstalled());
    auto* b = new TQuillAVIPlay(form.get(), form.get());
    delete a;
    EXPECT_TRUE(TQuillAVIPlay::HookInstalled());
    delete b;
    EXPECT_FALSE(TQuillAVIPlay::HookInstalled());
    new TQuillAVIPlay(form.get(), form.get());
    EXPECT_TRUE(TQuillAVIPlay::HookInstalled());
    form.reset();
    EXPECT_FALSE(TQuillAVIPlay::HookInstalled());
    EXPECT_EQ(TQuillAVIPlay::PlayerCount(), 0);
}

TEST(AviPlayHook, ASiblingBeneathRepaintingMakesTheSnapshotStale) {
    // While playing, the background is taken again only when something beneath changed.
    Player p;
    p.form->Show();
    auto* under = new TPanel(p.form.get(), p.form.get());
    under->SetBounds(0, 0, 80, 80);
    under->SetColor(clYellow);
    under->SetBevelOuter(bvNone);
    under->SendToBack();
    p.avi->SetAutoSize(false);
    p.avi->SetBounds(10, 10, 40, 40);
    FixtureSpec s = film(3);
    s.width = 16;
    s.height = 8;
    p.avi->SetFileName(p.film(s));
    p.avi->Play(0, 2, 0);
    pump();
    p.avi->DrawFrame();
    EXPECT_EQ(p.pixel(5, 5), clYellow);
    under->SetColor(clBlue);
    pump(); // the panel repaints: the watch marks the player's background stale
    p.avi->DrawFrame();
    EXPECT_EQ(p.pixel(5, 5), clBlue);
    EXPECT_EQ(p.pixel(20, 20), clBlue); // the solid frame is all key colour
}

} // namespace

namespace {

// Plays the whole sound stream of a film, giving every buffer back, and returns what the
// recording device received.
std::vector<std::uint8_t> playAllSound(TWaveOutRecorder& rec, const std::string& path) {
    auto file = TAviFile::Open(path);
    if (!file) return {};
    TAudioPlay play;
    if (!play.Play(nullptr, file->GetStream(streamtypeAUDIO), -1, -1)) return {};
    for (int i = 0; i < 10000 && rec.Queued() > 0; ++i) {
        rec.Complete(TAudioPlay::kBuffers);
        pump();
    }
    play.Stop();
    pump();
    return rec.Bytes();
}

} // namespace

TEST(AviPlaySound, CompressedSoundPlaysAsTheReferenceDecodesIt) {
    struct Case {
        const char* name;
        CodedSound sound;
    };
    const Case cases[] = {
        {"IMA ADPCM", {.encoder = "adpcm_ima_wav", .rate = 22050, .channels = 1}},
        {"Microsoft ADPCM, stereo", {.encoder = "adpcm_ms", .rate = 22050, .channels = 2}},
        {"MP3 as a byte stream", {.encoder = "libmp3lame", .rate = 44100, .channels = 2}},
        {"A-law", {.encoder = "pcm_alaw", .rate = 8000, .channels = 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (!HaveEncoder(c.sound.encoder)) {
            ADD_FAILURE() << "libavcodec here has no " << c.sound.encoder << " encoder";
            continue;
        }
        const CodedFilm film = MakeCodedFilm(std::nullopt, c.sound);
        TestFolder dir;
        WriteBytes(dir.file("sound.avi"), film.avi);
        TWaveOutRecorder rec;
        const std::vector<std::uint8_t> played = playAllSound(rec, dir.file("sound.avi"));
        ASSERT_FALSE(rec.Calls().empty());
        EXPECT_EQ(rec.Calls()[0],
                  "open " + std::to_string(c.sound.rate) + "x" + std::to_string(c.sound.channels) + "x16");
        // Nearly the whole second, sample for sample as libavcodec decodes it.
        EXPECT_GT(played.size(), std::size_t(c.sound.rate * c.sound.channels * 2) * 9 / 10);
        EXPECT_TRUE(played == film.pcm)
            << played.size() << " bytes played, " << film.pcm.size() << " decoded";
    }
}

TEST(AviPlaySound, ACompressedFormatNothingDecodesOpensNoDevice) {
    CodedSound alaw{.encoder = "pcm_alaw", .rate = 8000, .channels = 1};
    CodedFilm film = MakeCodedFilm(std::nullopt, alaw);
    const std::size_t strf = FindFourCC(film.avi, "strf", FindFourCC(film.avi, "auds"));
    film.avi[strf + 8] = 0x34; // a format tag no decoder knows
    film.avi[strf + 9] = 0x12;
    TestFolder dir;
    WriteBytes(dir.file("odd.avi"), film.avi);
    TWaveOutRecorder rec;
    auto file = TAviFile::Open(dir.file("odd.avi"));
    ASSERT_TRUE(file);
    TAudioPlay play;
    EXPECT_FALSE(play.Play(nullptr, file->GetStream(streamtypeAUDIO), -1, -1));
    EXPECT_EQ(rec.Opens(), 0);
}
