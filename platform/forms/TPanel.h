#pragma once
#include "Controls.h"

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// A container with an optional bevel frame and a centred caption.
class TPanel : public TWinControl {
public:
    TPanel(TComponent* owner, TWinControl* parent);

    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut b);
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut b);
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int w);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int w);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle b);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment a);

protected:
    void Paint(QPainter& p, const QRect& r) override;

private:
    TBevelCut bevelOuter_ = bvRaised;
    TBevelCut bevelInner_ = bvNone;
    int bevelWidth_ = 1;
    int borderWidth_ = 0;
    TBorderStyle borderStyle_ = bsNone;
    TAlignment alignment_ = taCenter;
};

// Draws a 3D frame of `width` pixels inside r (raised: light top-left), shrinking r.
void DrawBevel(QPainter& p, QRect& r, bool raised, int width);
