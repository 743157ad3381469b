#include "ScreenKit.h"

namespace quickview::kit {

namespace {
// Controls belong to their form, as the designer makes them, whatever panel holds them.
TComponent* ownerOf(TWinControl* parent) {
    if (TCustomForm* f = parent->ParentForm()) return f;
    return parent;
}
} // namespace

void Hint(TControl* c, const std::string& hint) {
    c->SetHint(hint);
    c->SetShowHint(!hint.empty());
}

TLabel* Label(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y) {
    auto* l = new TLabel(ownerOf(parent), parent);
    l->SetName(name);
    l->SetLeft(x);
    l->SetTop(y);
    l->SetCaption(caption);
    l->SetTransparent(true);
    return l;
}

TLabel* TextBlock(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                  int w, int h) {
    TLabel* l = Label(parent, name, "", x, y);
    l->SetAutoSize(false);
    l->SetWordWrap(true);
    l->SetBounds(x, y, w, h);
    l->SetCaption(caption);
    return l;
}

TButton* Button(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y, int w,
                int h) {
    auto* b = new TButton(ownerOf(parent), parent);
    b->SetName(name);
    b->SetBounds(x, y, w, h);
    b->SetCaption(caption);
    return b;
}

TBitBtn* BitBtn(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y, int w,
                int h, Glyph glyph, int glyphSize) {
    auto* b = new TBitBtn(ownerOf(parent), parent);
    b->SetName(name);
    b->SetBounds(x, y, w, h);
    b->SetCaption(caption);
    if (glyph != Glyph::None) {
        TBitmap bmp;
        DrawGlyph(bmp, glyph, glyphSize);
        b->SetGlyph(bmp);
    }
    return b;
}

TStripButton* StripBtn(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                       int w, int h, Glyph glyph, int glyphSize) {
    auto* b = new TStripButton(ownerOf(parent), parent);
    b->SetName(name);
    b->SetBounds(x, y, w, h);
    b->SetCaption(caption);
    TBitmap bmp;
    DrawGlyph(bmp, glyph, glyphSize);
    b->SetTopGlyph(bmp);
    return b;
}

TSpeedButton* Speed(TWinControl* parent, const std::string& name, int x, int y, int w, int h, Glyph glyph,
                    const std::string& hint, int glyphSize) {
    auto* b = new TSpeedButton(ownerOf(parent), parent);
    b->SetName(name);
    b->SetBounds(x, y, w, h);
    if (glyph != Glyph::None) {
        TBitmap bmp;
        DrawGlyph(bmp, glyph, glyphSize);
        b->SetGlyph(bmp);
    }
    Hint(b, hint);
    return b;
}

TPanel* Panel(TWinControl* parent, const std::string& name, int x, int y, int w, int h, TBevelCut outer,
              TBevelCut inner) {
    auto* p = new TPanel(ownerOf(parent), parent);
    p->SetName(name);
    p->SetBounds(x, y, w, h);
    p->SetBevelOuter(outer);
    p->SetBevelInner(inner);
    return p;
}

TPanel* AlignedPanel(TWinControl* parent, const std::string& name, TAlign align, int size, TBevelCut outer) {
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

TBevel* Bevel(TWinControl* parent, const std::string& name, int x, int y, int w, int h, TBevelShape shape) {
    auto* b = new TBevel(ownerOf(parent), parent);
    b->SetName(name);
    b->SetBounds(x, y, w, h);
    b->SetShape(shape);
    return b;
}

TGroupBox* Group(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                 int w, int h) {
    auto* g = new TGroupBox(ownerOf(parent), parent);
    g->SetName(name);
    g->SetBounds(x, y, w, h);
    g->SetCaption(caption);
    return g;
}

TEdit* Edit(TWinControl* parent, const std::string& name, const std::string& text, int x, int y, int w) {
    auto* e = new TEdit(ownerOf(parent), parent);
    e->SetName(name);
    e->SetBounds(x, y, w, 21);
    e->SetText(text);
    return e;
}

TMemo* Memo(TWinControl* parent, const std::string& name, std::initializer_list<const char*> lines, int x,
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

TListBox* List(TWinControl* parent, const std::string& name, std::initializer_list<const char*> items, int x,
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

TComboBox* Combo(TWinControl* parent, const std::string& name, std::initializer_list<const char*> items,
                 int index, int x, int y, int w) {
    auto* c = new TComboBox(ownerOf(parent), parent);
    c->SetName(name);
    c->SetBounds(x, y, w, 21);
    for (const char* i : items)
        c->Items().Add(i);
    c->SetItemIndex(index);
    return c;
}

TCheckBox* Check(TWinControl* parent, const std::string& name, const std::string& caption, int x, int y,
                 int w, bool checked) {
    auto* c = new TCheckBox(ownerOf(parent), parent);
    c->SetName(name);
    c->SetBounds(x, y, w, 17);
    c->SetCaption(caption);
    c->SetChecked(checked);
    return c;
}

TRadioGroup* Radios(TWinControl* parent, const std::string& name, const std::string& caption,
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

TImage* Picture(TWinControl* parent, const std::string& name, int x, int y, int w, int h) {
    auto* i = new TImage(ownerOf(parent), parent);
    i->SetName(name);
    i->SetBounds(x, y, w, h);
    return i;
}

TMenuItem* Item(TComponent* owner, TMenuItem* parent, const std::string& name, const std::string& caption,
                TNotifyEvent onClick) {
    auto* m = new TMenuItem(owner);
    m->SetName(name);
    m->SetCaption(caption);
    m->OnClick = std::move(onClick);
    parent->Add(m);
    return m;
}

void Separator(TComponent* owner, TMenuItem* parent) {
    auto* m = new TMenuItem(owner);
    m->SetCaption("-");
    parent->Add(m);
}

WizardParts Wizard(TForm* form, int variant, const std::string& backName, const std::string& cancelName,
                   const std::string& nextName, const std::string& nextCaption) {
    int cw = form->ClientWidth(), ch = form->ClientHeight();
    WizardParts w{};
    w.side = Picture(form, "Image1", 8, 8, 121, ch - 60);
    DrawWizardSide(w.side->Picture().Bitmap(), 121, ch - 60, variant);
    Bevel(form, "Bevel1", 8, ch - 44, cw - 16, 2, bsTopLine);
    w.next = Button(form, nextName, nextCaption, cw - 91, ch - 35, 83, 25);
    w.cancel = Button(form, cancelName, "Cancel", cw - 183, ch - 35, 83, 25);
    w.back = Button(form, backName, "<< Back", cw - 275, ch - 35, 83, 25);
    w.contentLeft = 141;
    return w;
}

int WizardTitle(TForm* form, int left, const std::string& step, const std::string& title,
                const std::string& text, int textHeight) {
    TLabel* s = Label(form, "LabelStep", step, left, 8);
    s->FontRef().Style = fsBold;
    s->FontRef().Color = clGray;
    s->FontChanged();
    TLabel* t = Label(form, "LabelTitle", title, left, 24);
    Heading(t, 15, clNavy);
    TextBlock(form, "LabelText", text, left, 48, form->ClientWidth() - left - 8, textHeight);
    return 48 + textHeight + 6;
}

void Heading(TControl* c, int pixels, TColor color) {
    TFont& f = c->FontRef();
    f.Name = "Arial";
    f.SetHeight(-pixels);
    f.Style = fsBold;
    f.Color = color;
    c->FontChanged();
}

} // namespace quickview::kit
