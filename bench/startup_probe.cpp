// SPDX-License-Identifier: MIT
// startup_probe SETTLE_MS PROGRAM [ARGS...]
// Starts PROGRAM on the current X display and prints one line:
//   shown_ms=<exec to window mapped> peak_rss_kb=<largest resident set of the process>
// "Shown" is the moment the window manager maps the program's first top-level window,
// seen through X events, so the same measure holds for any program. After SETTLE_MS
// more (first paint, fonts, timers) the program is stopped with SIGTERM and its peak
// RSS taken from the kernel's accounting of the reaped child. Exit status 1 when no
// window came within 30 seconds or the program ended before showing one.
#include <xcb/xcb.h>

#include <charconv>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <system_error>

#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kShowTimeout = std::chrono::seconds(30);

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

void watchWindow(xcb_connection_t* connection, xcb_window_t window)
{
    const std::uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);
}

// Waits for the first non-override-redirect map of a top-level window created after the
// program started: its own window or the frame the window manager puts around it.
bool waitForShownWindow(xcb_connection_t* connection, pid_t child)
{
    std::set<xcb_window_t> created;
    pollfd pfd{xcb_get_file_descriptor(connection), POLLIN, 0};
    const auto deadline = Clock::now() + kShowTimeout;
    while (Clock::now() < deadline) {
        while (std::unique_ptr<xcb_generic_event_t, FreeDeleter> event{xcb_poll_for_event(connection)}) {
            switch (event->response_type & 0x7F) {
            case XCB_CREATE_NOTIFY: {
                const auto* create = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
                if (!create->override_redirect) {
                    created.insert(create->window);
                    watchWindow(connection, create->window);
                }
                break;
            }
            case XCB_MAP_NOTIFY: {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                if (!map->override_redirect && created.contains(map->window))
                    return true;
                break;
            }
            default: break;
            }
        }
        if (xcb_connection_has_error(connection))
            return false;
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child)
            return false; // ended without a window
        poll(&pfd, 1, 5);
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SETTLE_MS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    int settleMs = 0;
    const std::string_view settleText(argv[1]);
    const auto [settleEnd, settleError] = std::from_chars(settleText.data(), settleText.data() + settleText.size(),
                                                          settleMs);
    if (settleError != std::errc() || settleEnd != settleText.data() + settleText.size() || settleMs < 0) {
        std::fprintf(stderr, "startup_probe: SETTLE_MS is not a number of milliseconds: %s\n", argv[1]);
        return 2;
    }

    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_probe: cannot open the X display\n");
        return 2;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie = xcb_change_window_attributes_checked(connection, screen->root, XCB_CW_EVENT_MASK,
                                                                    &rootMask);
    std::unique_ptr<xcb_generic_error_t, FreeDeleter> error{xcb_request_check(connection, cookie)};
    if (error) {
        std::fprintf(stderr, "startup_probe: cannot watch the root window\n");
        return 2;
    }

    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        std::perror(argv[2]);
        _exit(127);
    }
    if (child < 0) {
        std::perror("fork");
        return 2;
    }

    const bool shown = waitForShownWindow(connection, child);
    const auto shownAt = Clock::now();
    if (shown)
        usleep(static_cast<useconds_t>(settleMs) * 1000);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(connection);

    if (!shown) {
        std::fprintf(stderr, "startup_probe: %s showed no window\n", argv[2]);
        return 1;
    }
    const double shownMs = std::chrono::duration<double, std::milli>(shownAt - start).count();
    std::printf("shown_ms=%.1f peak_rss_kb=%ld\n", shownMs, usage.ru_maxrss);
    return 0;
}
