#pragma once
// The faces the windows name, drawn with installed faces whose widths at the designed size are
// close to the designer's: Liberation Sans for "MS Sans Serif", "System" (bold) and "Arial",
// Liberation Serif for "Times New Roman", Liberation Mono for "Courier New". A face nobody maps
// is used as named when installed, else as Liberation Sans; never a generic family, which
// fontconfig may resolve to a monospace face.
#include "TCanvas.h"

#include <QFont>
#include <string>

// The Qt font for a designed font: face, size (a negative height is the character height, a
// positive one the cell height) and style. Needs the application object.
QFont DesignedFont(const TFont& f);
// The installed face that stands for a designed face name at a character height and weight.
std::string InstalledFace(const std::string& name, int emPixels, bool bold, bool italic);
// Registers the Wine faces with Qt (none is mapped to now: see InstalledFace). Runs once.
void LoadDesignedFaces();
