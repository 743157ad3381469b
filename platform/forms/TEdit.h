#pragma once
#include "Controls.h"

class QLineEdit;

// A one-line edit. OnChange runs whenever the text changes, from the user or from code.
class TEdit : public TWinControl {
public:
    TEdit(TComponent* owner, TWinControl* parent);

    int MaxLength() const { return maxLength_; }
    void SetMaxLength(int n);
    bool ReadOnly() const;
    void SetReadOnly(bool r);
    char PasswordChar() const { return passwordChar_; }
    void SetPasswordChar(char c);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle b);
    int SelStart() const;
    void SetSelStart(int s);
    int SelLength() const;
    void SetSelLength(int n);
    std::string SelText() const;
    void SelectAll();
    void Clear() { SetText(""); }

    TNotifyEvent OnChange;
    QLineEdit* Edit() const;

protected:
    std::string GetText() const override;
    void SetTextValue(const std::string& t) override;
    void ColorChanged() override;

private:
    int maxLength_ = 0;
    char passwordChar_ = 0;
    TBorderStyle borderStyle_ = bsSingle;
};
