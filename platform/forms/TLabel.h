#pragma once
#include "Controls.h"

enum TTextLayout { tlTop, tlCenter, tlBottom };

// A text label drawn by the layer: auto size (on by default), alignment, layout, word wrap,
// transparency, & accelerators (ShowAccelChar). The text is clipped to the label's bounds.
class TLabel : public TControl {
public:
    TLabel(TComponent* owner, TWinControl* parent);

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool a);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout l);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool w);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool t);
    bool ShowAccelChar() const { return showAccel_; }
    void SetShowAccelChar(bool s);
    TWinControl* FocusControl() const { return focus_; }
    void SetFocusControl(TWinControl* c) { focus_ = c; }

protected:
    void Paint(QPainter& p, const QRect& r) override;
    void CaptionChanged() override { adjustSize(); }
    void FontApplied() override;
    void ColorChanged() override;

private:
    void adjustSize();
    QString shownText() const;
    bool autoSize_ = true;
    TAlignment alignment_ = taLeftJustify;
    TTextLayout layout_ = tlTop;
    bool wordWrap_ = false;
    bool transparent_ = false;
    bool showAccel_ = true;
    TWinControl* focus_ = nullptr;
};
