#pragma once
#include <stdexcept>

// The error an out-of-range index raises (the platform's range-check error).
class ERangeError : public std::out_of_range {
public:
    using std::out_of_range::out_of_range;
};
