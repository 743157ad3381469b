#pragma once
#include "Controls.h"

class QSpinBox;

// A number edit with up and down buttons. When MinValue and MaxValue differ, Value is kept in
// MinValue..MaxValue; when both are equal there are no limits. Any number can be typed: Value
// reads it clamped into the limits, and the box shows the clamped value once it loses the focus.
// OnChange runs whenever the value changes, by the user or from code (Value or Text).
class TSpinEdit : public TWinControl {
public:
    TSpinEdit(TComponent* owner, TWinControl* parent);

    int Value() const { return value_; }
    void SetValue(int v);
    int MinValue() const { return min_; }
    void SetMinValue(int v);
    int MaxValue() const { return max_; }
    void SetMaxValue(int v);
    int Increment() const { return increment_; }
    void SetIncrement(int i);
    bool ReadOnly() const;
    void SetReadOnly(bool r);
    // Off: nothing can be typed, the arrows still step the value (ReadOnly stops both).
    bool EditorEnabled() const;
    void SetEditorEnabled(bool e);
    // The most characters that can be typed (0: no limit).
    int MaxLength() const;
    void SetMaxLength(int n);
    // Value clamped to the limits (unchanged when there are none).
    int CheckValue(int v) const;

    TNotifyEvent OnChange;
    QSpinBox* Spin() const;

protected:
    std::string GetText() const override;
    void SetTextValue(const std::string& t) override;

private:
    friend class SpinEditBox;
    void applyRange();
    void show();
    void typed(const std::string& text);
    void stepped(int steps);
    int value_ = 0;
    int min_ = 0;
    int max_ = 0;
    int increment_ = 1;
};
