#pragma once
// An MPEG-1 program stream made in code through libavcodec's MPEG-1 video (with B-frames) and
// MP2 encoders: frame n is one colour, FrameColour(n); the sound a steady tone.
#include <cstdint>
#include <vector>

struct MpegSpec {
    int width = 64;
    int height = 48;
    int frames = 25; // at 25 frames a second
    int bFrames = 2;
    bool sound = true; // MP2, 44100 Hz stereo, as long as the film
};

std::vector<std::uint8_t> MakeMpeg(const MpegSpec& spec);
