#include "TListBox.h"

#include "Application.h"

#include <QListWidget>
#include <QSignalBlocker>
#include <stdexcept>

namespace {
// An item keeps the bytes it was given, so a name that is not UTF-8 (a file name from another
// system) comes back unchanged; it shows as UTF-8, with U+FFFD for the bytes that are not.
QListWidgetItem* makeItem(const std::string& s) {
    auto* item = new QListWidgetItem(QString::fromUtf8(s.data(), qsizetype(s.size())));
    item->setData(Qt::UserRole, QByteArray(s.data(), qsizetype(s.size())));
    return item;
}

std::string itemBytes(const QListWidgetItem* item) {
    QVariant v = item->data(Qt::UserRole);
    if (!v.isValid()) return FromQString(item->text());
    QByteArray b = v.toByteArray();
    return std::string(b.constData(), size_t(b.size()));
}
} // namespace

class ListItems : public TStrings {
public:
    explicit ListItems(TListBox* l) : box_(l) {}
    QListWidget* w() const { return box_->List(); }
    int Count() const override { return w()->count(); }
    std::string Get(int i) const override {
        checkIndex(i, Count());
        return itemBytes(w()->item(i));
    }
    void Put(int i, const std::string& s) override {
        checkIndex(i, Count());
        QListWidgetItem* item = w()->item(i);
        item->setText(QString::fromUtf8(s.data(), qsizetype(s.size())));
        item->setData(Qt::UserRole, QByteArray(s.data(), qsizetype(s.size())));
    }
    void Insert(int i, const std::string& s) override {
        QSignalBlocker block(w());
        if (box_->sorted_) {
            int pos = 0;
            while (pos < Count() && CompareTextNoCase(Get(pos), s) <= 0)
                ++pos;
            w()->insertItem(pos, makeItem(s));
            return;
        }
        if (i < 0 || i > Count())
            throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
        w()->insertItem(i, makeItem(s));
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
    QSignalBlocker block(List());
    // In a multi-select list the current item is only the caret: the marks stay.
    if (multiSelect_) {
        List()->setCurrentRow(i, QItemSelectionModel::NoUpdate);
        return;
    }
    List()->setCurrentRow(i);
    List()->clearSelection();
    if (i >= 0) List()->item(i)->setSelected(true);
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
