// The gradient fills: an area of one colour in horizontal or vertical bands, a dragged box in
// lines, and a frame of nested rings, all from the palette's gradient colour list.
#include "Pbook.h"
#include "TImage.h"
#include "TListBox.h"
#include "Toolpal.h"
#include "gradient.h"

namespace {
std::vector<TColor> gradientList() {
    return parseGradientList(Form3->ListBox1->Items().ToVector());
}
} // namespace

void TPbook1::gradfill(int X, int Y, bool vertical) {
    const std::vector<TColor> colors = gradientList();
    if (colors.size() < 2) return;
    TBitmap& page = ptbox1->Picture().Bitmap();
    TProgress& bar = progress();
    // The bar goes away however the fill ends.
    struct BarAway {
        TProgress& bar;
        ~BarAway() { bar.Hide(); }
    } away{bar};
    bar.Show();
    Repaint();
    // Each scratch row (column) ends up holding one colour: the table stands for the scratch.
    const std::vector<TColor> table = gradientBandTable(vertical ? page.Width() : page.Height(), colors, bar);
    TCanvas& c = ptbox1->Canvas();
    c.Brush.SetColor(1);
    Image2->Picture().Assign(ptbox1->Picture());
    c.FloodFill(X, Y, c.Pixels(X, Y), fsSurface);
    gradientRecolour(page, Image2->Picture().Bitmap(), table, vertical, bar);
    Invalidate();
}

void TPbook1::Hdogradfill(int X, int Y) {
    gradfill(X, Y, false);
}

void TPbook1::Vdogradfill(int X, int Y) {
    gradfill(X, Y, true);
}

void TPbook1::Hdogradboxfill(int X1, int Y1, int X2, int Y2) {
    gradientBoxLines(ptbox1->Canvas(), X1, Y1, X2, Y2, false, gradientList());
}

void TPbook1::Vdogradboxfill(int X1, int Y1, int X2, int Y2) {
    gradientBoxLines(ptbox1->Canvas(), X1, Y1, X2, Y2, true, gradientList());
}

void TPbook1::Hdogradrectfill(int X1, int Y1, int X2, int Y2) {
    gradientFrame(ptbox1->Canvas(), X1, Y1, X2, Y2, Form3->linewidth, gradientList());
}
