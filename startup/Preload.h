#pragma once
// Work the first window would otherwise wait for, done on the machine's
// other core while Qt starts and the window is built.

#include <thread>

// Fontconfig reads its configuration and scans the installed fonts (some
// milliseconds) before Qt can lay out the first caption; started first
// thing, that is done by the time the main window needs its faces. Qt finds
// fontconfig ready and goes on from there. Waits for the scan when it goes.
class FontsAhead {
public:
    FontsAhead();
    ~FontsAhead();
    FontsAhead(const FontsAhead&) = delete;
    FontsAhead& operator=(const FontsAhead&) = delete;

private:
    std::thread thread_;
};

// The image readers, which Qt loads all of before it reads its first
// picture file (the first frame's scroll bar arrows are one): loaded while
// the main window is built. Start once the application exists: where Qt
// finds its plugins depends on it. Waits for the loading when it goes.
class PicturesAhead {
public:
    PicturesAhead();
    ~PicturesAhead();
    PicturesAhead(const PicturesAhead&) = delete;
    PicturesAhead& operator=(const PicturesAhead&) = delete;

private:
    std::thread thread_;
};
