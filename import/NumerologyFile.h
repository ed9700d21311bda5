#pragma once
// Reading a file of the sibling numerology program: plain text in a
// single-byte code page, of which only the first six lines count.

#include <QByteArray>
#include <QString>

#include <array>

// The first six lines of a numerology file, each without its line end. Lines
// end in a carriage return, optionally followed by a line feed. A file that
// cannot be read, or is not a regular file (a named pipe, a device), gives
// empty lines at once. However large the file, at most
// kMaxLineBytes are kept per line and at most kMaxReadBytes are read.
using NumerologyLines = std::array<QString, 6>;
NumerologyLines ReadNumerologyLines(const QString& path);

// The same lines from the file's first bytes.
NumerologyLines ParseNumerologyLines(const QByteArray& data);

inline constexpr qint64 kMaxLineBytes = 64 * 1024;
inline constexpr qint64 kMaxReadBytes = 6 * kMaxLineBytes + 6 * 2;
