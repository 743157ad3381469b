#pragma once
#include <QObject>

class TQuillAVIPlay;

// The program's list of live players and the watch it keeps on other windows: a resize or
// paint of a window beneath a transparent player (a sibling below it on the same owner, or its
// form) makes that player take its background again. The first player installs the watch, the
// last removes it.
class TAviPlayerHook : public QObject {
public:
    static void Add(TQuillAVIPlay* p);
    static void Remove(TQuillAVIPlay* p);
    static int Count();
    static bool Installed();

    // While one lives, the watch ignores what it sees (a player painting its own snapshot).
    struct Quiet {
        Quiet();
        ~Quiet();
    };

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;
};
