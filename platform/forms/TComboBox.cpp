#include "TComboBox.h"

#include "Application.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <stdexcept>

class ComboItems : public TStrings {
public:
    explicit ComboItems(TComboBox* c) : box_(c) {}
    QComboBox* w() const { return box_->Combo(); }
    int Count() const override { return w()->count(); }
    std::string Get(int i) const override {
        checkIndex(i, Count());
        return FromQString(w()->itemText(i));
    }
    void Put(int i, const std::string& s) override {
        checkIndex(i, Count());
        QSignalBlocker block(w());
        w()->setItemText(i, ToQString(s));
    }
    void Insert(int i, const std::string& s) override {
        QSignalBlocker block(w());
        QString text = w()->currentText();
        if (box_->sorted_) {
            int pos = 0;
            while (pos < Count() && CompareTextNoCase(Get(pos), s) <= 0)
                ++pos;
            i = pos;
        } else if (i < 0 || i > Count()) {
            throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
        }
        bool hadIndex = w()->currentIndex() >= 0;
        w()->insertItem(i, ToQString(s));
        // Adding items never picks one, and keeps the typed text.
        if (!hadIndex) {
            w()->setCurrentIndex(-1);
            if (w()->isEditable()) w()->setEditText(text);
        }
    }
    void Delete(int i) override {
        checkIndex(i, Count());
        QSignalBlocker block(w());
        w()->removeItem(i);
    }
    void Clear() override {
        QSignalBlocker block(w());
        w()->clear();
    }

private:
    TComboBox* box_;
};

TComboBox::TComboBox(TComponent* owner, TWinControl* parent)
    : TWinControl(owner, parent, new QComboBox), items_(std::make_unique<ComboItems>(this)) {
    clickOnMouseUp_ = false;
    SetTabStop(true);
    SetDesignSize(145, 21);
    SetStyle(csDropDown);
    QObject::connect(Combo(), QOverload<int>::of(&QComboBox::activated), [this](int) {
        Application->Guard([this] {
            FireChange(OnChange);
            Click();
        });
    });
}

TComboBox::~TComboBox() = default;

QComboBox* TComboBox::Combo() const {
    return static_cast<QComboBox*>(widget_);
}

void TComboBox::SetStyle(TComboBoxStyle s) {
    style_ = s;
    QSignalBlocker block(Combo());
    Combo()->setEditable(s != csDropDownList);
    if (QLineEdit* e = Combo()->lineEdit())
        QObject::connect(e, &QLineEdit::textEdited,
                         [this](const QString&) { Application->Guard([this] { FireChange(OnChange); }); });
}

int TComboBox::ItemIndex() const {
    return Combo()->currentIndex();
}

void TComboBox::SetItemIndex(int i) {
    if (i < -1 || i >= items_->Count())
        throw std::out_of_range("List index out of bounds (" + std::to_string(i) + ")");
    QSignalBlocker block(Combo());
    Combo()->setCurrentIndex(i);
    if (i < 0 && Combo()->isEditable()) Combo()->setEditText("");
}

std::string TComboBox::GetText() const {
    return FromQString(Combo()->currentText());
}

void TComboBox::SetTextValue(const std::string& t) {
    if (t == GetText()) return;
    {
        QSignalBlocker block(Combo());
        int i = Combo()->findText(ToQString(t), Qt::MatchFixedString);
        if (style_ == csDropDownList) {
            Combo()->setCurrentIndex(i);
        } else {
            Combo()->setCurrentIndex(i);
            Combo()->setEditText(ToQString(t));
        }
    }
    FireChange(OnChange);
}

int TComboBox::DropDownCount() const {
    return Combo()->maxVisibleItems();
}
void TComboBox::SetDropDownCount(int n) {
    Combo()->setMaxVisibleItems(n);
}

void TComboBox::ColorChanged() {
    QPalette pal = Combo()->palette();
    pal.setColor(QPalette::Base, ToQColor(Color()));
    Combo()->setPalette(pal);
}
