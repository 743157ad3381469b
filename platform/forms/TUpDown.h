#pragma once
#include "Controls.h"

class QToolButton;

enum TUDBtnType { btNext, btPrev };
enum TUDOrientation { udVertical, udHorizontal };

// Up and down arrows that step Position within Min..Max (wrapping when Wrap is on). An
// associated edit shows the position. OnChanging may refuse a step; OnClick follows each step.
class TUpDown : public TWinControl {
public:
    TUpDown(TComponent* owner, TWinControl* parent);

    int Min() const { return min_; }
    void SetMin(int v) { min_ = v; }
    int Max() const { return max_; }
    void SetMax(int v) { max_ = v; }
    int Position() const { return position_; }
    void SetPosition(int p);
    int Increment() const { return increment_; }
    void SetIncrement(int i) { increment_ = i; }
    bool Wrap() const { return wrap_; }
    void SetWrap(bool w) { wrap_ = w; }
    TUDOrientation Orientation() const { return orientation_; }
    void SetOrientation(TUDOrientation o);
    TWinControl* Associate() const { return associate_; }
    void SetAssociate(TWinControl* c);
    // One step as a press of an arrow.
    void Step(TUDBtnType b);

    std::function<void(TObject* Sender, TUDBtnType Button)> OnClickButton;
    std::function<void(TObject* Sender, bool& AllowChange)> OnChanging;

protected:
    void BoundsChanged() override;

private:
    void layout();
    void showInAssociate();
    QToolButton* up_;
    QToolButton* down_;
    int min_ = 0, max_ = 100, position_ = 0, increment_ = 1;
    bool wrap_ = false;
    TUDOrientation orientation_ = udVertical;
    TWinControl* associate_ = nullptr;
};
