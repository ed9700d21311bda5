#pragma once
// Opening a file saved by the sibling numerology program: the user picks a
// ".num" file, the program reads its first lines and casts a reading.

#include <QString>

#include <array>

class frmMain;

// The import behind the main window's "Open Previously Saved Reading".
void NumerologyImport(frmMain& window);

// The first six lines of a numerology file, each without its line end. Lines
// end in a carriage return, optionally followed by a line feed. A file that
// cannot be read gives empty lines. However large the file, at most
// kMaxLineBytes are kept per line and at most kMaxReadBytes are read.
using NumerologyLines = std::array<QString, 6>;
NumerologyLines ReadNumerologyLines(const QString& path);

inline constexpr qint64 kMaxLineBytes = 64 * 1024;
inline constexpr qint64 kMaxReadBytes = 6 * kMaxLineBytes + 6 * 2;
