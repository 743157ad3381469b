#include "StripButton.h"

#include "BitmapImage.h"
#include "Menus.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace quickview {

TStripButton::TStripButton(TComponent* owner, TWinControl* parent) : TBitBtn(owner, parent) {
    auto* layout = new QVBoxLayout(Button());
    layout->setContentsMargins(2, 4, 2, 4);
    layout->setSpacing(2);
    icon_ = new QLabel;
    text_ = new QLabel;
    for (QLabel* l : {icon_, text_}) {
        l->setAlignment(Qt::AlignCenter);
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    layout->addWidget(icon_, 1);
    layout->addWidget(text_);
}

void TStripButton::SetTopGlyph(const TBitmap& glyph) {
    SetGlyph(glyph);
    Button()->setIcon(QIcon());
    QImage img = WrapBitmap(glyph);
    if (img.isNull()) {
        icon_->clear();
        return;
    }
    icon_->setPixmap(QPixmap::fromImage(TransparentCopy(img, img.pixel(0, img.height() - 1))));
}

void TStripButton::CaptionChanged() {
    Button()->setText(QString());
    text_->setText(ToQString(StripHotkey(Caption())));
}

} // namespace quickview
