#pragma once
// SIGTERM and SIGINT (a desktop logout, a service manager, Ctrl+C) close the
// main window as its close button does, so the values saved at close are
// saved. The handler only writes a byte to a pipe; the event loop does the
// rest.

class QWidget;

namespace wall {

// Call once, after the window exists. Returns false when the signals could
// not be hooked (the program then ends on them as before).
bool closeOnQuitSignals(QWidget* window);

// True once SIGTERM or SIGINT arrived: start-up stops asking questions
// (a port's message and settings dialog) and does not show the window.
bool quitSignalled();

}  // namespace wall
