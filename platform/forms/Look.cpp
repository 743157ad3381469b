#include "Look.h"

#include "Controls.h"
#include "Faces.h"
#include "TCanvas.h"

#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>

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
