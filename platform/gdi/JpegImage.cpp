#include "JpegImage.h"

#include <algorithm>
#include <cstdio>
// clang-format off
#include <jpeglib.h>
#include <jerror.h>
// clang-format on
#include <istream>
#include <iterator>
#include <ostream>

namespace {

// libjpeg reports fatal errors through error_exit, which must not return; ours throws, and the
// RAII owner of the codec object destroys it on the way out. Warnings that mean the data is
// damaged or cut short are fatal too, so a broken file never decodes to a half-grey picture.
struct ErrorManager : jpeg_error_mgr {
    [[noreturn]] static void raise(j_common_ptr cinfo) {
        char text[JMSG_LENGTH_MAX] = {};
        (*cinfo->err->format_message)(cinfo, text);
        throw EInvalidGraphic("JPEG error #" + std::to_string(cinfo->err->msg_code) + ": " + text, text);
    }
    static void errorExit(j_common_ptr cinfo) { raise(cinfo); }
    static void emitMessage(j_common_ptr cinfo, int level) {
        if (level >= 0) return; // trace messages
        switch (cinfo->err->msg_code) {
        case JWRN_JPEG_EOF:
            // The data ended where a marker was expected. A sequential file whose rows are all
            // there but whose end marker is missing gets here too and decodes whole; one cut
            // short fails at the first bits it lacks (JWRN_HIT_MARKER). In a progressive file
            // the end of the data cannot tell a missing end marker from missing scans.
            if (cinfo->is_decompressor && !reinterpret_cast<j_decompress_ptr>(cinfo)->progressive_mode) {
                cinfo->err->num_warnings++;
                return;
            }
            raise(cinfo);
        case JWRN_HIT_MARKER:
        case JWRN_HUFF_BAD_CODE:
        case JWRN_ARITH_BAD_CODE:
        case JWRN_MUST_RESYNC:
        case JWRN_NOT_SEQUENTIAL:
        case JWRN_BOGUS_PROGRESSION:
            raise(cinfo);
        default:
            cinfo->err->num_warnings++;
        }
    }
    static void outputMessage(j_common_ptr) {}

    ErrorManager() {
        jpeg_std_error(this);
        error_exit = errorExit;
        emit_message = emitMessage;
        output_message = outputMessage;
    }
};

struct Decompressor {
    ErrorManager err;
    jpeg_decompress_struct cinfo{};
    Decompressor() {
        cinfo.err = &err;
        jpeg_create_decompress(&cinfo);
    }
    ~Decompressor() { jpeg_destroy_decompress(&cinfo); }
    Decompressor(const Decompressor&) = delete;
    Decompressor& operator=(const Decompressor&) = delete;
};

struct Compressor {
    ErrorManager err;
    jpeg_compress_struct cinfo{};
    Compressor() {
        cinfo.err = &err;
        jpeg_create_compress(&cinfo);
    }
    ~Compressor() { jpeg_destroy_compress(&cinfo); }
    Compressor(const Compressor&) = delete;
    Compressor& operator=(const Compressor&) = delete;
};

// Compressed bytes straight into a vector that grows as needed.
struct VectorDestination : jpeg_destination_mgr {
    std::vector<std::uint8_t>* out;
    std::size_t initial;
    VectorDestination(std::vector<std::uint8_t>* o, std::size_t first) : out(o), initial(first) {
        init_destination = init;
        empty_output_buffer = grow;
        term_destination = term;
    }
    static void init(j_compress_ptr c) {
        auto* d = static_cast<VectorDestination*>(c->dest);
        d->out->resize(d->initial);
        d->next_output_byte = d->out->data();
        d->free_in_buffer = d->out->size();
    }
    static boolean grow(j_compress_ptr c) {
        auto* d = static_cast<VectorDestination*>(c->dest);
        const std::size_t old = d->out->size();
        d->out->resize(old * 2);
        d->next_output_byte = d->out->data() + old;
        d->free_in_buffer = d->out->size() - old;
        return TRUE;
    }
    static void term(j_compress_ptr c) {
        auto* d = static_cast<VectorDestination*>(c->dest);
        d->out->resize(d->out->size() - d->free_in_buffer);
    }
};

using ProgressFn = std::function<void(TProgressStage, int, const TBitmap*)>;

// Every scan of a progressive file runs over the whole picture again, so a small file of
// thousands of scans could keep the decoder busy for minutes. libjpeg-turbo's own tools refuse
// past a limit like this one; real files have a few dozen at most.
constexpr int kMaxScans = 500;

void checkScans(j_decompress_ptr ci) {
    if (ci->progressive_mode && ci->input_scan_number > kMaxScans)
        throw EInvalidGraphic("JPEG error: the picture has more than " + std::to_string(kMaxScans) + " scans",
                              "too many scans");
}

// Percentages for OnProgress: from libjpeg's pass counters, or in scan-by-scan display (where
// those counters say little) from how much of the data has been read.
struct ProgressMonitor : jpeg_progress_mgr {
    const ProgressFn* callback;
    j_decompress_ptr cinfo;
    std::size_t size;
    bool byInput = false;
    int last = 0;
    ProgressMonitor(const ProgressFn* cb, j_decompress_ptr c, std::size_t n)
        : callback(cb), cinfo(c), size(n) {
        progress_monitor = update;
    }
    int percent() const {
        double f;
        if (byInput) {
            f = size ? double(size - cinfo->src->bytes_in_buffer) / double(size) : 1.0;
        } else {
            const double total = std::max(1, total_passes);
            const double within = pass_limit > 0 ? double(pass_counter) / double(pass_limit) : 0.0;
            f = (completed_passes + within) / total;
        }
        return std::clamp(int(f * 100), 0, 100);
    }
    void report(const TBitmap* partial) {
        const int p = std::max(last, percent());
        if (p != last || partial) {
            last = p;
            (*callback)(psRunning, p, partial);
        }
    }
    static void update(j_common_ptr c) {
        auto* self = static_cast<ProgressMonitor*>(c->progress);
        checkScans(self->cinfo);
        if (self->callback) self->report(nullptr);
    }
};

struct DecodeOptions {
    TJPEGScale scale;
    TJPEGPixelFormat pixelFormat;
    bool grayscale;
    TJPEGPerformance performance;
    bool progressiveDisplay;
};

struct Header {
    int width = 0;
    int height = 0;
    bool progressive = false;
};

void checkSize(long long w, long long h) {
    if (!PictureSizeAllowed(w, h))
        throw EInvalidGraphic("JPEG error: the picture is too large (" + std::to_string(w) + " x " +
                                  std::to_string(h) + ")",
                              "dimensions too large");
}

void startReading(Decompressor& d, std::span<const std::uint8_t> data) {
    jpeg_mem_src(&d.cinfo, data.data(), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&d.cinfo, TRUE);
    checkSize(d.cinfo.image_width, d.cinfo.image_height);
}

Header readHeader(std::span<const std::uint8_t> data) {
    Decompressor d;
    startReading(d, data);
    return {int(d.cinfo.image_width), int(d.cinfo.image_height), d.cinfo.progressive_mode != 0};
}

// Adobe CMYK files store the inks inverted.
std::uint32_t cmykToWord(const JSAMPLE* p, bool inverted) {
    unsigned c = p[0], m = p[1], y = p[2], k = p[3];
    if (!inverted) c = 255 - c, m = 255 - m, y = 255 - y, k = 255 - k;
    const unsigned r = c * k / 255, g = m * k / 255, b = y * k / 255;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

TBitmap decode(std::span<const std::uint8_t> data, const DecodeOptions& o, const ProgressFn* progress) {
    Decompressor d;
    jpeg_decompress_struct& ci = d.cinfo;
    startReading(d, data);

    const bool cmyk = ci.jpeg_color_space == JCS_CMYK || ci.jpeg_color_space == JCS_YCCK;
    const bool grey = !cmyk && (o.grayscale || ci.num_components == 1);
    const bool eight = o.pixelFormat == jf8Bit;
    const bool speed = o.performance == jpBestSpeed;
    ci.scale_num = 1;
    ci.scale_denom = 1u << int(o.scale);
    ci.dct_method = speed ? JDCT_IFAST : JDCT_ISLOW;
    ci.do_fancy_upsampling = speed ? FALSE : TRUE;
    bool quantize = false;
    if (cmyk) {
        ci.out_color_space = JCS_CMYK;
    } else if (grey) {
        ci.out_color_space = JCS_GRAYSCALE;
    } else if (eight) {
        quantize = true;
        ci.out_color_space = JCS_RGB;
        ci.quantize_colors = TRUE;
        ci.desired_number_of_colors = 256;
        ci.two_pass_quantize = speed ? FALSE : TRUE;
        ci.dither_mode = speed ? JDITHER_ORDERED : JDITHER_FS;
    } else {
        ci.out_color_space = JCS_EXT_BGRA; // the bitmap's own word layout, written in place
    }
    // Scan-by-scan display re-runs the output for every scan; 8-bit output keeps one colour
    // choice for the whole picture, so it shows the finished picture only.
    const bool buffered = o.progressiveDisplay && ci.progressive_mode && !quantize;
    ci.buffered_image = buffered ? TRUE : FALSE;

    // Always there: it also counts the scans.
    ProgressMonitor monitor(progress && *progress ? progress : nullptr, &ci, data.size());
    monitor.byInput = buffered;
    ci.progress = &monitor;

    jpeg_start_decompress(&ci);
    const int w = int(ci.output_width), h = int(ci.output_height);
    checkSize(w, h);
    const bool direct = !cmyk && (quantize || (grey && eight) || (!grey && !eight));
    TBitmap out = TBitmap::unfilled(w, h, direct && eight ? pf8bit : pf24bit); // every row is decoded
    if (quantize) {
        std::vector<PALETTEENTRY> pal(256);
        for (int i = 0; i < ci.actual_number_of_colors && i < 256; ++i)
            pal[size_t(i)] = {ci.colormap[0][i], ci.colormap[1][i], ci.colormap[2][i], 0};
        out.SetPalette(CreatePalette(pal));
    } else if (direct && eight) {
        std::vector<PALETTEENTRY> pal(256);
        for (int i = 0; i < 256; ++i)
            pal[size_t(i)] = {std::uint8_t(i), std::uint8_t(i), std::uint8_t(i), 0};
        out.SetPalette(CreatePalette(pal));
    }

    constexpr int kBatch = 16;
    std::vector<JSAMPLE> buffer;
    if (!direct) buffer.resize(size_t(kBatch) * size_t(w) * size_t(ci.output_components));
    const bool inverted = ci.saw_Adobe_marker;
    auto readRows = [&] {
        JSAMPROW rows[kBatch];
        while (int(ci.output_scanline) < h) {
            const int y0 = int(ci.output_scanline);
            const int n = std::min(kBatch, h - y0);
            for (int k = 0; k < n; ++k)
                rows[k] =
                    direct ? out.ScanLine(y0 + k) : buffer.data() + size_t(k) * w * ci.output_components;
            const int got = int(jpeg_read_scanlines(&ci, rows, JDIMENSION(n)));
            if (direct) continue;
            for (int k = 0; k < got; ++k) {
                std::uint32_t* o32 = out.Row32(y0 + k);
                const JSAMPLE* s = rows[k];
                if (cmyk) {
                    for (int x = 0; x < w; ++x) {
                        std::uint32_t v = cmykToWord(s + 4 * x, inverted);
                        if (grey) {
                            const unsigned r = (v >> 16) & 0xFF, g = (v >> 8) & 0xFF, b = v & 0xFF;
                            const unsigned l = (r * 77 + g * 150 + b * 29 + 128) >> 8;
                            v = 0xFF000000u | (l * 0x010101u);
                        }
                        o32[x] = v;
                    }
                } else { // greyscale into true colour
                    for (int x = 0; x < w; ++x)
                        o32[x] = 0xFF000000u | (std::uint32_t(s[x]) * 0x010101u);
                }
            }
        }
    };

    if (!buffered) {
        readRows();
    } else {
        int shown = 0;
        for (;;) {
            const int r = jpeg_consume_input(&ci);
            checkScans(&ci);
            if (r == JPEG_SUSPENDED) // cannot happen with the whole file in memory
                throw EInvalidGraphic("JPEG error: data ended early", "suspended");
            if (r == JPEG_REACHED_EOI) break;
            if (r == JPEG_SCAN_COMPLETED) {
                jpeg_start_output(&ci, ci.input_scan_number);
                readRows();
                jpeg_finish_output(&ci);
                shown = ci.input_scan_number;
                if (monitor.callback) monitor.report(&out);
            }
        }
        if (shown != ci.input_scan_number || shown == 0) {
            jpeg_start_output(&ci, ci.input_scan_number);
            readRows();
            jpeg_finish_output(&ci);
        }
    }
    jpeg_finish_decompress(&ci);
    if (eight && !direct) out.SetPixelFormat(pf8bit);
    return out;
}

std::vector<std::uint8_t> encode(const TBitmap& b, int quality, bool progressive) {
    if (b.Empty()) throw EInvalidGraphic("JPEG error: there is no picture to compress", "empty picture");
    const int w = b.Width(), h = b.Height();
    std::vector<std::uint8_t> out;
    VectorDestination dest(&out,
                           std::clamp<std::size_t>(std::size_t(w) * std::size_t(h) / 4, 1 << 16, 1 << 26));
    Compressor c;
    jpeg_compress_struct& ci = c.cinfo;
    ci.dest = &dest;
    ci.image_width = JDIMENSION(w);
    ci.image_height = JDIMENSION(h);
    ci.input_components = 4;
    ci.in_color_space = JCS_EXT_BGRX; // the bitmap's own word layout, read in place
    jpeg_set_defaults(&ci);
    jpeg_set_quality(&ci, quality, TRUE);
    if (progressive) jpeg_simple_progression(&ci);
    jpeg_start_compress(&ci, TRUE);

    constexpr int kBatch = 16;
    std::vector<std::uint8_t> buffer;
    std::uint32_t lut[256] = {};
    if (b.IsIndexed()) {
        buffer.resize(size_t(kBatch) * size_t(w) * 4);
        const HPALETTE& pal = b.Palette();
        for (size_t i = 0; pal && i < std::min<size_t>(256, pal->entries.size()); ++i) {
            const PALETTEENTRY& e = pal->entries[i];
            lut[i] =
                0xFF000000u | (std::uint32_t(e.peRed) << 16) | (std::uint32_t(e.peGreen) << 8) | e.peBlue;
        }
    }
    JSAMPROW rows[kBatch];
    while (int(ci.next_scanline) < h) {
        const int y0 = int(ci.next_scanline);
        const int n = std::min(kBatch, h - y0);
        for (int k = 0; k < n; ++k) {
            if (b.IsIndexed()) {
                auto* o = reinterpret_cast<std::uint32_t*>(buffer.data() + size_t(k) * size_t(w) * 4);
                const std::uint8_t* s = b.ScanLine(y0 + k);
                for (int x = 0; x < w; ++x)
                    o[x] = lut[s[x]];
                rows[k] = reinterpret_cast<JSAMPROW>(o);
            } else {
                // libjpeg only reads the rows it is given.
                rows[k] = const_cast<JSAMPROW>(b.ScanLine(y0 + k));
            }
        }
        jpeg_write_scanlines(&ci, rows, JDIMENSION(n));
    }
    jpeg_finish_compress(&ci);
    return out;
}

} // namespace

void TJPEGImage::decodeOptionChanged() {
    if (!bitmapIsSource_ && hasData()) {
        bitmap_ = TBitmap();
        haveBitmap_ = false;
    }
}

void TJPEGImage::encodeOptionChanged() {
    if (bitmapIsSource_ && haveBitmap_) data_.reset();
}

void TJPEGImage::SetScale(TJPEGScale v) {
    if (v != scale_) {
        scale_ = v;
        decodeOptionChanged();
    }
}

void TJPEGImage::SetPixelFormat(TJPEGPixelFormat v) {
    if (v != pixelFormat_) {
        pixelFormat_ = v;
        decodeOptionChanged();
    }
}

void TJPEGImage::SetGrayscale(bool v) {
    if (v != grayscale_) {
        grayscale_ = v;
        decodeOptionChanged();
    }
}

void TJPEGImage::SetPerformance(TJPEGPerformance v) {
    if (v != performance_) {
        performance_ = v;
        decodeOptionChanged();
    }
}

void TJPEGImage::SetProgressiveDisplay(bool v) {
    progressiveDisplay_ = v;
}

void TJPEGImage::SetCompressionQuality(int v) {
    v = std::clamp(v, 1, 100);
    if (v != quality_) {
        quality_ = v;
        encodeOptionChanged();
    }
}

void TJPEGImage::SetProgressiveEncoding(bool v) {
    if (v != progressiveEncoding_) {
        progressiveEncoding_ = v;
        encodeOptionChanged();
    }
}

int TJPEGImage::Width() const {
    if (haveBitmap_) return bitmap_.Width();
    const int d = 1 << int(scale_);
    return hasData() ? (imageWidth_ + d - 1) / d : 0;
}

int TJPEGImage::Height() const {
    if (haveBitmap_) return bitmap_.Height();
    const int d = 1 << int(scale_);
    return hasData() ? (imageHeight_ + d - 1) / d : 0;
}

void TJPEGImage::LoadFromStream(std::span<const std::uint8_t> data) {
    const Header h = readHeader(data);
    data_ = std::make_shared<const std::vector<std::uint8_t>>(data.begin(), data.end());
    imageWidth_ = h.width;
    imageHeight_ = h.height;
    progressiveEncoding_ = h.progressive;
    bitmap_ = TBitmap();
    haveBitmap_ = false;
    bitmapIsSource_ = false;
}

void TJPEGImage::LoadFromStream(std::istream& in) {
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw EStreamError("Stream read error");
    LoadFromStream(std::span<const std::uint8_t>(bytes));
}

void TJPEGImage::LoadFromFile(const std::string& fileName) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(fileName);
    LoadFromStream(std::span<const std::uint8_t>(bytes));
}

void TJPEGImage::SaveToStream(std::vector<std::uint8_t>& out) {
    out = Data();
}

void TJPEGImage::SaveToStream(std::ostream& out) {
    const std::vector<std::uint8_t>& d = Data();
    out.write(reinterpret_cast<const char*>(d.data()), std::streamsize(d.size()));
    if (!out) throw EStreamError("Stream write error");
}

void TJPEGImage::SaveToFile(const std::string& fileName) {
    const std::vector<std::uint8_t>& d = Data();
    writeFileReplacing(fileName, d);
}

void TJPEGImage::Assign(const TBitmap& source) {
    Assign(TBitmap(source));
}

void TJPEGImage::Assign(TBitmap&& source) {
    bitmap_ = std::move(source);
    haveBitmap_ = !bitmap_.Empty();
    bitmapIsSource_ = true;
    data_.reset();
    imageWidth_ = bitmap_.Width();
    imageHeight_ = bitmap_.Height();
}

void TJPEGImage::Compress() {
    DIBNeeded();
    std::vector<std::uint8_t> bytes = encode(bitmap_, quality_, progressiveEncoding_);
    data_ = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    imageWidth_ = bitmap_.Width();
    imageHeight_ = bitmap_.Height();
    bitmapIsSource_ = true;
}

void TJPEGImage::JPEGNeeded() {
    if (!hasData()) Compress();
}

void TJPEGImage::DIBNeeded() {
    if (haveBitmap_ || !hasData()) return;
    const DecodeOptions o{scale_, pixelFormat_, grayscale_, performance_, progressiveDisplay_};
    // Copies of the bytes' handle and of the handler: the handler may pump messages that reach
    // this object again.
    const std::shared_ptr<const std::vector<std::uint8_t>> bytes = data_;
    const ProgressFn handler = OnProgress;
    const ProgressFn* progress = handler ? &handler : nullptr;
    if (progress) handler(psStarting, 0, nullptr);
    TBitmap decoded;
    try {
        decoded = decode(*bytes, o, progress);
    } catch (...) {
        if (progress) handler(psEnding, 100, nullptr);
        throw;
    }
    // Reloaded or decoded again meanwhile: this result is stale.
    const bool current = bytes == data_ && !haveBitmap_ && o.scale == scale_ &&
                         o.pixelFormat == pixelFormat_ && o.grayscale == grayscale_ &&
                         o.performance == performance_;
    if (current) {
        bitmap_ = std::move(decoded);
        haveBitmap_ = true;
    }
    if (progress) handler(psEnding, 100, nullptr);
}

const TBitmap& TJPEGImage::Bitmap() {
    DIBNeeded();
    return bitmap_;
}

const std::vector<std::uint8_t>& TJPEGImage::Data() {
    JPEGNeeded();
    return *data_;
}
