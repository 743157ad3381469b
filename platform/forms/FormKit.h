#pragma once
// Small builders for the designer-placed controls of both programs' windows: each makes a control
// owned by the form, names it, places it and gives it its caption, so a window's constructor
// reads like its design.
#include "BindMethod.h"
#include "Forms.h"
#include "Menus.h"
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

namespace kit {

// The hint shown when the mouse rests on the control.
void hint(TControl* c, const std::string& text);

TLabel* label(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y);
// A label of fixed size whose text wraps.
TLabel* textBlock(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                  int w, int h);
TButton* button(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                int w = 75, int h = 25);
// A push button with its glyph (none when empty) placed by `layout`.
TBitBtn* bitBtn(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y, int w,
                int h, const TBitmap& glyph, TButtonLayout layout = blGlyphLeft);
TSpeedButton* speedButton(TWinControl* parent, const std::string& name, int x, int y, int w, int h,
                          const TBitmap& glyph, const std::string& hint = "");

// One button of a row of speed buttons.
struct SpeedButtonSpec {
    TSpeedButton** field; // where the window keeps it, or null
    const char* name;
    int left;
    TBitmap glyph;
    const char* hint;
    TNotifyEvent onClick = nullptr;
};
// A row of speed buttons of one size at `top`, each at its own left, flat when asked.
void speedButtonRow(TWinControl* parent, int top, int w, int h, bool flat,
                    std::initializer_list<SpeedButtonSpec> buttons);

TPanel* panel(TWinControl* parent, const std::string& name, int x, int y, int w, int h,
              TBevelCut outer = bvRaised, TBevelCut inner = bvNone);
TPanel* alignedPanel(TWinControl* parent, const std::string& name, TAlign align, int size,
                     TBevelCut outer = bvRaised);
TBevel* bevel(TWinControl* parent, const std::string& name, int x, int y, int w, int h,
              TBevelShape shape = bsBox);
TGroupBox* group(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                 int w, int h);
TEdit* edit(TWinControl* parent, const std::string& name, const std::string& text, int x, int y, int w = 121);
TMemo* memo(TWinControl* parent, const std::string& name, std::initializer_list<const char*> lines, int x,
            int y, int w, int h);
TListBox* list(TWinControl* parent, const std::string& name, std::initializer_list<const char*> items, int x,
               int y, int w, int h);
TComboBox* combo(TWinControl* parent, const std::string& name, std::initializer_list<const char*> items,
                 int index, int x, int y, int w = 145);
TCheckBox* check(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                 int w, bool checked = false);
TRadioGroup* radios(TWinControl* parent, const std::string& name, const std::string& caption,
                    std::initializer_list<const char*> items, int index, int x, int y, int w, int h);
// A picture control showing a drawn picture at its own size (stretched when asked).
TImage* picture(TWinControl* parent, const std::string& name, int x, int y, int w, int h);

// A menu item with a designer name, added to `parent`.
TMenuItem* item(TComponent* owner, TMenuItem* parent, const std::string& name, const std::string& caption,
                TNotifyEvent onClick = nullptr);
void separator(TComponent* owner, TMenuItem* parent);

// Bold, sized font for headings.
void heading(TControl* c, int pixels, TColor color = clWindowText);

} // namespace kit
