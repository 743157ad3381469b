#pragma once
// Fitting a picture into a silhouette row by row: in each row the picture's non-white pixels are
// spread over, or sampled into, the silhouette's non-white pixels between its first and last.
#include "Progress.h"
#include "TBitmap.h"

#include <cstdint>
#include <span>

// Pictures wider than this are refused.
constexpr int morfMaxWidth = 2000;

// One row: `out` (as wide as `shape`) starts white; K is the content's non-white pixels in order
// (n of them), m the count of the silhouette's non-white pixels. With n < m the j-th non-white
// silhouette pixel takes K[Round(j * n / m)] (halves to even; 0 leaves it white); with n >= m it
// takes K[j * n div m], the last K[n]. White silhouette pixels, and everything outside the span
// from the first to the last non-white one, stay white. n or m of 0 leaves the row white.
// Colours are 0x00BBGGRR values.
void morphrow(std::span<const TColor> content, std::span<const TColor> shape, std::span<TColor> out);

// Replaces the silhouette by the content fitted into it, row by row. The content is first
// stretched (dropping rows and columns) to the silhouette's size and keeps that copy. False, with
// the silhouette untouched, when the silhouette is wider than 2000 pixels. The bar steps each
// hundredth of the rows from a first mark of 0.
bool morphtoshape(TBitmap& content, TBitmap& shape, TProgress& bar);
