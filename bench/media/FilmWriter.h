#pragma once
// Benchmark films: 640 x 480 pictures with gradients, edges and noise that move from frame to
// frame, written as MJPEG or uncompressed 24-bit AVI with an old-style index.
#include <string>

bool WriteBenchFilm(const std::string& path, bool mjpeg, int frames, int width = 640, int height = 480);
