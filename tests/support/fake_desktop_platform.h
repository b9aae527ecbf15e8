// SPDX-License-Identifier: MIT
#pragma once

#include "desktop/desktop_platform.h"

#include <QList>
#include <QMap>
#include <QUrl>

namespace erakon {

// Folders and program path as the test sets them; every request to the desktop
// is recorded, and the file manager answers only when told to.
class FakeDesktopPlatform final : public DesktopPlatform {
public:
    QString specialFolder(SpecialFolder folder) const override { return folders.value(folder); }
    QString executablePath() const override { return executable; }
    bool openUrl(const QUrl& url) override
    {
        opened.append(url);
        return true;
    }
    bool showItems(const QUrl& fileUrl) override
    {
        shownItems.append(fileUrl);
        return fileManagerAnswers;
    }
    bool showItemProperties(const QUrl& fileUrl) override
    {
        propertiesRequested.append(fileUrl);
        return fileManagerAnswers;
    }

    bool waylandSession() const override { return wayland; }

    QMap<SpecialFolder, QString> folders;
    bool wayland = false;
    QString executable = QStringLiteral("/opt/erakon/bin/erakon");
    bool fileManagerAnswers = true;
    QList<QUrl> opened;
    QList<QUrl> shownItems;
    QList<QUrl> propertiesRequested;
};

} // namespace erakon
