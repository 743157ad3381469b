#pragma once
// For tests: a launcher that records every start instead of starting anything, installed while
// the object lives. It can be told to fail its next starts.
#include "Launcher.h"

#include <vector>

class RecordingLauncher : public TLauncher {
public:
    RecordingLauncher() { SetLauncher(this); }
    ~RecordingLauncher() override { SetLauncher(nullptr); }
    RecordingLauncher(const RecordingLauncher&) = delete;
    RecordingLauncher& operator=(const RecordingLauncher&) = delete;

    bool start(const TLaunchRequest& r) override {
        if (failNext > 0) {
            --failNext;
            ++failed;
            return false;
        }
        started.push_back(r);
        return true;
    }
    // The one target opened through xdg-open by the last start ("" when none).
    std::string lastOpened() const {
        if (started.empty() || started.back().program != "xdg-open" || started.back().arguments.size() != 1)
            return "";
        return started.back().arguments[0];
    }

    std::vector<TLaunchRequest> started;
    int failNext = 0; // this many starts fail
    int failed = 0;
};
