// The visible rectangle of the zoom view, until the zoom view keeps one: the whole bitmap.
#include "Zoompic.h"

// Left column, top row, right column and bottom row of the rectangle the view shows.
int TZoomImage::visleft() const {
    return 0;
}
int TZoomImage::vistop() const {
    return 0;
}
int TZoomImage::visright() const {
    return bitmap_.Width();
}
int TZoomImage::visbottom() const {
    return bitmap_.Height();
}
