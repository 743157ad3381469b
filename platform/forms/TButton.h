#pragma once
#include "Controls.h"

class QPushButton;

// A push button. Clicking it sets its form's ModalResult to the button's ModalResult (when not
// 0) and then runs OnClick, so a handler can still change the result.
class TButton : public TWinControl {
public:
    TButton(TComponent* owner, TWinControl* parent);

    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }
    bool Default() const { return default_; }
    void SetDefault(bool d);
    bool Cancel() const { return cancel_; }
    void SetCancel(bool c) { cancel_ = c; }

    void Click() override;
    int ButtonModalResult() const override { return modalResult_; }
    QPushButton* Button() const;

protected:
    void CaptionChanged() override;

private:
    int modalResult_ = 0;
    bool default_ = false;
    bool cancel_ = false;
};
