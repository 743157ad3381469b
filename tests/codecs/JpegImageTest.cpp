#include "JpegImage.h"
#include "CodecFixtures.h"
#include "FilmBuilder.h"
#include "TestFolder.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace {

std::vector<std::uint8_t> encodeBitmap(const TBitmap& b, int quality = 90, bool progressive = false) {
    TJPEGImage j;
    j.Assign(b);
    j.SetCompressionQuality(quality);
    j.SetProgressiveEncoding(progressive);
    std::vector<std::uint8_t> out;
    j.SaveToStream(out);
    return out;
}

// The marker segments before the first scan: code and payload.
std::vector<std::pair<int, std::vector<std::uint8_t>>> segments(const std::vector<std::uint8_t>& d) {
    std::vector<std::pair<int, std::vector<std::uint8_t>>> out;
    size_t i = 2;
    while (i + 4 <= d.size() && d[i] == 0xFF) {
        const int code = d[i + 1];
        const size_t len = size_t(d[i + 2] << 8 | d[i + 3]);
        out.push_back(
            {code, std::vector<std::uint8_t>(d.begin() + long(i) + 4, d.begin() + long(i + 2 + len))});
        if (code == 0xDA) break;
        i += 2 + len;
    }
    return out;
}

bool hasMarker(const std::vector<std::uint8_t>& d, int code) {
    for (auto& s : segments(d))
        if (s.first == code) return true;
    return false;
}

// The luminance quantisation table (8-bit precision, table 0), in zig-zag order.
std::vector<int> lumaTable(const std::vector<std::uint8_t>& d) {
    for (auto& [code, p] : segments(d)) {
        if (code != 0xDB) continue;
        for (size_t i = 0; i + 65 <= p.size(); i += 65)
            if (p[i] == 0x00) return std::vector<int>(p.begin() + long(i) + 1, p.begin() + long(i) + 65);
    }
    return {};
}

double meanError(const TBitmap& a, const TBitmap& b) {
    double sum = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            TColor p = a.GetPixel(x, y), q = b.GetPixel(x, y);
            sum += std::abs(GetRValue(p) - GetRValue(q)) + std::abs(GetGValue(p) - GetGValue(q)) +
                   std::abs(GetBValue(p) - GetBValue(q));
        }
    return sum / (3.0 * a.Width() * a.Height());
}

TEST(JpegImage, RoundTripKeepsSizeAndColours) {
    const TBitmap src = TestPicture(64, 48);
    const auto bytes = encodeBitmap(src);
    ASSERT_GE(bytes.size(), 4u);
    EXPECT_EQ(bytes[0], 0xFF);
    EXPECT_EQ(bytes[1], 0xD8);
    EXPECT_EQ(bytes[bytes.size() - 2], 0xFF);
    EXPECT_EQ(bytes.back(), 0xD9);

    TJPEGImage j;
    j.LoadFromStream(bytes);
    EXPECT_EQ(j.Width(), 64);
    EXPECT_EQ(j.Height(), 48);
    EXPECT_FALSE(j.ProgressiveEncoding());
    const TBitmap& out = j.Bitmap();
    EXPECT_EQ(out.PixelFormat(), pf24bit);
    ASSERT_EQ(out.Width(), 64);
    ASSERT_EQ(out.Height(), 48);
    EXPECT_LT(meanError(src, out), 4.0);
}

TEST(JpegImage, ScaledDecodeSizesRoundUp) {
    struct Size {
        int w, h;
    };
    for (Size s : {Size{800, 600}, Size{801, 599}, Size{7, 5}, Size{1, 1}, Size{17, 33}}) {
        const auto bytes = encodeBitmap(TestPicture(s.w, s.h));
        for (TJPEGScale scale : {jsFullSize, jsHalf, jsQuarter, jsEighth}) {
            SCOPED_TRACE(testing::Message() << s.w << "x" << s.h << " scale " << scale);
            const int d = 1 << scale;
            TJPEGImage j;
            j.SetScale(scale);
            j.LoadFromStream(bytes);
            EXPECT_EQ(j.Width(), (s.w + d - 1) / d);
            EXPECT_EQ(j.Height(), (s.h + d - 1) / d);
            const TBitmap& b = j.Bitmap();
            EXPECT_EQ(b.Width(), (s.w + d - 1) / d);
            EXPECT_EQ(b.Height(), (s.h + d - 1) / d);
        }
    }
}

TEST(JpegImage, ChangingTheScaleRedecodes) {
    TJPEGImage j;
    j.LoadFromStream(encodeBitmap(TestPicture(80, 40)));
    EXPECT_EQ(j.Bitmap().Width(), 80);
    j.SetScale(jsQuarter);
    EXPECT_EQ(j.Width(), 20);
    EXPECT_EQ(j.Bitmap().Width(), 20);
    EXPECT_EQ(j.Bitmap().Height(), 10);
}

TEST(JpegImage, ProgressiveEncodingWritesSof2) {
    const TBitmap src = TestPicture(40, 30);
    const auto baseline = encodeBitmap(src, 90, false);
    const auto progressive = encodeBitmap(src, 90, true);
    EXPECT_TRUE(hasMarker(baseline, 0xC0));
    EXPECT_FALSE(hasMarker(baseline, 0xC2));
    EXPECT_TRUE(hasMarker(progressive, 0xC2));
    EXPECT_FALSE(hasMarker(progressive, 0xC0));

    TJPEGImage j;
    j.LoadFromStream(progressive);
    EXPECT_TRUE(j.ProgressiveEncoding());
    EXPECT_LT(meanError(src, j.Bitmap()), 4.0);
}

TEST(JpegImage, QualityReachesTheQuantisationTables) {
    const TBitmap src = TestPicture(32, 32);
    long previous = -1;
    for (int q : {10, 50, 75, 90, 100}) {
        SCOPED_TRACE(q);
        const std::vector<int> t = lumaTable(encodeBitmap(src, q));
        ASSERT_EQ(t.size(), 64u);
        long sum = 0;
        for (int v : t)
            sum += v;
        if (previous >= 0) {
            EXPECT_LT(sum, previous);
        }
        previous = sum;
        if (q == 100) {
            EXPECT_EQ(sum, 64);
        }
    }
    TJPEGImage j;
    j.SetCompressionQuality(0);
    EXPECT_EQ(j.CompressionQuality(), 1);
    j.SetCompressionQuality(250);
    EXPECT_EQ(j.CompressionQuality(), 100);
}

TEST(JpegImage, SavingFollowsTheSettingsAndKeepsLoadedBytes) {
    TJPEGImage j;
    j.Assign(TestPicture(48, 48));
    j.SetCompressionQuality(100);
    const std::vector<std::uint8_t> best = j.Data();
    j.SetCompressionQuality(10);
    const std::vector<std::uint8_t> small = j.Data();
    EXPECT_LT(small.size(), best.size());
    j.SetProgressiveEncoding(true);
    EXPECT_TRUE(hasMarker(j.Data(), 0xC2));

    // Loaded data is written back byte for byte, whatever the settings.
    TJPEGImage k;
    k.LoadFromStream(best);
    k.SetCompressionQuality(20);
    k.SetScale(jsHalf);
    std::vector<std::uint8_t> saved;
    k.SaveToStream(saved);
    EXPECT_EQ(saved, best);
}

TEST(JpegImage, GreyscaleAndEightBitOutput) {
    const TBitmap src = TestPicture(64, 64);
    const auto bytes = encodeBitmap(src);
    struct Case {
        TJPEGPixelFormat format;
        bool grey;
        TJPEGPerformance performance;
    };
    for (Case c : {Case{jf24Bit, true, jpBestQuality}, Case{jf8Bit, true, jpBestSpeed},
                   Case{jf8Bit, false, jpBestQuality}, Case{jf8Bit, false, jpBestSpeed},
                   Case{jf24Bit, false, jpBestSpeed}}) {
        SCOPED_TRACE(testing::Message()
                     << "format " << c.format << " grey " << c.grey << " perf " << c.performance);
        TJPEGImage j;
        j.SetPixelFormat(c.format);
        j.SetGrayscale(c.grey);
        j.SetPerformance(c.performance);
        j.LoadFromStream(bytes);
        const TBitmap& b = j.Bitmap();
        ASSERT_EQ(b.Width(), 64);
        EXPECT_EQ(b.PixelFormat(), c.format == jf8Bit ? pf8bit : pf24bit);
        if (c.format == jf8Bit) {
            EXPECT_EQ(b.Palette()->entries.size(), 256u);
        }
        std::set<TColor> colours;
        for (int y = 0; y < 64; ++y)
            for (int x = 0; x < 64; ++x) {
                TColor p = b.GetPixel(x, y);
                colours.insert(p);
                if (c.grey) {
                    ASSERT_EQ(GetRValue(p), GetGValue(p));
                    ASSERT_EQ(GetGValue(p), GetBValue(p));
                }
            }
        if (!c.grey) {
            EXPECT_GT(colours.size(), 20u);
            // Ordered dithering adds its own noise; a wrong palette would be far off.
            EXPECT_LT(meanError(src, b), c.format == jf8Bit ? 20.0 : 5.0);
        }
    }
}

// A JPEG of another colour space, every pixel the same samples.
std::vector<std::uint8_t> rawJpeg(int w, int h, JpegColours colours, const std::vector<std::uint8_t>& pixel) {
    JpegSpec spec;
    spec.width = w;
    spec.height = h;
    spec.colours = colours;
    spec.quality = 95;
    spec.fillRow = [&](int, std::uint8_t* row) {
        for (int x = 0; x < w; ++x)
            std::copy(pixel.begin(), pixel.end(), row + std::size_t(x) * pixel.size());
    };
    return EncodeJpeg(spec);
}

TEST(JpegImage, DecodesGreyAndCmykFiles) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> file;
        TJPEGPixelFormat format;
        TColor expected;
    };
    const auto grey = rawJpeg(16, 8, JpegColours::Grey, {100});
    // Adobe CMYK stores inverted inks: 0 cyan ink is 255.
    const auto cmyk = rawJpeg(16, 8, JpegColours::Cmyk, {0, 255, 255, 255});
    const Case cases[] = {{"grey to true colour", grey, jf24Bit, RGB(100, 100, 100)},
                          {"grey to 8-bit", grey, jf8Bit, RGB(100, 100, 100)},
                          {"CMYK to true colour", cmyk, jf24Bit, RGB(0, 255, 255)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TJPEGImage j;
        j.SetPixelFormat(c.format);
        j.LoadFromStream(c.file);
        const TBitmap& b = j.Bitmap();
        ASSERT_EQ(b.Width(), 16);
        const TColor p = b.GetPixel(5, 5);
        EXPECT_NEAR(GetRValue(p), GetRValue(c.expected), 3);
        EXPECT_NEAR(GetGValue(p), GetGValue(c.expected), 3);
        EXPECT_NEAR(GetBValue(p), GetBValue(c.expected), 3);
    }
}

TEST(JpegImage, EncodesPaletteBitmapsThroughTheirColours) {
    TBitmap b(16, 16, pf8bit);
    std::vector<PALETTEENTRY> pal(256);
    pal[7] = {250, 10, 10, 0};
    b.SetPalette(CreatePalette(pal));
    for (int y = 0; y < 16; ++y)
        std::fill_n(b.ScanLine(y), 16, 7);
    TJPEGImage j;
    j.LoadFromStream(encodeBitmap(b));
    const TColor p = j.Bitmap().GetPixel(8, 8);
    EXPECT_NEAR(GetRValue(p), 250, 4);
    EXPECT_NEAR(GetGValue(p), 10, 4);
}

struct CorruptCase {
    const char* name;
    std::vector<std::uint8_t> data;
    bool refusedAtLoad; // else when decoded
};

std::vector<CorruptCase> corruptCases() {
    const auto good = encodeBitmap(TestPicture(256, 192));
    const auto prog = encodeBitmap(TestPicture(256, 192), 90, true);
    auto sofAt = [&](const std::vector<std::uint8_t>& d, int code) {
        for (size_t i = 2; i + 1 < d.size(); ++i)
            if (d[i] == 0xFF && d[i + 1] == code) return i;
        return size_t(0);
    };
    auto withSize = [&](int w, int h) {
        auto d = good;
        size_t s = sofAt(d, 0xC0);
        d[s + 5] = std::uint8_t(h >> 8), d[s + 6] = std::uint8_t(h);
        d[s + 7] = std::uint8_t(w >> 8), d[s + 8] = std::uint8_t(w);
        return d;
    };
    auto scrambled = [&](std::vector<std::uint8_t> d) {
        // Overwrite the middle of the entropy-coded data with a restart marker it never declared.
        for (size_t i = d.size() / 2; i < d.size() / 2 + 40; i += 2)
            d[i] = 0xFF, d[i + 1] = 0xD3;
        return d;
    };
    std::vector<CorruptCase> t;
    t.push_back({"empty", {}, true});
    t.push_back({"a BMP file", std::vector<std::uint8_t>{'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0}, true});
    t.push_back({"only the start marker", {0xFF, 0xD8}, true});
    t.push_back({"cut inside the headers", {good.begin(), good.begin() + 100}, true});
    t.push_back({"zero width", withSize(0, 48), true});
    t.push_back({"larger than the cap", withSize(65000, 65000), true});
    t.push_back({"cut in half", {good.begin(), good.begin() + long(good.size() / 2)}, false});
    t.push_back({"cut before the end marker", {good.begin(), good.end() - 40}, false});
    t.push_back({"progressive cut in half", {prog.begin(), prog.begin() + long(prog.size() / 2)}, false});
    t.push_back({"scrambled entropy data", scrambled(good), false});
    return t;
}

TEST(JpegImage, CorruptDataGivesAnErrorAndKeepsThePicture) {
    const auto good = encodeBitmap(TestPicture(30, 20));
    for (const CorruptCase& c : corruptCases()) {
        SCOPED_TRACE(c.name);
        TJPEGImage j;
        j.LoadFromStream(good);
        if (c.refusedAtLoad) {
            EXPECT_THROW(j.LoadFromStream(c.data), EInvalidGraphic);
            EXPECT_EQ(j.Width(), 30);
            EXPECT_EQ(j.Bitmap().Height(), 20);
            EXPECT_EQ(j.Data(), good);
        } else {
            ASSERT_NO_THROW(j.LoadFromStream(c.data));
            try {
                j.DIBNeeded();
                ADD_FAILURE() << "decoded";
            } catch (const EInvalidGraphic& e) {
                EXPECT_NE(std::string(e.what()).find("JPEG error"), std::string::npos);
            }
            EXPECT_THROW(j.Bitmap(), EInvalidGraphic); // and again, never a half picture
        }
    }
}

TEST(JpegImage, ProgressReportsStagesInOrder) {
    TJPEGImage j;
    j.LoadFromStream(encodeBitmap(TestPicture(320, 240)));
    std::vector<std::pair<TProgressStage, int>> seen;
    j.OnProgress = [&](TProgressStage s, int p, const TBitmap* partial) {
        EXPECT_EQ(partial, nullptr);
        seen.push_back({s, p});
    };
    j.DIBNeeded();
    ASSERT_GE(seen.size(), 3u);
    EXPECT_EQ(seen.front(), std::make_pair(psStarting, 0));
    EXPECT_EQ(seen.back(), std::make_pair(psEnding, 100));
    for (size_t i = 1; i + 1 < seen.size(); ++i) {
        EXPECT_EQ(seen[i].first, psRunning);
        EXPECT_GE(seen[i].second, seen[i - 1].second);
    }

    // A failing decode still ends its progress display.
    TJPEGImage bad;
    auto cut = encodeBitmap(TestPicture(64, 64));
    cut.resize(cut.size() / 2);
    bad.LoadFromStream(cut);
    TProgressStage last = psStarting;
    bad.OnProgress = [&](TProgressStage s, int, const TBitmap*) { last = s; };
    EXPECT_THROW(bad.DIBNeeded(), EInvalidGraphic);
    EXPECT_EQ(last, psEnding);
}

TEST(JpegImage, ProgressiveDisplayShowsEachScanAndEndsAsAPlainDecode) {
    const auto bytes = encodeBitmap(TestPicture(96, 64), 90, true);
    TJPEGImage plain;
    plain.LoadFromStream(bytes);
    TJPEGImage shown;
    shown.SetProgressiveDisplay(true);
    shown.LoadFromStream(bytes);
    int partials = 0;
    shown.OnProgress = [&](TProgressStage, int, const TBitmap* partial) {
        if (partial) {
            ++partials;
            EXPECT_EQ(partial->Width(), 96);
            EXPECT_EQ(partial->Height(), 64);
        }
    };
    const TBitmap& a = shown.Bitmap();
    EXPECT_GE(partials, 5); // the standard progression has ten scans
    const TBitmap& b = plain.Bitmap();
    EXPECT_EQ(meanError(a, b), 0.0);
}

TEST(JpegImage, FilesRoundTripAndFileErrorsThrow) {
    TestFolder dir;
    TJPEGImage j;
    j.Assign(TestPicture(20, 10));
    j.SetProgressiveEncoding(true);
    j.SaveToFile(dir.file("a.jpg"));
    TJPEGImage k;
    k.LoadFromFile(dir.file("a.jpg"));
    EXPECT_EQ(k.Width(), 20);
    EXPECT_TRUE(k.ProgressiveEncoding());
    std::stringstream ss;
    k.SaveToStream(ss);
    TJPEGImage m;
    m.LoadFromStream(ss);
    EXPECT_EQ(m.Height(), 10);

    EXPECT_THROW(k.LoadFromFile(dir.file("missing.jpg")), EStreamError);
    EXPECT_EQ(k.Width(), 20);
    EXPECT_THROW(j.SaveToFile(dir.file("no/folder/a.jpg")), EStreamError);
    EXPECT_THROW(j.SaveToFile("/dev/full"), EStreamError);

    TJPEGImage empty;
    EXPECT_TRUE(empty.Empty());
    EXPECT_EQ(empty.Width(), 0);
    EXPECT_THROW(empty.SaveToFile(dir.file("b.jpg")), EInvalidGraphic);
}

} // namespace

namespace {

// A greyscale progressive file whose script splits every coefficient into its own band and
// every band into successive-approximation scans: valid, and 704 scans long.
std::vector<std::uint8_t> manyScanJpeg() {
    JpegSpec spec;
    spec.width = 16;
    spec.height = 16;
    spec.colours = JpegColours::Grey;
    for (int band = 0; band < 64; ++band) {
        spec.scans.push_back({band, band, 0, 10});
        for (int al = 9; al >= 0; --al)
            spec.scans.push_back({band, band, al + 1, al});
    }
    spec.fillRow = [](int y, std::uint8_t* row) {
        for (int x = 0; x < 16; ++x)
            row[x] = std::uint8_t((x * 16 + y * 7) & 0xFF);
    };
    return EncodeJpeg(spec);
}

int scansIn(const std::vector<std::uint8_t>& d) {
    int n = 0;
    for (size_t i = 0; i + 1 < d.size(); ++i)
        n += d[i] == 0xFF && d[i + 1] == 0xDA;
    return n;
}

} // namespace

TEST(JpegImage, RefusesAProgressiveFileOfThousandsOfScans) {
    const auto many = manyScanJpeg();
    ASSERT_GT(scansIn(many), 600);
    for (bool display : {false, true}) {
        SCOPED_TRACE(display ? "progressive display" : "plain decode");
        TJPEGImage j;
        j.SetProgressiveDisplay(display);
        j.LoadFromStream(many);
        try {
            j.DIBNeeded();
            ADD_FAILURE() << "decoded";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Reason(), "too many scans");
        }
    }
    // An ordinary progressive file is far below the limit.
    TJPEGImage j;
    j.LoadFromStream(encodeBitmap(TestPicture(64, 48), 90, true));
    EXPECT_EQ(j.Bitmap().Width(), 64);
}

TEST(JpegImage, AcceptsAFileWhoseOnlyFaultIsAMissingEndMarker) {
    const TBitmap picture = TestPicture(96, 64);
    const auto good = encodeBitmap(picture);
    ASSERT_EQ(good[good.size() - 2], 0xFF);
    ASSERT_EQ(good[good.size() - 1], 0xD9);
    TJPEGImage whole, noEnd;
    whole.LoadFromStream(good);
    noEnd.LoadFromStream(std::vector<std::uint8_t>(good.begin(), good.end() - 2));
    const TBitmap& a = whole.Bitmap();
    const TBitmap& b = noEnd.Bitmap();
    ASSERT_EQ(b.Width(), 96);
    ASSERT_EQ(b.Height(), 64);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 96; ++x)
            ASSERT_EQ(a.GetPixel(x, y), b.GetPixel(x, y)) << x << "," << y;
    // A few bytes fewer and pixels are missing: refused.
    TJPEGImage cut;
    cut.LoadFromStream(std::vector<std::uint8_t>(good.begin(), good.end() - 12));
    EXPECT_THROW(cut.DIBNeeded(), EInvalidGraphic);
}

TEST(JpegImage, AShortFileClaimingAHugePictureIsRefusedWithoutTouchingItsSize) {
    // A 64 x 64 file whose frame header claims 16384 x 16384 (a 1 GiB page).
    auto d = encodeBitmap(TestPicture(64, 64));
    size_t sof = 0;
    for (size_t i = 2; i + 1 < d.size() && !sof; ++i)
        if (d[i] == 0xFF && d[i + 1] == 0xC0) sof = i;
    ASSERT_NE(sof, 0u);
    d[sof + 5] = 0x40, d[sof + 6] = 0x00, d[sof + 7] = 0x40, d[sof + 8] = 0x00;
    TJPEGImage j;
    j.LoadFromStream(d);
    EXPECT_EQ(j.Width(), 16384);
    bool refused = false;
    const long long growth = PeakMemoryGrowth([&] {
        try {
            j.DIBNeeded();
        } catch (const EInvalidGraphic&) {
            refused = true;
        }
    });
    EXPECT_TRUE(refused);
    if (growth < 0) GTEST_SKIP() << "the system does not report peak memory";
    EXPECT_LT(growth, 100ll << 20);
}
