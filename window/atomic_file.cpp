#include "atomic_file.h"

#include <QSaveFile>

#include <cerrno>

namespace erakon {

std::optional<QString> writeFileAtomically(const QString& path, const QByteArray& content,
                                           std::optional<QFileDevice::Permissions> permissions)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (permissions && !file.setPermissions(*permissions)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    // QSaveFile::commit() does not notice when its final flush writes only part
    // of the data (a full disk), and would put the cut file in place of the old
    // one; an explicit flush reports it while the old file is still there.
    if (file.write(content) != content.size() || !file.flush()) {
        const QString reason = qt_error_string(errno);
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace erakon
