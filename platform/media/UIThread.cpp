#include "UIThread.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QSocketNotifier>
#include <QThread>

#include <deque>
#include <mutex>
#include <sys/eventfd.h>
#include <unistd.h>

// The posted work waits in a queue of our own and the other thread only signals an event file
// descriptor, so the hand-over is ordered by our own lock and no Qt object is touched off the
// user-interface thread.
namespace {
struct Poster {
    std::mutex m;
    std::deque<std::function<void()>> queue;
    bool woken = false;
    bool ready = false; // the notifier exists (read off the user-interface thread under m)
    int fd = -1;
    QSocketNotifier* notifier = nullptr;
};

Poster& poster() {
    static Poster p;
    return p;
}

void drain() {
    Poster& p = poster();
    std::uint64_t count;
    while (::read(p.fd, &count, sizeof count) > 0) {
    }
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard lock(p.m);
        batch.swap(p.queue);
        p.woken = false;
    }
    for (auto& fn : batch)
        fn();
}
} // namespace

void PrepareUIThreadPosting() {
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread()) return;
    Poster& p = poster();
    std::lock_guard lock(p.m);
    if (p.ready) return;
    if (p.fd < 0) p.fd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (p.fd < 0) return;
    auto* n = new QSocketNotifier(p.fd, QSocketNotifier::Read, app);
    QObject::connect(n, &QSocketNotifier::activated, app, [] { drain(); });
    QObject::connect(n, &QObject::destroyed, [] {
        Poster& q = poster();
        std::lock_guard relock(q.m);
        q.ready = false;
        q.notifier = nullptr;
    });
    p.notifier = n;
    p.ready = true;
}

void PostToUIThread(std::function<void()> fn) {
    if (!fn) return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        fn();
        return;
    }
    Poster& p = poster();
    bool wake = false, queued = false;
    {
        std::lock_guard lock(p.m);
        if (p.ready) {
            p.queue.push_back(std::move(fn));
            queued = true;
            wake = !p.woken;
            p.woken = true;
        }
    }
    if (queued) {
        if (wake) {
            std::uint64_t one = 1;
            [[maybe_unused]] ssize_t n = ::write(p.fd, &one, sizeof one);
        }
        return;
    }
    QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}
