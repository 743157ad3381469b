#include "TColorDialog.h"

#include "ModalSeam.h"

#include <QColorDialog>

TColorDialog::TColorDialog(TComponent* owner) : TComponent(owner) {}

bool TColorDialog::Execute() {
    TModalAnswer a = ModalSeam().Take(TModalKind::ColorDialog, Name());
    switch (a.kind) {
    case TModalAnswer::Color:
        color_ = a.color;
        return true;
    case TModalAnswer::Real: {
        QColor c = QColorDialog::getColor(ToQColor(color_));
        if (!c.isValid()) return false;
        color_ = FromQColor(c);
        return true;
    }
    default:
        return false;
    }
}
