#pragma once
// The brush rules of the windowing library that the page's mouse handlers count on. The tool
// codes and their sets are in ToolCodes.h.
#include "TCanvas.h"

namespace drawtools {} // namespace drawtools
