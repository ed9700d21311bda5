#pragma once
// Work the first window would otherwise wait for, done on the machine's
// other core while Qt starts and the window is built.

#include <thread>

// Runs one piece of that work on a thread of its own, in spare time only;
// waits for it when it goes.
class Ahead {
public:
    explicit Ahead(void (*work)());
    ~Ahead();
    Ahead(const Ahead&) = delete;
    Ahead& operator=(const Ahead&) = delete;

private:
    std::thread thread_;
};

// Fontconfig reads its configuration and scans the installed fonts (some
// milliseconds) before Qt can lay out the first caption; started first
// thing, that is done by the time the main window needs its faces. Qt finds
// fontconfig ready and goes on from there.
void ScanFonts();

// The image readers, which Qt loads all of before it reads its first
// picture file (the first frame's scroll bar arrows are one): loaded while
// the main window is built. Start once the application exists: where Qt
// finds its plugins depends on it.
void LoadImageReaders();
