#pragma once
#include "WaveOut.h"

#include <string>
#include <vector>

// A sound device for tests: while it lives, WaveOutOpen opens recording devices that log every
// call ("open 22050x1x8", "prepare", "write 2048", "pause", "restart", "reset", "unprepare",
// "close") and keep the bytes written. Buffers come back only when the test says so
// (Complete), or all at once on Reset.
class TWaveOutRecorder {
public:
    TWaveOutRecorder();
    ~TWaveOutRecorder();
    TWaveOutRecorder(const TWaveOutRecorder&) = delete;
    TWaveOutRecorder& operator=(const TWaveOutRecorder&) = delete;

    bool FailOpen = false; // every open fails as for a format no device plays

    std::vector<std::string> Calls() const;
    std::vector<std::uint8_t> Bytes() const; // everything written, in order (as PCM when converted)
    int Opens() const;                       // devices opened so far
    int Live() const;                        // devices open now
    int Queued() const;                      // buffers queued on the open devices
    // Gives back the oldest n queued buffers of the newest open device as done.
    int Complete(int n = 1);
    void Clear(); // forgets the calls and bytes

private:
    class Device;
    friend class Device;
    mutable std::mutex m_;
    std::vector<std::string> calls_;
    std::vector<std::uint8_t> bytes_;
    std::vector<Device*> live_;
    int opens_ = 0;
};
