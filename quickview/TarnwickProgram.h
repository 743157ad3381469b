#pragma once

namespace quickview {

// Tarnwick's start-up: the start window first (so closing it ends the program), the main window,
// the demonstration screens, then the JPEG options and the message box compiled in from the
// workbench.
void CreateTarnwickWindows();
// Title, then the windows; main() runs the loop after it.
void StartTarnwick();

} // namespace quickview
