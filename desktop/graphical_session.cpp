// SPDX-License-Identifier: MIT
#include "desktop/graphical_session.h"

#include "core/version.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#ifdef ERAKON_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace erakon {
namespace {

std::string_view environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string_view(value) : std::string_view();
}

// The value of Qt's command-line option "-name value" or "-name=value"; of
// several, the last, which is the one Qt takes.
std::string_view argument(int argc, const char* const* argv, std::string_view name)
{
    std::string_view value;
    for (int i = 1; i < argc; ++i) {
        std::string_view given = argv[i];
        if (given.starts_with("--"))
            given.remove_prefix(1); // Qt takes both forms
        if (given == name && i + 1 < argc)
            value = argv[++i];
        else if (given.size() > name.size() && given.starts_with(name) && given[name.size()] == '=')
            value = given.substr(name.size() + 1);
    }
    return value;
}

struct PlatformChoice {
    bool x11 = true;
    bool wayland = true;
};

// Which window systems the platform names allow: a list separated by ";",
// each name perhaps followed by ":options". None given allows both.
PlatformChoice platformChoice(std::string_view names)
{
    if (names.empty())
        return {};
    PlatformChoice choice{false, false};
    while (!names.empty()) {
        const std::size_t end = names.find(';');
        std::string_view name = names.substr(0, end);
        name = name.substr(0, name.find(':'));
        choice.x11 = choice.x11 || name == "xcb";
        choice.wayland = choice.wayland || name.starts_with("wayland");
        names = end == std::string_view::npos ? std::string_view() : names.substr(end + 1);
    }
    return choice;
}

bool x11DisplayAnswers(std::string_view display)
{
    if (display.empty())
        return false;
#ifdef ERAKON_HAVE_XCB
    const std::string name(display);
    xcb_connection_t* connection = xcb_connect(name.c_str(), nullptr);
    const bool connected = xcb_connection_has_error(connection) == 0;
    xcb_disconnect(connection);
    return connected;
#else
    return true;
#endif
}

bool waylandDisplayAnswers()
{
    if (!environment("WAYLAND_SOCKET").empty())
        return true;
    std::string_view display = environment("WAYLAND_DISPLAY");
    if (display.empty())
        display = "wayland-0";
    std::string path;
    if (display.front() == '/') {
        path = display;
    } else {
        const std::string_view runtime = environment("XDG_RUNTIME_DIR");
        if (runtime.empty())
            return false;
        path = std::string(runtime) + '/' + std::string(display);
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.size() >= sizeof(address.sun_path))
        return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    // Not blocking: a compositor whose backlog is full is there all the same.
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (socket < 0)
        return false;
    const bool connected = ::connect(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0
        || errno == EAGAIN;
    ::close(socket);
    return connected;
}

// Whether the colon-separated desktop list (XDG_CURRENT_DESKTOP, "ubuntu:GNOME")
// names GNOME.
bool namesGnome(std::string_view desktops)
{
    while (!desktops.empty()) {
        const std::size_t end = desktops.find(':');
        if (desktops.substr(0, end) == "GNOME")
            return true;
        desktops = end == std::string_view::npos ? std::string_view() : desktops.substr(end + 1);
    }
    return false;
}

std::string described(const char* name)
{
    const char* value = std::getenv(name);
    if (!value || !*value)
        return std::string(name) + " is not set";
    return std::string(name) + "=\"" + value + '"';
}

} // namespace

bool displayReachable(int argc, const char* const* argv)
{
    std::string_view platform = argument(argc, argv, "-platform");
    if (platform.empty())
        platform = environment("QT_QPA_PLATFORM");
    const PlatformChoice choice = platformChoice(platform);
    if (!choice.x11 && !choice.wayland)
        return true;
    std::string_view x11Display = argument(argc, argv, "-display");
    if (x11Display.empty())
        x11Display = environment("DISPLAY");
    return (choice.x11 && x11DisplayAnswers(x11Display)) || (choice.wayland && waylandDisplayAnswers());
}

std::string_view defaultPlatform(int argc, const char* const* argv,
                                 const std::function<bool(std::string_view)>& x11Answers)
{
    if (!argument(argc, argv, "-platform").empty() || !environment("QT_QPA_PLATFORM").empty())
        return {};
    if (environment("XDG_SESSION_TYPE") != "wayland" || !namesGnome(environment("XDG_CURRENT_DESKTOP")))
        return {};
    std::string_view x11Display = argument(argc, argv, "-display");
    if (x11Display.empty())
        x11Display = environment("DISPLAY");
    // A session without XWayland (or with X11 switched off) keeps the native window.
    if (x11Display.empty() || !x11Answers(x11Display))
        return {};
    return "xcb";
}

std::string_view defaultPlatform(int argc, const char* const* argv)
{
    return defaultPlatform(argc, argv, x11DisplayAnswers);
}

std::string noDisplayMessage()
{
    return std::string(kApplicationTitle) + " needs a graphical desktop session, but no display could be opened ("
        + described("DISPLAY") + ", " + described("WAYLAND_DISPLAY") + ").";
}

} // namespace erakon
