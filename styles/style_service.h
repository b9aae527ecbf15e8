// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace erakon {

// The program's visual styles: the system style "Windows" (the look the
// application had when the service was created) and the styles carried as
// resources, registered the first time the list of names is asked for.
// Exactly one style is active; names are matched without regard to case.
// Needs a QApplication.
class StyleService final {
public:
    static QString systemStyleName(); // "Windows"

    // styleFolder: where the carried definitions lie (the program's resources
    // unless a test points elsewhere). Captures the application's current
    // style, palette and style sheet as the system style.
    explicit StyleService(const QString& styleFolder = QStringLiteral(":/styles"));
    ~StyleService();
    StyleService(const StyleService&) = delete;
    StyleService& operator=(const StyleService&) = delete;

    // The system style first, then every registered style in registration order.
    QStringList names();
    QString activeName() const;

    // Re-arms the discovery of carried styles; registered styles and the
    // active style stay.
    void rediscoverStyles();

    // Makes the named style active and redraws the whole application in it.
    // Does nothing when it is already active. False with *error set when no
    // style has that name or its definition cannot be read; the active
    // style then stays.
    bool setActiveStyle(const QString& name, QString* error);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace erakon
