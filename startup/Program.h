#pragma once
// The whole run of the program, from the process start to its end.

// What main() does: Qt set up for this program, the start-up sequence, then
// the event loop. Returns the process's exit status: 0 for a run that ended
// normally (or a second instance that was told so), 1 for a start that
// failed. `mark`, when given, is told the name of each start-up step as it
// is done ("application", "style", then the start-up sequence's own); the
// start-up benchmark times them.
int RunProgram(int argc, char* argv[], void (*mark)(const char* step) = nullptr);
