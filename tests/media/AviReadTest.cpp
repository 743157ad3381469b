#include "AviFile.h"
#include "AviFixtures.h"
#include "AviGetFrame.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

std::shared_ptr<TAviFile> openSpec(const TestFolder& dir, const FixtureSpec& spec,
                                   const char* name = "film.avi") {
    WriteBytes(dir.file(name), MakeAvi(spec));
    std::string error;
    auto f = TAviFile::Open(dir.file(name), &error);
    EXPECT_TRUE(f) << error;
    return f;
}

// The colour at (x, y from the top) of a packed bitmap.
TColor dibPixel(const BITMAPINFOHEADER* bi, int x, int y) {
    const std::uint8_t* bits = TGetFrame::Bits(bi);
    int h = bi->biHeight < 0 ? -bi->biHeight : bi->biHeight;
    const std::uint8_t* row = bits + std::size_t(DibRowBytes(bi->biWidth, bi->biBitCount)) *
                                         std::size_t(bi->biHeight < 0 ? y : h - 1 - y);
    if (bi->biBitCount == 8) {
        const auto* q =
            reinterpret_cast<const RGBQUAD*>(reinterpret_cast<const std::uint8_t*>(bi) + bi->biSize);
        const RGBQUAD& c = q[row[x]];
        return RGB(c.rgbRed, c.rgbGreen, c.rgbBlue);
    }
    const std::uint8_t* p = row + x * (bi->biBitCount / 8);
    return RGB(p[2], p[1], p[0]);
}

bool near(TColor a, TColor b, int tol) {
    return std::abs(GetRValue(a) - GetRValue(b)) <= tol && std::abs(GetGValue(a) - GetGValue(b)) <= tol &&
           std::abs(GetBValue(a) - GetBValue(b)) <= tol;
}

struct DecodeCase {
    const char* name;
    FixtureCodec codec;
    FixtureIndex index;
    int bits;      // bits of the decoded frame
    int tolerance; // colour error allowed (lossy and 16-bit codecs)
    bool secondRiff = false;
};

class FrameDecoding : public testing::TestWithParam<DecodeCase> {};

TEST_P(FrameDecoding, EveryFrameShowsItsOwnColourInOrderAndOutOfOrder) {
    const DecodeCase& c = GetParam();
    TestFolder dir;
    FixtureSpec spec;
    spec.codec = c.codec;
    spec.index = c.index;
    spec.secondRiff = c.secondRiff;
    spec.width = 33; // odd widths exercise row padding
    spec.height = 17;
    spec.frames = 8;
    if (c.codec == FixtureCodec::Mjpeg) {
        spec.width = 48;
        spec.height = 32;
    }
    auto file = openSpec(dir, spec);
    ASSERT_TRUE(file);
    auto video = file->GetStream(streamtypeVIDEO);
    ASSERT_TRUE(video);
    EXPECT_EQ(video->Chunks().size(), 8u);
    std::string error;
    auto getter = TGetFrame::Open(video, &error);
    ASSERT_TRUE(getter) << error;
    for (int n : {0, 1, 2, 3, 4, 5, 6, 7, 3, 0, 7, 6}) {
        const BITMAPINFOHEADER* bi = getter->GetFrame(n);
        ASSERT_TRUE(bi) << "frame " << n;
        EXPECT_EQ(bi->biWidth, spec.width);
        EXPECT_EQ(bi->biHeight, spec.height);
        EXPECT_EQ(bi->biBitCount, c.bits);
        for (auto [x, y] : {std::pair{0, 0}, {spec.width - 1, spec.height - 1}, {spec.width / 2, 3}})
            EXPECT_TRUE(near(dibPixel(bi, x, y), FrameColour(n), c.tolerance))
                << "frame " << n << " at " << x << "," << y << ": " << std::hex << dibPixel(bi, x, y);
    }
    EXPECT_EQ(getter->GetFrame(8), nullptr);
    EXPECT_EQ(getter->GetFrame(-1), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Films, FrameDecoding,
    testing::Values(DecodeCase{"Raw24", FixtureCodec::Raw24, FixtureIndex::Idx1, 24, 0},
                    DecodeCase{"Raw8", FixtureCodec::Raw8, FixtureIndex::Idx1, 8, 0},
                    DecodeCase{"Raw16", FixtureCodec::Raw16, FixtureIndex::Idx1, 24, 8},
                    DecodeCase{"Raw32", FixtureCodec::Raw32, FixtureIndex::Idx1, 32, 0},
                    DecodeCase{"Rle8", FixtureCodec::Rle8, FixtureIndex::Idx1, 8, 0},
                    DecodeCase{"Rle4", FixtureCodec::Rle4, FixtureIndex::Idx1, 8, 0},
                    DecodeCase{"Mjpeg", FixtureCodec::Mjpeg, FixtureIndex::Idx1, 24, 6},
                    DecodeCase{"NoIndex", FixtureCodec::Raw24, FixtureIndex::None, 24, 0},
                    DecodeCase{"AbsoluteIdx1", FixtureCodec::Raw8, FixtureIndex::Idx1Absolute, 8, 0},
                    DecodeCase{"OpenDML", FixtureCodec::Raw24, FixtureIndex::OpenDML, 24, 0, true},
                    DecodeCase{"ScannedAvix", FixtureCodec::Rle8, FixtureIndex::None, 8, 0, true},
                    DecodeCase{"MjpegOpenDML", FixtureCodec::Mjpeg, FixtureIndex::OpenDML, 24, 6, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AviStreamInfo, HeaderValuesComeThroughAsWritten) {
    TestFolder dir;
    FixtureSpec spec;
    spec.width = 40;
    spec.height = 30;
    spec.frames = 6;
    spec.scale = 1001;
    spec.rate = 30000;
    spec.audio = FixtureAudio{22050, 16, 2, 0};
    auto file = openSpec(dir, spec);
    ASSERT_TRUE(file);
    EXPECT_EQ(file->StreamCount(), 2);
    EXPECT_EQ(file->IndexKind(), TAviIndexKind::Idx1);
    auto v = file->GetStream(streamtypeVIDEO);
    auto a = file->GetStream(streamtypeAUDIO);
    ASSERT_TRUE(v && a);
    EXPECT_EQ(file->GetStream(streamtypeAUDIO, 1), nullptr);
    EXPECT_EQ(file->GetStream(0, 1), a);
    const AVISTREAMINFO& vi = v->Info();
    EXPECT_EQ(vi.fccType, streamtypeVIDEO);
    EXPECT_EQ(vi.dwScale, 1001u);
    EXPECT_EQ(vi.dwRate, 30000u);
    EXPECT_EQ(vi.dwLength, 6u);
    EXPECT_EQ(vi.dwSampleSize, 0u);
    EXPECT_EQ(vi.rcFrame(), Rect(0, 0, 40, 30));
    EXPECT_EQ(v->BitmapHeader().biBitCount, 24);

    const AVISTREAMINFO& ai = a->Info();
    EXPECT_EQ(ai.dwSampleSize, 4u);
    EXPECT_EQ(ai.dwRate, 22050u);
    EXPECT_EQ(ai.dwScale, 1u);
    const int perFrame = int(22050LL * 4 * 1001 / 30000) / 4;
    EXPECT_EQ(ai.dwLength, std::uint32_t(perFrame * 6));
    WAVEFORMATEX wf = a->WaveFormat();
    EXPECT_EQ(wf.wFormatTag, WAVE_FORMAT_PCM);
    EXPECT_EQ(wf.nChannels, 2);
    EXPECT_EQ(wf.wBitsPerSample, 16);
    EXPECT_EQ(wf.nBlockAlign, 4);
    int size = 0;
    EXPECT_EQ(a->ReadFormat(nullptr, &size), AVIERR_OK);
    EXPECT_EQ(size, 18);
}

TEST(AviSampleTime, FramesAndSoundMeetAtTheSameTimes) {
    TestFolder dir;
    FixtureSpec spec;
    spec.frames = 30;
    spec.audio = FixtureAudio{22050, 8, 1, 0};
    auto file = openSpec(dir, spec);
    auto v = file->GetStream(streamtypeVIDEO);
    auto a = file->GetStream(streamtypeAUDIO);
    // 15 frames a second: frame n starts at n * 66.67 ms.
    EXPECT_EQ(v->SampleToTime(0), 0);
    EXPECT_EQ(v->SampleToTime(1), 67);
    EXPECT_EQ(v->SampleToTime(15), 1000);
    for (int n = 0; n <= 30; ++n)
        EXPECT_EQ(v->TimeToSample(v->SampleToTime(n)), n);
    EXPECT_EQ(v->SampleToTime(1000), v->SampleToTime(30)); // clamped to the stream
    EXPECT_EQ(v->TimeToSample(-50), 0);
    EXPECT_EQ(a->TimeToSample(1000), 22050);
    EXPECT_EQ(a->TimeToSample(v->SampleToTime(15)), 22050);
}

TEST(AviSoundRead, SamplesAreAddressedAcrossChunks) {
    TestFolder dir;
    FixtureSpec spec;
    spec.frames = 6;
    spec.audio = FixtureAudio{8000, 16, 1, 301 * 2}; // chunks of 301 samples: reads straddle them
    auto file = openSpec(dir, spec);
    auto a = file->GetStream(streamtypeAUDIO);
    ASSERT_TRUE(a);
    ASSERT_EQ(a->Length(), 301 * 6);
    struct Case {
        int start, count, bufferBytes, wantSamples, wantResult;
    };
    for (const Case& c : {Case{0, 100, 4096, 100, AVIERR_OK}, Case{250, 400, 4096, 400, AVIERR_OK},
                          Case{1700, 400, 4096, 106, AVIERR_OK}, // short at the end
                          Case{10, 1000, 64, 32, AVIERR_OK},     // the buffer limits the read
                          Case{1806, 10, 4096, 0, AVIERR_NODATA}, Case{-1, 10, 4096, 0, AVIERR_NODATA},
                          Case{0, 10, 1, 0, AVIERR_BUFFERTOOSMALL}}) {
        std::vector<std::uint8_t> buf(std::size_t(c.bufferBytes), 0xEE);
        std::int32_t bytes = -1, samples = -1;
        int rc = a->Read(c.start, c.count, buf.data(), c.bufferBytes, &bytes, &samples);
        EXPECT_EQ(rc, c.wantResult) << c.start;
        EXPECT_EQ(samples, c.wantSamples) << c.start;
        EXPECT_EQ(bytes, c.wantSamples * 2) << c.start;
        for (int i = 0; i < bytes; ++i)
            ASSERT_EQ(buf[std::size_t(i)], SoundByte(std::size_t(c.start) * 2 + std::size_t(i))) << c.start;
    }
    std::int32_t bytes = 0, samples = 0;
    EXPECT_EQ(a->Read(5, 50, nullptr, 0, &bytes, &samples), AVIERR_OK);
    EXPECT_EQ(bytes, 100);
    EXPECT_EQ(samples, 50);
}

TEST(AviVideoRead, OneFrameAChunkAndTheSizeWithoutABuffer) {
    TestFolder dir;
    FixtureSpec spec;
    auto file = openSpec(dir, spec);
    auto v = file->GetStream(streamtypeVIDEO);
    std::int32_t bytes = 0, samples = 0;
    EXPECT_EQ(v->Read(2, 1, nullptr, 0, &bytes, &samples), AVIERR_OK);
    EXPECT_EQ(bytes, int(DibRowBytes(16, 24) * 12));
    std::vector<std::uint8_t> buf(static_cast<std::size_t>(bytes));
    EXPECT_EQ(v->Read(2, 1, buf.data(), bytes, &bytes, &samples), AVIERR_OK);
    EXPECT_EQ(samples, 1);
    EXPECT_EQ(RGB(buf[2], buf[1], buf[0]), FrameColour(2));
    EXPECT_EQ(v->Read(2, 1, buf.data(), bytes - 1, &bytes, &samples), AVIERR_BUFFERTOOSMALL);
}

TEST(AviRleDecoding, DeltaFramesDrawOverThePreviousFrame) {
    // Frame 1 only moves down one row and paints 2 pixels of index 3, then ends: the rest must
    // keep frame 0's index 0. After a seek back and forth the result is the same.
    TestFolder dir;
    FixtureSpec spec;
    spec.codec = FixtureCodec::Rle8;
    spec.width = 8;
    spec.height = 4;
    spec.frames = 2;
    spec.index = FixtureIndex::None;
    auto bytes = MakeAvi(spec);
    // Replace frame 1 (index 1 solid) by a delta frame of the same size.
    std::size_t first = FindFourCC(bytes, "00dc");
    std::size_t second = FindFourCC(bytes, "00dc", first + 4);
    std::uint32_t size = GetU32(bytes, second + 4);
    std::vector<std::uint8_t> delta = {0, 2, 3, 1, 2, 3, 0, 1};
    delta.resize(size, 0);
    std::copy(delta.begin(), delta.end(), bytes.begin() + long(second + 8));
    WriteBytes(dir.file("rle.avi"), bytes);
    auto file = TAviFile::Open(dir.file("rle.avi"));
    auto getter = TGetFrame::Open(file->GetStream(streamtypeVIDEO));
    ASSERT_TRUE(getter);
    for (int pass = 0; pass < 2; ++pass) {
        ASSERT_TRUE(getter->GetFrame(0));
        const BITMAPINFOHEADER* bi = getter->GetFrame(1);
        ASSERT_TRUE(bi);
        // Bottom-up: the delta moved to x 3 of the second row from the bottom (y 2 from the top).
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 8; ++x) {
                bool painted = y == 2 && (x == 3 || x == 4);
                EXPECT_EQ(dibPixel(bi, x, y), FrameColour(painted ? 3 : 0)) << x << "," << y;
            }
    }
}

} // namespace

// Films made from bitmaps (the program folder's films are written this way): every pixel comes
// back through the reader, for uncompressed and run-length frames alike, and the sound track
// arrives whole.
TEST(FilmFromBitmaps, EveryPixelAndEverySoundByteComesBack) {
    std::vector<PALETTEENTRY> entries(256);
    for (int i = 0; i < 256; ++i)
        entries[std::size_t(i)] = {std::uint8_t(i), std::uint8_t(255 - i), std::uint8_t(i * 7), 0};
    const HPALETTE pal = CreatePalette(entries);
    // Frames mixing long runs, runs of two and changing stretches of odd and even length, on an
    // odd width so rows are padded.
    std::vector<TBitmap> frames;
    for (int n = 0; n < 4; ++n) {
        TBitmap f(301, 7, pf8bit);
        f.SetPalette(pal);
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 301; ++x)
                f.ScanLine(y)[x] = std::uint8_t(x < 280 ? (x + y * 40 + n) / 3 % 2 ? 5 : x * y + n : 9);
        frames.push_back(f);
    }
    PcmTrack sound;
    sound.rate = 8000;
    for (int i = 0; i < 2001; ++i) // not a multiple of the frame count
        sound.samples.push_back(std::uint8_t(i * 13));
    for (FilmCoding coding : {FilmCoding::Raw, FilmCoding::Rle8}) {
        SCOPED_TRACE(coding == FilmCoding::Raw ? "raw" : "rle8");
        FilmSpec spec;
        spec.frames = frames;
        spec.coding = coding;
        spec.sound = sound;
        TestFolder dir;
        WriteBytes(dir.file("film.avi"), MakeFilm(spec));
        auto file = TAviFile::Open(dir.file("film.avi"));
        ASSERT_TRUE(file);
        auto video = file->GetStream(streamtypeVIDEO);
        ASSERT_TRUE(video);
        ASSERT_EQ(video->Length(), 4);
        auto getter = TGetFrame::Open(video);
        ASSERT_TRUE(getter);
        for (int n = 0; n < 4; ++n) {
            const BITMAPINFOHEADER* bi = getter->GetFrame(n);
            ASSERT_TRUE(bi);
            ASSERT_EQ(bi->biWidth, 301);
            for (int y = 0; y < 7; ++y)
                for (int x = 0; x < 301; ++x)
                    ASSERT_EQ(dibPixel(bi, x, y), frames[std::size_t(n)].GetPixel(x, y))
                        << n << " " << x << "," << y;
        }
        auto audio = file->GetStream(streamtypeAUDIO);
        ASSERT_TRUE(audio);
        EXPECT_EQ(audio->Length(), 2001);
        std::vector<std::uint8_t> got(2001);
        std::int32_t bytes = 0, samples = 0;
        ASSERT_EQ(audio->Read(0, 2001, got.data(), 2001, &bytes, &samples), 0);
        EXPECT_EQ(std::vector<std::uint8_t>(got.begin(), got.begin() + bytes), sound.samples);
    }
}
