// Stand-ins for the handlers that the page's mouse dispatch hands some tools to, until the units
// that own them arrive. Each does nothing, so choosing such a tool leaves the page as it was.
#include "Pbook.h"

// Box capture (tools 22, 23, 229) and lasso capture (tools 19, 21, 109): the region capture unit.
void TPbook1::capboxMouseDown(int, int) {}
void TPbook1::capboxMouseMove(int, int) {}
void TPbook1::capboxMouseUp(int, int) {}
void TPbook1::polycopyDown(TMouseButton, int, int) {}
void TPbook1::polycopypve(TShiftState, int, int) {}
void TPbook1::polycopyUp(TMouseButton, int, int) {}
// Circular capture (tools 24, 25): the region capture unit.
void TPbook1::capcircle(int, int, int, int) {}

// The floating paste frame: the floating paste unit.
void TPbook1::mask1MDown(TMouseButton, TShiftState, int, int) {}
void TPbook1::mask1MMove(TShiftState, int, int) {}
void TPbook1::mask1MUp(TMouseButton, TShiftState, int, int) {}

// The zoom spot (tools 200..203): the zoom spot unit.
void TPbook1::zoomspotfollow(int, int) {}
void TPbook1::dozoomspot(int, int, int) {}

// Gradient fills (tools 153..157): the gradient fill methods of the main window.
void TPbook1::Hdogradfill(int, int) {}
void TPbook1::Vdogradfill(int, int) {}
void TPbook1::Hdogradboxfill(int, int, int, int) {}
void TPbook1::Vdogradboxfill(int, int, int, int) {}
void TPbook1::Hdogradrectfill(int, int, int, int) {}
