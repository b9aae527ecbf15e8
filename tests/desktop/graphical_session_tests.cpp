// SPDX-License-Identifier: MIT
#include "desktop/graphical_session.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace erakon {
namespace {

namespace fs = std::filesystem;

// A display number that no X server here uses.
constexpr const char* kNoServer = ":987";

// Each test starts with no display at all and a runtime folder of its own;
// the environment is put back afterwards.
class DisplayReachableTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_FALSE(fs::exists("/tmp/.X11-unix/X987")) << "an X server uses " << kNoServer;
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR",
                                 "XDG_SESSION_TYPE", "XDG_CURRENT_DESKTOP"}) {
            const char* value = std::getenv(name);
            m_saved[name] = value ? std::optional<std::string>(value) : std::nullopt;
            unsetenv(name);
        }
        char pattern[] = "/tmp/erakon-runtime-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        m_runtime = pattern;
        setenv("XDG_RUNTIME_DIR", pattern, 1);
    }

    void TearDown() override
    {
        if (m_listener >= 0)
            ::close(m_listener);
        fs::remove_all(m_runtime);
        for (const auto& [name, value] : m_saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }

    // A Wayland compositor's socket in the runtime folder; a stale one is a
    // socket file that nobody listens on any more.
    void makeWaylandSocket(const char* name, bool listening)
    {
        const std::string path = (m_runtime / name).string();
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        ASSERT_LT(path.size(), sizeof(address.sun_path));
        std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
        const int socket = ::socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(socket, 0);
        ASSERT_EQ(::bind(socket, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
        if (listening) {
            ASSERT_EQ(::listen(socket, 1), 0);
            m_listener = socket;
        } else {
            ::close(socket);
        }
    }

    static bool reachable(std::initializer_list<const char*> arguments = {})
    {
        std::array<const char*, 8> argv{"erakon"};
        int argc = 1;
        for (const char* argument : arguments)
            argv[argc++] = argument;
        return displayReachable(argc, argv.data());
    }

private:
    std::map<std::string, std::optional<std::string>> m_saved;
    fs::path m_runtime;
    int m_listener = -1;
};

TEST_F(DisplayReachableTest, NothingSetIsNoDisplay) { EXPECT_FALSE(reachable()); }

TEST_F(DisplayReachableTest, AnX11DisplayWithoutServerIsNoDisplay)
{
    setenv("DISPLAY", kNoServer, 1);
    EXPECT_FALSE(reachable());
    unsetenv("DISPLAY");
    EXPECT_FALSE(reachable({"-display", kNoServer}));
}

TEST_F(DisplayReachableTest, AWaylandCompositorThatListensIsADisplay)
{
    makeWaylandSocket("wayland-7", true);
    setenv("WAYLAND_DISPLAY", "wayland-7", 1);
    EXPECT_TRUE(reachable());
    EXPECT_TRUE(reachable({"-platform", "wayland"}));
    EXPECT_TRUE(reachable({"--platform", "wayland;xcb"}));
    EXPECT_FALSE(reachable({"-platform", "xcb"})) << "Qt was told to use X11 only";
}

// Qt takes the last -platform and the last -display it is given.
TEST_F(DisplayReachableTest, TheLastPlatformAndDisplayCount)
{
    makeWaylandSocket("wayland-7", true);
    setenv("WAYLAND_DISPLAY", "wayland-7", 1);
    EXPECT_FALSE(reachable({"-platform", "wayland", "-platform", "xcb"}));
    EXPECT_TRUE(reachable({"-platform", "xcb", "--platform", "wayland"}));
    // A platform that is neither is left to the watch over Qt's start.
    setenv("DISPLAY", kNoServer, 1);
    EXPECT_TRUE(reachable({"-platform", "xcb", "-platform", "garbage"}));
    EXPECT_FALSE(reachable({"-platform", "garbage", "-platform", "xcb"}));
    unsetenv("WAYLAND_DISPLAY");
    EXPECT_FALSE(reachable({"-platform", "xcb", "-display", ":0", "-display", kNoServer}));
}

TEST_F(DisplayReachableTest, WaylandsDefaultSocketNameIsTried)
{
    makeWaylandSocket("wayland-0", true);
    EXPECT_TRUE(reachable());
}

TEST_F(DisplayReachableTest, AStaleWaylandSocketIsNoDisplay)
{
    makeWaylandSocket("wayland-1", false);
    setenv("WAYLAND_DISPLAY", "wayland-1", 1);
    EXPECT_FALSE(reachable());
}

// Platforms that need no desktop session are left to Qt.
TEST_F(DisplayReachableTest, PlatformsWithoutADisplayAreLeftToQt)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    EXPECT_TRUE(reachable());
    unsetenv("QT_QPA_PLATFORM");
    EXPECT_TRUE(reachable({"-platform", "vnc:size=800x600"}));
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    EXPECT_FALSE(reachable());
}

// Under GNOME's Wayland session the window goes through XWayland, unless the
// user named a platform; everywhere else Qt chooses.
TEST_F(DisplayReachableTest, GnomeOnWaylandGetsXWaylandUnlessTheUserChose)
{
    struct Row {
        const char* name;
        const char* sessionType;
        const char* desktops;
        const char* display;
        const char* platformVariable;
        std::vector<const char*> arguments;
        bool xWaylandAnswers;
        std::string_view platform;
    };
    const Row rows[] = {
        {"GNOME on Wayland", "wayland", "GNOME", ":0", nullptr, {}, true, "xcb"},
        {"Ubuntu's GNOME", "wayland", "ubuntu:GNOME", ":0", nullptr, {}, true, "xcb"},
        {"GNOME Classic", "wayland", "GNOME-Classic:GNOME", ":1", nullptr, {}, true, "xcb"},
        {"-display names the server", "wayland", "GNOME", nullptr, nullptr, {"-display", ":0"}, true, "xcb"},
        {"user's variable", "wayland", "GNOME", ":0", "wayland", {}, true, ""},
        {"user's -platform", "wayland", "GNOME", ":0", nullptr, {"-platform", "wayland"}, true, ""},
        {"user's -platform=", "wayland", "GNOME", ":0", nullptr, {"-platform=wayland"}, true, ""},
        {"no XWayland", "wayland", "GNOME", nullptr, nullptr, {}, true, ""},
        {"XWayland does not answer", "wayland", "GNOME", ":0", nullptr, {}, false, ""},
        {"GNOME on X11", "x11", "GNOME", ":0", nullptr, {}, true, ""},
        {"KDE Plasma on Wayland", "wayland", "KDE", ":0", nullptr, {}, true, ""},
        {"a name that only contains GNOME", "wayland", "GNOMEish", ":0", nullptr, {}, true, ""},
        {"no session type", nullptr, "GNOME", ":0", nullptr, {}, true, ""},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        const auto set = [](const char* name, const char* value) {
            if (value)
                setenv(name, value, 1);
            else
                unsetenv(name);
        };
        set("XDG_SESSION_TYPE", row.sessionType);
        set("XDG_CURRENT_DESKTOP", row.desktops);
        set("DISPLAY", row.display);
        set("QT_QPA_PLATFORM", row.platformVariable);
        std::vector<const char*> argv{"erakon"};
        argv.insert(argv.end(), row.arguments.begin(), row.arguments.end());
        std::string asked;
        const auto answers = [&](std::string_view display) {
            asked = display;
            return row.xWaylandAnswers;
        };
        EXPECT_EQ(defaultPlatform(static_cast<int>(argv.size()), argv.data(), answers), row.platform);
        if (row.platform == "xcb") {
            EXPECT_EQ(asked, row.display ? row.display : ":0");
        }
    }
}

TEST_F(DisplayReachableTest, MessageIsOneLineNamingBothVariables)
{
    std::string message = noDisplayMessage();
    EXPECT_EQ(message.find('\n'), std::string::npos);
    EXPECT_NE(message.find("Erakon needs a graphical desktop session"), std::string::npos) << message;
    EXPECT_NE(message.find("DISPLAY is not set"), std::string::npos) << message;
    EXPECT_NE(message.find("WAYLAND_DISPLAY is not set"), std::string::npos) << message;

    setenv("DISPLAY", kNoServer, 1);
    message = noDisplayMessage();
    EXPECT_NE(message.find("DISPLAY=\":987\""), std::string::npos) << message;
}

} // namespace
} // namespace erakon
