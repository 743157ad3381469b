#pragma once
// The tool codes that the palette stores into `TForm3::toolcode` and the page's mouse dispatch
// reads on every event, and the groups of codes by which the dispatch hands an event on. The
// palette, the main window and every later tool use these names, never the bare numbers.
#include <bitset>
#include <cstddef>
#include <initializer_list>
#include <utility>

namespace tools {

constexpr int noTool = 0;
constexpr int eraser = 1;
constexpr int paintBrush = 2;
constexpr int pencil = 3;
constexpr int pen = 4;
constexpr int rectangle = 5;
constexpr int filledRectangle = 6;
constexpr int polygon = 7;
constexpr int filledPolygon = 8;
constexpr int roundRectangle = 9;
constexpr int filledRoundRectangle = 10;
constexpr int line = 11;
constexpr int bezier = 12;
constexpr int circle = 13;
constexpr int filledCircle = 14;
constexpr int spray = 15;
constexpr int floodFill = 16;
constexpr int colorSampler = 17;
constexpr int colorReplacer = 18;
constexpr int colorReplacerPolygon = 19;
constexpr int limeMarker = 20;
constexpr int lassoOutline = 21;
constexpr int rectangleOutline = 22;
constexpr int cut = 23;
constexpr int captureCircle = 24;
constexpr int specialOutlineCircle = 25;
constexpr int zoomViewPaint = 31; // painting through the zoom view
constexpr int moveRight = 101;
constexpr int moveLeft = 102;
constexpr int moveUp = 103;
constexpr int moveDown = 104;
constexpr int moveDownLeft = 105;
constexpr int moveDownRight = 106;
constexpr int moveUpLeft = 107;
constexpr int moveUpRight = 108;
constexpr int specialOutline = 109;
constexpr int gradientGlobe = 152;
constexpr int hGradientFill = 153;
constexpr int vGradientFill = 154;
constexpr int hGradientRectangle = 155;
constexpr int vGradientRectangle = 156;
constexpr int gradientFrame = 157;
constexpr int softFocusFilter = 161; // one-shot
constexpr int blendFilter = 162;     // one-shot: soften, darken, lighten
constexpr int wholePageFill = 199;   // the pen set-up of clearit
constexpr int zoomSpotX8 = 200;
constexpr int zoomSpotX4 = 201;
constexpr int zoomSpotX2 = 202;
constexpr int zoomSpotLast = 203; // the dispatch treats 200..203 as the zoom spot
constexpr int replaceWithClip = 217;
constexpr int specialRectangle = 229;

// The eight pixel movers, 101..108.
constexpr bool isMover(int code) {
    return code >= moveRight && code <= moveUpRight;
}
// The zoom spot, 200..203.
constexpr bool isZoomSpot(int code) {
    return code >= zoomSpotX8 && code <= zoomSpotLast;
}
// The gradient rectangles, whose mouse-up fills instead of drawing the shape.
constexpr bool isGradientRectangle(int code) {
    return code >= hGradientRectangle && code <= gradientFrame;
}
// Box capture: the capture box follows the drag.
constexpr bool isBoxCapture(int code) {
    return code == rectangleOutline || code == cut || code == specialRectangle;
}
// Lasso capture: the outline follows the pointer point by point.
constexpr bool isLassoCapture(int code) {
    return code == colorReplacerPolygon || code == lassoOutline || code == specialOutline;
}
// The freehand pens, drawn with a copy pen (the marker masks instead).
constexpr bool isFreehand(int code) {
    return code < rectangle;
}
// Shapes whose band and final figure leave the inside clear.
constexpr bool isOutlineShape(int code) {
    return code == rectangle || code == roundRectangle || code == circle || code == captureCircle;
}

// Codes 0..159 are members of 160-bit sets; a code of 160 or more never is.
class TToolSet {
public:
    TToolSet(std::initializer_list<int> codes, std::initializer_list<std::pair<int, int>> ranges = {}) {
        for (int c : codes)
            bits_.set(std::size_t(c));
        for (auto [lo, hi] : ranges)
            for (int c = lo; c <= hi; ++c)
                bits_.set(std::size_t(c));
    }
    bool has(int code) const { return code >= 0 && code < 160 && bits_.test(std::size_t(code)); }

private:
    std::bitset<160> bits_;
};

// Mouse-down goes to pDown, mouse-up to pUp.
inline const TToolSet pointTools{
    {polygon, filledPolygon, line, spray, floodFill, hGradientFill, vGradientFill},
    {{moveRight, moveUpRight}}};
// Of those, the ones whose mouse-move goes to pve.
inline const TToolSet pointMoveTools{
    {polygon, filledPolygon, line, spray, floodFill, hGradientFill, vGradientFill}};
// Undo copy at mouse-down, rubber band while moving, the shape at mouse-up.
inline const TToolSet shapeTools{{rectangle, filledRectangle, roundRectangle, filledRoundRectangle, circle,
                                  filledCircle, captureCircle, specialOutlineCircle, gradientGlobe},
                                 {{hGradientRectangle, gradientFrame}}};
// set_t prepares a NOT-XOR outline pen.
inline const TToolSet xorTools{
    {circle, filledCircle, colorReplacerPolygon, lassoOutline, captureCircle, specialOutlineCircle,
     gradientGlobe},
    {{rectangle, line}, {moveRight, specialOutline}, {hGradientRectangle, gradientFrame}}};
// The final shape takes the fill style or the pattern.
inline const TToolSet filledShapes{
    {filledRectangle, filledPolygon, filledRoundRectangle, filledCircle, gradientGlobe},
    {{hGradientRectangle, gradientFrame}}};
// The rubber band and the final figure of each shape family.
inline const TToolSet rectangleBands{{rectangle, filledRectangle}, {{hGradientRectangle, gradientFrame}}};
inline const TToolSet roundRectangleBands{{roundRectangle, filledRoundRectangle}};
inline const TToolSet ellipseBands{
    {circle, filledCircle, captureCircle, specialOutlineCircle, gradientGlobe}};

} // namespace tools
