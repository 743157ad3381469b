#pragma once
#include "Controls.h"
#include "TStrings.h"

#include <memory>

class QListWidget;

// A list of strings. ItemIndex is the current item (-1: none); with MultiSelect, Selected(i)
// tells the marked items. Sorted keeps the items in case-insensitive order. OnClick runs when
// the user picks an item (and when ItemIndex changes from code).
class TListBox : public TWinControl {
public:
    TListBox(TComponent* owner, TWinControl* parent);
    ~TListBox() override;

    TStrings& Items() { return *items_; }
    const TStrings& Items() const { return *items_; }
    int ItemIndex() const;
    void SetItemIndex(int i);
    bool MultiSelect() const { return multiSelect_; }
    void SetMultiSelect(bool m);
    bool ExtendedSelect() const { return extendedSelect_; }
    void SetExtendedSelect(bool e);
    bool Selected(int i) const;
    void SetSelected(int i, bool s);
    int SelCount() const;
    bool Sorted() const { return sorted_; }
    void SetSorted(bool s);
    int TopIndex() const;
    void SetTopIndex(int i);
    int ItemHeight() const;
    void Clear() { items_->Clear(); }
    // The item at a client point, or -1.
    int ItemAtPos(TPoint p, bool existing = true) const;

    QListWidget* List() const;

protected:
    void ColorChanged() override;
    // For derived lists (file lists) that fill the items themselves.
    void sortItems();

private:
    friend class ListItems;
    std::unique_ptr<TStrings> items_;
    bool multiSelect_ = false;
    bool extendedSelect_ = true;
    bool sorted_ = false;
};
