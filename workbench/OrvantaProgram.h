#pragma once

// Orvanta's start-up: the application title and every window of the program, created once in
// their fixed order with the main window first (so closing it ends the program). A creation
// handler may only use the windows created before its own.
void CreateOrvantaWindows();
// Title, then the windows; main() runs the loop after it.
void StartOrvanta();
