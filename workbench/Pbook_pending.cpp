// Operations of the main window whose units are not built yet. Each does the least that keeps
// its caller running; the issue that builds a unit moves its bodies out and deletes what is left.
#include "Pbook.h"

// Clipboard holders.
// Unticks Edit > "Clipboard &Holders".
void TPbook1::uncheckClipboardHolders() {}

// Linked programs.
// Starts the file browser linked in the preferences.
void TPbook1::SpeedButton8Click(TObject*) {}
// Opens the manual pages.
void TPbook1::SupportServices1Click(TObject*) {}
