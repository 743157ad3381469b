#pragma once
// The colour map of a picture (256 x 256, red down and green across, each cell in the last
// colour that fell there), its count, and the palette sheet of swatches built from it.
#include "Progress.h"
#include "TBitmap.h"

// Makes `map` a white 256 x 256 bitmap and plots every pixel of the picture at column G, row R
// in its own colour; white pixels leave no trace. The bar steps after each hundredth of the rows.
void plotColourMap(const TBitmap& picture, TBitmap& map, TProgress& bar);

// The map's cells that are not white; the bar steps as for the plot.
int countMapColours(const TBitmap& map, TProgress& bar);

// The palette sheet, 40 x 1280 on white: a black and a white swatch first, then a 6 x 6 swatch
// for each non-white map cell in scan order, in columns from x = 1, 7, .. 31 filled top to
// bottom (the first from y = 11, the others from y = 1), 1282 places at most. With `count`
// above 1280 the cells are sampled: cell c (1..65536) passes mark j (from 1) when
// 1280 * c > j * count, and then gets a swatch if it is not white. The bar steps at each 2.56
// map rows.
TBitmap paletteSheet(const TBitmap& map, int count, TProgress& bar);
