// The area options' lighten and darken pass over the page under a captured clip.
#include "Palette.h"
#include "Pbook.h"
#include "TImage.h"
#include "lighten.h"

void TPbook1::lightenit(int mode, int steps) {
    TBitmap& page = ptbox1->Picture().Bitmap();
    SelectPalette(page.Canvas(), page.Palette(), false);
    RealizePalette(page.Canvas());
    TBitmap scratch(page);
    TProgress& bar = progress();
    bar.Show();
    // The bar goes back to 0 and hides however the pass ends; the page changes only at the end.
    struct BarAway {
        TProgress& bar;
        ~BarAway() {
            bar.SetPosition(0);
            bar.Hide();
        }
    } away{bar};
    lightenUnderClip(scratch, clpmap1->Picture().Bitmap(), clipOrigin.x, clipOrigin.y, mode == 1, steps, bar);
    TBitmap& now = ptbox1->Picture().Bitmap();
    BitBlt(now.Canvas(), 0, 0, scratch.Width(), scratch.Height(), &scratch.Canvas(), 0, 0, SRCCOPY);
}
