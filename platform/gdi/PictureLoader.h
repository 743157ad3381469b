#pragma once
// The picture loader: every picture file the programs open comes through here, chosen by the
// upper-cased extension of its name. What it gives is a bitmap, or for a JPEG the JPEG object
// itself, not decoded yet, so the caller can choose the decoding options first.
#include "BmpCodec.h" // EInvalidGraphic, EStreamError, PictureSizeAllowed
#include "JpegImage.h"
#include "TBitmap.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

struct TLoadedPicture {
    TBitmap bitmap;                   // every kind but JPEG
    std::unique_ptr<TJPEGImage> jpeg; // a JPEG, headers read, not decoded
    bool IsJpeg() const { return jpeg != nullptr; }
};

// ".BMP" the BMP reader, ".JPG" and ".JPEG" the JPEG object, ".ICO" the icon reader, ".WMF" and
// ".EMF" the metafile player. Content that does not parse, and any other extension, throw
// EInvalidGraphic; a file that cannot be read throws EStreamError.
TLoadedPicture LoadPictureFile(const std::string& fileName);

// Icons: a directory of pictures. The 32 x 32 entry with the most colours is taken, else the
// largest. DIB entries give (white where the AND mask is set) XOR colour, as drawn on white;
// 32-bit entries with alpha and PNG entries are blended over white. The result is pf24bit.
TBitmap ReadIcon(std::span<const std::uint8_t> file);

// Metafiles: placeable WMF, plain WMF and EMF, told apart by their headers and played through
// the canvas onto a white bitmap. The picture's size is a placeable header's box at its units
// per inch, an EMF's frame (0.01 mm), each at 96 pixels an inch, or a plain WMF's first window
// extent; the window maps onto the whole bitmap. A record shorter than its header or reaching
// past the end ends playback with what was drawn.
TBitmap PlayMetafile(std::span<const std::uint8_t> file);
// The size (x wide, y high) PlayMetafile would give, without drawing; throws as PlayMetafile does.
TPoint MetafileSize(std::span<const std::uint8_t> file);

// A device-independent bitmap (header, colour table, pixels) as the BMP reader reads a file,
// with all its checks. `bits` empty: the pixels follow the colour table in `info`.
TBitmap ReadDib(std::span<const std::uint8_t> info, std::span<const std::uint8_t> bits = {});
