#pragma once
#include "TPanel.h"

#include <vector>

// A band holding one control of a cool bar.
struct TCoolBand {
    TControl* Control = nullptr;
    std::string Text;
    int MinHeight = 25;
    int MinWidth = 0;
    bool Break = true;
};

// A bar of bands, stacked across (or down, when Vertical); each band holds a control, which it
// positions. Controls placed on the bar without a band keep their own positions.
class TCoolBar : public TPanel {
public:
    TCoolBar(TComponent* owner, TWinControl* parent);
    bool Vertical() const { return vertical_; }
    void SetVertical(bool v);
    int BandCount() const { return int(bands_.size()); }
    TCoolBand& Bands(int i);
    TCoolBand& AddBand(TControl* control, const std::string& text = "");
    void LayoutBands();

private:
    bool vertical_ = false;
    std::vector<TCoolBand> bands_;
};
