#include "Launcher.h"

#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

class TSystemLauncher : public TLauncher {
public:
    bool start(const TLaunchRequest& r) override {
        QStringList args;
        for (const std::string& a : r.arguments)
            args << QString::fromStdString(a);
        return QProcess::startDetached(QString::fromStdString(r.program), args,
                                       QString::fromStdString(r.folder));
    }
};

TLauncher*& installed() {
    static TLauncher* l = nullptr;
    return l;
}

} // namespace

TLauncher& Launcher() {
    static TSystemLauncher system;
    return installed() ? *installed() : system;
}

void SetLauncher(TLauncher* launcher) {
    installed() = launcher;
}

bool openTarget(const std::string& target) {
    std::error_code ec;
    const fs::path path = fs::absolute(fs::path(target), ec);
    if (ec || !fs::exists(path, ec)) return false;
    const bool executable = fs::is_regular_file(path, ec) && ::access(path.c_str(), X_OK) == 0;
    TLaunchRequest r;
    if (executable) {
        r.program = path.string();
        r.folder = path.parent_path().string();
    } else {
        r.program = "xdg-open";
        r.arguments = {path.string()};
        r.folder = fs::is_directory(path, ec) ? path.string() : path.parent_path().string();
    }
    return Launcher().start(r);
}
