#pragma once
// The working windows (main and result) hand over to the exit screen when the
// user closes them, and keep it hidden while they hand over to each other.

// Closing by the user: shows the exit screen, modeless and topmost.
void ShowExitScreen();

// Next and Back: hide the exit screen, loading it (hidden) the first time.
void HideExitScreen();

class QWidget;

// Whether the exit screen is loaded and shown.
bool ExitScreenVisible();

// The exit screen, if loaded.
QWidget* ExitScreen();
