#include "Toolpal_placeholders.h"

#include "Pbook.h"
#include "TImage.h"
#include "TPaintBox.h"
#include "Zoompic.h"

// Every stand-in below does nothing beyond what its comment in the header says; none keeps state.
namespace toolpal_pending {

void hidezoomspot() {}
void hidecapbox() {}
void uncheckclipboardholders() {}
void hidepastepanel() {}
TRect zoomvisible() {
    const TBitmap& b = Pbook1->zm1->Bitmap();
    return Rect(0, 0, b.Width(), b.Height());
}
TImage* maincolourbox() {
    return nullptr;
}
TPaintBox* mainwidthsample() {
    return nullptr;
}
bool innercolorbarchecked() {
    return false;
}
void imgradClick() {}
void pastecap() {}
void endcappingpaste() {}
void showgradientwindow() {}
void setcolorstretch() {}
void showgrad() {}
void zerogradoffsets() {}
void loadpatternpreview() {}
void show_pats() {}
void hideoptionsteps() {}
void showcolortint() {}

} // namespace toolpal_pending
