#include "FormKit.h"

namespace kit {

namespace {
// Controls belong to their form, as the designer makes them, whatever panel holds them.
TComponent* ownerOf(TWinControl* parent) {
    if (TCustomForm* f = parent->ParentForm()) return f;
    return parent;
}
} // namespace

void hint(TControl* c, const std::string& text) {
    c->SetHint(text);
    c->SetShowHint(!text.empty());
}

TLabel* label(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y) {
    auto* l = new TLabel(ownerOf(parent), parent);
    l->SetName(name);
    l->SetLeft(x);
    l->SetTop(y);
    l->SetCaption(caption);
    l->SetTransparent(true);
    return l;
}

TLabel* textBlock(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                  int w, int h) {
    TLabel* l = label(parent, name, "", x, y);
    l->SetAutoSize(false);
    l->SetWordWrap(true);
    l->SetBounds(x, y, w, h);
    l->SetCaption(caption);
    return l;
}

TButton* button(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y, int w,
                int h) {
    auto* b = new TButton(ownerOf(parent), parent);
    b->SetName(name);
    b->SetBounds(x, y, w, h);
    b->SetCaption(caption);
    return b;
}

TBitBtn* bitBtn(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y, int w,
                int h, const TBitmap& glyph, TButtonLayout layout) {
    auto* b = new TBitBtn(ownerOf(parent), parent);
    b->SetName(name);
    b->SetBounds(x, y, w, h);
    b->SetLayout(layout);
    b->SetCaption(caption);
    if (!glyph.Empty()) b->SetGlyph(glyph);
    return b;
}

TSpeedButton* speedButton(TWinControl* parent, const std::string& name, int x, int y, int w, int h,
                          const TBitmap& glyph, const std::string& hintText) {
    auto* b = new TSpeedButton(ownerOf(parent), parent);
    b->SetName(name);
    b->SetBounds(x, y, w, h);
    if (!glyph.Empty()) b->SetGlyph(glyph);
    hint(b, hintText);
    return b;
}

void speedButtonRow(TWinControl* parent, int top, int w, int h, bool flat,
                    std::initializer_list<SpeedButtonSpec> buttons) {
    for (const SpeedButtonSpec& s : buttons) {
        TSpeedButton* b = speedButton(parent, s.name, s.left, top, w, h, s.glyph, s.hint);
        if (flat) b->SetFlat(true);
        if (s.onClick) b->OnClick = s.onClick;
        if (s.field) *s.field = b;
    }
}

TPanel* panel(TWinControl* parent, const std::string& name, int x, int y, int w, int h, TBevelCut outer,
              TBevelCut inner) {
    auto* p = new TPanel(ownerOf(parent), parent);
    p->SetName(name);
    p->SetBounds(x, y, w, h);
    p->SetBevelOuter(outer);
    p->SetBevelInner(inner);
    return p;
}

TPanel* alignedPanel(TWinControl* parent, const std::string& name, TAlign align, int size, TBevelCut outer) {
    auto* p = new TPanel(ownerOf(parent), parent);
    p->SetName(name);
    p->SetBevelOuter(outer);
    if (align == alLeft || align == alRight)
        p->SetWidth(size);
    else
        p->SetHeight(size);
    p->SetAlign(align);
    return p;
}

TBevel* bevel(TWinControl* parent, const std::string& name, int x, int y, int w, int h, TBevelShape shape) {
    auto* b = new TBevel(ownerOf(parent), parent);
    b->SetName(name);
    b->SetBounds(x, y, w, h);
    b->SetShape(shape);
    return b;
}

TGroupBox* group(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                 int w, int h) {
    auto* g = new TGroupBox(ownerOf(parent), parent);
    g->SetName(name);
    g->SetBounds(x, y, w, h);
    g->SetCaption(caption);
    return g;
}

TEdit* edit(TWinControl* parent, const std::string& name, const std::string& text, int x, int y, int w) {
    auto* e = new TEdit(ownerOf(parent), parent);
    e->SetName(name);
    e->SetBounds(x, y, w, 21);
    e->SetText(text);
    return e;
}

TMemo* memo(TWinControl* parent, const std::string& name, std::initializer_list<const char*> lines, int x,
            int y, int w, int h) {
    auto* m = new TMemo(ownerOf(parent), parent);
    m->SetName(name);
    m->SetBounds(x, y, w, h);
    m->Lines().BeginUpdate();
    for (const char* l : lines)
        m->Lines().Add(l);
    m->Lines().EndUpdate();
    return m;
}

TListBox* list(TWinControl* parent, const std::string& name, std::initializer_list<const char*> items, int x,
               int y, int w, int h) {
    auto* l = new TListBox(ownerOf(parent), parent);
    l->SetName(name);
    l->SetBounds(x, y, w, h);
    l->Items().BeginUpdate();
    for (const char* i : items)
        l->Items().Add(i);
    l->Items().EndUpdate();
    return l;
}

TComboBox* combo(TWinControl* parent, const std::string& name, std::initializer_list<const char*> items,
                 int index, int x, int y, int w) {
    auto* c = new TComboBox(ownerOf(parent), parent);
    c->SetName(name);
    c->SetBounds(x, y, w, 21);
    for (const char* i : items)
        c->Items().Add(i);
    c->SetItemIndex(index);
    return c;
}

TCheckBox* check(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                 int w, bool checked) {
    auto* c = new TCheckBox(ownerOf(parent), parent);
    c->SetName(name);
    c->SetBounds(x, y, w, 17);
    c->SetCaption(caption);
    c->SetChecked(checked);
    return c;
}

TRadioGroup* radios(TWinControl* parent, const std::string& name, const std::string& caption,
                    std::initializer_list<const char*> items, int index, int x, int y, int w, int h) {
    auto* r = new TRadioGroup(ownerOf(parent), parent);
    r->SetName(name);
    r->SetBounds(x, y, w, h);
    r->SetCaption(caption);
    for (const char* i : items)
        r->Items().Add(i);
    r->SetItemIndex(index);
    return r;
}

TImage* picture(TWinControl* parent, const std::string& name, int x, int y, int w, int h) {
    auto* i = new TImage(ownerOf(parent), parent);
    i->SetName(name);
    i->SetBounds(x, y, w, h);
    return i;
}

TMenuItem* item(TComponent* owner, TMenuItem* parent, const std::string& name, const std::string& caption,
                TNotifyEvent onClick) {
    auto* m = new TMenuItem(owner);
    m->SetName(name);
    m->SetCaption(caption);
    m->OnClick = std::move(onClick);
    parent->Add(m);
    return m;
}

void separator(TComponent* owner, TMenuItem* parent) {
    auto* m = new TMenuItem(owner);
    m->SetCaption("-");
    parent->Add(m);
}

void heading(TControl* c, int pixels, TColor color) {
    TFont& f = c->FontRef();
    f.Name = "Arial";
    f.SetHeight(-pixels);
    f.Style = fsBold;
    f.Color = color;
    c->FontChanged();
}

} // namespace kit
