#pragma once
// Tarnwick's pictures, drawn in code onto true-colour bitmaps: the film-strip logo, film frames,
// the wizards' side pictures and the button glyphs. They know nothing of windows.
#include "TBitmap.h"

namespace quickview {

enum class Glyph {
    None,
    Film,
    Clapper,
    Effects,
    Microphone,
    Projector,
    Speaker,
    Utility,
    Html,
    Explore,
    Browser,
    Music,
    Layers,
    Minimize,
    Left,
    Right,
    Play,
    Pause,
    Stop,
    Record,
    Rewind,
    FastForward,
    StepBack,
    StepForward,
    Open,
    Save,
    New,
    Folder,
    Bold,
    Italic,
    Underline,
    AlignLeft,
    AlignCenter,
    AlignRight,
    Camera,
    Pencil,
    Copy,
    Paste,
    Zoom,
    ListMaker,
    Check,
    Cross,
    Help,
};

// The colour of the glyph background that the buttons leave out (the bottom-left pixel).
constexpr TColor GlyphKey = 0x00FF00FF;

// A film strip with sprocket holes across a dusk sky, with the product name.
void DrawFilmLogo(TBitmap& bmp, int w, int h);
// A narrow banner: the product name on a strip of film.
void DrawBanner(TBitmap& bmp, int w, int h);
// A small landscape, as a film frame shows it; `variant` moves the sun and shifts the light.
void DrawScene(TBitmap& bmp, int w, int h, int variant);
// A figure on a plain backdrop, as a foreground sprite frame looks (backdrop in the glyph key's
// place: pure white, the outside of the shape).
void DrawSprite(TBitmap& bmp, int w, int h, int variant);
// The tall side picture of a wizard page: a gradient with a film reel and a clapperboard.
void DrawWizardSide(TBitmap& bmp, int w, int h, int variant);
// The program icon: a film frame with a clapper.
void DrawProgramIcon(TBitmap& bmp, int size);
// A button glyph of size x size on the glyph key.
void DrawGlyph(TBitmap& bmp, Glyph g, int size);

} // namespace quickview
