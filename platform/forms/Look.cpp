#include "Look.h"

#include "Controls.h"
#include "Faces.h"
#include "TCanvas.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionComplex>
#include <algorithm>

namespace {

// Qt's Fusion style, with disabled text drawn as the platform draws it: in the grey-text colour
// over a white copy one pixel right and down (Fusion draws a pale grey that the button face hides).
class PlatformStyle : public QProxyStyle {
public:
    PlatformStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* ret) const override {
        if (hint == SH_EtchDisabledText) return 1;
        if (hint == SH_DitherDisabledText) return 0;
        return QProxyStyle::styleHint(hint, option, widget, ret);
    }
    void drawItemText(QPainter* p, const QRect& r, int flags, const QPalette& pal, bool enabled,
                      const QString& text, QPalette::ColorRole role) const override {
        if (enabled || text.isEmpty()) {
            QProxyStyle::drawItemText(p, r, flags, pal, enabled, text, role);
            return;
        }
        p->save();
        p->setPen(ToQColor(clBtnHighlight));
        p->drawText(r.translated(1, 1), flags, text);
        p->setPen(ToQColor(clGrayText));
        p->drawText(r, flags, text);
        p->restore();
    }
    // A spin box's arrows as narrow as the platform's, so a narrow designed box still shows its
    // number (Fusion's wider arrows left a 30-pixel box room for one digit).
    QRect subControlRect(ComplexControl cc, const QStyleOptionComplex* opt, SubControl sc,
                         const QWidget* widget) const override {
        if (cc != CC_SpinBox) return QProxyStyle::subControlRect(cc, opt, sc, widget);
        const QRect r = opt->rect;
        const int buttons = std::min(13, r.width() / 2);
        const int half = r.height() / 2;
        switch (sc) {
        case SC_SpinBoxUp:
            return visualRect(opt->direction, r, QRect(r.right() - buttons, r.top(), buttons, half));
        case SC_SpinBoxDown:
            return visualRect(opt->direction, r,
                              QRect(r.right() - buttons, r.top() + half, buttons, r.height() - half));
        case SC_SpinBoxEditField:
            return visualRect(opt->direction, r, r.adjusted(2, 2, -buttons - 1, -2));
        default:
            return QProxyStyle::subControlRect(cc, opt, sc, widget);
        }
    }
};

} // namespace

void ApplyPlatformLook() {
    static QApplication* done = nullptr;
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!app || done == app) return;
    done = app;
    LoadDesignedFaces();
    auto* style = new PlatformStyle;
    QApplication::setStyle(style);
    QPalette pal = style->standardPalette();
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        pal.setColor(QPalette::Disabled, role, ToQColor(clGrayText));
    pal.setColor(QPalette::Disabled, QPalette::Light, ToQColor(clBtnHighlight));
    QApplication::setPalette(pal);
    // Menus, hints and Qt's own dialogs: the designed "MS Sans Serif" at 8 points.
    QApplication::setFont(DesignedFont(TFont()));
}
