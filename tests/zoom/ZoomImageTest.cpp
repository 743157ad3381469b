// The zoom view control: the visible rectangle's rules (zoom, pan, edges, reset on every change of
// the picture) and what it paints, rendered through the widget as the screen would.
#include "Forms.h"
#include "Pixels.h"
#include "Zoompic.h"

#include <QImage>
#include <QWidget>
#include <gtest/gtest.h>

namespace {

TForm& host() {
    static TForm* f = [] {
        auto* form = new TForm();
        form->SetBounds(0, 0, 500, 400);
        return form;
    }();
    return *f;
}

struct View {
    int left, top, right, bottom;
    bool operator==(const View&) const = default;
};

View viewOf(const TZoomImage& z) {
    return {z.visleft(), z.vistop(), z.visright(), z.visbottom()};
}

std::ostream& operator<<(std::ostream& os, const View& v) {
    return os << v.left << ".." << v.right << " x " << v.top << ".." << v.bottom;
}

class ZoomImageTest : public ::testing::Test {
protected:
    void SetUp() override { zoom = std::make_unique<TZoomImage>(nullptr, &host()); }
    // A w x h control showing a w x h picture.
    TZoomImage& showing(int w, int h, const TBitmap& picture) {
        zoom->SetBounds(0, 0, w, h);
        zoom->SetBitmap(picture);
        return *zoom;
    }
    std::unique_ptr<TZoomImage> zoom;
};

TColor colourAt(const QImage& img, int x, int y) {
    QRgb p = img.pixel(x, y);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

// The control's painting of `part` (all of it by default) over a magenta background.
QImage rendered(TZoomImage& z, QImage img = {}, QRect part = {}) {
    if (img.isNull()) {
        img = QImage(z.Width(), z.Height(), QImage::Format_RGB32);
        img.fill(Qt::magenta);
    }
    if (part.isNull()) part = QRect(0, 0, z.Width(), z.Height());
    z.Widget()->render(&img, part.topLeft(), QRegion(part), QWidget::RenderFlags());
    return img;
}

TEST_F(ZoomImageTest, WithoutAPictureTheViewStaysAndReadsOneHundred) {
    TZoomImage& z = *zoom;
    EXPECT_EQ(z.Width(), 160);
    EXPECT_EQ(z.Height(), 160);
    z.SetBounds(0, 0, 400, 300);
    z.SetzoomValue(200);
    z.SetXCenter(50);
    z.SetYCenter(50);
    z.Setvistop(3);
    z.Setvisleft(3);
    z.Setvisbottom(200);
    z.Setvisright(200);
    EXPECT_EQ(viewOf(z), (View{0, 0, 10, 10}));
    EXPECT_EQ(z.zoomValue(), 100);
    EXPECT_EQ(z.XCenter(), 5);
    EXPECT_EQ(z.YCenter(), 5);
    EXPECT_EQ(z.drawmode, 31);
    EXPECT_FALSE(z.Invert());
    EXPECT_EQ(z.stretchMode(), BLACKONWHITE);
}

TEST_F(ZoomImageTest, AssigningShowsTheWholePictureOpaque) {
    TBitmap picture(400, 300);
    TZoomImage& z = showing(400, 300, picture);
    EXPECT_EQ(viewOf(z), (View{0, 0, 400, 300}));
    EXPECT_EQ(z.zoomValue(), 100);
    EXPECT_TRUE(z.isOpaque());
    z.SetBitmap(TBitmap(200, 300));
    EXPECT_FALSE(z.isOpaque());
    // A copy, not the caller's bitmap.
    picture.SetPixel(0, 0, clRed);
    z.SetBitmap(picture);
    picture.SetPixel(0, 0, clBlue);
    EXPECT_EQ(z.Bitmap().GetPixel(0, 0), clRed);
}

TEST_F(ZoomImageTest, ZoomAroundTheCentreOnA400x300View) {
    struct Case {
        int zoom;
        View view;
        int reads;
    } cases[] = {
        {200, {100, 75, 300, 225}, 200},
        {50, {0, 0, 400, 300}, 100}, // 800 x 600 is cut to the picture
        {400, {150, 113, 250, 187}, 402},
        {0, {0, 0, 400, 300}, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.zoom);
        TZoomImage& z = showing(400, 300, TBitmap(400, 300));
        z.SetzoomValue(c.zoom);
        EXPECT_EQ(viewOf(z), c.view);
        EXPECT_EQ(z.zoomValue(), c.reads);
    }
}

TEST_F(ZoomImageTest, PansKeepTheViewsSizeAndStopAtTheEdges) {
    TZoomImage& z = showing(400, 300, TBitmap(400, 300));
    z.SetzoomValue(400);
    z.SetXCenter(395);
    z.SetYCenter(295);
    EXPECT_EQ(viewOf(z), (View{300, 226, 400, 300}));
    z.SetXCenter(1000);
    z.SetYCenter(1000);
    EXPECT_EQ(viewOf(z), (View{300, 226, 400, 300}));
    z.SetXCenter(0);
    z.SetYCenter(0);
    EXPECT_EQ(viewOf(z), (View{0, 0, 100, 74}));
    z.SetXCenter(-70000); // from an unlimited spin: held at 0, never wrapped
    EXPECT_EQ(viewOf(z), (View{0, 0, 100, 74}));
}

TEST_F(ZoomImageTest, EdgeWritersKeepTenPixels) {
    TZoomImage& z = showing(400, 300, TBitmap(400, 300));
    z.SetzoomValue(200); // 100..300 x 75..225
    z.Setvisbottom(80);  // 5 below the top
    EXPECT_EQ(z.visbottom(), 85);
    z.Setvisright(105);
    EXPECT_EQ(z.visright(), 110);
    z.Setvistop(84);
    EXPECT_EQ(z.vistop(), 75);
    z.Setvisbottom(5000);
    EXPECT_EQ(z.visbottom(), 300);
    z.Setvisright(5000);
    EXPECT_EQ(z.visright(), 400);
    z.Setvisleft(395);
    EXPECT_EQ(z.visleft(), 390);
}

TEST_F(ZoomImageTest, DrawingOnThePictureResetsTheView) {
    TZoomImage& z = showing(400, 300, TBitmap(400, 300));
    z.SetzoomValue(400);
    z.Bitmap().Canvas().Pen.Color = clRed;
    z.Bitmap().Canvas().MoveTo(0, 0);
    z.Bitmap().Canvas().LineTo(5, 5);
    EXPECT_EQ(viewOf(z), (View{0, 0, 400, 300}));
    z.SetzoomValue(400);
    z.Bitmap().SetSize(100, 50);
    EXPECT_EQ(viewOf(z), (View{0, 0, 100, 50}));
    z.Bitmap().FreeImage();
    EXPECT_EQ(viewOf(z), (View{0, 0, 10, 10}));
}

// Pages are at least 10 x 10; a smaller picture gets a view from 0 that reaches past it, painted
// white there, and nothing wraps below 0 or above 65535.
TEST_F(ZoomImageTest, TinyPictureAndHugeValuesNeitherWrapNorCrash) {
    TBitmap tiny(6, 6);
    tiny.Canvas().Brush.Color = clBlack;
    tiny.Canvas().FillRect(Rect(0, 0, 6, 6));
    TZoomImage& z = showing(40, 40, tiny);
    z.SetzoomValue(400);
    EXPECT_EQ(viewOf(z), (View{0, 0, 10, 6}));
    for (int v : {70000, -5, 65536, 3}) {
        z.SetXCenter(v);
        z.SetYCenter(v);
        z.Setvisleft(v);
        z.Setvistop(v);
        z.Setvisright(v);
        z.Setvisbottom(v);
        for (int e : {z.visleft(), z.vistop(), z.visright(), z.visbottom()}) {
            EXPECT_GE(e, 0);
            EXPECT_LE(e, 16);
        }
    }
    z.SetzoomValue(70000);
    z.SetXCenter(0);
    z.SetYCenter(0);
    EXPECT_EQ(viewOf(z), (View{0, 0, 10, 6}));
    QImage img = rendered(z);
    EXPECT_EQ(colourAt(img, 0, 0), clBlack);
    EXPECT_EQ(colourAt(img, 39, 39), clWhite) << "past the picture";
}

TEST_F(ZoomImageTest, PaintsTheViewPixelForPixelAndInBlocks) {
    TBitmap noise = noisePicture(40, 40, 7);
    TZoomImage& z = showing(40, 40, noise);
    QImage one = rendered(z);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(colourAt(one, x, y), noise.GetPixel(x, y)) << x << "," << y;
    z.SetzoomValue(200); // 10..30 both ways
    QImage two = rendered(z);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(colourAt(two, x, y), noise.GetPixel(10 + x / 2, 10 + y / 2)) << x << "," << y;
}

TEST_F(ZoomImageTest, InvertDecidesWhetherAShrunkGridSurvives) {
    TBitmap grid(80, 80);
    TCanvas& c = grid.Canvas();
    c.Brush.Color = clBlack;
    for (int i = 0; i < 80; i += 4) {
        c.FillRect(Rect(i, 0, i + 1, 80));
        c.FillRect(Rect(0, i, 80, i + 1));
    }
    TZoomImage& z = showing(40, 40, grid); // 2:1
    z.SetInvert(false);
    QImage kept = rendered(z);
    EXPECT_EQ(colourAt(kept, 0, 5), clBlack);
    EXPECT_EQ(colourAt(kept, 1, 5), clWhite);
    z.SetInvert(true);
    EXPECT_EQ(z.stretchMode(), WHITEONBLACK);
    QImage gone = rendered(z);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(colourAt(gone, x, y), clWhite) << x << "," << y;
}

TEST_F(ZoomImageTest, DrawmodeOtherThan31PaintsNothing) {
    TZoomImage& z = showing(40, 40, noisePicture(40, 40, 3));
    z.drawmode = 0;
    QImage img = rendered(z);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(img.pixel(x, y), QColor(Qt::magenta).rgb());
}

TEST_F(ZoomImageTest, QuarterRepaintsEqualOneWholePaint) {
    TZoomImage& z = showing(50, 37, noisePicture(61, 47, 11));
    z.SetzoomValue(180);
    z.SetXCenter(20);
    for (bool invert : {false, true}) {
        z.SetInvert(invert);
        QImage whole = rendered(z);
        QImage pieces(50, 37, QImage::Format_RGB32);
        pieces.fill(Qt::magenta);
        for (QRect q :
             {QRect(0, 0, 25, 18), QRect(25, 0, 25, 18), QRect(0, 18, 25, 19), QRect(25, 18, 25, 19)})
            pieces = rendered(z, pieces, q);
        EXPECT_EQ(pieces, whole) << "invert " << invert;
    }
}

} // namespace
