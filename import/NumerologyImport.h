#pragma once
// Opening a file saved by the sibling numerology program: the user picks a
// ".num" file, the program reads its first lines and casts a reading.

#include "import/NumerologyFile.h"

class frmMain;

// The import behind the main window's "Open Previously Saved Reading".
void NumerologyImport(frmMain& window);

