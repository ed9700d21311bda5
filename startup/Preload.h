#pragma once
// Work the first window would otherwise wait for, done on the machine's
// other core while Qt starts and the window is built.

#include <functional>
#include <thread>

// Runs one piece of that work on a thread of its own and waits for it when
// it goes. Where no thread can be made (the process may make no more), the
// work is done in line instead: slower, never fatal.
class Ahead {
public:
    using Work = void (*)();
    // How a thread is made; std::thread's constructor unless a test puts a
    // failing one in its place.
    using ThreadMaker = std::function<std::thread(Work)>;

    explicit Ahead(Work work, const ThreadMaker& makeThread = DefaultThreadMaker());
    ~Ahead();
    Ahead(const Ahead&) = delete;
    Ahead& operator=(const Ahead&) = delete;

    static ThreadMaker DefaultThreadMaker();

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
