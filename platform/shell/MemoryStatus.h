#pragma once
#include <cstdint>
#include <functional>
#include <string>

// The machine's global memory status: total physical memory, what is still available, and the
// load in percent. On Linux it comes from /proc/meminfo; a test puts its own figures in its
// place with ScopedMemoryStatus.
struct TMemoryStatus {
    std::uint64_t dwTotalPhys = 0;  // bytes
    std::uint64_t dwAvailPhys = 0;  // bytes
    std::uint32_t dwMemoryLoad = 0; // (total - available) x 100 div total, 0..100
};

// The load of a total and an available amount, worked out in 64 bits (0 for no total).
std::uint32_t memoryLoad(std::uint64_t total, std::uint64_t available);

// The figures of a /proc/meminfo text ("MemTotal:" and "MemAvailable:", in kB; "MemFree:" when
// the kernel gives no MemAvailable). False, with `out` untouched, when the total is missing,
// zero or not a number that fits.
bool parseMeminfo(const std::string& text, TMemoryStatus& out);

// The status now: the test's figures when a ScopedMemoryStatus is alive, else /proc/meminfo
// (all zero when it cannot be read).
TMemoryStatus GlobalMemoryStatus();

// For tests: GlobalMemoryStatus answers `total` bytes with `load` percent while this lives.
class ScopedMemoryStatus {
public:
    ScopedMemoryStatus(std::uint64_t total, std::uint32_t load);
    ~ScopedMemoryStatus();
    ScopedMemoryStatus(const ScopedMemoryStatus&) = delete;
    ScopedMemoryStatus& operator=(const ScopedMemoryStatus&) = delete;

private:
    std::function<TMemoryStatus()> previous_;
};
