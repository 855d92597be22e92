// Starts a program on the current X display and reports when its first frame is on the screen (the first
// moment a band of the screen across the board shows more than a given number of white pixels) and its
// peak resident memory then.
//   first_frame <white pixels> <settle ms> <program> [arguments...]
// prints: <ms from start to first frame> <VmHWM in kB after settling>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long PeakResidentKb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

int WhitePixels(Display* display, int top, int width, int height) {
    XImage* image = XGetImage(display, DefaultRootWindow(display), 0, top, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image) return 0;
    int white = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) white += (XGetPixel(image, x, y) & 0xFFFFFF) == 0xFFFFFF ? 1 : 0;
    }
    XDestroyImage(image);
    return white;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: first_frame <white pixels> <settle ms> <program> [arguments...]\n");
        return 2;
    }
    int threshold = std::atoi(argv[1]);
    int settleMs = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) return 2;
    // Windows open at the top-left corner when no window manager places them; a band 40 pixels high and
    // 300 wide from y = 100 crosses the board under any menu bar. Small, so polling steals little time.
    const int top = 100;
    const int width = 300;
    const int height = 40;

    auto start = std::chrono::steady_clock::now();
    pid_t child = fork();
    if (child == 0) {
        execv(argv[3], argv + 3);
        _exit(127);
    }
    double ms = -1;
    while (std::chrono::steady_clock::now() - start < std::chrono::seconds(20)) {
        if (WhitePixels(display, top, width, height) > threshold) {
            ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    long peak = PeakResidentKb(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (ms < 0) return 1;
    std::printf("%.1f %ld\n", ms, peak);
    return 0;
}
