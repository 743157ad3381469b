#include "UIThread.h"

#include <QCoreApplication>
#include <QMetaObject>

void PostToUIThread(std::function<void()> fn) {
    if (!fn) return;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app) {
        fn();
        return;
    }
    QMetaObject::invokeMethod(app, std::move(fn), Qt::QueuedConnection);
}
