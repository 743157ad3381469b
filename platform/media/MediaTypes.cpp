#include "MediaTypes.h"

std::string FourCCToString(FOURCC f) {
    std::string s;
    for (int i = 0; i < 4; ++i) {
        char c = char((f >> (8 * i)) & 0xFF);
        s += (c >= 0x20 && c < 0x7F) ? c : '?';
    }
    return s;
}
