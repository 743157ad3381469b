#include "MemoryStatus.h"
#include "FileIO.h"

#include <charconv>
#include <limits>
#include <sstream>

namespace {

std::function<TMemoryStatus()>& override() {
    static std::function<TMemoryStatus()> f;
    return f;
}

// The kB figure of the line that starts with `key`; false when absent or not a number.
bool field(const std::string& text, const std::string& key, std::uint64_t& kb) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) != 0) continue;
        std::size_t p = key.size();
        while (p < line.size() && (line[p] == ' ' || line[p] == '\t'))
            ++p;
        const char* first = line.data() + p;
        const char* last = line.data() + line.size();
        std::uint64_t v = 0;
        const auto [end, ec] = std::from_chars(first, last, v);
        if (ec != std::errc{} || end == first) return false;
        // Bytes must fit in 64 bits.
        if (v > std::numeric_limits<std::uint64_t>::max() / 1024) return false;
        kb = v;
        return true;
    }
    return false;
}

} // namespace

std::uint32_t memoryLoad(std::uint64_t total, std::uint64_t available) {
    if (total == 0) return 0;
    if (available > total) available = total;
    const std::uint64_t used = total - available;
    // used x 100 may not fit for totals near the top of the range: divide first there.
    if (used <= std::numeric_limits<std::uint64_t>::max() / 100) return std::uint32_t(used * 100 / total);
    return std::uint32_t(used / (total / 100));
}

bool parseMeminfo(const std::string& text, TMemoryStatus& out) {
    std::uint64_t total = 0, available = 0;
    if (!field(text, "MemTotal:", total) || total == 0) return false;
    if (!field(text, "MemAvailable:", available) && !field(text, "MemFree:", available)) available = 0;
    out.dwTotalPhys = total * 1024;
    out.dwAvailPhys = std::min(available, total) * 1024;
    out.dwMemoryLoad = memoryLoad(out.dwTotalPhys, out.dwAvailPhys);
    return true;
}

TMemoryStatus GlobalMemoryStatus() {
    if (override()) return override()();
    TMemoryStatus s;
    try {
        const std::vector<std::uint8_t> bytes = ReadWholeFile("/proc/meminfo");
        parseMeminfo(std::string(bytes.begin(), bytes.end()), s);
    } catch (...) {
        // no status to show: the figures stay zero
    }
    return s;
}

ScopedMemoryStatus::ScopedMemoryStatus(std::uint64_t total, std::uint32_t load) : previous_(override()) {
    override() = [total, load] {
        TMemoryStatus s;
        s.dwTotalPhys = total;
        s.dwMemoryLoad = load;
        s.dwAvailPhys = total - total / 100 * load;
        return s;
    };
}

ScopedMemoryStatus::~ScopedMemoryStatus() {
    override() = previous_;
}
