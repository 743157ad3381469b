#pragma once
#include "AviFile.h"
#include "MediaFileReader.h"

#include <string>
#include <vector>

// Builds a TAviFile from the bytes of a RIFF AVI file: the header lists, then the chunk lists of
// every stream from the OpenDML indexes, the old index or a scan of the data lists, in that order
// of preference.
class TAviParser {
public:
    TAviParser(TAviFile& file, std::shared_ptr<TMediaFileReader> reader);
    bool Parse(std::string* error);

private:
    struct Span {
        std::uint64_t begin = 0;
        std::uint64_t end = 0;
    };
    struct Slot {
        std::shared_ptr<TAviStream> stream; // null when the stream's header list had no header
        bool indexed = false;
    };

    bool chunkAt(std::uint64_t pos, std::uint64_t end, FOURCC& id, std::uint32_t& size) const;
    std::uint64_t nextChunk(std::uint64_t dataStart, std::uint32_t size, std::uint64_t end) const;
    bool validIdAt(std::uint64_t pos, std::uint64_t end) const;
    void walkTop(std::uint64_t begin, std::uint64_t end, bool first);
    void walkHeaders(std::uint64_t begin, std::uint64_t end);
    void walkStreamList(std::uint64_t begin, std::uint64_t end);
    void walkData(std::uint64_t begin, std::uint64_t end, int depth);

    bool readOpenDML(Slot& slot);
    bool readIndex(std::uint64_t offset, std::uint64_t size, int depth, std::vector<TAviChunk>& out);
    bool readIdx1();
    void addChunk(std::vector<TAviChunk>& out, std::uint64_t data, std::uint64_t size, bool key);
    int streamNumber(FOURCC id) const;
    void finish();

    TAviFile& file_;
    std::shared_ptr<TMediaFileReader> r_;
    std::uint64_t fileSize_;
    std::vector<Slot> slots_;
    std::vector<Span> movi_; // each data list, from its 'movi' word to its end
    Span idx1_;
    bool haveIdx1_ = false;
    bool haveHeaders_ = false;
    bool scanning_ = false;
    std::vector<std::vector<TAviChunk>> scanned_;
    std::uint64_t budget_; // chunk entries the file's size can hold
};
