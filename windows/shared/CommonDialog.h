#pragma once
// The main window's file dialog component: its settings, and ShowOpen,
// which asks the user for a file. Tests answer in place of the real dialog.

#include "windows/shared/ScopedOverride.h"

#include <QString>

#include <functional>

class QWidget;

class CommonDialog {
public:
    // "Description|pattern" pairs, as in "KV Numerelle (*.num)|*.num".
    QString Filter;
    int FilterIndex = 0;
    QString DefaultExt;
    int Flags = 0;
    QString DialogTitle;
    QString FileName;
    // When on, a cancel is reported as a failure (an exception); the file
    // name is then the empty text.
    bool CancelError = false;

    // Flag values of the open-file dialog.
    static constexpr int kHideReadOnly = 4;
    static constexpr int kFileMustExist = 4096;
    static constexpr int kNoReadOnlyReturn = 32768;

    // Asks for an existing file; FileName holds the chosen path afterwards.
    void ShowOpen(QWidget* parent);
};

// Thrown by ShowOpen for a cancel when CancelError is on.
struct DialogCancelled {};

using OpenFileHandler = std::function<QString(const CommonDialog& settings, QWidget* parent)>;

// The real dialog: a QFileDialog set up from the component's settings.
// Returns the chosen path, or the empty text after a cancel.
QString RealOpenFileDialog(const CommonDialog& settings, QWidget* parent);

// The dialog in use; the real one unless a test put another in its place.
OpenFileHandler& CurrentOpenFileHandler();

class ScopedOpenFileHandler : public ScopedOverride<OpenFileHandler> {
public:
    explicit ScopedOpenFileHandler(OpenFileHandler handler)
        : ScopedOverride(CurrentOpenFileHandler(), std::move(handler)) {}
};
