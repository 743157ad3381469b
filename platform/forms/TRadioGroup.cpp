#include "TRadioGroup.h"

#include "Application.h"

#include <QGroupBox>
#include <QRadioButton>
#include <QSignalBlocker>

TRadioGroup::TRadioGroup(TComponent* owner, TWinControl* parent) : TWinControl(owner, parent, new QGroupBox) {
    SetDesignSize(185, 105);
    items_.OnChange = [this] { rebuild(); };
}

QGroupBox* TRadioGroup::Box() const {
    return static_cast<QGroupBox*>(widget_);
}

void TRadioGroup::CaptionChanged() {
    Box()->setTitle(ToQString(Caption()));
}

void TRadioGroup::rebuild() {
    for (QRadioButton* b : buttons_)
        delete b;
    buttons_.clear();
    for (int i = 0; i < items_.Count(); ++i) {
        auto* b = new QRadioButton(ToQString(items_[i]), widget_);
        b->setAutoExclusive(false);
        b->setChecked(i == itemIndex_);
        QObject::connect(b, &QRadioButton::clicked, [this, i](bool) {
            Application->Guard([this, i] { SetItemIndex(i); });
            QSignalBlocker block(buttons_[size_t(i)]);
            buttons_[size_t(i)]->setChecked(itemIndex_ == i);
        });
        b->show();
        buttons_.push_back(b);
    }
    if (itemIndex_ >= items_.Count()) itemIndex_ = -1;
    layoutButtons();
}

void TRadioGroup::layoutButtons() {
    int n = int(buttons_.size());
    if (n == 0) return;
    int cols = std::max(columns_, 1);
    int rows = (n + cols - 1) / cols;
    int top = 16, left = 8;
    int colW = std::max((Width() - left - 4) / cols, 1);
    int rowH = std::max((Height() - top - 4) / std::max(rows, 1), 1);
    for (int i = 0; i < n; ++i) {
        int c = i / rows, r = i % rows;
        buttons_[size_t(i)]->setGeometry(left + c * colW, top + r * rowH, colW, std::min(rowH, 20));
    }
}

void TRadioGroup::BoundsChanged() {
    TWinControl::BoundsChanged();
    layoutButtons();
}

void TRadioGroup::SetItemIndex(int i) {
    if (i < -1 || i >= items_.Count()) i = -1;
    if (i == itemIndex_) return;
    itemIndex_ = i;
    for (int k = 0; k < int(buttons_.size()); ++k) {
        QSignalBlocker block(buttons_[size_t(k)]);
        buttons_[size_t(k)]->setChecked(k == i);
    }
    FireChange(OnClick);
}

void TRadioGroup::SetColumns(int c) {
    columns_ = std::clamp(c, 1, 16);
    layoutButtons();
}
