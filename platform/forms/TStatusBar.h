#pragma once
#include "Controls.h"

#include <string>
#include <vector>

struct TStatusPanel {
    std::string Text;
    int Width = 50;
    TAlignment Alignment = taLeftJustify;
};

// A status line along the bottom: one simple text (SimplePanel) or a row of panels.
class TStatusBar : public TWinControl {
public:
    TStatusBar(TComponent* owner, TWinControl* parent);
    bool SimplePanel() const { return simplePanel_; }
    void SetSimplePanel(bool s);
    const std::string& SimpleText() const { return simpleText_; }
    void SetSimpleText(const std::string& t);
    int PanelCount() const { return int(panels_.size()); }
    TStatusPanel& Panels(int i);
    TStatusPanel& AddPanel(const std::string& text = "", int width = 50);
    void PanelsChanged() { Invalidate(); }
    bool SizeGrip() const { return sizeGrip_; }
    void SetSizeGrip(bool s);

protected:
    void Paint(QPainter& p, const QRect& r) override;

private:
    bool simplePanel_ = false;
    std::string simpleText_;
    std::vector<TStatusPanel> panels_;
    bool sizeGrip_ = true;
};
