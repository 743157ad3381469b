// Operations of the main window whose units are not built yet. Each does the least that keeps
// its caller running; the issue that builds a unit moves its bodies out and deletes what is left.
#include "Pbook.h"

// Region capture.
// Starts, follows and ends a box capture (rectangle outline, cut, special rectangle).
void TPbook1::capboxMouseDown(int, int) {}
void TPbook1::capboxMouseMove(int, int) {}
void TPbook1::capboxMouseUp(int, int) {}
// Starts, follows and ends a lasso capture (colour replacer polygon, lasso, special outline).
void TPbook1::polycopyDown(TMouseButton, int, int) {}
void TPbook1::polycopypve(TShiftState, int, int) {}
void TPbook1::polycopyUp(TMouseButton, int, int) {}
// Captures the circular area inside the dragged rectangle.
void TPbook1::capcircle(int, int, int, int) {}
// Starts a capture through the clipboard picture as a template.
void TPbook1::pastecap() {}
// Captures the area inside the template and ends the template capture.
void TPbook1::endcappingpaste() {}

// Floating paste.
// Starts a floating paste of the clipboard picture.
void TPbook1::doapaste() {}
// Drag, move and drop of the floating paste frame.
void TPbook1::mask1MDown(TMouseButton, TShiftState, int, int) {}
void TPbook1::mask1MMove(TShiftState, int, int) {}
void TPbook1::mask1MUp(TMouseButton, TShiftState, int, int) {}
// Hides the paste panel `pastepanel1`.
void TPbook1::hidePastePanel() {}

// Clipboard holders.
// Unticks Edit > "Clipboard &Holders".
void TPbook1::uncheckClipboardHolders() {}

// Linked programs.
// Starts the file browser linked in the preferences.
void TPbook1::SpeedButton8Click(TObject*) {}
// Opens the manual pages.
void TPbook1::SupportServices1Click(TObject*) {}
