// SPDX-License-Identifier: MIT
#include "desktop/desktop_entry.h"

#include "desktop/maker_info.h"

#include <algorithm>
#include <utility>

namespace erakon {

namespace {

bool isControl(QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f || c.category() == QChar::Other_Control; }

// One argument by the quoting rule of the Exec key: always quoted, and inside
// the quotes the four characters a launcher would otherwise interpret escaped.
QString quotedArgument(const QString& argument)
{
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            quoted += u'\\';
        quoted += c;
    }
    quoted += u'"';
    return quoted;
}

} // namespace

std::optional<QString> desktopEntryExecValue(const QString& path)
{
    if (path.isEmpty() || !path.isValidUtf16() || std::any_of(path.begin(), path.end(), isControl))
        return std::nullopt;

    QString command = quotedArgument(path);
    // GLib looks for the program before it undoes the "%%" of a literal "%",
    // and so refuses a program whose path has one. Such an entry starts the
    // shell, which GLib finds, with the path as an argument, whose "%%" it
    // undoes as for any argument; the shell then runs the program.
    if (path.contains(u'%'))
        command.prepend(QStringLiteral("sh -c ") + quotedArgument(QStringLiteral("exec \"$0\"")) + u' ');

    // The value is also of the string type, whose own escape rule for the
    // backslash is undone before the quoting rule; "%" starts a field code.
    QString value;
    value.reserve(command.size() * 2);
    for (const QChar c : std::as_const(command)) {
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
