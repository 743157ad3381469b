#pragma once
// Walks every control of a window, at the fonts this machine has, and reports each caption that
// does not fit its control (labels that size themselves grow instead), each caption that runs
// past its parent's client area, and each caption that lies under a sibling drawn above it.
#include "Forms.h"
#include "Menus.h"
#include "TBitBtn.h"
#include "TBitmap.h"
#include "TButton.h"
#include "TCheckBox.h"
#include "TGroupBox.h"
#include "TLabel.h"
#include "TRadioButton.h"
#include "TRadioGroup.h"
#include "TSpeedButton.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QRadioButton>
#include <sstream>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

namespace layoutcheck {

// Room the platform's controls take besides their text: a check box's or radio button's box
// and gap, a button's frame, a group box's caption inset.
constexpr int kBoxAndGap = 17;
constexpr int kButtonFrame = 4;
constexpr int kSpeedFrame = 4;
constexpr int kGroupInset = 10;

struct TextSize {
    int width = 0, height = 0;
};

inline TextSize measure(const QFont& font, const std::string& caption) {
    QFontMetrics fm(font);
    QString text = QString::fromStdString(StripHotkey(caption));
    TextSize s;
    for (const QString& line : text.split('\n')) {
        s.width = std::max(s.width, fm.horizontalAdvance(line));
        s.height += fm.height();
    }
    return s;
}

// The text's rectangle in the parent's client coordinates, and the width the text needs.
struct Placed {
    TRect text;
    int needed = 0, has = 0;
    bool checkHeight = false;
    int neededHeight = 0;
};

inline bool placeText(TControl* c, Placed& p) {
    const std::string& caption = c->Caption();
    if (caption.empty()) return false;
    TextSize t = measure(c->Widget()->font(), caption);
    int l = c->Left(), top = c->Top(), w = c->Width(), h = c->Height();
    auto centred = [&](int extra) {
        int x = l + (w - t.width - extra) / 2 + extra, y = top + (h - t.height) / 2;
        return Bounds(x, y, t.width, t.height);
    };
    if (auto* label = dynamic_cast<TLabel*>(c)) {
        if (label->WordWrap()) return false;
        // 3D labels paint their text through the canvas, whose hinted, unkerned metrics differ
        // from the widget's by a pixel or two: measure them as they are drawn.
        if (std::string_view(typeid(*label).name()).find("TLabel3d") != std::string_view::npos) {
            TBitmap probe(1, 1, pf32bit);
            probe.Canvas().Font = label->Font();
            t.width = probe.Canvas().TextWidth(StripHotkey(caption));
        }
        int x = label->Alignment() == taLeftJustify    ? l
                : label->Alignment() == taRightJustify ? l + w - t.width
                                                       : l + (w - t.width) / 2;
        int y = label->Layout() == tlTop      ? top
                : label->Layout() == tlCenter ? top + (h - t.height) / 2
                                              : top + h - t.height;
        p = {Bounds(x, y, t.width, t.height), t.width, w, true, t.height};
        return true;
    }
    if (auto* bit = dynamic_cast<TBitBtn*>(c)) {
        bool beside = bit->Layout() == blGlyphLeft || bit->Layout() == blGlyphRight;
        int glyph =
            bit->Glyph().Empty() || !beside ? 0 : bit->Glyph().Width() / std::max(bit->NumGlyphs(), 1) + 4;
        p = {centred(glyph), t.width + glyph + kButtonFrame, w};
        return true;
    }
    if (dynamic_cast<TButton*>(c)) {
        p = {centred(0), t.width + kButtonFrame, w};
        return true;
    }
    if (auto* sb = dynamic_cast<TSpeedButton*>(c)) {
        bool beside = sb->Layout() == blGlyphLeft || sb->Layout() == blGlyphRight;
        int glyph =
            sb->Glyph().Empty() || !beside ? 0 : sb->Glyph().Width() / std::max(sb->NumGlyphs(), 1) + 4;
        p = {centred(glyph), t.width + glyph + kSpeedFrame, w};
        return true;
    }
    if (dynamic_cast<TCheckBox*>(c) || dynamic_cast<TRadioButton*>(c)) {
        p = {Bounds(l + kBoxAndGap, top + (h - t.height) / 2, t.width, t.height), t.width + kBoxAndGap, w};
        return true;
    }
    if (dynamic_cast<TGroupBox*>(c) || dynamic_cast<TRadioGroup*>(c)) {
        p = {Bounds(l + 8, top, t.width, t.height), t.width + kGroupInset + 8, w};
        return true;
    }
    return false;
}

// Siblings drawn above a control: later in its parent widget's stacking order.
inline bool above(TControl* upper, TControl* lower) {
    QWidget* parent = lower->Widget()->parentWidget();
    if (!parent || upper->Widget()->parentWidget() != parent) return false;
    const QObjectList& kids = parent->children();
    return kids.indexOf(upper->Widget()) > kids.indexOf(lower->Widget());
}

inline void walk(const std::string& form, TWinControl* parent, std::vector<std::string>& faults) {
    for (int i = 0; i < parent->ControlCount(); ++i) {
        TControl* c = parent->Controls(i);
        if (!c->Visible()) continue;
        std::string where = form + "." + c->Name() + " \"" + StripHotkey(c->Caption()) + "\"";
        Placed p;
        if (placeText(c, p)) {
            if (p.needed > p.has)
                faults.push_back(where + " needs " + std::to_string(p.needed) + " pixels, has " +
                                 std::to_string(p.has));
            if (p.checkHeight && p.neededHeight > c->Height())
                faults.push_back(where + " needs " + std::to_string(p.neededHeight) +
                                 " pixels of height, has " + std::to_string(c->Height()));
            TRect inside = IntersectRect(p.text, parent->ClientRect());
            if (dynamic_cast<TCustomForm*>(parent) && inside != p.text)
                faults.push_back(where + " runs past the window's edge");
            for (int j = 0; j < parent->ControlCount(); ++j) {
                TControl* s = parent->Controls(j);
                if (s == c || !s->Visible() || !above(s, c)) continue;
                if (!IntersectRect(p.text, s->BoundsRect()).IsEmpty())
                    faults.push_back(where + " lies under " + s->Name());
            }
        }
        // Radio groups' own buttons.
        if (auto* group = dynamic_cast<TRadioGroup*>(c)) {
            for (QRadioButton* b : group->Box()->findChildren<QRadioButton*>()) {
                int need = QFontMetrics(b->font()).horizontalAdvance(b->text().remove('&')) + kBoxAndGap;
                if (need > b->width())
                    faults.push_back(where + " item \"" + b->text().toStdString() + "\" needs " +
                                     std::to_string(need) + " pixels, has " + std::to_string(b->width()));
            }
        }
        if (auto* inner = dynamic_cast<TWinControl*>(c)) walk(form, inner, faults);
    }
}

inline std::vector<std::string> Faults(TCustomForm* form) {
    std::vector<std::string> faults;
    walk(form->Name(), form, faults);
    return faults;
}

} // namespace layoutcheck
