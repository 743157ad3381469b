#pragma once
#include "BmpCodec.h" // EInvalidGraphic, EStreamError
#include "TBitmap.h"

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <vector>

enum TJPEGScale { jsFullSize, jsHalf, jsQuarter, jsEighth };
enum TJPEGPixelFormat { jf24Bit, jf8Bit };
enum TJPEGPerformance { jpBestQuality, jpBestSpeed };
enum TProgressStage { psStarting, psRunning, psEnding };

// The JPEG picture object: holds compressed JPEG data, a bitmap, or both, and makes one from
// the other on demand through libjpeg-turbo.
//
// Loaded data is decoded when its bitmap is first needed, with the decoding options set by
// then (Scale, PixelFormat, Grayscale, Performance, ProgressiveDisplay); changing an option
// drops a bitmap decoded with the old one. A bitmap given with Assign is compressed when the
// data is first needed (saving), with CompressionQuality and ProgressiveEncoding; changing
// either drops data compressed from that bitmap, so a save always follows the settings.
// Saving data that was loaded writes the loaded bytes unchanged.
//
// Decoded bitmaps: jf24Bit gives pf24bit; jf8Bit gives pf8bit with a palette of up to 256
// colours chosen for the picture (a grey ramp for greyscale output). Broken, truncated or
// oversized data throws EInvalidGraphic ("JPEG error #n: ..."), and the object keeps what it
// held before the failing call.
class TJPEGImage {
public:
    TJPEGImage() = default;

    TJPEGScale Scale() const { return scale_; }
    void SetScale(TJPEGScale v);
    TJPEGPixelFormat PixelFormat() const { return pixelFormat_; }
    void SetPixelFormat(TJPEGPixelFormat v);
    bool Grayscale() const { return grayscale_; }
    void SetGrayscale(bool v);
    TJPEGPerformance Performance() const { return performance_; }
    void SetPerformance(TJPEGPerformance v);
    // Progressive files are shown scan by scan while they decode (see OnProgress).
    bool ProgressiveDisplay() const { return progressiveDisplay_; }
    void SetProgressiveDisplay(bool v);

    // 1..100 (values outside are clamped); 90 by default.
    int CompressionQuality() const { return quality_; }
    void SetCompressionQuality(int v);
    // After a load: whether the loaded file is progressive. Also how the next compression is made.
    bool ProgressiveEncoding() const { return progressiveEncoding_; }
    void SetProgressiveEncoding(bool v);

    bool Empty() const { return !hasData() && !haveBitmap_; }
    // The size of the picture as it decodes with the current Scale (or of the assigned bitmap).
    int Width() const;
    int Height() const;

    // Loading reads the headers at once (refusing what is not a JPEG) and keeps the bytes.
    void LoadFromFile(const std::string& fileName);
    void LoadFromStream(std::span<const std::uint8_t> data);
    void LoadFromStream(std::istream& in); // to the stream's end
    void SaveToFile(const std::string& fileName);
    void SaveToStream(std::ostream& out);
    void SaveToStream(std::vector<std::uint8_t>& out); // replaces out with the JPEG bytes

    // A picture to compress; the data held before is dropped. The second form takes the pixels
    // over instead of copying them (a large page need not be held twice).
    void Assign(const TBitmap& source);
    void Assign(TBitmap&& source);
    // Compresses the bitmap (decoding the data first when only data is held) with the current
    // quality and progressive setting.
    void Compress();
    void JPEGNeeded();       // compresses when no data is held
    void DIBNeeded();        // decodes when no bitmap is held
    const TBitmap& Bitmap(); // DIBNeeded, then the bitmap
    TBitmap ToBitmap() { return Bitmap(); }
    const std::vector<std::uint8_t>& Data(); // JPEGNeeded, then the bytes

    // Decode progress: psStarting (0), psRunning with the percentage done each time it changes,
    // psEnding (100, also when the decode fails). Under ProgressiveDisplay a progressive file
    // reports psRunning after each scan with `partial` pointing at the picture so far; otherwise
    // `partial` is null.
    std::function<void(TProgressStage stage, int percent, const TBitmap* partial)> OnProgress;

private:
    bool hasData() const { return data_ && !data_->empty(); }
    void decodeOptionChanged();
    void encodeOptionChanged();

    TJPEGScale scale_ = jsFullSize;
    TJPEGPixelFormat pixelFormat_ = jf24Bit;
    bool grayscale_ = false;
    TJPEGPerformance performance_ = jpBestQuality;
    bool progressiveDisplay_ = false;
    int quality_ = 90;
    bool progressiveEncoding_ = false;

    // Shared and never changed in place: a decode keeps its own reference, so a progress
    // handler that pumps messages and reloads this object cannot pull the bytes from under it.
    std::shared_ptr<const std::vector<std::uint8_t>> data_;
    int imageWidth_ = 0; // full size, from the data's header
    int imageHeight_ = 0;
    TBitmap bitmap_;
    bool haveBitmap_ = false;
    bool bitmapIsSource_ = false; // the bitmap was assigned (the data, if any, was made from it)
};
