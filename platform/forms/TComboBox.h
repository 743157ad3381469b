#pragma once
#include "Controls.h"
#include "TStrings.h"

#include <memory>

class QComboBox;

enum TComboBoxStyle { csDropDown, csSimple, csDropDownList };

// A combo box. OnChange runs when the user edits the text or picks an item, and when Text is set
// from code to a new value; OnClick runs when the user picks an item. Setting ItemIndex from
// code runs neither.
class TComboBox : public TWinControl {
public:
    TComboBox(TComponent* owner, TWinControl* parent);
    ~TComboBox() override;

    TStrings& Items() { return *items_; }
    int ItemIndex() const;
    void SetItemIndex(int i);
    TComboBoxStyle Style() const { return style_; }
    void SetStyle(TComboBoxStyle s);
    bool Sorted() const { return sorted_; }
    void SetSorted(bool s) { sorted_ = s; }
    int DropDownCount() const;
    void SetDropDownCount(int n);
    void Clear() { items_->Clear(); }

    TNotifyEvent OnChange;
    TNotifyEvent OnDropDown;
    QComboBox* Combo() const;

protected:
    std::string GetText() const override;
    void SetTextValue(const std::string& t) override;
    void ColorChanged() override;

private:
    friend class ComboItems;
    std::unique_ptr<TStrings> items_;
    TComboBoxStyle style_ = csDropDown;
    bool sorted_ = false;
};
