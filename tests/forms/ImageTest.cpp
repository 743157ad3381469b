#include "Application.h"
#include "Forms.h"
#include "ModalTesting.h"
#include "TImage.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QPixmap>
#include <gtest/gtest.h>

namespace {

// Records the regions the widget is asked to paint.
class PaintSpy : public QObject {
public:
    std::vector<QRegion> regions;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) regions.push_back(static_cast<QPaintEvent*>(e)->region());
        return false;
    }
};

class ImageTest : public TModalTest {
protected:
    void SetUp() override {
        TModalTest::SetUp();
        form.SetBounds(0, 0, 300, 300);
        image = new TImage(&form, &form);
        image->SetBounds(0, 0, 100, 80);
        image->Picture().Bitmap().SetSize(100, 80);
        form.Show();
        settle();
        image->Widget()->installEventFilter(&spy);
    }
    void TearDown() override {
        form.Hide();
        TModalTest::TearDown();
    }
    void settle() {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 30)
            Application->ProcessMessages();
    }
    QRegion painted() {
        spy.regions.clear();
        settle();
        QRegion all;
        for (auto& r : spy.regions)
            all += r;
        return all;
    }
    TForm form;
    TImage* image = nullptr;
    PaintSpy spy;
};

TEST_F(ImageTest, RepaintsOnlyTheChangedRectangle) {
    painted();
    image->Picture().Bitmap().Changed(Rect(10, 20, 15, 30));
    EXPECT_EQ(painted(), QRegion(10, 20, 5, 10));
    // A pixel written through the canvas reports its own rectangle.
    image->Canvas().SetPixels(50, 40, clRed);
    EXPECT_EQ(painted(), QRegion(50, 40, 1, 1));
}

TEST_F(ImageTest, StretchedPictureMapsTheChangeOntoTheControl) {
    image->SetStretch(true);
    image->Picture().Bitmap().SetSize(50, 40); // half the control each way
    painted();
    image->Picture().Bitmap().Changed(Rect(5, 5, 6, 6));
    EXPECT_EQ(painted(), QRegion(10, 10, 2, 2));
    EXPECT_EQ(image->PictureToClient(Rect(0, 0, 50, 40)), Rect(0, 0, 100, 80));
}

TEST_F(ImageTest, ShowsTheBitmapsOwnPixelsOpaquely) {
    TBitmap& b = image->Picture().Bitmap();
    b.Row32(3)[4] = TBitmap::ToWord(clRed);
    b.Changed(Rect(4, 3, 5, 4));
    EXPECT_TRUE(image->Widget()->testAttribute(Qt::WA_OpaquePaintEvent));
    QImage shot = image->Widget()->grab().toImage();
    EXPECT_EQ(shot.pixel(4, 3) & 0xFFFFFF, 0xFF0000u);
    // A palette bitmap shows through its colour table.
    b.SetPixelFormat(pf8bit);
    b.SetPixel(7, 7, clBlue);
    shot = image->Widget()->grab().toImage();
    EXPECT_EQ(shot.pixel(7, 7) & 0xFFFFFF, 0x0000FFu);
}

TEST_F(ImageTest, AutoSizeFollowsThePictureAndCanvasMakesAnEmptyPictureControlSized) {
    image->SetAutoSize(true);
    image->Picture().Bitmap().SetSize(33, 22);
    EXPECT_EQ(image->Width(), 33);
    EXPECT_EQ(image->Height(), 22);
    image->SetAutoSize(false);
    image->Picture().Clear();
    EXPECT_TRUE(image->Picture().Empty());
    image->SetBounds(0, 0, 40, 30);
    image->Canvas();
    EXPECT_EQ(image->Picture().Width(), 40);
    EXPECT_EQ(image->Picture().Height(), 30);
}

TEST_F(ImageTest, MouseEventsCarryButtonShiftAndClientPoint) {
    std::vector<std::string> log;
    image->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) {
        log.push_back("down " + std::to_string(b) + " " + std::to_string(s) + " " + std::to_string(x) + "," +
                      std::to_string(y));
    };
    image->OnClick = [&](TObject*) { log.push_back("click"); };
    QWidget* w = image->Widget();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(12, 7), w->mapToGlobal(QPointF(12, 7)),
                      Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent left(QEvent::MouseButtonPress, QPointF(3, 4), w->mapToGlobal(QPointF(3, 4)), Qt::LeftButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &left);
    QMouseEvent up(QEvent::MouseButtonRelease, QPointF(3, 4), w->mapToGlobal(QPointF(3, 4)), Qt::LeftButton,
                   Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &up);
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0], "down 1 " + std::to_string(ssShift | ssRight) + " 12,7");
    EXPECT_EQ(log[1], "down 0 " + std::to_string(ssLeft) + " 3,4");
    EXPECT_EQ(log[2], "click");
}

} // namespace
