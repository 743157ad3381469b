#pragma once
// Tarnwick's own parts of its windows, over the layer's form-building kit: button glyphs and the
// frame of a wizard page.
#include "FormKit.h"
#include "Pictures.h"

#include <string>

namespace quickview {

// A button glyph of size x size pixels, its background the colour the buttons leave out.
TBitmap glyph(Glyph g, int size = 16);

// The frame of a wizard page on a form of fixed client size: the side picture on the left, a line
// above the bottom row, and the "<< Back", "Cancel" and next buttons at the bottom right.
struct WizardParts {
    TImage* side;
    TButton* back;
    TButton* cancel;
    TButton* next;
    int contentLeft; // where the page's own controls start
};
WizardParts wizard(TForm* form, int variant, const std::string& backName, const std::string& cancelName,
                   const std::string& nextName, const std::string& nextCaption);
// A step title and its explanation at the top of a wizard page; returns the top below them.
int wizardTitle(TForm* form, int left, const std::string& step, const std::string& title,
                const std::string& text, int textHeight);

} // namespace quickview
