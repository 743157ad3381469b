#pragma once
// Stand-ins for the operations and controls of units not built yet that the tool palette
// reaches. Each says which unit will own it; when that unit lands, the palette calls the real
// operation and the stand-in goes. They do the least that keeps tool selection running.
#include "Geometry.h"
#include "TColor.h"

class TImage;
class TPaintBox;

namespace toolpal_pending {

// Pbook, zoom spot: hides the zoom-spot frame `zmshape1`.
void hidezoomspot();
// Pbook, region capture: hides the capture box shape `capbox`.
void hidecapbox();
// Pbook, clipboard holders: unchecks the menu item `ClipboardHolders1`.
void uncheckclipboardholders();
// Pbook, floating paste and colour bar: hides `pastepanel1` and shows `panco1`.
void hidepastepanel();
// Zoompic: the visible rectangle of the zoom view `zm1` (visleft, vistop, visright, visbottom);
// the zoom view shows its whole bitmap until its own unit lands.
TRect zoomvisible();
// Pbook, colour bar: the main window's copy of the colour box `Image12`, or null.
TImage* maincolourbox();
// Pbook, colour bar: the main window's line-width sample `paintbox1`, or null, and whether
// the menu item `InnerColorbar1` is checked.
TPaintBox* mainwidthsample();
bool innercolorbarchecked();
// Pbook, gradient colour list: the gradient colour manager (`imgradClick`).
void imgradClick();
// Pbook, region capture: the template capture (`pastecap`, `endcappingpaste`).
void pastecap();
void endcappingpaste();
// gradpal: shows the gradient window and redraws its stretch and strip; zeroes its offsets.
void showgradientwindow();
void setcolorstretch();
void showgrad();
void zerogradoffsets();
// gradpal: the pattern preview and the pattern buttons of the palette.
void loadpatternpreview();
void show_pats();
// options: hides the steps panel `Toptions1.Panel5` when `RadioGroup1.ItemIndex` is below 2.
void hideoptionsteps();
// colortint: copies the page into the colour tint window's picture and shows the window.
void showcolortint();

} // namespace toolpal_pending
