#pragma once

namespace quillux::gui {

// The program entry: single-instance hand-over, Data/ and Resources/ under the current
// folder, the splash, the main window, the message loop, and the orderly shut-down on exit,
// on SIGTERM/SIGINT/SIGHUP and when the desktop session ends. Returns the exit code.
int RunQuillux(int argc, char** argv);

}  // namespace quillux::gui
