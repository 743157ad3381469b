#pragma once
#include <Qt>

// Virtual-key codes as key events carry them: letters and digits are their upper-case ASCII
// codes.
enum : unsigned short {
    VK_BACK = 0x08,
    VK_TAB = 0x09,
    VK_RETURN = 0x0D,
    VK_SHIFT = 0x10,
    VK_CONTROL = 0x11,
    VK_MENU = 0x12,
    VK_PAUSE = 0x13,
    VK_ESCAPE = 0x1B,
    VK_SPACE = 0x20,
    VK_PRIOR = 0x21,
    VK_NEXT = 0x22,
    VK_END = 0x23,
    VK_HOME = 0x24,
    VK_LEFT = 0x25,
    VK_UP = 0x26,
    VK_RIGHT = 0x27,
    VK_DOWN = 0x28,
    VK_INSERT = 0x2D,
    VK_DELETE = 0x2E,
    VK_F1 = 0x70,
    VK_F12 = 0x7B,
};

unsigned short KeyFromQt(int qtKey);
int KeyToQt(unsigned short vk);

// Menu short-cuts: a key code with modifier flags, as menu items store them.
using TShortCut = unsigned;
enum : unsigned { scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000 };
inline TShortCut ShortCut(unsigned short key, unsigned mods) {
    return key | mods;
}
