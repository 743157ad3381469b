// Pen set-up of the page canvas by tool code.
#include "Pbook.h"
#include "TImage.h"
#include "Toolpal.h"

void TPbook1::set_t(int t) {
    TCanvas& c = ptbox1->Canvas();
    if (t == 199) { // whole-page fill
        c.Pen.Width = 1;
        c.Brush.Style = bsSolid;
        c.Pen.Style = psSolid;
        c.Pen.Mode = pmCopy;
        c.Pen.Color = Form3->rightcolor;
        c.Brush.Color = Form3->rightcolor;
    }
}
