#pragma once
#include "Controls.h"
#include "TBitmap.h"

class TCustomForm;

// The screen: its size (from the real screen unless a test set one) and the screen cursor,
// which overrides every control's cursor while it is not crDefault.
class TScreen {
public:
    int Width() const;
    int Height() const;
    void SetSize(int w, int h);
    void ClearSize();
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor c);
    int PixelsPerInch() const { return 96; }
    int FormCount() const;
    TCustomForm* Forms(int i) const;
    TCustomForm* ActiveForm() const;
    // The picture on the screen, Width() x Height(): the X11 screen where it can be read;
    // elsewhere (Wayland, offscreen runs) the program's own visible windows drawn at their
    // places over white.
    TBitmap Capture() const;
    // The part of that picture inside `area`, cut to the screen: its top left corner is area's
    // top left moved into the screen. Only that part is read, so a small capture of a large
    // screen costs the part, not the screen.
    TBitmap Capture(const TRect& area) const;

private:
    int width_ = 0;
    int height_ = 0;
    TCursor cursor_ = crDefault;
    bool overridden_ = false;
};

extern TScreen* Screen;
