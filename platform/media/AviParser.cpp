#include "AviParser.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr FOURCC kRIFF = mmioFOURCC('R', 'I', 'F', 'F');
constexpr FOURCC kLIST = mmioFOURCC('L', 'I', 'S', 'T');
constexpr FOURCC kAVI = mmioFOURCC('A', 'V', 'I', ' ');
constexpr FOURCC kAVIX = mmioFOURCC('A', 'V', 'I', 'X');
constexpr FOURCC kHdrl = mmioFOURCC('h', 'd', 'r', 'l');
constexpr FOURCC kStrl = mmioFOURCC('s', 't', 'r', 'l');
constexpr FOURCC kMovi = mmioFOURCC('m', 'o', 'v', 'i');
constexpr FOURCC kAvih = mmioFOURCC('a', 'v', 'i', 'h');
constexpr FOURCC kStrh = mmioFOURCC('s', 't', 'r', 'h');
constexpr FOURCC kStrf = mmioFOURCC('s', 't', 'r', 'f');
constexpr FOURCC kStrn = mmioFOURCC('s', 't', 'r', 'n');
constexpr FOURCC kIndx = mmioFOURCC('i', 'n', 'd', 'x');
constexpr FOURCC kIdx1 = mmioFOURCC('i', 'd', 'x', '1');

constexpr std::uint32_t AVIIF_LIST = 0x01;
constexpr std::uint32_t AVIIF_KEYFRAME = 0x10;
constexpr std::uint8_t AVI_INDEX_OF_INDEXES = 0;
constexpr std::uint8_t AVI_INDEX_OF_CHUNKS = 1;

constexpr std::size_t kMaxFormat = 1u << 20;
constexpr int kMaxStreams = 100; // stream numbers are two digits
constexpr int kMaxListDepth = 4;
constexpr std::size_t kMaxRiffs = 4096;

#pragma pack(push, 1)
struct StreamHeader {
    FOURCC fccType;
    FOURCC fccHandler;
    std::uint32_t dwFlags;
    std::uint16_t wPriority;
    std::uint16_t wLanguage;
    std::uint32_t dwInitialFrames;
    std::uint32_t dwScale;
    std::uint32_t dwRate;
    std::uint32_t dwStart;
    std::uint32_t dwLength;
    std::uint32_t dwSuggestedBufferSize;
    std::uint32_t dwQuality;
    std::uint32_t dwSampleSize;
    std::int16_t rcFrame[4];
};
static_assert(sizeof(StreamHeader) == 56);
#pragma pack(pop)

bool printable(FOURCC id) {
    for (int i = 0; i < 4; ++i) {
        auto c = std::uint8_t(id >> (8 * i));
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

std::uint16_t le16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
std::uint32_t le32(const std::uint8_t* p) {
    return std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
           (std::uint32_t(p[3]) << 24);
}
std::uint64_t le64(const std::uint8_t* p) {
    return le32(p) | (std::uint64_t(le32(p + 4)) << 32);
}
} // namespace

TAviParser::TAviParser(TAviFile& file, std::shared_ptr<TMediaFileReader> reader)
    : file_(file), r_(std::move(reader)), fileSize_(r_->Size()), budget_(r_->Size() / 8 + 16) {}

bool TAviParser::chunkAt(std::uint64_t pos, std::uint64_t end, FOURCC& id, std::uint32_t& size) const {
    std::uint8_t h[8];
    if (pos + 8 > end || !r_->ReadAt(pos, h, 8)) return false;
    id = le32(h);
    size = le32(h + 4);
    return true;
}

bool TAviParser::validIdAt(std::uint64_t pos, std::uint64_t end) const {
    FOURCC id;
    std::uint32_t size;
    return chunkAt(pos, end, id, size) && printable(id);
}

// Chunks of odd size are followed by a pad byte; some writers leave it out, so the unpadded
// position is taken when only it holds a chunk header.
std::uint64_t TAviParser::nextChunk(std::uint64_t dataStart, std::uint32_t size, std::uint64_t end) const {
    std::uint64_t unpadded = dataStart + size;
    if ((size & 1) == 0) return unpadded;
    if (!validIdAt(unpadded + 1, end) && validIdAt(unpadded, end)) return unpadded;
    return unpadded + 1;
}

bool TAviParser::Parse(std::string* error) {
    auto fail = [&](const char* why) {
        if (error) *error = why;
        return false;
    };
    std::uint8_t h[12];
    if (!r_->ReadAt(0, h, 12) || le32(h) != kRIFF || le32(h + 8) != kAVI) return fail("not an AVI file");

    std::uint64_t pos = 0;
    for (std::size_t n = 0; n < kMaxRiffs && pos + 12 <= fileSize_; ++n) {
        if (!r_->ReadAt(pos, h, 12) || le32(h) != kRIFF) break;
        FOURCC form = le32(h + 8);
        if ((n == 0 && form != kAVI) || (n > 0 && form != kAVIX)) break;
        std::uint32_t size = le32(h + 4);
        std::uint64_t end = std::min<std::uint64_t>(pos + 8 + size, fileSize_);
        walkTop(pos + 12, end, n == 0);
        pos = pos + 8 + size + (size & 1);
    }
    if (!haveHeaders_) return fail("the AVI file has no header list");

    bool needOther = false;
    for (auto& s : slots_) {
        if (s.stream && s.stream->superIndexOffset_ != 0) {
            std::uint64_t before = budget_;
            s.indexed = readOpenDML(s);
            if (!s.indexed) budget_ = before; // the entries of a refused index do not count
        }
        if (s.stream && !s.indexed) needOther = true;
    }
    file_.indexKind_ = TAviIndexKind::OpenDML;
    if (needOther) {
        if (haveIdx1_ && readIdx1()) {
            file_.indexKind_ = TAviIndexKind::Idx1;
        } else {
            file_.indexKind_ = TAviIndexKind::Scan;
            scanning_ = true;
            scanned_.assign(slots_.size(), {});
            for (const Span& m : movi_)
                walkData(m.begin + 4, m.end, 0);
            for (std::size_t i = 0; i < slots_.size(); ++i)
                if (slots_[i].stream && !slots_[i].indexed)
                    slots_[i].stream->chunks_ = std::move(scanned_[i]);
        }
    }
    finish();
    return true;
}

void TAviParser::walkTop(std::uint64_t begin, std::uint64_t end, bool first) {
    FOURCC id;
    std::uint32_t size;
    for (std::uint64_t pos = begin; chunkAt(pos, end, id, size);) {
        std::uint64_t data = pos + 8;
        std::uint64_t dataEnd = std::min<std::uint64_t>(data + size, end);
        if (id == kLIST && dataEnd >= data + 4) {
            bool ok = false;
            FOURCC kind = r_->U32(data, &ok);
            if (ok && kind == kHdrl && first && !haveHeaders_) {
                haveHeaders_ = true;
                walkHeaders(data + 4, dataEnd);
            } else if (ok && kind == kMovi) {
                movi_.push_back({data, dataEnd});
            }
        } else if (id == kIdx1 && first && !haveIdx1_) {
            haveIdx1_ = true;
            idx1_ = {data, dataEnd};
        }
        pos = nextChunk(data, size, end);
    }
}

void TAviParser::walkHeaders(std::uint64_t begin, std::uint64_t end) {
    FOURCC id;
    std::uint32_t size;
    for (std::uint64_t pos = begin; chunkAt(pos, end, id, size);) {
        std::uint64_t data = pos + 8;
        std::uint64_t dataEnd = std::min<std::uint64_t>(data + size, end);
        if (id == kAvih) {
            std::uint8_t buf[sizeof(AVIMAINHEADER)] = {};
            std::size_t n = std::min<std::uint64_t>(dataEnd - data, sizeof buf);
            if (r_->ReadAt(data, buf, n)) std::memcpy(&file_.main_, buf, sizeof buf);
        } else if (id == kLIST && dataEnd >= data + 4) {
            bool ok = false;
            FOURCC kind = r_->U32(data, &ok);
            if (ok && kind == kStrl && slots_.size() < std::size_t(kMaxStreams))
                walkStreamList(data + 4, dataEnd);
            else if (ok && kind == kMovi) // a header list whose size swallows the data
                movi_.push_back({data, dataEnd});
        } else if (id == kIdx1 && !haveIdx1_) {
            haveIdx1_ = true;
            idx1_ = {data, dataEnd};
        }
        pos = nextChunk(data, size, end);
    }
}

void TAviParser::walkStreamList(std::uint64_t begin, std::uint64_t end) {
    auto stream = std::shared_ptr<TAviStream>(new TAviStream());
    stream->reader_ = r_;
    bool haveHeader = false;
    bool formatOk = true;
    std::string name;
    FOURCC id;
    std::uint32_t size;
    for (std::uint64_t pos = begin; chunkAt(pos, end, id, size);) {
        std::uint64_t data = pos + 8;
        std::uint64_t avail = std::min<std::uint64_t>(data + size, end) - data;
        if (id == kStrh && !haveHeader) {
            StreamHeader sh{};
            std::size_t n = std::min<std::uint64_t>(avail, sizeof sh);
            if (n >= 48 && r_->ReadAt(data, &sh, n)) {
                haveHeader = true;
                AVISTREAMINFO& in = stream->info_;
                in.fccType = sh.fccType;
                in.fccHandler = sh.fccHandler;
                in.dwFlags = sh.dwFlags;
                in.wPriority = sh.wPriority;
                in.wLanguage = sh.wLanguage;
                in.dwScale = sh.dwScale;
                in.dwRate = sh.dwRate;
                in.dwStart = sh.dwStart;
                in.dwLength = sh.dwLength;
                in.dwInitialFrames = sh.dwInitialFrames;
                in.dwSuggestedBufferSize = sh.dwSuggestedBufferSize;
                in.dwQuality = sh.dwQuality;
                in.dwSampleSize = sh.dwSampleSize;
                if (n >= sizeof sh) {
                    in.rcFrameLeft = sh.rcFrame[0];
                    in.rcFrameTop = sh.rcFrame[1];
                    in.rcFrameRight = sh.rcFrame[2];
                    in.rcFrameBottom = sh.rcFrame[3];
                }
            }
        } else if (id == kStrf && stream->format_.empty()) {
            if (avail > kMaxFormat) {
                formatOk = false;
            } else {
                stream->format_.resize(avail);
                if (!r_->ReadAt(data, stream->format_.data(), avail)) stream->format_.clear();
            }
        } else if (id == kStrn && name.empty()) {
            std::size_t n = std::min<std::uint64_t>(avail, sizeof(AVISTREAMINFO::szName) - 1);
            name.resize(n);
            if (!r_->ReadAt(data, name.data(), n)) name.clear();
            name = name.c_str();
        } else if (id == kIndx && stream->superIndexOffset_ == 0 && avail >= 24) {
            stream->superIndexOffset_ = data;
            stream->superIndexSize_ = std::uint32_t(std::min<std::uint64_t>(avail, 0xFFFFFFFFu));
        }
        pos = nextChunk(data, size, end);
    }
    std::memcpy(stream->info_.szName, name.data(), name.size());

    Slot slot;
    if (haveHeader && formatOk) {
        AVISTREAMINFO& in = stream->info_;
        // A header without a frame rectangle takes the frame size from the bitmap header.
        if (in.fccType == streamtypeVIDEO &&
            (in.rcFrameRight <= in.rcFrameLeft || in.rcFrameBottom <= in.rcFrameTop)) {
            BITMAPINFOHEADER bi = stream->BitmapHeader();
            if (bi.biWidth > 0 && bi.biHeight != 0 && bi.biHeight != INT32_MIN) {
                in.rcFrameLeft = in.rcFrameTop = 0;
                in.rcFrameRight = bi.biWidth;
                in.rcFrameBottom = bi.biHeight < 0 ? -bi.biHeight : bi.biHeight;
            }
        }
        slot.stream = stream;
    }
    slots_.push_back(slot);
}

void TAviParser::addChunk(std::vector<TAviChunk>& out, std::uint64_t data, std::uint64_t size, bool key) {
    if (budget_ == 0 || data > fileSize_) return;
    --budget_;
    size = std::min<std::uint64_t>(size, fileSize_ - data);
    out.push_back({data, std::uint32_t(std::min<std::uint64_t>(size, 0xFFFFFFFFu)), key});
}

int TAviParser::streamNumber(FOURCC id) const {
    char a = char(id & 0xFF), b = char((id >> 8) & 0xFF);
    if (a < '0' || a > '9' || b < '0' || b > '9') return -1;
    int n = (a - '0') * 10 + (b - '0');
    return n < int(slots_.size()) ? n : -1;
}

void TAviParser::walkData(std::uint64_t begin, std::uint64_t end, int depth) {
    FOURCC id;
    std::uint32_t size;
    for (std::uint64_t pos = begin; chunkAt(pos, end, id, size);) {
        std::uint64_t data = pos + 8;
        std::uint64_t avail = std::min<std::uint64_t>(data + size, end) - data;
        if (id == kLIST) {
            if (depth < kMaxListDepth && avail >= 4) walkData(data + 4, data + avail, depth + 1);
        } else if ((id & 0xFFFF) != mmioFOURCC('i', 'x', 0, 0)) {
            int n = streamNumber(id);
            if (n >= 0 && slots_[std::size_t(n)].stream)
                addChunk(scanned_[std::size_t(n)], data, avail, true);
        }
        pos = nextChunk(data, size, end);
    }
}

bool TAviParser::readOpenDML(Slot& slot) {
    TAviStream& s = *slot.stream;
    std::vector<TAviChunk> chunks;
    if (!readIndex(s.superIndexOffset_, s.superIndexSize_, 0, chunks)) return false;
    s.chunks_ = std::move(chunks);
    return true;
}

// An OpenDML index: either a list of further indexes (only at the top, so a file cannot make
// the reader follow a chain or a cycle) or a list of chunks relative to a base offset.
bool TAviParser::readIndex(std::uint64_t offset, std::uint64_t size, int depth, std::vector<TAviChunk>& out) {
    std::uint8_t h[24];
    if (size < 24 || !r_->ReadAt(offset, h, 24)) return false;
    std::uint16_t longs = le16(h);
    std::uint8_t type = h[3];
    std::uint64_t inUse = le32(h + 4);
    std::uint64_t entryBytes = std::uint64_t(longs) * 4;
    size = std::min<std::uint64_t>(size, fileSize_ - std::min(offset, fileSize_));
    if (type == AVI_INDEX_OF_INDEXES) {
        if (depth > 0 || longs < 4) return false;
        std::uint64_t n = std::min(inUse, (size - 24) / entryBytes);
        std::vector<std::uint8_t> table(std::size_t(n * entryBytes));
        if (!r_->ReadAt(offset + 24, table.data(), table.size())) return false;
        for (std::uint64_t i = 0; i < n; ++i) {
            const std::uint8_t* e = table.data() + i * entryBytes;
            std::uint64_t at = le64(e);
            FOURCC id;
            std::uint32_t csize;
            if (!chunkAt(at, fileSize_, id, csize)) return false;
            if (!readIndex(at + 8, csize, depth + 1, out)) return false;
        }
        return true;
    }
    if (type != AVI_INDEX_OF_CHUNKS || longs < 2) return false;
    std::uint8_t base8[8];
    std::memcpy(base8, h + 12, 8);
    std::uint64_t base = le64(base8);
    std::uint64_t n = std::min(inUse, (size - 24) / entryBytes);
    if (n > budget_) return false;
    std::vector<std::uint8_t> table(std::size_t(n * entryBytes));
    if (!r_->ReadAt(offset + 24, table.data(), table.size())) return false;
    for (std::uint64_t i = 0; i < n; ++i) {
        const std::uint8_t* e = table.data() + i * entryBytes;
        std::uint32_t sz = le32(e + 4);
        std::uint64_t data = base + le32(e);
        if (data < base) // wrapped
            continue;
        addChunk(out, data, sz & 0x7FFFFFFFu, (sz & 0x80000000u) == 0);
    }
    return true;
}

bool TAviParser::readIdx1() {
    if (movi_.empty()) return false;
    std::uint64_t n = (idx1_.end - idx1_.begin) / 16;
    std::vector<std::uint8_t> table(std::size_t(n * 16));
    if (n == 0 || !r_->ReadAt(idx1_.begin, table.data(), table.size())) return false;
    // Offsets count from the 'movi' word of the first data list, or (some writers) from the
    // start of the file: the first real entry shows which.
    std::uint64_t base = 0;
    bool found = false;
    for (std::uint64_t i = 0; i < n && !found; ++i) {
        const std::uint8_t* e = table.data() + i * 16;
        if ((le32(e + 4) & AVIIF_LIST) || streamNumber(le32(e)) < 0) continue;
        for (std::uint64_t b : {movi_.front().begin, std::uint64_t(0)}) {
            bool ok = false;
            if (r_->U32(b + le32(e + 8), &ok) == le32(e) && ok) {
                base = b;
                found = true;
                break;
            }
        }
        if (!found) return false;
    }
    if (!found) return false;
    std::vector<std::vector<TAviChunk>> lists(slots_.size());
    for (std::uint64_t i = 0; i < n; ++i) {
        const std::uint8_t* e = table.data() + i * 16;
        int s = streamNumber(le32(e));
        std::uint32_t flags = le32(e + 4);
        if (s < 0 || (flags & AVIIF_LIST) || !slots_[std::size_t(s)].stream || slots_[std::size_t(s)].indexed)
            continue;
        addChunk(lists[std::size_t(s)], base + le32(e + 8) + 8, le32(e + 12), (flags & AVIIF_KEYFRAME) != 0);
    }
    for (std::size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].stream && !slots_[i].indexed) slots_[i].stream->chunks_ = std::move(lists[i]);
    return true;
}

void TAviParser::finish() {
    for (auto& slot : slots_) {
        if (!slot.stream) continue;
        TAviStream& s = *slot.stream;
        s.chunkEnd_.clear();
        s.chunkEnd_.reserve(s.chunks_.size());
        std::uint64_t total = 0;
        for (const TAviChunk& c : s.chunks_)
            s.chunkEnd_.push_back(total += c.size);
        file_.streams_.push_back(slot.stream);
    }
    file_.reader_ = r_;
}
