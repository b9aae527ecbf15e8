// SPDX-License-Identifier: MIT
#include "desktop/desktop_entry.h"

#include "desktop/maker_info.h"

#include <algorithm>
#include <utility>

namespace erakon {

namespace {

bool isControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control; }

} // namespace

std::optional<QString> desktopEntryExecValue(const QString& path)
{
    if (path.isEmpty() || !path.isValidUtf16() || std::any_of(path.begin(), path.end(), isControl))
        return std::nullopt;

    // Quoting rule of the Exec key: always quote, and inside quotes escape the
    // four characters the launcher would otherwise interpret.
    QString quoted = QStringLiteral("\"");
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';

    // The value is also of the string type, whose own escape rule for the
    // backslash is undone before the quoting rule; "%" starts a field code.
    QString value;
    value.reserve(quoted.size() * 2);
    for (const QChar c : std::as_const(quoted)) {
        if (c == u'\\')
            value += QStringLiteral("\\\\");
        else if (c == u'%')
            value += QStringLiteral("%%");
        else
            value += c;
    }
    return value;
}

std::optional<QByteArray> desktopEntryFor(const QString& target)
{
    const std::optional<QString> exec = desktopEntryExecValue(target);
    if (!exec)
        return std::nullopt;
    const QString text = QStringLiteral("[Desktop Entry]\n"
                                        "Type=Application\n"
                                        "Version=1.0\n"
                                        "Name=%1\n"
                                        "Exec=%2\n"
                                        "Icon=%3\n"
                                        "Terminal=false\n")
                             .arg(QString::fromUtf8(kApplicationTitle), *exec, QString::fromUtf8(kProgramName));
    return text.toUtf8();
}

} // namespace erakon
