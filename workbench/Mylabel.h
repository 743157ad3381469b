#pragma once
#include "TLabel.h"

#include <cstdint>
#include <functional>
#include <initializer_list>

class QImage;

// The looks of a 3D label: plain, recessed, raised, shadowed.
enum T3DEffect : std::uint8_t { Normal3d, Resit3d, Raised3d, Shadowed3d };

// A label whose caption is drawn over up to two offset copies in shade colours. It draws through
// the drawing layer's canvas, so its text is the same unantialiased text as on a page; when
// transparent only the pixels it draws reach the window.
class TLabel3d : public TLabel {
public:
    TLabel3d(TComponent* owner, TWinControl* parent);

    T3DEffect AStyle3D() const { return AStyle3D_; }
    void SetAStyle3D(T3DEffect v);
    TColor AShadeRightBottom() const { return AShadeRightBottom_; }
    void SetAShadeRightBottom(TColor v);
    // Ignored while AShadeLTSet holds the shade at white.
    TColor AShadeLeftTop() const { return AShadeLeftTop_; }
    void SetAShadeLeftTop(TColor v);
    int AHShadeOffSet() const { return AHShadeOffSet_; }
    void SetAHShadeOffSet(int v);
    int AVShadeOffSet() const { return AVShadeOffSet_; }
    void SetAVShadeOffSet(int v);
    // On: the left-top shade is kept aside and becomes white; off: the kept shade comes back.
    bool AShadeLTSet() const { return AShadeLTSet_; }
    void SetAShadeLTSet(bool v);

    // Draws the label's look on a canvas of the label's size (client coordinates); pixels the
    // label does not draw keep their colour.
    void drawOn(TCanvas& canvas) const;

    // The longest caption drawn; the rest is left out.
    static constexpr int maxCaption = 254;

protected:
    void Paint(QPainter& p, const QRect& r) override;
    void CaptionChanged() override;
    void FontApplied() override;

private:
    // With AutoSize, the size of the text as the canvas draws it.
    void fitToText();
    T3DEffect AStyle3D_ = Normal3d;
    TColor AShadeRightBottom_ = 0x808080;
    TColor AShadeLeftTop_ = 0xFFFFFF;
    TColor keptLeftTop_ = 0xFFFFFF;
    int AHShadeOffSet_ = 5;
    int AVShadeOffSet_ = -5;
    bool AShadeLTSet_ = false;
};

// The label's picture for its widget: `draw` paints on a bitmap of w x h filled with a colour
// none of `used` is; that colour becomes transparent, so only what was drawn shows and the shown
// pixels hold only the label's own colours.
QImage keyedLabelImage(int w, int h, std::initializer_list<TColor> used,
                       const std::function<void(TCanvas&)>& draw);

// The first `count` characters of UTF-8 text, never splitting a character.
std::string firstCharacters(const std::string& text, int count);
