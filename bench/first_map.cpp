// Starts a program and waits until it maps its first window on the X
// server: prints the milliseconds from the start to that map, the program's
// resident memory then, and its resident memory a while later (KiB), then
// ends the program.
//
//   qvkalkor-first-map SETTLE_MS PROGRAM [ARGS...]
//
// Meant for a bare X server (no window manager): the window is mapped as a
// child of the root window, which is all this watches.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

long resident_kib(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int settle = std::atoi(argv[1]);
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t c = xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask);
    if (xcb_generic_error_t* e = xcb_request_check(x, c)) {
        std::fprintf(stderr, "cannot watch the root window (%d)\n", e->error_code);
        return 1;
    }

    using Clock = std::chrono::steady_clock;
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        close(xcb_get_file_descriptor(x));
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }

    double ms = -1;
    pollfd p{xcb_get_file_descriptor(x), POLLIN, 0};
    while (ms < 0) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            std::fprintf(stderr, "%s ended before it showed a window\n", argv[2]);
            return 1;
        }
        poll(&p, 1, 100);
        while (xcb_generic_event_t* e = xcb_poll_for_event(x)) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY && ms < 0)
                ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            std::free(e);
        }
        if (xcb_connection_has_error(x))
            return 1;
    }
    const long mapped = resident_kib(child);
    usleep(static_cast<useconds_t>(settle) * 1000);
    const long settled = resident_kib(child);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(x);
    std::printf("%.1f %ld %ld\n", ms, mapped, settled);
    return 0;
}
