#include "PreviewTick.h"

void previewTick(TPreviewPlayer& p) {
    const int count = p.count();
    if (count == 0) {
        p.setClock(false);
        p.setStopRequest(true);
        return;
    }
    int at = p.position();
    if (at < 0 || at > count - 1) at = 0;
    // Unmarked names are skipped when a marked one follows; otherwise they cost this tick.
    if (!p.marked(at) && at < count - 1) {
        for (int i = at; i < count; ++i)
            if (p.marked(i)) {
                at = i;
                break;
            }
    }
    if (at != p.position()) p.setPosition(at);
    p.setStatus("");
    if (p.stopRequested()) {
        p.setClock(false);
        p.pump(500);
        return;
    }
    if (p.marked(at)) {
        const std::string path = p.name(at);
        if (!p.fileExists(path)) {
            p.setClock(false);
            p.setStatus("File Not Found -" + path);
            return;
        }
        if (!p.showFrame(path)) {
            p.setClock(false);
            p.reportUnreadable();
            return;
        }
    }
    ++at;
    if (at > count - 1) at = 0;
    p.setPosition(at);
    p.pump(1);
}
