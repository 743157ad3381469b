// Films of compressed codecs, encoded here through libavcodec: every frame the frame
// decompressor gives must be the reference decode's frame of the same number, in order and
// after seeks.
#include "AviFile.h"
#include "AviFixtures.h"
#include "AviGetFrame.h"
#include "CodedFilms.h"
#include "TestFolder.h"

#include <gtest/gtest.h>

#include <cstring>

extern "C" {
#include <libavutil/pixfmt.h>
}

namespace {

struct VideoCase {
    const char* name;
    CodedVideo video;
};

std::vector<VideoCase> videoCases() {
    std::vector<VideoCase> t;
    // Codecs that hold frames back: the first packets give no picture, the last come out
    // only when the stream ends.
    t.push_back({"MPEG-4 part 2 with B-frames",
                 {.encoder = "mpeg4", .fourcc = mmioFOURCC('X', 'V', 'I', 'D'), .frames = 30, .bFrames = 2}});
    t.push_back(
        {"H.264 with B-frames",
         {.encoder = "libx264", .fourcc = mmioFOURCC('H', '2', '6', '4'), .frames = 30, .bFrames = 2}});
    t.push_back({"MPEG-4 part 2 without B-frames",
                 {.encoder = "mpeg4", .fourcc = mmioFOURCC('F', 'M', 'P', '4'), .frames = 20, .bFrames = 0}});
    // Full-range 4:4:4 pictures keep their range on every frame, not only the first.
    t.push_back({"MJPEG 4:4:4",
                 {.encoder = "mjpeg",
                  .fourcc = mmioFOURCC('M', 'J', 'P', 'G'),
                  .pixelFormat = AV_PIX_FMT_YUVJ444P,
                  .frames = 6}});
    return t;
}

TEST(CodedFilms, EveryFrameIsTheReferenceFrameInOrderAndAfterSeeks) {
    TestFolder dir;
    for (const VideoCase& c : videoCases()) {
        SCOPED_TRACE(c.name);
        if (!HaveEncoder(c.video.encoder)) {
            ADD_FAILURE() << "libavcodec here has no " << c.video.encoder << " encoder";
            continue;
        }
        const CodedFilm film = MakeCodedFilm(c.video, std::nullopt);
        ASSERT_EQ(int(film.frames.size()), c.video.frames);
        WriteBytes(dir.file("coded.avi"), film.avi);
        auto file = TAviFile::Open(dir.file("coded.avi"));
        ASSERT_TRUE(file);
        auto g = TGetFrame::Open(file->GetStream(streamtypeVIDEO));
        ASSERT_TRUE(g);
        const int n = c.video.frames;
        auto expectFrame = [&](int i) {
            const BITMAPINFOHEADER* dib = g->GetFrame(i);
            ASSERT_NE(dib, nullptr) << "frame " << i;
            ASSERT_EQ(dib->biBitCount, 24);
            const auto& want = film.frames[std::size_t(i)];
            ASSERT_EQ(0, std::memcmp(TGetFrame::Bits(dib), want.data(), want.size())) << "frame " << i;
        };
        for (int i = 0; i < n; ++i)
            expectFrame(i);
        for (int i : {n - 1, 0, n / 2, 5, n - 2, 13, 14, 12, 3, 3, 1})
            if (i < n) expectFrame(i);
        EXPECT_EQ(g->GetFrame(n), nullptr);
    }
}

} // namespace
