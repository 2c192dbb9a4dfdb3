// Starts a program and prints how long it takes until it maps its first
// top-level window on the X display, and, when a title is given, until it
// maps a window of that title. The program is then ended.
//
//   perf_first_map [--title TEXT] -- program [arguments...]
//
// Prints "first_map_ms=N" and "title_map_ms=N" (when asked), one a line.

#include <X11/Xlib.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string WindowTitle(Display* display, Window window)
{
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count, &after, &data) ==
            Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    if (title.empty()) {
        char* name = nullptr;
        if (XFetchName(display, window, &name) && name) {
            title = name;
            XFree(name);
        }
    }
    return title;
}

double MsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

int main(int argc, char** argv)
{
    std::string title;
    int first = 1;
    while (first < argc && std::strcmp(argv[first], "--") != 0) {
        if (std::strcmp(argv[first], "--title") == 0 && first + 1 < argc)
            title = argv[++first];
        ++first;
    }
    if (first + 1 >= argc) {
        std::fprintf(stderr, "usage: perf_first_map [--title TEXT] -- program [arguments...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first + 1], argv + first + 1);
        _exit(127);
    }
    bool firstSeen = false;
    bool titleSeen = title.empty();
    const int connection = ConnectionNumber(display);
    while (!firstSeen || !titleSeen) {
        if (MsSince(start) > 60000) {
            std::fprintf(stderr, "no window within a minute\n");
            break;
        }
        if (XPending(display) == 0) {
            fd_set fds;
            FD_ZERO(&fds);
            FD_SET(connection, &fds);
            timeval wait{0, 100000};
            select(connection + 1, &fds, nullptr, nullptr, &wait);
            if (waitpid(child, nullptr, WNOHANG) == child) {
                std::fprintf(stderr, "the program ended before mapping its window\n");
                return 1;
            }
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type != MapNotify || event.xmap.override_redirect)
            continue;
        const double ms = MsSince(start);
        if (!firstSeen) {
            firstSeen = true;
            std::printf("first_map_ms=%.1f\n", ms);
            std::fprintf(stderr, "first window: \"%s\"\n", WindowTitle(display, event.xmap.window).c_str());
        }
        if (!titleSeen && WindowTitle(display, event.xmap.window) == title) {
            titleSeen = true;
            std::printf("title_map_ms=%.1f\n", ms);
        }
    }
    std::fflush(stdout);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return firstSeen && titleSeen ? 0 : 1;
}
