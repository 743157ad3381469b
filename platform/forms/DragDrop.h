#pragma once
#include "Controls.h"

// Dragging one control onto another inside the program. A drag starts with
// TControl::BeginDrag (or a press on a control in dmAutomatic mode); mouse moves with the button
// held go to the control under the pointer as OnDragOver, the release drops on it when it
// accepted (OnDragDrop), and the source gets OnEndDrag. Tests drive a drag with the same calls
// the mouse handling uses.
namespace DragDrop {

TControl* Source();
bool Active();  // the drag has begun (OnStartDrag ran)
bool Pending(); // BeginDrag(false) waiting for the mouse to move

void Begin(TControl* source, bool immediate, int threshold);
// The pointer is over `target` (null: over nothing of ours) at client point (x, y). Raises
// dsDragLeave on the previous target and dsDragEnter/dsDragMove on this one; returns whether the
// target accepts.
bool MoveTo(TControl* target, int x, int y);
// Drop (on the current target if it accepted) or cancel; OnEndDrag tells the source.
void Finish(bool drop);

// Mouse handling of the source widget during a drag (global pointer position).
void MouseMovedTo(const QPoint& global);
void MouseReleasedAt(const QPoint& global);
// A control being destroyed leaves any drag it takes part in.
void Forget(TControl* c);

} // namespace DragDrop
