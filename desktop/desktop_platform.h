// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QUrl>

namespace erakon {

// The per-user folders a shortcut can be put in. The values are the shell's
// historical folder ids.
enum class SpecialFolder { Desktop = 0, Programs = 2, Startup = 7 };

// What the program needs from the desktop it runs on. The Linux implementation
// talks to XDG folders, QDesktopServices and the file manager over D-Bus; tests
// use a fake that records the requests.
class DesktopPlatform {
public:
    virtual ~DesktopPlatform() = default;

    // The folder's path, or empty when the desktop cannot tell.
    virtual QString specialFolder(SpecialFolder folder) const = 0;
    // Full path of the running program.
    virtual QString executablePath() const = 0;
    // Hands a file or web address to the program the desktop associates with it.
    virtual bool openUrl(const QUrl& url) = 0;
    // Asks the file manager to show the file selected in its folder; false
    // when no file manager answered.
    virtual bool showItems(const QUrl& fileUrl) = 0;
    // Asks the file manager for the file's properties sheet; false when no
    // file manager answered.
    virtual bool showItemProperties(const QUrl& fileUrl) = 0;
    // Whether the window system is Wayland: there a program can neither place
    // its window nor learn where it is, the compositor alone decides what
    // stays on top, and a minimise by the compositor is not told to the program.
    virtual bool waylandSession() const = 0;
};

} // namespace erakon
