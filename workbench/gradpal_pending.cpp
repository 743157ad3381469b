// Operations of the gradient colour list maker, not built yet. Each does the least that keeps
// its caller running.
#include "gradpal.h"

// Shows the window with the stretch between the two button colours.
void Tgradform1::showWindow() {}
// Repaints the stretch and rebuilds the palette's gradient colour list from it.
void Tgradform1::setcolorstretch() {}
// Sets the three colour offsets back to 0.
void Tgradform1::zeroOffsets() {}
