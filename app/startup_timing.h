#pragma once
// Start-up phases for the start-up benchmark: with KESTREL_STARTUP_TIMING set in
// the environment, each phase is written to standard error as
// "kestrel-startup <phase> <nanoseconds since the epoch>", and the program
// quits once its first frame is on screen. Without it, nothing happens.

class QWidget;

namespace kestrel::app {

void markStartupPhase(const char* phase);

// Marks "first-frame" once window has been painted for the first time, then
// quits the application.
void quitAfterFirstFrame(QWidget& window);

}  // namespace kestrel::app
