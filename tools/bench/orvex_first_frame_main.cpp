// orvex-first-frame: starts a program on $DISPLAY and prints the milliseconds until one of its
// top-level windows shows its first painted pixel, then the program's pid. The program keeps
// running, its output thrown away. Mapping a window is not painting it, so the window's pixels are
// watched instead: the display must have a black root (Xvfb -br), against which an unpainted window
// stays black.
//
//   orvex-first-frame PROGRAM [ARGUMENTS...]   prints "MILLISECONDS PID"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <optional>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kGiveUpAfter = std::chrono::seconds(10);
constexpr auto kLookEvery = std::chrono::milliseconds(1);

// A window that is gone between two requests is not an error here.
int IgnoreErrors(Display*, XErrorEvent*) {
    return 0;
}

std::optional<long> WindowPid(Display* display, Window window, Atom pidAtom) {
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window, pidAtom, 0, 1, False, XA_CARDINAL, &type, &format,
                           &count, &after, &data) != Success ||
        data == nullptr) {
        return std::nullopt;
    }
    std::optional<long> pid;
    if (type == XA_CARDINAL && format == 32 && count == 1) {
        pid = *reinterpret_cast<long*>(data);
    }
    XFree(data);
    return pid;
}

// True when a row through the window's quarter, middle or three-quarter height holds a pixel
// that is not black.
bool ShowsPaint(Display* display, Window window) {
    XWindowAttributes attributes{};
    if (!XGetWindowAttributes(display, window, &attributes) || attributes.map_state != IsViewable ||
        attributes.width <= 0 || attributes.height <= 0) {
        return false;
    }
    for (const int quarter : {1, 2, 3}) {
        XImage* row = XGetImage(display, window, 0, attributes.height * quarter / 4,
                                static_cast<unsigned>(attributes.width), 1, AllPlanes, ZPixmap);
        if (row == nullptr) {
            continue;
        }
        bool painted = false;
        for (int x = 0; x < attributes.width && !painted; ++x) {
            painted = (XGetPixel(row, x, 0) & 0xFFFFFF) != 0;
        }
        XDestroyImage(row);
        if (painted) {
            return true;
        }
    }
    return false;
}

bool AnyWindowOfShowsPaint(Display* display, pid_t pid, Atom pidAtom) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count)) {
        return false;
    }
    bool painted = false;
    for (unsigned i = 0; i < count && !painted; ++i) {
        painted =
            WindowPid(display, children[i], pidAtom) == pid && ShowsPaint(display, children[i]);
    }
    if (children != nullptr) {
        XFree(children);
    }
    return painted;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: orvex-first-frame PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "orvex-first-frame: cannot open the display\n");
        return 1;
    }
    XSetErrorHandler(IgnoreErrors);
    const Atom pidAtom = XInternAtom(display, "_NET_WM_PID", False);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("orvex-first-frame: fork");
        return 1;
    }
    if (pid == 0) {
        close(ConnectionNumber(display));
        // The program outlives this one; it must not hold a caller's pipe open.
        const int quiet = open("/dev/null", O_RDWR);
        dup2(quiet, STDIN_FILENO);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execvp(argv[1], argv + 1);
        std::perror("orvex-first-frame: exec");
        _exit(127);
    }
    while (Clock::now() - start < kGiveUpAfter) {
        if (AnyWindowOfShowsPaint(display, pid, pidAtom)) {
            const auto elapsed =
                std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::printf("%.0f %d\n", elapsed, static_cast<int>(pid));
            XCloseDisplay(display);
            return 0;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) {
            std::fprintf(stderr, "orvex-first-frame: %s ended before it painted\n", argv[1]);
            return 1;
        }
        std::this_thread::sleep_for(kLookEvery);
    }
    std::fprintf(stderr, "orvex-first-frame: no painted window within %lld s\n",
                 static_cast<long long>(kGiveUpAfter.count()));
    return 1;
}
