#pragma once
#include "Controls.h"

enum TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum TBevelStyle { bsLowered, bsRaised };

// A 3D box, frame or line.
class TBevel : public TControl {
public:
    TBevel(TComponent* owner, TWinControl* parent);
    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape s);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle s);

protected:
    void Paint(QPainter& p, const QRect& r) override;

private:
    TBevelShape shape_ = bsBox;
    TBevelStyle style_ = bsLowered;
};
