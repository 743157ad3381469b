#include "TListBox.h"

#include "Application.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <stdexcept>

class ListItems : public TStrings {
public:
    explicit ListItems(TListBox* l) : box_(l) {}
    QListWidget* w() const { return box_->List(); }
    int Count() const override { return w()->count(); }
    std::string Get(int i) const override {
        checkIndex(i, Count());
        return FromQString(w()->item(i)->text());
    }
    void Put(int i, const std::string& s) override {
        checkIndex(i, Count());
        w()->item(i)->setText(ToQString(s));
    }
    void Insert(int i, const std::string& s) override {
        QSignalBlocker block(w());
        if (box_->sorted_) {
            int pos = 0;
            while (pos < Count() && CompareTextNoCase(Get(pos), s) <= 0)
                ++pos;
            w()->insertItem(pos, ToQString(s));
            return;
        }
        if (i < 0 || i > Count())
            throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
        w()->insertItem(i, ToQString(s));
    }
    void Delete(int i) override {
        checkIndex(i, Count());
        QSignalBlocker block(w());
        delete w()->takeItem(i);
    }
    void Clear() override {
        QSignalBlocker block(w());
        w()->clear();
    }

private:
    TListBox* box_;
};

TListBox::TListBox(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new QListWidget), items_(std::make_unique<ListItems>(this)) {
    clickOnMouseUp_ = false;
    SetTabStop(true);
    SetColor(clWindow);
    SetDesignSize(121, 97);
    List()->setUniformItemSizes(true);
    QObject::connect(List(), &QListWidget::itemClicked,
                     [this](QListWidgetItem*) { Application->Guard([this] { Click(); }); });
    // The list's mouse events reach its viewport, not the list itself.
    QObject::connect(List(), &QListWidget::itemDoubleClicked,
                     [this](QListWidgetItem*) { Application->Guard([this] { DblClick(); }); });
    QObject::connect(List(), &QListWidget::currentRowChanged, [this](int) {
        // Keys move the current item: that is a click for the program as well.
        if (List()->hasFocus() && !List()->underMouse()) Application->Guard([this] { Click(); });
    });
}

TListBox::~TListBox() = default;

QListWidget* TListBox::List() const {
    return static_cast<QListWidget*>(widget_);
}

int TListBox::ItemIndex() const {
    return List()->currentRow();
}

void TListBox::SetItemIndex(int i) {
    if (i < -1 || i >= items_->Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    if (i == ItemIndex()) return;
    {
        QSignalBlocker block(List());
        List()->setCurrentRow(i);
        if (!multiSelect_) {
            List()->clearSelection();
            if (i >= 0) List()->item(i)->setSelected(true);
        }
    }
}

void TListBox::SetMultiSelect(bool m) {
    multiSelect_ = m;
    List()->setSelectionMode(
        m ? (extendedSelect_ ? QAbstractItemView::ExtendedSelection : QAbstractItemView::MultiSelection)
          : QAbstractItemView::SingleSelection);
}

void TListBox::SetExtendedSelect(bool e) {
    extendedSelect_ = e;
    SetMultiSelect(multiSelect_);
}

bool TListBox::Selected(int i) const {
    if (i < 0 || i >= items_->Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    return List()->item(i)->isSelected();
}

void TListBox::SetSelected(int i, bool s) {
    if (i < 0 || i >= items_->Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    QSignalBlocker block(List());
    if (!multiSelect_ && s) List()->clearSelection();
    List()->item(i)->setSelected(s);
}

int TListBox::SelCount() const {
    return multiSelect_ ? int(List()->selectedItems().size()) : -1;
}

void TListBox::sortItems() {
    auto v = items_->ToVector();
    std::stable_sort(v.begin(), v.end(),
                     [](const std::string& a, const std::string& b) { return CompareTextNoCase(a, b) < 0; });
    bool was = sorted_;
    sorted_ = false;
    items_->SetStrings(v);
    sorted_ = was;
}

void TListBox::SetSorted(bool s) {
    sorted_ = s;
    if (s) sortItems();
}

int TListBox::TopIndex() const {
    QListWidgetItem* it = List()->itemAt(2, 2);
    return it ? List()->row(it) : 0;
}

void TListBox::SetTopIndex(int i) {
    if (i >= 0 && i < items_->Count())
        List()->scrollToItem(List()->item(i), QAbstractItemView::PositionAtTop);
}

int TListBox::ItemHeight() const {
    return List()->fontMetrics().height() + 2;
}

int TListBox::ItemAtPos(TPoint p, bool existing) const {
    QListWidgetItem* it = List()->itemAt(p.x, p.y);
    if (it) return List()->row(it);
    return existing ? -1 : items_->Count();
}

void TListBox::ColorChanged() {
    QPalette pal = List()->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    List()->setPalette(pal);
}
