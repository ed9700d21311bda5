#pragma once
// Opening a file saved by the sibling numerology program: the user picks a
// ".num" file, the program reads its first lines and casts a reading.

#include "import/NumerologyFile.h"

#include <functional>

class CommonDialog;
class QWidget;

// The import behind the main window's "Open Previously Saved Reading": asks
// through the window's file dialog `CD`, with `owner` as the dialog's and
// message's parent, and ends in `nextSequence`, the window's reading sequence.
void NumerologyImport(CommonDialog& CD, QWidget* owner, const std::function<void()>& nextSequence);
