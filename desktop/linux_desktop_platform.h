// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/desktop_platform.h"

namespace erakon {

// XDG folders, QDesktopServices and org.freedesktop.FileManager1.
class LinuxDesktopPlatform final : public DesktopPlatform {
public:
    QString specialFolder(SpecialFolder folder) const override;
    QString executablePath() const override;
    bool openUrl(const QUrl& url) override;
    bool showItems(const QUrl& fileUrl) override;
    bool showItemProperties(const QUrl& fileUrl) override;
    bool waylandSession() const override;
};

} // namespace erakon
