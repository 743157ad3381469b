#pragma once
// One tick of the animation manager's preview clock, over what it reads and changes: the play
// list's names and marks, the position `spanim`, the clock, the stop request, and the file
// system and picture loader. The manager supplies the real ones; tests supply their own.
#include <string>

class TPreviewPlayer {
public:
    virtual ~TPreviewPlayer() = default;
    virtual int count() const = 0;
    virtual bool marked(int index) const = 0;
    virtual std::string name(int index) const = 0;
    virtual int position() const = 0;
    virtual void setPosition(int index) = 0;
    virtual bool clockOn() const = 0;
    virtual void setClock(bool on) = 0;
    virtual bool stopRequested() const = 0;
    virtual void setStopRequest(bool stop) = 0;
    virtual bool fileExists(const std::string& path) const = 0;
    // Shows the frame; false when it cannot be read as a bitmap.
    virtual bool showFrame(const std::string& path) = 0;
    virtual void setStatus(const std::string& text) = 0;
    // "File not found" for a frame that exists but cannot be read.
    virtual void reportUnreadable() = 0;
    virtual void pump(int times) = 0;
};

// Shows the next marked frame and moves on, or stops the clock (empty list, stop request,
// missing or unreadable frame).
void previewTick(TPreviewPlayer& p);
