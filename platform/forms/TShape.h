#pragma once
#include "Controls.h"

enum TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

// A figure drawn with a pen and a brush inside the control's bounds.
class TShape : public TControl {
public:
    TShape(TComponent* owner, TWinControl* parent);

    TShapeType Shape() const { return shape_; }
    void SetShape(TShapeType s);
    const TPen& Pen() const { return pen_; }
    void SetPen(const TPen& p);
    const TBrush& Brush() const { return brush_; }
    void SetBrush(const TBrush& b);
    // Edit in place, then call Changed().
    TPen& PenRef() { return pen_; }
    TBrush& BrushRef() { return brush_; }
    void Changed() { Invalidate(); }

protected:
    void Paint(QPainter& p, const QRect& r) override;

private:
    TShapeType shape_ = stRectangle;
    TPen pen_;
    TBrush brush_;
};

// Qt forms of the drawing layer's pen and brush.
class QPen;
class QBrush;
QPen ToQPen(const TPen& p);
QBrush ToQBrush(const TBrush& b);
