#pragma once
// The started program over an in-memory clipboard, with small pictures for pastes and captures.
#include "Clipboard.h"
#include "OrvantaFixture.h"
#include "TestClipboardSystem.h"
#include "mydialog.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

class PasteFixture : public OrvantaClipboardTest {
protected:
    static void putOnClipboard(const TBitmap& b) { Clipboard()->Assign(b); }
    TBitmap onClipboard() const {
        TBitmap b;
        EXPECT_TRUE(board->GetBitmap(b));
        return b;
    }
    // The floating clip.
    static TBitmap& clip() { return Pbook1->clpmap1->Picture().Bitmap(); }
    // A lasso: left clicks at each vertex, then a right click at the last one.
    static void lasso(const std::vector<TPoint>& v) {
        for (size_t i = 0; i + 1 < v.size(); ++i)
            click(v[i].x, v[i].y);
        click(v.back().x, v.back().y, mbRight);
    }
    // A page of w x h in soft stripes, none of them white or black.
    static void loadStripes(int w, int h) {
        TBitmap b(w, h);
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                b.SetPixel(x, y, TColor(0x404040 + ((x * 7) % 90) + (((y * 5) % 90) << 8)));
        Pbook1->ptbox1->Picture().Assign(b);
        Pbook1->initpages();
    }
    // 12 x 8: red, with a green pixel at (10, 1) and a white hole at (3..5, 2..4).
    static TBitmap holedClip() {
        TBitmap c(12, 8);
        c.Canvas().Brush.SetColor(clRed);
        c.Canvas().FillRect(Rect(0, 0, 12, 8));
        c.Canvas().Brush.SetColor(clWhite);
        c.Canvas().FillRect(Rect(3, 2, 6, 5));
        c.SetPixel(10, 1, clLime);
        return c;
    }
    // `under` with the clip's non-white pixels laid on at `at`.
    static TBitmap withClip(const TBitmap& under, const TBitmap& clip, TPoint at) {
        TBitmap b = under;
        for (int y = 0; y < clip.Height(); ++y)
            for (int x = 0; x < clip.Width(); ++x)
                if (clip.GetPixel(x, y) != clWhite) b.SetPixel(at.x + x, at.y + y, clip.GetPixel(x, y));
        return b;
    }
};
