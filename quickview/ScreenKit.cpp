#include "ScreenKit.h"

namespace quickview {

TBitmap glyph(Glyph g, int size) {
    TBitmap bmp;
    if (g != Glyph::None) DrawGlyph(bmp, g, size);
    return bmp;
}

WizardParts wizard(TForm* form, int variant, const std::string& backName, const std::string& cancelName,
                   const std::string& nextName, const std::string& nextCaption) {
    int cw = form->ClientWidth(), ch = form->ClientHeight();
    WizardParts w{};
    w.side = kit::picture(form, "Image1", 8, 8, 121, ch - 60);
    DrawWizardSide(w.side->Picture().Bitmap(), 121, ch - 60, variant);
    kit::bevel(form, "Bevel1", 8, ch - 44, cw - 16, 2, bsTopLine);
    w.next = kit::button(form, nextName, nextCaption, cw - 91, ch - 35, 83, 25);
    w.cancel = kit::button(form, cancelName, "Cancel", cw - 183, ch - 35, 83, 25);
    w.back = kit::button(form, backName, "<< Back", cw - 275, ch - 35, 83, 25);
    w.contentLeft = 141;
    return w;
}

int wizardTitle(TForm* form, int left, const std::string& step, const std::string& title,
                const std::string& text, int textHeight) {
    TLabel* s = kit::label(form, "LabelStep", step, left, 8);
    s->FontRef().Style = fsBold;
    s->FontRef().Color = clGray;
    s->FontChanged();
    TLabel* t = kit::label(form, "LabelTitle", title, left, 24);
    kit::heading(t, 15, clNavy);
    kit::textBlock(form, "LabelText", text, left, 48, form->ClientWidth() - left - 8, textHeight);
    return 48 + textHeight + 6;
}

} // namespace quickview
