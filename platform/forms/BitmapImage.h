#pragma once
#include "TBitmap.h"

#include <QImage>
#include <QVector>

// A QImage over a bitmap's own memory (no copy): RGB32 for true colour, Indexed8 with the
// palette as colour table for palette bitmaps. Valid until the bitmap's size or format changes.
QImage WrapBitmap(const TBitmap& bmp);
// The colour table of a palette bitmap (256 entries; missing ones black).
QVector<QRgb> ColorTableOf(const TBitmap& bmp);
// Fills a true-colour bitmap with a colour, reporting nothing (a control's own backing store).
void fillBitmap(TBitmap& bmp, TColor c);
// A button glyph as an icon: the first of `numGlyphs` images laid side by side, with the colour
// of its bottom-left pixel transparent.
class QIcon;
QIcon GlyphIcon(const TBitmap& glyph, int numGlyphs);
// A copy of the image with every pixel of the key colour transparent.
QImage TransparentCopy(const QImage& img, QRgb key);
