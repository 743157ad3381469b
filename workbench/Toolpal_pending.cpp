// Operations of the tool palette whose units are not built yet (patterns and the gradient
// strip). Each does the least that keeps its caller running.
#include "Toolpal.h"

// Draws the gradient colour list as a strip into `Image4` and the main window's `imgrad`.
void TForm3::showgrad() {}
// Loads the pattern files bin\b1.bmp .. bin\b16.bmp into the pattern buttons.
void TForm3::show_pats() {}
// Loads bin\b1.bmp into the pattern preview when it exists.
void TForm3::loadPatternPreview() {}
