#pragma once
// What assistive technology (a screen reader) is told about the program's
// own kinds of control: clickable captions are links with one action that
// opens their page, the exit screen is a dialog, and single-line text boxes
// answer every text query without hanging.

// Makes the program's accessibility known to Qt, once the application exists;
// the first call does the work.
void InstallAccessibility();
