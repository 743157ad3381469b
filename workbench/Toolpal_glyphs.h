#pragma once
// The tool palette's pictures: button glyphs drawn in code and the colour picture.
#include "TBitmap.h"

#include <string>

// A size x size glyph for the palette's button `name` (its designer name, as "BitBtn13" or
// "pm1"), drawn on a silver ground that the buttons show as transparent. An unknown name gives
// an empty bitmap.
TBitmap ToolGlyph(const std::string& name, int size);

// The colour picture: a true-colour bitmap whose hues run left to right once round the colour
// circle (red, magenta, blue, cyan, green, yellow, red), dark at the top, full in the middle rows
// and pale at the bottom.
TBitmap ColourPicture(int width, int height);
