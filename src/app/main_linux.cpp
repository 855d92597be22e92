// The Linux start-up code: what the platform's loader does before WinMain, and the exit with its result.
#include "app/main_window.h"

#include <string>

namespace {
// The module handle of the executable; resources are looked up in it.
char moduleImage;
}  // namespace

int main(int argc, char** argv) {
    // WinMain receives the command line after the program name, though it never reads it.
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    return WinMain(reinterpret_cast<HINSTANCE>(&moduleImage), nullptr, commandLine.data(), SW_SHOWNORMAL);
}
