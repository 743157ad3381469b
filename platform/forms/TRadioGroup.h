#pragma once
#include "Controls.h"
#include "TStrings.h"

#include <vector>

class QGroupBox;
class QRadioButton;

// A group box of radio buttons made from Items, in Columns. ItemIndex is the checked item (-1:
// none); a change of ItemIndex, by the user or from code, runs OnClick.
class TRadioGroup : public TWinControl {
public:
    TRadioGroup(TComponent* owner, TWinControl* parent);
    TStringList& Items() { return items_; }
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int i);
    int Columns() const { return columns_; }
    void SetColumns(int c);
    QGroupBox* Box() const;

protected:
    void CaptionChanged() override;
    void BoundsChanged() override;

private:
    void rebuild();
    void layoutButtons();
    TStringList items_;
    std::vector<QRadioButton*> buttons_;
    int itemIndex_ = -1;
    int columns_ = 1;
};
