#pragma once
// Small builders for the designer-placed controls of Tarnwick's windows: each makes a control
// owned by the form, names it, places it and gives it its caption, so a window's constructor
// reads like its design.
#include "Forms.h"
#include "Menus.h"
#include "Pictures.h"
#include "StripButton.h"
#include "TBevel.h"
#include "TBitBtn.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TComboBox.h"
#include "TEdit.h"
#include "TGroupBox.h"
#include "TImage.h"
#include "TLabel.h"
#include "TListBox.h"
#include "TMemo.h"
#include "TPanel.h"
#include "TRadioGroup.h"
#include "TSpeedButton.h"

#include <initializer_list>
#include <string>

namespace quickview::kit {

// The hint shown when the mouse rests on the control.
void Hint(TControl* c, const std::string& hint);

TLabel* Label(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y);
// A label of fixed size whose text wraps.
TLabel* TextBlock(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                  int w, int h);
TButton* Button(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                int w = 75, int h = 25);
TBitBtn* BitBtn(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y, int w,
                int h, Glyph glyph, int glyphSize = 16);
// A large button with its glyph above the caption.
TStripButton* StripBtn(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                       int w, int h, Glyph glyph, int glyphSize = 32);
TSpeedButton* Speed(TWinControl* parent, const std::string& name, int x, int y, int w, int h, Glyph glyph,
                    const std::string& hint = "", int glyphSize = 16);
TPanel* Panel(TWinControl* parent, const std::string& name, int x, int y, int w, int h,
              TBevelCut outer = bvRaised, TBevelCut inner = bvNone);
TPanel* AlignedPanel(TWinControl* parent, const std::string& name, TAlign align, int size,
                     TBevelCut outer = bvRaised);
TBevel* Bevel(TWinControl* parent, const std::string& name, int x, int y, int w, int h,
              TBevelShape shape = bsBox);
TGroupBox* Group(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                 int w, int h);
TEdit* Edit(TWinControl* parent, const std::string& name, const std::string& text, int x, int y, int w = 121);
TMemo* Memo(TWinControl* parent, const std::string& name, std::initializer_list<const char*> lines, int x,
            int y, int w, int h);
TListBox* List(TWinControl* parent, const std::string& name, std::initializer_list<const char*> items, int x,
               int y, int w, int h);
TComboBox* Combo(TWinControl* parent, const std::string& name, std::initializer_list<const char*> items,
                 int index, int x, int y, int w = 145);
TCheckBox* Check(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                 int w, bool checked = false);
TRadioGroup* Radios(TWinControl* parent, const std::string& name, const std::string& caption,
                    std::initializer_list<const char*> items, int index, int x, int y, int w, int h);
// A picture control showing a drawn picture at its own size (stretched when asked).
TImage* Picture(TWinControl* parent, const std::string& name, int x, int y, int w, int h);

// A menu item with a designer name, added to `parent`.
TMenuItem* Item(TComponent* owner, TMenuItem* parent, const std::string& name, const std::string& caption,
                TNotifyEvent onClick = nullptr);
void Separator(TComponent* owner, TMenuItem* parent);

// The frame of a wizard page on a form of fixed client size: the side picture on the left, a line
// above the bottom row, and the "<< Back", "Cancel" and next buttons at the bottom right.
struct WizardParts {
    TImage* side;
    TButton* back;
    TButton* cancel;
    TButton* next;
    int contentLeft; // where the page's own controls start
};
WizardParts Wizard(TForm* form, int variant, const std::string& backName, const std::string& cancelName,
                   const std::string& nextName, const std::string& nextCaption);
// A step title and its explanation at the top of a wizard page; returns the top below them.
int WizardTitle(TForm* form, int left, const std::string& step, const std::string& title,
                const std::string& text, int textHeight);

// Bold, sized font for headings.
void Heading(TControl* c, int pixels, TColor color = clWindowText);

} // namespace quickview::kit
