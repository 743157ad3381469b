#pragma once
// The picture writers every window uses to put a bitmap on disk as BMP or JPEG, and the rules
// that pick the file type from a name. Nothing here knows about windows: the callers read the
// quality from the JPEG options and report failures in their own words.
//
// Every write goes through the safe writer (FileIO.h): on failure the target is untouched and
// EStreamError is thrown.
#include "TBitmap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// How a picture named so is written. The type is decided by the upper-cased extension:
// ".GIF" is refused, ".JPG" and ".JPEG" are JPEG, anything else (no extension included) is BMP.
enum class TPictureKind { Bmp, Jpeg, Gif };
TPictureKind SaveKindFor(const std::string& fileName);

// The extension of the file-name part, upper-cased, with its dot ("" when there is none).
std::string UpperExtension(const std::string& fileName);
// The file-name part of a path (after the last "\", "/" or ":").
std::string FileNamePart(const std::string& path);
// The bare name a quick save writes: the file-name part up to and including its first ".",
// then "bmp" ("TEMP.BMP" gives "TEMP.bmp", "a.b.jpg" gives "a.bmp", "noext" gives "bmp").
std::string QuickSaveName(const std::string& caption);

// The number part of a numbered frame file: padded with zeros to three digits below 100
// ("009", "099"), written plainly from 100 up. Every frame writer names its files with it.
std::string FrameNumberText(int n);
// The whole name of numbered frame file n: prefix + its number + ".bmp" ("clip", 7 gives
// "clip007.bmp"). The prefix may carry a folder.
std::string frameFileName(const std::string& prefix, int n);

// The bitmap in Windows BMP format, whatever the name's extension.
void WriteBmpPicture(const TBitmap& bmp, const std::string& fileName);
// The bitmap as JPEG at quality 1..100 (clamped), progressive or baseline. The compressed data
// is made before the file is touched, so a picture that cannot be encoded leaves it alone.
std::vector<std::uint8_t> EncodeJpegPicture(const TBitmap& bmp, int quality, bool progressive);
void WriteJpegPicture(const TBitmap& bmp, const std::string& fileName, int quality, bool progressive);
