#pragma once
// Starting other programs and documents. Every start goes through the one installed launcher,
// so tests put a recording launcher in its place; the system's launcher starts the program
// detached, with its arguments as a list (never through a shell).
#include <string>
#include <vector>

struct TLaunchRequest {
    std::string program;                // a path, or a name looked up on PATH
    std::vector<std::string> arguments; // each reaches the program as one argument
    std::string folder;                 // the working folder
};

class TLauncher {
public:
    virtual ~TLauncher() = default;
    // Starts the program detached; false when it cannot start.
    virtual bool start(const TLaunchRequest& request) = 0;
};

// The installed launcher (the system's unless a test installed another).
TLauncher& Launcher();
// Installs a launcher; null puts the system's back. The caller keeps ownership.
void SetLauncher(TLauncher* launcher);

// Opens a file or folder as the desktop does: an executable file starts directly in its own
// folder, anything else goes to `xdg-open` as its one argument. False when the target does not
// exist or could not be started.
bool openTarget(const std::string& target);
