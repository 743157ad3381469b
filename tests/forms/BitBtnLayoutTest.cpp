// Where a bit button draws its glyph against its caption, for each layout, on the rendered button.
#include "Forms.h"
#include "ModalTesting.h"
#include "TBitBtn.h"

#include <QImage>
#include <QPushButton>
#include <QRect>
#include <gtest/gtest.h>

namespace {

// The box holding every pixel that passes `take`.
template <class F> QRect boxOf(const QImage& img, F take) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (take(img.pixel(x, y) & 0xFFFFFF)) box |= QRect(x, y, 1, 1);
    return box;
}

// A red square on the colour the button leaves out (its bottom-left pixel).
TBitmap redGlyph() {
    TBitmap g(16, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            g.SetPixel(x, y, x > 1 && x < 14 && y > 1 && y < 14 ? clRed : clFuchsia);
    return g;
}

class BitBtnLayoutTest : public TModalTest {};

TEST_F(BitBtnLayoutTest, GlyphSitsOnTheLayoutsSideOfTheCaption) {
    struct Case {
        TButtonLayout layout;
        const char* where;
    };
    const Case cases[] = {
        {blGlyphLeft, "left"}, {blGlyphRight, "right"}, {blGlyphTop, "top"}, {blGlyphBottom, "bottom"}};
    TForm form;
    form.SetBounds(0, 0, 300, 200);
    auto* b = new TBitBtn(&form, &form);
    b->SetBounds(10, 10, 120, 80);
    b->SetGlyph(redGlyph());
    b->SetCaption("&Wide caption");
    form.Show();
    for (const Case& c : cases) {
        b->SetLayout(c.layout);
        EXPECT_EQ(b->Layout(), c.layout);
        // Inside the frame, which some styles draw dark.
        const QImage whole = b->Widget()->grab().toImage();
        const QImage shot = whole.copy(whole.rect().adjusted(4, 4, -4, -4));
        const QRect glyph = boxOf(shot, [](QRgb p) { return p == 0xFF0000; });
        const QRect text =
            boxOf(shot, [](QRgb p) { return qRed(p) < 90 && qGreen(p) < 90 && qBlue(p) < 90; });
        ASSERT_FALSE(glyph.isEmpty()) << c.where;
        ASSERT_FALSE(text.isEmpty()) << c.where;
        EXPECT_FALSE(shot.pixel(glyph.left() - 1, glyph.top() + 4) == qRgb(255, 0, 255))
            << "key colour shows";
        switch (c.layout) {
        case blGlyphLeft:
            EXPECT_LT(glyph.right(), text.left()) << c.where;
            break;
        case blGlyphRight:
            EXPECT_GT(glyph.left(), text.right()) << c.where;
            break;
        case blGlyphTop:
            EXPECT_LT(glyph.bottom(), text.top()) << c.where;
            break;
        case blGlyphBottom:
            EXPECT_GT(glyph.top(), text.bottom()) << c.where;
            break;
        }
    }
    // The caption is the one given, whatever the layout; the button stays one clickable control.
    EXPECT_EQ(b->Caption(), "&Wide caption");
    int clicks = 0;
    b->OnClick = [&](TObject*) { ++clicks; };
    b->Button()->click();
    EXPECT_EQ(clicks, 1);
    form.Hide();
}

} // namespace
