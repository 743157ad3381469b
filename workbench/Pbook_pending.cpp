// Operations of the main window whose units are not built yet. Each does the least that keeps
// its caller running; the issue that builds a unit moves its bodies out and deletes what is left.
#include "Pbook.h"

// Clipboard holders.
// Unticks Edit > "Clipboard &Holders".
void TPbook1::uncheckClipboardHolders() {}

// Paste panel effects.
// "1/2": halves a live floating paste and draws it again.
void TPbook1::SpeedButton4Click(TObject*) {}
